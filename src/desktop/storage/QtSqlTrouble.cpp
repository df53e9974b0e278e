#include "desktop/storage/QtSqlTrouble.h"

namespace {
// SQLite's primary result codes, as Qt's driver reports them in nativeErrorCode().
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;
} // namespace

SqlTrouble SqlTroubleOf(const QSqlError& error)
{
    // Extended codes carry the primary one in their low byte.
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case kSqliteBusy:
    case kSqliteLocked:
        return SqlTrouble::Busy;
    case kSqliteCorrupt:
    case kSqliteNotADatabase:
        return SqlTrouble::Damaged;
    default:
        return SqlTrouble::Other;
    }
}

QString SqlTroubleText(const QSqlError& error)
{
    return error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
}
