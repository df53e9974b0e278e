#include "barcodes/BarcodeCodeLoader.h"

#include "common/WorkerThread.h"
#include "platform/EventLoop.h"
#include "platform/ListControl.h"
#include "platform/MessageBox.h"
#include "platform/ProgressDialog.h"

#include <QFileInfo>
#include <QObject>

#include <algorithm>
#include <atomic>

namespace {
struct ReadOutcome
{
    std::vector<BarcodeFileResult> results;
    bool cancelled = false;
};

QString counted(qsizetype n, const char* one, const char* many)
{
    return QString::number(n) + u' ' + QLatin1String(n == 1 ? one : many);
}

// Asks the task to stop however the wait for it ends (the window closing throws), before the
// worker, destroyed next, waits for it.
struct StopOnLeaving
{
    std::atomic<bool>& cancel;
    ~StopOnLeaving() { cancel = true; }
};
} // namespace

QString BarcodeSummaryMessage(const std::vector<BarcodeFileResult>& results)
{
    qsizetype codes = 0;
    qsizetype withCodes = 0;
    QStringList empty;
    QStringList problems;
    for (const BarcodeFileResult& result : results) {
        if (!result.problem.isEmpty()) {
            problems.append(QStringLiteral("The file ") + result.path +
                            QStringLiteral(" cannot be read: ") + result.problem +
                            QStringLiteral(". No codes were loaded from it."));
            continue;
        }
        codes += result.codes.size();
        if (result.codes.isEmpty())
            empty.append(QFileInfo(result.path).fileName());
        else
            ++withCodes;
    }
    QStringList lines;
    if (codes > 0) {
        lines.append(
            QStringLiteral("Found %1 in %2.")
                .arg(counted(codes, "code", "codes"), counted(withCodes, "file", "files")));
        if (!empty.isEmpty())
            lines.append(QStringLiteral("No barcodes found in ") +
                         empty.join(QStringLiteral(", ")) + u'.');
    } else if (!empty.isEmpty()) {
        lines.append(QStringLiteral("No barcodes found in ") + empty.join(QStringLiteral(", ")) +
                     u'.');
    }
    lines.append(problems);
    return lines.join(u'\n');
}

void BarcodeCodeLoader::load(ListControl& list, const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    ReadOutcome outcome;
    bool done = false;
    std::atomic<bool> cancel{false};
    QObject owner;
    WorkerThread worker;
    const StopOnLeaving stopping{cancel};
    const BarcodeServices services{m_platform.pictureFiles, m_platform.pdfDocument,
                                   m_platform.barcodeScanner, m_platform.barcodeFilesAtOnce};
    ProgressDialog& dialog = m_platform.progressDialog;
    BarcodeProgress first;
    first.fileName = QFileInfo(paths.constFirst()).fileName();
    first.fileCount = int(paths.size());
    dialog.open(kReadBarcodesTitle.toString(), BarcodeProgressText(first), [&cancel, &dialog] {
        cancel = true;
        dialog.setProgress(QStringLiteral("Cancelling\u2026"), -1);
    });
    worker.start<BarcodeProgress, ReadOutcome>(
        &owner,
        [services, paths, &cancel](const std::function<void(const BarcodeProgress&)>& report) {
            BarcodeReader reader(services);
            ReadOutcome read;
            read.results = reader.readFiles(paths, cancel, report);
            read.cancelled = std::any_of(read.results.begin(), read.results.end(),
                                         [](const BarcodeFileResult& r) { return r.cancelled; });
            return read;
        },
        [&dialog, &cancel](const BarcodeProgress& at) {
            if (!cancel)
                dialog.setProgress(BarcodeProgressText(at), BarcodeProgressPermille(at));
        },
        [&outcome, &done](const ReadOutcome& read) {
            outcome = read;
            done = true;
        });
    while (!done)
        m_platform.eventLoop.waitForEvents();
    dialog.close();
    if (outcome.cancelled)
        return;
    for (const BarcodeFileResult& result : outcome.results) {
        for (const FoundCode& code : result.codes) {
            list.add(code.code);
            m_platform.eventLoop.yield();
        }
    }
    m_platform.messageBox.show(BarcodeSummaryMessage(outcome.results));
}
