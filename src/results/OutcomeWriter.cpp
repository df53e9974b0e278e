#include "results/OutcomeWriter.h"

#include "gs1/CodeFacts.h"
#include "gs1/IsbnRanges.h"
#include "lookup/LookupChain.h"
#include "lookup/ProductCode.h"
#include "results/RecordWriter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringEncoder>
#include <QVarLengthArray>

#include <algorithm>
#include <span>

namespace {
// One outcome's cells by place, each made when it is asked for: a row of a file is read straight
// from the outcome, where a list of every cell made for each row, and another of those picked,
// took a sixth of a batch answered from the index.
class OutcomeCellsOf
{
public:
    explicit OutcomeCellsOf(const CodeOutcome& outcome)
        : m_outcome(outcome)
    {}

    // The cell of a place in OutcomeColumns(), or the count column's.
    QString at(qsizetype place) const
    {
        QString made;
        return cell(place, made);
    }
    // The same, as the outcome's own string where it is one, else as `made`, made into it: a row
    // read from the outcome without a copy of each cell.
    const QString& cell(qsizetype place, QString& made) const
    {
        const CodeOutcome& outcome = m_outcome;
        const ProductDetails& details = outcome.product.details;
        const QString& gtin = outcome.gtin;
        switch (place) {
        case kCountColumnPlace:
            return made = QString::number(outcome.scanCount);
        case 0:
            return outcome.code;
        case 1:
            return gtin;
        case 2:
            return made = OutcomeStatusWord(outcome);
        case 3:
            return outcome.product.name;
        case 4:
            return outcome.product.brand;
        case 5:
            return outcome.product.quantity;
        case 6:
            return outcome.source;
        case 7:
            return outcome.detail;
        case 8:
            return details.categories;
        case 9:
            return made = CodeKindText(facts().kind);
        case 10:
            return facts().gs1Office;
        case 11:
            return details.imageUrl;
        case 12:
            return details.pageUrl;
        case 13:
            return made = outcome.sameAs > 0 ? QString::number(outcome.sameAs) : QString();
        case 14:
            return outcome.innerGtin;
        case 15:
            return made = UpcAOf(gtin);
        case 16:
            return made = Isbn10Of(gtin);
        case 17: {
            const bool book =
                gtin.size() == 13 && (gtin.startsWith(u"978") || gtin.startsWith(u"979"));
            return made = book ? HyphenatedIsbn(gtin).value_or(QString()) : QString();
        }
        case 18:
            return made = IssnOf(gtin);
        case 19:
            return details.author;
        case 20:
            return details.publishers;
        case 21:
            return details.published;
        case 22:
            return details.controlNumber;
        }
        Q_UNREACHABLE();
        return made;
    }

private:
    // What the code says by itself holds whatever became of the lookup, for every checked code;
    // its kind is that of the form it was typed in (a UPC-A is no EAN-13 to the user who typed
    // it), which most lists type as the canonical form itself.
    const CodeFacts& facts() const
    {
        if (!m_facts)
            m_facts =
                DescribeCode(m_outcome.code == m_outcome.gtin ? m_outcome.gtin
                                                              : CheckCode(m_outcome.code).asTyped);
        return *m_facts;
    }

    const CodeOutcome& m_outcome;
    mutable std::optional<CodeFacts> m_facts;
};

enum class FormulaSafety { AsTheyAre, MadeSafe };

bool StartsLikeFormula(QStringView value)
{
    if (value.isEmpty())
        return false;
    switch (value.front().unicode()) {
    case u'=':
    case u'+':
    case u'-':
    case u'@':
    case u'\t':
    case u'\r':
        return true;
    }
    return false;
}

// The line of those cells. Written into one buffer sized for the worst case (three bytes of
// UTF-8 for each UTF-16 unit, a doubled quote being two; a separator, an apostrophe and two
// quotes for each cell) and cut to what it holds: a buffer grown cell by cell took a tenth of
// a batch answered from the index.
QByteArray DelimitedCells(std::span<const QStringView> cells, char separator, FormulaSafety safety)
{
    qsizetype most = 2;
    for (const QStringView cell : cells)
        most += 3 * cell.size() + 4;
    QByteArray out(most, Qt::Uninitialized);
    char* at = out.data();
    // Stateless: half of a surrogate pair at a cell's end is that cell's fault, and never joins
    // the next cell's first character across the separator.
    QStringEncoder utf8(QStringEncoder::Utf8, QStringConverter::Flag::Stateless);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            *at++ = separator;
        const QStringView cell = cells[i];
        // One pass over the cell for the four characters that call for quotes, without a branch
        // for each character.
        bool quoted = false;
        for (const QChar c : cell) {
            const char16_t u = c.unicode();
            quoted |= (u == char16_t(separator)) | (u == u'"') | (u == u'\r') | (u == u'\n');
        }
        if (quoted)
            *at++ = '"';
        if (safety == FormulaSafety::MadeSafe && StartsLikeFormula(cell))
            *at++ = '\'';
        if (!quoted) {
            at = utf8.appendToBuffer(at, cell);
            continue;
        }
        QStringView rest = cell;
        for (qsizetype quote; (quote = rest.indexOf(u'"')) >= 0; rest = rest.sliced(quote + 1)) {
            at = utf8.appendToBuffer(at, rest.first(quote));
            *at++ = '"';
            *at++ = '"';
        }
        at = utf8.appendToBuffer(at, rest);
        *at++ = '"';
    }
    *at++ = '\r';
    *at++ = '\n';
    out.truncate(at - out.constData());
    return out;
}

// RFC 4180: a field is quoted when it holds the separator, a quote or a line break, and its
// quotes are doubled; lines end in CR LF. The tab-separated form follows the same rules.
class DelimitedWriter final : public OutcomeWriter
{
public:
    DelimitedWriter(char separator, OutcomeColumnPlaces places)
        : m_separator(separator)
        , m_places(std::move(places))
    {}

    QByteArray begin() override { return DelimitedLine(OutcomeColumnNames(m_places), m_separator); }
    QByteArray row(const CodeOutcome& outcome) override
    {
        const OutcomeCellsOf cellsOf(outcome);
        QVarLengthArray<QString, 32> made(m_places.size());
        QVarLengthArray<QStringView, 32> cells;
        for (qsizetype i = 0; i < m_places.size(); ++i)
            cells.append(cellsOf.cell(m_places[i], made[i]));
        // The code too: it is whatever a line of the user's list held, which may come from
        // anywhere.
        return DelimitedCells(cells, m_separator, FormulaSafety::MadeSafe);
    }
    QByteArray end() override { return {}; }

private:
    char m_separator;
    OutcomeColumnPlaces m_places;
};

// Keys in column order: QJsonObject sorts them, so each object is written by hand around
// QJsonDocument's escaping of the values.
QByteArray JsonLine(const CodeOutcome& outcome, const OutcomeColumnPlaces& places)
{
    const QStringList columns = OutcomeColumnNames(places);
    const QStringList cells = OutcomeCellsAt(outcome, places);
    QByteArray out = "{";
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (i > 0)
            out += ", ";
        QByteArray value = QJsonDocument(QJsonArray{cells[i]}).toJson(QJsonDocument::Compact);
        value = value.mid(1, value.size() - 2); // the string alone, escaped
        out += '"' + columns[i].toUtf8() + "\": " + value;
    }
    out += '}';
    return out;
}

class JsonArrayWriter final : public OutcomeWriter
{
public:
    explicit JsonArrayWriter(OutcomeColumnPlaces places)
        : m_places(std::move(places))
    {}

    QByteArray begin() override { return "["; }
    QByteArray row(const CodeOutcome& outcome) override
    {
        const QByteArray separator = m_first ? "\n  " : ",\n  ";
        m_first = false;
        return separator + JsonLine(outcome, m_places);
    }
    QByteArray end() override { return m_first ? "]\n" : "\n]\n"; }

private:
    OutcomeColumnPlaces m_places;
    bool m_first = true;
};

class JsonLinesWriter final : public OutcomeWriter
{
public:
    explicit JsonLinesWriter(OutcomeColumnPlaces places)
        : m_places(std::move(places))
    {}

    QByteArray begin() override { return {}; }
    QByteArray row(const CodeOutcome& outcome) override
    {
        return JsonLine(outcome, m_places) + '\n';
    }
    QByteArray end() override { return {}; }

private:
    OutcomeColumnPlaces m_places;
};
} // namespace

std::optional<OutcomeFormat> OutcomeFormatNamed(const QString& name)
{
    const QString lower = name.toLower();
    if (lower == u"csv")
        return OutcomeFormat::Csv;
    if (lower == u"tsv")
        return OutcomeFormat::Tsv;
    if (lower == u"json")
        return OutcomeFormat::Json;
    if (lower == u"jsonl")
        return OutcomeFormat::Jsonl;
    if (lower == u"xlsx")
        return OutcomeFormat::Xlsx;
    if (lower == u"ods")
        return OutcomeFormat::Ods;
    if (lower == u"shopify")
        return OutcomeFormat::Shopify;
    if (lower == u"woocommerce")
        return OutcomeFormat::WooCommerce;
    if (lower == u"merchant")
        return OutcomeFormat::Merchant;
    if (lower == u"marc")
        return OutcomeFormat::Marc;
    if (lower == u"marcxml")
        return OutcomeFormat::MarcXml;
    return std::nullopt;
}

std::optional<OutcomeFormat> OutcomeFormatOfFile(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"mrc")
        return OutcomeFormat::Marc;
    if (suffix == u"xml")
        return OutcomeFormat::MarcXml;
    const std::optional<OutcomeFormat> format =
        suffix.isEmpty() ? std::nullopt : OutcomeFormatNamed(suffix);
    // A shop's file is a CSV or TSV by its name: only --format or the dialog's choice makes one.
    if (format == OutcomeFormat::Shopify || format == OutcomeFormat::WooCommerce ||
        format == OutcomeFormat::Merchant)
        return std::nullopt;
    return format;
}

QStringList OutcomeColumns()
{
    return {QStringLiteral("code"),          QStringLiteral("gtin"),
            QStringLiteral("status"),        QStringLiteral("name"),
            QStringLiteral("brand"),         QStringLiteral("quantity"),
            QStringLiteral("source"),        QStringLiteral("detail"),
            QStringLiteral("categories"),    QStringLiteral("kind"),
            QStringLiteral("gs1_office"),    QStringLiteral("image_url"),
            QStringLiteral("url"),           QStringLiteral("same_as"),
            QStringLiteral("inner_gtin"),    QStringLiteral("upc"),
            QStringLiteral("isbn10"),        QStringLiteral("isbn_hyphenated"),
            QStringLiteral("issn"),          QStringLiteral("author"),
            QStringLiteral("publisher"),     QStringLiteral("published"),
            QStringLiteral("control_number")};
}

QString OutcomeColumnLabel(const QString& column)
{
    static const QHash<QString, const char*> kLabels{
        {QStringLiteral("code"), QT_TRANSLATE_NOOP("OutcomeWriter", "Code as typed")},
        {QStringLiteral("gtin"), QT_TRANSLATE_NOOP("OutcomeWriter", "GTIN")},
        {QStringLiteral("status"), QT_TRANSLATE_NOOP("OutcomeWriter", "Status")},
        {QStringLiteral("name"), QT_TRANSLATE_NOOP("OutcomeWriter", "Product name")},
        {QStringLiteral("brand"), QT_TRANSLATE_NOOP("OutcomeWriter", "Brand")},
        {QStringLiteral("quantity"), QT_TRANSLATE_NOOP("OutcomeWriter", "Quantity")},
        {QStringLiteral("source"), QT_TRANSLATE_NOOP("OutcomeWriter", "Source")},
        {QStringLiteral("detail"), QT_TRANSLATE_NOOP("OutcomeWriter", "Why not found or failed")},
        {QStringLiteral("categories"), QT_TRANSLATE_NOOP("OutcomeWriter", "Categories")},
        {QStringLiteral("kind"), QT_TRANSLATE_NOOP("OutcomeWriter", "Kind of code")},
        {QStringLiteral("gs1_office"), QT_TRANSLATE_NOOP("OutcomeWriter", "GS1 office")},
        {QStringLiteral("image_url"), QT_TRANSLATE_NOOP("OutcomeWriter", "Picture address")},
        {QStringLiteral("url"), QT_TRANSLATE_NOOP("OutcomeWriter", "Page address")},
        {QStringLiteral("same_as"), QT_TRANSLATE_NOOP("OutcomeWriter", "Same product as row")},
        {QStringLiteral("inner_gtin"), QT_TRANSLATE_NOOP("OutcomeWriter", "Case of")},
        {QStringLiteral("upc"), QT_TRANSLATE_NOOP("OutcomeWriter", "UPC")},
        {QStringLiteral("isbn10"), QT_TRANSLATE_NOOP("OutcomeWriter", "ISBN-10")},
        {QStringLiteral("isbn_hyphenated"),
         QT_TRANSLATE_NOOP("OutcomeWriter", "ISBN with hyphens")},
        {QStringLiteral("issn"), QT_TRANSLATE_NOOP("OutcomeWriter", "ISSN")},
        {QStringLiteral("author"), QT_TRANSLATE_NOOP("OutcomeWriter", "Author")},
        {QStringLiteral("publisher"), QT_TRANSLATE_NOOP("OutcomeWriter", "Publisher")},
        {QStringLiteral("published"), QT_TRANSLATE_NOOP("OutcomeWriter", "Published")},
        {QStringLiteral("control_number"),
         QT_TRANSLATE_NOOP("OutcomeWriter", "Catalogue record number")},
    };
    const char* const label = kLabels.value(column);
    if (!label)
        return column;
    //: A column's readable name, then its name in the file and in batch mode's --columns.
    return QCoreApplication::translate("OutcomeWriter", "%1 (%2)")
        .arg(QCoreApplication::translate("OutcomeWriter", label), column);
}

OutcomeColumnPlaces AllOutcomeColumns()
{
    const qsizetype count = OutcomeColumns().size();
    OutcomeColumnPlaces places;
    places.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        places.append(i);
    return places;
}

OutcomeColumnChoice ChooseOutcomeColumns(QStringView list)
{
    const QStringList columns = OutcomeColumns();
    OutcomeColumnChoice choice;
    for (const QStringView name : list.split(u',')) {
        const QString wanted = name.trimmed().toString().toLower();
        if (wanted == u"all") {
            choice.places += AllOutcomeColumns();
            continue;
        }
        const qsizetype place = columns.indexOf(wanted);
        if (place < 0)
            return OutcomeColumnChoice{{}, name.trimmed().toString()};
        choice.places.append(place);
    }
    return choice;
}

QStringList PickCells(const QStringList& cells, const OutcomeColumnPlaces& places)
{
    QStringList picked;
    picked.reserve(places.size());
    for (const qsizetype place : places)
        picked.append(cells[place]);
    return picked;
}

OutcomeColumnPlaces WithCountAfterCode(OutcomeColumnPlaces places)
{
    places.removeAll(kCountColumnPlace);
    const qsizetype code = places.indexOf(0);
    places.insert(code + 1, kCountColumnPlace);
    return places;
}

QStringList OutcomeColumnNames(const OutcomeColumnPlaces& places)
{
    const QStringList columns = OutcomeColumns();
    QStringList names;
    names.reserve(places.size());
    for (const qsizetype place : places)
        names.append(place == kCountColumnPlace ? QStringLiteral("count") : columns[place]);
    return names;
}

QStringList OutcomeCellsAt(const CodeOutcome& outcome, const OutcomeColumnPlaces& places)
{
    const OutcomeCellsOf cellsOf(outcome);
    QStringList picked;
    picked.reserve(places.size());
    for (const qsizetype place : places)
        picked.append(cellsOf.at(place));
    return picked;
}

QString OutcomeStatusWord(const CodeOutcome& outcome)
{
    switch (outcome.status) {
    case CodeOutcome::Status::Found:
        return QStringLiteral("found");
    case CodeOutcome::Status::NotFound:
        return QStringLiteral("not found");
    case CodeOutcome::Status::Failed:
        return QStringLiteral("failed");
    case CodeOutcome::Status::NotLookedUp:
        break;
    }
    return QStringLiteral("not looked up");
}

QStringList OutcomeCells(const CodeOutcome& outcome)
{
    static const OutcomeColumnPlaces kAll = AllOutcomeColumns();
    return OutcomeCellsAt(outcome, kAll);
}

QString SpreadsheetSafe(const QString& value)
{
    return StartsLikeFormula(value) ? u'\'' + value : value;
}

QByteArray DelimitedLine(const QStringList& cells, char separator)
{
    QVarLengthArray<QStringView, 32> views(cells.cbegin(), cells.cend());
    return DelimitedCells(views, separator, FormulaSafety::AsTheyAre);
}

std::unique_ptr<OutcomeWriter> MakeOutcomeWriter(OutcomeFormat format, OutcomeColumnPlaces places)
{
    switch (format) {
    case OutcomeFormat::Csv:
        return std::make_unique<DelimitedWriter>(',', std::move(places));
    case OutcomeFormat::Tsv:
        return std::make_unique<DelimitedWriter>('\t', std::move(places));
    case OutcomeFormat::Json:
        return std::make_unique<JsonArrayWriter>(std::move(places));
    case OutcomeFormat::Jsonl:
        return std::make_unique<JsonLinesWriter>(std::move(places));
    case OutcomeFormat::Marc:
    case OutcomeFormat::MarcXml:
        return std::make_unique<RecordWriter>(format);
    case OutcomeFormat::Xlsx:
    case OutcomeFormat::Ods:
    case OutcomeFormat::Shopify:
    case OutcomeFormat::WooCommerce:
    case OutcomeFormat::Merchant:
        break;
    }
    return nullptr;
}
