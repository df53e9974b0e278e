#pragma once

#include <QString>

// Files on disk, as the handlers reach them.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // True when the modification date and time of the file at the path can be read.
    virtual bool modificationTimeReadable(const QString& path) const = 0;
};
