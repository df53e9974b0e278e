#pragma once

#include <QDateTime>
#include <QString>

#include <memory>

// A file opened for reading from start to end, in pieces, however large it is.
class InputFile
{
public:
    virtual ~InputFile() = default;

    virtual qint64 size() const = 0;
    virtual QDateTime modified() const = 0;
    // Reads up to max bytes into the buffer; returns how many, 0 at the end. Throws
    // OperationFailed on a read error.
    virtual qint64 read(char* buffer, qint64 max) = 0;
};

// Opens files for streamed reading. May be used from any thread.
class InputFiles
{
public:
    virtual ~InputFiles() = default;

    // Throws OperationFailed ("Cannot open <path>: <reason>") for a file that cannot be read.
    virtual std::unique_ptr<InputFile> open(const QString& path) = 0;
};
