#include "sheets/CodeColumn.h"

#include "lookup/ProductCode.h"
#include "sheets/SheetCodes.h"

#include <QHash>
#include <QRegularExpression>

#include <map>

namespace {
constexpr int kValuesShown = 3;
// A column is mostly codes when at least this share of its cells pass, and this many at least.
constexpr int kCodePercent = 80;
constexpr int kFewestCodes = 3;

// Calls the pace every so many cells gone through.
class Pacer
{
public:
    explicit Pacer(const SheetPace& pace)
        : m_pace(pace)
    {}
    void went(qsizetype cells)
    {
        constexpr qsizetype kStride = 16 * 1024;
        m_cells += cells + 1;
        if (m_cells >= kStride) {
            m_cells = 0;
            if (m_pace)
                m_pace();
        }
    }

private:
    const SheetPace& m_pace;
    qsizetype m_cells = 0;
};

// Which of the columns are mostly codes, in one pass over the cells that hold something (a
// pass per column would go through every row sixteen thousand times on the widest sheet). The
// header row's cell counts when it is a code (a sheet without a header), and is left out when
// it is not.
QList<qsizetype> MostlyCodes(const Sheet& sheet, const QList<qsizetype>& columns,
                             qsizetype headerRow, Pacer& pacer)
{
    struct Count
    {
        qsizetype filled = 0;
        qsizetype codes = 0;
    };
    QHash<qsizetype, Count> counts;
    for (const qsizetype column : columns)
        counts.insert(column, Count{});
    for (std::size_t row = std::size_t(headerRow); row < sheet.rows.size(); ++row) {
        const SheetRow& cells = sheet.rows[row];
        pacer.went(cells.filledCount());
        for (qsizetype i = 0; i < cells.filledCount(); ++i) {
            const auto count = counts.find(cells.columnAt(i));
            if (count == counts.end())
                continue;
            const bool code = CheckCode(CodeOfCell(cells.cellAt(i))).isValid();
            if (!code && qsizetype(row) == headerRow)
                continue;
            ++count->filled;
            count->codes += code ? 1 : 0;
        }
    }
    QList<qsizetype> mostly;
    for (const qsizetype column : columns) {
        const Count count = counts.value(column);
        if (count.codes >= kFewestCodes && count.codes * 100 >= count.filled * kCodePercent)
            mostly.append(column);
    }
    return mostly;
}

qsizetype FirstFilledRow(const Sheet& sheet)
{
    for (std::size_t row = 0; row < sheet.rows.size(); ++row) {
        if (!sheet.rows[row].empty())
            return qsizetype(row);
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

CodeColumnChoice ChooseCodeColumn(const Sheet& sheet, const SheetPace& pace)
{
    CodeColumnChoice choice;
    choice.headerRow = FirstFilledRow(sheet);
    choice.firstRow = choice.headerRow + 1;
    if (choice.headerRow < 0)
        return choice;
    Pacer pacer(pace);
    // Each column's first values, from the cells that hold something: the empty places between
    // them cost nothing.
    std::map<qsizetype, SheetColumnSummary> summaries;
    for (const SheetRow::Filled& one : sheet.rows[std::size_t(choice.headerRow)].filled())
        summaries[one.column].header = one.cell.text;
    for (std::size_t row = std::size_t(choice.headerRow) + 1; row < sheet.rows.size(); ++row) {
        const SheetRow& cells = sheet.rows[row];
        pacer.went(cells.filledCount());
        // A cell is made only when its text is shown.
        for (qsizetype i = 0; i < cells.filledCount(); ++i) {
            SheetColumnSummary& summary = summaries[cells.columnAt(i)];
            if (summary.firstValues.size() < kValuesShown)
                summary.firstValues.append(cells.cellAt(i).text);
        }
    }

    QList<qsizetype> named;
    for (auto& [column, summary] : summaries) {
        summary.letter = ColumnLetter(column);
        const SheetCell header = sheet.cell(std::size_t(choice.headerRow), std::size_t(column));
        if (header.kind == SheetCell::Kind::Text && IsCodeHeader(header.text))
            named.append(column);
        choice.columns.append(summary);
        choice.columnNumbers.append(column);
    }
    // Checking every cell is what a large sheet costs; one column headed as codes needs none of
    // it, and several only among themselves.
    QList<qsizetype> mostlyCodes;
    if (named.size() != 1)
        mostlyCodes = MostlyCodes(sheet, named.isEmpty() ? choice.columnNumbers : named,
                                  choice.headerRow, pacer);
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

std::optional<CodeColumnChoice> NamedCodeColumn(const Sheet& sheet, const QString& named)
{
    // Only the header row is looked at: the column named is taken as it is, and the others are
    // never gone through.
    CodeColumnChoice headers;
    headers.headerRow = FirstFilledRow(sheet);
    headers.firstRow = headers.headerRow + 1;
    if (headers.headerRow >= 0) {
        for (const SheetRow::Filled& one : sheet.rows[std::size_t(headers.headerRow)].filled()) {
            SheetColumnSummary summary;
            summary.header = one.cell.text;
            headers.columns.append(summary);
            headers.columnNumbers.append(one.column);
        }
    }
    const qsizetype column = ColumnNamed(headers, named);
    if (column < 0)
        return std::nullopt;
    headers.columns.clear();
    headers.columnNumbers.clear();
    return WithColumn(sheet, headers, column);
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
