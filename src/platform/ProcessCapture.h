#pragma once

#include <QString>

// Runs a command line hidden and collects what it prints. One capture at a time: starting
// another ends the one before.
class ProcessCapture
{
public:
    virtual ~ProcessCapture() = default;

    // Starts the command line with no window and no input. The streams asked for go into one
    // pipe, in the order the process writes them; a stream not asked for is thrown away. The
    // output is turned into text from the console's code page (fromConsoleCodePage) or from the
    // system's code page; on Linux and macOS both are UTF-8. Returns false when the process cannot
    // be started.
    virtual bool start(const QString& commandLine, bool standardOutput, bool standardError,
                       bool fromConsoleCodePage) = 0;

    // Waits at most waitMs milliseconds for output and returns the text that has arrived, possibly
    // none. A character whose bytes are split between two reads comes out whole, with the later.
    virtual QString read(int waitMs) = 0;

    // True once the process has ended and everything it wrote has been read.
    virtual bool atEnd() const = 0;

    // Ends the process at once; nothing more arrives. Never throws.
    virtual void kill() noexcept = 0;
};
