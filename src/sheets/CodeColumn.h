#pragma once

#include "platform/ColumnChoiceDialog.h"
#include "sheets/Sheet.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// Which column of a sheet holds the codes, and where they start.
struct CodeColumnChoice
{
    // From 0; -1 when no column or more than one qualifies, and the user must say.
    qsizetype column = -1;
    // The first row that holds anything, taken for the header row; -1 for an empty sheet.
    qsizetype headerRow = -1;
    // The first row of codes: the one after the header, or the header row itself when the chosen
    // column's header cell is a code (a sheet without a header).
    qsizetype firstRow = 0;
    // Every column up to the last that holds something, for the user to choose from, with their
    // numbers (from 0).
    QList<SheetColumnSummary> columns;
    QList<qsizetype> columnNumbers;
};

// Called now and then through long work on a sheet: lets the window's events run, and may throw
// to stop the work.
using SheetPace = std::function<void()>;

// A sheet read for its codes, with the column that holds them.
struct SheetAndColumn
{
    Sheet sheet;
    CodeColumnChoice choice;
};

// Chooses the code column: the one whose header is named like a code column (EAN, EAN13, EAN-13,
// GTIN, UPC, barcode, code, ISBN, in any case, alone or among other words); else the one where
// at least 80% of the cells that hold something, and at least three, pass the code checks. Among
// several named like a code column, the one that passes that test alone.
// The pace is called every so many cells: a sheet may hold twenty million.
CodeColumnChoice ChooseCodeColumn(const Sheet& sheet, const SheetPace& pace = {});

// The column --column names, settled as WithColumn settles it, from the header row alone;
// nothing when none matches. The columns to choose from are left empty: none is gone through.
std::optional<CodeColumnChoice> NamedCodeColumn(const Sheet& sheet, const QString& named);

// The choice with the column set (from 0), the first row settled for it.
CodeColumnChoice WithColumn(const Sheet& sheet, CodeColumnChoice choice, qsizetype column);

// The column --column names: a header (any case), a letter ("C", "AB") or a number from 1.
// -1 when none matches.
qsizetype ColumnNamed(const CodeColumnChoice& choice, const QString& named);

// "A" for 0, "Z" for 25, "AA" for 26.
QString ColumnLetter(qsizetype column);

// Whether a header reads like the name of a code column.
bool IsCodeHeader(QStringView header);
