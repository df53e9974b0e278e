#include "desktop/files/QuaZipArchives.h"

#include "common/OperationFailed.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>

namespace {
constexpr qint64 kChunkBytes = 256 * 1024;

class QuaZipArchive final : public ZipArchive
{
public:
    explicit QuaZipArchive(const QString& path)
        : m_zip(path)
    {
        if (!m_zip.open(QuaZip::mdUnzip))
            throw OperationFailed(
                QStringLiteral("it is not a zip container (error %1)").arg(m_zip.getZipError()));
    }

    QStringList entryNames() const override { return m_zip.getFileNameList(); }

    Entry read(const QString& name, qint64 maxBytes, int maxRatio) override
    {
        Entry entry;
        if (!m_zip.setCurrentFile(name, QuaZip::csSensitive)) {
            entry.refused = Entry::Refused::Missing;
            return entry;
        }
        QuaZipFileInfo64 info;
        if (!m_zip.getCurrentFileInfo(&info))
            throw damaged(name);
        // The sizes the container declares are only used to refuse early and to bound the
        // ratio; the bytes are counted as they come.
        const qint64 ratioBound = qint64(info.compressedSize) * maxRatio;
        if (qint64(info.uncompressedSize) > maxBytes) {
            entry.refused = Entry::Refused::TooLarge;
            return entry;
        }
        if (qint64(info.uncompressedSize) > ratioBound) {
            entry.refused = Entry::Refused::TooCompressed;
            return entry;
        }
        QuaZipFile file(&m_zip);
        if (!file.open(QIODevice::ReadOnly))
            throw damaged(name);
        entry.bytes.reserve(qsizetype(std::min<quint64>(info.uncompressedSize, quint64(maxBytes))));
        for (;;) {
            const qsizetype at = entry.bytes.size();
            entry.bytes.resize(at + kChunkBytes);
            const qint64 got = file.read(entry.bytes.data() + at, kChunkBytes);
            if (got < 0)
                throw damaged(name);
            entry.bytes.resize(at + got);
            if (entry.bytes.size() > maxBytes || entry.bytes.size() > ratioBound) {
                entry.refused = entry.bytes.size() > maxBytes ? Entry::Refused::TooLarge
                                                              : Entry::Refused::TooCompressed;
                entry.bytes = QByteArray();
                return entry;
            }
            if (got == 0)
                break;
        }
        file.close();
        if (file.getZipError() != 0)
            throw damaged(name);
        return entry;
    }

private:
    static OperationFailed damaged(const QString& name)
    {
        return OperationFailed(QStringLiteral("it is damaged: the part ") + name +
                               QStringLiteral(" cannot be unpacked"));
    }

    mutable QuaZip m_zip;
};
} // namespace

std::unique_ptr<ZipArchive> QuaZipArchives::open(const QString& path)
{
    return std::make_unique<QuaZipArchive>(path);
}
