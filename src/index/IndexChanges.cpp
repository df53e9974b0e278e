#include "index/IndexChanges.h"

#include "common/NumberText.h"
#include "common/OperationFailed.h"
#include "index/ExportDecoder.h"
#include "index/ExportReader.h"
#include "index/IndexImport.h"
#include "platform/DownloadStore.h"
#include "platform/HttpFetcher.h"
#include "platform/InputFiles.h"
#include "platform/ProductIndex.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {
// More names than two weeks of files could ever need; the rest of a longer list is not read.
constexpr qsizetype kMostListedFiles = 1000;

struct ChangesCancelled
{
};

// The list, fetched whole into memory: it is small, and bounded as it arrives.
QByteArray FetchList(const ChangesOptions& options, HttpFetcher& fetcher,
                     const std::atomic<bool>& cancel)
{
    const QUrl url(options.listUrl);
    if (options.allowed && !options.allowed(url))
        throw OperationFailed(
            QCoreApplication::translate("IndexChanges", "%1: not a loopback address")
                .arg(options.listUrl));
    QByteArray text;
    QString problem;
    HttpFetcher::Calls calls;
    calls.allowed = options.allowed;
    calls.keepGoing = [&] { return !cancel.load(); };
    calls.onHead = [&](const HttpHead& head) {
        if (head.status == 200)
            return true;
        problem = QStringLiteral("HTTP ") + QString::number(head.status);
        return false;
    };
    calls.onData = [&](QByteArrayView bytes) {
        if (text.size() + bytes.size() > kLongestChangesList) {
            problem =
                QCoreApplication::translate("IndexChanges", "the list is longer than %1 bytes")
                    .arg(GroupedNumber(kLongestChangesList));
            return false;
        }
        text += bytes;
        return true;
    };
    const QString failure = fetcher.fetch(url, {{"User-Agent", options.userAgent}}, calls);
    if (cancel.load())
        throw ChangesCancelled{};
    if (!problem.isEmpty() || !failure.isEmpty())
        throw OperationFailed(options.listUrl + QStringLiteral(": ") +
                              (problem.isEmpty() ? failure : problem));
    return text;
}

} // namespace

AppliedChanges ApplyChangeFile(const QString& path, const ChangeFile& file,
                               const ChangesOptions& options, InputFiles& files,
                               ProductIndex& index, const std::atomic<bool>& cancel,
                               const std::function<void(qint64)>& applied)
{
    const std::unique_ptr<InputFile> input = files.open(path);
    const std::unique_ptr<ProductIndexUpdater> updater = index.startUpdating(options.database);
    ExportDecoder decoder;
    QList<QByteArray> languages;
    for (const QString& language : options.languages)
        languages.append(language.toUtf8());
    ExportReader reader(languages);
    qint64 products = 0;
    const auto put = [&](const ExportRow& row) {
        if (cancel.load(std::memory_order_relaxed))
            throw OperationFailed(QStringLiteral("interrupted"));
        updater->put(row);
        ++products;
    };
    const auto readText = [&](QByteArrayView text) { reader.feed(text, put); };
    std::vector<char> buffer(static_cast<std::size_t>(ExportDecoder::kReadPiece));
    for (;;) {
        const qint64 got = input->read(buffer.data(), ExportDecoder::kReadPiece);
        if (got == 0)
            break;
        if (!decoder.feed(QByteArrayView(buffer.data(), got), readText))
            throw OperationFailed(decoder.problem());
        if (!reader.problem().isEmpty())
            throw OperationFailed(reader.problem());
        if (applied)
            applied(products);
    }
    if (!decoder.finish(readText))
        throw OperationFailed(decoder.problem());
    // A day without a change is a file with no line, which is no damage.
    if (decoder.textBytes() > 0 && !reader.finish(put))
        throw OperationFailed(reader.problem());
    if (cancel.load())
        throw OperationFailed(QStringLiteral("interrupted"));
    updater->commit(file.name, file.end);
    return {products, reader.skips()};
}

QList<ChangeFile> ReadChangesList(QByteArrayView text, const QDateTime& now)
{
    const QDateTime latest = now.addSecs(kClockSkewSeconds);
    static const QRegularExpression kName(
        QStringLiteral("^[A-Za-z0-9][A-Za-z0-9._-]*?(\\d{9,11})_(\\d{9,11})\\.[A-Za-z0-9.]+$"));
    QList<ChangeFile> files;
    for (const QByteArrayView line :
         QByteArray::fromRawData(text.data(), text.size()).split('\n')) {
        if (files.size() >= kMostListedFiles)
            break;
        const QString name = QString::fromUtf8(line).trimmed();
        const QRegularExpressionMatch match = kName.match(name);
        if (!match.hasMatch())
            continue;
        const QDateTime start =
            QDateTime::fromSecsSinceEpoch(match.captured(1).toLongLong(), Qt::UTC);
        const QDateTime end =
            QDateTime::fromSecsSinceEpoch(match.captured(2).toLongLong(), Qt::UTC);
        if (end <= start || end > latest)
            continue;
        ChangeFile file{name, start, end};
        if (!files.contains(file))
            files.append(file);
    }
    std::stable_sort(files.begin(), files.end(), [](const ChangeFile& a, const ChangeFile& b) {
        return a.start != b.start ? a.start < b.start : a.end < b.end;
    });
    return files;
}

ChangesPlan PlanChanges(const QList<ChangeFile>& published, const QDateTime& dataDate)
{
    ChangesPlan plan;
    QList<ChangeFile> newer;
    for (const ChangeFile& file : published)
        if (file.end > dataDate)
            newer.append(file);
    if (newer.isEmpty())
        return plan;
    plan.oldestStart = published.front().start;
    // Changes made between the index's date and the oldest file kept are in no file any more.
    if (newer.front().start > dataDate) {
        plan.kind = ChangesPlan::Kind::TooOld;
        return plan;
    }
    plan.kind = ChangesPlan::Kind::Apply;
    QDateTime reached = dataDate;
    for (const ChangeFile& file : newer) {
        if (file.end <= reached)
            continue; // within what an earlier file covered
        if (file.start > reached) {
            // Past a gap the index would claim changes it never had: the chain stops here.
            plan.gapAfter = plan.files.isEmpty() ? QString() : plan.files.back().name;
            plan.gapEnd = reached;
            plan.nextStart = file.start;
            if (plan.gapAfter.isEmpty())
                plan.gapAfter = QStringLiteral("the index's own date");
            break;
        }
        plan.files.append(file);
        reached = file.end;
    }
    return plan;
}

QString DataDateText(const QDateTime& date)
{
    return date.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm")) + QStringLiteral(" UTC");
}

ChangesResult UpdateIndexFromChanges(const ChangesOptions& options, HttpFetcher& fetcher,
                                     DownloadStore& store, InputFiles& files, ProductIndex& index,
                                     const IndexInfo& info, const std::atomic<bool>& cancel,
                                     const std::function<void(const ChangesProgress&)>& progress)
{
    ChangesResult result;
    const auto fail = [&](QString failure) {
        result.outcome = ChangesResult::Outcome::Failed;
        result.failure = std::move(failure);
        return result;
    };
    // This runs in a worker thread as well as on the command line: whatever goes wrong becomes
    // the result's failure.
    try {
        if (!info.exists)
            return fail(QCoreApplication::translate(
                "IndexChanges",
                "there is no product index to update: download or import one first"));
        if (!info.problem.isEmpty())
            return fail(
                QCoreApplication::translate("IndexChanges", "the product index cannot be read (%1)")
                    .arg(info.problem));
        if (!info.dataDate.isValid())
            return fail(QCoreApplication::translate(
                "IndexChanges",
                "the product index does not say how recent it is: download or import "
                "it again"));
        if (!options.now.isValid())
            throw std::invalid_argument("ChangesOptions::now was not set");
        result.dataDateBefore = result.dataDate = info.dataDate;
        // An index dated in the future (by a file of an earlier version that believed any
        // name) would never find a newer file.
        if (info.dataDate > options.now.addSecs(kClockSkewSeconds))
            return fail(QCoreApplication::translate("IndexChanges",
                                                    "the product index says it is of %1, which "
                                                    "is yet to come: download it again")
                            .arg(DataDateText(info.dataDate)));
        // The names go where the index keeps them: in the languages, and the order, it was
        // imported with.
        ChangesOptions withLanguages = options;
        withLanguages.languages = info.languages;

        const QByteArray list = FetchList(options, fetcher, cancel);
        result.plan = PlanChanges(ReadChangesList(list, options.now), info.dataDate);
        switch (result.plan.kind) {
        case ChangesPlan::Kind::UpToDate:
            result.outcome = ChangesResult::Outcome::UpToDate;
            return result;
        case ChangesPlan::Kind::TooOld:
            result.outcome = ChangesResult::Outcome::TooOld;
            return result;
        case ChangesPlan::Kind::Apply:
            break;
        }

        ChangesProgress at;
        at.fileCount = int(result.plan.files.size());
        const QUrl listUrl(options.listUrl);
        for (const ChangeFile& file : std::as_const(result.plan.files)) {
            if (cancel.load())
                throw ChangesCancelled{};
            if (options.pause)
                options.pause();
            ++at.fileNumber;
            at.fileName = file.name;
            at.applying = false;
            at.products = 0;
            DownloadOptions download;
            download.url = listUrl.resolved(QUrl(file.name)).toString(QUrl::FullyEncoded);
            download.userAgent = options.userAgent;
            download.allowed = options.allowed;
            const DownloadResult fetched =
                DownloadExport(download, fetcher, store, cancel, [&](const DownloadProgress& p) {
                    at.download = p;
                    if (progress)
                        progress(at);
                });
            if (fetched.cancelled)
                throw ChangesCancelled{};
            if (fetched.path.isEmpty())
                return fail(file.name + QStringLiteral(": ") + fetched.failure);
            at.applying = true;
            if (progress)
                progress(at);
            AppliedChanges applied;
            try {
                applied = ApplyChangeFile(fetched.path, file, withLanguages, files, index, cancel,
                                          [&](qint64 products) {
                                              at.products = products;
                                              if (progress)
                                                  progress(at);
                                          });
            } catch (const OperationFailed& failure) {
                store.removeCompleted(fetched.path);
                if (cancel.load())
                    throw ChangesCancelled{};
                return fail(file.name + QStringLiteral(": ") + failure.description());
            } catch (...) {
                store.removeCompleted(fetched.path);
                throw;
            }
            store.removeCompleted(fetched.path);
            ++result.filesApplied;
            result.products += applied.products;
            result.skipped += applied.skipped;
            result.dataDate = file.end;
        }
        result.outcome = result.plan.gapAfter.isEmpty() ? ChangesResult::Outcome::Updated
                                                        : ChangesResult::Outcome::Gap;
    } catch (const ChangesCancelled&) {
        result.outcome = ChangesResult::Outcome::Cancelled;
    } catch (const OperationFailed& failure) {
        return fail(failure.description());
    } catch (const std::exception& failure) {
        return fail(QString::fromLocal8Bit(failure.what()));
    }
    return result;
}

QStringList ChangesLines(const ChangesResult& result)
{
    QStringList lines;
    const auto applied = [&]() -> QString {
        //: %1 is a number of files, %2 of products, %3 a date and time.
        return (result.filesApplied == 1
                    ? QCoreApplication::translate(
                          "IndexChanges",
                          "Applied %1 daily change file (%2 products); the index is now of %3.")
                    : QCoreApplication::translate(
                          "IndexChanges",
                          "Applied %1 daily change files (%2 products); the index is now of %3."))
            .arg(QString::number(result.filesApplied), GroupedNumber(result.products),
                 DataDateText(result.dataDate));
    };
    // What went in, and the lines of those files that held no product to take.
    const auto appendApplied = [&] {
        lines.append(applied());
        if (result.skipped.total() > 0)
            lines.append(SkippedLinesLine(result.skipped));
    };
    const QString download = QCoreApplication::translate(
        "IndexChanges",
        "Download the whole database again (Lookup -> Download Product Database, or "
        "quillfen --download-index).");
    switch (result.outcome) {
    case ChangesResult::Outcome::UpToDate:
        lines.append(
            QCoreApplication::translate(
                "IndexChanges",
                "The product index is up to date (%1): no newer daily change file is published.")
                .arg(DataDateText(result.dataDate)));
        break;
    case ChangesResult::Outcome::Updated:
        appendApplied();
        break;
    case ChangesResult::Outcome::Gap:
        if (result.filesApplied > 0)
            appendApplied();
        lines.append(
            QCoreApplication::translate(
                "IndexChanges",
                "The daily change files have a gap from %1 to %2: no file after it was applied.")
                .arg(DataDateText(result.plan.gapEnd), DataDateText(result.plan.nextStart)));
        lines.append(download);
        break;
    case ChangesResult::Outcome::TooOld:
        lines.append(
            QCoreApplication::translate(
                "IndexChanges",
                "The product index (of %1) is older than the oldest daily change file "
                "kept (from %2): nothing was applied.")
                .arg(DataDateText(result.dataDateBefore), DataDateText(result.plan.oldestStart)));
        lines.append(download);
        break;
    case ChangesResult::Outcome::Failed:
        if (result.filesApplied > 0)
            appendApplied();
        lines.append(
            QCoreApplication::translate("IndexChanges", "Update failed: %1").arg(result.failure));
        lines.append(QCoreApplication::translate(
            "IndexChanges", "The product index is as it was before that file."));
        break;
    case ChangesResult::Outcome::Cancelled:
        if (result.filesApplied > 0)
            appendApplied();
        lines.append(QCoreApplication::translate(
            "IndexChanges",
            "Update interrupted: the product index is as it was before the file under way."));
        break;
    }
    return lines;
}
