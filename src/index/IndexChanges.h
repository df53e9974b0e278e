#pragma once

#include "index/ExportReader.h"
#include "index/IndexDownload.h"
#include "platform/ProductIndex.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

class DownloadStore;
class HttpFetcher;
class InputFiles;
class ProductIndex;

// The list of daily change files Open Food Facts publishes on its static host, unless
// QUILLFEN_INDEX_DELTAS_URL says otherwise; the files themselves lie beside it.
inline constexpr QStringView kIndexChangesListUrl =
    u"https://static.openfoodfacts.org/data/delta/index.txt";
// The list is a few dozen names; anything much longer is not that list.
inline constexpr qint64 kLongestChangesList = 1024 * 1024;

// One daily change file: the products changed between its start and its end, each as it was at
// the end.
struct ChangeFile
{
    QString name; // "openfoodfacts_products_1765152000_1765238400.json.gz"
    QDateTime start;
    QDateTime end;
    bool operator==(const ChangeFile&) const = default;
};

// The change files the list names, oldest first. The list is published newest first, and only
// the times in the names say which is which: a name ends in its start and end as seconds since
// 1970 ("..._<start>_<end>.json.gz"). A line that is no such name, or one that would be read as
// more than a file's name beside the list (a slash, a colon, a query), is left out; so is a name
// whose end is not after its start, or lies more than kClockSkewSeconds (DownloadStore.h) after
// `now`: applied, it would date the index in the future, and no later file would ever be newer.
QList<ChangeFile> ReadChangesList(QByteArrayView text, const QDateTime& now);

// What to apply to an index whose data are of `dataDate`.
struct ChangesPlan
{
    enum class Kind {
        UpToDate, // no file ends after the index's date
        Apply,    // `files` bring the index forward, up to `gapAfter` if there is one
        TooOld,   // the oldest file kept starts after the index's date: changes are missing
    };
    Kind kind = Kind::UpToDate;
    QList<ChangeFile> files; // oldest first
    // The chain breaks after this file (or after the index's date when `files` is empty): the
    // next one starts later than it ends. Empty when the chain is whole.
    QString gapAfter;
    QDateTime gapEnd;      // where the chain stops
    QDateTime nextStart;   // where the one after the gap starts
    QDateTime oldestStart; // of the oldest file kept, for TooOld
};
ChangesPlan PlanChanges(const QList<ChangeFile>& published, const QDateTime& dataDate);

struct ChangesOptions
{
    QString listUrl = kIndexChangesListUrl.toString();
    QByteArray userAgent; // as the full download's
    std::function<bool(const QUrl&)> allowed;
    // Called between two requests, to keep the pace the database asks of reusers; may be empty.
    std::function<void()> pause;
    QString database = QStringLiteral("Open Food Facts");
    // The languages whose names the index keeps, in its order (IndexInfo::languages); the
    // update fills them in from the index.
    QStringList languages;
    // The time of the update by the machine's clock, which the files' dates are judged by.
    QDateTime now;
};

struct ChangesProgress
{
    int fileNumber = 0; // from 1
    int fileCount = 0;
    QString fileName;
    bool applying = false; // downloaded; its products are going in
    DownloadProgress download;
    qint64 products = 0; // of this file, applied so far
};

struct ChangesResult
{
    enum class Outcome {
        UpToDate,  // nothing to apply
        Updated,   // every file there was to apply went in
        Gap,       // the files up to a gap went in; a full download is needed to go further
        TooOld,    // nothing applied: a full download is needed
        Failed,    // a file could not be fetched or applied; those before it went in
        Cancelled, // stopped on request; those before went in
    };
    Outcome outcome = Outcome::Failed;
    int filesApplied = 0;
    qint64 products = 0; // added or replaced, over all files
    ExportSkips skipped; // lines of the files applied that held no product to take
    QDateTime dataDateBefore;
    QDateTime dataDate; // of the index now
    QString failure;    // for Failed
    ChangesPlan plan;
};

// Brings the index forward with the daily change files: fetches the list, then each file it
// needs, oldest first, and applies each whole or not at all; the index records the last one
// applied and the end of its data. `info` is the index's, taken by the thread that reads it:
// this one may run in another, and only starts updates there. Throws nothing.
ChangesResult UpdateIndexFromChanges(const ChangesOptions& options, HttpFetcher& fetcher,
                                     DownloadStore& store, InputFiles& files, ProductIndex& index,
                                     const IndexInfo& info, const std::atomic<bool>& cancel,
                                     const std::function<void(const ChangesProgress&)>& progress);

// What one change file brought.
struct AppliedChanges
{
    qint64 products = 0;
    ExportSkips skipped;
};

// Applies one change file on the disk (gzip or plain, JSON Lines or CSV) to the index, whole or
// not at all, calling `applied` with the products put so far after each piece read. Returns the
// products it held and the lines skipped. Throws OperationFailed ("interrupted" once `cancel` is
// set), and then the index is as it was.
AppliedChanges ApplyChangeFile(const QString& path, const ChangeFile& file,
                               const ChangesOptions& options, InputFiles& files,
                               ProductIndex& index, const std::atomic<bool>& cancel,
                               const std::function<void(qint64)>& applied = {});

// What to tell at the end: "Applied 3 daily change files (152,331 products); the index is now
// of 2026-12-08 02:00 UTC.", or why nothing was.
QStringList ChangesLines(const ChangesResult& result);

// "2026-12-08 02:00 UTC"
QString DataDateText(const QDateTime& date);
