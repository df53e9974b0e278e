#include "labels/LabelItems.h"

#include "sheets/SheetCodes.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace {
// No label shows more than this of a name: a name of thousands of characters is cut here before
// it is measured.
constexpr qsizetype kLongestLabelText = 300;

// Whether a header names the column, alone or among other words ("Product name", "Preis EUR").
bool HeaderNames(QStringView header, std::initializer_list<QStringView> words)
{
    const QString lower = header.toString().toLower();
    for (const QStringView piece : QStringView(lower).split(u' ', Qt::SkipEmptyParts)) {
        for (const QStringView word : words) {
            if (piece == word)
                return true;
        }
    }
    return false;
}

qsizetype ColumnHeaded(const CodeColumnChoice& choice, const Sheet& sheet,
                       std::initializer_list<QStringView> words)
{
    if (choice.headerRow < 0 || choice.firstRow == choice.headerRow)
        return -1;
    const SheetRow& header = sheet.rows[std::size_t(choice.headerRow)];
    for (const SheetRow::Filled filled : header.filled()) {
        if (filled.column != choice.column && filled.cell.kind == SheetCell::Kind::Text &&
            HeaderNames(filled.cell.text, words))
            return filled.column;
    }
    return -1;
}
} // namespace

QString PlainLabelText(QStringView text)
{
    QString plain;
    plain.reserve(std::min(text.size(), kLongestLabelText));
    bool space = false;
    for (const QChar c : text) {
        const QChar::Category category = c.category();
        const bool blank = c.isSpace() || category == QChar::Other_Control ||
                           category == QChar::Separator_Line ||
                           category == QChar::Separator_Paragraph;
        if (blank) {
            space = !plain.isEmpty();
            continue;
        }
        // Format characters (bidirectional overrides among them) would reorder what follows.
        if (category == QChar::Other_Format && c != QChar(0x200D))
            continue;
        if (plain.size() >= kLongestLabelText)
            break;
        if (space)
            plain += u' ';
        space = false;
        plain += c;
    }
    return plain;
}

QString PriceWithCurrency(const QString& price, const QString& currency)
{
    const QString symbol = PlainLabelText(currency);
    if (price.isEmpty() || symbol.isEmpty() || price.contains(symbol))
        return price;
    // Where the user's language writes the symbol, around a number: "€1", "1 €".
    const QString pattern = QLocale().toCurrencyString(1.0, symbol, 0);
    const qsizetype one = pattern.indexOf(QLocale().toString(1));
    if (one < 0)
        return symbol + price;
    return pattern.left(one) + price + pattern.mid(one + QLocale().toString(1).size());
}

int CopiesOf(QStringView text)
{
    bool ok = false;
    const QStringView trimmed = text.trimmed();
    // A number cell of a workbook reads "3" or, written by some programs, "3.0".
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value != std::floor(value) || value < 0 ||
        value > kMostCopies)
        return -1;
    return int(value);
}

qsizetype NameColumnOf(const CodeColumnChoice& choice, const Sheet& sheet)
{
    return ColumnHeaded(choice, sheet,
                        {u"name", u"product", u"description", u"title", u"article", u"item",
                         u"bezeichnung", u"artikel", u"produkt", u"titel", u"nom", u"produit",
                         u"désignation", u"titre", u"nombre", u"producto", u"título"});
}

qsizetype PriceColumnOf(const CodeColumnChoice& choice, const Sheet& sheet)
{
    return ColumnHeaded(choice, sheet, {u"price", u"preis", u"prix", u"precio", u"vk"});
}

QString PriceText(const SheetCell& cell)
{
    if (cell.kind != SheetCell::Kind::Number)
        return PlainLabelText(cell.text);
    // The decimals the number format shows: "0.00", "#,##0.00 €".
    const qsizetype point = cell.format.indexOf(u'.');
    if (point < 0)
        return cell.text;
    int decimals = 0;
    while (point + 1 + decimals < cell.format.size() &&
           (cell.format[point + 1 + decimals] == u'0' || cell.format[point + 1 + decimals] == u'#'))
        ++decimals;
    return decimals == 0 ? cell.text : QString::number(cell.number, 'f', decimals);
}

SheetLabelItems LabelItemsOfSheet(const Sheet& sheet, const LabelSheetColumns& columns)
{
    SheetLabelItems read;
    for (std::size_t row = std::size_t(std::max<qsizetype>(columns.firstRow, 0));
         row < sheet.rows.size(); ++row) {
        const SheetRow& cells = sheet.rows[row];
        const QString code = CodeOfCell(cells[std::size_t(columns.code)]);
        if (code.isEmpty())
            continue;
        LabelItem item;
        item.code = code;
        if (columns.name >= 0)
            item.name = PlainLabelText(cells[std::size_t(columns.name)].text);
        if (columns.price >= 0)
            item.price = PriceText(cells[std::size_t(columns.price)]);
        if (columns.copies >= 0) {
            const SheetCell copies = cells[std::size_t(columns.copies)];
            item.copies = copies.isEmpty() ? 0 : CopiesOf(copies.text);
            if (item.copies < 0) {
                //: %1 is a row number, %2 what the cell holds, %3 the most copies.
                read.problems.append(
                    QCoreApplication::translate(
                        "LabelItems", "row %1: copies \"%2\" is not a whole number from 0 to %3")
                        .arg(QString::number(row + 1), PlainLabelText(copies.text).left(40),
                             QString::number(kMostCopies)));
                continue;
            }
        }
        read.items.push_back(std::move(item));
    }
    return read;
}
