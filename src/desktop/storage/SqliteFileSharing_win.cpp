#include "desktop/storage/SqliteFileSharing.h"

#include <sqlite3.h>
#include <windows.h>

namespace {
using CreateFileWCall = decltype(&CreateFileW);
CreateFileWCall g_sqliteCreateFileW = nullptr;

HANDLE WINAPI CreateFileSharingDeletion(LPCWSTR name, DWORD access, DWORD share,
                                        LPSECURITY_ATTRIBUTES security, DWORD disposition,
                                        DWORD flags, HANDLE templateFile)
{
    // A file SQLite means to hold alone (share 0) stays its own.
    if (share != 0)
        share |= FILE_SHARE_DELETE;
    return g_sqliteCreateFileW(name, access, share, security, disposition, flags, templateFile);
}

bool Install()
{
    // SQLite's Windows layer lets its system calls be replaced, by name, for this purpose.
    sqlite3_vfs* const windows = sqlite3_vfs_find("win32");
    if (windows == nullptr || windows->iVersion < 3 || windows->xGetSystemCall == nullptr)
        return false;
    g_sqliteCreateFileW =
        reinterpret_cast<CreateFileWCall>(windows->xGetSystemCall(windows, "CreateFileW"));
    if (g_sqliteCreateFileW == nullptr)
        return false;
    return windows->xSetSystemCall(
               windows, "CreateFileW",
               reinterpret_cast<sqlite3_syscall_ptr>(&CreateFileSharingDeletion)) == SQLITE_OK;
}
} // namespace

void ShareSqliteFilesForReplacing()
{
    // Once, before the first file is opened through it; later opens see the new call.
    static const bool installed = Install();
    (void)installed;
}
