#include "sheets/XlsxReader.h"

#include "common/OperationFailed.h"
#include "platform/ZipArchive.h"
#include "sheets/CodeColumn.h"
#include "sheets/SheetBuilder.h"
#include "sheets/SheetNumbers.h"
#include "sheets/SheetStrings.h"
#include "sheets/WorkbookPart.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QHash>
#include <QXmlStreamReader>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <deque>
#include <exception>
#include <limits>
#include <memory>
#include <system_error>
#include <thread>
#include <utility>

namespace {
constexpr double kDays1900To1904 = 1462;

// The formats Excel numbers without writing them down.
QString BuiltInFormat(int id)
{
    static const QHash<int, QString> formats{
        {1, QStringLiteral("0")},
        {2, QStringLiteral("0.00")},
        {3, QStringLiteral("#,##0")},
        {4, QStringLiteral("#,##0.00")},
        {9, QStringLiteral("0%")},
        {10, QStringLiteral("0.00%")},
        {11, QStringLiteral("0.00E+00")},
        {12, QStringLiteral("# ?/?")},
        {13, QStringLiteral("# ?\?/?\?")},
        {14, QStringLiteral("yyyy-mm-dd")},
        {15, QStringLiteral("d-mmm-yy")},
        {16, QStringLiteral("d-mmm")},
        {17, QStringLiteral("mmm-yy")},
        {18, QStringLiteral("h:mm AM/PM")},
        {19, QStringLiteral("h:mm:ss AM/PM")},
        {20, QStringLiteral("h:mm")},
        {21, QStringLiteral("h:mm:ss")},
        {22, QStringLiteral("yyyy-mm-dd h:mm")},
        {37, QStringLiteral("#,##0 ;(#,##0)")},
        {38, QStringLiteral("#,##0 ;[Red](#,##0)")},
        {39, QStringLiteral("#,##0.00;(#,##0.00)")},
        {40, QStringLiteral("#,##0.00;[Red](#,##0.00)")},
        {45, QStringLiteral("mm:ss")},
        {46, QStringLiteral("[h]:mm:ss")},
        {47, QStringLiteral("mmss.0")},
        {48, QStringLiteral("##0.0E+0")},
        {49, QStringLiteral("@")},
    };
    return formats.value(id);
}

// A part's path from the folder of the part that names it: "worksheets/sheet1.xml" beside
// "xl/workbook.xml" is "xl/worksheets/sheet1.xml"; "/xl/..." is from the top.
QString Resolve(const QString& from, const QString& target)
{
    if (target.startsWith(u'/'))
        return target.mid(1);
    QStringList parts = from.split(u'/');
    parts.removeLast();
    for (const QString& piece : target.split(u'/')) {
        if (piece == u"..") {
            if (!parts.isEmpty())
                parts.removeLast();
        } else if (!piece.isEmpty() && piece != u".") {
            parts.append(piece);
        }
    }
    return parts.join(u'/');
}

QString RelsOf(const QString& part)
{
    const qsizetype slash = part.lastIndexOf(u'/');
    return part.left(slash + 1) + QStringLiteral("_rels/") + part.mid(slash + 1) +
           QStringLiteral(".rels");
}

// The relationships of a part ("" for the package itself), by id, their targets resolved; a
// missing list is none.
QHash<QString, QString> ReadRelationships(ZipArchive& archive, const QString& part,
                                          const SheetLimits& limits,
                                          QString* officeDocument = nullptr)
{
    const QString name = RelsOf(part);
    const QByteArray bytes = WorkbookPart::read(archive, name, limits, false);
    QHash<QString, QString> targets;
    if (bytes.isEmpty())
        return targets;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Relationship")
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        const QString target =
            Resolve(part, WorkbookPart::attribute(attributes, QLatin1String("Target")).toString());
        targets.insert(WorkbookPart::attribute(attributes, QLatin1String("Id")).toString(), target);
        if (officeDocument &&
            WorkbookPart::attribute(attributes, QLatin1String("Type")).endsWith(u"/officeDocument"))
            *officeDocument = target;
    }
    WorkbookPart::checkEnd(xml, name);
    return targets;
}

// The r:id of a sheet, whatever prefix the relationships namespace has.
QString RelationshipId(const QXmlStreamAttributes& attributes)
{
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (attribute.name() == u"id" && !attribute.namespaceUri().isEmpty())
            return attribute.value().toString();
    }
    return {};
}

// "AB12": column 27, row 11, both from 0. False when the reference is not one.
bool ParseReference(QStringView reference, qsizetype& row, qsizetype& column)
{
    qsizetype i = 0;
    qint64 c = 0;
    for (; i < reference.size() && reference[i].isLetter() && reference[i].unicode() < 128; ++i) {
        c = c * 26 + (reference[i].toUpper().unicode() - u'A' + 1);
        if (c > (qint64(1) << 30))
            return false;
    }
    if (i == 0)
        return false;
    qint64 r = 0;
    const qsizetype digitsFrom = i;
    for (; i < reference.size() && reference[i] >= u'0' && reference[i] <= u'9'; ++i) {
        r = r * 10 + (reference[i].unicode() - u'0');
        if (r > (qint64(1) << 30))
            return false;
    }
    if (i == digitsFrom || i != reference.size() || r < 1)
        return false;
    row = qsizetype(r - 1);
    column = qsizetype(c - 1);
    return true;
}

// What a cell's t attribute says it holds; a number when it says nothing, or what no reader knows.
enum class CellType { Number, SharedString, InlineString, Text, Boolean, Date };

CellType TypeOf(QStringView type)
{
    if (type.isEmpty())
        return CellType::Number;
    if (type == u"s")
        return CellType::SharedString;
    if (type == u"inlineStr")
        return CellType::InlineString;
    if (type == u"str" || type == u"e")
        return CellType::Text;
    if (type == u"b")
        return CellType::Boolean;
    if (type == u"d")
        return CellType::Date;
    return CellType::Number;
}

QString NoSharedString(qsizetype row, qsizetype column, const QString& path)
{
    return QCoreApplication::translate("XlsxReader",
                                       "it is damaged: the cell %1 of %2 names no shared string")
        .arg(ColumnLetter(column) + QString::number(row + 1), path);
}

// A number ExactDigits has passed: ASCII, so read without the locale-aware conversion.
double NumberOf(QStringView stored)
{
    char ascii[64];
    const QStringView text = stored.trimmed();
    if (text.size() >= qsizetype(sizeof ascii))
        return text.toDouble();
    for (qsizetype i = 0; i < text.size(); ++i)
        ascii[i] = char(text[i].unicode());
    double value = 0;
    const char* from = ascii + (text.startsWith(u'+') ? 1 : 0);
    std::from_chars(from, ascii + text.size(), value);
    return value;
}

// The text of a string item: its own <t>, or the <t> of each run; phonetic hints are left out.
QString StringItemText(QXmlStreamReader& xml)
{
    QString text;
    int depth = 1;
    bool phonetic = false;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            ++depth;
            if (xml.name() == u"rPh")
                phonetic = true;
            else if (xml.name() == u"t" && !phonetic) {
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
                --depth;
            }
        } else if (xml.isEndElement()) {
            --depth;
            if (xml.name() == u"rPh")
                phonetic = false;
        }
    }
    return text;
}

// The characters the XML reader counts in UTF-8 bytes: one for each character, two for one
// outside the Basic Multilingual Plane, none for a byte-order mark.
qint64 CharactersOf(QByteArrayView bytes)
{
    qint64 characters = bytes.startsWith("\xEF\xBB\xBF") ? -1 : 0;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        characters += (byte & 0xC0) != 0x80 ? 1 : 0;
        characters += byte >= 0xF0 ? 1 : 0;
    }
    return characters;
}

// Whether what was thrown is one of the program's own refusals (a limit passed, a damaged part),
// rather than anything else (no thread to be had).
bool IsOperationFailed(const std::exception_ptr& thrown)
{
    try {
        std::rethrow_exception(thrown);
    } catch (const OperationFailed&) {
        return true;
    } catch (...) {
        return false;
    }
}

// Where the part's head ends: right after its <sheetData> tag (any prefix), or -1 when the bytes
// do not hold it yet or the sheet holds no rows.
qsizetype HeadEnd(QByteArrayView bytes)
{
    for (qsizetype at = bytes.indexOf("sheetData"); at > 0;
         at = bytes.indexOf("sheetData", at + 1)) {
        const char before = bytes[at - 1];
        if (before != '<' && before != ':')
            continue;
        const qsizetype close = bytes.indexOf('>', at);
        if (close < 0 || bytes[close - 1] == '/')
            return -1;
        return close + 1;
    }
    return -1;
}

// Where the last row the bytes hold ends after `from`: right after "</row>" or "</x:row>"; -1 when
// none does. The bytes searched for may stand inside a comment, a CDATA section or a processing
// instruction; the readers of the blocks check that each cut falls where the XML itself has that
// tag.
qsizetype LastRowEnd(QByteArrayView bytes, qsizetype from)
{
    for (qsizetype at = bytes.lastIndexOf("row>"); at > from;
         at = bytes.lastIndexOf("row>", at - 1)) {
        qsizetype slash = at - 1;
        if (bytes[slash] == ':') {
            while (slash > 0 && std::isalnum(static_cast<unsigned char>(bytes[slash - 1])))
                --slash;
            --slash;
        }
        if (slash > from && bytes[slash] == '/' && bytes[slash - 1] == '<')
            return at + 4;
    }
    return -1;
}
} // namespace

XlsxReader::XlsxReader(ZipArchive& archive, const SheetLimits& limits, ZipArchive* strings)
    : m_archive(archive)
    , m_limits(limits)
    , m_stringsArchive(strings)
    , m_strings(std::make_shared<SheetStrings>())
{
    // The package's own relationships name the workbook part; every writer calls it the same.
    QString workbook = QStringLiteral("xl/workbook.xml");
    ReadRelationships(archive, QString(), limits, &workbook);
    readWorkbook(workbook);
    const QHash<QString, QString> related = ReadRelationships(archive, workbook, limits);
    QString stringsPart = Resolve(workbook, QStringLiteral("sharedStrings.xml"));
    QString styles = Resolve(workbook, QStringLiteral("styles.xml"));
    for (auto it = related.cbegin(); it != related.cend(); ++it) {
        if (it.value().endsWith(u"sharedStrings.xml"))
            stringsPart = it.value();
        else if (it.value().endsWith(u"styles.xml"))
            styles = it.value();
    }
    for (QString& part : m_sheetParts)
        part = related.value(part);
    m_stringsPath = stringsPart;
    readStyles(styles);
}

void XlsxReader::readWorkbook(const QString& path)
{
    const QByteArray bytes = WorkbookPart::read(m_archive, path, m_limits);
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"workbookPr") {
            const QStringView date1904 =
                WorkbookPart::attribute(xml.attributes(), QLatin1String("date1904"));
            m_1904 = date1904 == u"1" || date1904 == u"true";
        } else if (xml.name() == u"sheet") {
            m_names.append(
                WorkbookPart::attribute(xml.attributes(), QLatin1String("name")).toString());
            m_sheetParts.append(RelationshipId(xml.attributes()));
        }
    }
    WorkbookPart::checkEnd(xml, path);
    if (m_names.isEmpty())
        throw OperationFailed(QCoreApplication::translate(
            "XlsxReader", "it is damaged: the workbook lists no sheet"));
}

bool XlsxReader::readSharedStrings(QIODevice& device, bool streamed)
{
    QXmlStreamReader xml(&device); // a block at a time (see readCells())
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"si") {
            // Only the strings that hold something take room: twenty million empty ones are
            // five bytes each in the file, and would be many times that held.
            m_strings->append(StringItemText(xml));
        }
    }
    if (streamed && xml.hasError())
        return false;
    WorkbookPart::checkEnd(xml, m_stringsPath);
    m_strings->squeeze();
    return true;
}

void XlsxReader::readSharedStringsWhole(ZipArchive& archive)
{
    *m_strings = SheetStrings();
    const QByteArray bytes = WorkbookPart::read(archive, m_stringsPath, m_limits, false);
    if (bytes.isEmpty())
        return;
    QBuffer device;
    device.setData(bytes);
    device.open(QIODevice::ReadOnly);
    readSharedStrings(device, false);
}

void XlsxReader::readStyles(const QString& path)
{
    const QByteArray bytes = WorkbookPart::read(m_archive, path, m_limits, false);
    if (bytes.isEmpty())
        return;
    QXmlStreamReader xml(bytes);
    QHash<int, QString> custom;
    bool inCellFormats = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == u"cellXfs")
            inCellFormats = false;
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == u"numFmt") {
            custom.insert(
                WorkbookPart::attribute(attributes, QLatin1String("numFmtId")).toInt(),
                WorkbookPart::attribute(attributes, QLatin1String("formatCode")).toString());
        } else if (xml.name() == u"cellXfs") {
            inCellFormats = true;
        } else if (inCellFormats && xml.name() == u"xf") {
            const int id = WorkbookPart::attribute(attributes, QLatin1String("numFmtId")).toInt();
            Style style;
            style.format = custom.contains(id) ? custom.value(id) : BuiltInFormat(id);
            style.date = IsDateFormat(style.format);
            m_styles.push_back(style);
        }
    }
    WorkbookPart::checkEnd(xml, path);
}

Sheet XlsxReader::read(qsizetype index)
{
    const QString path = m_sheetParts.value(index);
    if (path.isEmpty())
        throw OperationFailed(
            QCoreApplication::translate("XlsxReader", "it is damaged: the sheet \"%1\" has no part")
                .arg(m_names.value(index)));
    // The shared strings are read beside the sheet, which names them by number until both are
    // done: in a large workbook they are a fifth of the work. Only this thread uses the
    // containers; the strings' thread reads its stream, opened here.
    std::exception_ptr stringsFailed;
    std::thread strings;
    std::unique_ptr<QIODevice> stringsPart;
    bool stringsStreamed = false;
    const bool streamingStrings = !m_stringsRead && m_stringsArchive;
    if (!m_stringsRead) {
        m_stringsRead = true;
        if (m_stringsArchive) {
            try {
                stringsPart = m_stringsArchive->stream(m_stringsPath, m_limits.maxEntryBytes,
                                                       m_limits.maxEntryRatio);
            } catch (const OperationFailed&) {
                // Missing or damaged: read whole below, which tells which.
            }
        } else {
            readSharedStringsWhole(m_archive);
        }
        if (stringsPart) {
            const auto readStrings = [this, &stringsFailed, &stringsPart, &stringsStreamed] {
                try {
                    stringsStreamed = readSharedStrings(*stringsPart, true);
                } catch (...) {
                    stringsFailed = std::current_exception();
                }
            };
            try {
                strings = std::thread(readStrings);
            } catch (const std::system_error&) {
                readStrings(); // no thread to be had: first, then
            }
        }
    }
    SheetBuilder sheet(m_limits);
    std::exception_ptr sheetFailed;
    try {
        QByteArray small;
        if (!readInBlocks(path, sheet, small)) {
            // Read whole as it always was: a damaged or oversized part fails as it always did.
            const QByteArray bytes =
                small.isEmpty() ? WorkbookPart::read(m_archive, path, m_limits) : small;
            small = QByteArray();
            readCells(bytes, path, sheet);
        }
    } catch (...) {
        sheetFailed = std::current_exception();
    }
    if (strings.joinable())
        strings.join();
    stringsPart.reset();
    // A damaged list of strings is the workbook's fault, whichever sheet is read.
    if (stringsFailed)
        std::rethrow_exception(stringsFailed);
    // Strings that did not stream cleanly are read whole, to fail as they always did.
    if (streamingStrings && !stringsStreamed)
        readSharedStringsWhole(*m_stringsArchive);
    if (sheetFailed)
        std::rethrow_exception(sheetFailed);
    Sheet taken = sheet.take();
    resolveSharedStrings(taken, path);
    taken.name = m_names.value(index);
    taken.sheetNames = m_names;
    return taken;
}

bool XlsxReader::readInBlocks(const QString& path, SheetBuilder& sheet, QByteArray& small) const
{
    // Blocks this large cost a few dozen threads for a sheet of a million cells, and the three
    // held at once (two read, one filling) little memory.
    constexpr qsizetype kBlock = 2 * 1024 * 1024;
    constexpr qsizetype kChunk = 256 * 1024;
    std::unique_ptr<QIODevice> part;
    try {
        part = m_archive.stream(path, m_limits.maxEntryBytes, m_limits.maxEntryRatio);
    } catch (const OperationFailed&) {
        return false;
    }
    struct Block
    {
        explicit Block(const SheetLimits& limits)
            : cells(limits, SheetBuilder::Rows::FromFirstSet)
        {}
        QByteArray bytes;
        SheetBuilder cells;
        std::exception_ptr failed;
        std::thread thread;
    };
    std::deque<std::unique_ptr<Block>> reading;
    // The buffers of the blocks read, filled again: blocks freshly allocated and freed while
    // the rows they hold stay would leave the heap holding tens of megabytes it cannot give
    // back.
    std::vector<QByteArray> spare;
    bool clean = true;
    // The oldest block's cells, after the ones before it; anything amiss in a block leaves the
    // rest unread and the part is read whole.
    const auto finishOldest = [&] {
        Block& oldest = *reading.front();
        oldest.thread.join();
        if (oldest.failed)
            clean = false;
        else if (clean)
            sheet.absorb(std::move(oldest.cells));
        oldest.bytes.resize(0);
        spare.push_back(std::move(oldest.bytes));
        reading.pop_front();
    };
    QByteArray pending;
    QByteArray head;
    qint64 headCharacters = -1;
    // A block of the pending bytes up to `cut` (all of them for the last), with the head before
    // them but in the first.
    const auto start = [&](qsizetype cut, bool first, bool last) {
        while (reading.size() >= 2 && clean)
            finishOldest();
        if (!clean)
            return;
        reading.push_back(std::make_unique<Block>(m_limits));
        Block& block = *reading.back();
        if (!spare.empty()) {
            block.bytes = std::move(spare.back());
            spare.pop_back();
        }
        if (!first)
            block.bytes.append(head);
        block.bytes.append(QByteArrayView(pending).first(cut));
        // Moved to the front of the same buffer, which keeps its room for the next block.
        std::memmove(pending.data(), pending.constData() + cut, std::size_t(pending.size() - cut));
        pending.resize(pending.size() - cut);
        const qint64 headEnd = first ? -1 : headCharacters;
        block.thread = std::thread([this, &path, &block, headEnd, last] {
            try {
                readCells(block.bytes, path, block.cells, headEnd,
                          last ? -1 : CharactersOf(block.bytes));
            } catch (...) {
                block.failed = std::current_exception();
            }
        });
    };
    bool first = true;
    try {
        for (;;) {
            const qsizetype had = pending.size();
            pending.resize(had + kChunk);
            const qint64 got = part->read(pending.data() + had, kChunk);
            pending.resize(had + std::max<qint64>(got, 0));
            if (got < 0) {
                clean = false;
                break;
            }
            if (got == 0)
                break;
            if (head.isEmpty()) {
                const qsizetype headEnd = HeadEnd(pending);
                // A head that does not come, or a sheet without rows: read whole.
                if (headEnd < 0 && pending.size() < 2 * kBlock)
                    continue;
                if (headEnd < 0) {
                    clean = false;
                    break;
                }
                head = pending.first(headEnd);
                headCharacters = CharactersOf(head);
            }
            if (!clean)
                break;
            if (pending.size() < kBlock)
                continue;
            const qsizetype cut = LastRowEnd(pending, first ? head.size() : 0);
            if (cut < 0)
                continue; // a long row: the block grows until it ends
            start(cut, first, false);
            first = false;
        }
        if (clean && first) {
            // A small part, read whole on this thread; a part without the head, read whole too.
            part.reset();
            small = std::move(pending);
            return false;
        }
        if (clean)
            start(pending.size(), false, true);
        // The last two blocks run on until taken.
        while (!reading.empty())
            finishOldest();
    } catch (...) {
        // The threads are let finish first.
        for (const std::unique_ptr<Block>& block : reading) {
            if (block->thread.joinable())
                block->thread.join();
        }
        // A limit passed by the cells of clean blocks is the sheet's; anything else (no thread
        // to be had) is read whole.
        if (clean && IsOperationFailed(std::current_exception()))
            throw;
        clean = false;
    }
    if (!clean)
        sheet.reset();
    return clean;
}

void XlsxReader::resolveSharedStrings(Sheet& sheet, const QString& path) const
{
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        const qsizetype column = sheet.rows[r].share(m_strings);
        if (column >= 0)
            throw OperationFailed(NoSharedString(qsizetype(r), column, path));
    }
    while (!sheet.rows.empty() && sheet.rows.back().empty())
        sheet.rows.pop_back();
}

void XlsxReader::readCells(const QByteArray& bytes, const QString& path, SheetBuilder& sheet,
                           qint64 headEnd, qint64 end) const
{
    const std::vector<Style>& styles = m_styles;
    const bool date1904 = m_1904;
    // Through a device the reader decodes the part a block at a time; given the bytes themselves
    // it would first decode them all, twice their size again.
    QBuffer device;
    device.setData(bytes); // shared, not copied
    device.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&device);
    // Cells are known by their local names; resolving every element's namespace was a tenth of
    // the time a large sheet takes.
    xml.setNamespaceProcessing(false);
    qsizetype row = -1;
    qsizetype column = -1;
    bool inRow = false; // a row element came: the cells are its
    // Where the last row of the block ended, and whether its head ends on the <sheetData> tag
    // itself: a cut anywhere else is not clean, and the part is read whole.
    qint64 lastRowEnd = -1;
    bool headClean = headEnd < 0;
    const auto unclean = [] { return OperationFailed(QStringLiteral("a cut that is not clean")); };
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && end >= 0 && xml.name() == u"row")
            lastRowEnd = xml.characterOffset();
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (headEnd >= 0 && xml.name() == u"sheetData") {
            headClean = xml.characterOffset() == headEnd;
            continue;
        }
        if (!headClean && (xml.name() == u"row" || xml.name() == u"c"))
            throw unclean();
        if (xml.name() == u"row") {
            bool ok = false;
            const qsizetype numbered =
                WorkbookPart::attribute(xml.attributes(), QLatin1String("r")).toLongLong(&ok);
            // A later block cannot count rows it did not see.
            if (!ok && headEnd >= 0)
                throw OperationFailed(QStringLiteral("a row without its number"));
            row = ok && numbered >= 1 ? numbered - 1 : row + 1;
            column = -1;
            inRow = true;
            sheet.nameRow(row);
            continue;
        }
        if (xml.name() != u"c")
            continue;
        CellType type = CellType::Number;
        qsizetype styleIndex = 0;
        {
            // Let go of before the cell's children are read: held on to, the attributes would
            // be copied whole when the reader moves on, once for every cell.
            const QXmlStreamAttributes attributes = xml.attributes();
            qsizetype cellRow = 0;
            qsizetype cellColumn = 0;
            if (ParseReference(WorkbookPart::attribute(attributes, QLatin1String("r")), cellRow,
                               cellColumn)) {
                // A copy of the file answers beside the row element, by its number: a cell that
                // names another row would take answers looked up for another code.
                if (inRow && cellRow != row)
                    throw OperationFailed(
                        QCoreApplication::translate("XlsxReader",
                                                    "it is damaged: the cell %1 of %2 stands in "
                                                    "the row %3")
                            .arg(ColumnLetter(cellColumn) + QString::number(cellRow + 1), path,
                                 QString::number(row + 1)));
                row = cellRow;
                column = cellColumn;
            } else {
                row = std::max<qsizetype>(row, 0);
                ++column;
            }
            sheet.reach(column);
            type = TypeOf(WorkbookPart::attribute(attributes, QLatin1String("t")));
            styleIndex = WorkbookPart::attribute(attributes, QLatin1String("s")).toLongLong();
        }
        QString value;
        QString inlineText;
        bool hasInline = false;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"v") {
                value = xml.readElementText();
            } else if (xml.name() == u"is") {
                inlineText = StringItemText(xml);
                hasInline = true;
            } else {
                xml.skipCurrentElement();
            }
        }
        if (type == CellType::SharedString) {
            // Named by number until the strings are read; no workbook within the limits holds
            // more than 32 bits count.
            bool ok = false;
            const qsizetype at = value.toLongLong(&ok);
            if (!ok || at < 0 || at > qsizetype(std::numeric_limits<quint32>::max()))
                throw OperationFailed(NoSharedString(row, column, path));
            sheet.setShared(row, column, at);
            continue;
        }
        SheetCell cell;
        if (type == CellType::InlineString) {
            cell.kind = SheetCell::Kind::Text;
            cell.text = hasInline ? inlineText : value;
        } else if (type == CellType::Text) {
            cell.kind = SheetCell::Kind::Text;
            cell.text = value;
        } else if (type == CellType::Boolean) {
            if (!value.isEmpty()) {
                cell.kind = SheetCell::Kind::Boolean;
                cell.text =
                    value.trimmed() == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
            }
        } else if (type == CellType::Date) {
            if (const std::optional<double> serial = SerialOfIsoDate(value)) {
                cell.kind = SheetCell::Kind::Date;
                cell.number = *serial;
                cell.text = DateTextOfSerial(*serial, false);
                cell.format = QStringLiteral("yyyy-mm-dd");
            }
        } else if (!value.isEmpty()) {
            const std::optional<QString> digits = ExactDigits(value);
            if (!digits)
                throw OperationFailed(
                    QCoreApplication::translate("XlsxReader",
                                                "it is damaged: the cell %1 of %2 holds no "
                                                "number")
                        .arg(ColumnLetter(column) + QString::number(row + 1), path));
            static const Style kGeneral;
            const Style& style = styleIndex > 0 && std::size_t(styleIndex) < styles.size()
                                     ? styles[std::size_t(styleIndex)]
                                     : kGeneral;
            // Dates go on in the 1900 system every new workbook uses.
            cell.number = NumberOf(value) + (style.date && date1904 ? kDays1900To1904 : 0);
            cell.format = style.format;
            if (style.date) {
                cell.kind = SheetCell::Kind::Date;
                cell.text = DateTextOfSerial(cell.number, false);
            } else {
                cell.kind = SheetCell::Kind::Number;
                cell.text = *digits;
            }
        }
        sheet.set(row, column, std::move(cell));
    }
    // A block ends inside the sheet on purpose, right after a row.
    if (end >= 0) {
        if (xml.error() != QXmlStreamReader::PrematureEndOfDocumentError || lastRowEnd != end)
            throw unclean();
        return;
    }
    WorkbookPart::checkEnd(xml, path);
}
