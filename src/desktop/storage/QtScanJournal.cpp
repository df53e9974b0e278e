#include "desktop/storage/QtScanJournal.h"

#include "common/OperationFailed.h"
#include "desktop/files/FileSync.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
// Far more than a day of scanning; a file past this was not written by a session.
constexpr qint64 kMostJournalBytes = 16 * 1024 * 1024;
} // namespace

void QtScanJournal::refuseNotRegular() const
{
    throw OperationFailed(
        tr("the session file %1 is not a regular file (a pipe, a device or a folder); move it away")
            .arg(m_path));
}

// Opens the file for `mode`, and only when it is a plain file: a FIFO or a device in its place
// would keep open() or read() waiting for ever, deaf to a quit signal. It is opened without
// waiting, then looked at, and refused unless it is a regular file.
void QtScanJournal::openRegular(QFile& file, QIODevice::OpenMode mode) const
{
#ifdef Q_OS_UNIX
    const int access = mode & QIODevice::WriteOnly ? O_WRONLY | O_APPEND | O_CREAT : O_RDONLY;
    const int descriptor =
        ::open(QFile::encodeName(m_path).constData(), access | O_NONBLOCK | O_CLOEXEC, 0600);
    // A FIFO without a reader refuses a writer at once (ENXIO): it is no regular file either.
    if (descriptor < 0 && errno != ENXIO)
        throw OperationFailed(tr("could not open the session file %1: %2")
                                  .arg(m_path, QString::fromLocal8Bit(std::strerror(errno))));
    struct stat status = {};
    if (descriptor < 0 || ::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        if (descriptor >= 0)
            ::close(descriptor);
        refuseNotRegular();
    }
    // A regular file never waits: its reads and writes may block as usual from here on.
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(descriptor, mode, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        throw OperationFailed(file.errorString());
    }
#else
    // Windows opens no FIFO by name and waits on no device here; a folder in the file's place is
    // refused in the same words.
    if (const QFileInfo info(m_path); info.exists() && !info.isFile())
        refuseNotRegular();
    if (!file.open(mode))
        throw OperationFailed(file.errorString());
#endif
}

QString QtScanJournal::inDataFolder(QStringView name)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Zandrik/Quillfen/") + name;
}

QtScanJournal::QtScanJournal(QString path)
    : m_path(path.isEmpty() ? inDataFolder(u"scan-session.txt") : std::move(path))
    , m_file(m_path)
{}

QStringList QtScanJournal::read()
{
    QFile file(m_path);
    if (!QFileInfo::exists(m_path))
        return {};
    openRegular(file, QIODevice::ReadOnly);
    const QByteArray bytes = file.read(kMostJournalBytes);
    QStringList lines = QString::fromUtf8(bytes).split(u'\n', Qt::SkipEmptyParts);
    // A line cut by a crash in the middle of its write is no line.
    if (!bytes.endsWith('\n') && !lines.isEmpty())
        lines.removeLast();
    return lines;
}

void QtScanJournal::append(const QStringList& lines)
{
    if (!m_file.isOpen()) {
        QDir().mkpath(QFileInfo(m_path).path());
        openRegular(m_file, QIODevice::WriteOnly | QIODevice::Append);
    }
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + '\n';
    if (m_file.write(bytes) != bytes.size() || !m_file.flush())
        throw OperationFailed(m_file.errorString());
    // On the disk, not only in the system's cache: a power cut keeps the scan too.
    if (!SyncDescriptor(m_file.handle()))
        throw OperationFailed(tr("could not write the session file to the disk"));
}

void QtScanJournal::clear()
{
    m_file.close();
    if (QFile::exists(m_path) && !QFile::remove(m_path))
        throw OperationFailed(tr("could not remove %1").arg(m_path));
}
