#pragma once

#include "app/AppConfig.h"
#include "results/OutcomeWriter.h"

#include <QString>

#include <memory>
#include <optional>

class BatchConsole;
class Clock;
class FileSystem;
class OutputFiles;
class ZipArchives;
struct CodeOutcome;
struct CodeColumnChoice;
struct Sheet;

// What names standard output as the --output of a batch run, besides naming none.
inline constexpr QStringView kStandardOutputName = u"-";
bool WritesToStandardOutput(const BatchOptions& options);

// The format --format names; else the one the output file's extension names; else CSV. Empty,
// with the reason, for a choice that cannot be written: a spreadsheet needs a file.
struct BatchFormatChoice
{
    std::optional<OutcomeFormat> format;
    QString problem;
};
BatchFormatChoice ChooseBatchFormat(const BatchOptions& options);

// The file an enriched sheet was read from, so that the copy can be that very file with the
// answers added.
struct EnrichedSource
{
    QString path;
    ZipArchives& zips;
    const FileSystem& files;
};

// Whether the copy of the source in the format keeps everything the file holds: it does when the
// format is the source's own, but for a workbook that cannot be copied as it is, whose `problem`
// says why (to be said before the run; its values are copied instead). Other formats are copies
// of the values, without a problem.
struct FaithfulCopyCheck
{
    bool faithful = false;
    QString problem;
};
FaithfulCopyCheck CheckFaithfulCopy(const EnrichedSource& source, OutcomeFormat format);

// Where the rows of a batch run go: standard output as each row is done, or a file, which is
// written whole once the run is over (stopped or not) and replaces whatever was there only then.
class BatchOutput
{
public:
    virtual ~BatchOutput() = default;

    // Throws OperationFailed when the row cannot be written.
    virtual void add(const CodeOutcome& outcome) = 0;
    // Closes the rows (a JSON array gets its bracket) and puts the file in place. Throws
    // OperationFailed, and the file then stays as it was.
    virtual void finish() = 0;
    // The cells cut to Excel's limit of characters so far (an .xlsx only).
    virtual qsizetype cutCells() const { return 0; }
    // The characters of the answers a copy's encoding (Windows-1252) could not hold, written "?".
    virtual qsizetype unencodableCharacters() const { return 0; }
    // The codes of the rows a file of catalogue records holds nothing for (OutcomeWriter::leftOut).
    virtual QStringList leftOut() const { return {}; }

    // Opens the output --output names, or standard output. Throws OperationFailed when the file
    // cannot be created.
    static std::unique_ptr<BatchOutput> open(const BatchOptions& options, OutcomeFormat format,
                                             OutputFiles& files, BatchConsole& console,
                                             const Clock& clock);

    // The rows, of the columns at those places, to the file at `path` in the format, as batch
    // mode writes them (the window's Save Results As too). Throws OperationFailed when the file
    // cannot be created.
    static std::unique_ptr<BatchOutput> openFile(const QString& path, OutcomeFormat format,
                                                 OutcomeColumnPlaces columns, OutputFiles& files);

    // The sheet given back with the answers beside its rows (--keep-columns), as CSV, TSV or a
    // workbook that keeps each cell's kind. The outcomes come in the order of the sheet's codes.
    // Standard output, through the console, only when there is one.
    // With the source, when CheckFaithfulCopy says so, the copy is the source file itself with
    // the answers added, written when the run is over.
    // Throws OperationFailed when the file cannot be created or the format holds no sheet.
    static std::unique_ptr<BatchOutput> openEnriched(const BatchOptions& options,
                                                     OutcomeFormat format, const Sheet& sheet,
                                                     const CodeColumnChoice& choice,
                                                     OutputFiles& files, BatchConsole* console,
                                                     const EnrichedSource* source = nullptr);
};
