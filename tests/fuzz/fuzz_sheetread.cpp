// The spreadsheet readers: the bytes as a CSV file, as the sheet part of an .xlsx workbook and as
// the content part of an .ods document, read with small limits. Properties: a sheet that is read
// stays within every limit (rows, columns, cells that hold something), keeps no empty row at its
// end and no empty text cell; every cell of a number holds plain digits; a file past a limit is
// refused with a reason, never cut short or read without end. The enriched copy of a workbook
// that was read keeps every cell where it was, and adds its answers right of them all.
#include "FuzzSupport.h"
#include "common/OperationFailed.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeZipArchives.h"
#include "lookup/LookupChain.h"
#include "results/FaithfulOdsCopy.h"
#include "results/FaithfulXlsxCopy.h"
#include "results/SheetAnswers.h"
#include "sheets/SheetCodes.h"
#include "sheets/SheetFile.h"

#include <algorithm>

namespace {
using fuzz::Quoted;

// Wider than any copy of an input within SmallLimits() can reach: the copy is read back within it.
constexpr qsizetype kWidestCopy = 1 << 16;

SheetLimits SmallLimits()
{
    SheetLimits limits;
    limits.maxEntryBytes = 64 * 1024;
    limits.maxTextBytes = 64 * 1024;
    limits.maxRows = 50;
    limits.maxColumns = 20;
    limits.maxCells = 300;
    return limits;
}

bool PlainNumber(const QString& text)
{
    qsizetype i = text.startsWith(u'-') ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= u'0' && text[i] <= u'9')
            digits = true;
        else if (text[i] == u'.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

void CheckSheet(const Sheet& sheet, const SheetLimits& limits, const QString& context)
{
    FUZZ_CHECK(qsizetype(sheet.rows.size()) <= limits.maxRows, context);
    FUZZ_CHECK(sheet.rows.empty() || !sheet.rows.back().empty(), context);
    qsizetype cells = 0;
    for (const SheetRow& row : sheet.rows) {
        FUZZ_CHECK(qsizetype(row.size()) <= limits.maxColumns, context);
        // The answers of an enriched copy go right of this: never over a cell read.
        FUZZ_CHECK(qsizetype(row.size()) <= sheet.reachedColumns, context);
        qsizetype column = -1;
        for (const SheetRow::Filled& one : row.filled()) {
            // In column order, each place once, and only cells that hold something.
            FUZZ_CHECK(one.column > column, context);
            column = one.column;
            const SheetCell& cell = one.cell;
            FUZZ_CHECK(!cell.isEmpty(), context);
            ++cells;
            if (cell.kind == SheetCell::Kind::Text)
                FUZZ_CHECK(!cell.text.isEmpty(), context);
            if (cell.kind == SheetCell::Kind::Number)
                FUZZ_CHECK(PlainNumber(cell.text),
                           context + QStringLiteral("\nnumber ") + Quoted(cell.text));
        }
    }
    FUZZ_CHECK(cells <= limits.maxCells, context);
    FUZZ_CHECK(sheet.reachedColumns <= limits.maxColumns, context);
}

bool SameCell(const SheetCell& a, const SheetCell& b)
{
    return a.kind == b.kind && a.text == b.text && a.format == b.format;
}

// The workbook copied with an answer beside every code, read back: each cell the sheet had is
// there as it was, no cell appears among them, and the answers stand right of them all.
void CheckCopy(const QString& path, SheetFormat format, const Sheet& sheet, FakeFileSystem& files,
               FakeZipArchives& zips, const QString& context)
{
    CodeColumnChoice choice = ChooseCodeColumn(sheet);
    if (choice.column < 0) {
        // Few generated cells pass the code checks: the first row's first cell is taken for the
        // header of the chosen column, as a user may choose any.
        const auto first = std::find_if(sheet.rows.cbegin(), sheet.rows.cend(),
                                        [](const SheetRow& row) { return !row.empty(); });
        if (first == sheet.rows.cend())
            return;
        choice.headerRow = first - sheet.rows.cbegin();
        choice.column = first->columnAt(0);
        choice.firstRow = choice.headerRow + 1;
    }
    SheetAnswers answers(sheet, choice);
    for (const SheetCode& code : CodesOfColumn(sheet, choice.column, choice.firstRow)) {
        CodeOutcome outcome;
        outcome.status = CodeOutcome::Status::Found;
        outcome.code = code.code;
        outcome.product.name = QStringLiteral("=N&<a>");
        answers.add(outcome);
    }
    const QString target = QStringLiteral("copy");
    SheetLimits limits = SmallLimits();
    try {
        const std::unique_ptr<ZipArchive> archive = zips.open(path);
        if (format == SheetFormat::Ods)
            FaithfulOdsCopy::write(*archive, sheet.name, target, answers, limits);
        else
            FaithfulXlsxCopy::write(*archive, sheet.name, target, answers, limits);
    } catch (const OperationFailed& failure) {
        FUZZ_CHECK(!failure.description().isEmpty(), context);
        return;
    }
    // Room for the answers: their columns, cells and bytes. The answers may stand further right
    // than the sheet's width: a cell the reader takes for empty but whose tag says more than a
    // style (an attribute it does not know) is kept where it is, and the answers go after it.
    // Where they start is checked below, not here.
    const qsizetype added = answers.answerColumns();
    limits.maxColumns = kWidestCopy;
    limits.maxCells += limits.maxRows * added;
    limits.maxEntryBytes *= 8;
    limits.maxTextBytes *= 8;
    const QString copyContext = context + QStringLiteral(" copy");
    Sheet copy;
    try {
        copy = ReadSheetFile(target, format, sheet.name, SheetServices{files, zips, limits});
    } catch (const OperationFailed& failure) {
        FUZZ_CHECK(false, copyContext + QStringLiteral(": ") + failure.description());
    }
    FUZZ_CHECK(copy.rows.size() >= sheet.rows.size(), copyContext);
    // The answers are one run of columns, right of every cell the sheet had.
    qsizetype firstAnswer = kWidestCopy;
    for (const SheetRow& row : copy.rows) {
        for (qsizetype i = 0; i < row.filledCount(); ++i) {
            if (row.columnAt(i) >= answers.sheetWidth())
                firstAnswer = std::min(firstAnswer, row.columnAt(i));
        }
    }
    for (const SheetRow& row : copy.rows) {
        for (qsizetype i = 0; i < row.filledCount(); ++i)
            FUZZ_CHECK(
                row.columnAt(i) < answers.sheetWidth() || row.columnAt(i) < firstAnswer + added,
                copyContext + QStringLiteral(" answer column ") + QString::number(row.columnAt(i)));
    }
    for (std::size_t r = 0; r < copy.rows.size(); ++r) {
        const QString where = copyContext + QStringLiteral(" row ") + QString::number(r);
        qsizetype kept = 0;
        for (const SheetRow::Filled& one : copy.rows[r].filled()) {
            if (one.column >= answers.sheetWidth())
                continue;
            FUZZ_CHECK(SameCell(one.cell, sheet.cell(r, std::size_t(one.column))),
                       where + QStringLiteral(" column ") + QString::number(one.column) +
                           QStringLiteral(": ") + Quoted(one.cell.text));
            ++kept;
        }
        FUZZ_CHECK(r >= sheet.rows.size() || kept == sheet.rows[r].filledCount(), where);
    }
}

void Read(const QString& path, SheetFormat format, FakeFileSystem& files, FakeZipArchives& zips,
          const QString& context)
{
    const SheetLimits limits = SmallLimits();
    Sheet sheet;
    try {
        sheet = ReadSheetFile(path, format, QString(), SheetServices{files, zips, limits});
    } catch (const OperationFailed& failure) {
        FUZZ_CHECK(!failure.description().isEmpty(), context);
        return;
    }
    CheckSheet(sheet, limits, context);
    if (format != SheetFormat::Csv)
        CheckCopy(path, format, sheet, files, zips, context);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    FakeFileSystem files;
    FakeZipArchives zips;
    files.contents[QStringLiteral("in.csv")] = bytes;
    Read(QStringLiteral("in.csv"), SheetFormat::Csv, files, zips, QStringLiteral("csv"));

    FakeZipArchives::Entries& xlsx = zips.archives[QStringLiteral("in.xlsx")];
    xlsx[QStringLiteral("xl/workbook.xml")].bytes =
        "<workbook xmlns:r=\"r\"><sheets><sheet name=\"S\" r:id=\"1\"/></sheets></workbook>";
    xlsx[QStringLiteral("xl/_rels/workbook.xml.rels")].bytes =
        "<Relationships><Relationship Id=\"1\" Target=\"s.xml\"/></Relationships>";
    // The first string is empty: a cell naming it holds nothing.
    xlsx[QStringLiteral("xl/sharedStrings.xml")].bytes = "<sst><si/><si><t>a</t></si></sst>";
    xlsx[QStringLiteral("xl/s.xml")].bytes = bytes;
    Read(QStringLiteral("in.xlsx"), SheetFormat::Xlsx, files, zips, QStringLiteral("xlsx"));

    zips.archives[QStringLiteral("in.ods")][QStringLiteral("content.xml")].bytes = bytes;
    Read(QStringLiteral("in.ods"), SheetFormat::Ods, files, zips, QStringLiteral("ods"));
    return 0;
}
