#include "app/batch/BatchProgress.h"

#include "common/CellText.h"
#include "common/NumberText.h"
#include "lookup/LookupChain.h"
#include "platform/BatchConsole.h"
#include "platform/Clock.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace {
QString Number(qsizetype n)
{
    return QString::number(n);
}
} // namespace

void BatchTally::count(const CodeOutcome& outcome)
{
    ++done;
    RunCounts::count(outcome);
    if (outcome.status != CodeOutcome::Status::Failed)
        return;
    const QString why = outcome.source.isEmpty() || outcome.detail.isEmpty()
                            ? QString(outcome.source + outcome.detail)
                            : QString(outcome.source + QStringLiteral(": ") + outcome.detail);
    if (!why.isEmpty())
        ++failures[why];
}

QString FailureReasonsText(const BatchTally& tally)
{
    // The three commonest; a run that failed for many reasons says how many more there were.
    constexpr qsizetype kReasonsShown = 3;
    std::vector<std::pair<QString, qsizetype>> reasons(tally.failures.constKeyValueBegin(),
                                                       tally.failures.constKeyValueEnd());
    std::sort(reasons.begin(), reasons.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    QStringList parts;
    qsizetype others = 0;
    for (const auto& [why, count] : reasons) {
        if (parts.size() == kReasonsShown) {
            others += count;
            continue;
        }
        //: How many codes failed for one reason; %1 is the source and the reason.
        parts.append(
            QCoreApplication::translate("BatchProgress", "%n failed: %1", nullptr, int(count))
                .arg(why));
    }
    if (others > 0)
        parts.append(QCoreApplication::translate("BatchProgress", "%n failed for other reasons",
                                                 nullptr, int(others)));
    return parts.join(QStringLiteral(", "));
}

QString DurationText(qint64 seconds)
{
    seconds = std::max<qint64>(seconds, 0);
    //: Seconds.
    if (seconds < 60)
        return QCoreApplication::translate("BatchProgress", "%1 s").arg(seconds);
    //: Minutes and seconds.
    if (seconds < 3600)
        return QCoreApplication::translate("BatchProgress", "%1 min %2 s")
            .arg(QString::number(seconds / 60), QString::number(seconds % 60));
    //: Hours and minutes.
    if (seconds < 86400)
        return QCoreApplication::translate("BatchProgress", "%1 h %2 min")
            .arg(QString::number(seconds / 3600),
                 QStringLiteral("%1").arg(seconds % 3600 / 60, 2, 10, QLatin1Char('0')));
    //: Days and hours.
    return QCoreApplication::translate("BatchProgress", "%1 d %2 h")
        .arg(QString::number(seconds / 86400), QString::number(seconds % 86400 / 3600));
}

QString RateText(double codesPerSecond)
{
    if (codesPerSecond >= 1)
        return QCoreApplication::translate("BatchProgress", "%1 codes/s")
            .arg(QString::number(codesPerSecond, 'f', 1));
    return QCoreApplication::translate("BatchProgress", "%1 codes/min")
        .arg(QString::number(codesPerSecond * 60, 'f', 1));
}

QString BatchProgressText(const BatchTally& tally, std::optional<double> codesPerSecond,
                          std::optional<qint64> secondsLeft)
{
    //: %1 codes done of %n in all; then how many were found, not found and failed.
    QString text = QCoreApplication::translate("BatchProgress",
                                               "%1/%n codes: %2 found, %3 not found, %4 failed",
                                               nullptr, int(tally.total))
                       .arg(Number(tally.done), Number(tally.found), Number(tally.notFound),
                            Number(tally.failed));
    if (tally.notLookedUp > 0)
        text +=
            QStringLiteral(", ") + QCoreApplication::translate("BatchProgress", "%n not looked up",
                                                               nullptr, int(tally.notLookedUp));
    if (codesPerSecond)
        text += QStringLiteral(", ") + RateText(*codesPerSecond);
    //: The time the run has still to go, such as "3 min 20 s".
    if (secondsLeft)
        text += QStringLiteral(", ") + QCoreApplication::translate("BatchProgress", "about %1 left")
                                           .arg(DurationText(*secondsLeft));
    return text;
}

std::vector<qsizetype> BatchTimeLeft::samplePlaces(qsizetype total, qsizetype size)
{
    std::vector<qsizetype> places;
    if (total <= 0 || size <= 0)
        return places;
    const qsizetype taken = std::min(total, size);
    places.reserve(std::size_t(taken));
    // The middle of each of `taken` equal stretches.
    for (qsizetype i = 0; i < taken; ++i)
        places.push_back(qsizetype((double(i) + 0.5) * double(total) / double(taken)));
    return places;
}

std::optional<qint64> BatchTimeLeft::secondsLeft(qsizetype done, qsizetype total,
                                                 qint64 elapsedMs) const
{
    const qsizetype left = std::max<qsizetype>(total - done, 0);
    if (left == 0)
        return 0;
    std::optional<double> seconds;
    qint64 pacedMs = 0;
    qsizetype sampled = 0;
    for (const auto& [place, intervalMs] : m_sample) {
        if (place < done)
            continue;
        pacedMs += intervalMs;
        ++sampled;
    }
    if (sampled > 0 && pacedMs > 0)
        seconds = double(pacedMs) / double(sampled) * double(left) / 1000;
    if (done > 0 && elapsedMs > 0)
        seconds =
            std::max(seconds.value_or(0), double(elapsedMs) / double(done) * double(left) / 1000);
    if (!seconds)
        return std::nullopt;
    return qint64(*seconds + 0.5);
}

BatchProgress::BatchProgress(BatchConsole& console, const Clock& clock, bool quiet)
    : m_console(console)
    , m_clock(clock)
    , m_quiet(quiet)
    , m_terminal(!quiet && console.standardErrorIsTerminal())
{}

void BatchProgress::start(qsizetype total, BatchTimeLeft estimate)
{
    m_tally = BatchTally{};
    m_tally.total = total;
    m_estimate = std::move(estimate);
    m_startedMs = m_clock.steadyMs();
    m_shownMs = m_startedMs;
    if (m_terminal)
        show(m_startedMs);
}

void BatchProgress::add(const CodeOutcome& outcome)
{
    m_tally.count(outcome);
    if (m_quiet)
        return;
    const qint64 now = m_clock.steadyMs();
    if (now - m_shownMs >= (m_terminal ? kProgressRedrawEveryMs : kProgressLineEveryMs))
        show(now);
}

void BatchProgress::note(const QString& message)
{
    if (m_lineOpen)
        m_console.rewriteStandardErrorLine({});
    m_console.writeStandardError(message + u'\n');
    if (m_lineOpen)
        m_console.writeStandardError(currentText());
}

void BatchProgress::finish(StopSignal stoppedBy, bool resultsWritten, qsizetype cutCells,
                           qsizetype unencodable)
{
    if (m_quiet)
        return;
    if (m_terminal)
        show(m_clock.steadyMs());
    if (m_lineOpen)
        m_console.writeStandardError(QStringLiteral("\n"));
    m_lineOpen = false;
    const qint64 seconds = (m_clock.steadyMs() - m_startedMs) / 1000;
    QString counts = BatchProgressText(m_tally, std::nullopt, std::nullopt);
    if (const QString reasons = FailureReasonsText(m_tally); !reasons.isEmpty())
        counts += QStringLiteral("; ") + reasons;
    if (cutCells > 0)
        counts +=
            QStringLiteral("; ") +
            (cutCells == 1
                 ? tr("%n cell cut to Excel's limit of %1 characters", nullptr, int(cutCells))
                 : tr("%n cells cut to Excel's limit of %1 characters", nullptr, int(cutCells)))
                .arg(GroupedNumber(kMostCellCharacters));
    if (unencodable > 0)
        counts +=
            QStringLiteral("; ") +
            (unencodable == 1 ? tr("%n character the file's encoding cannot hold written as \"?\"",
                                   nullptr, int(unencodable))
                              : tr("%n characters the file's encoding cannot hold written as \"?\"",
                                   nullptr, int(unencodable)));
    if (stoppedBy == StopSignal::None) {
        //: %1 is how long the run took, %2 the counts of the codes.
        m_console.writeStandardError(
            (resultsWritten ? tr("Done in %1: %2") : tr("Results not written; looked up in %1: %2"))
                .arg(DurationText(seconds), counts) +
            u'\n');
        return;
    }
    //: %1 is the signal's name (SIGINT, SIGTERM), %2 how long the run took, %3 the counts of the
    //: codes, %4 how many codes were not reached.
    m_console.writeStandardError(
        tr("Stopped by %1 after %2: %3. Codes not reached: %4.")
            .arg(stoppedBy == StopSignal::Interrupt ? QStringLiteral("SIGINT")
                                                    : QStringLiteral("SIGTERM"),
                 DurationText(seconds), counts, Number(m_tally.total - m_tally.done)) +
        (resultsWritten ? QString() : u' ' + tr("Results not written.")) + u'\n');
}

QString BatchProgress::currentText() const
{
    const qint64 elapsedMs = m_clock.steadyMs() - m_startedMs;
    std::optional<double> rate;
    if (m_tally.done > 0 && elapsedMs > 0)
        rate = double(m_tally.done) * 1000 / double(elapsedMs);
    return BatchProgressText(m_tally, rate,
                             m_estimate.secondsLeft(m_tally.done, m_tally.total, elapsedMs));
}

void BatchProgress::show(qint64 now)
{
    m_shownMs = now;
    if (m_terminal) {
        m_console.rewriteStandardErrorLine(currentText());
        m_lineOpen = true;
    } else {
        m_console.writeStandardError(currentText() + u'\n');
    }
}
