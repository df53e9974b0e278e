#include "desktop/system/ConsoleSetup.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

void IgnoreFileSizeLimit() {}

void UseStandardStreamsAsBytes()
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
}

bool StandardErrorIsTerminal()
{
    return _isatty(_fileno(stderr)) != 0;
}

void ReleaseOwnConsole()
{
    // A shell that started the program is attached too; a console of the program's own has it
    // alone.
    DWORD processes[2] = {};
    if (GetConsoleProcessList(processes, 2) == 1)
        FreeConsole();
}

QString ReplaceProcess(const QString& program, char* const arguments[])
{
    Q_UNUSED(program);
    Q_UNUSED(arguments);
    return QStringLiteral("not on Windows");
}
