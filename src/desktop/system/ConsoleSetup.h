#pragma once

// What a program run from a shell sets up about its process, the same way on every system.

#include <QString>

// Past the file size limit (ulimit -f) the system would end the program without a word and
// leave half-written files behind; ignored, the write fails and is reported like a full disk.
// Windows has no such limit.
void IgnoreFileSizeLimit();

// Standard output and input carry bytes as they are, as on Linux: Windows' C library would
// otherwise write every LF as CR LF (and read CR LF as LF), so the results written to a file or a
// pipe would differ from the Linux program's. Nothing elsewhere.
void UseStandardStreamsAsBytes();

// Whether standard error goes to a terminal someone watches, not into a file or a pipe.
bool StandardErrorIsTerminal();

// For the window: lets go of a console that was made for this process alone (Windows gives a
// console program started from the Start menu or Explorer a window of its own, which would stay
// open beside the program's), and keeps one it shares with a shell. Nothing elsewhere.
void ReleaseOwnConsole();

// Starts program in this process in place of this one, with the arguments given (argv's form,
// ending in a null) and the same environment. Returns only when it could not, with the system's
// reason. Windows has no such start; the program is one executable there and never asks.
QString ReplaceProcess(const QString& program, char* const arguments[]);
