#include "index/ExportReader.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {
// The line cut by a chunk's end is kept in a buffer that is reused; after a very long one, the
// buffer is given back rather than kept that large for the rest of the import.
constexpr qsizetype kLargestKeptCarry = 1024 * 1024;

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

QByteArrayView Trimmed(QByteArrayView text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && IsSpace(text[from]))
        ++from;
    while (to > from && IsSpace(text[to - 1]))
        --to;
    return text.sliced(from, to - from);
}

// Tabs in [p, end), eight bytes at a time: most of a line lies past the last column the index
// keeps, and only its field count matters there.
qsizetype CountTabs(const char* p, const char* end)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kTabs = kOnes * '\t';
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
    qsizetype count = 0;
    while (end - p >= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        const std::uint64_t x = word ^ kTabs; // a zero byte where there is a tab
        // The high bit of each byte is set unless the byte is zero; no carry crosses bytes.
        const std::uint64_t nonZero = ((x & kLow7) + kLow7) | x;
        count += std::popcount(~nonZero & kHigh);
        p += 8;
    }
    for (; p < end; ++p)
        count += *p == '\t';
    return count;
}

// How many characters of UTF-8 text: the bytes that do not continue a sequence.
qsizetype Utf8Length(QByteArrayView text)
{
    qsizetype count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

// The first `limit` characters of UTF-8 text, never ending inside a character.
QByteArrayView Utf8Prefix(QByteArrayView text, qsizetype limit)
{
    // No more bytes than characters allowed: nothing to count.
    if (text.size() <= limit)
        return text;
    qsizetype count = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80 && count++ == limit)
            return text.first(at);
    }
    return text;
}
// A tag of the databases' taxonomies as a name: "en:hazelnut-spreads" is "Hazelnut spreads".
QByteArray TagText(const QString& tag)
{
    QString text = tag.mid(tag.indexOf(u':') + 1);
    text.replace(u'-', u' ');
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text.toUtf8();
}

// The JSON field as text when it is a string; empty when it is missing or anything else.
QByteArray StringField(const QJsonObject& product, QLatin1StringView name)
{
    const QJsonValue value = product.value(name);
    return value.isString() ? value.toString().toUtf8() : QByteArray();
}
} // namespace

QStringList IndexLanguages(const QStringList& asked)
{
    QStringList kept;
    for (const QString& language : asked) {
        const QString lower = language.trimmed().toLower();
        if (!lower.isEmpty() && lower != u"en" && !kept.contains(lower) &&
            kept.size() < kMostIndexLanguages)
            kept.append(lower);
    }
    return kept;
}

ExportReader::ExportReader(QByteArrayView localLanguage)
    : ExportReader(QList<QByteArray>{localLanguage.toByteArray()})
{}

ExportReader::ExportReader(const QList<QByteArray>& languages)
{
    int kept = 0;
    for (const QByteArray& language : languages) {
        if (language.isEmpty() || language == "en" || kept == kMostIndexLanguages)
            continue;
        const QByteArray column = "product_name_" + language;
        if (std::find(std::begin(m_localColumns), std::end(m_localColumns), column) ==
            std::end(m_localColumns))
            m_localColumns[kept++] = column;
    }
}

bool ExportReader::feed(QByteArrayView text, const RowSink& sink)
{
    if (!m_problem.isEmpty())
        return false;
    // An empty piece may have no bytes at all to point at, which memchr may not be given.
    if (text.isEmpty())
        return true;
    const char* p = text.data();
    const char* const end = p + text.size();
    if (!m_carry.isEmpty() || m_discardingLine) {
        const auto* newline = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)));
        const char* lineEnd = newline ? newline : end;
        if (!m_discardingLine) {
            m_carry.append(p, lineEnd - p);
            if (m_carry.size() > kLongestExportLine) {
                startSkipping(m_carry);
                m_carry = QByteArray();
                m_discardingLine = true;
                if (!m_problem.isEmpty())
                    return false;
            }
        }
        if (!newline)
            return true;
        if (m_discardingLine) {
            m_discardingLine = false;
            ++m_skips.longLine;
        } else {
            line(m_carry, sink);
            if (m_carry.capacity() > kLargestKeptCarry)
                m_carry = QByteArray();
            else
                m_carry.resize(0);
        }
        p = newline + 1;
    }
    while (p < end && m_problem.isEmpty()) {
        const auto* newline = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)));
        if (!newline) {
            m_carry.append(p, end - p);
            if (m_carry.size() > kLongestExportLine) {
                startSkipping(m_carry);
                m_carry = QByteArray();
                m_discardingLine = true;
            }
            break;
        }
        const QByteArrayView text(p, newline - p);
        if (text.size() > kLongestExportLine) {
            startSkipping(text);
            if (m_problem.isEmpty())
                ++m_skips.longLine;
        } else {
            line(text, sink);
        }
        p = newline + 1;
    }
    return m_problem.isEmpty();
}

void ExportReader::startSkipping(QByteArrayView start)
{
    if (m_headerRead)
        return;
    if (start.startsWith("\xEF\xBB\xBF"))
        start = start.sliced(3);
    qsizetype at = 0;
    while (at < start.size() && IsSpace(start[at]))
        ++at;
    if (at < start.size() && start[at] == '{') {
        m_headerRead = true;
        m_json = true;
        return;
    }
    m_problem = QCoreApplication::translate("ExportReader", "the first line is not a header line");
}

bool ExportReader::finish(const RowSink& sink)
{
    if (!m_problem.isEmpty())
        return false;
    if (m_discardingLine) {
        m_discardingLine = false;
        ++m_skips.longLine;
    } else if (!m_carry.isEmpty()) {
        line(m_carry, sink);
        m_carry = QByteArray();
    }
    if (!m_headerRead && m_problem.isEmpty())
        m_problem = QCoreApplication::translate("ExportReader", "the export holds no header line");
    return m_problem.isEmpty();
}

void ExportReader::header(QByteArrayView text)
{
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    m_headerRead = true;
    bool haveCode = false;
    qsizetype column = 0;
    for (qsizetype from = 0;; ++column) {
        const qsizetype tab = text.indexOf('\t', from);
        const QByteArrayView name =
            Trimmed(text.sliced(from, (tab < 0 ? text.size() : tab) - from));
        signed char slot = -1;
        if (name == "code")
            slot = Code;
        else if (name == "product_name")
            slot = ProductName;
        else if (name == "product_name_en")
            slot = EnglishName;
        else if (name == "generic_name")
            slot = GenericName;
        else if (name == "brands")
            slot = Brands;
        else if (name == "quantity")
            slot = Quantity;
        else if (name == "main_category_en")
            slot = MainCategory;
        else if (name == "countries_en")
            slot = Countries;
        else if (name == "image_url")
            slot = Image;
        else if (name.startsWith("product_name_")) {
            for (int i = 0; i < kMostIndexLanguages; ++i)
                if (!m_localColumns[i].isEmpty() && name == m_localColumns[i])
                    slot = static_cast<signed char>(i == 0 ? LocalName : MoreName1 + i - 1);
        }
        // A name given twice: the first column of that name is the one read.
        for (const signed char taken : m_slotOfColumn)
            if (slot >= 0 && taken == slot)
                slot = -1;
        m_slotOfColumn.push_back(slot);
        if (slot >= 0)
            m_lastKeptColumn = column;
        haveCode = haveCode || slot == Code;
        if (tab < 0)
            break;
        from = tab + 1;
    }
    m_fieldCount = column + 1;
    if (!haveCode)
        m_problem = QCoreApplication::translate(
            "ExportReader", "the first line names no \"code\" column: not a product export");
}

void ExportReader::line(QByteArrayView text, const RowSink& sink)
{
    if (text.endsWith('\r'))
        text.chop(1);
    if (!m_headerRead) {
        QByteArrayView first = text;
        if (first.startsWith("\xEF\xBB\xBF"))
            first = first.sliced(3);
        if (!Trimmed(first).startsWith('{')) {
            header(text);
            return;
        }
        m_headerRead = true;
        m_json = true;
        text = first;
    }
    if (m_json) {
        jsonLine(text, sink);
        return;
    }
    if (text.isEmpty())
        return; // a blank line holds no product and is no damage either

    QByteArrayView fields[Slots];
    const char* p = text.data();
    const char* const end = p + text.size();
    qsizetype fieldCount = 0;
    for (;;) {
        const auto* tab = static_cast<const char*>(std::memchr(p, '\t', std::size_t(end - p)));
        const char* fieldEnd = tab ? tab : end;
        if (fieldCount < m_fieldCount) {
            const signed char slot = m_slotOfColumn[std::size_t(fieldCount)];
            if (slot >= 0)
                fields[slot] = QByteArrayView(p, fieldEnd - p);
        }
        ++fieldCount;
        if (!tab)
            break;
        p = tab + 1;
        if (fieldCount > m_lastKeptColumn) {
            fieldCount += 1 + CountTabs(p, end);
            break;
        }
    }
    if (fieldCount != m_fieldCount) {
        ++m_skips.wrongFieldCount;
        return;
    }
    ExportRow row;
    take(row, fields, sink);
}

void ExportReader::jsonLine(QByteArrayView text, const RowSink& sink)
{
    if (Trimmed(text).isEmpty())
        return;
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromRawData(text.data(), text.size()), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        ++m_skips.notJson;
        return;
    }
    const QJsonObject product = document.object();
    const QJsonValue code = product.value(QLatin1StringView("code"));
    // Codes are strings; a newer schema that wrote them as numbers would still name them.
    if (code.isDouble() && code.toDouble() >= 0 && code.toDouble() < 1e15 &&
        code.toDouble() == double(qint64(code.toDouble())))
        m_jsonText[Code] = QByteArray::number(qint64(code.toDouble()));
    else
        m_jsonText[Code] = code.isString() ? code.toString().toUtf8() : QByteArray();
    m_jsonText[ProductName] = StringField(product, QLatin1StringView("product_name"));
    for (int i = 0; i < kMostIndexLanguages; ++i)
        m_jsonText[i == 0 ? LocalName : MoreName1 + i - 1] =
            m_localColumns[i].isEmpty()
                ? QByteArray()
                : StringField(product, QLatin1StringView(m_localColumns[i]));
    m_jsonText[EnglishName] = StringField(product, QLatin1StringView("product_name_en"));
    m_jsonText[GenericName] = StringField(product, QLatin1StringView("generic_name"));
    m_jsonText[Brands] = StringField(product, QLatin1StringView("brands"));
    m_jsonText[Quantity] = StringField(product, QLatin1StringView("quantity"));
    // The JSON names a main category by its tag, and the countries by a list of tags, where the
    // CSV export has their English names.
    m_jsonText[MainCategory] = StringField(product, QLatin1StringView("main_category_en"));
    if (m_jsonText[MainCategory].isEmpty()) {
        const QJsonValue tag = product.value(QLatin1StringView("main_category"));
        if (tag.isString())
            m_jsonText[MainCategory] = TagText(tag.toString());
    }
    m_jsonText[Countries].clear();
    const QJsonValue countries = product.value(QLatin1StringView("countries_tags"));
    if (countries.isArray()) {
        for (const QJsonValue& tag : countries.toArray()) {
            if (!tag.isString())
                continue;
            if (!m_jsonText[Countries].isEmpty())
                m_jsonText[Countries] += ',';
            m_jsonText[Countries] += TagText(tag.toString());
        }
    }
    m_jsonText[Image] = StringField(product, QLatin1StringView("image_front_url"));
    if (m_jsonText[Image].isEmpty())
        m_jsonText[Image] = StringField(product, QLatin1StringView("image_url"));

    QByteArrayView fields[Slots];
    for (int slot = 0; slot < Slots; ++slot)
        fields[slot] = m_jsonText[slot];
    ExportRow row;
    take(row, fields, sink);
}

void ExportReader::take(ExportRow& row, const QByteArrayView (&fields)[Slots], const RowSink& sink)
{
    row.code = Trimmed(fields[Code]);
    if (row.code.isEmpty()) {
        ++m_skips.emptyCode;
        return;
    }
    if (row.code.size() > kLongestCode && Utf8Length(row.code) > kLongestCode) {
        ++m_skips.longCode;
        return;
    }
    row.key = IndexKey(row.code);
    const auto kept = [&](Slot slot) {
        const QByteArrayView whole = fields[slot];
        const QByteArrayView cut = Utf8Prefix(whole, kLongestIndexedText);
        m_fieldsCut += cut.size() != whole.size();
        return cut;
    };
    row.productName = kept(ProductName);
    row.localName = kept(LocalName);
    row.englishName = kept(EnglishName);
    row.genericName = kept(GenericName);
    row.brands = kept(Brands);
    row.quantity = kept(Quantity);
    row.mainCategory = kept(MainCategory);
    row.countries = kept(Countries);
    row.image = OpenFoodFactsImageName(kept(Image), row.code);
    row.moreNames[0] = kept(MoreName1);
    row.moreNames[1] = kept(MoreName2);
    row.moreNames[2] = kept(MoreName3);
    ++m_rows;
    sink(row);
}
