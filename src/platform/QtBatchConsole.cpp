#include "QtBatchConsole.h"

#include "common/OperationFailed.h"

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

QtBatchConsole::QtBatchConsole()
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
        const std::size_t got = std::fread(block, 1, sizeof block, stdin);
        if (got > 0) {
            if (contents.bytes.size() + qint64(got) > limit) {
                // Told, not read on to the end: whatever writes into the pipe is stopped by its
                // closing.
                return FileSystem::Contents{{}, true};
            }
            contents.bytes.append(block, qsizetype(got));
        }
        if (got < sizeof block) {
            if (std::ferror(stdin))
                throw OperationFailed(QStringLiteral("Cannot read standard input: ") +
                                      SystemError(errno));
            return contents;
        }
    }
}

void QtBatchConsole::writeStandardOutput(QByteArrayView bytes)
{
    errno = 0;
    if (std::fwrite(bytes.data(), 1, std::size_t(bytes.size()), stdout) !=
            std::size_t(bytes.size()) ||
        std::fflush(stdout) != 0)
        throw OperationFailed(QStringLiteral("Cannot write to standard output: ") +
                              SystemError(errno));
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
