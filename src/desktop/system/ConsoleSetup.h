#pragma once

// What a program run from a shell sets up about its process, the same way on every system.

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
