#include "app/BatchOutput.h"

#include "common/CellText.h"
#include "common/OperationFailed.h"
#include "lookup/LookupChain.h"
#include "platform/BatchConsole.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/OutputFiles.h"
#include "platform/ZipArchive.h"
#include "results/EnrichedSheet.h"
#include "results/FaithfulOdsCopy.h"
#include "results/FaithfulTextCopy.h"
#include "results/FaithfulXlsxCopy.h"
#include "results/RecordWriter.h"
#include "results/SheetAnswers.h"
#include "sheets/DelimitedTextReader.h"
#include "sheets/SheetFile.h"
#include "sheets/SheetNumbers.h"

#include <QCoreApplication>

namespace {
// Standard output takes rows in blocks of about this size, or whatever a slow run has done
// every so often, so that a program reading from the pipe sees rows as they come without a
// system call for every row of a fast one.
constexpr qsizetype kOutputBlockBytes = 64 * 1024;
constexpr qint64 kOutputEveryMs = 500;

class StandardOutputRows final : public BatchOutput
{
public:
    StandardOutputRows(OutcomeFormat format, OutcomeColumnPlaces columns, BatchConsole& console,
                       const Clock& clock)
        : m_writer(MakeOutcomeWriter(format, std::move(columns)))
        , m_console(console)
        , m_clock(clock)
        , m_sentAt(clock.steadyMs())
    {
        m_block = m_writer->begin();
    }

    void add(const CodeOutcome& outcome) override
    {
        m_block += m_writer->row(outcome);
        if (m_block.size() >= kOutputBlockBytes || m_clock.steadyMs() - m_sentAt >= kOutputEveryMs)
            send();
    }

    void finish() override
    {
        m_block += m_writer->end();
        send();
    }
    QStringList leftOut() const override { return m_writer->leftOut(); }

private:
    void send()
    {
        m_sentAt = m_clock.steadyMs();
        if (m_block.isEmpty())
            return;
        m_console.writeStandardOutput(m_block);
        m_block.resize(0);
    }

    std::unique_ptr<OutcomeWriter> m_writer;
    BatchConsole& m_console;
    const Clock& m_clock;
    qint64 m_sentAt;
    QByteArray m_block;
};

class TextFileRows final : public BatchOutput
{
public:
    TextFileRows(OutcomeFormat format, OutcomeColumnPlaces columns,
                 std::unique_ptr<OutputFile> file)
        : m_writer(MakeOutcomeWriter(format, std::move(columns)))
        , m_file(std::move(file))
    {
        m_file->write(m_writer->begin());
    }

    void add(const CodeOutcome& outcome) override { m_file->write(m_writer->row(outcome)); }

    void finish() override
    {
        m_file->write(m_writer->end());
        m_file->commit();
    }
    QStringList leftOut() const override { return m_writer->leftOut(); }

private:
    std::unique_ptr<OutcomeWriter> m_writer;
    std::unique_ptr<OutputFile> m_file;
};

// The texts as a workbook takes them: an .xlsx holds no cell over Excel's limit, and the
// library would refuse the whole workbook for one; such a cell is cut, and counted.
struct CellTexts
{
    explicit CellTexts(bool cutToLimit)
        : cutToLimit(cutToLimit)
    {}
    QString text(const QString& text)
    {
        if (!cutToLimit || text.size() <= kMostCellCharacters)
            return text;
        ++cut;
        return WithinCellLimit(text);
    }

    bool cutToLimit;
    qsizetype cut = 0;
};

// The column names in the first row, each outcome in the row after the one before.
class WorkbookRows final : public BatchOutput
{
public:
    WorkbookRows(OutcomeColumnPlaces columns, std::unique_ptr<WorkbookFile> workbook,
                 bool cutToLimit)
        : m_columns(std::move(columns))
        , m_workbook(std::move(workbook))
        , m_cells(cutToLimit)
    {
        addRow(OutcomeColumnNames(m_columns));
    }

    void add(const CodeOutcome& outcome) override
    {
        addRow(OutcomeCellsAt(outcome, m_columns), outcome.scanCount);
    }
    void finish() override { m_workbook->commit(); }
    qsizetype cutCells() const override { return m_cells.cut; }

private:
    // A scan session's count is a number, to be summed in the workbook like any other.
    void addRow(const QStringList& cells, std::optional<int> count = std::nullopt)
    {
        ++m_row;
        for (qsizetype c = 0; c < cells.size(); ++c) {
            if (count && m_columns[c] == kCountColumnPlace)
                m_workbook->setCellNumber(m_row, int(c) + 1, *count, {});
            else
                m_workbook->setCellText(m_row, int(c) + 1, m_cells.text(cells[c]));
        }
    }

    OutcomeColumnPlaces m_columns;
    std::unique_ptr<WorkbookFile> m_workbook;
    CellTexts m_cells;
    int m_row = 0;
};

// The enriched rows as lines of CSV or TSV, each cell by its text: the sheet's own as they were,
// the answers made safe from being taken for formulas.
class EnrichedTextRows final : public BatchOutput
{
public:
    EnrichedTextRows(const Sheet& sheet, const CodeColumnChoice& choice,
                     const OutcomeColumnPlaces& columns, char separator,
                     std::function<void(QByteArrayView)> write, std::function<void()> done)
        : m_rows(sheet, choice, columns)
        , m_separator(separator)
        , m_write(std::move(write))
        , m_done(std::move(done))
    {}

    void add(const CodeOutcome& outcome) override
    {
        m_rows.through(outcome, [this](const EnrichedSheet::Row& row) { line(row); });
    }

    void finish() override
    {
        m_rows.rest([this](const EnrichedSheet::Row& row) { line(row); });
        m_done();
    }

private:
    void line(const EnrichedSheet::Row& row)
    {
        QStringList cells;
        cells.reserve(qsizetype(row.size()));
        for (std::size_t c = 0; c < row.size(); ++c)
            cells.append(c < m_rows.sheetWidth() ? row[c].text : SpreadsheetSafe(row[c].text));
        m_write(DelimitedLine(cells, m_separator));
    }

    EnrichedSheet m_rows;
    char m_separator;
    std::function<void(QByteArrayView)> m_write;
    std::function<void()> m_done;
};

// The enriched rows as a workbook: text stays text, numbers, dates and booleans keep their kind
// and number format.
class EnrichedWorkbookRows final : public BatchOutput
{
public:
    EnrichedWorkbookRows(const Sheet& sheet, const CodeColumnChoice& choice,
                         const OutcomeColumnPlaces& columns, std::unique_ptr<WorkbookFile> workbook,
                         bool cutToLimit)
        : m_rows(sheet, choice, columns)
        , m_workbook(std::move(workbook))
        , m_cells(cutToLimit)
    {}

    void add(const CodeOutcome& outcome) override
    {
        m_rows.through(outcome, [this](const EnrichedSheet::Row& row) { addRow(row); });
    }

    void finish() override
    {
        m_rows.rest([this](const EnrichedSheet::Row& row) { addRow(row); });
        m_workbook->commit();
    }
    qsizetype cutCells() const override { return m_cells.cut; }

private:
    void addRow(const EnrichedSheet::Row& row)
    {
        ++m_row;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const SheetCell& cell = row[c];
            const int column = int(c) + 1;
            switch (cell.kind) {
            case SheetCell::Kind::Empty:
                break;
            case SheetCell::Kind::Text:
                m_workbook->setCellText(m_row, column, m_cells.text(cell.text));
                break;
            case SheetCell::Kind::Number:
                m_workbook->setCellNumber(m_row, column, cell.number, cell.format);
                break;
            case SheetCell::Kind::Date:
                m_workbook->setCellDate(m_row, column, cell.number, cell.format);
                break;
            case SheetCell::Kind::Boolean:
                m_workbook->setCellBoolean(m_row, column, cell.text == u"TRUE");
                break;
            }
        }
    }

    EnrichedSheet m_rows;
    std::unique_ptr<WorkbookFile> m_workbook;
    CellTexts m_cells;
    int m_row = 0;
};
// The user's own file with the answers added, written once the run is over: the answers are
// gathered by row until then.
class FaithfulRows final : public BatchOutput
{
public:
    FaithfulRows(SheetFormat format, const Sheet& sheet, const CodeColumnChoice& choice,
                 const OutcomeColumnPlaces& columns, const EnrichedSource& source, QString target,
                 std::unique_ptr<OutputFile> text)
        : m_format(format)
        , m_answers(sheet, choice, columns)
        , m_sheetName(sheet.name)
        , m_source(source)
        , m_target(std::move(target))
        , m_text(std::move(text))
    {}

    void add(const CodeOutcome& outcome) override { m_answers.add(outcome); }

    void finish() override
    {
        const SheetLimits limits;
        if (m_text) {
            FileSystem::Contents contents =
                m_source.files.readFile(m_source.path, limits.maxTextBytes);
            if (contents.overLimit)
                throw OperationFailed(
                    QCoreApplication::translate("BatchOutput", "%1 has grown past the limit of %2")
                        .arg(m_source.path, SizeText(limits.maxTextBytes)));
            // The separator the file was read with.
            const QChar separator = m_format == SheetFormat::Tsv
                                        ? QChar(u'\t')
                                        : DelimitedTextReader::guessSeparator(
                                              DelimitedTextReader::decode(contents.bytes));
            m_unencodable = FaithfulTextCopy::write(contents.bytes, separator, m_answers, *m_text);
            m_text->commit();
            return;
        }
        const std::unique_ptr<ZipArchive> archive = m_source.zips.open(m_source.path);
        if (m_format == SheetFormat::Ods)
            FaithfulOdsCopy::write(*archive, m_sheetName, m_target, m_answers, limits);
        else
            m_cut = FaithfulXlsxCopy::write(*archive, m_sheetName, m_target, m_answers, limits);
    }
    qsizetype cutCells() const override { return m_cut; }
    qsizetype unencodableCharacters() const override { return m_unencodable; }

private:
    SheetFormat m_format;
    SheetAnswers m_answers;
    QString m_sheetName;
    EnrichedSource m_source;
    QString m_target;
    std::unique_ptr<OutputFile> m_text;
    qsizetype m_cut = 0;
    qsizetype m_unencodable = 0;
};

// What a container holds, whatever its name says.
std::optional<SheetFormat> WorkbookKind(const ZipArchive& archive)
{
    const QStringList entries = archive.entryNames();
    if (entries.contains(QStringLiteral("content.xml")))
        return SheetFormat::Ods;
    if (entries.contains(QStringLiteral("xl/workbook.xml")) ||
        entries.contains(QStringLiteral("[Content_Types].xml")))
        return SheetFormat::Xlsx;
    return std::nullopt;
}

std::optional<WorkbookFormat> WorkbookFormatOf(OutcomeFormat format)
{
    switch (format) {
    case OutcomeFormat::Xlsx:
        return WorkbookFormat::Xlsx;
    case OutcomeFormat::Ods:
        return WorkbookFormat::Ods;
    case OutcomeFormat::Csv:
    case OutcomeFormat::Tsv:
    case OutcomeFormat::Json:
    case OutcomeFormat::Jsonl:
    case OutcomeFormat::Marc:
    case OutcomeFormat::MarcXml:
        break;
    }
    return std::nullopt;
}
} // namespace

bool WritesToStandardOutput(const BatchOptions& options)
{
    return options.output.isEmpty() || options.output == kStandardOutputName;
}

BatchFormatChoice ChooseBatchFormat(const BatchOptions& options)
{
    std::optional<OutcomeFormat> format = OutcomeFormatNamed(options.format);
    if (!format && !WritesToStandardOutput(options))
        format = OutcomeFormatOfFile(options.output);
    if (!format)
        format = OutcomeFormat::Csv;
    if (WorkbookFormatOf(*format) && WritesToStandardOutput(options))
        return {std::nullopt, QCoreApplication::translate(
                                  "BatchOutput", "a spreadsheet (%1) is written to a file: name "
                                                 "it with --output FILE")
                                  .arg(*format == OutcomeFormat::Ods ? QStringLiteral("ods")
                                                                     : QStringLiteral("xlsx"))};
    return {format, {}};
}

std::unique_ptr<BatchOutput> BatchOutput::open(const BatchOptions& options, OutcomeFormat format,
                                               OutputFiles& files, BatchConsole& console,
                                               const Clock& clock)
{
    // The names were checked when the command line was read.
    OutcomeColumnPlaces columns = ChooseOutcomeColumns(options.columns).places;
    if (WritesToStandardOutput(options))
        return std::make_unique<StandardOutputRows>(format, std::move(columns), console, clock);
    return openFile(options.output, format, std::move(columns), files);
}

std::unique_ptr<BatchOutput> BatchOutput::openFile(const QString& path, OutcomeFormat format,
                                                   OutcomeColumnPlaces columns, OutputFiles& files)
{
    if (const std::optional<WorkbookFormat> workbook = WorkbookFormatOf(format))
        return std::make_unique<WorkbookRows>(std::move(columns),
                                              files.createWorkbook(path, *workbook),
                                              *workbook == WorkbookFormat::Xlsx);
    return std::make_unique<TextFileRows>(format, std::move(columns), files.createText(path));
}

namespace {
// The format of the source a faithful copy is written in, when the output's format is it.
std::optional<SheetFormat> FaithfulFormat(const EnrichedSource& source, OutcomeFormat format)
{
    const std::optional<SheetFormat> named = SheetFormatOfFile(source.path);
    if (format == OutcomeFormat::Xlsx && named == SheetFormat::Xlsx)
        return SheetFormat::Xlsx;
    if (format == OutcomeFormat::Ods && named == SheetFormat::Ods)
        return SheetFormat::Ods;
    if (format == OutcomeFormat::Csv && named == SheetFormat::Csv)
        return SheetFormat::Csv;
    if (format == OutcomeFormat::Tsv && named == SheetFormat::Tsv)
        return SheetFormat::Tsv;
    return std::nullopt;
}
} // namespace

FaithfulCopyCheck CheckFaithfulCopy(const EnrichedSource& source, OutcomeFormat format)
{
    const std::optional<SheetFormat> faithful = FaithfulFormat(source, format);
    if (!faithful)
        return {};
    std::unique_ptr<ZipArchive> archive;
    try {
        if (faithful == SheetFormat::Csv || faithful == SheetFormat::Tsv) {
            // A workbook or a spreadsheet of any other kind under a text file's name was read
            // for what it is, and is copied as values.
            const FileSystem::Contents contents =
                source.files.readFile(source.path, SheetLimits().maxTextBytes);
            const QByteArrayView bytes(contents.bytes);
            return {!contents.overLimit && !bytes.startsWith("PK\x03\x04") &&
                        !bytes.startsWith("\xD0\xCF\x11\xE0"),
                    {}};
        }
        archive = source.zips.open(source.path);
        // A workbook under another's name is copied as values, as it was read.
        if (WorkbookKind(*archive) != faithful)
            return {};
        // What the copy would refuse after the run is said now.
        if (faithful == SheetFormat::Xlsx)
            FaithfulXlsxCopy::checkCopyable(*archive, {});
        else
            FaithfulOdsCopy::checkCopyable(*archive, {});
    } catch (const OperationFailed& failure) {
        return {false, failure.description()};
    }
    return {true, {}};
}

std::unique_ptr<BatchOutput> BatchOutput::openEnriched(const BatchOptions& options,
                                                       OutcomeFormat format, const Sheet& sheet,
                                                       const CodeColumnChoice& choice,
                                                       OutputFiles& files, BatchConsole* console,
                                                       const EnrichedSource* source)
{
    if (format == OutcomeFormat::Json || format == OutcomeFormat::Jsonl)
        throw OperationFailed(QCoreApplication::translate(
            "BatchOutput", "--keep-columns writes csv, tsv, xlsx or ods, not json or jsonl"));
    if (IsRecordFormat(format))
        throw OperationFailed(QCoreApplication::translate(
            "BatchOutput", "--keep-columns writes csv, tsv, xlsx or ods, not catalogue records"));
    const OutcomeColumnPlaces columns = ChooseOutcomeColumns(options.columns).places;
    if (source && !WritesToStandardOutput(options) && CheckFaithfulCopy(*source, format).faithful) {
        // Whether the copy can be written at all is known before the run, as for the others.
        std::unique_ptr<OutputFile> text = files.createText(options.output);
        const SheetFormat faithful = *FaithfulFormat(*source, format);
        if (faithful != SheetFormat::Csv && faithful != SheetFormat::Tsv)
            text.reset();
        return std::make_unique<FaithfulRows>(faithful, sheet, choice, columns, *source,
                                              options.output, std::move(text));
    }
    if (const std::optional<WorkbookFormat> workbook = WorkbookFormatOf(format))
        return std::make_unique<EnrichedWorkbookRows>(
            sheet, choice, columns, files.createWorkbook(options.output, *workbook),
            *workbook == WorkbookFormat::Xlsx);
    const char separator = format == OutcomeFormat::Tsv ? '\t' : ',';
    if (WritesToStandardOutput(options) && console)
        return std::make_unique<EnrichedTextRows>(
            sheet, choice, columns, separator,
            [console](QByteArrayView bytes) { console->writeStandardOutput(bytes); }, [] {});
    std::shared_ptr<OutputFile> file = files.createText(options.output);
    return std::make_unique<EnrichedTextRows>(
        sheet, choice, columns, separator, [file](QByteArrayView bytes) { file->write(bytes); },
        [file] { file->commit(); });
}
