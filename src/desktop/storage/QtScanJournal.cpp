#include "desktop/storage/QtScanJournal.h"

#include "common/OperationFailed.h"
#include "desktop/files/FileSync.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
// Far more than a day of scanning; a file past this was not written by a session.
constexpr qint64 kMostJournalBytes = 16 * 1024 * 1024;
} // namespace

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
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw OperationFailed(file.errorString());
    const QByteArray bytes = file.read(kMostJournalBytes);
    QStringList lines = QString::fromUtf8(bytes).split(u'\n', Qt::SkipEmptyParts);
    // A line cut by a crash in the middle of its write is no line.
    if (!bytes.endsWith('\n') && !lines.isEmpty())
        lines.removeLast();
    return lines;
}

void QtScanJournal::append(const QString& line)
{
    if (!m_file.isOpen()) {
        QDir().mkpath(QFileInfo(m_path).path());
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append))
            throw OperationFailed(m_file.errorString());
    }
    const QByteArray bytes = line.toUtf8() + '\n';
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
