#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

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
