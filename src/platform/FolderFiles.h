#pragma once

#include <QByteArray>
#include <QString>

// The files Quillfen writes into a folder of the user's, many small ones in a row: the pictures of
// a run and the list of them. Each is written under a hidden part name beside its path and renamed
// over the path once whole, so that a stop at any moment leaves whole files only; the files reach
// the disk together, with one sync, so that a thousand pictures do not wait for a thousand syncs.
class FolderFiles
{
public:
    enum class Entry { Nothing, File, Other };

    virtual ~FolderFiles() = default;

    // What stands at the path itself, not where a link there leads: nothing, a regular file, or
    // anything else (a folder, a link, one that leads nowhere too, a device).
    virtual Entry entryAt(const QString& path) const = 0;
    // Makes the folder, and those above it, when it is not there. Throws OperationFailed.
    virtual void makeFolder(const QString& path) = 0;
    // Writes the bytes as the whole file at the path. Unless `replace`, whatever has come to stand
    // at the path meanwhile is kept, and false returned. Throws OperationFailed (a folder that
    // cannot be written to, a full disk); the path then holds what it held.
    virtual bool write(const QString& path, const QByteArray& bytes, bool replace) = 0;
    // Makes every file written so far reach the disk. Throws OperationFailed.
    virtual void sync() = 0;
    // Removes the file at the path. Throws OperationFailed.
    virtual void remove(const QString& path) = 0;
};
