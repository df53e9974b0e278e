#include "desktop/storage/QtPictureStore.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

QtPictureStore::QtPictureStore(QString folder, qint64 capBytes, qint64 largestPictureBytes)
    : m_folder(std::move(folder))
    , m_capBytes(capBytes)
    , m_largestPictureBytes(std::min(capBytes, largestPictureBytes))
{}

QString QtPictureStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/Zandrik/Quillfen/pictures");
}

QString QtPictureStore::pathOf(const QString& url) const
{
    return m_folder + u'/' +
           QString::fromLatin1(
               QCryptographicHash::hash(url.toUtf8(), QCryptographicHash::Sha1).toHex());
}

std::optional<QByteArray> QtPictureStore::find(const QString& url)
{
    QFile file(pathOf(url));
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return std::nullopt;
    // The folder is the user's to fill: a file larger than any picture fetched is not read.
    if (file.size() > m_largestPictureBytes)
        return std::nullopt;
    QByteArray bytes = file.readAll();
    // Used now: the last to go when room is needed.
    file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
    return bytes;
}

void QtPictureStore::store(const QString& url, const QByteArray& bytes)
{
    if (bytes.size() > m_largestPictureBytes || !QDir().mkpath(m_folder))
        return;
    QSaveFile file(pathOf(url));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return;
    makeRoom();
}

void QtPictureStore::makeRoom()
{
    QFileInfoList pictures = QDir(m_folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
    qint64 total = 0;
    for (const QFileInfo& picture : pictures)
        total += picture.size();
    if (total <= m_capBytes)
        return;
    std::sort(pictures.begin(), pictures.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.lastModified() < b.lastModified();
    });
    while (total > m_capBytes && !pictures.isEmpty()) {
        const QFileInfo oldest = pictures.takeFirst();
        if (QFile::remove(oldest.filePath()))
            total -= oldest.size();
    }
}
