#include "barcodes/BarcodeCodeLoader.h"

#include "common/WorkerThread.h"
#include "platform/EventLoop.h"
#include "platform/ListControl.h"
#include "platform/MessageBox.h"
#include "platform/ProgressDialog.h"

#include <QCoreApplication>
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

// The English chooses "code" or "codes" itself; each form is its own message for translators.
QString countedCodes(qsizetype n)
{
    return n == 1 ? QCoreApplication::translate("BarcodeCodeLoader", "%n code", nullptr, int(n))
                  : QCoreApplication::translate("BarcodeCodeLoader", "%n codes", nullptr, int(n));
}

QString countedFiles(qsizetype n)
{
    return n == 1 ? QCoreApplication::translate("BarcodeCodeLoader", "%n file", nullptr, int(n))
                  : QCoreApplication::translate("BarcodeCodeLoader", "%n files", nullptr, int(n));
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
            problems.append(QCoreApplication::translate(
                                "CodeFileLoader",
                                "The file %1 cannot be read: %2. No codes were loaded from it.")
                                .arg(result.path, result.problem));
            continue;
        }
        for (const QString& page : result.pageProblems)
            problems.append(
                QCoreApplication::translate("BarcodeCodeLoader",
                                            "%1: %2. The codes of its other pages were loaded.")
                    .arg(QFileInfo(result.path).fileName(), page));
        codes += result.codes.size();
        if (result.codes.isEmpty())
            empty.append(QFileInfo(result.path).fileName());
        else
            ++withCodes;
    }
    QStringList lines;
    if (codes > 0) {
        //: %1 is a number of codes ("3 codes"), %2 a number of files ("2 files").
        lines.append(QCoreApplication::translate("BarcodeCodeLoader", "Found %1 in %2.")
                         .arg(countedCodes(codes), countedFiles(withCodes)));
        if (!empty.isEmpty())
            lines.append(
                QCoreApplication::translate("BarcodeCodeLoader", "No barcodes found in %1.")
                    .arg(empty.join(QStringLiteral(", "))));
    } else if (!empty.isEmpty()) {
        lines.append(QCoreApplication::translate("BarcodeCodeLoader", "No barcodes found in %1.")
                         .arg(empty.join(QStringLiteral(", "))));
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
                                   m_platform.barcodeScanner, m_platform.barcodeFilesAtOnce,
                                   m_platform.secondPdfDocument};
    ProgressDialog& dialog = m_platform.progressDialog;
    BarcodeProgress first;
    first.fileName = QFileInfo(paths.constFirst()).fileName();
    first.fileCount = int(paths.size());
    dialog.open(QCoreApplication::translate("BarcodeCodeLoader", kReadBarcodesTitle),
                BarcodeProgressText(first), [&cancel, &dialog] {
                    cancel = true;
                    dialog.setProgress(
                        QCoreApplication::translate("BarcodeCodeLoader", "Cancelling…"), -1);
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
