#include "desktop/files/QtFileSystem.h"

#include "common/OperationFailed.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

bool QtFileSystem::modificationTimeReadable(const QString& path) const
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
}

bool QtFileSystem::fileFound(const QString& path) const
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

FileSystem::Contents QtFileSystem::readFile(const QString& path, qint64 limit) const
{
    const QFileInfo info(path);
    if (info.isDir())
        throw OperationFailed(tr("%1 is a folder, not a file").arg(path));
    // A pipe or a device picked by mistake would block the window on opening or never end;
    // only files are read.
    if (info.exists() && !info.isFile())
        throw OperationFailed(tr("%1 is not a file").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw OperationFailed(tr("Could not open %1: %2").arg(path, file.errorString()));
    Contents contents;
    if (file.size() > limit) {
        contents.overLimit = true;
        return contents;
    }
    // What the file holds and one byte more, which tells a file that grew after its size was
    // read; the rest of such a file is read up to one byte past the limit. Asking for the whole
    // limit at once would reserve that much memory for every small file.
    const qint64 size = file.size();
    contents.bytes = file.read(size + 1);
    if (contents.bytes.size() > size)
        contents.bytes += file.read(limit + 1 - contents.bytes.size());
    if (file.error() != QFileDevice::NoError)
        throw OperationFailed(tr("Could not read %1: %2").arg(path, file.errorString()));
    if (contents.bytes.size() > limit) {
        contents.bytes = QByteArray();
        contents.overLimit = true;
    }
    return contents;
}

bool QtFileSystem::sameFile(const QString& first, const QString& second) const
{
    if (first.isEmpty() || second.isEmpty())
        return false;
    // The device and the file number, not the paths: a hard link has no path in common.
    std::error_code error;
    const bool same = std::filesystem::equivalent(
        std::filesystem::path(QFile::encodeName(first).toStdString()),
        std::filesystem::path(QFile::encodeName(second).toStdString()), error);
    return !error && same;
}

QStringList QtFileSystem::filesIn(const QString& folder, const QString& suffix) const
{
    const QDir dir(folder);
    QStringList paths;
    for (const QFileInfo& entry :
         dir.entryInfoList({u'*' + suffix}, QDir::Files | QDir::Readable, QDir::Name))
        paths.append(entry.filePath());
    return paths;
}

bool QtFileSystem::readableByOthers(const QString& path) const
{
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    return info.permission(QFileDevice::ReadGroup) || info.permission(QFileDevice::ReadOther);
}

void QtFileSystem::writeWholeFile(const QString& path, const QByteArray& bytes)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw OperationFailed(tr("Could not make the folder %1").arg(folder));
    // Written beside it and then renamed over it: a full disk or a crash leaves the old file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw OperationFailed(tr("Could not write %1: %2").arg(path, file.errorString()));
}
