#include "lookup/MarcRecord.h"

#include <QXmlStreamReader>

#include <atomic>

namespace {
// Set once as the program starts, before any thread reads it.
std::atomic<MarcCodec*> gCodec = nullptr;

// MARC 21 has two indicators and subfield codes of one character after the delimiter.
bool Marc21Counts(QStringView counts)
{
    return counts == u"22";
}

bool SameRecord(const MarcContents& one, const MarcContents& other)
{
    return ComparableLeader(one.leader) == ComparableLeader(other.leader) &&
           one.fields == other.fields;
}

QString NoCodec()
{
    return QStringLiteral("no reader of MARC records in this program");
}
} // namespace

void UseMarcCodec(MarcCodec* codec)
{
    gCodec.store(codec);
}

QStringList MarcContents::subfields(QStringView tag, QStringView code) const
{
    QStringList texts;
    for (const MarcField& field : fields) {
        if (field.control || field.tag != tag)
            continue;
        for (const MarcSubfield& subfield : field.subfields)
            if (subfield.code == code)
                texts.append(subfield.value);
    }
    return texts;
}

QString MarcContents::controlField(QStringView tag) const
{
    for (const MarcField& field : fields)
        if (field.control && field.tag == tag)
            return field.value;
    return {};
}

QString ComparableLeader(const QString& leader)
{
    QString comparable = leader;
    for (const auto& [from, count] : {std::pair{0, 5}, std::pair{12, 5}})
        if (comparable.size() >= from + count)
            comparable.replace(from, count, QString(count, u' '));
    return comparable;
}

std::optional<MarcContents> ReadMarcXmlContents(const QString& xml)
{
    QXmlStreamReader reader(xml);
    MarcContents contents;
    if (!reader.readNextStartElement() || reader.name() != u"record")
        return std::nullopt;
    while (reader.readNextStartElement()) {
        const QStringView name = reader.name();
        const QXmlStreamAttributes attributes = reader.attributes();
        if (name == u"leader") {
            contents.leader = reader.readElementText();
        } else if (name == u"controlfield") {
            MarcField field;
            field.control = true;
            field.tag = attributes.value(QLatin1String("tag")).toString();
            field.value = reader.readElementText();
            contents.fields.append(std::move(field));
        } else if (name == u"datafield") {
            MarcField field;
            field.tag = attributes.value(QLatin1String("tag")).toString();
            field.indicators = attributes.value(QLatin1String("ind1")).toString() +
                               attributes.value(QLatin1String("ind2")).toString();
            while (reader.readNextStartElement()) {
                if (reader.name() != u"subfield") {
                    reader.skipCurrentElement();
                    continue;
                }
                const QString code = reader.attributes().value(QLatin1String("code")).toString();
                field.subfields.append(MarcSubfield{code, reader.readElementText()});
            }
            contents.fields.append(std::move(field));
        } else {
            reader.skipCurrentElement();
        }
    }
    if (reader.hasError())
        return std::nullopt;
    return contents;
}

std::variant<MarcRecord, QString> MarcRecord::fromIso2709(QByteArrayView bytes)
{
    MarcCodec* const codec = gCodec.load();
    if (!codec)
        return NoCodec();
    const auto marcXml = codec->marcXmlOfIso2709(bytes);
    if (marcXml.index() != 0)
        return std::get<1>(marcXml);
    return fromMarcXml(std::get<0>(marcXml).toUtf8());
}

std::variant<MarcRecord, QString> MarcRecord::fromMarcXml(QByteArrayView xml)
{
    MarcCodec* const codec = gCodec.load();
    if (!codec)
        return NoCodec();
    auto written = codec->written(xml);
    if (written.index() != 0)
        return std::get<1>(written);
    MarcWritten& forms = std::get<0>(written);
    MarcRecord record;
    record.m_marcXml = std::move(forms.marcXml);
    std::optional<MarcContents> contents = ReadMarcXmlContents(record.m_marcXml);
    if (!contents)
        return QStringLiteral("not a MARCXML record");
    record.m_contents = std::move(*contents);
    if (!Marc21Counts(QStringView(record.m_contents.leader).mid(10, 2)))
        return kNotMarc21Record.toString();

    // Kept only if it can be written out as both: YAZ's ISO 2709 writer leaves out what does not
    // fit its five digits of length, or a field's four, and says nothing.
    if (!forms.iso2709)
        return QStringLiteral("it cannot be written as ISO 2709");
    record.m_iso2709 = std::move(*forms.iso2709);
    const std::optional<QString> readBack = codec->readBack(record.m_iso2709);
    const std::optional<MarcContents> again =
        readBack ? ReadMarcXmlContents(*readBack) : std::nullopt;
    if (record.m_iso2709.size() > kLargestIso2709 || !again ||
        !SameRecord(*again, record.m_contents))
        return QStringLiteral("it does not fit an ISO 2709 record");
    return record;
}

QByteArray MarcRecord::iso2709() const
{
    return m_iso2709;
}
