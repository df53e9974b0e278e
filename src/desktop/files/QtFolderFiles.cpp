#include "desktop/files/QtFolderFiles.h"

#include "common/OperationFailed.h"
#include "desktop/files/PartFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#if defined(Q_OS_LINUX)
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>
#endif
#if defined(Q_OS_WIN)
#include <io.h>
#endif

namespace {
// Syncs one file, or on Linux the whole file system it lies on (every file written to it so far,
// with one wait).
bool SyncToDisk(const QString& path, bool wholeFileSystem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
#if defined(Q_OS_LINUX)
    return (wholeFileSystem ? ::syncfs(file.handle()) : ::fsync(file.handle())) == 0;
#elif defined(Q_OS_WIN)
    Q_UNUSED(wholeFileSystem);
    return ::_commit(file.handle()) == 0;
#else
    Q_UNUSED(wholeFileSystem);
    return ::fsync(file.handle()) == 0;
#endif
}
} // namespace

FolderFiles::Entry QtFolderFiles::entryAt(const QString& path) const
{
    const QFileInfo info(path);
    // A link counts as what it is, whatever it leads to (nowhere, perhaps).
    if (info.isSymLink())
        return Entry::Other;
    if (!info.exists())
        return Entry::Nothing;
    return info.isFile() ? Entry::File : Entry::Other;
}

void QtFolderFiles::makeFolder(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return;
    if (info.exists() || !QDir().mkpath(path))
        throw OperationFailed(
            tr("Cannot make the folder %1: %2")
                .arg(QDir::toNativeSeparators(path),
                     info.exists() ? tr("a file of that name is there") : qt_error_string(errno)));
}

bool QtFolderFiles::write(const QString& path, const QByteArray& bytes, bool replace)
{
    const QString part = ReservePartFile(path);
    QFile file(part);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::ExistingOnly | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size()) {
        const QString reason = errno != 0 ? qt_error_string(errno) : file.errorString();
        file.remove();
        throw OperationFailed(
            tr("Cannot write the file %1: %2").arg(QDir::toNativeSeparators(path), reason));
    }
    file.close();
    const QByteArray from = QFile::encodeName(part);
    const QByteArray to = QFile::encodeName(path);
#if defined(Q_OS_LINUX)
    int renamed = replace ? ::rename(from.constData(), to.constData())
                          : ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(),
                                        RENAME_NOREPLACE);
    int error = errno;
    // A file system that cannot rename so (some network ones): looked at first, then renamed.
    if (renamed != 0 && !replace && (error == EINVAL || error == ENOSYS)) {
        error = EEXIST;
        if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink()) {
            renamed = ::rename(from.constData(), to.constData());
            error = errno;
        }
    }
    if (renamed != 0) {
        QFile::remove(part);
        if (!replace && error == EEXIST)
            return false;
        throw OperationFailed(tr("Cannot write the file %1: %2")
                                  .arg(QDir::toNativeSeparators(path), qt_error_string(error)));
    }
#else
    // Elsewhere QFile::rename never replaces, and the replaced file goes just before.
    if (!replace && QFileInfo::exists(path)) {
        QFile::remove(part);
        return false;
    }
    if (replace)
        QFile::remove(path);
    if (!QFile::rename(part, path)) {
        QFile::remove(part);
        throw OperationFailed(tr("Cannot write the file %1").arg(QDir::toNativeSeparators(path)));
    }
#endif
    m_unsynced.append(path);
    return true;
}

void QtFolderFiles::sync()
{
    if (m_unsynced.isEmpty())
        return;
#if defined(Q_OS_LINUX)
    const QStringList each{m_unsynced.constLast()};
#else
    const QStringList& each = m_unsynced;
#endif
    for (const QString& path : each) {
        if (!SyncToDisk(path, true))
            throw OperationFailed(tr("Cannot write the file %1: %2")
                                      .arg(QDir::toNativeSeparators(path), qt_error_string(errno)));
    }
    m_unsynced.clear();
}

void QtFolderFiles::remove(const QString& path)
{
    QFile file(path);
    if (!file.remove())
        throw OperationFailed(tr("Cannot remove the file %1: %2")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
}
