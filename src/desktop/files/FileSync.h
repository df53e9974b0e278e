#pragma once

#include <QString>

#include <optional>

// Data on the disk rather than only in the system's cache, and files put in place in one step:
// the POSIX calls in FileSync.cpp, their Windows forms in FileSync_win.cpp.

// Syncs what was written through an open file (a QFile's handle()) to the disk: fsync, or
// FlushFileBuffers. False, with errno set, when the system refuses.
bool SyncDescriptor(int descriptor);

// Syncs the file or folder at the path, opened for the purpose. A folder holds the names of its
// files: synced after a rename, the new name survives a crash. Windows writes a replacing name
// through at once (ReplaceFile asks it to), so there a folder needs nothing.
bool SyncPath(const QString& path);

// Puts the file `from` in the place of `to` in one step, replacing what was there: rename, or
// MoveFileExW writing through; on Windows an old file that readers hold open, sharing its
// deletion, steps aside first and goes when they close it. (Not named ReplaceFile: windows.h
// makes that name a macro.) The system's reason when it refuses, nothing when it is done.
std::optional<QString> MoveIntoPlace(const QString& from, const QString& to);
