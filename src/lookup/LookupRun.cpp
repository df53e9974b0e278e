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
        .arg(QString::number(done), QString::number(total));
}

void RunCounts::count(const CodeOutcome& outcome)
{
    switch (outcome.status) {
    case CodeOutcome::Status::Found:
        ++found;
        break;
    case CodeOutcome::Status::NotFound:
        ++notFound;
        break;
    case CodeOutcome::Status::Failed:
        ++failed;
        break;
    case CodeOutcome::Status::NotLookedUp:
        // A code that was never sent anywhere was not a lookup that failed.
        ++notLookedUp;
        break;
    }
}

QString DoneMessage(const RunCounts& counts, bool pageServiceAlone, const QStringList& notices)
{
    QStringList lines{QCoreApplication::translate("LookupRun", kLookupDoneMessage)};
    if (pageServiceAlone) {
        if (counts.failed > 0)
            lines.append(
                QCoreApplication::translate("LookupRun",
                                            "%1 of %2 lookups failed; Lookup → Retry Failed Rows "
                                            "asks again.")
                    .arg(QString::number(counts.failed), QString::number(counts.lookups())));
    } else {
        const QString found = QString::number(counts.found);
        const QString notFound = QString::number(counts.notFound);
        const QString failed = QString::number(counts.failed);
        lines.append(
            counts.notLookedUp == 0
                //: %1, %2 and %3 are numbers of codes.
                ? QCoreApplication::translate("LookupRun", "%1 found, %2 not found, %3 failed")
                      .arg(found, notFound, failed)
                //: %1 to %4 are numbers of codes.
                : QCoreApplication::translate("LookupRun",
                                              "%1 found, %2 not found, %3 failed, %4 not looked up")
                      .arg(found, notFound, failed, QString::number(counts.notLookedUp)));
        if (counts.failed > 0)
            lines.append(QCoreApplication::translate(
                "LookupRun", "Lookup → Retry Failed Rows asks again about the failed ones."));
    }
    lines.append(notices);
    return lines.join(u'\n');
}

QString CaptionWithNotice(const QString& caption, const QString& notice)
{
    //: A progress caption, then something the run has to say.
    return QCoreApplication::translate("LookupRun", "%1 — %2").arg(caption, notice);
}

QString TurnWaitCaption(const QString& source, int secondsLeft)
{
    // "Open Food Facts' turn", "UPCitemdb's turn".
    //: %1 is a number of seconds, %2 the name of a product database.
    return (source.endsWith(u's')
                ? QCoreApplication::translate("LookupRun", "Waiting %1 s for %2' turn")
                : QCoreApplication::translate("LookupRun", "Waiting %1 s for %2's turn"))
        .arg(QString::number(secondsLeft), source);
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
    m_chain.onStoreProblem = [this](const QString& notice) { hear(notice); };
}

void LookupRun::startCounting()
{
    m_counts = {};
    m_notices.clear();
    m_caption.clear();
}

void LookupRun::hear(const QString& notice)
{
    if (notice.isEmpty() || m_notices.contains(notice))
        return;
    m_notices.append(notice);
    if (m_busy && !m_caption.isEmpty())
        showCaption(m_caption);
}

void LookupRun::showCaption(const QString& caption)
{
    m_caption = caption;
    m_platform.progressBar1.setText(
        m_notices.isEmpty() ? caption : CaptionWithNotice(caption, m_notices.constLast()));
}

QString LookupRun::endMessage(int done, int total) const
{
    if (m_stopRequested)
        return StoppedMessage(done, total);
    return DoneMessage(m_counts, m_chain.pageServiceAlone(), m_notices);
}

void LookupRun::requestStop()
{
    if (m_busy)
        m_stopRequested = true;
}

void LookupRun::watchWaits(const QString& code)
{
    m_chain.onBusyWait = [this, &code](int secondsLeft) {
        showCaption(BusyCaption(code, secondsLeft));
    };
    m_chain.onTurnWait = [this, &code](const QString& source, int secondsLeft) {
        showCaption(secondsLeft > 0 ? TurnWaitCaption(source, secondsLeft)
                                    : QCoreApplication::translate("LookupRun", kProcessingCaption)
                                          .arg(FileNameFromPath(code)));
    };
}

void LookupRun::stopWatchingWaits()
{
    m_chain.onBusyWait = nullptr;
    m_chain.onTurnWait = nullptr;
}

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
    trap(116, [&] {
        startCounting();
        m_chain.startRun();
    });
    int m = n;
    int done = 0;
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
                showCaption(QCoreApplication::translate("LookupRun", kProcessingCaption)
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
                m_counts.count(*outcome);
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
    trap(142, [&] { m_platform.messageBox.show(endMessage(done, m)); });
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
    trap(108, [&] {
        startCounting();
        m_chain.startRun();
    });

    const int m = int(codes.size());
    int done = 0;
    for (int k = 0; k < m && !m_stopRequested; ++k) {
        const QString& code = codes[k];
        trap(110, [&] { m_platform.window.setMousePointer(PointerCode::Hourglass); });
        trap(112, [&] {
            showCaption(QCoreApplication::translate("LookupRun", kProcessingCaption)
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
            m_counts.count(*outcome);
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
    trap(132, [&] { m_platform.messageBox.show(endMessage(done, m)); });
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
    trap(114, [&] {
        startCounting();
        m_chain.startRun();
    });

    const int m = int(rows.size());
    int done = 0;
    for (int k = 0; k < m && !m_stopRequested; ++k) {
        const int row = rows[k];
        const QString& code = failedCodes[k];
        trap(116, [&] { m_platform.window.setMousePointer(PointerCode::Hourglass); });
        trap(118, [&] {
            showCaption(QCoreApplication::translate("LookupRun", kProcessingCaption)
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
            m_counts.count(*outcome);
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
    trap(136, [&] { m_platform.messageBox.show(endMessage(done, m)); });
    trap(138, [&] {
        m_busy = false;
        m_stopRequested = false;
    });
}
