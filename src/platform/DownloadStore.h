#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

// No file is larger: a size past it, said by a server or read from a description, is taken
// for unknown rather than converted (it would overflow as a count of bytes).
inline constexpr qint64 kLargestDownloadBytes = qint64(1) << 50;

// A clock may be this far off: a date from outside (a server's Last-Modified, the times in a
// file's name) later than this past the time now is not believed.
inline constexpr qint64 kClockSkewSeconds = 24 * 60 * 60;

// What is known about a download that was interrupted, to resume it safely.
struct PartialDownload
{
    QString url;
    QByteArray etag;         // the server's ETag for the file, if it gave one
    QByteArray lastModified; // its Last-Modified, if it gave one
    qint64 totalBytes = -1;  // the whole file's size, when known
    qint64 bytes = 0;        // kept so far
};

// The partial file a download writes beside the index, and what it needs to resume.
class DownloadStore
{
public:
    virtual ~DownloadStore() = default;

    // The kept part, when there is one with what is needed to resume it.
    virtual std::optional<PartialDownload> part() = 0;
    // Throws away any kept part and starts an empty one described by `download`.
    virtual void startPart(const PartialDownload& download) = 0;
    // Adds to the part. Throws OperationFailed (a full disk: "disk full", or the system's
    // reason), and the part, which the disk could not take whole, is then removed.
    virtual void append(QByteArrayView bytes) = 0;
    // Reads the kept part from its start, in pieces.
    virtual void readPart(const std::function<void(QByteArrayView)>& sink) = 0;
    // The part is the whole file: it becomes a file of that name beside the index, whose path
    // is returned, dated by the server's Last-Modified unless that is in the future. Throws
    // OperationFailed.
    virtual QString complete(const QString& fileName) = 0;
    // Removes the part and what describes it.
    virtual void discard() = 0;
    // Removes a file complete() made, once it has been imported.
    virtual void removeCompleted(const QString& path) = 0;
};
