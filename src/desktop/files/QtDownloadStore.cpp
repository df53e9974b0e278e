#include "desktop/files/QtDownloadStore.h"

#include "common/OperationFailed.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <vector>

namespace {
QString Describe(const QFile& file)
{
    return file.fileName() + QStringLiteral(": ") + file.errorString();
}

// Writes all of the bytes, or says why not. The file is unbuffered: a disk that fills takes a
// part of a write without a word (Qt then says "Unknown error"), and only the write of the rest
// tells why.
QString WriteAll(QFile& file, QByteArrayView bytes)
{
    for (qsizetype at = 0; at < bytes.size();) {
        const qint64 written = file.write(bytes.data() + at, bytes.size() - at);
        if (written <= 0)
            return file.fileName() + QStringLiteral(": ") +
                   (file.error() == QFileDevice::ResourceError ? QtDownloadStore::tr("disk full")
                                                               : file.errorString());
        at += written;
    }
    return {};
}
} // namespace

QtDownloadStore::QtDownloadStore(QString folder)
    : m_folder(std::move(folder))
{}

QString QtDownloadStore::partPath() const
{
    return m_folder + QStringLiteral("/index-download.csv.gz.part");
}

std::optional<PartialDownload> QtDownloadStore::part()
{
    QFile about(partPath() + QStringLiteral(".json"));
    const QFileInfo partFile(partPath());
    if (!partFile.exists() || !about.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject json = QJsonDocument::fromJson(about.readAll()).object();
    PartialDownload download;
    download.url = json.value(u"url").toString();
    download.etag = json.value(u"etag").toString().toUtf8();
    download.lastModified = json.value(u"lastModified").toString().toUtf8();
    // The description is outside data too: a size no file has is not converted.
    const double total = json.value(u"totalBytes").toDouble(-1);
    download.totalBytes = total >= 0 && total <= double(kLargestDownloadBytes) ? qint64(total) : -1;
    download.bytes = partFile.size();
    return download;
}

void QtDownloadStore::startPart(const PartialDownload& download)
{
    m_writing.close();
    if (!QDir().mkpath(m_folder))
        throw OperationFailed(tr("Could not make the folder %1").arg(m_folder));
    QFile about(partPath() + QStringLiteral(".json"));
    QJsonObject json;
    json.insert(QStringLiteral("url"), download.url);
    json.insert(QStringLiteral("etag"), QString::fromUtf8(download.etag));
    json.insert(QStringLiteral("lastModified"), QString::fromUtf8(download.lastModified));
    json.insert(QStringLiteral("totalBytes"), double(download.totalBytes));
    if (!about.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw OperationFailed(Describe(about));
    if (const QString failure = WriteAll(about, QJsonDocument(json).toJson()); !failure.isEmpty()) {
        about.close();
        discard();
        throw OperationFailed(failure);
    }
    m_writing.setFileName(partPath());
    if (!m_writing.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw OperationFailed(Describe(m_writing));
}

void QtDownloadStore::append(QByteArrayView bytes)
{
    if (!m_writing.isOpen()) {
        m_writing.setFileName(partPath());
        if (!m_writing.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
            throw OperationFailed(Describe(m_writing));
    }
    // A part the disk could not take whole is of no use, and holds the space the disk lacks.
    if (const QString failure = WriteAll(m_writing, bytes); !failure.isEmpty()) {
        discard();
        throw OperationFailed(failure);
    }
}

void QtDownloadStore::readPart(const std::function<void(QByteArrayView)>& sink)
{
    // What was appended must be on the disk before it is read back; a part kept from another
    // run has no file open here.
    if (m_writing.isOpen() && !m_writing.flush())
        throw OperationFailed(Describe(m_writing));
    QFile file(partPath());
    if (!file.open(QIODevice::ReadOnly))
        throw OperationFailed(Describe(file));
    std::vector<char> buffer(1024 * 1024);
    for (;;) {
        const qint64 got = file.read(buffer.data(), qint64(buffer.size()));
        if (got < 0)
            throw OperationFailed(Describe(file));
        if (got == 0)
            break;
        sink(QByteArrayView(buffer.data(), got));
    }
}

QString QtDownloadStore::complete(const QString& fileName)
{
    if (m_writing.isOpen() && !m_writing.flush())
        throw OperationFailed(Describe(m_writing));
    m_writing.close();
    const std::optional<PartialDownload> described = part();
    const QString target = m_folder + u'/' + fileName;
    QFile::remove(target);
    if (!QFile::rename(partPath(), target))
        throw OperationFailed(tr("Could not rename %1 to %2").arg(partPath(), target));
    // The file is as recent as the server says it is (Last-Modified: "Sat, 01 Jun 2024 02:30:00
    // GMT"), not as the download: an index made from it is dated by it, as one made from a file
    // on the disk is dated by that file's time.
    if (described) {
        // HTTP's dates end in "GMT", which Qt's reading of RFC 2822 dates does not take.
        QString date = QString::fromLatin1(described->lastModified).trimmed();
        if (date.endsWith(u" GMT"))
            date = date.chopped(3) + u"+0000";
        const QDateTime modified = QDateTime::fromString(date, Qt::RFC2822Date);
        QFile file(target);
        // A date to come would date the index after anything newer the server will have.
        const bool believable =
            modified.isValid() &&
            modified <= QDateTime::currentDateTimeUtc().addSecs(kClockSkewSeconds);
        if (believable && file.open(QIODevice::ReadWrite))
            file.setFileTime(modified, QFileDevice::FileModificationTime);
    }
    QFile::remove(partPath() + QStringLiteral(".json"));
    return target;
}

void QtDownloadStore::discard()
{
    m_writing.close();
    QFile::remove(partPath());
    QFile::remove(partPath() + QStringLiteral(".json"));
}

void QtDownloadStore::removeCompleted(const QString& path)
{
    QFile::remove(path);
}
