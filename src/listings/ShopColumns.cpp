#include "listings/ShopColumns.h"

#include "listings/ShopValues.h"
#include "sheets/SheetCodes.h"

#include <QRegularExpression>

namespace {
// The words a header names each role with, in lower case without accents. A word of four letters
// or more also counts at the start or the end of a longer one ("Verkaufspreis", "Artikelnummer",
// "Lagerbestand").
const QStringList kPriceWords{QStringLiteral("price"),  QStringLiteral("preis"),
                              QStringLiteral("prix"),   QStringLiteral("precio"),
                              QStringLiteral("prezzo"), QStringLiteral("prijs"),
                              QStringLiteral("preco"),  QStringLiteral("pris"),
                              QStringLiteral("cena"),   QStringLiteral("vk")};
const QStringList kSkuWords{QStringLiteral("sku"),        QStringLiteral("article"),
                            QStringLiteral("artikel"),    QStringLiteral("reference"),
                            QStringLiteral("referencia"), QStringLiteral("ref"),
                            QStringLiteral("artnr"),      QStringLiteral("mpn")};
const QStringList kStockWords{
    QStringLiteral("stock"),       QStringLiteral("qty"),      QStringLiteral("quantity"),
    QStringLiteral("bestand"),     QStringLiteral("lager"),    QStringLiteral("menge"),
    QStringLiteral("existencias"), QStringLiteral("quantite"), QStringLiteral("cantidad"),
    QStringLiteral("inventory"),   QStringLiteral("anzahl")};

// The header's words, lower case, accents dropped; "Art.-Nr." reads as "artnr" too.
QStringList HeaderWords(const QString& header)
{
    QString plain;
    for (const QChar c : header.toLower().normalized(QString::NormalizationForm_KD)) {
        if (c.category() != QChar::Mark_NonSpacing)
            plain += c;
    }
    static const QRegularExpression between(QStringLiteral("[^\\p{L}\\p{N}]+"));
    QStringList words = plain.split(between, Qt::SkipEmptyParts);
    static const QRegularExpression punctuation(QStringLiteral("[.\\-]"));
    const QString joined = QString(plain).remove(punctuation).simplified();
    if (!joined.contains(u' ') && !words.contains(joined))
        words.append(joined);
    return words;
}

bool Names(const QStringList& words, const QStringList& roleWords)
{
    for (const QString& word : words) {
        for (const QString& role : roleWords) {
            if (word == role || (role.size() >= 4 && word.size() > role.size() &&
                                 (word.startsWith(role) || word.endsWith(role))))
                return true;
        }
    }
    return false;
}

QString CodeKey(QString code)
{
    return code.replace(u'\r', u' ').replace(u'\n', u' ').trimmed();
}
} // namespace

ShopColumnCandidates ShopColumnsByHeader(const Sheet& sheet, const CodeColumnChoice& choice)
{
    ShopColumnCandidates candidates;
    if (choice.headerRow < 0 || choice.firstRow <= choice.headerRow ||
        std::size_t(choice.headerRow) >= sheet.rows.size())
        return candidates;
    const SheetRow& header = sheet.rows[std::size_t(choice.headerRow)];
    for (const SheetRow::Filled& filled : header.filled()) {
        if (filled.column == choice.column)
            continue;
        const QStringList words = HeaderWords(filled.cell.text);
        if (Names(words, kPriceWords))
            candidates.price.append(filled.column);
        if (Names(words, kSkuWords))
            candidates.sku.append(filled.column);
        if (Names(words, kStockWords))
            candidates.stock.append(filled.column);
    }
    return candidates;
}

SheetHeaders HeadersOf(const Sheet& sheet, const CodeColumnChoice& choice)
{
    SheetHeaders headers;
    const bool hasHeader = choice.headerRow >= 0 && choice.firstRow > choice.headerRow;
    const qsizetype top = std::max<qsizetype>(hasHeader ? choice.headerRow : choice.firstRow, 0);
    const qsizetype firstValue = hasHeader ? choice.firstRow : top;
    if (std::size_t(top) >= sheet.rows.size())
        return headers;
    for (const SheetRow::Filled& filled : sheet.rows[std::size_t(top)].filled()) {
        SheetColumnSummary column;
        column.letter = ColumnLetter(filled.column);
        column.header = hasHeader ? filled.cell.text : QString();
        for (qsizetype row = firstValue;
             row < qsizetype(sheet.rows.size()) && column.firstValues.size() < 3; ++row) {
            const QString value = sheet.cell(std::size_t(row), std::size_t(filled.column)).text;
            if (!value.isEmpty())
                column.firstValues.append(value);
        }
        headers.columns.append(column);
        headers.places.append(filled.column);
    }
    return headers;
}

qsizetype ShopColumnNamed(const Sheet& sheet, const CodeColumnChoice& choice, const QString& named)
{
    const SheetHeaders headers = HeadersOf(sheet, choice);
    CodeColumnChoice byHeader;
    byHeader.columns = headers.columns;
    byHeader.columnNumbers = headers.places;
    return ColumnNamed(byHeader, named);
}

ShopColumnRoles SettledRoles(const ShopColumnCandidates& candidates)
{
    const auto alone = [](const QList<qsizetype>& columns) {
        return columns.size() == 1 ? columns.constFirst() : qsizetype(-1);
    };
    return {alone(candidates.price), alone(candidates.sku), alone(candidates.stock)};
}

UserShopColumns::UserShopColumns(const Sheet& sheet, const CodeColumnChoice& choice,
                                 ShopColumnRoles roles)
    : m_sheet(sheet)
    , m_choice(choice)
    , m_roles(roles)
    , m_next(std::max<qsizetype>(choice.firstRow, 0))
    , m_taken(sheet.rows.size(), false)
{}

QString UserShopColumns::codeAt(qsizetype row) const
{
    return CodeKey(CodeOfCell(m_sheet.cell(std::size_t(row), std::size_t(m_choice.column))));
}

std::optional<qsizetype> UserShopColumns::takeRow(const QString& code)
{
    const qsizetype rows = qsizetype(m_sheet.rows.size());
    if (m_choice.column < 0)
        return std::nullopt;
    while (m_next < rows && (m_taken[std::size_t(m_next)] || codeAt(m_next).isEmpty()))
        ++m_next;
    if (m_next < rows && codeAt(m_next) == code) {
        m_taken[std::size_t(m_next)] = true;
        return m_next++;
    }
    if (!m_indexed) {
        for (qsizetype row = std::max<qsizetype>(m_choice.firstRow, 0); row < rows; ++row) {
            if (const QString key = codeAt(row); !key.isEmpty() && !m_taken[std::size_t(row)])
                m_index[key].push_back(row);
        }
        m_indexed = true;
    }
    const auto found = m_index.find(code);
    if (found == m_index.end())
        return std::nullopt;
    std::deque<qsizetype>& places = *found;
    while (!places.empty() && m_taken[std::size_t(places.front())])
        places.pop_front();
    if (places.empty())
        return std::nullopt;
    const qsizetype row = places.front();
    places.pop_front();
    m_taken[std::size_t(row)] = true;
    return row;
}

std::optional<ShopUserValues> UserShopColumns::valuesFor(const QString& code)
{
    const std::optional<qsizetype> row = takeRow(CodeKey(code));
    if (!row)
        return std::nullopt;
    const auto cell = [&](qsizetype column) {
        return column < 0 ? SheetCell() : m_sheet.cell(std::size_t(*row), std::size_t(column));
    };
    ShopUserValues values;
    const std::optional<QString> price = PriceOfCell(cell(m_roles.price));
    values.price = price.value_or(QString());
    values.priceRefused = !price;
    const std::optional<QString> stock = StockOfCell(cell(m_roles.stock));
    values.stock = stock.value_or(QString());
    values.stockRefused = !stock;
    values.sku = SkuOfCell(cell(m_roles.sku));
    return values;
}
