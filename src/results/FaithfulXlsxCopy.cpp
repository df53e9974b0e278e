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

// Streams the sheet through, answers added. The first free column is known from the reading of
// the sheet, which counted every cell, empty ones with a style too.
class SheetRewrite
{
public:
    SheetRewrite(const SheetAnswers& answers, qsizetype firstColumn)
        : m_answers(answers)
        , m_firstColumn(firstColumn)
    {}

    qsizetype run(QIODevice& in, QIODevice& out, const QString& part)
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
                if (inSheetData && depth == 3 && xml.name() == u"row")
                    endRow(writer, token.qualifiedName);
                else if (depth == 2 && xml.name() == u"sheetData")
                    inSheetData = false;
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

    void growDimension(QXmlStreamAttributes& attributes)
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
                return;
            attribute = QXmlStreamAttribute(attribute.qualifiedName().toString(),
                                            first + u':' + ColumnLetter(lastAnswerColumn()) +
                                                QString::number(lastRow));
            return;
        }
    }

    void startRow(QXmlStreamAttributes& attributes)
    {
        const qsizetype r = attributes.value(QLatin1String("r")).toLongLong();
        m_rowNumber = r > 0 ? r : m_rowNumber + 1;
        m_column = -1;
        const QStringList* cells = cellsOf(m_rowNumber - 1);
        if (!cells)
            return;
        // The span a row declares is a hint for readers; it must take the new cells in.
        for (QXmlStreamAttribute& attribute : attributes) {
            if (attribute.qualifiedName() != u"spans")
                continue;
            const QString spans = attribute.value().toString();
            const qsizetype colon = spans.indexOf(u':');
            if (colon > 0 && spans.mid(colon + 1).toLongLong() < lastAnswerColumn() + 1)
                attribute = QXmlStreamAttribute(QStringLiteral("spans"),
                                                spans.left(colon + 1) +
                                                    QString::number(lastAnswerColumn() + 1));
        }
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

    void endRow(QXmlStreamWriter& writer, const QString& rowName)
    {
        const QStringList* cells = cellsOf(m_rowNumber - 1);
        if (!cells)
            return;
        const bool header = m_rowNumber - 1 == m_answers.headerRow();
        // The cells take the row element's prefix, whatever the sheet's writer chose.
        const qsizetype colon = rowName.indexOf(u':');
        const QString prefix = colon < 0 ? QString() : rowName.left(colon + 1);
        for (qsizetype i = 0; i < cells->size(); ++i) {
            QString text = XmlSafeText(cells->at(i));
            if (text.isEmpty())
                continue;
            if (text.size() > kMostCellCharacters) {
                text = WithinCellLimit(text);
                ++m_cut;
            }
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

    const SheetAnswers& m_answers;
    qsizetype m_firstColumn;
    QString m_headerStyle;
    qsizetype m_rowNumber = 0;
    qsizetype m_column = -1;
    std::size_t m_next = 0;
    qsizetype m_cut = 0;
};
} // namespace

bool FaithfulXlsxCopy::isStrict(ZipArchive& archive, const SheetLimits& limits)
{
    const XlsxReader reader(archive, limits);
    for (const QString& part : reader.sheetParts()) {
        if (part.isEmpty())
            continue;
        const std::unique_ptr<QIODevice> in =
            archive.stream(part, limits.maxEntryBytes, limits.maxEntryRatio);
        QXmlStreamReader xml(in.get());
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement)
                return xml.namespaceUri().startsWith(kStrictPrefix);
        }
        return false;
    }
    return false;
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
        cut = SheetRewrite(answers, firstColumn).run(*in, out, part);
    });
    return cut;
}
