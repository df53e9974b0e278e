#include "desktop/system/QtBatchConsole.h"

#include "common/OperationFailed.h"
#include "desktop/system/QtStopSignals.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
QString SystemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
} // namespace

QtBatchConsole::QtBatchConsole(const QtStopSignals& stopSignals)
    : m_stopSignals(stopSignals)
{
#ifdef Q_OS_WIN
    // Results are written byte for byte: CSV lines already end in CR LF, and UTF-8 must not be
    // touched.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

FileSystem::Contents QtBatchConsole::readStandardInput(qint64 limit)
{
    FileSystem::Contents contents;
    char block[64 * 1024];
    for (;;) {
#ifdef Q_OS_WIN
        const std::size_t got = std::fread(block, 1, sizeof block, stdin);
        if (got == 0) {
            if (std::ferror(stdin))
                throw OperationFailed(tr("Cannot read standard input: %1").arg(SystemError(errno)));
            return contents;
        }
#else
        // A terminal or a pipe may keep a read waiting for as long as it stays open, and the
        // system restarts a read that a caught signal interrupts: the wait has to include the
        // stop signals.
        if (!m_stopSignals.waitUntilReadable(STDIN_FILENO))
            return contents;
        const ssize_t got = ::read(STDIN_FILENO, block, sizeof block);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw OperationFailed(tr("Cannot read standard input: %1").arg(SystemError(errno)));
        }
        if (got == 0)
            return contents;
#endif
        if (contents.bytes.size() + qint64(got) > limit) {
            // Told, not read on to the end: whatever writes into the pipe is stopped by its
            // closing.
            return FileSystem::Contents{{}, true};
        }
        contents.bytes.append(block, qsizetype(got));
    }
}

bool QtBatchConsole::standardInputIsTerminal() const
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stdin)) != 0;
#else
    return ::isatty(STDIN_FILENO) == 1;
#endif
}

void QtBatchConsole::writeStandardOutput(QByteArrayView bytes)
{
    errno = 0;
    if (std::fwrite(bytes.data(), 1, std::size_t(bytes.size()), stdout) !=
            std::size_t(bytes.size()) ||
        std::fflush(stdout) != 0)
        throw OperationFailed(tr("Cannot write to standard output: %1").arg(SystemError(errno)));
}

bool QtBatchConsole::standardOutputIsTerminal() const
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stdout)) != 0;
#else
    return ::isatty(STDOUT_FILENO) == 1;
#endif
}

void QtBatchConsole::writeStandardError(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

bool QtBatchConsole::standardErrorIsTerminal() const
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr)) != 0;
#else
    return ::isatty(STDERR_FILENO) == 1;
#endif
}

void QtBatchConsole::rewriteStandardErrorLine(const QString& text)
{
    writeStandardError(u'\r' + text + QStringLiteral("\x1b[K"));
}
