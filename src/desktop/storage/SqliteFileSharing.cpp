#include "desktop/storage/SqliteFileSharing.h"

void ShareSqliteFilesForReplacing()
{
    // A POSIX rename replaces a name whoever has the file open.
}
