#include "lookup/LookupRun.h"

#include "common/ErrorTrap.h"
#include "common/Locations.h"
#include "common/MainRoutines.h"
#include "common/OperationFailed.h"
#include "common/PointerCode.h"
#include "lookup/LookupChain.h"
#include "platform/EventLoop.h"
#include "platform/Form1Window.h"
#include "platform/ListControl.h"
#include "platform/MessageBox.h"
#include "platform/ProgressDisplay.h"

#include <QCoreApplication>

#include <optional>

namespace {
inline constexpr char kNoFailedRowsMessage[] =
    QT_TRANSLATE_NOOP("LookupRun", "No failed rows to retry.");

// One results row: appended, ticked and, when asked, scrolled into view. A failure abandons the
// rest, so a row that could not be added is not also reported as not ticked.
void AppendTickedRow(ListControl& results, const QString& text, bool scrollIntoView)
{
    const int row = results.add(text);
    results.setChecked(row, true);
    if (scrollIntoView)
        results.ensureVisible(row);
}

// The texts of the rows after a given one, as the list holds them when asked, for asking the page
// service ahead. A row that cannot be read is simply not asked ahead; its own turn reports it.
LookupChain::Ahead RowsAfter(const ListControl& list, int row, int last)
{
    return [&list, row, last](int k) -> std::optional<QString> {
        try {
            if (row + k > last || row + k > list.count())
                return std::nullopt;
            return list.text(row + k);
        } catch (const OperationFailed&) {
            return std::nullopt;
        }
    };
}
} // namespace

QString StoppedMessage(int done, int total)
{
    return QCoreApplication::translate("LookupRun", "Stopped after %1 of %2 codes.")
        .arg(done)
        .arg(total);
}

QString DoneMessage(int failed, int lookups)
{
    if (failed == 0)
        return QCoreApplication::translate("LookupRun", kLookupDoneMessage);
    return QCoreApplication::translate(
               "LookupRun",
               "Done.\n%1 of %2 lookups failed; Lookup → Retry Failed Rows asks again.")
        .arg(failed)
        .arg(lookups);
}

QString TurnWaitCaption(const QString& source, int secondsLeft)
{
    // "Open Food Facts' turn", "UPCitemdb's turn".
    //: %1 is a number of seconds, %2 the name of a product database.
    return (source.endsWith(u's')
                ? QCoreApplication::translate("LookupRun", "Waiting %1 s for %2' turn")
                : QCoreApplication::translate("LookupRun", "Waiting %1 s for %2's turn"))
        .arg(secondsLeft)
        .arg(source);
}

QString BusyCaption(const QString& code, int secondsLeft)
{
    //: %1 is the code being looked up, %2 a number of seconds.
    return QCoreApplication::translate("LookupRun",
                                       "Processing: %1 (service busy, next try in %2 s)")
        .arg(FileNameFromPath(code), QString::number(secondsLeft));
}

std::optional<QString> FailedRowCode(const QString& rowText)
{
    // The last one: a code may hold anything, the reasons after it are the program's own words.
    // A row may have been written in English (before the language changed, or by a scan session)
    // or in the user's language; the user's words are looked for first, as they may hold the
    // English ones.
    qsizetype at = rowText.lastIndexOf(LookupFailedSuffixShown());
    if (at < 0)
        at = rowText.lastIndexOf(kLookupFailedSuffix);
    if (at < 0)
        return std::nullopt;
    return rowText.left(at);
}

void LookupRun::wireChain()
{
    m_chain.stopRequested = [this] { return m_stopRequested; };
}

void LookupRun::requestStop()
{
    if (m_busy)
        m_stopRequested = true;
}

void LookupRun::watchWaits(const QString& code)
{
    m_chain.onBusyWait = [this, &code](int secondsLeft) {
        m_platform.progressBar1.setText(BusyCaption(code, secondsLeft));
    };
    m_chain.onTurnWait = [this, &code](const QString& source, int secondsLeft) {
        m_platform.progressBar1.setText(
            secondsLeft > 0 ? TurnWaitCaption(source, secondsLeft)
                            : QCoreApplication::translate("LookupRun", kProcessingCaption)
                                  .arg(FileNameFromPath(code)));
    };
}

void LookupRun::stopWatchingWaits()
{
    m_chain.onBusyWait = nullptr;
    m_chain.onTurnWait = nullptr;
}

namespace {
// The outcomes of a run so far, for the box at its end.
struct RunTally
{
    int lookups = 0;
    int failed = 0;

    void count(const CodeOutcome& outcome)
    {
        // A code that was never sent anywhere was not a lookup that failed.
        if (outcome.status == CodeOutcome::Status::NotLookedUp)
            return;
        ++lookups;
        if (outcome.status == CodeOutcome::Status::Failed)
            ++failed;
    }
};
} // namespace

void LookupRun::PushButton17_Click()
{
    ErrorTrap trap(m_platform.messageBox, Location::PushButton17_Click);
    ListControl& codes = m_platform.listView1;
    ListControl& results = m_platform.listView2;

    if (trap.holdsOrFails(100, [&] { return m_busy; }))
        return;
    trap(102, [&] {
        m_busy = true;
        m_stopRequested = false;
    });
    if (trap.holdsOrFails(104, [&] { return codes.count() == 0; })) {
        trap(106, [&] {
            m_platform.messageBox.show(QCoreApplication::translate("LookupRun", kNoItemsMessage));
        });
        trap(108, [&] { m_busy = false; });
        return;
    }
    trap(110, [&] { results.clear(); });
    trap(112, [&] { m_platform.window.setMousePointer(PointerCode::Hourglass); });

    int n = 0;
    trap(114, [&] { n = codes.count(); });
    trap(116, [&] { m_chain.startRun(); });
    int m = n;
    int done = 0;
    RunTally tally;
    for (int i = 1; i <= n && !m_stopRequested; ++i) {
        trap(118, [&] { m_platform.window.setMousePointer(PointerCode::Hourglass); });
        // The list may have been shortened while the run let events through (another long
        // operation can end and hand the pointer back meanwhile): no rows left to visit.
        if (trap.holdsOrFails(120, [&] {
                m = codes.count();
                return i > m;
            }))
            break;
        // A failed step is reported by the trap; the steps that need what it would have given
        // are skipped for this code, so one failure brings one report and no made-up row.
        std::optional<QString> read;
        trap(122, [&] { read = codes.text(i); });
        if (read) {
            const QString code = *read;
            trap(124, [&] {
                m_platform.progressBar1.setText(
                    QCoreApplication::translate("LookupRun", kProcessingCaption)
                        .arg(FileNameFromPath(code)));
            });
            trap(126, [&] { m_platform.eventLoop.yield(); });

            watchWaits(code);
            std::optional<CodeOutcome> outcome;
            bool asked = false;
            trap(128, [&] {
                outcome = m_chain.lookUp(code, RowsAfter(codes, i, n));
                asked = true;
            });
            stopWatchingWaits();
            // Stopped before the code had its answer: it gets no row, and is not counted as done.
            if (asked && !outcome)
                break;
            if (outcome) {
                tally.count(*outcome);
                trap(130, [&] {
                    AppendTickedRow(results, outcome->rowText, outcome->scrollIntoView());
                });
            }
        }
        done = i;
        // The share of codes done: full only once the last code has its answer.
        trap(132, [&] { m_platform.progressBar1.setPosition(double(i) / m * 100); });
    }

    trap(134, [&] { m_chain.endRun(); });
    trap(136, [&] { m_platform.window.setMousePointer(PointerCode::Default); });
    trap(138, [&] { m_platform.progressBar1.setPosition(0); });
    trap(140, [&] {
        m_platform.progressBar1.setText(
            QCoreApplication::translate("ProgressDisplay", kIdleProgressCaptionText));
    });
    trap(142, [&] {
        m_platform.messageBox.show(m_stopRequested ? StoppedMessage(done, m)
                                                   : DoneMessage(tally.failed, tally.lookups));
    });
    trap(144, [&] {
        m_busy = false;
        m_stopRequested = false;
    });
}

bool LookupRun::LookUpCodes(const QStringList& codes,
                            const std::function<void(const CodeOutcome&)>& each)
{
    ErrorTrap trap(m_platform.messageBox, Location::EnrichSpreadsheet);
    ListControl& results = m_platform.listView2;

    if (trap.holdsOrFails(100, [&] { return m_busy; }))
        return false;
    trap(102, [&] {
        m_busy = true;
        m_stopRequested = false;
    });
    trap(104, [&] { results.clear(); });
    trap(106, [&] { m_platform.window.setMousePointer(PointerCode::Hourglass); });
    trap(108, [&] { m_chain.startRun(); });

    const int m = int(codes.size());
    int done = 0;
    RunTally tally;
    for (int k = 0; k < m && !m_stopRequested; ++k) {
        const QString& code = codes[k];
        trap(110, [&] { m_platform.window.setMousePointer(PointerCode::Hourglass); });
        trap(112, [&] {
            m_platform.progressBar1.setText(
                QCoreApplication::translate("LookupRun", kProcessingCaption)
                    .arg(FileNameFromPath(code)));
        });
        trap(114, [&] { m_platform.eventLoop.yield(); });

        watchWaits(code);
        std::optional<CodeOutcome> outcome;
        bool asked = false;
        trap(116, [&] {
            const LookupChain::Ahead ahead = [&codes, k](int after) {
                return k + after < codes.size() ? std::optional(codes[k + after]) : std::nullopt;
            };
            outcome = m_chain.lookUp(code, ahead);
            asked = true;
        });
        stopWatchingWaits();
        if (asked && !outcome)
            break;
        done = k + 1;
        if (outcome) {
            tally.count(*outcome);
            trap(118,
                 [&] { AppendTickedRow(results, outcome->rowText, outcome->scrollIntoView()); });
            trap(120, [&] { each(*outcome); });
        }
        trap(122, [&] { m_platform.progressBar1.setPosition(double(k + 1) / m * 100); });
    }

    trap(124, [&] { m_chain.endRun(); });
    trap(126, [&] { m_platform.window.setMousePointer(PointerCode::Default); });
    trap(128, [&] { m_platform.progressBar1.setPosition(0); });
    trap(130, [&] {
        m_platform.progressBar1.setText(
            QCoreApplication::translate("ProgressDisplay", kIdleProgressCaptionText));
    });
    trap(132, [&] {
        m_platform.messageBox.show(m_stopRequested ? StoppedMessage(done, m)
                                                   : DoneMessage(tally.failed, tally.lookups));
    });
    trap(134, [&] {
        m_busy = false;
        m_stopRequested = false;
    });
    return true;
}

void LookupRun::RetryFailedRows()
{
    ErrorTrap trap(m_platform.messageBox, Location::RetryFailedRows);
    ListControl& results = m_platform.listView2;

    if (trap.holdsOrFails(100, [&] { return m_busy; }))
        return;
    trap(102, [&] {
        m_busy = true;
        m_stopRequested = false;
    });
    // The failed rows, and what they ask for, taken before the first request.
    QList<int> rows;
    QStringList failedCodes;
    trap(104, [&] {
        for (int row = 1; row <= results.count(); ++row) {
            if (const std::optional<QString> code = FailedRowCode(results.text(row))) {
                rows.append(row);
                failedCodes.append(*code);
            }
        }
    });
    if (trap.holdsOrFails(106, [&] { return rows.isEmpty(); })) {
        trap(108, [&] {
            m_platform.messageBox.show(
                QCoreApplication::translate("LookupRun", kNoFailedRowsMessage));
        });
        trap(110, [&] { m_busy = false; });
        return;
    }
    trap(112, [&] { m_platform.window.setMousePointer(PointerCode::Hourglass); });
    trap(114, [&] { m_chain.startRun(); });

    const int m = int(rows.size());
    int done = 0;
    RunTally tally;
    for (int k = 0; k < m && !m_stopRequested; ++k) {
        const int row = rows[k];
        const QString& code = failedCodes[k];
        trap(116, [&] { m_platform.window.setMousePointer(PointerCode::Hourglass); });
        trap(118, [&] {
            m_platform.progressBar1.setText(
                QCoreApplication::translate("LookupRun", kProcessingCaption)
                    .arg(FileNameFromPath(code)));
        });
        trap(120, [&] { m_platform.eventLoop.yield(); });

        watchWaits(code);
        std::optional<CodeOutcome> outcome;
        bool asked = false;
        trap(122, [&] {
            const LookupChain::Ahead ahead = [&failedCodes, k](int after) {
                return k + after < failedCodes.size() ? std::optional(failedCodes[k + after])
                                                      : std::nullopt;
            };
            outcome = m_chain.lookUp(code, ahead);
            asked = true;
        });
        stopWatchingWaits();
        if (asked && !outcome)
            break;
        done = k + 1;
        // In place, tick and all; a row that changed meanwhile is left as it is.
        if (outcome) {
            tally.count(*outcome);
            trap(124, [&] {
                if (row <= results.count() && FailedRowCode(results.text(row)) == code) {
                    results.setText(row, outcome->rowText);
                    if (outcome->scrollIntoView())
                        results.ensureVisible(row);
                }
            });
        }
        trap(126, [&] { m_platform.progressBar1.setPosition(double(k + 1) / m * 100); });
    }

    trap(128, [&] { m_chain.endRun(); });
    trap(130, [&] { m_platform.window.setMousePointer(PointerCode::Default); });
    trap(132, [&] { m_platform.progressBar1.setPosition(0); });
    trap(134, [&] {
        m_platform.progressBar1.setText(
            QCoreApplication::translate("ProgressDisplay", kIdleProgressCaptionText));
    });
    trap(136, [&] {
        m_platform.messageBox.show(m_stopRequested ? StoppedMessage(done, m)
                                                   : DoneMessage(tally.failed, tally.lookups));
    });
    trap(138, [&] {
        m_busy = false;
        m_stopRequested = false;
    });
}
