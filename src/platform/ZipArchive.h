#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// A zip container opened for reading (the package of an .xlsx or .ods workbook).
class ZipArchive
{
public:
    // One entry's bytes, or why they were not all read. The sizes an entry declares can lie, so
    // the bounds hold for the bytes actually inflated.
    struct Entry
    {
        enum class Refused { No, Missing, TooLarge, TooCompressed };
        QByteArray bytes;
        Refused refused = Refused::No;
    };

    virtual ~ZipArchive() = default;

    // The names of the entries, in the container's order.
    virtual QStringList entryNames() const = 0;
    // Inflates the entry, stopping as soon as it passes maxBytes or maxRatio times the size it
    // takes in the container. Throws OperationFailed on a damaged entry.
    virtual Entry read(const QString& name, qint64 maxBytes, int maxRatio) = 0;
    // The entry inflated as it is read, for a part too large to hold whole. Reading fails (gives
    // -1, errorString() says why) past the bounds read() keeps, or on damage. Throws
    // OperationFailed for a missing entry.
    virtual std::unique_ptr<QIODevice> stream(const QString& name, qint64 maxBytes,
                                              int maxRatio) = 0;
    // Writes a copy of the container to `path`: every entry in its order, its bytes and
    // compression as they are, but `replaced`, whose new bytes `write` gives. The copy goes to a
    // hidden file beside `path` and replaces it only once whole; this container is never
    // written. Throws OperationFailed, and `path` then stays as it was.
    virtual void copyReplacing(const QString& path, const QString& replaced,
                               const std::function<void(QIODevice& out)>& write) = 0;
};

// Opens zip containers.
class ZipArchives
{
public:
    virtual ~ZipArchives() = default;

    // Throws OperationFailed ("<path> is not a zip container: ...") for a file that cannot be
    // opened or is no zip.
    virtual std::unique_ptr<ZipArchive> open(const QString& path) = 0;
};
