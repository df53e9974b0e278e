#include "sheets/CodeColumn.h"

#include "lookup/ProductCode.h"
#include "sheets/SheetCodes.h"

#include <QRegularExpression>

namespace {
constexpr int kValuesShown = 3;
// A column is mostly codes when at least this share of its cells pass, and this many at least.
constexpr int kCodePercent = 80;
constexpr int kFewestCodes = 3;

// The header row's cell counts when it is a code (a sheet without a header), and is left out
// when it is not.
bool MostlyCodes(const Sheet& sheet, qsizetype column, qsizetype headerRow)
{
    qsizetype filled = 0;
    qsizetype codes = 0;
    for (std::size_t row = std::size_t(headerRow); row < sheet.rows.size(); ++row) {
        const SheetCell& cell = sheet.cell(row, std::size_t(column));
        if (cell.isEmpty())
            continue;
        const bool code = CheckCode(CodeOfCell(cell)).isValid();
        if (!code && qsizetype(row) == headerRow)
            continue;
        ++filled;
        codes += code ? 1 : 0;
    }
    return codes >= kFewestCodes && codes * 100 >= filled * kCodePercent;
}

qsizetype FirstFilledRow(const Sheet& sheet)
{
    for (std::size_t row = 0; row < sheet.rows.size(); ++row) {
        for (const SheetCell& cell : sheet.rows[row]) {
            if (!cell.isEmpty())
                return qsizetype(row);
        }
    }
    return -1;
}
} // namespace

bool IsCodeHeader(QStringView header)
{
    static const QRegularExpression named(
        QStringLiteral("(?<![[:alnum:]])(ean-?13|ean|gtin|upc|barcode|code|isbn)(?![[:alnum:]])"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return named.match(header).hasMatch();
}

QString ColumnLetter(qsizetype column)
{
    QString letters;
    for (qsizetype n = column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + char16_t((n - 1) % 26)));
    return letters;
}

CodeColumnChoice WithColumn(const Sheet& sheet, CodeColumnChoice choice, qsizetype column)
{
    choice.column = column;
    choice.firstRow = choice.headerRow + 1;
    if (choice.headerRow >= 0 &&
        CheckCode(CodeOfCell(sheet.cell(std::size_t(choice.headerRow), std::size_t(column))))
            .isValid())
        choice.firstRow = choice.headerRow;
    return choice;
}

CodeColumnChoice ChooseCodeColumn(const Sheet& sheet)
{
    CodeColumnChoice choice;
    choice.headerRow = FirstFilledRow(sheet);
    choice.firstRow = choice.headerRow + 1;
    if (choice.headerRow < 0)
        return choice;
    qsizetype width = 0;
    for (const std::vector<SheetCell>& row : sheet.rows)
        width = std::max(width, qsizetype(row.size()));

    QList<qsizetype> named;
    QList<qsizetype> mostlyCodes;
    for (qsizetype column = 0; column < width; ++column) {
        SheetColumnSummary summary;
        summary.letter = ColumnLetter(column);
        const SheetCell& header = sheet.cell(std::size_t(choice.headerRow), std::size_t(column));
        summary.header = header.text;
        for (std::size_t row = std::size_t(choice.headerRow) + 1;
             row < sheet.rows.size() && summary.firstValues.size() < kValuesShown; ++row) {
            const SheetCell& cell = sheet.cell(row, std::size_t(column));
            if (!cell.isEmpty())
                summary.firstValues.append(cell.text);
        }
        if (summary.header.isEmpty() && summary.firstValues.isEmpty())
            continue;
        if (header.kind == SheetCell::Kind::Text && IsCodeHeader(header.text))
            named.append(column);
        choice.columns.append(summary);
        choice.columnNumbers.append(column);
    }
    // Checking every cell is what a large sheet costs; one column headed as codes needs none of
    // it, and several only among themselves.
    if (named.size() != 1) {
        for (const qsizetype column : named.isEmpty() ? choice.columnNumbers : named) {
            if (MostlyCodes(sheet, column, choice.headerRow))
                mostlyCodes.append(column);
        }
    }
    if (named.size() > 1) {
        QList<qsizetype> both;
        for (const qsizetype column : named) {
            if (mostlyCodes.contains(column))
                both.append(column);
        }
        named = both;
    } else if (named.isEmpty()) {
        named = mostlyCodes;
    }
    if (named.size() == 1)
        return WithColumn(sheet, choice, named.front());
    return choice;
}

qsizetype ColumnNamed(const CodeColumnChoice& choice, const QString& named)
{
    const QString wanted = named.trimmed();
    if (wanted.isEmpty())
        return -1;
    for (qsizetype i = 0; i < choice.columns.size(); ++i) {
        if (choice.columns[i].header.trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return choice.columnNumbers[i];
    }
    static const QRegularExpression letters(QStringLiteral("^[A-Za-z]{1,3}$"));
    if (letters.match(wanted).hasMatch()) {
        qsizetype column = 0;
        for (const QChar c : wanted)
            column = column * 26 + (c.toUpper().unicode() - u'A' + 1);
        return column - 1;
    }
    bool isNumber = false;
    const qsizetype number = wanted.toLongLong(&isNumber);
    if (isNumber && number >= 1)
        return number - 1;
    return -1;
}
