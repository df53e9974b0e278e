#include "index/IndexDownload.h"

#include "common/OperationFailed.h"
#include "index/GzipInflater.h"
#include "index/ImportText.h"

#include <QCoreApplication>
#include <QElapsedTimer>

HttpHeaders ResumeHeaders(const std::optional<PartialDownload>& part, const QString& url)
{
    if (!part || part->url != url || part->bytes <= 0)
        return {};
    const QByteArray validator = !part->etag.isEmpty() ? part->etag : part->lastModified;
    if (validator.isEmpty())
        return {};
    return {{"Range", "bytes=" + QByteArray::number(part->bytes) + '-'}, {"If-Range", validator}};
}

DownloadAnswer ReadDownloadAnswer(const HttpHead& head, qint64 resumeFrom)
{
    switch (head.status) {
    case 200:
        return DownloadAnswer::StartOver;
    case 206: {
        // "bytes 1000-1999/2000": the piece must start where the part ends.
        const QByteArray range = head.header("Content-Range").trimmed();
        if (resumeFrom > 0 && range.startsWith("bytes ")) {
            const QByteArray from = range.mid(6, range.indexOf('-') - 6);
            bool ok = false;
            if (from.toLongLong(&ok) == resumeFrom && ok)
                return DownloadAnswer::Append;
        }
        return DownloadAnswer::Fail;
    }
    case 416:
        return DownloadAnswer::RangeGone;
    default:
        return DownloadAnswer::Fail;
    }
}

QString DownloadProgressText(const DownloadProgress& progress)
{
    const QString downloaded = QString::number(double(progress.bytes) / 1e6, 'f', 1);
    //: %1 is a number of megabytes, %2 the size of the file ("12.5 MB"), %3 a per cent.
    QString text =
        progress.totalBytes > 0
            ? QCoreApplication::translate("IndexDownload", "%1 of %2 downloaded (%3%)")
                  .arg(downloaded, MegabytesText(progress.totalBytes),
                       QString::number(progress.bytes * 100 / progress.totalBytes))
            //: %1 is a number of megabytes.
            : QCoreApplication::translate("IndexDownload", "%1 MB downloaded").arg(downloaded);
    if (progress.seconds >= 1) {
        const double rate = double(progress.bytesThisRun) / progress.seconds;
        //: A speed: %1 is a size ("3.2 MB").
        text +=
            QStringLiteral(", ") +
            QCoreApplication::translate("IndexDownload", "%1/s").arg(MegabytesText(qint64(rate)));
        if (progress.totalBytes > progress.bytes && rate > 0)
            //: %1 is a time ("2 min 05 s").
            text += QStringLiteral(", ") +
                    QCoreApplication::translate("IndexDownload", "about %1 left")
                        .arg(DurationText(double(progress.totalBytes - progress.bytes) / rate));
    }
    return text;
}

namespace {
qint64 TotalFromHead(const HttpHead& head, qint64 resumeFrom)
{
    // "Content-Range: bytes 1000-1999/2000" gives the whole; a 200's length is the whole. Sizes
    // no file has are unknown sizes.
    const auto size = [](qint64 bytes) {
        return bytes >= 0 && bytes <= kLargestDownloadBytes ? bytes : -1;
    };
    const QByteArray range = head.header("Content-Range");
    const qsizetype slash = range.lastIndexOf('/');
    bool ok = false;
    if (slash >= 0) {
        const qint64 total = range.mid(slash + 1).trimmed().toLongLong(&ok);
        if (ok)
            return size(total);
    }
    const qint64 length = size(head.header("Content-Length").trimmed().toLongLong(&ok));
    if (!ok || length < 0)
        return -1;
    // Both within what a disk holds: the sum cannot overflow.
    return size(length + (head.status == 206 ? resumeFrom : 0));
}

QString FileNameOf(const QString& url)
{
    const QString name = QUrl(url).fileName();
    return name.isEmpty() ? QStringLiteral("index-download.csv.gz") : name;
}
} // namespace

namespace {
DownloadResult Download(const DownloadOptions& options, HttpFetcher& fetcher, DownloadStore& store,
                        const std::atomic<bool>& cancel,
                        const std::function<void(const DownloadProgress&)>& progress)
{
    DownloadResult result;
    QElapsedTimer clock;
    clock.start();
    const QUrl url(options.url);
    if (options.allowed && !options.allowed(url)) {
        result.failure = QCoreApplication::translate("IndexDownload", "%1: not a loopback address")
                             .arg(options.url);
        return result;
    }

    // Two rounds at most: a part the server cannot continue is dropped once, and the file is
    // asked for whole.
    QString notice;
    for (int round = 0; round < 2; ++round) {
        std::optional<PartialDownload> part = store.part();
        HttpHeaders headers = ResumeHeaders(part, options.url);
        std::optional<GzipInflater> inflater{std::in_place};
        const auto discardText = [](QByteArrayView) {};
        DownloadProgress at;
        at.notice = notice;
        if (!headers.isEmpty()) {
            // The kept bytes are checked again: a damaged part is not worth continuing.
            store.readPart([&](QByteArrayView bytes) { inflater->feed(bytes, discardText); });
            if (inflater->state() == GzipInflater::State::Corrupt) {
                store.discard();
                part.reset();
                headers.clear();
                inflater.emplace();
            } else {
                at.bytes = part->bytes;
                at.totalBytes = part->totalBytes;
            }
        }
        const qint64 resumeFrom = headers.isEmpty() ? 0 : part->bytes;
        headers.append({"User-Agent", options.userAgent});

        DownloadAnswer answer = DownloadAnswer::Fail;
        QString problem;
        // What the store refused (a full disk). It is kept here rather than thrown: the fetcher
        // calls back from inside its event loop, which no exception may cross.
        QString storeFailure;
        const auto guarded = [&](const auto& body) {
            try {
                return body();
            } catch (const OperationFailed& failure) {
                storeFailure = failure.description();
            } catch (const std::exception& failure) {
                storeFailure = QString::fromLocal8Bit(failure.what());
            }
            return false;
        };
        const qint64 startedAt = clock.elapsed();
        HttpFetcher::Calls calls;
        calls.allowed = options.allowed;
        calls.keepGoing = [&] { return !cancel.load(); };
        calls.onHead = [&](const HttpHead& head) {
            return guarded([&] {
                answer = resumeFrom > 0 ? ReadDownloadAnswer(head, resumeFrom)
                                        : (head.status == 200 ? DownloadAnswer::StartOver
                                                              : DownloadAnswer::Fail);
                if (answer == DownloadAnswer::Fail) {
                    problem = QStringLiteral("HTTP ") + QString::number(head.status);
                    return false;
                }
                if (answer == DownloadAnswer::RangeGone)
                    return false;
                at.totalBytes = TotalFromHead(head, resumeFrom);
                if (answer == DownloadAnswer::StartOver) {
                    PartialDownload fresh;
                    fresh.url = options.url;
                    fresh.etag = head.header("ETag");
                    fresh.lastModified = head.header("Last-Modified");
                    fresh.totalBytes = at.totalBytes;
                    if (resumeFrom > 0)
                        at.notice = notice = StartOverNotice(*part, fresh);
                    store.startPart(fresh);
                    inflater.emplace();
                    at.bytes = 0;
                }
                return true;
            });
        };
        calls.onData = [&](QByteArrayView bytes) {
            return guarded([&] {
                if (cancel.load())
                    return false;
                store.append(bytes);
                inflater->feed(bytes, discardText);
                if (inflater->state() == GzipInflater::State::Corrupt) {
                    problem = inflater->problem();
                    return false;
                }
                at.bytes += bytes.size();
                at.bytesThisRun += bytes.size();
                at.seconds = double(clock.elapsed() - startedAt) / 1000;
                if (progress)
                    progress(at);
                return true;
            });
        };
        const QString failure = fetcher.fetch(url, headers, calls);
        if (!storeFailure.isEmpty()) {
            result.failure = storeFailure;
            return result;
        }
        if (cancel.load()) {
            result.cancelled = true;
            result.failure =
                at.bytes > 0 ? QCoreApplication::translate("IndexDownload",
                                                           "cancelled; run again to go on from %1")
                                   .arg(MegabytesText(at.bytes))
                             : QCoreApplication::translate("IndexDownload", "cancelled");
            return result;
        }
        if (answer == DownloadAnswer::RangeGone) {
            // A part as long as the file is the file, if it is a whole stream.
            if (inflater->complete()) {
                result.path = store.complete(FileNameOf(options.url));
                return result;
            }
            store.discard();
            notice = QCoreApplication::translate("IndexDownload", kCannotResumeNoticeText);
            continue;
        }
        if (inflater->state() == GzipInflater::State::Corrupt) {
            store.discard();
            result.failure =
                QCoreApplication::translate("IndexDownload", "the downloaded file is damaged: %1")
                    .arg(problem);
            return result;
        }
        if (!problem.isEmpty()) {
            result.failure = options.url + QStringLiteral(": ") + problem;
            return result;
        }
        if (!failure.isEmpty() || !inflater->complete()) {
            // With nothing kept there is nowhere to go on from: say only what happened.
            if (at.bytes == 0)
                result.failure =
                    options.url + QStringLiteral(": ") +
                    (failure.isEmpty() ? QCoreApplication::translate("IndexDownload", "no data")
                                       : failure);
            else if (failure.isEmpty())
                result.failure =
                    QCoreApplication::translate(
                        "IndexDownload",
                        "the download broke off after %1; run again to go on from there")
                        .arg(MegabytesText(at.bytes));
            else
                //: %1 is a size ("12.5 MB"), %2 why the download broke off.
                result.failure =
                    QCoreApplication::translate(
                        "IndexDownload",
                        "the download broke off after %1 (%2); run again to go on from there")
                        .arg(MegabytesText(at.bytes), failure);
            return result;
        }
        result.path = store.complete(FileNameOf(options.url));
        return result;
    }
    result.failure =
        QCoreApplication::translate("IndexDownload", "%1: the server cannot resume the download")
            .arg(options.url);
    return result;
}
} // namespace

QString StartOverNotice(const PartialDownload& kept, const PartialDownload& fresh)
{
    // The whole file under another validator is another file; under the same one, the server
    // just does not serve pieces.
    const bool changed = (!kept.etag.isEmpty() && kept.etag != fresh.etag) ||
                         (kept.etag.isEmpty() && kept.lastModified != fresh.lastModified);
    return changed ? QCoreApplication::translate(
                         "IndexDownload",
                         "the file changed on the server; starting again from the beginning")
                   : QCoreApplication::translate("IndexDownload", kCannotResumeNoticeText);
}

DownloadResult DownloadExport(const DownloadOptions& options, HttpFetcher& fetcher,
                              DownloadStore& store, const std::atomic<bool>& cancel,
                              const std::function<void(const DownloadProgress&)>& progress)
{
    // This runs in a worker thread: whatever goes wrong becomes the download's failure, since
    // an exception leaving the thread would end the program.
    try {
        return Download(options, fetcher, store, cancel, progress);
    } catch (const OperationFailed& failure) {
        return DownloadResult{{}, failure.description(), false};
    } catch (const std::exception& failure) {
        return DownloadResult{{}, QString::fromLocal8Bit(failure.what()), false};
    }
}
