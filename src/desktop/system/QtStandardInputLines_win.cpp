#include "desktop/system/QtStandardInputLines.h"

#include <QSocketNotifier>

#include <mutex>
#include <thread>
#include <utility>
#include <windows.h>

// What the reading thread hands over, under the mutex. `context` lives in the owner's thread and
// carries the calls there; it goes with the owner, after which the thread hands over nothing.
struct QtStandardInputLines::Reader
{
    std::mutex mutex;
    std::unique_ptr<QObject> context = std::make_unique<QObject>();
    QByteArray pending;
    bool end = false;
};

QtStandardInputLines::QtStandardInputLines() = default;

QtStandardInputLines::~QtStandardInputLines()
{
    if (!m_reader)
        return;
    // The thread may wait in a read for as long as the input stays open; it is left to end with
    // the process, and hands nothing to an owner that is gone.
    const std::lock_guard lock(m_reader->mutex);
    m_reader->context.reset();
}

void QtStandardInputLines::watch(qsizetype longest,
                                 std::function<void(const QList<QByteArray>& lines)> onLines,
                                 std::function<void()> onEnd)
{
    m_longest = longest;
    m_onLines = std::move(onLines);
    m_onEnd = std::move(onEnd);
    m_reader = std::make_shared<Reader>();
    std::thread([reader = m_reader, owner = this] {
        const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
        for (;;) {
            char block[4096];
            DWORD got = 0;
            const bool read = input != nullptr && input != INVALID_HANDLE_VALUE &&
                              ReadFile(input, block, sizeof block, &got, nullptr);
            // Ctrl+C cuts a console read short; the stop signals see to the rest.
            if (!read && GetLastError() == ERROR_OPERATION_ABORTED)
                continue;
            // A pipe ends with an error (its writer is gone), a console with a read of nothing.
            const bool end = !read || got == 0;
            {
                const std::lock_guard lock(reader->mutex);
                if (!reader->context)
                    return;
                reader->pending.append(block, qsizetype(end ? 0 : got));
                reader->end = end;
                QMetaObject::invokeMethod(
                    reader->context.get(), [owner] { owner->readSome(); }, Qt::QueuedConnection);
            }
            if (end)
                return;
        }
    }).detach();
}

void QtStandardInputLines::readSome()
{
    QByteArray bytes;
    bool end = false;
    {
        const std::lock_guard lock(m_reader->mutex);
        bytes = std::exchange(m_reader->pending, QByteArray());
        end = m_reader->end;
    }
    QList<QByteArray> lines;
    for (const char c : std::as_const(bytes)) {
        if (c == '\n') {
            const QByteArray line = std::exchange(m_line, QByteArray());
            lines.append(line.endsWith('\r') ? line.chopped(1) : line);
            continue;
        }
        // Held up to the limit: a line without an end cannot fill the memory.
        if (m_line.size() < m_longest)
            m_line += c;
    }
    if (!lines.isEmpty() && m_onLines)
        m_onLines(lines);
    if (end)
        ended();
}

void QtStandardInputLines::ended()
{
    if (!m_line.isEmpty() && m_onLines)
        m_onLines({std::exchange(m_line, QByteArray())});
    if (m_onEnd)
        m_onEnd();
    m_onEnd = nullptr;
}
