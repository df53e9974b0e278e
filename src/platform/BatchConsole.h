#pragma once

#include "platform/FileSystem.h"

#include <QByteArrayView>
#include <QString>

// The standard streams of a program run from a shell or a script.
class BatchConsole
{
public:
    virtual ~BatchConsole() = default;

    // All of standard input, or none of it when it holds more than limit bytes (the result then
    // says so). A stop signal (see StopSignals) ends the wait for more at once, with what was read
    // so far: the caller asks StopSignals whether that happened. Throws OperationFailed when it
    // cannot be read.
    virtual FileSystem::Contents readStandardInput(qint64 limit) = 0;
    // Whether standard input is a terminal, where a person types the codes.
    virtual bool standardInputIsTerminal() const = 0;
    // Writes the bytes as they are and sends them on at once. Throws OperationFailed when they
    // cannot be written (a full disk).
    virtual void writeStandardOutput(QByteArrayView bytes) = 0;
    // Whether standard output goes to a terminal, which would obey control characters in it.
    virtual bool standardOutputIsTerminal() const = 0;
    // Writes the text, in the system's encoding, and sends it on at once. Never fails: there is
    // nowhere left to report a failure to.
    virtual void writeStandardError(const QString& text) = 0;
    // Whether standard error goes to a terminal, where a line can be rewritten in place.
    virtual bool standardErrorIsTerminal() const = 0;
    // Shows the text in place of the line standard error's terminal shows last (a progress line:
    // back to the line's start, the text, the rest of the line cleared), the same way as
    // writeStandardError(). Only this writes control characters of the program's own.
    virtual void rewriteStandardErrorLine(const QString& text) = 0;
};
