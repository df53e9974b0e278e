#include "app/scan/ScanCommand.h"

#include "app/BatchOutput.h"
#include "app/BatchServices.h"
#include "app/LookupSetup.h"
#include "app/TerminalSafeConsole.h"
#include "common/OperationFailed.h"
#include "platform/BatchConsole.h"
#include "platform/EventLoop.h"
#include "platform/LineInput.h"
#include "platform/StopSignals.h"
#include "scanning/LocalAnswersOnly.h"
#include "scanning/ScanSession.h"

#include <QCoreApplication>
#include <QHash>

namespace {
// A scanner's line is a few dozen characters; one past this is no scan, and is cut.
constexpr qsizetype kLongestLine = 4096;
} // namespace

int RunScan(const AppConfig& config, const ScanServices& services)
{
    TerminalSafeConsole console(services.console);
    const BatchFormatChoice format = ChooseBatchFormat(config.batch);
    if (!format.format) {
        console.writeStandardError(CommandProblem(format.problem));
        return kBatchBadUsage;
    }
    const std::unique_ptr<OutcomeWriter> writer = MakeOutcomeWriter(
        *format.format, WithCountAfterCode(ChooseOutcomeColumns(config.batch.columns).places));

    bool defaultOrder = false;
    std::vector<std::unique_ptr<LookupSource>> localSources =
        ChooseBatchSources(config, services.settings, services.index, defaultOrder);
    ChainOptions options = LookupChainOptions(config);
    options.booksFirst = defaultOrder;
    // One request at a time: a scan session asks about one code after another as they come.
    options.parallel = 1;
    LocalAnswersOnly nothingSent;
    AnswerStore* const store = config.noCache ? nullptr : &services.answers;
    LookupChain local(LookupServices{nothingSent, services.eventLoop, services.clock, store},
                      std::move(localSources), options);
    LookupChain online(LookupServices{services.pages, services.eventLoop, services.clock, store,
                                      services.pacing, services.catalogue},
                       ChooseBatchSources(config, services.settings, services.index, defaultOrder),
                       options);
    online.onStoreProblem = [&console](const QString& message) {
        console.writeStandardError(CommandProblem(message));
    };
    // A problem of the remembered answers met while answering from this machine, too.
    local.onStoreProblem = online.onStoreProblem;
    ScanSession session(services.journal, local, online);
    const auto stopped = [&services] {
        return services.stopSignals.received() != StopSignal::None;
    };
    session.stopRequested = stopped;

    bool written = true;
    // The rows of the scans that arrived together go out together, once all are answered: a
    // write for each row took a tenth of a file piped in. A scanner's scans arrive one by one.
    QByteArray rows;
    const auto write = [&](const ScanRow& row, int count) {
        if (!written)
            return;
        CodeOutcome outcome = RowOutcome(row);
        outcome.scanCount = count;
        rows += writer->row(outcome);
    };
    const auto send = [&] {
        if (!written || rows.isEmpty())
            return;
        try {
            console.writeStandardOutput(rows);
        } catch (const OperationFailed& failure) {
            console.writeStandardError(CommandProblem(failure.description()));
            written = false;
        }
        rows.clear();
    };
    // The counts of the scans of each code still waiting for its answer: each gets its row then.
    QHash<QString, QList<int>> waiting;
    session.onAnswered = [&](const ScanRow& row) {
        for (const int count : waiting.take(row.code))
            write(row, count);
    };
    const auto took = [&](const ScanRow& row) {
        if (row.state == ScanRow::State::Queued)
            waiting[row.code].append(row.count);
        else
            write(row, row.count);
    };

    try {
        console.writeStandardOutput(writer->begin());
        if (session.hasLeftSession()) {
            session.restore();
            qsizetype scans = 0;
            for (const ScanRow& row : session.rows()) {
                scans += row.count;
                took(row);
            }
            send();
            console.writeStandardError(CommandProblem(QCoreApplication::translate(
                "ScanCommand",
                "%n scans of a session that did not end were read back from its file", nullptr,
                int(scans))));
        }
    } catch (const OperationFailed& failure) {
        console.writeStandardError(CommandProblem(failure.description()));
        return kBatchFailed;
    }

    bool ended = false;
    bool failed = false;
    ScanInput input;
    services.lines.watch(
        kLongestLine,
        [&](const QList<QByteArray>& lines) {
            if (stopped())
                return;
            QList<Scan> scans;
            for (const QByteArray& line : lines)
                scans.append(input.take(QString(QString::fromUtf8(line) + u'\n')));
            try {
                session.add(scans, took);
            } catch (const OperationFailed& failure) {
                // Not written down, so not taken: the scans are lost, and that is said.
                for (const Scan& scan : scans) {
                    //: %1 is the scanned code, %2 why it could not be written down.
                    console.writeStandardError(CommandProblem(
                        QCoreApplication::translate("ScanCommand", "%1 not taken: %2")
                            .arg(scan.code, failure.description())));
                }
                failed = true;
            }
            send();
        },
        [&ended] { ended = true; });
    while (!stopped() && written && !(ended && !session.hasQueued())) {
        if (session.hasQueued())
            session.answerQueued();
        else
            services.eventLoop.waitForEvents();
        send();
    }

    send();
    try {
        console.writeStandardOutput(writer->end());
        if (!stopped() && written)
            session.clear();
    } catch (const OperationFailed& failure) {
        console.writeStandardError(CommandProblem(failure.description()));
        failed = true;
    }
    if (const StopSignal stop = services.stopSignals.received(); stop != StopSignal::None)
        return stop == StopSignal::Interrupt ? kBatchInterrupted : kBatchTerminated;
    return written && !failed ? kBatchAnswered : kBatchFailed;
}
