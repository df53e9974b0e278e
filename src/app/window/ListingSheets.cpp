#include "app/window/ListingSheets.h"

#include "common/OperationFailed.h"
#include "listings/ShopColumns.h"
#include "platform/MessageBox.h"
#include "platform/ShopColumnsDialog.h"
#include "sheets/SheetFile.h"

#include <QFileInfo>

#include <deque>
#include <memory>

namespace {
// A sheet read again, with its values' finder, which holds on to it: kept in a deque, where a
// sheet stays where it is while more are added.
struct ReadAgain
{
    SheetAndColumn read;
    std::unique_ptr<UserShopColumns> columns;
};

// The place in the columns shown of a column of the sheet, or -1.
qsizetype PlaceShown(const SheetHeaders& headers, qsizetype column)
{
    return column < 0 ? -1 : headers.places.indexOf(column);
}

qsizetype ColumnOf(const SheetHeaders& headers, qsizetype shown)
{
    return shown >= 0 && shown < headers.places.size() ? headers.places[shown] : -1;
}
} // namespace

void ListingSheets::remember(const QString& path, const SheetAndColumn& read)
{
    CodeColumnChoice choice = read.choice;
    choice.columns.clear();
    choice.columnNumbers.clear();
    m_sheets.append(Remembered{path, read.sheet.name, std::move(choice)});
}

std::optional<ShopFileWriter::UserValues> ListingSheets::userValues()
{
    auto sheets = std::make_shared<std::deque<ReadAgain>>();
    for (const Remembered& remembered : std::as_const(m_sheets)) {
        const std::optional<SheetFormat> format = SheetFormatOfFile(remembered.path);
        ReadAgain again;
        try {
            if (!format)
                continue;
            again.read.sheet = ReadSheetFile(remembered.path, *format, remembered.sheetName,
                                             SheetServices{m_platform.files, m_platform.zips});
        } catch (const OperationFailed& failure) {
            //: %1 is a spreadsheet's file, %2 why it cannot be read.
            m_platform.messageBox.show(tr("Your columns of %1 cannot be read again: %2. The "
                                          "shop's file is written without them.")
                                           .arg(remembered.path, failure.description()),
                                       MessageIcon::Warning);
            continue;
        }
        again.read.choice = remembered.choice;
        const Sheet& sheet = again.read.sheet;
        const ShopColumnCandidates candidates = ShopColumnsByHeader(sheet, again.read.choice);
        ShopColumnRoles roles = SettledRoles(candidates);
        const bool open =
            candidates.price.size() > 1 || candidates.sku.size() > 1 || candidates.stock.size() > 1;
        if (open) {
            const SheetHeaders headers = HeadersOf(sheet, again.read.choice);
            const auto suggested = [&](const QList<qsizetype>& found) {
                return PlaceShown(headers, found.isEmpty() ? -1 : found.constFirst());
            };
            const std::optional<ShopColumnChoice> chosen = m_platform.shopColumns.choose(
                QFileInfo(remembered.path).fileName(), headers.columns,
                ShopColumnChoice{suggested(candidates.price), suggested(candidates.sku),
                                 suggested(candidates.stock)});
            if (!chosen)
                return std::nullopt;
            roles =
                ShopColumnRoles{ColumnOf(headers, chosen->price), ColumnOf(headers, chosen->sku),
                                ColumnOf(headers, chosen->stock)};
        }
        if (!roles.any())
            continue;
        sheets->push_back(std::move(again));
        ReadAgain& kept = sheets->back();
        kept.columns = std::make_unique<UserShopColumns>(kept.read.sheet, kept.read.choice, roles);
    }
    if (sheets->empty())
        return ShopFileWriter::UserValues();
    return [sheets](const QString& code) -> std::optional<ShopUserValues> {
        for (ReadAgain& sheet : *sheets) {
            if (std::optional<ShopUserValues> values = sheet.columns->valuesFor(code))
                return values;
        }
        return std::nullopt;
    };
}
