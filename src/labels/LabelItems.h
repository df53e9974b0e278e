#pragma once

#include "sheets/CodeColumn.h"
#include "sheets/Sheet.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// One code to print, with what its labels say, and how many of them.
struct LabelItem
{
    QString code; // as the user gave it
    QString name;
    QString price; // as the user's sheet holds it
    int copies = 1;

    bool operator==(const LabelItem&) const = default;
};

// How many labels of one code a job may ask for, and of all its codes together.
inline constexpr int kMostCopies = 10'000;
inline constexpr qsizetype kMostLabels = 100'000;

// Outside text as a label line takes it: plain text on one line (control characters and line
// breaks become spaces, runs of spaces one), trimmed, and no longer than any label could show.
QString PlainLabelText(QStringView text);

// The price with the currency symbol where the user's language puts it ("€12.50", "12,50 €");
// the price alone when no symbol is given or the price carries one already.
QString PriceWithCurrency(const QString& price, const QString& currency);

// The number of copies a cell or an option asks for: a whole number from 0 to kMostCopies; -1 for
// anything else.
int CopiesOf(QStringView text);

// The columns of a sheet that a label job reads, from 0; -1 for none.
struct LabelSheetColumns
{
    qsizetype code = -1;
    qsizetype firstRow = 0;
    qsizetype name = -1;
    qsizetype price = -1;
    qsizetype copies = -1;
};

// The column headed like a product's name ("name", "product", "description", "title",
// "Bezeichnung", "désignation", ...), or like its price ("price", "Preis", "prix", "precio");
// -1 when none is.
qsizetype NameColumnOf(const CodeColumnChoice& choice, const Sheet& sheet);
qsizetype PriceColumnOf(const CodeColumnChoice& choice, const Sheet& sheet);

// The text of a price cell as the sheet shows it: a number with the decimals its format gives
// ("12.50" for 12.5 under "0.00"), a text as it stands.
QString PriceText(const SheetCell& cell);

// The codes of the sheet with their names, prices and copies, in sheet order; rows without a
// code are skipped. A row whose copies cell is not a whole number from 0 to kMostCopies is left
// out, and named among the problems ("row 7: copies \"lots\" is not a whole number from 0 to
// 10000").
struct SheetLabelItems
{
    std::vector<LabelItem> items;
    QStringList problems;
};
SheetLabelItems LabelItemsOfSheet(const Sheet& sheet, const LabelSheetColumns& columns);
