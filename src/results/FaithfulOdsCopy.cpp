#include "results/FaithfulOdsCopy.h"

#include "common/OperationFailed.h"
#include "platform/ZipArchive.h"
#include "results/SheetAnswers.h"
#include "results/XmlTokens.h"

#include <QCoreApplication>
#include <QHash>

#include <vector>

namespace {
const QString kOdsContent = QStringLiteral("content.xml");
const QLatin1String kTableNs("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QLatin1String kOfficeNs("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QLatin1String kTextNs("urn:oasis:names:tc:opendocument:xmlns:text:1.0");

// How many rows or columns an element stands for; at least one, and within the sheet's limit so
// that a hostile count cannot run a loop for ever.
qsizetype Repeated(const QXmlStreamAttributes& attributes, QLatin1String name, qsizetype most)
{
    const qsizetype count = attributes.value(kTableNs, name).toLongLong();
    return std::clamp<qsizetype>(count, 1, most);
}

bool IsCell(const QXmlStreamReader& xml)
{
    return xml.namespaceUri() == kTableNs &&
           (xml.name() == u"table-cell" || xml.name() == u"covered-table-cell");
}

// Whether a cell holds something, by its start tag: a value, a formula, a span, or a covered
// place of a span. A cell with a style alone is empty.
bool HoldsSomething(const QXmlStreamReader& xml)
{
    if (xml.name() == u"covered-table-cell")
        return true;
    for (const QXmlStreamAttribute& attribute : xml.attributes()) {
        const QStringView name = attribute.name();
        if (name != u"number-columns-repeated" && name != u"style-name")
            return true;
    }
    return false;
}

// Walks the chosen table's rows and cells: rows counted with their repeats, cells with theirs.
// Nested tables (in a cell) are not the table's rows.
class TableWalk
{
public:
    TableWalk(QString tableName, qsizetype maxRows, qsizetype maxColumns)
        : m_tableName(std::move(tableName))
        , m_maxRows(maxRows)
        , m_maxColumns(maxColumns)
    {}

    // Updates the place for the token the reader stands on.
    void step(const QXmlStreamReader& xml)
    {
        if (xml.isStartElement()) {
            ++m_depth;
            if (m_tableDepth < 0 && !m_done && xml.namespaceUri() == kTableNs &&
                xml.name() == u"table" &&
                xml.attributes().value(kTableNs, QLatin1String("name")) == m_tableName) {
                m_tableDepth = m_depth;
            } else if (inTable() && m_cellDepth < 0 && xml.namespaceUri() == kTableNs &&
                       xml.name() == u"table-row") {
                m_rowDepth = m_depth;
                m_rowRepeat =
                    Repeated(xml.attributes(), QLatin1String("number-rows-repeated"), m_maxRows);
                m_column = 0;
            } else if (m_rowDepth > 0 && m_cellDepth < 0 && m_depth == m_rowDepth + 1 &&
                       IsCell(xml)) {
                m_cellDepth = m_depth;
                m_cellRepeat = Repeated(xml.attributes(), QLatin1String("number-columns-repeated"),
                                        m_maxColumns);
            }
        } else if (xml.isEndElement()) {
            if (m_depth == m_cellDepth) {
                m_cellDepth = -1;
                m_column += m_cellRepeat;
            } else if (m_depth == m_rowDepth) {
                m_rowDepth = -1;
                m_row += m_rowRepeat;
            } else if (m_depth == m_tableDepth) {
                m_tableDepth = -1;
                m_done = true;
            }
            --m_depth;
        }
    }

    bool inTable() const { return m_tableDepth > 0; }
    bool found() const { return m_done || m_tableDepth > 0; }
    int depth() const { return m_depth; }
    int rowDepth() const { return m_rowDepth; }
    int cellDepth() const { return m_cellDepth; }
    // The first row (from 0) of the row being read, and how many it stands for.
    qsizetype row() const { return m_row; }
    qsizetype rowRepeat() const { return m_rowRepeat; }
    // The first column of the cell being read, and how many it stands for.
    qsizetype column() const { return m_column; }
    qsizetype cellRepeat() const { return m_cellRepeat; }

private:
    QString m_tableName;
    qsizetype m_maxRows;
    qsizetype m_maxColumns;
    int m_depth = 0;
    int m_tableDepth = -1;
    int m_rowDepth = -1;
    int m_cellDepth = -1;
    bool m_done = false;
    qsizetype m_row = 0;
    qsizetype m_rowRepeat = 1;
    qsizetype m_column = 0;
    qsizetype m_cellRepeat = 1;
};

struct TableReach
{
    qsizetype lastColumn = -1;
    QString headerStyle;
    bool found = false;
};

TableReach Survey(QIODevice& in, const QString& tableName, const SheetAnswers& answers,
                  const SheetLimits& limits)
{
    TableReach reach;
    QXmlStreamReader xml(&in);
    TableWalk walk(tableName, limits.maxRows, limits.maxColumns);
    while (!xml.atEnd()) {
        xml.readNext();
        walk.step(xml);
        if (!xml.isStartElement() || walk.cellDepth() != walk.depth())
            continue;
        if (HoldsSomething(xml))
            reach.lastColumn = std::max(reach.lastColumn, walk.column() + walk.cellRepeat() - 1);
        if (walk.row() == answers.headerRow() && walk.column() <= answers.codeColumn() &&
            answers.codeColumn() < walk.column() + walk.cellRepeat())
            reach.headerStyle =
                xml.attributes().value(kTableNs, QLatin1String("style-name")).toString();
    }
    ThrowIfUnread(xml, in, kOdsContent);
    reach.found = walk.found();
    return reach;
}

// The prefixes the document gave the namespaces the new cells use.
struct Prefixes
{
    QString table = QStringLiteral("table");
    QString office = QStringLiteral("office");
    QString text = QStringLiteral("text");
};

class ContentRewrite
{
public:
    ContentRewrite(const SheetAnswers& answers, const QString& tableName, qsizetype firstColumn,
                   QString headerStyle, const SheetLimits& limits)
        : m_answers(answers)
        , m_walk(tableName, limits.maxRows, limits.maxColumns)
        , m_firstColumn(firstColumn)
        , m_headerStyle(std::move(headerStyle))
    {}

    void run(QIODevice& in, QIODevice& out)
    {
        QXmlStreamReader xml(&in);
        QXmlStreamWriter writer(&out);
        std::vector<XmlToken> row;
        qsizetype rowStart = 0;
        qsizetype rowRepeat = 1;
        bool holding = false;
        while (!xml.atEnd()) {
            xml.readNext();
            m_walk.step(xml);
            XmlToken token = XmlToken::current(xml, kOdsContent);
            if (xml.isStartElement() && m_walk.depth() == 1)
                notePrefixes(xml);
            if (xml.isStartElement() && m_walk.rowDepth() == m_walk.depth() &&
                m_walk.cellDepth() < 0 && !holding) {
                rowStart = m_walk.row();
                rowRepeat = m_walk.rowRepeat();
                holding = takesAnswers(rowStart, rowRepeat);
                if (holding) {
                    row.clear();
                    m_rowCells.clear();
                }
            }
            if (!holding) {
                token.write(writer);
                continue;
            }
            // The row is held, its cells marked by their places, until its end.
            if (xml.isStartElement() && m_walk.cellDepth() == m_walk.depth())
                m_rowCells.push_back({qsizetype(row.size()), m_walk.column(), m_walk.cellRepeat()});
            row.push_back(std::move(token));
            if (xml.isEndElement() && m_walk.rowDepth() < 0) {
                holding = false;
                writeRows(writer, row, rowStart, rowRepeat);
            }
        }
        ThrowIfUnread(xml, in, kOdsContent);
        if (writer.hasError())
            throw OperationFailed(
                QCoreApplication::translate("FaithfulOdsCopy", "the copy cannot be written: %1")
                    .arg(out.errorString()));
    }

private:
    struct HeldCell
    {
        qsizetype token = 0; // its start among the row's tokens
        qsizetype column = 0;
        qsizetype repeat = 1;
    };

    void notePrefixes(const QXmlStreamReader& xml)
    {
        for (const QXmlStreamNamespaceDeclaration& declared : xml.namespaceDeclarations()) {
            if (declared.namespaceUri() == kTableNs)
                m_prefixes.table = declared.prefix().toString();
            else if (declared.namespaceUri() == kOfficeNs)
                m_prefixes.office = declared.prefix().toString();
            else if (declared.namespaceUri() == kTextNs)
                m_prefixes.text = declared.prefix().toString();
        }
    }

    const QStringList* cellsOf(qsizetype row)
    {
        if (row == m_answers.headerRow())
            return &m_answers.header();
        return m_answers.answersOf(row, m_next);
    }

    bool takesAnswers(qsizetype first, qsizetype count)
    {
        if (m_answers.headerRow() >= first && m_answers.headerRow() < first + count)
            return true;
        const auto& rows = m_answers.rows();
        while (m_nextHeld < rows.size() && rows[m_nextHeld].row < first)
            ++m_nextHeld;
        return m_nextHeld < rows.size() && rows[m_nextHeld].row < first + count;
    }

    // The held row as the rows it stands for: runs without answers stay one repeated row, each
    // row with answers is written alone with them.
    void writeRows(QXmlStreamWriter& writer, const std::vector<XmlToken>& row, qsizetype first,
                   qsizetype count)
    {
        qsizetype runStart = first;
        for (qsizetype r = first; r < first + count; ++r) {
            const QStringList* cells = cellsOf(r);
            if (!cells)
                continue;
            if (r > runStart)
                writeRow(writer, row, r - runStart, nullptr, false);
            writeRow(writer, row, 1, cells, r == m_answers.headerRow());
            runStart = r + 1;
        }
        if (first + count > runStart)
            writeRow(writer, row, first + count - runStart, nullptr, false);
    }

    void writeRow(QXmlStreamWriter& writer, const std::vector<XmlToken>& row, qsizetype repeat,
                  const QStringList* cells, bool header)
    {
        XmlToken start = row.front();
        QXmlStreamAttributes attributes;
        for (const QXmlStreamAttribute& attribute : start.attributes) {
            if (attribute.namespaceUri() != kTableNs || attribute.name() != u"number-rows-repeated")
                attributes.append(attribute);
        }
        if (repeat > 1)
            attributes.append(m_prefixes.table + QStringLiteral(":number-rows-repeated"),
                              QString::number(repeat));
        start.attributes = attributes;
        start.write(writer);
        if (!cells) {
            for (std::size_t i = 1; i < row.size(); ++i)
                row[i].write(writer);
            return;
        }
        // The cells up to the first free column; an empty run that reaches past it ends there,
        // and empty cells after it are left out.
        qsizetype reached = 0;
        std::size_t i = 1;
        for (const HeldCell& cell : m_rowCells) {
            for (; i < std::size_t(cell.token); ++i)
                row[i].write(writer);
            std::size_t end = i + 1;
            for (int depth = 1; end < row.size() && depth > 0; ++end) {
                if (row[end].type == QXmlStreamReader::StartElement)
                    ++depth;
                else if (row[end].type == QXmlStreamReader::EndElement)
                    --depth;
            }
            if (cell.column >= m_firstColumn) {
                i = end;
                continue;
            }
            XmlToken cellStart = row[i];
            if (cell.column + cell.repeat > m_firstColumn) {
                QXmlStreamAttributes kept;
                for (const QXmlStreamAttribute& attribute : cellStart.attributes) {
                    if (attribute.name() != u"number-columns-repeated")
                        kept.append(attribute);
                }
                if (m_firstColumn - cell.column > 1)
                    kept.append(m_prefixes.table + QStringLiteral(":number-columns-repeated"),
                                QString::number(m_firstColumn - cell.column));
                cellStart.attributes = kept;
            }
            cellStart.write(writer);
            for (++i; i < end; ++i)
                row[i].write(writer);
            reached = std::min(cell.column + cell.repeat, m_firstColumn);
        }
        if (reached < m_firstColumn) {
            writer.writeStartElement(m_prefixes.table + QStringLiteral(":table-cell"));
            if (m_firstColumn - reached > 1)
                writer.writeAttribute(m_prefixes.table + QStringLiteral(":number-columns-repeated"),
                                      QString::number(m_firstColumn - reached));
            writer.writeEndElement();
        }
        for (const QString& text : *cells)
            writeTextCell(writer, XmlSafeText(text), header);
        // Whatever followed the last cell, and the row's end.
        std::size_t tail = row.size() - 1;
        for (std::size_t j = std::max(i, std::size_t(1)); j < tail; ++j)
            row[j].write(writer);
        row[tail].write(writer);
    }

    // A text cell, its spaces, tabs and line breaks spelled out as OpenDocument keeps them.
    void writeTextCell(QXmlStreamWriter& writer, const QString& text, bool header)
    {
        writer.writeStartElement(m_prefixes.table + QStringLiteral(":table-cell"));
        if (header && !m_headerStyle.isEmpty())
            writer.writeAttribute(m_prefixes.table + QStringLiteral(":style-name"), m_headerStyle);
        if (text.isEmpty()) {
            writer.writeEndElement();
            return;
        }
        writer.writeAttribute(m_prefixes.office + QStringLiteral(":value-type"),
                              QStringLiteral("string"));
        const QString tag = m_prefixes.text + u':';
        for (const QString& line : text.split(u'\n')) {
            writer.writeStartElement(tag + QStringLiteral("p"));
            QString plain;
            const auto flush = [&] {
                writer.writeCharacters(plain);
                plain.clear();
            };
            for (qsizetype c = 0; c < line.size(); ++c) {
                const QChar ch = line[c];
                if (ch == u'\t') {
                    flush();
                    writer.writeEmptyElement(tag + QStringLiteral("tab"));
                } else if (ch == u'\r') {
                    continue;
                } else if (ch == u' ' && (c == 0 || line[c - 1] == u' ' || c + 1 == line.size())) {
                    // Spaces a reader would collapse: the first of a run stays a space unless it
                    // starts or ends the line; the rest are counted.
                    qsizetype run = 1;
                    while (c + run < line.size() && line[c + run] == u' ')
                        ++run;
                    flush();
                    writer.writeEmptyElement(tag + QStringLiteral("s"));
                    if (run > 1)
                        writer.writeAttribute(tag + QStringLiteral("c"), QString::number(run));
                    c += run - 1;
                } else {
                    plain += ch;
                }
            }
            flush();
            writer.writeEndElement();
        }
        writer.writeEndElement();
    }

    const SheetAnswers& m_answers;
    TableWalk m_walk;
    qsizetype m_firstColumn;
    QString m_headerStyle;
    Prefixes m_prefixes;
    std::vector<HeldCell> m_rowCells;
    std::size_t m_next = 0;
    std::size_t m_nextHeld = 0;
};
} // namespace

void FaithfulOdsCopy::write(ZipArchive& archive, const QString& tableName, const QString& target,
                            const SheetAnswers& answers, const SheetLimits& limits)
{
    TableReach reach;
    {
        const std::unique_ptr<QIODevice> in =
            archive.stream(kOdsContent, limits.maxEntryBytes, limits.maxEntryRatio);
        reach = Survey(*in, tableName, answers, limits);
    }
    if (!reach.found)
        throw OperationFailed(
            QCoreApplication::translate("FaithfulOdsCopy", "it has no sheet \"%1\"")
                .arg(tableName));
    const qsizetype firstColumn = std::max(reach.lastColumn + 1, answers.sheetWidth());
    archive.copyReplacing(target, kOdsContent, [&](QIODevice& out) {
        const std::unique_ptr<QIODevice> in =
            archive.stream(kOdsContent, limits.maxEntryBytes, limits.maxEntryRatio);
        ContentRewrite(answers, tableName, firstColumn, reach.headerStyle, limits).run(*in, out);
    });
}

void FaithfulOdsCopy::checkCopyable(ZipArchive& archive, const SheetLimits& limits)
{
    const std::unique_ptr<QIODevice> in =
        archive.stream(kOdsContent, limits.maxEntryBytes, limits.maxEntryRatio);
    RootNamespace(*in, kOdsContent);
}
