#pragma once

#include "index/ExportReader.h"
#include "platform/ProductIndex.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <optional>

class InputFiles;

// How far an import has got. Bytes are those of the compressed files, over all of them.
struct ImportProgress
{
    int fileNumber = 0; // from 1
    int fileCount = 0;
    QString fileName;
    qint64 bytesRead = 0;
    qint64 totalBytes = 0;
    qint64 rows = 0;
    double seconds = 0;
    // Every file is read; the rows are being sorted into the new index.
    bool completing = false;

    // Compressed bytes a second so far; 0 before there is anything to go by.
    double bytesPerSecond() const;
    // At the rate so far; none until a second or so has gone by.
    std::optional<double> secondsLeft() const;
};

// "412.3 of 950.1 MB read (43%), 1,234,567 rows, 21.4 MB/s, about 25 s left"
QString ProgressText(const ImportProgress& progress);

struct ImportSummary
{
    enum class Outcome {
        Imported,   // the new index is in place
        Cancelled,  // stopped on request; the old index is as it was
        Failed,     // a file could not be read whole, or the index not written
        CannotOpen, // a file could not be opened at all: nothing was started
    };
    Outcome outcome = Outcome::Failed;
    // What went wrong, naming the file: "en.openfoodfacts.org.products.csv.gz: the compressed
    // file ends early, after 1,234 compressed bytes (56,789 bytes of text)".
    QString failure;
    qint64 rows = 0;
    ExportSkips skipped;
    qint64 fieldsCut = 0; // names, brands and quantities cut to kLongestIndexedText
    qint64 textBytes = 0; // decompressed
    double seconds = 0;
    QList<IndexedExport> exports;
};

// The lines that end an import: "Imported 1,234,567 products from 1 file in 1 min 05 s.",
// then the lines skipped and why, or what went wrong.
QStringList SummaryLines(const ImportSummary& summary);

// "Skipped 3 lines: 2 with a wrong number of fields, 1 with an empty code.", the rarer reasons
// named only when they happened; "No line was skipped." for none.
QString SkippedLinesLine(const ExportSkips& skipped);

// Why an export that gave no product is refused: "no products in x.csv.gz (3 lines skipped: 3
// with a wrong number of fields)".
QString NoProductsFailure(const QString& fileName, const ExportSkips& skips);

// The database an export comes from, by its file name: "Open Beauty Facts" for
// "en.openbeautyfacts.org.products.csv.gz"; for a name of no known database, the name without
// its folder and its .gz, .csv, .tsv or .txt endings.
QString DatabaseForExportFile(const QString& path);

struct ImportOptions
{
    // product_name_<localLanguage> becomes the local name ("de"); empty: none.
    QString localLanguage;
    // The languages whose names the index keeps (--languages de,fr); empty: localLanguage alone.
    QStringList languages = {};

    QStringList keptLanguages() const
    {
        return IndexLanguages(languages.isEmpty() ? QStringList{localLanguage} : languages);
    }
};

using ImportProgressSink = std::function<void(const ImportProgress&)>;

// Reads the exports (gzip-compressed or plain text), one after the other, into a new index that
// takes the old one's place only when all of them have been read whole, each with at least one
// product. Checks `cancel` between pieces of a few
// hundred kilobytes of text; once it is set, stops and leaves the old index as it was. Calls
// `progress` after every piece read from a file. Runs in the calling thread; see IndexImportJob
// for running it in a thread of its own.
ImportSummary ImportExports(const QStringList& paths, InputFiles& files, ProductIndex& index,
                            const std::atomic<bool>& cancel, const ImportProgressSink& progress,
                            const ImportOptions& options = {});
