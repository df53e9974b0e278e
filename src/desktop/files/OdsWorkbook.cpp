#include "desktop/files/OdsWorkbook.h"

#include "common/OperationFailed.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cmath>
#include <memory>
#include <zip.h>

namespace {
// Rows as wide as the widest sheet LibreOffice makes, and as long as Excel's.
constexpr int kMaxColumns = 16384;
constexpr int kMaxRows = 1048576;

const QString kMediaType = QStringLiteral("application/vnd.oasis.opendocument.spreadsheet");
constexpr qint64 kCopyBytes = 1024 * 1024;

// XML 1.0 holds no control characters but tab and line breaks; a spreadsheet cell may.
bool WritableInXml(char16_t c)
{
    return c >= 0x20 ? c != 0xFFFE && c != 0xFFFF : c == u'\t';
}

// The text of a cell as paragraphs: a line each, a tab as <text:tab/>, and spaces that XML would
// collapse (leading, trailing, or more than one) counted in <text:s/>.
void WriteParagraphs(QXmlStreamWriter& xml, const QString& text)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(u'\r', u'\n');
    for (const QStringView line : QStringView(normal).split(u'\n')) {
        xml.writeStartElement(QStringLiteral("text:p"));
        QString run;
        qsizetype spaces = 0;
        const auto flushSpaces = [&](bool edge) {
            if (spaces == 0)
                return;
            if (!edge) {
                run += u' ';
                --spaces;
            }
            if (spaces > 0) {
                xml.writeCharacters(run);
                run.clear();
                xml.writeEmptyElement(QStringLiteral("text:s"));
                if (spaces > 1)
                    xml.writeAttribute(QStringLiteral("text:c"), QString::number(spaces));
            }
            spaces = 0;
        };
        bool started = false;
        for (const QChar c : line) {
            if (c == u' ') {
                ++spaces;
                continue;
            }
            flushSpaces(!started);
            started = true;
            if (c == u'\t') {
                xml.writeCharacters(run);
                run.clear();
                xml.writeEmptyElement(QStringLiteral("text:tab"));
            } else if (WritableInXml(c.unicode())) {
                run += c;
            }
        }
        flushSpaces(true);
        xml.writeCharacters(run);
        xml.writeEndElement();
    }
}

QString IsoDateOfSerial(double serial, bool& withTime)
{
    const double days = std::floor(serial);
    const qint64 seconds = std::llround((serial - days) * 86400.0);
    const QDateTime at =
        QDateTime(QDate(1899, 12, 30).addDays(qint64(days)), QTime(0, 0), Qt::UTC).addSecs(seconds);
    withTime = at.time() != QTime(0, 0);
    return at.toString(withTime ? QStringLiteral("yyyy-MM-ddTHH:mm:ss")
                                : QStringLiteral("yyyy-MM-dd"));
}

// The data styles the date cells are shown with: ISO dates, and with the time of day.
void WriteDateStyles(QXmlStreamWriter& xml)
{
    const auto part = [&xml](const QString& name) {
        xml.writeEmptyElement(name);
        xml.writeAttribute(QStringLiteral("number:style"), QStringLiteral("long"));
    };
    const auto text = [&xml](const QString& between) {
        xml.writeTextElement(QStringLiteral("number:text"), between);
    };
    for (const bool withTime : {false, true}) {
        xml.writeStartElement(QStringLiteral("number:date-style"));
        xml.writeAttribute(QStringLiteral("style:name"),
                           withTime ? QStringLiteral("N2") : QStringLiteral("N1"));
        part(QStringLiteral("number:year"));
        text(QStringLiteral("-"));
        part(QStringLiteral("number:month"));
        text(QStringLiteral("-"));
        part(QStringLiteral("number:day"));
        if (withTime) {
            text(QStringLiteral(" "));
            part(QStringLiteral("number:hours"));
            text(QStringLiteral(":"));
            part(QStringLiteral("number:minutes"));
            text(QStringLiteral(":"));
            part(QStringLiteral("number:seconds"));
        }
        xml.writeEndElement();
        xml.writeStartElement(QStringLiteral("style:style"));
        xml.writeAttribute(QStringLiteral("style:name"),
                           withTime ? QStringLiteral("date-time") : QStringLiteral("date"));
        xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("table-cell"));
        xml.writeAttribute(QStringLiteral("style:data-style-name"),
                           withTime ? QStringLiteral("N2") : QStringLiteral("N1"));
        xml.writeEndElement();
    }
}

QByteArray Manifest()
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("manifest:manifest"));
    xml.writeAttribute(QStringLiteral("xmlns:manifest"),
                       QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"));
    xml.writeAttribute(QStringLiteral("manifest:version"), QStringLiteral("1.2"));
    xml.writeEmptyElement(QStringLiteral("manifest:file-entry"));
    xml.writeAttribute(QStringLiteral("manifest:full-path"), QStringLiteral("/"));
    xml.writeAttribute(QStringLiteral("manifest:version"), QStringLiteral("1.2"));
    xml.writeAttribute(QStringLiteral("manifest:media-type"), kMediaType);
    xml.writeEmptyElement(QStringLiteral("manifest:file-entry"));
    xml.writeAttribute(QStringLiteral("manifest:full-path"), QStringLiteral("content.xml"));
    xml.writeAttribute(QStringLiteral("manifest:media-type"), QStringLiteral("text/xml"));
    xml.writeEndDocument();
    return bytes;
}

struct ZipDiscarder
{
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
} // namespace

OdsWorkbook::OdsWorkbook(const QString& path, const QString& shownPath)
    : m_path(path)
    , m_shownPath(shownPath.isEmpty() ? path : shownPath)
    , m_rows(QFileInfo(path).absoluteDir().filePath(QStringLiteral(".rows-XXXXXX.part")))
{
    if (!m_rows.open())
        fail(m_rows.errorString());
    m_xml.setDevice(&m_rows);
}

void OdsWorkbook::setCellText(int row, int column, const QString& text)
{
    place(row, column, Cell{Cell::Kind::Text, text});
}

void OdsWorkbook::setCellNumber(int row, int column, double value)
{
    if (!std::isfinite(value))
        return setCellText(row, column, QString::number(value));
    // 'f' and the shortest digits that read back as the same double: never E notation, and a
    // code stored as a number keeps all its digits.
    place(row, column,
          Cell{Cell::Kind::Number, QString::number(value, 'f', QLocale::FloatingPointShortest)});
}

void OdsWorkbook::setCellDate(int row, int column, double serial)
{
    if (!std::isfinite(serial) || std::abs(serial) > 3e6)
        return setCellNumber(row, column, serial);
    Cell cell{Cell::Kind::Date, {}};
    cell.text = IsoDateOfSerial(serial, cell.withTime);
    place(row, column, std::move(cell));
}

void OdsWorkbook::setCellBoolean(int row, int column, bool value)
{
    Cell cell{Cell::Kind::Boolean, value ? QStringLiteral("TRUE") : QStringLiteral("FALSE")};
    cell.truth = value;
    place(row, column, std::move(cell));
}

void OdsWorkbook::place(int row, int column, Cell cell)
{
    if (m_closed)
        throw OperationFailed(tr("No workbook is open"));
    if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns)
        throw OperationFailed(tr("There is no cell %1, %2 on a sheet")
                                  .arg(QString::number(row), QString::number(column)));
    if (row < m_row)
        throw OperationFailed(tr("Cannot set cell %1, %2: its row is already written")
                                  .arg(QString::number(row), QString::number(column)));
    if (row > m_row) {
        writeRow();
        m_row = row;
    }
    if (std::size_t(column) > m_cells.size())
        m_cells.resize(std::size_t(column));
    m_cells[std::size_t(column) - 1] = std::move(cell);
}

void OdsWorkbook::writeRow()
{
    if (m_row == 0)
        return;
    // The rows no cell was set in, as one repeated empty row.
    if (const int skipped = m_row - 1 - m_rowsWritten; skipped > 0) {
        m_xml.writeStartElement(QStringLiteral("table:table-row"));
        if (skipped > 1)
            m_xml.writeAttribute(QStringLiteral("table:number-rows-repeated"),
                                 QString::number(skipped));
        m_xml.writeEmptyElement(QStringLiteral("table:table-cell"));
        m_xml.writeEndElement();
    }
    m_xml.writeStartElement(QStringLiteral("table:table-row"));
    int gap = 0;
    for (const Cell& cell : m_cells) {
        if (cell.kind == Cell::Kind::Empty) {
            ++gap;
            continue;
        }
        if (gap > 0)
            writeCell(Cell{}, gap);
        gap = 0;
        writeCell(cell, 1);
    }
    if (m_cells.empty())
        m_xml.writeEmptyElement(QStringLiteral("table:table-cell"));
    m_xml.writeEndElement();
    m_width = std::max(m_width, int(m_cells.size()));
    m_rowsWritten = m_row;
    m_cells.clear();
    if (m_rows.error() != QFileDevice::NoError)
        fail(m_rows.errorString());
}

void OdsWorkbook::writeCell(const Cell& cell, int repeated)
{
    m_xml.writeStartElement(QStringLiteral("table:table-cell"));
    if (repeated > 1)
        m_xml.writeAttribute(QStringLiteral("table:number-columns-repeated"),
                             QString::number(repeated));
    switch (cell.kind) {
    case Cell::Kind::Empty:
        break;
    case Cell::Kind::Text:
        m_xml.writeAttribute(QStringLiteral("office:value-type"), QStringLiteral("string"));
        WriteParagraphs(m_xml, cell.text);
        break;
    case Cell::Kind::Number:
        m_xml.writeAttribute(QStringLiteral("office:value-type"), QStringLiteral("float"));
        m_xml.writeAttribute(QStringLiteral("office:value"), cell.text);
        m_xml.writeTextElement(QStringLiteral("text:p"), cell.text);
        break;
    case Cell::Kind::Date:
        m_xml.writeAttribute(QStringLiteral("table:style-name"),
                             cell.withTime ? QStringLiteral("date-time") : QStringLiteral("date"));
        m_xml.writeAttribute(QStringLiteral("office:value-type"), QStringLiteral("date"));
        m_xml.writeAttribute(QStringLiteral("office:date-value"), cell.text);
        m_xml.writeTextElement(QStringLiteral("text:p"), QString(cell.text).replace(u'T', u' '));
        break;
    case Cell::Kind::Boolean:
        m_xml.writeAttribute(QStringLiteral("office:value-type"), QStringLiteral("boolean"));
        m_xml.writeAttribute(QStringLiteral("office:boolean-value"),
                             cell.truth ? QStringLiteral("true") : QStringLiteral("false"));
        m_xml.writeTextElement(QStringLiteral("text:p"), cell.text);
        break;
    }
    m_xml.writeEndElement();
}

void OdsWorkbook::close()
{
    if (m_closed)
        throw OperationFailed(tr("No workbook is open"));
    writeRow();
    m_closed = true;
    if (!m_rows.flush())
        fail(m_rows.errorString());
    // The table's columns come before its rows, and only now is the widest row known: the
    // content is the opening, the rows as written, and the end.
    QTemporaryFile content(
        QFileInfo(m_path).absoluteDir().filePath(QStringLiteral(".content-XXXXXX.part")));
    if (!content.open())
        fail(content.errorString());
    writeContent(content);
    if (!content.flush())
        fail(content.errorString());
    m_rows.close();
    writeContainer(content.fileName());
}

void OdsWorkbook::writeContent(QIODevice& content)
{
    QXmlStreamWriter xml(&content);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("office:document-content"));
    const std::pair<const char*, const char*> namespaces[] = {
        {"office", "urn:oasis:names:tc:opendocument:xmlns:office:1.0"},
        {"style", "urn:oasis:names:tc:opendocument:xmlns:style:1.0"},
        {"text", "urn:oasis:names:tc:opendocument:xmlns:text:1.0"},
        {"table", "urn:oasis:names:tc:opendocument:xmlns:table:1.0"},
        {"number", "urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"},
    };
    for (const auto& [prefix, uri] : namespaces)
        xml.writeAttribute(QStringLiteral("xmlns:") + QLatin1String(prefix), QLatin1String(uri));
    xml.writeAttribute(QStringLiteral("office:version"), QStringLiteral("1.2"));
    xml.writeStartElement(QStringLiteral("office:automatic-styles"));
    WriteDateStyles(xml);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("office:body"));
    xml.writeStartElement(QStringLiteral("office:spreadsheet"));
    xml.writeStartElement(QStringLiteral("table:table"));
    xml.writeAttribute(QStringLiteral("table:name"), QStringLiteral("Sheet1"));
    xml.writeEmptyElement(QStringLiteral("table:table-column"));
    if (m_width > 1)
        xml.writeAttribute(QStringLiteral("table:number-columns-repeated"),
                           QString::number(m_width));
    if (m_rowsWritten == 0) {
        xml.writeStartElement(QStringLiteral("table:table-row"));
        xml.writeEmptyElement(QStringLiteral("table:table-cell"));
        xml.writeEndElement();
    }
    xml.writeCharacters(QString()); // closes the table's start tag before the rows go in
    if (!m_rows.seek(0))
        fail(m_rows.errorString());
    QByteArray block;
    while (!(block = m_rows.read(kCopyBytes)).isEmpty()) {
        if (content.write(block) != block.size())
            fail(content.errorString());
    }
    xml.writeEndDocument(); // closes the table, the body and the document
    if (xml.hasError())
        fail(content.errorString());
}

void OdsWorkbook::writeContainer(const QString& contentPath)
{
    int error = 0;
    std::unique_ptr<zip_t, ZipDiscarder> zip(
        zip_open(QFile::encodeName(m_path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error));
    if (!zip) {
        zip_error_t reason;
        zip_error_init_with_code(&reason, error);
        const QString text = QString::fromUtf8(zip_error_strerror(&reason));
        zip_error_fini(&reason);
        fail(text);
    }
    const auto why = [&zip] { return QString::fromUtf8(zip_strerror(zip.get())); };
    // OpenDocument asks for the media type first, stored as it is, so that a reader can tell the
    // file's kind from its first bytes.
    static const QByteArray mediaType = kMediaType.toUtf8();
    static const QByteArray manifest = Manifest();
    const auto addBuffer = [&](const char* name, const QByteArray& bytes) {
        zip_source_t* source =
            zip_source_buffer(zip.get(), bytes.constData(), zip_uint64_t(bytes.size()), 0);
        const zip_int64_t index =
            source ? zip_file_add(zip.get(), name, source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            zip_source_free(source);
            fail(why());
        }
        return index;
    };
    const zip_int64_t mimetype = addBuffer("mimetype", mediaType);
    if (zip_set_file_compression(zip.get(), zip_uint64_t(mimetype), ZIP_CM_STORE, 0) != 0)
        fail(why());
    addBuffer("META-INF/manifest.xml", manifest);
    zip_source_t* content =
        zip_source_file(zip.get(), QFile::encodeName(contentPath).constData(), 0, -1);
    const zip_int64_t contentIndex =
        content ? zip_file_add(zip.get(), "content.xml", content, ZIP_FL_ENC_UTF_8) : -1;
    if (contentIndex < 0) {
        zip_source_free(content);
        fail(why());
    }
    // Packing the content is most of the time a large sheet takes to write, and the fastest level
    // packs this repetitive XML nearly as small as the default one, in a third of the time.
    if (zip_set_file_compression(zip.get(), zip_uint64_t(contentIndex), ZIP_CM_DEFLATE, 1) != 0)
        fail(why());
    // Only here are the entries packed and written; a failed close leaves the archive to discard.
    if (zip_close(zip.get()) != 0)
        fail(why());
    (void)zip.release(); // closed and freed
}

void OdsWorkbook::fail(const QString& why) const
{
    throw OperationFailed(
        tr("Cannot write the workbook %1: %2").arg(QDir::toNativeSeparators(m_shownPath), why));
}
