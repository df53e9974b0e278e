#include "desktop/files/FileSync.h"

#include <QDir>
#include <QFileInfo>

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
    // Replaces in one step, as rename does on Linux; it fails while another program has the
    // old file open without sharing its deletion, and then leaves both files as they were.
    if (MoveFileExW(NativePath(from).c_str(), NativePath(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return std::nullopt;
    return qt_error_string(int(GetLastError()));
}
