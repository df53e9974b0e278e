#include "desktop/system/ConsoleSetup.h"

#include <csignal>
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
