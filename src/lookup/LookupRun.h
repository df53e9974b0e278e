#pragma once

#include "platform/Platform.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QUrl>

#include <functional>
#include <optional>

class LookupChain;
struct CodeOutcome;

inline constexpr char kNoItemsMessage[] = QT_TRANSLATE_NOOP("LookupRun", "No items added to list.");
inline constexpr char kLookupDoneMessage[] = QT_TRANSLATE_NOOP("LookupRun", "Done.");
//: %1 is the code being looked up.
inline constexpr char kProcessingCaption[] = QT_TRANSLATE_NOOP("LookupRun", "Processing: %1");

// What became of the codes of one run, for the box at its end.
struct RunCounts
{
    qsizetype found = 0;
    qsizetype notFound = 0;
    qsizetype failed = 0;
    qsizetype notLookedUp = 0;

    void count(const CodeOutcome& outcome);
    // The codes that were sent somewhere.
    qsizetype lookups() const { return found + notFound + failed; }
};

// "Stopped after 3 of 10 codes."
QString StoppedMessage(int done, int total);
// "Done." first; then how the codes went ("12 found, 2 not found, 1 failed"), what to do about
// failures, and what the run had to say on the way (a database's advice, a problem of the
// remembered answers), a line each. With the page service alone the box reads as it always has:
// "Done.", and for failures "Done.\n3 of 3 lookups failed; Lookup → Retry Failed Rows asks
// again."
QString DoneMessage(const RunCounts& counts, bool pageServiceAlone,
                    const QStringList& notices = {});
// The progress caption while a run goes on after something to hear of: "Processing: 4006381333931
// — Open Food Facts is busy for everyone ...".
QString CaptionWithNotice(const QString& caption, const QString& notice);
// "Processing: 4006381333931 (service busy, next try in 12 s)"
QString BusyCaption(const QString& code, int secondsLeft);
// "Waiting 4 s for Open Food Facts' turn"
QString TurnWaitCaption(const QString& source, int secondsLeft);
// The code of a results row that reads "<code> - lookup failed: ...", or nothing for any other
// row.
std::optional<QString> FailedRowCode(const QString& rowText);

// "Start Looking Up": visits every code of the code list in order and fills the results table
// with one ticked row per code, asking the chain about each. Also stops a run, and looks up again
// the rows that failed.
class LookupRun final
{
public:
    LookupRun(const Platform& platform, LookupChain& chain)
        : m_platform(platform)
        , m_chain(chain)
    {
        wireChain();
    }
    LookupRun(const LookupRun&) = delete;
    LookupRun& operator=(const LookupRun&) = delete;

    void PushButton17_Click();
    // "Lookup -> Retry Failed Rows": every row that reads "<code> - lookup failed: ..." is looked
    // up again and replaced in place, keeping its tick.
    void RetryFailedRows();
    // A run over the codes given rather than the code list's (the codes of a spreadsheet): the
    // results table filled afresh with a ticked row per code, stop, pacing and remembered answers
    // as in any run. Each outcome goes to `each`, in order. False, with nothing done, while
    // another run is under way.
    bool LookUpCodes(const QStringList& codes, const std::function<void(const CodeOutcome&)>& each);
    // Esc, "Lookup -> Stop Looking Up": the run ends after the request under way.
    void requestStop();

    // True exactly while a run is under way; a second start is refused meanwhile.
    bool isBusy() const { return m_busy; }

private:
    void wireChain();
    // A new run: nothing heard of yet.
    void startCounting();
    // What the chain has to say during a run is never a box that waits for a click: it stays in
    // the caption while the run goes on and is gathered into the box at the end, once.
    void hear(const QString& notice);
    void showCaption(const QString& caption);
    QString endMessage(int done, int total) const;
    // The caption counts down the waits of the code's lookup: a busy service, a paced turn.
    void watchWaits(const QString& code);
    void stopWatchingWaits();

    Platform m_platform;
    LookupChain& m_chain;
    bool m_busy = false;
    bool m_stopRequested = false;
    RunCounts m_counts;
    QStringList m_notices;
    QString m_caption;
};
