#include "app/BatchOutput.h"

#include "platform/BatchConsole.h"
#include "platform/Clock.h"
#include "platform/OutputFiles.h"

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

private:
    std::unique_ptr<OutcomeWriter> m_writer;
    std::unique_ptr<OutputFile> m_file;
};

// The column names in the first row, each outcome in the row after the one before.
class WorkbookRows final : public BatchOutput
{
public:
    WorkbookRows(OutcomeColumnPlaces columns, std::unique_ptr<WorkbookFile> workbook)
        : m_columns(std::move(columns))
        , m_workbook(std::move(workbook))
    {
        addRow(PickCells(OutcomeColumns(), m_columns));
    }

    void add(const CodeOutcome& outcome) override
    {
        addRow(PickCells(OutcomeCells(outcome), m_columns));
    }
    void finish() override { m_workbook->commit(); }

private:
    void addRow(const QStringList& cells)
    {
        ++m_row;
        for (qsizetype c = 0; c < cells.size(); ++c)
            m_workbook->setCellText(m_row, int(c) + 1, cells[c]);
    }

    OutcomeColumnPlaces m_columns;
    std::unique_ptr<WorkbookFile> m_workbook;
    int m_row = 0;
};
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
    if (*format == OutcomeFormat::Xlsx && WritesToStandardOutput(options))
        return {std::nullopt, QStringLiteral("a spreadsheet (xlsx) is written to a file: name "
                                             "it with --output FILE")};
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
    if (format == OutcomeFormat::Xlsx)
        return std::make_unique<WorkbookRows>(std::move(columns),
                                              files.createWorkbook(options.output));
    return std::make_unique<TextFileRows>(format, std::move(columns),
                                          files.createText(options.output));
}
