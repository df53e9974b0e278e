#include "app/index/IndexCommands.h"

#include "common/NumberText.h"
#include "platform/DownloadStore.h"

#include <QCoreApplication>

namespace {
// Progress on standard error: one line rewritten in place on a terminal, else a line every ten
// seconds, so that a log stays readable.
class ProgressLine
{
public:
    explicit ProgressLine(IndexCommandContext& context)
        : m_context(context)
    {}

    void show(const QString& text, double seconds)
    {
        if (m_context.errorIsTerminal) {
            // "\x1b[K" clears what a longer earlier line left behind.
            m_context.writeError(u'\r' + text + QStringLiteral("\x1b[K"));
            m_open = true;
        } else if (seconds >= m_nextAt) {
            m_context.writeError(text + u'\n');
            m_nextAt = seconds + 10;
        }
    }

    void end()
    {
        if (m_open)
            m_context.writeError(QStringLiteral("\n"));
        m_open = false;
        m_nextAt = 10;
    }

private:
    IndexCommandContext& m_context;
    bool m_open = false;
    double m_nextAt = 10;
};

int InterruptedStatus(const IndexCommandContext& context)
{
    return context.terminated && context.terminated() ? kIndexCommandTerminated
                                                      : kIndexCommandInterrupted;
}

int Import(const QStringList& files, IndexCommandContext& context, bool ourOwnFiles)
{
    ProgressLine line(context);
    const ImportSummary summary = ImportExports(
        files, context.files, context.index, context.interrupted,
        [&](const ImportProgress& at) {
            //: %1 and %2: the file's number and how many there are; %3 its name, %4 how far the
            //: import has come.
            const QString text =
                at.fileCount > 1
                    ? QCoreApplication::translate("IndexCommands", "Importing %1/%2 %3: %4")
                          .arg(QString::number(at.fileNumber), QString::number(at.fileCount),
                               at.fileName, ProgressText(at))
                    : QCoreApplication::translate("IndexCommands", "Importing %1: %2")
                          .arg(at.fileName, ProgressText(at));
            line.show(text, at.seconds);
        },
        context.options);
    line.end();
    for (const QString& text : SummaryLines(summary))
        context.writeError(text + u'\n');
    switch (summary.outcome) {
    case ImportSummary::Outcome::Imported:
        return kIndexCommandOk;
    case ImportSummary::Outcome::Cancelled:
        return InterruptedStatus(context);
    case ImportSummary::Outcome::CannotOpen:
        return ourOwnFiles ? kIndexCommandFailed : kIndexCommandBadUsage;
    case ImportSummary::Outcome::Failed:
        break;
    }
    return kIndexCommandFailed;
}
} // namespace

int RunImportIndex(const QStringList& files, IndexCommandContext& context)
{
    if (files.isEmpty()) {
        context.writeError(
            QCoreApplication::translate("IndexCommands",
                                        "Name the export files to import, for example:") +
            QStringLiteral("\n    quillfen --import-index en.openfoodfacts.org.products.csv.gz\n"));
        return kIndexCommandBadUsage;
    }
    return Import(files, context, false);
}

int RunDownloadIndex(IndexCommandContext& context, HttpFetcher& fetcher, DownloadStore& store,
                     const DownloadOptions& options)
{
    context.writeError(
        QCoreApplication::translate("IndexCommands", "Downloading %1").arg(options.url) + u'\n');
    ProgressLine line(context);
    QString noticeShown;
    const DownloadResult download = DownloadExport(
        options, fetcher, store, context.interrupted, [&](const DownloadProgress& at) {
            if (at.notice != noticeShown) {
                line.end();
                context.writeError(at.notice + u'\n');
                noticeShown = at.notice;
            }
            line.show(QCoreApplication::translate("IndexCommands", "Downloading: %1")
                          .arg(DownloadProgressText(at)),
                      at.seconds);
        });
    line.end();
    if (download.path.isEmpty()) {
        context.writeError(
            (download.cancelled
                 ? QCoreApplication::translate("IndexCommands", "Download interrupted: %1")
                 : QCoreApplication::translate("IndexCommands", "Download failed: %1"))
                .arg(download.failure) +
            u'\n');
        return download.cancelled ? InterruptedStatus(context) : kIndexCommandFailed;
    }
    const int status = Import({download.path}, context, true);
    // Once imported, the export is only taking space; a failed import keeps it to retry.
    if (status == kIndexCommandOk)
        store.removeCompleted(download.path);
    return status;
}

int RunUpdateIndex(IndexCommandContext& context, HttpFetcher& fetcher, DownloadStore& store,
                   const ChangesOptions& options)
{
    context.writeError(
        QCoreApplication::translate("IndexCommands", "Reading the list of daily change files at %1")
            .arg(options.listUrl) +
        u'\n');
    ProgressLine line(context);
    context.index.reopenIfReplaced();
    const ChangesResult result = UpdateIndexFromChanges(
        options, fetcher, store, context.files, context.index, context.index.info(),
        context.interrupted, [&](const ChangesProgress& at) {
            //: %1 and %2: the change file's number and how many there are; %3 its name, %4 how
            //: far it has come.
            const QString text =
                QCoreApplication::translate("IndexCommands", "Updating %1/%2 %3: %4")
                    .arg(QString::number(at.fileNumber), QString::number(at.fileCount), at.fileName,
                         at.applying
                             ? QCoreApplication::translate("IndexCommands", "%1 products applied")
                                   .arg(GroupedNumber(at.products))
                             : DownloadProgressText(at.download));
            line.show(text, at.download.seconds);
        });
    line.end();
    for (const QString& text : ChangesLines(result))
        context.writeError(text + u'\n');
    switch (result.outcome) {
    case ChangesResult::Outcome::UpToDate:
    case ChangesResult::Outcome::Updated:
        return kIndexCommandOk;
    case ChangesResult::Outcome::Cancelled:
        return InterruptedStatus(context);
    case ChangesResult::Outcome::Gap:
    case ChangesResult::Outcome::TooOld:
    case ChangesResult::Outcome::Failed:
        break;
    }
    return kIndexCommandFailed;
}
