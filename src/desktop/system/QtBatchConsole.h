#pragma once

#include "platform/BatchConsole.h"

#include <QCoreApplication>

class QtStopSignals;

// The process's own standard input, output and error. Reading standard input stops waiting when
// one of the stop signals arrives.
class QtBatchConsole final : public BatchConsole
{
    Q_DECLARE_TR_FUNCTIONS(QtBatchConsole)
public:
    explicit QtBatchConsole(const QtStopSignals& stopSignals);

    FileSystem::Contents readStandardInput(qint64 limit) override;
    bool standardInputIsTerminal() const override;
    void writeStandardOutput(QByteArrayView bytes) override;
    bool standardOutputIsTerminal() const override;
    void writeStandardError(const QString& text) override;
    bool standardErrorIsTerminal() const override;
    void rewriteStandardErrorLine(const QString& text) override;

private:
    const QtStopSignals& m_stopSignals;
};
