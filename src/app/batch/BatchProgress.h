#pragma once

#include "lookup/LookupRun.h"
#include "platform/StopSignals.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

class BatchConsole;
class Clock;
struct CodeOutcome;

// How a batch run stands.
struct BatchTally : RunCounts
{
    qsizetype total = 0;
    qsizetype done = 0;
    // Why codes failed, "UPCitemdb: daily limit reached", and how many for each reason.
    QHash<QString, qsizetype> failures;

    void count(const CodeOutcome& outcome);
};

// The commonest reasons codes failed, most first: "741 failed: UPCitemdb: daily limit reached,
// 2 failed: Open Food Facts: timed out"; empty when none failed for a reason known.
QString FailureReasonsText(const BatchTally& tally);

// "45 s", "3 min 20 s", "2 h 05 min", "3 d 4 h".
QString DurationText(qint64 seconds);
// "85.2 codes/s"; below one a second, "9.8 codes/min".
QString RateText(double codesPerSecond);
// "1234/5000 codes: 1200 found, 30 not found, 4 failed, 85.2 codes/s, about 19 min left", the
// codes that were not looked up only when there are some; rate and time left only when known.
QString BatchProgressText(const BatchTally& tally, std::optional<double> codesPerSecond,
                          std::optional<qint64> secondsLeft);

// How long a run has still to go. Where a paced source sets the speed, its interval for every
// code left that will go to it: taken from a sample of codes spread over the batch, each
// checked when the run starts against the local sources and the remembered answers (a code they
// settle costs no wait), and of the sample the codes not yet done. Where the run so far has gone
// slower than that (a slow service, nothing paced), the rate so far.
class BatchTimeLeft final
{
public:
    // Codes by their place in the batch (from 0) and the pacing interval each will wait.
    using Sample = std::vector<std::pair<qsizetype, qint64>>;
    // Places spread evenly over a batch of that many codes, at most `size` of them.
    static std::vector<qsizetype> samplePlaces(qsizetype total, qsizetype size);

    void setSample(Sample sample) { m_sample = std::move(sample); }
    // Nothing when nothing is known yet: no code done and none paced.
    std::optional<qint64> secondsLeft(qsizetype done, qsizetype total, qint64 elapsedMs) const;

private:
    Sample m_sample;
};

inline constexpr qint64 kProgressLineEveryMs = 10'000;
inline constexpr qint64 kProgressRedrawEveryMs = 200;

// The progress of a batch run on standard error: on a terminal one line, rewritten as codes are
// done; elsewhere (a log file) a line every ten seconds. At the end a summary. Quiet: nothing.
class BatchProgress final
{
    Q_DECLARE_TR_FUNCTIONS(BatchProgress)

public:
    BatchProgress(BatchConsole& console, const Clock& clock, bool quiet);

    void start(qsizetype total, BatchTimeLeft estimate);
    void add(const CodeOutcome& outcome);
    // A message on a line of its own, which the progress line does not overwrite.
    void note(const QString& message);
    // The summary: every code done, or where the run stopped and why; never "Done" when the
    // results could not be written. It counts the cells cut to Excel's limit, when there were.
    void finish(StopSignal stoppedBy, bool resultsWritten, qsizetype cutCells = 0,
                qsizetype unencodable = 0);

    const BatchTally& tally() const { return m_tally; }

private:
    QString currentText() const;
    void show(qint64 now);

    BatchConsole& m_console;
    const Clock& m_clock;
    bool m_quiet;
    bool m_terminal;
    BatchTally m_tally;
    BatchTimeLeft m_estimate;
    qint64 m_startedMs = 0;
    qint64 m_shownMs = 0;
    bool m_lineOpen = false;
};
