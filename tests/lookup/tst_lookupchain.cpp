// The chain's decisions against fakes and a fake clock: which sources are asked and in what order,
// what the row says, pacing, busy services, remembered answers, stopping and asking ahead.
#include "fakes/FakeAnswerStore.h"
#include "fakes/FakePlatform.h"
#include "gs1/CodeFacts.h"
#include "lookup/LookupChain.h"
#include "lookup/LookupRun.h"
#include "lookup/OpenFoodFactsSource.h"
#include "lookup/OpenLibrarySource.h"
#include "lookup/PageServiceSource.h"
#include "lookup/Politeness.h"

#include <QLocale>
#include <QTest>
#include <QTranslator>
#include <QUrlQuery>

namespace {
// A source whose answers the test writes as page bodies: "found:NAME[,BRAND[,QUANTITY]]" is a
// find, 404 is not found, 429 and 503 are busy, anything else fails with "HTTP n".
class ScriptedSource final : public LookupSource
{
public:
    ScriptedSource(QString name, QString host, int perMinute = 0, bool booksOnly = false)
        : m_name(std::move(name))
        , m_host(std::move(host))
        , m_perMinute(perMinute)
        , m_booksOnly(booksOnly)
    {}

    QString name() const override { return m_name; }
    QString displayName() const override { return m_name.toUpper(); }
    bool takes(const CheckedCode& checked) const override
    {
        return checked.isValid() && (!m_booksOnly || checked.isbn);
    }
    SourceRequest request(const QString&, const CheckedCode& checked) const override
    {
        return SourceRequest{QUrl(QStringLiteral("http://") + m_host + u'/' + checked.gtin), 3};
    }
    SourceAnswer read(const SourceResponse& response, const QString&) const override
    {
        if (!response.failure.isEmpty())
            return SourceAnswer::failed(response.failure);
        SourceAnswer answer;
        if (response.status == 200 && response.body.startsWith("found:")) {
            const QStringList parts = QString::fromUtf8(response.body.mid(6)).split(u',');
            answer = SourceAnswer::found(
                ProductAnswer{parts.value(0), parts.value(1), parts.value(2), {}, {}});
        } else if (response.status == 404) {
            answer = SourceAnswer::notFound();
        } else {
            answer =
                SourceAnswer::failed(QStringLiteral("HTTP ") + QString::number(response.status),
                                     response.status == 429 || response.status == 503);
        }
        if (const QByteArray until = response.header("X-Paused-Until"); !until.isEmpty())
            answer.pausedUntil = until.toLongLong();
        return answer;
    }
    int perMinute() const override { return m_perMinute; }
    bool remembered() const override { return true; }

private:
    QString m_name;
    QString m_host;
    int m_perMinute;
    bool m_booksOnly;
};

// Valid codes to look up.
const QString kTea = QStringLiteral("4006381333931");
const QString kBiscuits = QStringLiteral("5449000000996");
const QString kBook = QStringLiteral("9780306406157");

FakeResponse Found(const QString& what, int waits = 1)
{
    return FakeResponse{QStringLiteral("found:") + what, {}, waits};
}
FakeResponse Status(int status, QList<std::pair<QByteArray, QByteArray>> headers = {})
{
    FakeResponse response{QStringLiteral("{}"), {}, 1};
    response.status = status;
    response.headers = std::move(headers);
    return response;
}

// The fakes, a chain over them, and a service that answers by "host/path".
struct Fixture
{
    Fixture()
    {
        fake.pageLoader.respond = [this](const QUrl& url) { return answer(url); };
        fake.pageLoader.hook.beforeCall = [this](QStringView operation) {
            if (operation == u"start")
                starts.append(fake.clock.steadyMs());
        };
    }

    FakeResponse answer(const QUrl& url)
    {
        const QString key = url.host() + url.path();
        if (auto script = scripts.find(key); script != scripts.end() && !script->isEmpty())
            return script->size() > 1 ? script->takeFirst() : script->first();
        return Status(404);
    }
    // The answers for one host and code, one per request; the last one repeats.
    void script(const QString& host, const QString& code, QList<FakeResponse> responses)
    {
        scripts.insert(host + u'/' + code, std::move(responses));
    }

    LookupChain& chainOf(std::vector<std::unique_ptr<LookupSource>> sources,
                         ChainOptions options = {}, bool remember = false)
    {
        options.agent = "Quillfen/test (test@example.invalid)";
        chain = std::make_unique<LookupChain>(
            LookupServices{fake.pageLoader, fake.eventLoop, fake.clock, remember ? &store : nullptr,
                           &fake.pacing},
            std::move(sources), std::move(options));
        chain->startRun();
        return *chain;
    }
    LookupChain& oneSource(const QString& host, int perMinute)
    {
        std::vector<std::unique_ptr<LookupSource>> sources;
        sources.push_back(
            std::make_unique<ScriptedSource>(QStringLiteral("alpha"), host, perMinute));
        return chainOf(std::move(sources), {}, true);
    }
    LookupChain& twoSources(int perMinute = 0, bool remember = false)
    {
        std::vector<std::unique_ptr<LookupSource>> sources;
        sources.push_back(std::make_unique<ScriptedSource>(QStringLiteral("alpha"),
                                                           QStringLiteral("a.test"), perMinute));
        sources.push_back(std::make_unique<ScriptedSource>(QStringLiteral("beta"),
                                                           QStringLiteral("b.test"), perMinute));
        return chainOf(std::move(sources), {}, remember);
    }
    QStringList requestedPaths() const
    {
        QStringList paths;
        for (const QUrl& url : fake.pageLoader.requested)
            paths.append(url.host() + url.path());
        return paths;
    }
    FakePlatform fake;
    FakeAnswerStore store;
    QHash<QString, QList<FakeResponse>> scripts;
    std::unique_ptr<LookupChain> chain;
    // When each request was sent, on the fake clock.
    QList<qint64> starts;
};

// A language in which every text of the chain and the code checks reads "[text]", installed
// for as long as it lives.
class BracketingTranslator final : public QTranslator
{
public:
    BracketingTranslator() { QCoreApplication::installTranslator(this); }
    ~BracketingTranslator() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "LookupChain") != 0 && qstrcmp(context, "ProductCode") != 0)
            return {};
        return u'[' + QString::fromUtf8(source) + u']';
    }
};

CodeOutcome LookUp(LookupChain& chain, const QString& code)
{
    const std::optional<CodeOutcome> outcome = chain.lookUp(code);
    if (!outcome)
        qFatal("the chain stopped without being asked to");
    return *outcome;
}
} // namespace

class TestLookupChain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sources_askedInOrderUntilOneFindsIt();
    void fillGaps_completesTheFirstFindAndNamesEverySourceThatGave();
    void rows_sayWhatBecameOfTheCode_data();
    void rows_sayWhatBecameOfTheCode();
    void codesThatFailTheChecks_areNeverSent();
    void pageServiceFirst_wrongCheckDigitNotFoundSaysWhy_data();
    void pageServiceFirst_wrongCheckDigitNotFoundSaysWhy();
    void translatedRows_keepTheDetailEnglishAndStayRetryable();
    void couponsAndRefundReceipts_areSentNowhere_data();
    void couponsAndRefundReceipts_areSentNowhere();
    void booksGoFirstToTheBooksSourceInTheDefaultOrder();
    void sameCode_askedOncePerRun();
    void pacing_spacesRequestsToOneHostFromStartToStart();
    void busyService_triedAgainAfterRetryAfterOrBackingOff();
    void busyService_givesUpAfterThreeRetries();
    void pacing_sharedWithEveryOtherQuillfen();
    void busyService_deadlineHoldsTheNextCodeToo();
    void unpacedSource_leavesTheSharedPacingAlone();
    void busyForEveryone_waitsLongerForEveryProcessAndAdvisesTheExportOnce();
    void busyForEveryone_withRetryAfterIsAnOrdinaryBusyAnswer();
    void booksInBatches_ofTwentyFiveAnsweredInOrderAndRemembered();
    void redirection_takesATurnOfItsOwn();
    void refusedOnThisMachine_takesNoTurn();
    void remembered_keptApartByAddressAndLanguage();
    void pausedSource_answersNothingUntilItsReset();
    void remembered_answersCostNoRequestAndExpire();
    void remembered_failuresAreNeverKept();
    void storeProblem_reportedOnce();
    void stop_duringAWaitLeavesTheCodeWithoutAnswer();
    void agent_goesToOpenDatabasesOnly();
    void pageService_askedAheadWithinTheParallelLimitAndInOrder();
    void pageService_askedAheadIsDroppedWhenTheListChanged();
};

void TestLookupChain::sources_askedInOrderUntilOneFindsIt()
{
    Fixture f;
    f.script(QStringLiteral("b.test"), kTea, {Found(QStringLiteral("Tea"))});
    LookupChain& chain = f.twoSources();
    const CodeOutcome outcome = LookUp(chain, kTea);
    QCOMPARE(f.requestedPaths(), (QStringList{"a.test/" + kTea, "b.test/" + kTea}));
    QCOMPARE(outcome.status, CodeOutcome::Status::Found);
    QCOMPARE(outcome.source, QStringLiteral("BETA"));
    QCOMPARE(outcome.rowText, QStringLiteral("Tea"));

    f.script(QStringLiteral("a.test"), kBiscuits, {Found(QStringLiteral("Biscuits"))});
    LookUp(chain, kBiscuits);
    QCOMPARE(f.requestedPaths().size(), 3); // beta was not asked
}

void TestLookupChain::rows_sayWhatBecameOfTheCode_data()
{
    QTest::addColumn<QList<FakeResponse>>("alpha");
    QTest::addColumn<QList<FakeResponse>>("beta");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("row");
    using R = QList<FakeResponse>;
    QTest::newRow("name, brand and quantity")
        << R{Found(QStringLiteral("Hazelnut Spread,Ferrero,400 g"))} << R{} << 0
        << "Hazelnut Spread, Ferrero, 400 g";
    QTest::newRow("a name holding its brand")
        << R{Found(QStringLiteral("Ferrero Rocher,ferrero"))} << R{} << 0 << "Ferrero Rocher";
    QTest::newRow("no name, a brand")
        << R{Found(QStringLiteral(",Ferrero"))} << R{} << 0 << "Ferrero";
    QTest::newRow("nothing to call it")
        << R{Found(QString())} << R{} << 0 << "4006381333931 - unnamed product";
    QTest::newRow("nobody has it")
        << R{Status(404)} << R{Status(404)} << 1 << "4006381333931 - no record found";
    QTest::newRow("the first failure is the one told")
        << R{Status(500)} << R{FakeResponse{{}, QStringLiteral("timed out"), 1}} << 2
        << "4006381333931 - lookup failed: ALPHA: HTTP 500";
    QTest::newRow("one failed, the other does not have it")
        << R{Status(404)} << R{FakeResponse{{}, QStringLiteral("connection refused"), 1}} << 2
        << "4006381333931 - lookup failed: BETA: connection refused";
    QTest::newRow("failed, then found")
        << R{Status(500)} << R{Found(QStringLiteral("Tea"))} << 0 << "Tea";
}

void TestLookupChain::rows_sayWhatBecameOfTheCode()
{
    QFETCH(QList<FakeResponse>, alpha);
    QFETCH(QList<FakeResponse>, beta);
    QFETCH(int, status);
    QFETCH(QString, row);
    Fixture f;
    f.script(QStringLiteral("a.test"), kTea, alpha);
    f.script(QStringLiteral("b.test"), kTea, beta);
    const CodeOutcome outcome = LookUp(f.twoSources(), kTea);
    QCOMPARE(int(outcome.status), status);
    QCOMPARE(outcome.rowText, row);
    QCOMPARE(outcome.gtin, kTea);
    QCOMPARE(outcome.scrollIntoView(), status != 0);
}

void TestLookupChain::translatedRows_keepTheDetailEnglishAndStayRetryable()
{
    const BracketingTranslator language;
    Fixture f;
    f.script(QStringLiteral("b.test"), kTea, {FakeResponse{{}, QStringLiteral("timed out"), 1}});
    LookupChain& chain = f.twoSources();

    // Batch mode writes the detail: it stays English; the row is in the user's language.
    const CodeOutcome failed = LookUp(chain, kTea);
    QCOMPARE(failed.detail, QStringLiteral("timed out"));
    QCOMPARE(failed.rowText, kTea + QStringLiteral("[ - lookup failed: ]BETA: [timed out]"));
    const CodeOutcome unchecked = LookUp(chain, QStringLiteral("4006381333932"));
    QCOMPARE(unchecked.detail, QStringLiteral("check digit should be 1"));
    QCOMPARE(unchecked.rowText,
             QStringLiteral("4006381333932[ - not looked up: ][check digit should be 1]"));
    QCOMPARE(LookUp(chain, kBiscuits).rowText, kBiscuits + QStringLiteral("[ - no record found]"));

    // Retry Failed Rows finds the code in a row of either language.
    QCOMPARE(FailedRowCode(failed.rowText), std::optional(kTea));
    QCOMPARE(FailedRowCode(kTea + QStringLiteral(" - lookup failed: HTTP 503")),
             std::optional(kTea));
    QCOMPARE(FailedRowCode(unchecked.rowText), std::nullopt);
}

void TestLookupChain::codesThatFailTheChecks_areNeverSent()
{
    Fixture f;
    LookupChain& chain = f.twoSources();
    const CodeOutcome wrongDigit = LookUp(chain, QStringLiteral("4006381333932"));
    QCOMPARE(wrongDigit.status, CodeOutcome::Status::NotLookedUp);
    QCOMPARE(wrongDigit.rowText,
             QStringLiteral("4006381333932 - not looked up: check digit should be 1"));
    QVERIFY(wrongDigit.gtin.isEmpty());
    QVERIFY(wrongDigit.scrollIntoView());
    const CodeOutcome letters = LookUp(chain, QStringLiteral("tea"));
    QCOMPARE(
        letters.rowText,
        QStringLiteral(
            "tea - not looked up: not an EAN (8, 12, 13 or 14 digits expected) or an ISBN-10"));
    QVERIFY(f.fake.pageLoader.requested.isEmpty());

    // Spaces and hyphens are dropped before the checks; the row keeps the code as typed.
    f.script(QStringLiteral("a.test"), kTea, {Found(QStringLiteral("Tea"))});
    QCOMPARE(LookUp(chain, QStringLiteral("4006-3813 33931")).gtin, kTea);
    QCOMPARE(f.requestedPaths(), QStringList{"a.test/" + kTea});
}

void TestLookupChain::pageServiceFirst_wrongCheckDigitNotFoundSaysWhy_data()
{
    QTest::addColumn<bool>("pageServiceAlone");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("detail");
    QTest::newRow("first of several")
        << false << "4006381333932 - no record found (check digit should be 1)"
        << "check digit should be 1";
    QTest::newRow("alone: the row it always gave") << true << "4006381333932 - no record found"
                                                   << "";
}

void TestLookupChain::pageServiceFirst_wrongCheckDigitNotFoundSaysWhy()
{
    QFETCH(bool, pageServiceAlone);
    QFETCH(QString, row);
    QFETCH(QString, detail);
    Fixture f;
    std::vector<std::unique_ptr<LookupSource>> sources;
    sources.push_back(std::make_unique<PageServiceSource>(QStringLiteral("http://page.test")));
    if (!pageServiceAlone)
        sources.push_back(
            std::make_unique<ScriptedSource>(QStringLiteral("alpha"), QStringLiteral("a.test")));
    LookupChain& chain = f.chainOf(std::move(sources));
    const CodeOutcome outcome = LookUp(chain, QStringLiteral("4006381333932"));
    QCOMPARE(outcome.status, CodeOutcome::Status::NotFound);
    QCOMPARE(outcome.rowText, row);
    QCOMPARE(outcome.detail, detail);
    // The page service was asked as typed; nobody else was.
    QCOMPARE(f.requestedPaths(), QStringList{"page.test/perl/ean-search.pl"});
}

void TestLookupChain::couponsAndRefundReceipts_areSentNowhere_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("pageServiceAlone");
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("requests");
    QTest::newRow("coupon 981-984")
        << "9810123456780" << false << "9810123456780 - not looked up: a coupon code, not a product"
        << 0;
    QTest::newRow("coupon 99") << "9900123456788" << false
                               << "9900123456788 - not looked up: a coupon code, not a product"
                               << 0;
    QTest::newRow("refund receipt")
        << "9800123456781" << false << "9800123456781 - not looked up: a refund receipt" << 0;
    // Shops' own brands are in the databases under their in-store codes.
    QTest::newRow("restricted circulation is asked")
        << "2000123456782" << false << "2000123456782 - no record found" << 2;
    QTest::newRow("the page service alone is asked about every code")
        << "9810123456780" << true << "9810123456780 - no record found" << 1;
}

void TestLookupChain::couponsAndRefundReceipts_areSentNowhere()
{
    QFETCH(QString, code);
    QFETCH(bool, pageServiceAlone);
    QFETCH(QString, row);
    QFETCH(int, requests);
    Fixture f;
    std::vector<std::unique_ptr<LookupSource>> page;
    page.push_back(std::make_unique<PageServiceSource>(QStringLiteral("http://page.test")));
    LookupChain& chain = pageServiceAlone ? f.chainOf(std::move(page)) : f.twoSources(10);
    QCOMPARE(LookUp(chain, code).rowText, row);
    QCOMPARE(f.fake.pageLoader.requested.size(), requests);
    if (requests == 0)
        QCOMPARE(chain.pacedIntervalMs(code), 0);
}

void TestLookupChain::booksGoFirstToTheBooksSourceInTheDefaultOrder()
{
    for (const bool defaultOrder : {true, false}) {
        Fixture f;
        std::vector<std::unique_ptr<LookupSource>> sources;
        sources.push_back(std::make_unique<ScriptedSource>(QStringLiteral("openfoodfacts"),
                                                           QStringLiteral("food.test")));
        sources.push_back(std::make_unique<ScriptedSource>(QStringLiteral("openlibrary"),
                                                           QStringLiteral("books.test"), 0, true));
        ChainOptions options;
        options.booksFirst = defaultOrder;
        LookupChain& chain = f.chainOf(std::move(sources), options);
        LookUp(chain, kBook);
        LookUp(chain, kTea); // not a book: the books source does not take it
        const QString first = defaultOrder ? "books.test/" : "food.test/";
        const QString second = defaultOrder ? "food.test/" : "books.test/";
        QCOMPARE(f.requestedPaths(),
                 (QStringList{first + kBook, second + kBook, "food.test/" + kTea}));
    }
}

void TestLookupChain::sameCode_askedOncePerRun()
{
    Fixture f;
    f.script(QStringLiteral("a.test"), kTea, {Found(QStringLiteral("Tea"))});
    LookupChain& chain = f.twoSources();
    LookUp(chain, kTea);
    LookUp(chain, QStringLiteral("400-6381-333931"));
    LookUp(chain, kBiscuits); // not found anywhere
    LookUp(chain, kBiscuits);
    QCOMPARE(f.requestedPaths(),
             (QStringList{"a.test/" + kTea, "a.test/" + kBiscuits, "b.test/" + kBiscuits}));
    chain.startRun();
    LookUp(chain, kTea);
    QCOMPARE(f.requestedPaths().size(), 4);
}

void TestLookupChain::pacing_spacesRequestsToOneHostFromStartToStart()
{
    Fixture f;
    QList<qint64> starts;
    f.fake.pageLoader.hook.beforeCall = [&](QStringView operation) {
        if (operation == u"start")
            starts.append(f.fake.clock.steadyMs());
    };
    // 10 a minute: one every 6 s, measured from the start of the last; the first goes at once.
    std::vector<std::unique_ptr<LookupSource>> sources;
    sources.push_back(
        std::make_unique<ScriptedSource>(QStringLiteral("alpha"), QStringLiteral("a.test"), 10));
    LookupChain& chain = f.chainOf(std::move(sources));
    // The wait for a turn is counted down under the source's name, and its end is told.
    QStringList turnWaits;
    chain.onTurnWait = [&turnWaits](const QString& source, int seconds) {
        turnWaits << source + u' ' + QString::number(seconds);
    };
    f.fake.clock.advance(123'456);
    LookUp(chain, kTea);
    f.fake.clock.advance(1'000); // the time the row took
    LookUp(chain, kBiscuits);
    f.fake.clock.advance(10'000); // longer than the pace: no wait
    LookUp(chain, kBook);
    QCOMPARE(starts, (QList<qint64>{123'456, 129'456, 139'456}));
    QVERIFY(f.fake.eventLoop.timedWaits > 0);
    QCOMPARE(turnWaits,
             (QStringList{"ALPHA 5", "ALPHA 4", "ALPHA 3", "ALPHA 2", "ALPHA 1", "ALPHA 0"}));
}

void TestLookupChain::busyService_triedAgainAfterRetryAfterOrBackingOff()
{
    Fixture f;
    QList<qint64> starts;
    f.fake.pageLoader.hook.beforeCall = [&](QStringView operation) {
        if (operation == u"start")
            starts.append(f.fake.clock.steadyMs());
    };
    f.script(QStringLiteral("a.test"), kTea,
             {Status(429, {{"Retry-After", "7"}}), Status(503), Status(429),
              Found(QStringLiteral("Tea"))});
    LookupChain& chain = f.twoSources();
    QList<int> countdown;
    chain.onBusyWait = [&countdown](int seconds) { countdown.append(seconds); };
    const CodeOutcome outcome = LookUp(chain, kTea);
    QCOMPARE(outcome.rowText, QStringLiteral("Tea"));
    // Retry-After for the first retry; the second and third back off 4 s and 8 s without one.
    QCOMPARE(starts, (QList<qint64>{0, 7'000, 11'000, 19'000}));
    QCOMPARE(countdown, (QList<int>{7, 6, 5, 4, 3, 2, 1, 4, 3, 2, 1, 8, 7, 6, 5, 4, 3, 2, 1}));
}

void TestLookupChain::busyService_givesUpAfterThreeRetries()
{
    Fixture f;
    // An HTTP date 400 s after the fake clock's calendar: the first wait is capped at five
    // minutes, the second waits for the rest, the third not at all.
    const QByteArray date =
        QLocale::c()
            .toString(QDateTime::fromSecsSinceEpoch(f.fake.clock.unixSeconds() + 400, Qt::UTC),
                      QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"))
            .toLatin1();
    f.script(QStringLiteral("a.test"), kTea, {Status(503, {{"Retry-After", date}})});
    ChainOptions options;
    options.jitter = [] { return 1.0; };
    std::vector<std::unique_ptr<LookupSource>> sources;
    sources.push_back(
        std::make_unique<ScriptedSource>(QStringLiteral("alpha"), QStringLiteral("a.test")));
    LookupChain& chain = f.chainOf(std::move(sources), options);
    const CodeOutcome outcome = LookUp(chain, kTea);
    QCOMPARE(f.fake.pageLoader.requested.size(), 4);
    QCOMPARE(outcome.rowText, QStringLiteral("4006381333931 - lookup failed: ALPHA: HTTP 503"));
    QCOMPARE(f.fake.clock.steadyMs(), 400'000);
}

void TestLookupChain::pacing_sharedWithEveryOtherQuillfen()
{
    Fixture f;
    LookupChain& chain = f.oneSource(QStringLiteral("a.test"), 10);
    // Another Quillfen took the host's turn 2 s ago: this one waits out the rest of its 6 s.
    f.fake.pacing.nextStart.insert(QStringLiteral("a.test:80"), f.fake.clock.unixMs() + 4'000);
    LookUp(chain, kTea);
    // Its own turn is taken where the others see it; with the shared store silent, the
    // process still keeps its own pace.
    f.fake.pacing.silent = true;
    LookUp(chain, kBiscuits);
    QCOMPARE(f.starts, (QList<qint64>{4'000, 10'000}));
    QCOMPARE(f.fake.pacing.turns, QStringList{"a.test:80"});
}

void TestLookupChain::busyService_deadlineHoldsTheNextCodeToo()
{
    Fixture f;
    f.script(QStringLiteral("a.test"), kTea, {Status(429, {{"Retry-After", "30"}})});
    f.script(QStringLiteral("a.test"), kBiscuits, {Found(QStringLiteral("Biscuits"))});
    LookupChain& chain = f.oneSource(QStringLiteral("a.test"), 60);
    QCOMPARE(LookUp(chain, kTea).status, CodeOutcome::Status::Failed);
    LookUp(chain, kBiscuits);
    // The last busy answer's deadline still holds when the code gives up, and other copies of
    // the program are told of it.
    QCOMPARE(f.starts, (QList<qint64>{0, 30'000, 60'000, 90'000, 120'000}));
    QCOMPARE(f.fake.pacing.heldUntil.value(QStringLiteral("a.test:80")),
             f.fake.clock.unix * 1000 + 120'000);
}

void TestLookupChain::unpacedSource_leavesTheSharedPacingAlone()
{
    Fixture f;
    f.script(QStringLiteral("a.test"), kTea, {Status(429, {{"Retry-After", "5"}})});
    f.script(QStringLiteral("a.test"), kBiscuits, {Found(QStringLiteral("Biscuits"))});
    LookupChain& chain = f.oneSource(QStringLiteral("a.test"), 0);
    LookUp(chain, kTea);
    QCOMPARE(LookUp(chain, kBiscuits).rowText, QStringLiteral("Biscuits"));
    // Its own busy deadline still holds in this process.
    QCOMPARE(f.starts, (QList<qint64>{0, 5'000, 10'000, 15'000, 20'000}));
    QCOMPARE(f.fake.pacing.hook.calls(u"takeTurn"), 0);
    QCOMPARE(f.fake.pacing.hook.calls(u"holdUntil"), 0);
}

void TestLookupChain::busyForEveryone_waitsLongerForEveryProcessAndAdvisesTheExportOnce()
{
    Fixture f;
    for (const QString& code : {kTea, kBiscuits})
        f.scripts.insert(QStringLiteral("off.test/api/v3/product/") + code, {Status(503)});
    std::vector<std::unique_ptr<LookupSource>> sources;
    sources.push_back(
        std::make_unique<OpenFoodFactsSource>(QStringLiteral("http://off.test"), QString(), 600));
    LookupChain& chain = f.chainOf(std::move(sources));
    QStringList told;
    chain.onStoreProblem = [&told](const QString& message) { told.append(message); };
    QCOMPARE(LookUp(chain, kTea).status, CodeOutcome::Status::Failed);
    // 30, 60 and 120 s apart, and each wait is the host's for every Quillfen on the machine.
    QCOMPARE(f.starts, (QList<qint64>{0, 30'000, 90'000, 210'000}));
    QCOMPARE(f.fake.pacing.heldUntil.value(QStringLiteral("off.test:80")),
             f.fake.clock.unix * 1000 + 450'000);
    LookUp(chain, kBiscuits);
    QCOMPARE(f.starts.value(4), 450'000);
    QCOMPARE(told, QStringList{kUseTheExportAdvice.toString()});
}

void TestLookupChain::busyForEveryone_withRetryAfterIsAnOrdinaryBusyAnswer()
{
    Fixture f;
    for (const QString& code : {kTea, kBiscuits})
        f.scripts.insert(QStringLiteral("off.test/api/v3/product/") + code,
                         {Status(503, {{"Retry-After", "5"}})});
    std::vector<std::unique_ptr<LookupSource>> sources;
    sources.push_back(
        std::make_unique<OpenFoodFactsSource>(QStringLiteral("http://off.test"), QString(), 600));
    LookupChain& chain = f.chainOf(std::move(sources));
    QStringList told;
    chain.onStoreProblem = [&told](const QString& message) { told.append(message); };
    LookUp(chain, kTea);
    LookUp(chain, kBiscuits);
    // Eight 503s, each saying when to come back: the service's own pace, no advice.
    QCOMPARE(f.fake.pageLoader.requested.size(), 8);
    QCOMPARE(told, QStringList());
}

void TestLookupChain::booksInBatches_ofTwentyFiveAnsweredInOrderAndRemembered()
{
    Fixture f;
    // 30 ISBNs with a tea between them; the service knows every book but the 7th.
    QStringList codes;
    for (int n = 0; codes.size() < 30; ++n) {
        const QString body = QStringLiteral("978030640%1").arg(n, 3, 10, QLatin1Char('0'));
        codes.append(body + Gs1CheckDigit(body));
    }
    codes.insert(3, kTea);
    const QString unknown = codes[7];
    f.fake.pageLoader.respond = [&](const QUrl& url) {
        QStringList books;
        for (const QString& key :
             QUrlQuery(url).queryItemValue(QStringLiteral("bibkeys")).split(u',')) {
            if (key != u"ISBN:" + unknown)
                books.append(u'"' + key + QStringLiteral("\":{\"title\":\"") + key + u"\"}");
        }
        return FakeResponse(u'{' + books.join(u',') + u'}');
    };
    std::vector<std::unique_ptr<LookupSource>> sources;
    sources.push_back(std::make_unique<OpenLibrarySource>(QStringLiteral("http://ol.test"), 600));
    LookupChain& chain = f.chainOf(std::move(sources), {}, true);
    QStringList rows;
    for (qsizetype i = 0; i < codes.size(); ++i)
        rows.append(chain.lookUp(codes[i], [&](int k) { return codes.value(i + k); })->rowText);
    QCOMPARE(f.fake.pageLoader.requested.size(), 2);
    QCOMPARE(QUrlQuery(f.fake.pageLoader.requested[0])
                 .queryItemValue(QStringLiteral("bibkeys"))
                 .count(u','),
             24);
    for (qsizetype i = 0; i < codes.size(); ++i) {
        const QString expected =
            codes[i] == kTea
                ? kTea + QStringLiteral(" - not looked up: none of the chosen sources looks up "
                                        "such codes")
            : codes[i] == unknown ? codes[i] + QStringLiteral(" - no record found")
                                  : QStringLiteral("ISBN:") + codes[i];
        QCOMPARE(rows[i], expected);
    }
    // Every answer of the batch is remembered, "not found" included: a new run asks nobody.
    chain.startRun();
    QCOMPARE(LookUp(chain, unknown).status, CodeOutcome::Status::NotFound);
    QCOMPARE(LookUp(chain, codes[20]).status, CodeOutcome::Status::Found);
    QCOMPARE(f.fake.pageLoader.requested.size(), 2);
}

void TestLookupChain::redirection_takesATurnOfItsOwn()
{
    Fixture f;
    FakeResponse moved = Status(302, {{"Location", "/books/OL1M.json"}});
    f.script(QStringLiteral("a.test"), kBook, {moved});
    f.script(QStringLiteral("a.test"), QStringLiteral("books/OL1M.json"),
             {Found(QStringLiteral("A Book"))});
    LookupChain& chain = f.oneSource(QStringLiteral("a.test"), 60);
    QCOMPARE(LookUp(chain, kBook).rowText, QStringLiteral("A Book"));
    QCOMPARE(f.requestedPaths(), (QStringList{"a.test/" + kBook, "a.test/books/OL1M.json"}));
    QCOMPARE(f.starts, (QList<qint64>{0, 1'000}));
}

void TestLookupChain::refusedOnThisMachine_takesNoTurn()
{
    Fixture f;
    f.fake.pageLoader.loopbackOnly = true;
    LookupChain& chain = f.oneSource(QStringLiteral("world.openfoodfacts.org"), 1);
    for (const QString& code : {kTea, kBiscuits, kBook})
        QCOMPARE(LookUp(chain, code).detail,
                 QStringLiteral("not a loopback address: world.openfoodfacts.org "
                                "(QUILLFEN_LOOPBACK_ONLY is set)"));
    QCOMPARE(f.fake.clock.steadyMs(), 0);
    QVERIFY(f.fake.pacing.turns.isEmpty());
}

void TestLookupChain::remembered_keptApartByAddressAndLanguage()
{
    Fixture f;
    f.script(QStringLiteral("mirror.test"), kTea, {Found(QStringLiteral("Mirror Tea"))});
    f.script(QStringLiteral("a.test"), kTea, {Found(QStringLiteral("Tea"))});
    LookUp(f.oneSource(QStringLiteral("mirror.test"), 0), kTea);
    QCOMPARE(LookUp(f.oneSource(QStringLiteral("a.test"), 0), kTea).rowText, QStringLiteral("Tea"));
    QCOMPARE(f.fake.pageLoader.requested.size(), 2);
    QCOMPARE(LookUp(f.oneSource(QStringLiteral("mirror.test"), 0), kTea).rowText,
             QStringLiteral("Mirror Tea"));
    QCOMPARE(f.fake.pageLoader.requested.size(), 2);

    // A name asked for in one language is not served to a user of another.
    f.scripts.insert(QStringLiteral("off.test/api/v3/product/") + kTea,
                     {FakeResponse(QStringLiteral(R"({"status":"success","product":{}})"))});
    for (const char* language : {"de", "fr", "de"}) {
        std::vector<std::unique_ptr<LookupSource>> sources;
        sources.push_back(std::make_unique<OpenFoodFactsSource>(QStringLiteral("http://off.test"),
                                                                QString::fromLatin1(language)));
        LookUp(f.chainOf(std::move(sources), {}, true), kTea);
    }
    QCOMPARE(f.fake.pageLoader.requested.size(), 4);
}

void TestLookupChain::pausedSource_answersNothingUntilItsReset()
{
    Fixture f;
    const qint64 reset = f.fake.clock.unixSeconds() + 3600;
    FakeResponse last = Found(QStringLiteral("Tea"));
    last.headers = {{"X-Paused-Until", QByteArray::number(reset)}};
    f.script(QStringLiteral("a.test"), kTea, {last});
    f.script(QStringLiteral("a.test"), kBiscuits, {Found(QStringLiteral("Biscuits"))});
    std::vector<std::unique_ptr<LookupSource>> sources;
    sources.push_back(
        std::make_unique<ScriptedSource>(QStringLiteral("alpha"), QStringLiteral("a.test")));
    LookupChain& chain = f.chainOf(std::move(sources));
    QCOMPARE(LookUp(chain, kTea).rowText, QStringLiteral("Tea")); // the last answer still counts
    QCOMPARE(LookUp(chain, kBiscuits).rowText,
             QStringLiteral("5449000000996 - lookup failed: ALPHA: daily limit reached"));
    QCOMPARE(f.fake.pageLoader.requested.size(), 1);
    f.fake.clock.advance(3'600'000);
    chain.startRun();
    QCOMPARE(LookUp(chain, kBiscuits).rowText, QStringLiteral("Biscuits"));
}

void TestLookupChain::remembered_answersCostNoRequestAndExpire()
{
    Fixture f;
    f.script(QStringLiteral("a.test"), kTea, {Found(QStringLiteral("Tea,Brand,1 kg"))});
    LookupChain& chain = f.twoSources(1, true); // one a minute: any wait would show
    LookUp(chain, kTea);
    LookUp(chain, kBiscuits); // not found by either
    QCOMPARE(f.fake.pageLoader.requested.size(), 3);
    // Each kept for its source's lifetime of its kind, which the store keeps it for.
    QList<qint64> lifetimes;
    for (const StoredAnswer& stored : std::as_const(f.store.answers))
        lifetimes.append(stored.lifetime / (24 * 3600));
    std::sort(lifetimes.begin(), lifetimes.end());
    QCOMPARE(lifetimes, (QList<qint64>{7, 7, 30}));

    // A later run: both remembered, no request and no wait.
    chain.startRun();
    const qint64 before = f.fake.clock.steadyMs();
    QCOMPARE(LookUp(chain, kTea).rowText, QStringLiteral("Tea, Brand, 1 kg"));
    QCOMPARE(LookUp(chain, kBiscuits).status, CodeOutcome::Status::NotFound);
    QCOMPARE(f.fake.pageLoader.requested.size(), 3);
    QCOMPARE(f.fake.clock.steadyMs(), before);

    // Eight days on: a "not found" is asked again, a find is still good for 30 days.
    f.fake.clock.advance(8 * 24 * 3600 * 1000LL);
    chain.startRun();
    LookUp(chain, kTea);
    LookUp(chain, kBiscuits);
    QCOMPARE(f.requestedPaths().mid(3),
             (QStringList{"a.test/" + kBiscuits, "b.test/" + kBiscuits}));
    f.fake.clock.advance(23 * 24 * 3600 * 1000LL);
    chain.startRun();
    LookUp(chain, kTea);
    QCOMPARE(f.requestedPaths().last(), "a.test/" + kTea);
}

void TestLookupChain::remembered_failuresAreNeverKept()
{
    Fixture f;
    f.script(QStringLiteral("a.test"), kTea, {Status(500), Found(QStringLiteral("Tea"))});
    LookupChain& chain = f.twoSources(0, true);
    QCOMPARE(LookUp(chain, kTea).status, CodeOutcome::Status::Failed);
    QCOMPARE(f.store.count(), 1); // beta's "not found" only
    chain.startRun();
    QCOMPARE(LookUp(chain, kTea).rowText, QStringLiteral("Tea"));
}

void TestLookupChain::storeProblem_reportedOnce()
{
    Fixture f;
    f.store.problems = {QStringLiteral("cannot write")};
    LookupChain& chain = f.twoSources(0, true);
    QStringList told;
    chain.onStoreProblem = [&told](const QString& problem) { told.append(problem); };
    LookUp(chain, kTea);
    LookUp(chain, kBiscuits);
    QCOMPARE(told, QStringList{"cannot write"});
}

void TestLookupChain::stop_duringAWaitLeavesTheCodeWithoutAnswer()
{
    Fixture f;
    f.script(QStringLiteral("a.test"), kTea, {Status(429, {{"Retry-After", "30"}})});
    LookupChain& chain = f.twoSources();
    bool stop = false;
    chain.stopRequested = [&stop] { return stop; };
    f.fake.eventLoop.onTimedWait = [&stop](std::chrono::milliseconds) { stop = true; };
    QVERIFY(!chain.lookUp(kTea).has_value());
    QCOMPARE(f.fake.pageLoader.requested.size(), 1);

    // Asked to stop while the first source's request was under way: that request is finished,
    // the next source is not asked.
    Fixture g;
    LookupChain& other = g.twoSources();
    bool stopOther = false;
    other.stopRequested = [&stopOther] { return stopOther; };
    g.fake.eventLoop.onWait = [&stopOther] { stopOther = true; };
    QVERIFY(!other.lookUp(kTea).has_value());
    QCOMPARE(g.requestedPaths(), QStringList{"a.test/" + kTea});
}

void TestLookupChain::agent_goesToOpenDatabasesOnly()
{
    Fixture f;
    std::vector<std::unique_ptr<LookupSource>> sources;
    sources.push_back(std::make_unique<PageServiceSource>(QStringLiteral("http://page.test")));
    sources.push_back(
        std::make_unique<ScriptedSource>(QStringLiteral("alpha"), QStringLiteral("a.test")));
    LookupChain& chain = f.chainOf(std::move(sources));
    LookUp(chain, kTea);
    QCOMPARE(f.fake.pageLoader.requests.size(), 2);
    QVERIFY(f.fake.pageLoader.requests[0].userAgent.isEmpty()); // the loader's own
    QCOMPARE(f.fake.pageLoader.requests[1].userAgent,
             QByteArray("Quillfen/test (test@example.invalid)"));
    // Redirections are followed by the chain, each in its own turn.
    QCOMPARE(f.fake.pageLoader.requests[1].maxRedirects, 0);
}

void TestLookupChain::pageService_askedAheadWithinTheParallelLimitAndInOrder()
{
    Fixture f;
    const QStringList codes{"1", "2", "3", "4", "5"};
    f.fake.pageLoader.respond = [](const QUrl& url) {
        const QString code = FakePageLoader::queryValue(url);
        // Later codes answer sooner: the rows must still come in code order.
        return FakeResponse{QStringLiteral("Product name for EAN ") + code + u':' + u'P' + code +
                                QStringLiteral("</a>"),
                            {},
                            6 - code.toInt()};
    };
    std::vector<std::unique_ptr<LookupSource>> sources;
    sources.push_back(std::make_unique<PageServiceSource>(QStringLiteral("http://page.test")));
    ChainOptions options;
    options.parallel = 3;
    LookupChain& chain = f.chainOf(std::move(sources), options);
    QList<int> inFlightAtStart;
    QStringList rows;
    for (int i = 0; i < codes.size(); ++i) {
        const auto ahead = [&codes, i](int k) -> std::optional<QString> {
            return i + k < codes.size() ? std::optional(codes[i + k]) : std::nullopt;
        };
        rows.append(chain.lookUp(codes[i], ahead)->rowText);
        inFlightAtStart.append(int(f.fake.pageLoader.requested.size()));
    }
    QCOMPARE(rows, (QStringList{"P1", "P2", "P3", "P4", "P5"}));
    // Three at once, then one more as each row is done, never past the end.
    QCOMPARE(inFlightAtStart, (QList<int>{3, 4, 5, 5, 5}));
}

void TestLookupChain::pageService_askedAheadIsDroppedWhenTheListChanged()
{
    Fixture f;
    QStringList codes{"1", "2", "3"};
    std::vector<std::unique_ptr<LookupSource>> sources;
    sources.push_back(std::make_unique<PageServiceSource>(QStringLiteral("http://page.test")));
    ChainOptions options;
    options.parallel = 2;
    LookupChain& chain = f.chainOf(std::move(sources), options);
    const auto ahead = [&codes](int from) {
        return [&codes, from](int k) -> std::optional<QString> {
            return from + k < codes.size() ? std::optional(codes[from + k]) : std::nullopt;
        };
    };
    chain.lookUp(codes[0], ahead(0)); // asks "1" and "2"
    codes.removeAt(1);                // the user removed "2" meanwhile
    const CodeOutcome outcome = *chain.lookUp(codes[1], ahead(1));
    QCOMPARE(outcome.rowText, QStringLiteral("3 - no record found"));
    QStringList asked;
    for (const QUrl& url : f.fake.pageLoader.requested)
        asked.append(FakePageLoader::queryValue(url));
    QCOMPARE(asked, (QStringList{"1", "2", "3"}));
}

void TestLookupChain::fillGaps_completesTheFirstFindAndNamesEverySourceThatGave()
{
    for (const bool fill : {false, true}) {
        Fixture f;
        f.script(QStringLiteral("a.test"), kTea, {Found(QStringLiteral("Green Tea"))});
        f.script(QStringLiteral("b.test"), kTea, {Found(QStringLiteral("Tea,Teekanne,20 bags"))});
        std::vector<std::unique_ptr<LookupSource>> sources;
        sources.push_back(
            std::make_unique<ScriptedSource>(QStringLiteral("alpha"), QStringLiteral("a.test")));
        sources.push_back(
            std::make_unique<ScriptedSource>(QStringLiteral("beta"), QStringLiteral("b.test")));
        ChainOptions options;
        options.fillGaps = fill;
        const CodeOutcome done = LookUp(f.chainOf(std::move(sources), options), kTea);
        // Off (the default), the first find is the answer, as it always was.
        QCOMPARE(done.rowText, fill ? QStringLiteral("Green Tea, Teekanne, 20 bags")
                                    : QStringLiteral("Green Tea"));
        QCOMPARE(done.source, fill ? QStringLiteral("ALPHA + BETA") : QStringLiteral("ALPHA"));
        QCOMPARE(f.requestedPaths().size(), fill ? 2 : 1);
        using Given = QList<std::pair<QString, QString>>;
        const Given given = fill ? Given{{"brand", "BETA"}, {"quantity", "BETA"}} : Given{};
        QCOMPARE(done.filledFrom, given);
    }
}

QTEST_GUILESS_MAIN(TestLookupChain)
#include "tst_lookupchain.moc"
