#pragma once

#include "platform/DownloadStore.h"
#include "platform/HttpFetcher.h"

#include <QString>
#include <QUrl>

#include <atomic>
#include <functional>
#include <optional>

// Where the export is fetched from unless QUILLFEN_INDEX_URL says otherwise.
inline constexpr QStringView kIndexExportUrl =
    u"https://static.openfoodfacts.org/data/en.openfoodfacts.org.products.csv.gz";

// The headers that ask for the rest of a kept part: a Range from its end, and an If-Range with
// the validator the server gave, so that a changed file comes back whole (200) instead of as a
// piece of a different file. None (start from the beginning) when the part is of another
// address, empty, or has no validator to check it by.
HttpHeaders ResumeHeaders(const std::optional<PartialDownload>& part, const QString& url);

// What to do with an answer to a request that may have asked for the rest of a part.
enum class DownloadAnswer {
    Append,    // 206 for exactly the bytes after the part
    StartOver, // the whole file (200): it changed, or the server ignores ranges
    RangeGone, // 416: the part is as long as the file, or the file shrank
    Fail,      // any other status
};
DownloadAnswer ReadDownloadAnswer(const HttpHead& head, qint64 resumeFrom);

struct DownloadProgress
{
    qint64 bytes = 0;       // of the file, the kept part included
    qint64 totalBytes = -1; // -1 while unknown
    double seconds = 0;
    qint64 bytesThisRun = 0; // what the rate is taken from
    // Why a kept part was not continued, for the rest of the run; empty when it was, or when
    // there was none.
    QString notice;
};

inline constexpr QStringView kCannotResumeNotice =
    u"the server cannot resume; starting again from the beginning";
// The same notice for translating where it is told:
// QCoreApplication::translate("IndexDownload", kCannotResumeNoticeText).
inline constexpr char kCannotResumeNoticeText[] = QT_TRANSLATE_NOOP(
    "IndexDownload", "the server cannot resume; starting again from the beginning");
// What to say when a request for the rest of `kept` brought the whole file, described by
// `fresh`: that the server cannot resume, or that the file changed.
QString StartOverNotice(const PartialDownload& kept, const PartialDownload& fresh);
// "120.5 of 950.0 MB downloaded (12%), 4.1 MB/s, about 3 min 22 s left"
QString DownloadProgressText(const DownloadProgress& progress);

struct DownloadOptions
{
    QString url = kIndexExportUrl.toString();
    // "Quillfen/<version> (<contact>)"
    QByteArray userAgent;
    // Whether an address may be asked; refused ones fail with "not a loopback address".
    std::function<bool(const QUrl&)> allowed;
};

struct DownloadResult
{
    QString path;    // the complete file, when it arrived whole
    QString failure; // otherwise, what happened
    bool cancelled = false;
};

// Fetches the export into the store, resuming a kept part when the server allows it, and
// checks as the bytes arrive that they make a complete gzip stream (a kept part is inflated
// once more first). A transfer that breaks off keeps its part for the next run. Throws nothing:
// what the store or the network refuses is the result's failure.
DownloadResult DownloadExport(const DownloadOptions& options, HttpFetcher& fetcher,
                              DownloadStore& store, const std::atomic<bool>& cancel,
                              const std::function<void(const DownloadProgress&)>& progress);
