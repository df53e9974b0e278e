#include "desktop/files/PartFiles.h"

#include "common/OperationFailed.h"
#include "desktop/files/FileSync.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <optional>

namespace {
QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

[[noreturn]] void CannotWrite(const QString& path, const QString& reason)
{
    throw OperationFailed(QCoreApplication::translate("PartFiles", "Cannot write the file %1: %2")
                              .arg(Native(path), reason));
}

void SyncToDisk(const QString& part, const QString& path)
{
    QFile file(part);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        CannotWrite(path, file.errorString());
    if (!SyncDescriptor(file.handle()))
        CannotWrite(path, qt_error_string(errno));
}
} // namespace

QString ReservePartFile(const QString& path)
{
    const QFileInfo target(path);
    if (target.isDir())
        throw OperationFailed(
            QCoreApplication::translate("PartFiles", "Cannot create the file %1: it is a folder")
                .arg(Native(path)));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = target.absoluteDir().filePath(
            QStringLiteral(".%1.%2.part")
                .arg(target.fileName(),
                     QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16,
                                              QLatin1Char('0'))));
        QFile part(candidate);
        if (part.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return candidate;
        if (!QFileInfo::exists(candidate))
            throw OperationFailed(
                QCoreApplication::translate("PartFiles", "Cannot create the file %1: %2")
                    .arg(Native(path), part.errorString()));
    }
    throw OperationFailed(
        QCoreApplication::translate("PartFiles",
                                    "Cannot create the file %1: no free temporary name beside it")
            .arg(Native(path)));
}

void PutPartInPlace(const QString& part, const QString& path)
{
    SyncToDisk(part, path);
    if (const std::optional<QString> refused = MoveIntoPlace(part, path))
        CannotWrite(path, *refused);
}
