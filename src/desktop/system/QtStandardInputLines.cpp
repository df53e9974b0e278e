#include "desktop/system/QtStandardInputLines.h"

#include <QSocketNotifier>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

QtStandardInputLines::QtStandardInputLines() = default;
QtStandardInputLines::~QtStandardInputLines() = default;

void QtStandardInputLines::watch(qsizetype longest,
                                 std::function<void(const QList<QByteArray>& lines)> onLines,
                                 std::function<void()> onEnd)
{
    m_longest = longest;
    m_onLines = std::move(onLines);
    m_onEnd = std::move(onEnd);
#ifdef Q_OS_UNIX
    m_notifier = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                     [this] { readSome(); });
#else
    ended();
#endif
}

void QtStandardInputLines::readSome()
{
#ifdef Q_OS_UNIX
    char block[4096];
    const ssize_t got = ::read(STDIN_FILENO, block, sizeof block);
    if (got < 0 && errno == EINTR)
        return;
    if (got <= 0) {
        ended();
        return;
    }
    QList<QByteArray> lines;
    for (ssize_t i = 0; i < got; ++i) {
        const char c = block[i];
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
#endif
}

void QtStandardInputLines::ended()
{
    if (m_notifier)
        m_notifier->setEnabled(false);
    if (!m_line.isEmpty() && m_onLines)
        m_onLines({std::exchange(m_line, QByteArray())});
    if (m_onEnd)
        m_onEnd();
    m_onEnd = nullptr;
}
