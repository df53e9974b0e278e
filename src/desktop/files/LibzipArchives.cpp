#include "desktop/files/LibzipArchives.h"

#include "common/OperationFailed.h"
#include "desktop/files/PartFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>

#include <algorithm>
#include <zip.h>

namespace {
constexpr qint64 kChunkBytes = 256 * 1024;
constexpr quint64 kMostReserved = 64 * 1024 * 1024;

OperationFailed Damaged(const QString& name)
{
    return OperationFailed(QCoreApplication::translate(
                               "LibzipArchives", "it is damaged: the part %1 cannot be unpacked")
                               .arg(name));
}

struct ZipCloser
{
    void operator()(zip_t* zip) const { zip_discard(zip); }
};

struct ZipFileCloser
{
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

QString ZipError(zip_t* zip)
{
    return QString::fromUtf8(zip_error_strerror(zip_get_error(zip)));
}

// An entry inflated a block at a time, its bytes counted against the bounds as they come.
class EntryDevice final : public QIODevice
{
public:
    EntryDevice(zip_file_t* file, QString name, qint64 bound)
        : m_file(file)
        , m_name(std::move(name))
        , m_bound(bound)
    {
        open(QIODevice::ReadOnly);
    }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (m_failed)
            return -1;
        const zip_int64_t got = zip_fread(m_file.get(), data, zip_uint64_t(maxSize));
        if (got < 0)
            return fail(QCoreApplication::translate("LibzipArchives",
                                                    "it is damaged: the part %1 cannot be unpacked")
                            .arg(m_name));
        m_read += got;
        if (m_read > m_bound)
            return fail(QCoreApplication::translate("LibzipArchives",
                                                    "the part %1 unpacks to more than its limit")
                            .arg(m_name));
        return got;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    qint64 fail(const QString& reason)
    {
        m_failed = true;
        setErrorString(reason);
        return -1;
    }

    std::unique_ptr<zip_file_t, ZipFileCloser> m_file;
    QString m_name;
    qint64 m_bound;
    qint64 m_read = 0;
    bool m_failed = false;
};

// Removes a hidden file that was not put in place.
struct PartRemover
{
    QString path;
    ~PartRemover()
    {
        if (!path.isEmpty())
            QFile::remove(path);
    }
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
            throw OperationFailed(
                QCoreApplication::translate("LibzipArchives", "it is not a zip container (%1)")
                    .arg(text));
        }
        const zip_int64_t count = zip_get_num_entries(m_zip.get(), 0);
        QSet<QString> seen;
        for (zip_int64_t index = 0; index < count; ++index) {
            // Names that are not UTF-8 come back converted from the zip's old code page.
            const char* name = zip_get_name(m_zip.get(), zip_uint64_t(index), ZIP_FL_ENC_GUESS);
            if (!name)
                continue;
            const QString entry = QString::fromUtf8(name);
            // Reading finds the first of two entries of one name, and which one the file means
            // cannot be told: a copy could keep the other, beside answers read from the first.
            if (seen.contains(entry))
                throw OperationFailed(
                    QCoreApplication::translate("LibzipArchives",
                                                "it is damaged: it holds the part %1 twice")
                        .arg(entry));
            seen.insert(entry);
            m_names.append(entry);
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

    std::unique_ptr<QIODevice> stream(const QString& name, qint64 maxBytes, int maxRatio) override
    {
        const zip_int64_t index = zip_name_locate(m_zip.get(), name.toUtf8().constData(), 0);
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (index < 0 || zip_stat_index(m_zip.get(), zip_uint64_t(index), 0, &stat) != 0 ||
            !(stat.valid & ZIP_STAT_COMP_SIZE))
            throw Damaged(name);
        zip_file_t* file = zip_fopen_index(m_zip.get(), zip_uint64_t(index), 0);
        if (!file)
            throw Damaged(name);
        return std::make_unique<EntryDevice>(
            file, name, std::min<qint64>(maxBytes, qint64(stat.comp_size) * maxRatio));
    }

    void copyReplacing(const QString& path, const QString& replaced,
                       const std::function<void(QIODevice& out)>& write) override
    {
        PartRemover copy{ReservePartFile(path)};
        PartRemover entry{ReservePartFile(path)};
        {
            QFile out(entry.path);
            if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
                throw OperationFailed(
                    QCoreApplication::translate("LibzipArchives", "Cannot write the file %1: %2")
                        .arg(path, out.errorString()));
            write(out);
            if (!out.flush())
                throw OperationFailed(
                    QCoreApplication::translate("LibzipArchives", "Cannot write the file %1: %2")
                        .arg(path, out.errorString()));
        }
        int error = 0;
        std::unique_ptr<zip_t, ZipCloser> target(
            zip_open(QFile::encodeName(copy.path).constData(), ZIP_TRUNCATE, &error));
        if (!target)
            throw OperationFailed(
                QCoreApplication::translate("LibzipArchives", "Cannot write the file %1")
                    .arg(path));
        const zip_int64_t count = zip_get_num_entries(m_zip.get(), 0);
        for (zip_int64_t index = 0; index < count; ++index) {
            const char* raw = zip_get_name(m_zip.get(), zip_uint64_t(index), ZIP_FL_ENC_RAW);
            zip_stat_t stat;
            zip_stat_init(&stat);
            if (!raw || zip_stat_index(m_zip.get(), zip_uint64_t(index), 0, &stat) != 0)
                throw Damaged(QString::number(index));
            const char* name = zip_get_name(m_zip.get(), zip_uint64_t(index), ZIP_FL_ENC_GUESS);
            const bool isReplaced = name && QString::fromUtf8(name) == replaced;
            // The whole entry from the other container is its packed bytes, copied as they are
            // when the compression stays the same.
            zip_source_t* source =
                isReplaced
                    ? zip_source_file(target.get(), QFile::encodeName(entry.path).constData(), 0,
                                      -1)
                    : zip_source_zip(target.get(), m_zip.get(), zip_uint64_t(index), 0, 0, -1);
            if (!source)
                throw OperationFailed(
                    QCoreApplication::translate("LibzipArchives", "Cannot write the file %1: %2")
                        .arg(path, ZipError(target.get())));
            // Never over an entry already added: a container with two of one name was refused
            // when it was opened.
            const zip_int64_t added = zip_file_add(target.get(), raw, source, 0);
            if (added < 0) {
                zip_source_free(source);
                throw OperationFailed(
                    QCoreApplication::translate("LibzipArchives", "Cannot write the file %1: %2")
                        .arg(path, ZipError(target.get())));
            }
            // A stored entry stays stored: an .ods's mimetype must. The new entry is packed
            // fast: a large sheet took longer to pack than to rewrite.
            if (stat.valid & ZIP_STAT_COMP_METHOD)
                zip_set_file_compression(target.get(), zip_uint64_t(added),
                                         zip_int32_t(stat.comp_method),
                                         isReplaced && stat.comp_method == ZIP_CM_DEFLATE ? 1 : 0);
            if (stat.valid & ZIP_STAT_MTIME)
                zip_file_set_mtime(target.get(), zip_uint64_t(added), stat.mtime, 0);
        }
        if (zip_close(target.get()) != 0)
            throw OperationFailed(
                QCoreApplication::translate("LibzipArchives", "Cannot write the file %1: %2")
                    .arg(path, ZipError(target.get())));
        target.release();
        PutPartInPlace(copy.path, path);
        copy.path.clear();
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
