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
    download.totalBytes = qint64(json.value(u"totalBytes").toDouble(-1));
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
    if (!about.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        about.write(QJsonDocument(json).toJson()) < 0)
        throw OperationFailed(Describe(about));
    m_writing.setFileName(partPath());
    if (!m_writing.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw OperationFailed(Describe(m_writing));
}

void QtDownloadStore::append(QByteArrayView bytes)
{
    if (!m_writing.isOpen()) {
        m_writing.setFileName(partPath());
        if (!m_writing.open(QIODevice::WriteOnly | QIODevice::Append))
            throw OperationFailed(Describe(m_writing));
    }
    if (m_writing.write(bytes.data(), bytes.size()) != bytes.size())
        throw OperationFailed(Describe(m_writing));
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
        const QDateTime modified = QDateTime::fromString(
            QString::fromLatin1(described->lastModified).trimmed(), Qt::RFC2822Date);
        QFile file(target);
        if (modified.isValid() && file.open(QIODevice::ReadWrite))
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
