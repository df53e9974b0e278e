#pragma once

#include "listings/ShopFile.h"
#include "platform/Platform.h"
#include "sheets/CodeColumn.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

// The spreadsheets the code list's codes were loaded from, for the user's own columns (price, SKU,
// stock) in a shop's file. Each is read again when a shop's file is saved, so that none is held
// in memory meanwhile; Clear List forgets them.
class ListingSheets final
{
    Q_DECLARE_TR_FUNCTIONS(ListingSheets)

public:
    explicit ListingSheets(const Platform& platform)
        : m_platform(platform)
    {}

    void remember(const QString& path, const SheetAndColumn& read);
    void forget() { m_sheets.clear(); }

    // The user's values of each code, from the sheets read again. A sheet whose headers leave a
    // column open (two could be the price) is asked about; nothing when the user cancels. A sheet
    // that can no longer be read is said, and left out.
    std::optional<ShopFileWriter::UserValues> userValues();

private:
    struct Remembered
    {
        QString path;
        QString sheetName;
        CodeColumnChoice choice;
    };

    Platform m_platform;
    QList<Remembered> m_sheets;
};
