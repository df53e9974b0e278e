#pragma once

#include "platform/ColumnChoiceDialog.h"

#include <QList>
#include <QString>

#include <optional>

// Which of a spreadsheet's columns hold what a shop needs and Quillfen does not know: the price,
// the SKU (the seller's own article number) and the stock. Places in the columns shown; -1: none.
struct ShopColumnChoice
{
    qsizetype price = -1;
    qsizetype sku = -1;
    qsizetype stock = -1;

    bool operator==(const ShopColumnChoice&) const = default;
};

// The small modal dialog that asks which of the user's columns is the price (and the SKU, and the
// stock) when their headers leave it open.
class ShopColumnsDialog
{
public:
    virtual ~ShopColumnsDialog() = default;

    // Asks over the main window, each choice set to `suggested` at first. `fileName` is the
    // spreadsheet's, as the dialog names it. Nothing when the user cancels.
    virtual std::optional<ShopColumnChoice> choose(const QString& fileName,
                                                   const QList<SheetColumnSummary>& columns,
                                                   const ShopColumnChoice& suggested) = 0;
};
