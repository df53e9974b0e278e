#pragma once

#include "lookup/LookupChain.h"
#include "scanning/ScanInput.h"

#include <QHash>
#include <QString>

#include <deque>
#include <functional>
#include <list>
#include <optional>

class ScanJournal;

// One code of a scan session, as its row shows it.
struct ScanRow
{
    enum class State { Queued, Answered, Invalid };
    QString code;
    // The add-on of the last scan that had one.
    QString addOn;
    int count = 0;
    State state = State::Queued;
    // The answer, once there is one; for an invalid code, why it is not looked up.
    CodeOutcome outcome;
};

// The row's answer as a results row writes it: with the row's count, and its add-on in the
// details ("add-on 51299").
CodeOutcome RowOutcome(const ScanRow& row);

// How a scan sounds and flashes: found, not found (or not known yet), not a valid code.
enum class ScanVerdict { Found, NotFound, Invalid };
ScanVerdict VerdictOf(const ScanRow& row);

// The codes of one scanning session: each scan counted, its row moved to the top, written to the
// session file before it is answered, and answered at once when this machine knows the answer
// (the product index, the remembered answers), else queued for the online sources. The queue is
// worked through by answerQueued(), whose waits let further scans in: a scan never waits for the
// answer of another.
class ScanSession final
{
public:
    // `local` answers from this machine alone (see LocalAnswersOnly); `online` asks every source.
    ScanSession(ScanJournal& journal, LookupChain& local, LookupChain& online);
    ScanSession(const ScanSession&) = delete;
    ScanSession& operator=(const ScanSession&) = delete;

    // Takes one scan: written down first (throws OperationFailed, and nothing is counted, when
    // it cannot be), then counted and answered when it can be at once. Returns the row.
    const ScanRow& add(const Scan& scan);
    // Takes scans that arrived together: written down together, with one sync (throws as add(),
    // and none is counted), then each counted and answered when it can be at once, in order,
    // `each` told of its row as it stands after that scan. A file of ten thousand codes piped
    // in is then taken at the pace of its reads, not of ten thousand syncs.
    void add(const QList<Scan>& scans, const std::function<void(const ScanRow& row)>& each);
    // Takes back the last scan of this session: its count goes down, or its row goes. False when
    // there is none to take back.
    bool undo();

    // The lines of a session file a crash left behind, read back into rows, or nothing when it
    // holds no scan. Throws OperationFailed when the file cannot be read.
    bool hasLeftSession();
    // Replays the file left behind: its scans become this session's, queued for their answers.
    void restore();
    // Ends the session: rows and file gone.
    void clear();

    // Asks the online sources about the queued codes, one after another, until the queue is
    // empty or a stop is asked for. Safe to call again while it runs (from an event its waits let
    // through): that call returns at once, and the scans it would answer are answered by the
    // running one.
    void answerQueued();
    bool hasQueued() const { return !m_queue.empty(); }
    bool answering() const { return m_answering; }

    // The rows, the last scanned first.
    const std::list<ScanRow>& rows() const { return m_rows; }
    // The code's row; null when it has none.
    const ScanRow* row(const QString& code) const;
    // The codes, once each, in the order they were first scanned.
    QStringList codesInScanOrder() const;

    // Polled while the online sources are waited for; true ends answerQueued() after the request
    // under way, leaving the rest queued.
    std::function<bool()> stopRequested;
    // Called each time a row changes (a scan, an answer, an undo), with the row's code.
    std::function<void(const QString& code)> onRowChanged;
    // Called when an answer comes for a code (at once or from the queue).
    std::function<void(const ScanRow& row)> onAnswered;

private:
    using Rows = std::list<ScanRow>;
    ScanRow* find(const QString& code);
    void count(const Scan& scan);
    // One scan of the code fewer: its count goes down, or its row goes.
    void uncount(const QString& code);
    // `ahead`: the codes to be answered after it, which the index finds meanwhile.
    void answerLocally(ScanRow& row, bool newRun = true, const CodesAhead& ahead = {});
    void answer(const QString& code, const CodeOutcome& outcome);
    void changed(const QString& code);

    ScanJournal& m_journal;
    LookupChain& m_local;
    LookupChain& m_online;
    Rows m_rows;
    // Each row by its code: a session file of a million scans is read back in a moment, where a
    // search of the rows for every scan took minutes.
    QHash<QString, Rows::iterator> m_places;
    // The codes of the scans in order, for undo.
    QStringList m_scans;
    std::deque<QString> m_queue;
    bool m_answering = false;
    // The file's lines as hasLeftSession() read them, until restore() takes them.
    std::optional<QStringList> m_leftLines;
};
