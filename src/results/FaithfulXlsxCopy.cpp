#include "results/FaithfulXlsxCopy.h"

#include "common/CellText.h"
#include "common/OperationFailed.h"
#include "platform/ZipArchive.h"
#include "results/SheetAnswers.h"
#include "results/XmlTokens.h"
#include "sheets/CodeColumn.h"
#include "sheets/XlsxReader.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <optional>
#include <utility>

namespace {
const QLatin1String kStrictPrefix("http://purl.oclc.org/ooxml/");

// The column (from 0) of a reference's letters ("AB12" gives 27); -1 when it has none.
qsizetype ColumnOf(QStringView reference)
{
    qsizetype column = 0;
    qsizetype letters = 0;
    for (; letters < reference.size() && letters < 4; ++letters) {
        const char16_t c = QChar::toUpper(reference[letters].unicode());
        if (c < u'A' || c > u'Z')
            break;
        column = column * 26 + (c - u'A' + 1);
    }
    return letters == 0 ? -1 : column - 1;
}

// The row number of a reference ("AB12" gives 12); 0 when it has none.
qsizetype RowNumberOf(QStringView reference)
{
    qsizetype at = 0;
    while (at < reference.size() && reference[at].isLetter())
        ++at;
    bool ok = false;
    const qsizetype number = reference.mid(at).toLongLong(&ok);
    return ok ? number : 0;
}

// The part's own bytes, passed through to the copy but where a tag is written anew or answers go
// in. The reader gives places as offsets in UTF-16 units; the bytes are the UTF-8 the reader
// checked, so each offset maps back to one byte. Bytes are kept from the last place the copy
// reached, and written out in large blocks.
class Splice
{
public:
    enum class Tag { Open, Closed };

    explicit Splice(QIODevice& out)
        : m_out(out)
    {}

    // Reads the next piece of the part and gives it to the reader too; false at its end or when
    // reading failed (the device says why).
    bool feed(QIODevice& in, QXmlStreamReader& xml)
    {
        // What the copy wrote already is not needed any more.
        if (m_kept > 0) {
            m_raw.remove(0, m_kept);
            m_walk -= m_kept;
            m_kept = 0;
        }
        QByteArray piece(kPiece, Qt::Uninitialized);
        const qint64 got = in.read(piece.data(), kPiece);
        if (got <= 0)
            return false;
        piece.truncate(got);
        m_raw.append(piece);
        xml.addData(piece);
        return true;
    }

    // Whether the part, as the reader decodes it, is UTF-8: declared so or not at all, and not
    // UTF-16 by its first bytes. A byte-order mark is not counted in the reader's offsets.
    bool isUtf8(QStringView declared)
    {
        const QByteArrayView start =
            QByteArrayView(m_raw).first(std::min<qsizetype>(4, m_raw.size()));
        if (start.contains('\0') || start.startsWith("\xFE\xFF") || start.startsWith("\xFF\xFE"))
            return false;
        if (!declared.isEmpty() && declared.compare(u"UTF-8", Qt::CaseInsensitive) != 0)
            return false;
        if (start.startsWith("\xEF\xBB\xBF"))
            m_walk = 3;
        return true;
    }

    // Whether the tag that ends at the offset closes itself (<row r="5"/>).
    bool selfClosing(qint64 offset)
    {
        const qsizetype end = byteAt(offset);
        return end >= 2 && m_raw.at(end - 2) == '/';
    }

    // The start tag that ends at the offset written anew from the token, then `after`.
    void replaceTag(qint64 offset, const XmlToken& token, Tag tag, QByteArrayView after = {})
    {
        const qsizetype end = byteAt(offset);
        copyTo(tagStart(end));
        QString written;
        QXmlStreamWriter writer(&written);
        token.write(writer);
        if (tag == Tag::Closed)
            writer.writeEndElement();
        else
            writer.writeCharacters(QString()); // the writer closes the start tag for it
        put(written.toUtf8());
        put(after);
        m_kept = end;
    }

    // The bytes put in before the tag that ends at the offset.
    void insertBeforeTag(qint64 offset, QByteArrayView bytes)
    {
        copyTo(tagStart(byteAt(offset)));
        put(bytes);
    }

    // The part as it was up to the offset, which ends a tag: called often, it keeps the bytes
    // held few without mapping every offset.
    void keepAtTagEnd(qint64 offset)
    {
        if (m_raw.size() - m_kept >= kPiece)
            copyTo(byteAt(offset));
    }

    // Everything after the last token, as it is, then the copy's last block.
    void finish(QIODevice& in, QXmlStreamReader& xml, const QString& part)
    {
        copyTo(m_raw.size());
        QByteArray piece(kPiece, Qt::Uninitialized);
        for (qint64 got; (got = in.read(piece.data(), kPiece)) != 0;) {
            if (got < 0) {
                xml.raiseError();
                ThrowIfUnread(xml, in, part); // the device's reason
            }
            put(QByteArrayView(piece).first(got));
        }
        writeOut();
    }

private:
    static constexpr qsizetype kPiece = 256 * 1024;
    static constexpr qsizetype kBlock = 1024 * 1024;

    // The byte in m_raw at the reader's offset; offsets only grow.
    qsizetype byteAt(qint64 offset)
    {
        const auto* bytes = reinterpret_cast<const uchar*>(m_raw.constData());
        const qsizetype size = m_raw.size();
        qsizetype at = m_walk;
        qint64 units = m_walkOffset;
        while (units < offset && at < size) {
            const uchar lead = bytes[at];
            at += lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            units += lead < 0xF0 ? 1 : 2; // past U+FFFF: two UTF-16 units
        }
        m_walk = at;
        m_walkOffset = units;
        return at;
    }

    // Where the tag that ends at `end` starts: its '<', which neither names nor attribute values
    // hold. It is never before the place the copy reached, which only ever stops at a tag's end.
    qsizetype tagStart(qsizetype end) const { return m_raw.lastIndexOf('<', end - 1); }

    void copyTo(qsizetype at)
    {
        put(QByteArrayView(m_raw).sliced(m_kept, at - m_kept));
        m_kept = at;
    }

    void put(QByteArrayView bytes)
    {
        m_block.append(bytes);
        if (m_block.size() >= kBlock)
            writeOut();
    }

    void writeOut()
    {
        if (!m_block.isEmpty() && m_out.write(m_block) != m_block.size())
            throw OperationFailed(
                QCoreApplication::translate("FaithfulXlsxCopy", "the copy cannot be written: %1")
                    .arg(m_out.errorString()));
        m_block.resize(0);
    }

    QIODevice& m_out;
    QByteArray m_raw;     // the part's bytes from the first one not yet copied or replaced
    qsizetype m_kept = 0; // m_raw's bytes before this are in the copy (or replaced)
    qsizetype m_walk = 0; // the byte at m_walkOffset
    qint64 m_walkOffset = 0;
    QByteArray m_block;
};

// Streams the sheet through, answers added. The first free column is known from the reading of
// the sheet, which counted every cell, empty ones with a style too.
class SheetRewrite
{
public:
    SheetRewrite(const SheetAnswers& answers, qsizetype firstColumn)
        : m_answers(answers)
        , m_firstColumn(firstColumn)
        , m_cells(&m_cellsText)
    {}

    // The sheet's own bytes copied through, only the tags that change written anew, when the
    // part is in UTF-8 (as every workbook writer saves it); gives nullopt, having written
    // nothing, for a part in another encoding.
    std::optional<qsizetype> splice(QIODevice& in, QIODevice& out, const QString& part)
    {
        QXmlStreamReader xml;
        Splice text(out);
        int depth = 0;
        bool inSheetData = false;
        bool ended = false;
        while (!ended) {
            switch (xml.readNext()) {
            case QXmlStreamReader::Invalid:
                if (xml.error() != QXmlStreamReader::PrematureEndOfDocumentError)
                    ThrowIfUnread(xml, in, part);
                if (!text.feed(in, xml))
                    ThrowIfUnread(xml, in, part);
                break;
            case QXmlStreamReader::StartDocument:
                if (!text.isUtf8(xml.documentEncoding()))
                    return std::nullopt;
                break;
            case QXmlStreamReader::StartElement: {
                ++depth;
                const QStringView name = xml.name();
                if (depth == 1 && xml.namespaceUri().startsWith(kStrictPrefix))
                    throw OperationFailed(QCoreApplication::translate(
                        "FaithfulXlsxCopy", "it is in strict Office Open XML"));
                if (inSheetData && depth == 4 && name == u"c") {
                    noteCell(xml.attributes());
                } else if (depth == 2 && name == u"dimension") {
                    XmlToken token = XmlToken::current(xml, part);
                    if (growDimension(token.attributes))
                        text.replaceTag(xml.characterOffset(), token,
                                        text.selfClosing(xml.characterOffset())
                                            ? Splice::Tag::Closed
                                            : Splice::Tag::Open);
                } else if (depth == 2 && name == u"sheetData") {
                    inSheetData = true;
                } else if (inSheetData && depth == 3 && name == u"row") {
                    spliceRowStart(xml, text, part);
                }
                text.keepAtTagEnd(xml.characterOffset());
                break;
            }
            case QXmlStreamReader::EndElement:
                if (inSheetData && depth == 3 && xml.name() == u"row")
                    spliceRowEnd(xml, text);
                else if (depth == 2 && xml.name() == u"sheetData")
                    inSheetData = false;
                --depth;
                text.keepAtTagEnd(xml.characterOffset());
                break;
            case QXmlStreamReader::EndDocument:
                ended = true;
                break;
            case QXmlStreamReader::DTD:
            case QXmlStreamReader::EntityReference:
                XmlToken::current(xml, part); // refused
                break;
            default:
                break;
            }
        }
        // What follows the root (spaces, a comment) is the file's too.
        text.finish(in, xml, part);
        return m_cut;
    }

    // The same, every token read and written again: for a part in another encoding than UTF-8,
    // which the copy writes in UTF-8.
    qsizetype rewrite(QIODevice& in, QIODevice& out, const QString& part)
    {
        QXmlStreamReader xml(&in);
        QXmlStreamWriter writer(&out);
        int depth = 0;
        bool inSheetData = false;
        while (!xml.atEnd()) {
            xml.readNext();
            XmlToken token = XmlToken::current(xml, part);
            if (token.type == QXmlStreamReader::StartElement) {
                ++depth;
                if (depth == 1 && xml.namespaceUri().startsWith(kStrictPrefix))
                    throw OperationFailed(QCoreApplication::translate(
                        "FaithfulXlsxCopy", "it is in strict Office Open XML"));
                if (inSheetData && depth == 4 && xml.name() == u"c")
                    noteCell(token.attributes);
                else if (depth == 2 && xml.name() == u"dimension")
                    growDimension(token.attributes);
                else if (depth == 2 && xml.name() == u"sheetData")
                    inSheetData = true;
                else if (inSheetData && depth == 3 && xml.name() == u"row")
                    startRow(token.attributes);
            } else if (token.type == QXmlStreamReader::EndElement) {
                if (inSheetData && depth == 3 && xml.name() == u"row") {
                    if (const QStringList* cells = cellsOf(m_rowNumber - 1)) {
                        const qsizetype colon = token.qualifiedName.indexOf(u':');
                        writeCells(writer, *cells, token.qualifiedName.left(colon + 1));
                    }
                } else if (depth == 2 && xml.name() == u"sheetData") {
                    inSheetData = false;
                }
                --depth;
            }
            token.write(writer);
        }
        ThrowIfUnread(xml, in, part);
        if (writer.hasError())
            throw OperationFailed(
                QCoreApplication::translate("FaithfulXlsxCopy", "the copy cannot be written: %1")
                    .arg(out.errorString()));
        return m_cut;
    }

private:
    qsizetype lastAnswerColumn() const { return m_firstColumn + m_answers.answerColumns() - 1; }

    // Whether the reference had to grow.
    bool growDimension(QXmlStreamAttributes& attributes)
    {
        for (QXmlStreamAttribute& attribute : attributes) {
            if (attribute.qualifiedName() != u"ref")
                continue;
            const QString ref = attribute.value().toString();
            const qsizetype colon = ref.indexOf(u':');
            const QString first = colon < 0 ? ref : ref.left(colon);
            const QString last = colon < 0 ? ref : ref.mid(colon + 1);
            const qsizetype lastColumn = ColumnOf(last);
            const qsizetype lastRow = RowNumberOf(last);
            if (lastColumn < 0 || lastRow < 1 || lastColumn >= lastAnswerColumn())
                return false;
            attribute = QXmlStreamAttribute(attribute.qualifiedName().toString(),
                                            first + u':' + ColumnLetter(lastAnswerColumn()) +
                                                QString::number(lastRow));
            return true;
        }
        return false;
    }

    // Whether the row's span had to grow.
    bool startRow(QXmlStreamAttributes& attributes)
    {
        const qsizetype r = attributes.value(QLatin1String("r")).toLongLong();
        m_rowNumber = r > 0 ? r : m_rowNumber + 1;
        m_column = -1;
        const QStringList* cells = cellsOf(m_rowNumber - 1);
        if (!cells)
            return false;
        // The span a row declares is a hint for readers; it must take the new cells in.
        for (QXmlStreamAttribute& attribute : attributes) {
            if (attribute.qualifiedName() != u"spans")
                continue;
            const QString spans = attribute.value().toString();
            const qsizetype colon = spans.indexOf(u':');
            if (colon > 0 && spans.mid(colon + 1).toLongLong() < lastAnswerColumn() + 1) {
                attribute = QXmlStreamAttribute(QStringLiteral("spans"),
                                                spans.left(colon + 1) +
                                                    QString::number(lastAnswerColumn() + 1));
                return true;
            }
        }
        return false;
    }

    void spliceRowStart(const QXmlStreamReader& xml, Splice& text, const QString& part)
    {
        XmlToken token = XmlToken::current(xml, part);
        const bool spansGrew = startRow(token.attributes);
        m_emptyRowDone = false;
        if (!text.selfClosing(xml.characterOffset())) {
            if (spansGrew)
                text.replaceTag(xml.characterOffset(), token, Splice::Tag::Open);
            return;
        }
        // <row r="5"/> with answers becomes <row r="5">answers</row>.
        const QStringList* cells = cellsOf(m_rowNumber - 1);
        const QByteArray answers = cells ? answerCells(*cells, token.qualifiedName) : QByteArray();
        m_emptyRowDone = true;
        if (answers.isEmpty()) {
            if (spansGrew)
                text.replaceTag(xml.characterOffset(), token, Splice::Tag::Closed);
            return;
        }
        text.replaceTag(xml.characterOffset(), token, Splice::Tag::Open,
                        QByteArray(answers + "</" + token.qualifiedName.toUtf8() + '>'));
    }

    void spliceRowEnd(const QXmlStreamReader& xml, Splice& text)
    {
        if (std::exchange(m_emptyRowDone, false))
            return;
        const QStringList* cells = cellsOf(m_rowNumber - 1);
        if (!cells)
            return;
        const QByteArray answers = answerCells(*cells, xml.qualifiedName());
        if (!answers.isEmpty())
            text.insertBeforeTag(xml.characterOffset(), answers);
    }

    void noteCell(const QXmlStreamAttributes& attributes)
    {
        const qsizetype at = ColumnOf(attributes.value(QLatin1String("r")));
        m_column = at >= 0 ? at : m_column + 1;
        if (m_rowNumber - 1 == m_answers.headerRow() && m_column == m_answers.codeColumn())
            m_headerStyle = attributes.value(QLatin1String("s")).toString();
        // The file changed since it was read: the answers would take a place it uses.
        if (m_column >= m_firstColumn && cellsOf(m_rowNumber - 1))
            throw OperationFailed(QCoreApplication::translate(
                "FaithfulXlsxCopy", "it changed while its codes were looked up"));
    }

    const QStringList* cellsOf(qsizetype row)
    {
        if (row == m_answers.headerRow())
            return &m_answers.header();
        return m_answers.answersOf(row, m_next);
    }

    // The row's answer cells in UTF-8. The header row's, which take a style from the file, go
    // through a writer; the others, a hundred thousand rows of them in a large sheet, are put
    // together here, the text escaped as the writer escapes it (Qt's escaping of < > & and ",
    // after XmlSafeText dropped what XML cannot hold).
    QByteArray answerCells(const QStringList& cells, QStringView rowName)
    {
        const qsizetype colon = rowName.indexOf(u':');
        const QStringView prefix = colon < 0 ? QStringView() : rowName.first(colon + 1);
        if (m_rowNumber - 1 == m_answers.headerRow()) {
            m_cellsText.resize(0);
            writeCells(m_cells, cells, prefix.toString());
            return m_cellsText.toUtf8();
        }
        if (prefix != m_cellPrefix || m_cellStart.isEmpty()) {
            m_cellPrefix = prefix.toString();
            const QByteArray p = m_cellPrefix.toUtf8();
            m_cellStart = '<' + p + "c r=\"";
            m_cellMiddle = "\" t=\"inlineStr\"><" + p + "is><" + p + "t xml:space=\"preserve\">";
            m_cellEnd = "</" + p + "t></" + p + "is></" + p + "c>";
        }
        while (m_answerColumns.size() < cells.size())
            m_answerColumns.append(ColumnLetter(m_firstColumn + m_answerColumns.size()).toLatin1());
        const QByteArray row = QByteArray::number(m_rowNumber);
        QByteArray bytes;
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const QString text = cellText(cells.at(i));
            if (text.isEmpty())
                continue;
            bytes += m_cellStart + m_answerColumns.at(i) + row + m_cellMiddle +
                     text.toHtmlEscaped().toUtf8() + m_cellEnd;
        }
        return bytes;
    }

    // The cells take the row element's prefix ("x:" or none), whatever the sheet's writer chose.
    void writeCells(QXmlStreamWriter& writer, const QStringList& cells, const QString& prefix)
    {
        const bool header = m_rowNumber - 1 == m_answers.headerRow();
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const QString text = cellText(cells.at(i));
            if (text.isEmpty())
                continue;
            writer.writeStartElement(prefix + QStringLiteral("c"));
            writer.writeAttribute(QStringLiteral("r"),
                                  ColumnLetter(m_firstColumn + i) + QString::number(m_rowNumber));
            if (header && !m_headerStyle.isEmpty())
                writer.writeAttribute(QStringLiteral("s"), m_headerStyle);
            writer.writeAttribute(QStringLiteral("t"), QStringLiteral("inlineStr"));
            writer.writeStartElement(prefix + QStringLiteral("is"));
            writer.writeStartElement(prefix + QStringLiteral("t"));
            writer.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
            writer.writeCharacters(text);
            writer.writeEndElement();
            writer.writeEndElement();
            writer.writeEndElement();
        }
    }

    // An answer as a cell holds it: what XML cannot hold dropped, cut to Excel's limit (counted).
    QString cellText(const QString& answer)
    {
        QString text = XmlSafeText(answer);
        if (text.size() > kMostCellCharacters) {
            text = WithinCellLimit(text);
            ++m_cut;
        }
        return text;
    }

    const SheetAnswers& m_answers;
    qsizetype m_firstColumn;
    QString m_cellsText;
    QXmlStreamWriter m_cells;
    QString m_cellPrefix;
    QByteArray m_cellStart;
    QByteArray m_cellMiddle;
    QByteArray m_cellEnd;
    QByteArrayList m_answerColumns;
    QString m_headerStyle;
    qsizetype m_rowNumber = 0;
    qsizetype m_column = -1;
    std::size_t m_next = 0;
    qsizetype m_cut = 0;
    bool m_emptyRowDone = false;
};
} // namespace

void FaithfulXlsxCopy::checkCopyable(ZipArchive& archive, const SheetLimits& limits)
{
    const XlsxReader reader(archive, limits);
    for (const QString& part : reader.sheetParts()) {
        if (part.isEmpty())
            continue;
        std::unique_ptr<QIODevice> in;
        try {
            in = archive.stream(part, limits.maxEntryBytes, limits.maxEntryRatio);
        } catch (const OperationFailed&) {
            continue; // a sheet that cannot be read is not the one read, and is copied as it is
        }
        if (RootNamespace(*in, part).startsWith(kStrictPrefix))
            throw OperationFailed(
                QCoreApplication::translate("FaithfulXlsxCopy", "it is in strict Office Open XML"));
    }
}

qsizetype FaithfulXlsxCopy::write(ZipArchive& archive, const QString& sheetName,
                                  const QString& target, const SheetAnswers& answers,
                                  const SheetLimits& limits)
{
    const XlsxReader reader(archive, limits);
    const qsizetype index = reader.sheetNames().indexOf(sheetName);
    if (index < 0 || reader.sheetParts().value(index).isEmpty())
        throw OperationFailed(
            QCoreApplication::translate("FaithfulXlsxCopy", "it has no sheet \"%1\"")
                .arg(sheetName));
    const QString part = reader.sheetParts().at(index);
    const qsizetype firstColumn = answers.sheetWidth();
    if (firstColumn + answers.answerColumns() > limits.maxColumns)
        throw OperationFailed(QCoreApplication::translate(
            "FaithfulXlsxCopy", "its sheet has no free columns for the answers"));
    qsizetype cut = 0;
    archive.copyReplacing(target, part, [&](QIODevice& out) {
        const std::unique_ptr<QIODevice> in =
            archive.stream(part, limits.maxEntryBytes, limits.maxEntryRatio);
        if (const std::optional<qsizetype> spliced =
                SheetRewrite(answers, firstColumn).splice(*in, out, part)) {
            cut = *spliced;
            return;
        }
        const std::unique_ptr<QIODevice> again =
            archive.stream(part, limits.maxEntryBytes, limits.maxEntryRatio);
        cut = SheetRewrite(answers, firstColumn).rewrite(*again, out, part);
    });
    return cut;
}
