#include "desktop/files/FileSync.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <io.h>
#include <string>
#include <windows.h>

namespace {
std::wstring NativePath(const QString& path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}
} // namespace

bool SyncDescriptor(int descriptor)
{
    // The C library's name for FlushFileBuffers on the descriptor's handle; it sets errno.
    return ::_commit(descriptor) == 0;
}

bool SyncPath(const QString& path)
{
    if (QFileInfo(path).isDir())
        return true;
    // FlushFileBuffers needs a handle that may write; the others who have the file open keep it.
    const HANDLE file = CreateFileW(NativePath(path).c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool synced = FlushFileBuffers(file) != FALSE;
    CloseHandle(file);
    return synced;
}

std::optional<QString> MoveIntoPlace(const QString& from, const QString& to)
{
    // Replaces in one step, as rename does on Linux, where nobody has the old file open.
    const std::wstring target = NativePath(to);
    if (MoveFileExW(NativePath(from).c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return std::nullopt;
    const DWORD refused = GetLastError();
    if (refused != ERROR_ACCESS_DENIED && refused != ERROR_SHARING_VIOLATION)
        return qt_error_string(int(refused));
    // Open, but perhaps by readers who share its deletion (the product index's do): then it
    // can step aside under a name of its own, the new file take its name, and the old one go
    // when its last reader closes it. If it cannot step aside, both stay as they were.
    // One left by such a replacement the program did not live to finish goes now.
    const QFileInfo place(to);
    const QDir folder = place.dir();
    for (const QString& left :
         folder.entryList({place.fileName() + QStringLiteral(".replaced-*")}, QDir::Files))
        DeleteFileW(NativePath(folder.filePath(left)).c_str());
    const std::wstring aside =
        NativePath(to + QStringLiteral(".replaced-") +
                   QString::number(QRandomGenerator::global()->generate64(), 36));
    if (!MoveFileExW(target.c_str(), aside.c_str(), MOVEFILE_WRITE_THROUGH))
        return qt_error_string(int(refused));
    if (!MoveFileExW(NativePath(from).c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
        const DWORD failed = GetLastError();
        MoveFileExW(aside.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
        return qt_error_string(int(failed));
    }
    DeleteFileW(aside.c_str());
    return std::nullopt;
}
