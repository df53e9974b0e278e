#pragma once

#include "platform/ProcessCapture.h"

#include <QByteArray>

#include <memory>

class QProcess;

// Captures a command's output through QProcess.
class QtProcessCapture final : public ProcessCapture
{
public:
    QtProcessCapture();
    ~QtProcessCapture() override;
    QtProcessCapture(const QtProcessCapture&) = delete;
    QtProcessCapture& operator=(const QtProcessCapture&) = delete;

    bool start(const QString& commandLine, bool standardOutput, bool standardError,
               bool fromConsoleCodePage) override;
    QString read(int waitMs) override;
    bool atEnd() const override;
    void kill() noexcept override;

    // How many leading bytes of a UTF-8 text end on a character boundary: the rest is the start
    // of a character whose remaining bytes have not arrived yet.
    static qsizetype completeUtf8Prefix(QByteArrayView bytes);

private:
    QString decode(const QByteArray& bytes, bool final);

    std::unique_ptr<QProcess> m_process;
    bool m_fromConsoleCodePage = false;
    QByteArray m_pending; // bytes of a character split between two reads
};
