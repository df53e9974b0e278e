#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Files on disk, as the handlers reach them.
class FileSystem
{
public:
    // The bytes of a whole file, or, for a file larger than the limit asked for, none at all.
    struct Contents
    {
        QByteArray bytes;
        bool overLimit = false;
    };

    virtual ~FileSystem() = default;

    // True when the modification date and time of the file at the path can be read.
    virtual bool modificationTimeReadable(const QString& path) const = 0;

    // True when there is a file (not a folder) at the path.
    virtual bool fileFound(const QString& path) const = 0;

    // Reads the whole file at the path. A file of more than limit bytes is not read into memory:
    // the result says so instead. Throws OperationFailed when the file cannot be opened or read
    // (a folder, no permission, a read error).
    virtual Contents readFile(const QString& path, qint64 limit) const = 0;

    // True when both paths name one existing file, however each is spelt: "./a.txt" and
    // "a.txt", a symbolic or a hard link. False when either does not exist.
    virtual bool sameFile(const QString& first, const QString& second) const = 0;
    // The files directly in the folder whose names end with the suffix (".json"), as paths, in
    // the order of their names; none when there is no such folder.
    virtual QStringList filesIn(const QString& folder, const QString& suffix) const = 0;
    // True when anyone but the file's owner may read it (its group or everyone), or when that
    // cannot be told: a file that holds a secret must be the owner's alone.
    virtual bool readableByOthers(const QString& path) const = 0;

    // Writes the bytes as the whole file at the path, making its folder first when there is
    // none. The file then holds all of them or, when anything failed, what it held before (or is
    // still missing): a half-written file is never left. Throws OperationFailed saying why.
    virtual void writeWholeFile(const QString& path, const QByteArray& bytes) = 0;
};
