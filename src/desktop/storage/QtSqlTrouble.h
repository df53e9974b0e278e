#pragma once

#include <QSqlError>
#include <QString>

// A failure of Qt's SQLite driver as the stores kept through it tell them apart. Busy: another
// process held the file past the wait. Damaged: what SQLite itself calls damage (a corrupt file,
// or no database at all). Other: anything else, such as tables a newer version made.
enum class SqlTrouble {
    Busy,
    Damaged,
    Other,
};

SqlTrouble SqlTroubleOf(const QSqlError& error);

// The database's own words for the failure, or the driver's when it has none.
QString SqlTroubleText(const QSqlError& error);
