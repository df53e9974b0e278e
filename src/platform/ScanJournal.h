#pragma once

#include <QString>
#include <QStringList>

// The session file of a scan session, in the data folder: every scan is written to it before it
// is answered, so that a crash or a power cut loses none, and the next start can offer it back.
class ScanJournal
{
public:
    virtual ~ScanJournal() = default;

    // The lines of the file, oldest first; none when there is no file. A file larger than any
    // session would write is read no further than its first lines up to that size. Throws
    // OperationFailed when the file is there but cannot be read.
    virtual QStringList read() = 0;
    // Appends the lines, and returns only once they are on the disk: one write and one sync for
    // them all. Throws OperationFailed.
    virtual void append(const QStringList& lines) = 0;
    // Removes the file: the session is over. Throws OperationFailed.
    virtual void clear() = 0;
};
