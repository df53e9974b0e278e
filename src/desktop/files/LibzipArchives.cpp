#include "desktop/files/LibzipArchives.h"

#include "common/OperationFailed.h"

#include <QFile>

#include <algorithm>
#include <zip.h>

namespace {
constexpr qint64 kChunkBytes = 256 * 1024;
constexpr quint64 kMostReserved = 64 * 1024 * 1024;

OperationFailed Damaged(const QString& name)
{
    return OperationFailed(QStringLiteral("it is damaged: the part ") + name +
                           QStringLiteral(" cannot be unpacked"));
}

struct ZipCloser
{
    void operator()(zip_t* zip) const { zip_discard(zip); }
};

struct ZipFileCloser
{
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

class LibzipArchive final : public ZipArchive
{
public:
    explicit LibzipArchive(const QString& path)
    {
        int error = 0;
        m_zip.reset(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error));
        if (!m_zip) {
            zip_error_t reason;
            zip_error_init_with_code(&reason, error);
            const QString text = QString::fromUtf8(zip_error_strerror(&reason));
            zip_error_fini(&reason);
            throw OperationFailed(QStringLiteral("it is not a zip container (") + text +
                                  QStringLiteral(")"));
        }
        const zip_int64_t count = zip_get_num_entries(m_zip.get(), 0);
        for (zip_int64_t index = 0; index < count; ++index) {
            // Names that are not UTF-8 come back converted from the zip's old code page.
            if (const char* name = zip_get_name(m_zip.get(), zip_uint64_t(index), ZIP_FL_ENC_GUESS))
                m_names.append(QString::fromUtf8(name));
        }
    }

    QStringList entryNames() const override { return m_names; }

    Entry read(const QString& name, qint64 maxBytes, int maxRatio) override
    {
        Entry entry;
        const zip_int64_t index = zip_name_locate(m_zip.get(), name.toUtf8().constData(), 0);
        if (index < 0) {
            entry.refused = Entry::Refused::Missing;
            return entry;
        }
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(m_zip.get(), zip_uint64_t(index), 0, &stat) != 0 ||
            !(stat.valid & ZIP_STAT_COMP_SIZE))
            throw Damaged(name);
        // The sizes the container declares are only used to refuse early and to bound the
        // ratio; the bytes are counted as they come.
        const qint64 ratioBound = qint64(stat.comp_size) * maxRatio;
        const bool sizeDeclared = stat.valid & ZIP_STAT_SIZE;
        if (sizeDeclared && stat.size > quint64(maxBytes)) {
            entry.refused = Entry::Refused::TooLarge;
            return entry;
        }
        if (sizeDeclared && stat.size > quint64(ratioBound)) {
            entry.refused = Entry::Refused::TooCompressed;
            return entry;
        }
        const std::unique_ptr<zip_file_t, ZipFileCloser> file(
            zip_fopen_index(m_zip.get(), zip_uint64_t(index), 0));
        if (!file)
            throw Damaged(name);
        // Room for the last, empty read too, so that the buffer is not copied at the end; but
        // no more than kMostReserved up front, whatever size the entry declares.
        if (sizeDeclared)
            entry.bytes.reserve(qsizetype(std::min<quint64>(stat.size, kMostReserved)) +
                                kChunkBytes);
        for (;;) {
            const qsizetype at = entry.bytes.size();
            entry.bytes.resize(at + kChunkBytes);
            // libzip checks the entry's checksum when it reaches the end, and fails the read then.
            const zip_int64_t got = zip_fread(file.get(), entry.bytes.data() + at, kChunkBytes);
            if (got < 0)
                throw Damaged(name);
            entry.bytes.resize(at + qsizetype(got));
            if (entry.bytes.size() > maxBytes || entry.bytes.size() > ratioBound) {
                entry.refused = entry.bytes.size() > maxBytes ? Entry::Refused::TooLarge
                                                              : Entry::Refused::TooCompressed;
                entry.bytes = QByteArray();
                return entry;
            }
            if (got == 0)
                break;
        }
        return entry;
    }

private:
    std::unique_ptr<zip_t, ZipCloser> m_zip;
    QStringList m_names;
};
} // namespace

std::unique_ptr<ZipArchive> LibzipArchives::open(const QString& path)
{
    return std::make_unique<LibzipArchive>(path);
}
