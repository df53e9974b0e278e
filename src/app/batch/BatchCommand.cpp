#include "app/batch/BatchCommand.h"

#include "app/BatchOutput.h"
#include "app/LookupSetup.h"
#include "app/SettingsNames.h"
#include "app/TerminalSafeConsole.h"
#include "app/batch/BatchCodes.h"
#include "app/batch/BatchListing.h"
#include "app/batch/BatchProgress.h"
#include "common/OperationFailed.h"
#include "listings/ShopFile.h"
#include "lookup/LookupChain.h"
#include "platform/BatchConsole.h"
#include "platform/EventLoop.h"
#include "platform/FileSystem.h"
#include "platform/ProductIndex.h"
#include "platform/SettingsStore.h"
#include "platform/StopSignals.h"
#include "results/RecordWriter.h"
#include "results/SameProductRows.h"
#include "sheets/SheetFile.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
// Enough codes to tell how many of the rest will wait for a paced source within a few per cent,
// few enough to check in a moment.
constexpr qsizetype kPacingSampleSize = 1000;

BatchTimeLeft EstimateFor(const BatchCodes& codes, LookupChain& chain)
{
    BatchTimeLeft estimate;
    // Sources that are never paced wait for nothing, whatever the codes.
    if (std::none_of(chain.sources().cbegin(), chain.sources().cend(),
                     [](const auto& source) { return source->perMinute() > 0; }))
        return estimate;
    BatchTimeLeft::Sample sample;
    const std::vector<qsizetype> places =
        BatchTimeLeft::samplePlaces(codes.count(), kPacingSampleSize);
    BatchCodes::Cursor cursor = codes.cursor();
    qsizetype place = 0;
    for (const qsizetype wanted : places) {
        bool more = true;
        while (place <= wanted && (more = cursor.advance()))
            ++place;
        if (!more)
            break;
        sample.emplace_back(wanted, chain.pacedIntervalMs(cursor.code()));
    }
    estimate.setSample(std::move(sample));
    return estimate;
}

// The input that --output also names, compared as files rather than as paths; empty when none is.
QString InputAlsoOutput(const BatchOptions& options, const FileSystem& files)
{
    if (WritesToStandardOutput(options))
        return {};
    for (const QString& input : options.inputs) {
        if (input != kStandardInputName && files.sameFile(input, options.output))
            return input;
    }
    return {};
}

int StoppedStatus(StopSignal stop)
{
    return stop == StopSignal::Interrupt ? kBatchInterrupted : kBatchTerminated;
}

QString SignalName(StopSignal stop)
{
    return stop == StopSignal::Interrupt ? QStringLiteral("SIGINT") : QStringLiteral("SIGTERM");
}

CodeOutcome FailedOutcome(const QString& code, const QString& reason)
{
    CodeOutcome outcome;
    outcome.status = CodeOutcome::Status::Failed;
    outcome.code = code;
    outcome.detail = reason;
    outcome.rowText = code + kLookupFailedSuffix + reason;
    return outcome;
}
} // namespace

int RunBatch(const AppConfig& config, const BatchServices& services)
{
    TerminalSafeConsole console(services.console);
    const BatchOptions& options = config.batch;

    const BatchFormatChoice format = ChooseBatchFormat(options);
    if (!format.format) {
        console.writeStandardError(CommandProblem(format.problem));
        return kBatchBadUsage;
    }
    // Checked before anything is read: the results file replaces its path when the run ends, and
    // would take the codes with it.
    if (const QString both = InputAlsoOutput(options, services.files); !both.isEmpty()) {
        console.writeStandardError(
            CommandProblem(QCoreApplication::translate(
                               "BatchCommand", "%1 is both an input and the output: name another "
                                               "file with --output")
                               .arg(both)) +
            CommandProblem(QCoreApplication::translate("BatchCommand", "no code was looked up.")));
        return kBatchBadUsage;
    }
    if (options.keepColumns && (options.inputs.size() != 1 || !services.zips ||
                                !SheetFormatOfFile(options.inputs.front()))) {
        console.writeStandardError(
            CommandProblem(QCoreApplication::translate(
                "BatchCommand", "--keep-columns needs one spreadsheet input (.xlsx, .ods, "
                                ".csv or .tsv)")) +
            CommandProblem(QCoreApplication::translate("BatchCommand", "no code was looked up.")));
        return kBatchBadUsage;
    }
    if (options.inputs.isEmpty() && !options.quiet && console.standardInputIsTerminal())
        console.writeStandardError(
            QCoreApplication::translate("BatchCommand",
                                        "Reading codes from standard input; end with Ctrl+D.") +
            u'\n');
    QString problem;
    std::optional<BatchSheetReading> sheets;
    if (services.zips)
        sheets.emplace(
            BatchSheetReading{// A shop's file takes the user's own columns from the sheet.
                              *services.zips, options.sheet, options.column,
                              options.keepColumns || IsShopFormat(*format.format), [&services] {
                                  // A signal stops the choice at once; it is told below.
                                  services.eventLoop.yield();
                                  if (services.stopSignals.received() != StopSignal::None)
                                      throw OperationFailed(QStringLiteral("stopped"));
                              }});
    BatchCodes codes = BatchCodes::read(options.inputs, services.files, console, problem,
                                        sheets ? &*sheets : nullptr, services.barcodes);
    // Stopped while standard input was still open: nothing is looked up, nothing written.
    if (const StopSignal stop = services.stopSignals.received(); stop != StopSignal::None) {
        if (!options.quiet)
            console.writeStandardError(
                QCoreApplication::translate("BatchCommand",
                                            "Stopped by %1 while reading the codes; no code was "
                                            "looked up.")
                    .arg(SignalName(stop)) +
                u'\n');
        return StoppedStatus(stop);
    }
    if (!problem.isEmpty()) {
        console.writeStandardError(
            CommandProblem(problem) +
            CommandProblem(QCoreApplication::translate("BatchCommand", "no code was looked up.")));
        return kBatchBadUsage;
    }
    std::unique_ptr<BatchListing> listing;
    std::unique_ptr<BatchOutput> output;
    try {
        listing = std::make_unique<BatchListing>(config, services, codes, *format.format);
        // A shop's file, or no results at all with --pictures-only.
        output = listing->openOutput(services, console, options);
        const SheetAndColumn* const kept = codes.sheet();
        if (!output && kept && options.keepColumns) {
            const EnrichedSource source{options.inputs.front(), *services.zips, services.files};
            const FaithfulCopyCheck faithful = CheckFaithfulCopy(source, *format.format);
            if (!faithful.problem.isEmpty() && !options.quiet)
                console.writeStandardError(CommandProblem(
                    QCoreApplication::translate("BatchCommand",
                                                "%1 cannot be copied as it is (%2); its "
                                                "values are written instead.")
                        .arg(options.inputs.front(), faithful.problem)));
            output = BatchOutput::openEnriched(options, *format.format, kept->sheet, kept->choice,
                                               services.outputs, &console,
                                               faithful.faithful ? &source : nullptr);
            // The copy holds what it needs of the sheet: the rest of it goes before the lookups.
            if (!output->readsSheet())
                codes.releaseSheet();
        } else if (!output)
            output = BatchOutput::open(options, *format.format, services.outputs, console,
                                       services.clock);
    } catch (const OperationFailed& failure) {
        console.writeStandardError(
            CommandProblem(failure.description()) +
            CommandProblem(QCoreApplication::translate("BatchCommand", "no code was looked up.")));
        return kBatchBadUsage;
    }

    bool defaultOrder = false;
    std::vector<std::unique_ptr<LookupSource>> sources =
        ChooseBatchSources(config, services.settings, services.index, defaultOrder);
    ChainOptions chainOptions = LookupChainOptions(config);
    chainOptions.booksFirst = defaultOrder;
    LookupChain chain(LookupServices{listing->lookupPages(services.pages), services.eventLoop,
                                     services.clock, config.noCache ? nullptr : &services.answers,
                                     services.pacing,
                                     listing->picturesOnly() ? nullptr : services.catalogue},
                      std::move(sources), std::move(chainOptions));
    BatchProgress progress(console, services.clock, options.quiet);
    progress.alsoShow = [&listing] { return listing->progressText(); };
    const auto stopped = [&services] {
        return services.stopSignals.received() != StopSignal::None;
    };
    chain.stopRequested = stopped;
    chain.onStoreProblem = [&progress](const QString& message) {
        progress.note(QStringLiteral("quillfen: ") + message);
    };

    chain.startRun();
    progress.start(codes.count(), options.quiet ? BatchTimeLeft() : EstimateFor(codes, chain));
    bool written = true;
    SameProductRows firstRows(codes.count());
    int row = 0;
    BatchCodes::Cursor cursor = codes.cursor();
    while (written && !stopped()) {
        const std::optional<QString> next = cursor.next();
        if (!next)
            break;
        const QString& code = *next;
        std::optional<CodeOutcome> outcome;
        try {
            outcome = chain.lookUp(code, [&cursor](int k) { return cursor.ahead(k); });
        } catch (const OperationFailed& failure) {
            outcome = FailedOutcome(code, failure.description());
        }
        if (!outcome)
            break; // stopped before the code had its answer: no row, and not counted as done
        outcome->sameAs = firstRows.sameAs(outcome->gtin, ++row);
        if (const QString origin = cursor.origin(); !origin.isEmpty())
            outcome->detail = outcome->detail.isEmpty()
                                  ? origin
                                  : origin + QStringLiteral("; ") + outcome->detail;
        // The picture first: a shop's row names its file.
        listing->add(*outcome, stopped, [&progress](const QString& message) {
            progress.note(CommandProblem(message).trimmed());
        });
        try {
            output->add(*outcome);
        } catch (const OperationFailed& failure) {
            progress.note(CommandProblem(failure.description()).trimmed());
            written = false;
        }
        progress.add(*outcome);
    }
    chain.endRun();

    if (written) {
        try {
            output->finish();
        } catch (const OperationFailed& failure) {
            progress.note(CommandProblem(failure.description()).trimmed());
            written = false;
        }
    }
    // The pictures saved so far are listed, a run stopped or not.
    const QStringList summaries = listing->finish(
        [&progress](const QString& message) { progress.note(CommandProblem(message).trimmed()); });
    const StopSignal stop = services.stopSignals.received();
    progress.finish(stop, written, output->cutCells(), output->unencodableCharacters());
    if (const QStringList left = output->leftOut(); !left.isEmpty() && !options.quiet)
        console.writeStandardError(CommandProblem(LeftOutSummary(left)));
    if (!options.quiet) {
        for (const QString& summary : summaries)
            console.writeStandardError(summary + u'\n');
    }
    if (stop != StopSignal::None)
        return StoppedStatus(stop);
    // A page that could not be read is a failure too: its codes are missing from the results.
    return written && progress.tally().failed == 0 && codes.unreadPages() == 0 ? kBatchAnswered
                                                                               : kBatchFailed;
}
