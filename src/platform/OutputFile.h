#pragma once

#include <QByteArrayView>

// A file being written that appears at its path whole or not at all: the bytes go to a temporary
// file beside it, which replaces whatever was at the path only on commit(). Destroying the object
// before that throws the bytes away and leaves the path as it was.
class OutputFile
{
public:
    virtual ~OutputFile() = default;

    // Throws OperationFailed (a full disk).
    virtual void write(QByteArrayView bytes) = 0;
    // Puts the file in place. Throws OperationFailed, and the path then stays as it was.
    virtual void commit() = 0;
};
