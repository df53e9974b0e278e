#pragma once

#include "platform/TextFile.h"

#include <QString>

#include <memory>

// Creates text files by name.
class TextFileWriter
{
public:
    virtual ~TextFileWriter() = default;

    // Starts writing the file at the path, which replaces any file of that name once closed.
    // Throws OperationFailed when it cannot be created (no such folder, no permission).
    virtual std::unique_ptr<TextFile> create(const QString& path) = 0;
};
