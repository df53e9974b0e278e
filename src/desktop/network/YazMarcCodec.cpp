#include "desktop/network/YazMarcCodec.h"

#include <QStringDecoder>

#include <algorithm>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <memory>
#include <mutex>
#include <yaz/marcdisp.h>
#include <yaz/wrbuf.h>
#include <yaz/yaz-iconv.h>

namespace {

constexpr QStringView kMarcXmlNamespace = u"http://www.loc.gov/MARC21/slim";
// YAZ's ISO 2709 reader looks a few bytes past a field's end for its separator and indicators
// (as many as the leader claims indicators, at most nine); the copy it reads is padded so that
// a record that ends early is read into zeros, never past the buffer.
constexpr qsizetype kReadingPadding = 64;

// The handles of YAZ and libxml2, each freed by its own function.
struct MarcFree
{
    void operator()(yaz_marc_t_* handle) const { yaz_marc_destroy(handle); }
};
using MarcHandle = std::unique_ptr<yaz_marc_t_, MarcFree>;

class Buffer final
{
public:
    Buffer()
        : m_buffer(wrbuf_alloc())
    {}
    ~Buffer() { wrbuf_destroy(m_buffer); }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;

    WRBUF get() const { return m_buffer; }
    QByteArray bytes() const
    {
        return QByteArray(wrbuf_buf(m_buffer), qsizetype(wrbuf_len(m_buffer)));
    }

private:
    WRBUF m_buffer;
};

class Converter final
{
public:
    Converter(const char* to, const char* from)
        : m_converter(yaz_iconv_open(to, from))
    {}
    ~Converter()
    {
        if (m_converter)
            yaz_iconv_close(m_converter);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    yaz_iconv_t get() const { return m_converter; }

private:
    yaz_iconv_t m_converter;
};

struct DocumentFree
{
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};
struct ContextFree
{
    void operator()(xmlParserCtxt* context) const { xmlFreeParserCtxt(context); }
};

// libxml2 sets up its tables once, before any thread uses it; the catalogue connection parses
// SRU answers on threads of its own.
void InitialiseXml()
{
    static std::once_flag once;
    std::call_once(once, [] { xmlInitParser(); });
}

// YAZ reports what it found wrong in a record as comments among its fields, and writes them
// into the MARCXML it makes of it; the text of a record is escaped there, so a comment is YAZ's.
QString YazComment(const QString& marcXml)
{
    const qsizetype start = marcXml.indexOf(QLatin1String("<!--"));
    if (start < 0)
        return {};
    const qsizetype end = marcXml.indexOf(QLatin1String("-->"), start);
    return marcXml.mid(start + 4, end < 0 ? -1 : end - start - 4).trimmed();
}

std::variant<QString, QString> Refusing(QString why)
{
    return std::variant<QString, QString>(std::in_place_index<1>, std::move(why));
}

QString Refused(QString reason)
{
    return reason.isEmpty() ? QStringLiteral("not a MARC record") : reason;
}

// The record YAZ holds, written as MARCXML; a comment YAZ wrote in it is why it is refused.
std::variant<QString, QString> WrittenMarcXml(yaz_marc_t handle, yaz_iconv_t converter)
{
    Buffer written;
    yaz_marc_xml(handle, YAZ_MARC_MARCXML);
    if (yaz_marc_write_mode(handle, written.get()) != 0)
        return std::variant<QString, QString>(std::in_place_index<1>,
                                              QStringLiteral("not a MARC record"));
    // A converter that was never given any text (a record of no fields) says "unknown": that is
    // no failure.
    if (converter && yaz_iconv_error(converter) > YAZ_ICONV_UNKNOWN)
        return std::variant<QString, QString>(std::in_place_index<1>,
                                              QStringLiteral("its text is not in the character "
                                                             "set its leader names"));
    QStringDecoder fromUtf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = fromUtf8(written.bytes());
    if (fromUtf8.hasError())
        return std::variant<QString, QString>(std::in_place_index<1>,
                                              QStringLiteral("its text is not UTF-8"));
    if (const QString comment = YazComment(text); !comment.isEmpty())
        return std::variant<QString, QString>(std::in_place_index<1>, comment);
    return std::variant<QString, QString>(std::in_place_index<0>, text);
}

bool IsElement(const xmlNode* node, const char* name)
{
    return node->type == XML_ELEMENT_NODE &&
           xmlStrcmp(node->name, reinterpret_cast<const xmlChar*>(name)) == 0;
}

// Whether an attribute's value is one ASCII character.
bool OneAsciiCharacter(const xmlAttr* attribute)
{
    const xmlNode* only = attribute->children;
    const xmlChar* value = only && !only->next ? only->content : nullptr;
    const QByteArrayView text(value ? reinterpret_cast<const char*>(value) : "");
    return text.size() == 1 && uchar(text[0]) < 0x80;
}

// MARC 21 has two indicators of one character each, and subfield codes of one character. YAZ
// takes an indicator of any length and writes its extra characters out as a third indicator,
// and an empty one as a blank, so such a record would not read back as itself; an empty subfield
// code (a MARC-8 code byte that converts to nothing leaves one) makes its writer read past the
// subfield's end. Empty, or why not.
QString IndicatorsAndCodesFit(const xmlNode* record)
{
    for (const xmlNode* field = record->children; field; field = field->next) {
        if (!IsElement(field, "datafield"))
            continue;
        for (const xmlAttr* attribute = field->properties; attribute; attribute = attribute->next) {
            const QByteArrayView name(reinterpret_cast<const char*>(attribute->name));
            if (name.startsWith("ind") &&
                ((name != "ind1" && name != "ind2") || !OneAsciiCharacter(attribute)))
                return QStringLiteral("indicators that are not MARC 21's (two of one character "
                                      "each)");
        }
        for (const xmlNode* subfield = field->children; subfield; subfield = subfield->next) {
            if (!IsElement(subfield, "subfield"))
                continue;
            const xmlAttr* code = xmlHasProp(subfield, reinterpret_cast<const xmlChar*>("code"));
            if (!code || !OneAsciiCharacter(code))
                return QStringLiteral("a subfield code that is not MARC 21's (one character)");
        }
    }
    return {};
}

// MARC 21 has two indicators and subfield codes of one character after the delimiter. YAZ
// reads other counts as a leader gives them, and its writer then reads past what it holds.
bool Marc21Counts(QAnyStringView counts)
{
    return counts == QLatin1StringView("22");
}

// YAZ keeps a record's fields as C strings: a NUL in one cuts it short, and its MARCXML writer
// then reads past the field's end.
const QString kNulByte = QStringLiteral("a NUL byte in its text");

const QString kNotMarc21 = kNotMarc21Record.toString();

// Reads one MARCXML <record> into YAZ's handle; empty, or why not.
QString ReadXmlInto(yaz_marc_t handle, QByteArrayView xml)
{
    InitialiseXml();
    if (xml.size() > kLargestMarcXml)
        return QStringLiteral("larger than a MARC 21 record can be");
    const std::unique_ptr<xmlParserCtxt, ContextFree> context(xmlNewParserCtxt());
    if (!context)
        return QStringLiteral("out of memory");
    // No network, no entities of a document type (refused below), no complaints on standard
    // error: the reason goes to the caller.
    const std::unique_ptr<xmlDoc, DocumentFree> document(xmlCtxtReadMemory(
        context.get(), xml.data(), int(xml.size()), nullptr, nullptr,
        XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_NOCDATA));
    if (!document) {
        const xmlError* error = xmlCtxtGetLastError(context.get());
        const QString said = error && error->message ? QString::fromUtf8(error->message).trimmed()
                                                     : QStringLiteral("malformed");
        return QStringLiteral("not XML (%1)").arg(said);
    }
    if (document->intSubset || document->extSubset)
        return QStringLiteral("a document type in a record");
    const xmlNode* root = xmlDocGetRootElement(document.get());
    if (!root || !IsElement(root, "record") ||
        (root->ns &&
         QString::fromUtf8(reinterpret_cast<const char*>(root->ns->href)) != kMarcXmlNamespace))
        return QStringLiteral("not a MARCXML record");
    if (QString unfit = IndicatorsAndCodesFit(root); !unfit.isEmpty())
        return unfit;
    if (yaz_marc_read_xml(handle, root) != 0)
        return QStringLiteral("not a MARCXML record");
    return {};
}

// Whether every piece of the record between its separators (the leader and directory, each
// indicator pair and subfield) is text in that character set, each converted by YAZ on its own.
// YAZ's writer drops what it cannot convert without a word, and its converter remembers only the
// last failure; asked piece by piece, none goes unnoticed.
bool ConvertsWhole(QByteArrayView record, const char* characterSet)
{
    const Converter converter("utf-8", characterSet);
    if (!converter.get())
        return false;
    char out[256];
    const auto convert = [&](char** in, size_t* inLeft) {
        for (;;) {
            char* at = out;
            size_t outLeft = sizeof out;
            if (yaz_iconv(converter.get(), in, inLeft, &at, &outLeft) != size_t(-1))
                return true;
            if (yaz_iconv_error(converter.get()) != YAZ_ICONV_E2BIG)
                return false;
        }
    };
    qsizetype start = 0;
    for (qsizetype i = 0; i <= record.size(); ++i) {
        const bool separator =
            i == record.size() || record[i] == '\x1d' || record[i] == '\x1e' || record[i] == '\x1f';
        if (!separator)
            continue;
        QByteArray piece = record.sliced(start, i - start).toByteArray();
        char* in = piece.data();
        size_t inLeft = size_t(piece.size());
        // The piece, then the end of it, which writes what the converter held back (a
        // combining mark waiting for its letter) and starts the next piece afresh.
        if (!convert(&in, &inLeft) || !convert(nullptr, nullptr))
            return false;
        start = i + 1;
    }
    return true;
}

} // namespace

std::variant<QString, QString> YazMarcCodec::marcXmlOfIso2709(QByteArrayView bytes)
{
    if (bytes.size() < 25)
        return Refusing(QStringLiteral("not a MARC record"));
    if (bytes.size() > kLargestIso2709)
        return Refusing(QStringLiteral("larger than a MARC 21 record can be"));
    // The five digits the leader starts with are the record's length: one that lies is not read
    // on, whichever way it lies.
    const QByteArrayView stated = bytes.first(5);
    if (std::all_of(stated.begin(), stated.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
        stated.toByteArray().toLongLong() != bytes.size())
        return Refusing(QStringLiteral("the leader says %1 bytes, the record has %2")
                            .arg(QString::number(stated.toByteArray().toLongLong()),
                                 QString::number(bytes.size())));
    if (!Marc21Counts(QLatin1StringView(bytes.sliced(10, 2))))
        return Refusing(kNotMarc21);
    if (bytes.contains('\0'))
        return Refusing(kNulByte);
    // Position 09 of the leader: 'a' for UTF-8; a blank (or anything else, which MARC 21 does
    // not define) for MARC-8. UTF-8 goes through the converter too, which checks it.
    const bool utf8 = bytes[9] == 'a';
    const char* const characterSet = utf8 ? "utf-8" : "marc8";
    const Converter converter("utf-8", characterSet);
    if (!converter.get())
        return Refusing(QStringLiteral("no converter for its character set"));
    if (!ConvertsWhole(bytes, characterSet))
        return Refusing(utf8 ? QStringLiteral("its text is not UTF-8, as its leader says")
                             : QStringLiteral("its text is not MARC-8, as its leader says"));
    const MarcHandle handle(yaz_marc_create());
    yaz_marc_iconv(handle.get(), converter.get());
    QByteArray padded = bytes.toByteArray();
    padded.append(kReadingPadding, '\0');
    const int read = yaz_marc_read_iso2709(handle.get(), padded.constData(), int(bytes.size()));
    if (read < 0) {
        // The comments YAZ left say why; without its leader there is nothing to write them into.
        Buffer lines;
        yaz_marc_write_line(handle.get(), lines.get());
        const QString said = QString::fromUtf8(lines.bytes());
        const qsizetype open = said.indexOf(u'(');
        return Refusing(Refused(
            open < 0 ? QString() : said.mid(open + 1, said.indexOf(u')', open) - open - 1)));
    }
    if (read != bytes.size())
        return Refusing(QStringLiteral("the leader says %1 bytes, the record has %2")
                            .arg(QString::number(read), QString::number(bytes.size())));
    yaz_marc_modify_leader(handle.get(), 9, "a");
    return WrittenMarcXml(handle.get(), converter.get());
}

std::variant<MarcWritten, QString> YazMarcCodec::written(QByteArrayView xml)
{
    const MarcHandle handle(yaz_marc_create());
    if (QString refused = ReadXmlInto(handle.get(), xml); !refused.isEmpty())
        return refused;
    // The text of XML is Unicode whatever the leader said before.
    yaz_marc_modify_leader(handle.get(), 9, "a");
    auto marcXml = WrittenMarcXml(handle.get(), nullptr);
    if (marcXml.index() != 0)
        return std::get<1>(marcXml);
    MarcWritten written{std::move(std::get<0>(marcXml)), std::nullopt};
    Buffer iso;
    yaz_marc_xml(handle.get(), YAZ_MARC_ISO2709);
    if (yaz_marc_write_mode(handle.get(), iso.get()) == 0)
        written.iso2709 = iso.bytes();
    return written;
}

std::optional<QString> YazMarcCodec::readBack(const QByteArray& iso)
{
    const MarcHandle handle(yaz_marc_create());
    QByteArray padded = iso;
    padded.append(kReadingPadding, '\0');
    if (yaz_marc_read_iso2709(handle.get(), padded.constData(), int(iso.size())) != iso.size())
        return std::nullopt;
    auto written = WrittenMarcXml(handle.get(), nullptr);
    if (written.index() != 0)
        return std::nullopt;
    return std::move(std::get<0>(written));
}
