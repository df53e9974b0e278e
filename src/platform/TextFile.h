#pragma once

#include <QString>

// A text file being written, line by line, in the system's 8-bit encoding without a byte-order
// mark. Nothing reaches the named file until close() succeeds: the lines go to a temporary file
// beside it, which replaces the named file only when everything is written. Destroying the
// object before close() throws the written lines away and leaves any existing file as it was.
class TextFile
{
public:
    virtual ~TextFile() = default;

    // Appends the line and a carriage return + line feed. Throws OperationFailed.
    virtual void writeLine(const QString& line) = 0;
    // Makes the written lines the file's content. Throws OperationFailed when they cannot be.
    virtual void close() = 0;
};
