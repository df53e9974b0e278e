// The open databases as the program asks them: the real chain, event loop, clock and page loader
// against the stand-ins of the sample service on 127.0.0.1, healthy and misbehaving. What each
// code's row says, what reached the service and when.
#include "SampleServiceProcess.h"
#include "app/LookupSetup.h"
#include "desktop/network/QtPageLoader.h"
#include "desktop/storage/SqliteAnswerStore.h"
#include "desktop/system/QtClock.h"
#include "desktop/system/QtEventLoop.h"
#include "lookup/LookupChain.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
const QByteArray kAgent = "Quillfen/" QUILLFEN_VERSION " (tests@quillfen.invalid)";
const QString kSpread = QStringLiteral("3800123400018");  // food
const QString kShampoo = QStringLiteral("3760145622082"); // beauty: a redirect to the sibling
const QString kBook = QStringLiteral("9781928374626");
const QString kBookTen = QStringLiteral("192837462X");
const QString kBatteries = QStringLiteral("058392017465"); // UPCitemdb only
const QString kAbsent = QStringLiteral("0823564706221");

// The real loader, noting when each request is sent on the chain's clock. Pacing is decided at
// the sends: the service's arrival times follow them only after a connection is set up, which
// the first request pays for and a loaded machine stretches.
class TimedLoader final : public PageLoader
{
public:
    TimedLoader(PageLoader& loader, const Clock& clock)
        : m_loader(loader)
        , m_clock(clock)
    {}
    std::unique_ptr<PendingPage> start(const PageRequest& request) override
    {
        sentMs.append(m_clock.steadyMs());
        return m_loader.start(request);
    }
    QString refusal(const QUrl& url) const override { return m_loader.refusal(url); }

    QList<qint64> sentMs;

private:
    PageLoader& m_loader;
    const Clock& m_clock;
};

// The stand-in and a chain over the real services asking it.
struct Live
{
    // Starts the stand-in with these options; every source of `names` asks it, at a pace fast
    // enough for a test unless `perMinute` says otherwise.
    bool start(const QStringList& options, const QStringList& names, int perMinute = 6000,
               AnswerStore* store = nullptr)
    {
        if (!service.start(QStringList{QStringLiteral("--log-queries")} + options))
            return false;
        config.openFoodFactsUrl = config.openLibraryUrl = config.upcItemDbUrl = config.coversUrl =
            service.baseUrl();
        for (const QString& name : names)
            config.perMinute.insert(name, perMinute);
        ChainOptions options2;
        options2.agent = kAgent;
        options2.booksFirst = true;
        chain =
            std::make_unique<LookupChain>(LookupServices{loader, loop, clock, store, pacing},
                                          MakeSources(names, config, {}, nullptr, {}), options2);
        return true;
    }

    QStringList rows(const QStringList& codes)
    {
        chain->startRun();
        QStringList all;
        for (const QString& code : codes)
            all.append(chain->lookUp(code)->rowText);
        return all;
    }

    QList<SampleServiceProcess::Arrival> arrivals(const QString& api = {})
    {
        QList<SampleServiceProcess::Arrival> picked;
        for (const auto& arrival : service.arrivals())
            if (api.isEmpty() || arrival.api == api)
                picked.append(arrival);
        return picked;
    }

    SampleServiceProcess service;
    AppConfig config;
    QtEventLoop loop;
    QtClock clock;
    QtPageLoader network{QtPageLoader::Limits{.loopbackOnly = true}};
    TimedLoader loader{network, clock};
    PacingStore* pacing = nullptr;
    std::unique_ptr<LookupChain> chain;
};

const QStringList kDefault{QStringLiteral("openfoodfacts"), QStringLiteral("openlibrary")};
const QStringList kFoodOnly{QStringLiteral("openfoodfacts")};
} // namespace

class TestSourceFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultOrder_findsFoodSiblingsAndBooks();
    void everyRequest_carriesTheAgent();
    void badAnswers_failTheCodeWithTheSourceAndReason_data();
    void badAnswers_failTheCodeWithTheSourceAndReason();
    void busy_triedAgainAfterRetryAfter();
    void pace_keepsRequestsToOneHostApart();
    void dailyAllowance_usedUpFailsTheRestWithoutAsking();
    void remembered_secondRunAsksNothing();
    void details_eachSourceKeepsItsOwn_data();
    void details_eachSourceKeepsItsOwn();
};

void TestSourceFaults::defaultOrder_findsFoodSiblingsAndBooks()
{
    Live live;
    QVERIFY2(live.start({}, kDefault), qPrintable(live.service.errorString()));
    const QStringList rows =
        live.rows({kSpread, kShampoo, kBook, kBookTen, kAbsent, QStringLiteral("3800123400019")});
    QCOMPARE(rows[0], QStringLiteral("Hazelnut Cocoa Spread, Hazel Grove, 400 g"));
    QCOMPARE(rows[1], QStringLiteral("Sea Kelp Shampoo, Marelle, 250 ml"));
    QVERIFY2(rows[2].startsWith(QStringLiteral("The Lantern Keeper's Daughter")),
             qPrintable(rows[2]));
    QCOMPARE(rows[3], rows[2]); // the ISBN-10 asks for the same book
    QCOMPARE(rows[4], kAbsent + QStringLiteral(" - no record found"));
    QCOMPARE(rows[5], QStringLiteral("3800123400019 - not looked up: check digit should be 8"));
    // Books go to Open Library first, both in one request: the second is the same book.
    QStringList books;
    for (const auto& arrival : live.arrivals(QStringLiteral("openlibrary")))
        books.append(QString::fromLatin1(arrival.target));
    QCOMPARE(books, (QStringList{"/api/books?bibkeys=ISBN:" + kBook + "&jscmd=data&format=json"}));
    QVERIFY(live.arrivals(QStringLiteral("openbeautyfacts")).size() >= 1);
}

void TestSourceFaults::everyRequest_carriesTheAgent()
{
    Live live;
    QVERIFY2(live.start({}, kDefault), qPrintable(live.service.errorString()));
    live.rows({kSpread, kBook, kAbsent});
    const auto arrivals = live.arrivals();
    QVERIFY(arrivals.size() >= 3);
    for (const auto& arrival : arrivals)
        QCOMPARE(QByteArray::fromPercentEncoding(arrival.userAgent), kAgent);
}

void TestSourceFaults::badAnswers_failTheCodeWithTheSourceAndReason_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reason");
    QTest::newRow("HTML instead of JSON") << "html"
                                          << "not JSON";
    QTest::newRow("JSON cut off") << "malformed-json"
                                  << "malformed JSON";
    QTest::newRow("forbidden") << "status:403"
                               << "HTTP 403";
    QTest::newRow("reset") << "reset"
                           << "connection closed";
    QTest::newRow("busy past every retry") << "status:503,retry-after:0"
                                           << "HTTP 503";
}

void TestSourceFaults::badAnswers_failTheCodeWithTheSourceAndReason()
{
    QFETCH(QString, fault);
    QFETCH(QString, reason);
    Live live;
    QVERIFY2(live.start({QStringLiteral("--fault"), kSpread + u'=' + fault}, kFoodOnly),
             qPrintable(live.service.errorString()));
    QCOMPARE(live.rows({kSpread, kShampoo}),
             (QStringList{kSpread + QStringLiteral(" - lookup failed: Open Food Facts: ") + reason,
                          QStringLiteral("Sea Kelp Shampoo, Marelle, 250 ml")}));
}

void TestSourceFaults::busy_triedAgainAfterRetryAfter()
{
    Live live;
    QVERIFY2(live.start({QStringLiteral("--fault"),
                         kSpread + QStringLiteral("=status:429,retry-after:1,first:1")},
                        kFoodOnly),
             qPrintable(live.service.errorString()));
    QCOMPARE(live.rows({kSpread}), QStringList{"Hazelnut Cocoa Spread, Hazel Grove, 400 g"});
    QCOMPARE(live.arrivals(QStringLiteral("openfoodfacts")).size(), 2);
    const QList<qint64>& sent = live.loader.sentMs;
    QVERIFY2(sent[1] - sent[0] >= 1000, qPrintable(QString::number(sent[1] - sent[0])));
}

void TestSourceFaults::pace_keepsRequestsToOneHostApart()
{
    Live live;
    // 300 a minute: one request every 200 ms at most.
    QVERIFY2(live.start({}, kFoodOnly, 300), qPrintable(live.service.errorString()));
    live.rows({kSpread, QStringLiteral("4260198705538"), QStringLiteral("5012349876500"), kAbsent});
    QCOMPARE(live.arrivals(QStringLiteral("openfoodfacts")).size(), 4);
    const QList<qint64>& sent = live.loader.sentMs;
    QCOMPARE(sent.size(), 4);
    // Turns are 200 ms apart; each request is handed to the loader a moment after its turn is
    // taken (the shared pacing file's transaction lies between), and the times here are whole
    // milliseconds, so one gap may read a few milliseconds short under load.
    constexpr qint64 kHandOverMs = 5;
    for (int i = 1; i < sent.size(); ++i)
        QVERIFY2(sent[i] - sent[i - 1] >= 200 - kHandOverMs,
                 qPrintable(QString::number(sent[i] - sent[i - 1])));
}

void TestSourceFaults::dailyAllowance_usedUpFailsTheRestWithoutAsking()
{
    Live live;
    QVERIFY2(live.start({QStringLiteral("--upcitemdb-daily"), QStringLiteral("1")},
                        {QStringLiteral("upcitemdb")}),
             qPrintable(live.service.errorString()));
    const QStringList rows = live.rows({kBatteries, QStringLiteral("084729563107")});
    QCOMPARE(rows[0], QStringLiteral("Voltaro AA Alkaline Batteries 4-Pack"));
    QCOMPARE(rows[1],
             QStringLiteral("084729563107 - lookup failed: UPCitemdb: daily limit reached"));
    QCOMPARE(live.arrivals(QStringLiteral("upcitemdb")).size(), 1);
}

void TestSourceFaults::remembered_secondRunAsksNothing()
{
    QTemporaryDir folder;
    SqliteAnswerStore store(folder.filePath(QStringLiteral("lookups.sqlite")));
    Live live;
    QVERIFY2(live.start({}, kDefault, 6000, &store), qPrintable(live.service.errorString()));
    const QStringList codes{kSpread, kBook, kAbsent};
    const QStringList first = live.rows(codes);
    const qsizetype asked = live.arrivals().size();
    QCOMPARE(live.rows(codes), first);
    QCOMPARE(live.arrivals().size(), asked);
}

// The details written "brand | categories | countries | image | thumbnail | page | publishers
// | published",
// with the stand-in's own address as "@".
void TestSourceFaults::details_eachSourceKeepsItsOwn_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("details");
    const QString spread = QStringLiteral("@/images/products/380/012/340/0018/front_en.3");
    QTest::newRow("food: the last two categories, the front pictures, the page")
        << "openfoodfacts" << kSpread
        << "Hazel Grove | Hazelnut spreads, Cocoa and hazelnuts spreads | Bulgaria, France | " +
               spread + ".400.jpg | " + spread + ".200.jpg | @/product/" + kSpread + " |  | ";
    QTest::newRow("beauty: image_url when there is no front picture, the same site's page")
        << "openfoodfacts" << kShampoo
        << "Marelle | Hair care, Shampoos | France | "
           "@/images/products/376/014/562/2082/front_fr.4.400.jpg |  | @/product/" +
               kShampoo + " |  | ";
    QTest::newRow("book: publishers, the cover by id, the edition's page")
        << "openlibrary" << kBook
        << " |  |  | @/b/id/1001-M.jpg?default=false | @/b/id/1001-M.jpg?default=false | "
           "@/books/OL31000001M | Gullwing Press | 2016";
    QTest::newRow("UPCitemdb: the last two steps of the category, the first image")
        << "upcitemdb" << kBatteries
        << "Voltaro | Power, Batteries |  | @/images/products/058392017465/front_en.1.400.jpg | "
           "@/images/products/058392017465/front_en.1.400.jpg |  |  | ";
}

void TestSourceFaults::details_eachSourceKeepsItsOwn()
{
    QFETCH(QString, source);
    QFETCH(QString, code);
    QFETCH(QString, details);
    QTemporaryDir folder;
    SqliteAnswerStore store(folder.filePath(QStringLiteral("lookups.sqlite")));
    Live live;
    QVERIFY2(live.start({}, {source}, 6000, &store), qPrintable(live.service.errorString()));
    const auto text = [&live](const ProductAnswer& p) {
        const ProductDetails& d = p.details;
        return QStringList{p.brand,        d.categories, d.countries,  d.imageUrl,
                           d.thumbnailUrl, d.pageUrl,    d.publishers, d.published}
            .join(QStringLiteral(" | "))
            .replace(live.service.baseUrl(), QStringLiteral("@"));
    };
    // Asked, then remembered.
    for (int run = 0; run < 2; ++run) {
        live.chain->startRun();
        const std::optional<CodeOutcome> outcome = live.chain->lookUp(code);
        QVERIFY(outcome && outcome->status == CodeOutcome::Status::Found);
        QCOMPARE(text(outcome->product), details);
    }
}

QTEST_GUILESS_MAIN(TestSourceFaults)
#include "tst_sourcefaults.moc"
