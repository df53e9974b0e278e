#include "sheets/OdsReader.h"

#include "common/NumberText.h"
#include "common/OperationFailed.h"
#include "sheets/SheetBuilder.h"
#include "sheets/SheetNumbers.h"
#include "sheets/WorkbookPart.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QXmlStreamReader>

namespace {
const QString kContent = QStringLiteral("content.xml");

// A repeat count, no larger than any sheet can be: a file may declare billions.
qsizetype Repeated(const QXmlStreamAttributes& attributes, const char* name, qsizetype most)
{
    bool ok = false;
    const qlonglong times =
        WorkbookPart::attribute(attributes, QLatin1String(name)).toLongLong(&ok);
    if (!ok || times < 1)
        return 1;
    return qsizetype(std::min<qlonglong>(times, most));
}

// Counts the spaces <text:s/> stands for against the sheet's limit.
class SpaceBudget
{
public:
    explicit SpaceBudget(qsizetype most)
        : m_left(most)
        , m_most(most)
    {}
    qsizetype take(const QXmlStreamAttributes& attributes)
    {
        const qsizetype spaces = Repeated(attributes, "c", m_most + 1);
        if (spaces > m_left)
            throw OperationFailed(QCoreApplication::translate(
                                      "OdsReader", "its cells' text stands for more than %1 spaces")
                                      .arg(GroupedNumber(m_most)));
        m_left -= spaces;
        return spaces;
    }

private:
    qsizetype m_left;
    qsizetype m_most;
};

// The text inside a paragraph: spans and links are read through, <text:s/> stands for its
// count of spaces, tabs and line breaks for themselves; notes are left out.
void AppendParagraph(QXmlStreamReader& xml, QString& text, SpaceBudget& spaces)
{
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::Characters) {
            text += xml.text();
        } else if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == u"s") {
                text += QString(spaces.take(xml.attributes()), u' ');
                xml.skipCurrentElement();
            } else if (xml.name() == u"tab") {
                text += u'\t';
                xml.skipCurrentElement();
            } else if (xml.name() == u"line-break") {
                text += u'\n';
                xml.skipCurrentElement();
            } else if (xml.name() == u"note" || xml.name() == u"annotation") {
                xml.skipCurrentElement();
            } else {
                AppendParagraph(xml, text, spaces);
            }
        } else if (token == QXmlStreamReader::EndElement) {
            return;
        }
    }
}

SheetCell ReadCell(QXmlStreamReader& xml, SpaceBudget& spaces)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    const QStringView type = WorkbookPart::attribute(attributes, QLatin1String("value-type"));
    QString text;
    bool paragraphs = false;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"p") {
            if (paragraphs)
                text += u'\n';
            paragraphs = true;
            AppendParagraph(xml, text, spaces);
        } else {
            xml.skipCurrentElement(); // annotations, drawings
        }
    }
    SheetCell cell;
    if (type == u"float" || type == u"percentage" || type == u"currency") {
        const QStringView value = WorkbookPart::attribute(attributes, QLatin1String("value"));
        if (const std::optional<QString> digits = ExactDigits(value)) {
            cell.kind = SheetCell::Kind::Number;
            cell.text = *digits;
            cell.number = value.toDouble();
            return cell;
        }
    } else if (type == u"date") {
        if (const std::optional<double> serial =
                SerialOfIsoDate(WorkbookPart::attribute(attributes, QLatin1String("date-value")))) {
            cell.kind = SheetCell::Kind::Date;
            cell.number = *serial;
            cell.text = DateTextOfSerial(*serial, false);
            cell.format = cell.text.size() > 10 ? QStringLiteral("yyyy-mm-dd hh:mm:ss")
                                                : QStringLiteral("yyyy-mm-dd");
            return cell;
        }
    } else if (type == u"boolean") {
        const QStringView value =
            WorkbookPart::attribute(attributes, QLatin1String("boolean-value"));
        cell.kind = SheetCell::Kind::Boolean;
        cell.text = value == u"true" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        return cell;
    }
    if (!text.isEmpty()) {
        cell.kind = SheetCell::Kind::Text;
        cell.text = std::move(text);
    }
    return cell;
}

// Reads the rows of one table into the sheet; the reader stands on the table's start.
void ReadTable(QXmlStreamReader& xml, SheetBuilder& sheet)
{
    const SheetLimits& limits = sheet.limits();
    SpaceBudget spaces(limits.maxCountedSpaces);
    qsizetype row = 0;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        // Header rows, row groups and the like only wrap rows.
        if (xml.name() != u"table-row") {
            if (xml.name() == u"table-column" || xml.name() == u"shapes" ||
                xml.name() == u"named-expressions" || xml.name() == u"table-source")
                xml.skipCurrentElement();
            else
                ++depth;
            continue;
        }
        const qsizetype rows =
            Repeated(xml.attributes(), "number-rows-repeated", limits.maxRows + 1);
        qsizetype column = 0;
        bool filled = false;
        while (xml.readNextStartElement()) {
            if (xml.name() != u"table-cell" && xml.name() != u"covered-table-cell") {
                xml.skipCurrentElement();
                continue;
            }
            const qsizetype columns =
                Repeated(xml.attributes(), "number-columns-repeated", limits.maxColumns + 1);
            const SheetCell cell = ReadCell(xml, spaces);
            if (!cell.isEmpty()) {
                filled = true;
                for (qsizetype k = 0; k < columns; ++k)
                    sheet.set(row, column + k, cell);
            }
            column += columns;
        }
        if (filled)
            sheet.repeatRow(row, rows - 1);
        row += rows;
    }
}
} // namespace

OdsReader::OdsReader(ZipArchive& archive, const SheetLimits& limits)
    : m_content(WorkbookPart::read(archive, kContent, limits))
    , m_limits(limits)
{}

Sheet OdsReader::read(qsizetype index) const
{
    // Decoded a block at a time, not all at once (see XlsxReader::read).
    QBuffer device;
    device.setData(m_content); // shared, not copied
    device.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&device);
    QStringList names;
    Sheet chosen;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"table")
            continue;
        const QString name =
            WorkbookPart::attribute(xml.attributes(), QLatin1String("name")).toString();
        if (names.size() == index) {
            SheetBuilder sheet(m_limits);
            ReadTable(xml, sheet);
            chosen = sheet.take();
            chosen.name = name;
        } else {
            xml.skipCurrentElement();
        }
        names.append(name);
    }
    WorkbookPart::checkEnd(xml, kContent);
    if (names.isEmpty())
        throw OperationFailed(
            QCoreApplication::translate("OdsReader", "it is damaged: the document holds no sheet"));
    chosen.sheetNames = names;
    return chosen;
}
