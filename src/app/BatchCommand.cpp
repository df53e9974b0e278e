#include "BatchCommand.h"

#include "BatchCodes.h"
#include "BatchOutput.h"
#include "BatchProgress.h"
#include "LookupSetup.h"
#include "SavedCodeList.h"
#include "common/OperationFailed.h"
#include "lookup/LookupChain.h"
#include "platform/BatchConsole.h"
#include "platform/ProductIndex.h"
#include "platform/SettingsStore.h"
#include "platform/StopSignals.h"

namespace {
// Enough codes to tell how many of the rest will wait for a paced source within a few per cent,
// few enough to check in a moment.
constexpr qsizetype kPacingSampleSize = 1000;

QString Problem(const QString& text)
{
    return QStringLiteral("quillfen: ") + text + u'\n';
}

// The sources as the window would ask them: the command line and the environment, then what the
// Sources dialog saved, then the default order with the index first when one was imported.
std::vector<std::unique_ptr<LookupSource>>
ChooseBatchSources(const AppConfig& config, const BatchServices& services, bool& defaultOrder)
{
    const auto saved = [&services](QStringView name) {
        return services.settings.getSetting(kSettingsApplication.toString(),
                                            kSettingsSection.toString(), name.toString(), {});
    };
    const IndexInfo index = services.index.info();
    const SourceChoice choice =
        ChooseSources(config, saved(kSourcesValueName), index.exists && index.problem.isEmpty());
    defaultOrder = choice.defaultOrder;
    return MakeSources(choice.names, config, ChooseServiceUrl(config, saved(kServiceUrlValueName)),
                       &services.index, LocaleLanguage());
}

BatchTimeLeft EstimateFor(const BatchCodes& codes, LookupChain& chain)
{
    BatchTimeLeft estimate;
    BatchTimeLeft::Sample sample;
    const std::vector<qsizetype> places =
        BatchTimeLeft::samplePlaces(codes.count(), kPacingSampleSize);
    BatchCodes::Cursor cursor = codes.cursor();
    qsizetype place = 0;
    for (const qsizetype wanted : places) {
        std::optional<QStringView> code;
        while (place <= wanted && (code = cursor.next()))
            ++place;
        if (!code)
            break;
        sample.emplace_back(wanted, chain.pacedIntervalMs(code->toString()));
    }
    estimate.setSample(std::move(sample));
    return estimate;
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
    BatchConsole& console = services.console;
    const BatchOptions& options = config.batch;

    const BatchFormatChoice format = ChooseBatchFormat(options);
    if (!format.format) {
        console.writeStandardError(Problem(format.problem));
        return kBatchBadUsage;
    }
    QString problem;
    const BatchCodes codes = BatchCodes::read(options.inputs, services.files, console, problem);
    if (!problem.isEmpty()) {
        console.writeStandardError(Problem(problem) +
                                   QStringLiteral("quillfen: no code was looked up.\n"));
        return kBatchBadUsage;
    }
    std::unique_ptr<BatchOutput> output;
    try {
        output =
            BatchOutput::open(options, *format.format, services.outputs, console, services.clock);
    } catch (const OperationFailed& failure) {
        console.writeStandardError(Problem(failure.description()) +
                                   QStringLiteral("quillfen: no code was looked up.\n"));
        return kBatchBadUsage;
    }

    bool defaultOrder = false;
    std::vector<std::unique_ptr<LookupSource>> sources =
        ChooseBatchSources(config, services, defaultOrder);
    ChainOptions chainOptions = LookupChainOptions(config);
    chainOptions.booksFirst = defaultOrder;
    LookupChain chain(LookupServices{services.pages, services.eventLoop, services.clock,
                                     config.noCache ? nullptr : &services.answers, services.pacing},
                      std::move(sources), std::move(chainOptions));
    BatchProgress progress(console, services.clock, options.quiet);
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
    BatchCodes::Cursor cursor = codes.cursor();
    while (written && !stopped()) {
        const std::optional<QStringView> next = cursor.next();
        if (!next)
            break;
        const QString code = next->toString();
        std::optional<CodeOutcome> outcome;
        try {
            outcome = chain.lookUp(code, [&cursor](int k) { return cursor.ahead(k); });
        } catch (const OperationFailed& failure) {
            outcome = FailedOutcome(code, failure.description());
        }
        if (!outcome)
            break; // stopped before the code had its answer: no row, and not counted as done
        try {
            output->add(*outcome);
        } catch (const OperationFailed& failure) {
            progress.note(Problem(failure.description()).trimmed());
            written = false;
        }
        progress.add(*outcome);
    }
    chain.endRun();

    if (written) {
        try {
            output->finish();
        } catch (const OperationFailed& failure) {
            progress.note(Problem(failure.description()).trimmed());
            written = false;
        }
    }
    const StopSignal stop = services.stopSignals.received();
    progress.finish(stop);
    if (stop == StopSignal::Interrupt)
        return kBatchInterrupted;
    if (stop == StopSignal::Terminate)
        return kBatchTerminated;
    return written && progress.tally().failed == 0 ? kBatchAnswered : kBatchFailed;
}
