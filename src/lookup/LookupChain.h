#pragma once

#include "lookup/LookupSource.h"
#include "lookup/Politeness.h"
#include "lookup/RequestPacer.h"

#include <QHash>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class AnswerStore;
class CatalogueConnection;
class Clock;
class EventLoop;
class PacingStore;
class PageLoader;
class PendingPage;

inline constexpr QStringView kNoRecordSuffix = u" - no record found";
inline constexpr QStringView kLookupFailedSuffix = u" - lookup failed: ";
inline constexpr QStringView kNotLookedUpSuffix = u" - not looked up: ";
inline constexpr QStringView kUnnamedProductSuffix = u" - unnamed product";
inline constexpr QStringView kDailyLimitReached = u"daily limit reached";
// The results list's rows are in the user's language; these constants are their English words,
// which a row written before the language changed, or by a scan session, may still hold.
// kLookupFailedSuffix in the user's language.
QString LookupFailedSuffixShown();

// What became of one code: the results row the window shows, and the parts batch mode writes.
struct CodeOutcome
{
    enum class Status { Found, NotFound, Failed, NotLookedUp };
    Status status = Status::Failed;
    QString code; // as the list holds it
    // The code's one identity (CheckedCode::gtin), the same whatever form it was typed in; empty
    // when it did not pass the checks.
    QString gtin;
    // For a case (a GTIN-14 of indicator 1 to 8) no source knew as itself: the code of what it
    // holds, whose answer this is. Empty otherwise.
    QString innerGtin = {};
    // Batch mode and saved results: the 1-based row of the first row of the same product, when
    // this row is a later one; 0 otherwise.
    int sameAs = 0;
    ProductAnswer product;
    // The display name of the source that found the product, or of the one whose failure is
    // reported.
    QString source;
    // The hosts and ports the source that found the product was set up on
    // (LookupSource::ownHosts): its page link may lead there.
    QStringList sourceHosts;
    // Those of the source that gave the picture: the finding source's, unless filling the gaps
    // took the picture from a later one. One source's exemption is never lent to another's
    // address.
    QStringList pictureHosts;
    // The terms the found answer comes under, when its source gives them (LookupSource::licence).
    QString licence;
    // Filling the gaps: each field taken from a later source than the one that found the product
    // ("brand", "quantity", "picture", "categories"), with that source's display name.
    QList<std::pair<QString, QString>> filledFrom = {};
    // The failure's reason, or why the code was not looked up.
    QString detail;
    // What the results row reads.
    QString rowText;
    // How many times a scan session has read the code when this row was written; 0 outside a
    // scan session.
    int scanCount = 0;

    // Failures and codes that were not sent are brought into view, like "no record" rows.
    bool scrollIntoView() const { return status != Status::Found; }
};

// What the chain reaches of the outside world.
struct LookupServices
{
    PageLoader& pages;
    EventLoop& eventLoop;
    Clock& clock;
    // Null: nothing is remembered between runs.
    AnswerStore* store = nullptr;
    // The pacing every Quillfen of the user shares; null: this chain keeps its own pace alone.
    PacingStore* pacing = nullptr;
    // Library catalogues (Z39.50, SRU); null: a catalogue source fails every code.
    CatalogueConnection* catalogue = nullptr;
};

struct ChainOptions
{
    // The User-Agent every request to an open database carries: "Quillfen/<version> (<contact>)".
    QByteArray agent;
    // How many requests to the page service may be in flight at once.
    int parallel = 1;
    // In the default order books go to Open Library before anyone else.
    bool booksFirst = false;
    // A random number from 0 to 1 for the jitter of backing off; 0.5 (none) when not given.
    std::function<double()> jitter;
    // A found product without a brand, a quantity or a picture is completed from the next
    // sources that know the code ("Go-UPC + Open Food Facts").
    bool fillGaps = false;
};

// Asks the sources about one code after another, in their order, until one finds it: skipping
// those that do not take the code, waiting its turn on each host, trying a busy service again
// later, and remembering definite answers. The window's run and batch mode both drive it.
class LookupChain final
{
public:
    LookupChain(LookupServices services, std::vector<std::unique_ptr<LookupSource>> sources,
                ChainOptions options);
    ~LookupChain();
    LookupChain(const LookupChain&) = delete;
    LookupChain& operator=(const LookupChain&) = delete;

    // The codes that follow the one being looked up, for asking the page service and the index
    // ahead.
    using Ahead = CodesAhead;

    // Another choice of sources, from the next run on.
    void setSources(std::vector<std::unique_ptr<LookupSource>> sources, bool booksFirst);
    // Whether a find is completed from the sources after it (ChainOptions::fillGaps), from the
    // next code on.
    void setFillGaps(bool fill) { m_options.fillGaps = fill; }

    // A new run: codes asked in an earlier run are asked again.
    void startRun();
    // Looks up one code. Empty when the run was asked to stop before the code had its answer.
    // Coupons and refund receipts are sent nowhere, unless the page service is the only source.
    std::optional<CodeOutcome> lookUp(const QString& typed, const Ahead& ahead = {});
    // Drops requests asked ahead that the run will not collect (it stopped or ended early).
    void endRun();

    // How long pacing holds up the code when its turn comes: the interval between requests of
    // the paced source it would be sent to, or 0 when a local source or a remembered answer
    // settles it first, or when the source it goes to is not paced. Sends nothing; for estimating
    // the time a run has left, in a run that has started.
    qint64 pacedIntervalMs(const QString& typed);

    // Polled while waiting; true stops the run after the request under way.
    std::function<bool()> stopRequested;
    // Called about once a second while a busy service is waited for, with the seconds left.
    std::function<void(int secondsLeft)> onBusyWait;
    // Called about once a second while a paced source's turn is waited for, with the source's
    // display name and the seconds left, and once more with 0 when the turn has come. A run can
    // hold up for many seconds between two codes: without it the window would look stuck.
    std::function<void(const QString& source, int secondsLeft)> onTurnWait;
    // Called with what the user should hear of once in a run: a problem of the remembered
    // answers or the shared pacing (a damaged database set aside, one that cannot be written),
    // or a database's advice to use its export.
    std::function<void(const QString& message)> onStoreProblem;
    // Every outcome lookUp() gives, as it gives it: what the window keeps of a row beyond its
    // text, for the details window.
    std::function<void(const CodeOutcome&)> onOutcome;

    const std::vector<std::unique_ptr<LookupSource>>& sources() const { return m_sources; }
    // The remembered answers it reads; null when none are kept.
    AnswerStore* answerStore() const { return m_services.store; }
    // True when the page service is the only source: its rows read exactly as they always have.
    bool pageServiceAlone() const;

private:
    struct Asked
    {
        QString typed;
        std::unique_ptr<PendingPage> page;
    };
    // What came back for a request after its redirections, and from which host.
    struct Fetched
    {
        PageResponse response;
        QString host;
    };

    // Looks up a checked code in the sources' order, as lookUp does but for what follows it.
    std::optional<CodeOutcome> lookUpChecked(const QString& typed, const CheckedCode& checked,
                                             const Ahead& ahead);
    // Asks the source in each form the code is asked in: a UPC-E as typed, then as its UPC-A.
    std::optional<SourceAnswer> askInItsForms(LookupSource& source, const QString& typed,
                                              const CheckedCode& checked, const Ahead& ahead);
    std::optional<SourceAnswer> ask(LookupSource& source, const QString& typed,
                                    const CheckedCode& checked, const Ahead& ahead);
    std::optional<SourceAnswer> askOverNetwork(LookupSource& source, const QString& typed,
                                               const CheckedCode& checked);
    // Asks a source that takes many codes a request about this code and the ones that follow.
    std::optional<SourceAnswer> askInBatch(LookupSource& source, const QString& address,
                                           const CheckedCode& checked, const Ahead& ahead);
    // Sends the request in the host's turn and reads the answer, again after a busy one.
    std::optional<SourceAnswer>
    askWith(LookupSource& source, const SourceRequest& request,
            const std::function<SourceAnswer(const SourceResponse&)>& read);
    // Asks a library catalogue in its host's turn.
    std::optional<SourceAnswer> askCatalogue(LookupSource& source, const CatalogueSearch& search,
                                             const CheckedCode& checked);
    std::optional<SourceAnswer> askPageService(LookupSource& source, const QString& typed,
                                               const Ahead& ahead);
    // Sends the request and follows its redirections, each in its own turn on its host. Empty when
    // asked to stop while waiting for a turn.
    std::optional<Fetched> fetch(const LookupSource& source, const SourceRequest& request);
    // Waits for the host's turn, in this process and every other, and takes it; false when asked
    // to stop meanwhile.
    bool takeTurn(const LookupSource& source, const QString& host);
    // Takes one request from the source's daily allowance, shared by every process when the
    // shared file answers; false when the day's allowance is used up.
    bool takeFromAllowance(const LookupSource& source);
    // Keeps every request to the host back for the wait a busy answer asked for.
    void hold(const QString& host, std::chrono::milliseconds wait, bool shared);
    // The address an answer is remembered under: the one it was asked at, and what else it
    // depends on.
    QString rememberedAddress(const LookupSource& source, const QString& typed,
                              const CheckedCode& checked) const;
    std::optional<SourceAnswer> remembered(const LookupSource& source, const QString& address,
                                           const QString& gtin);
    void remember(const LookupSource& source, const QString& address, const QString& gtin,
                  const SourceAnswer& answer);
    void reportStoreProblem();
    void reportPacingProblem();
    std::unique_ptr<PendingPage> send(const LookupSource& source, const SourceRequest& request);
    // Waits for the page; false when the program ends meanwhile (ProgramEnding passes through).
    void waitFor(const PendingPage& page);
    // Waits until the steady clock reaches the time, handling events, telling countDown (when
    // given) the seconds left as they change; false when asked to stop.
    bool waitUntil(qint64 steadyMs, const std::function<void(int secondsLeft)>& countDown);
    bool stopping() const { return stopRequested && stopRequested(); }
    // Coupons and refund receipts: no product is behind them, so no source is asked.
    bool sentNowhere(const CheckedCode& checked) const;
    std::vector<LookupSource*> orderFor(const CheckedCode& checked) const;
    // Of the answers, in the order asked; the found product is moved out of them.
    CodeOutcome outcome(const QString& typed, const CheckedCode& checked,
                        std::vector<std::pair<LookupSource*, SourceAnswer>> answers) const;

    // The source's own hosts (LookupSource::ownHosts), read once a run.
    QStringList hostsOf(LookupSource* source) const;

    LookupServices m_services;
    std::vector<std::unique_ptr<LookupSource>> m_sources;
    mutable QHash<const LookupSource*, QStringList> m_hosts;
    ChainOptions m_options;
    RequestPacer m_pacer;
    // This run's answers by source and checked code: the same code is asked once per run.
    QHash<QString, SourceAnswer> m_thisRun;
    // Sources that asked to be left alone, until when (unix seconds).
    QHash<QString, qint64> m_pausedUntil;
    // The daily allowances this process counted alone (no shared file): by source, the UTC day
    // and the requests taken on it.
    QHash<QString, std::pair<qint64, int>> m_allowanceUsed;
    // Answers of this run that said a host is busy for everyone.
    int m_busyForEveryone = 0;
    // Page service requests sent ahead of the code being looked up, in code order.
    std::deque<Asked> m_ahead;
};
