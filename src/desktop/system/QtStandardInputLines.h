#pragma once

#include "platform/LineInput.h"

#include <QObject>

#include <memory>

class QSocketNotifier;

// The process's standard input, read as it becomes readable, without ever blocking the event
// loop. On Windows (QtStandardInputLines_win.cpp), where a console or a pipe cannot be watched
// for reading, a thread of its own reads and hands each block to the event loop.
class QtStandardInputLines final : public LineInput
{
    Q_DISABLE_COPY_MOVE(QtStandardInputLines)
public:
    QtStandardInputLines();
    ~QtStandardInputLines() override;

    void watch(qsizetype longest, std::function<void(const QList<QByteArray>& lines)> onLines,
               std::function<void()> onEnd) override;

private:
    void readSome();
    void ended();

    std::unique_ptr<QSocketNotifier> m_notifier;
    struct Reader;
    std::shared_ptr<Reader> m_reader;
    qsizetype m_longest = 0;
    QByteArray m_line;
    std::function<void(const QList<QByteArray>&)> m_onLines;
    std::function<void()> m_onEnd;
};
