#include "desktop/system/ConsoleSetup.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <unistd.h>

void IgnoreFileSizeLimit()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

void UseStandardStreamsAsBytes() {}

bool StandardErrorIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

void ReleaseOwnConsole() {}

QString ReplaceProcess(const QString& program, char* const arguments[])
{
    ::execv(QFile::encodeName(program).constData(), arguments);
    return QString::fromLocal8Bit(std::strerror(errno));
}
