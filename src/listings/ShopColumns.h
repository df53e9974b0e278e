#pragma once

#include "sheets/CodeColumn.h"
#include "sheets/Sheet.h"

#include <QHash>
#include <QList>
#include <QString>

#include <deque>
#include <optional>
#include <vector>

// The columns of the user's sheet that a shop's import file takes what Quillfen does not know
// from, by place in the sheet (from 0); -1: none.
struct ShopColumnRoles
{
    qsizetype price = -1;
    qsizetype sku = -1;
    qsizetype stock = -1;

    bool any() const { return price >= 0 || sku >= 0 || stock >= 0; }
    bool operator==(const ShopColumnRoles&) const = default;
};

// The columns whose header names each role, in the languages of the window and a few more:
// price, preis, prix, precio, prezzo, prijs (also inside a word, "Verkaufspreis"); sku, article,
// artikel, référence, referencia, art.-nr.; stock, qty, quantity, bestand, lager, menge,
// existencias, quantité, inventory. The code column is never one of them, nor is any column when
// the sheet has no header row.
struct ShopColumnCandidates
{
    QList<qsizetype> price;
    QList<qsizetype> sku;
    QList<qsizetype> stock;
};
ShopColumnCandidates ShopColumnsByHeader(const Sheet& sheet, const CodeColumnChoice& choice);

// The columns of the sheet's header row (every column that holds something, when it has none),
// each by its letter, header and first values, as a dialog offers them; with their places.
struct SheetHeaders
{
    QList<SheetColumnSummary> columns;
    QList<qsizetype> places;
};
SheetHeaders HeadersOf(const Sheet& sheet, const CodeColumnChoice& choice);

// The column a name gives as --column takes one: its header (any case), its letter ("C"), its
// number from 1; -1 when none is.
qsizetype ShopColumnNamed(const Sheet& sheet, const CodeColumnChoice& choice, const QString& named);

// The roles the headers settle: a role one column alone is named for; -1 for the others.
ShopColumnRoles SettledRoles(const ShopColumnCandidates& candidates);

// What a product takes from its row of the user's sheet.
struct ShopUserValues
{
    QString price;
    QString sku;
    QString stock;
    // The cell held something that is not a price, or not a whole number: left empty.
    bool priceRefused = false;
    bool stockRefused = false;
};

// The user's own values of each product, found by its code in the sheet's code column: the rows
// in sheet order, each taken once, so that a code the sheet holds twice takes its two rows in
// turn. Codes asked in the sheet's order cost nothing to find; others are found through an index
// made when first needed. The sheet must outlive it.
class UserShopColumns final
{
public:
    UserShopColumns(const Sheet& sheet, const CodeColumnChoice& choice, ShopColumnRoles roles);

    // The values of the next row that holds the code; nothing when none is left.
    std::optional<ShopUserValues> valuesFor(const QString& code);

private:
    QString codeAt(qsizetype row) const;
    std::optional<qsizetype> takeRow(const QString& code);

    const Sheet& m_sheet;
    CodeColumnChoice m_choice;
    ShopColumnRoles m_roles;
    qsizetype m_next = 0;
    std::vector<bool> m_taken;
    QHash<QString, std::deque<qsizetype>> m_index;
    bool m_indexed = false;
};
