#include "desktop/files/PartFiles.h"

#include "common/OperationFailed.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <filesystem>
#include <system_error>

#if defined(Q_OS_WIN)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

[[noreturn]] void CannotWrite(const QString& path, const QString& reason)
{
    throw OperationFailed(QStringLiteral("Cannot write the file ") + Native(path) +
                          QStringLiteral(": ") + reason);
}

void SyncToDisk(const QString& part, const QString& path)
{
    QFile file(part);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        CannotWrite(path, file.errorString());
#if defined(Q_OS_WIN)
    const bool synced = ::_commit(file.handle()) == 0;
#else
    const bool synced = ::fsync(file.handle()) == 0;
#endif
    if (!synced)
        CannotWrite(path, qt_error_string(errno));
}
} // namespace

QString ReservePartFile(const QString& path)
{
    const QFileInfo target(path);
    if (target.isDir())
        throw OperationFailed(QStringLiteral("Cannot create the file ") + Native(path) +
                              QStringLiteral(": it is a folder"));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = target.absoluteDir().filePath(
            QStringLiteral(".%1.%2.part")
                .arg(target.fileName())
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        QFile part(candidate);
        if (part.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return candidate;
        if (!QFileInfo::exists(candidate))
            throw OperationFailed(QStringLiteral("Cannot create the file ") + Native(path) +
                                  QStringLiteral(": ") + part.errorString());
    }
    throw OperationFailed(QStringLiteral("Cannot create the file ") + Native(path) +
                          QStringLiteral(": no free temporary name beside it"));
}

void PutPartInPlace(const QString& part, const QString& path)
{
    SyncToDisk(part, path);
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(part).toStdString(),
                            QFile::encodeName(path).toStdString(), error);
    if (error)
        CannotWrite(path, QString::fromLocal8Bit(error.message().c_str()));
}
