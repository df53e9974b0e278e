// The lookup run against in-memory fakes: order of steps, rows, progress and failures.
#include "common/ErrorReport.h"
#include "common/Locations.h"
#include "common/PointerCode.h"
#include "common/ProgramEnding.h"
#include "lookup/LookupRun.h"
#include "support/Form1OnFakes.h"
#include "support/PageServiceLookup.h"

#include <QHash>
#include <QTest>

namespace {
QString recordPage(const QString& code, const QString& name)
{
    return QStringLiteral("<p>Product name for EAN ") + code + QStringLiteral(": <a href=\"/p\">") +
           name + QStringLiteral("</a></p>");
}

// A fake service that knows the given codes (by the value of q) and has no record for others.
void serve(FakePlatform& fake, QHash<QString, FakeResponse> pages)
{
    fake.pageLoader.respond = [pages = std::move(pages)](const QUrl& address) {
        return pages.value(FakePageLoader::queryValue(address),
                           FakeResponse{QStringLiteral("<p>No product found.</p>"), {}, 1});
    };
}

void addCodes(FakePlatform& fake, const QStringList& codes)
{
    for (const QString& code : codes)
        fake.listView1.add(code);
}

QList<bool> ticks(const FakeListControl& list)
{
    QList<bool> all;
    for (int row = 1; row <= list.count(); ++row)
        all.append(list.isChecked(row));
    return all;
}

const QString kBase = QStringLiteral("http://127.0.0.1:9");

// The page service under another name, paced as the open databases are: 10 a minute.
class PacedPageService final : public LookupSource
{
public:
    QString name() const override { return m_inner.name(); }
    QString displayName() const override { return QStringLiteral("Open Food Facts"); }
    bool takes(const CheckedCode& checked) const override { return m_inner.takes(checked); }
    SourceRequest request(const QString& typed, const CheckedCode& checked) const override
    {
        return m_inner.request(typed, checked);
    }
    SourceAnswer read(const SourceResponse& response, const QString& typed) const override
    {
        return m_inner.read(response, typed);
    }
    int perMinute() const override { return 10; }
    bool remembered() const override { return false; }

private:
    PageServiceSource m_inner{kBase};
};
} // namespace

class TestLookupRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void threeCodes_progressMovesByShareThenReturnsToIdle();
    void eachCode_setsCaptionBeforeItsRequestAndShareAfterItsAnswer();
    void caption_showsThePartAfterTheLastBackslash();
    void knownThenUnknown_twoTickedRowsOnlyTheSecondScrolled();
    void recordWithoutName_givesAnEmptyTickedRow();
    void codeWithSpaces_isSentUntrimmedAndFoundTrimmed();
    void emptyList_saysSoAndKeepsEarlierResults();
    void start_discardsEarlierResultsBeforeTheFirstRequest();
    void secondStartDuringARun_isRefusedSilently();
    void doneBox_isShownWhileStillBusyThenBusyClears();
    void waiting_blocksForEventsInsteadOfSpinning();
    void pageAlreadyComplete_isNotWaitedFor();
    void unobtainablePage_rowSaysWhyIsTickedScrolledAndTheRunGoesOn();
    void failingStep_isReportedWithItsLineAndTheRunGoesOn_data();
    void failingStep_isReportedWithItsLineAndTheRunGoesOn();
    void codesRemovedDuringTheRun_endTheRunWithoutReports();
    void codesAddedDuringTheRun_countInTheShareButAreNotVisited();
    void pacedSource_captionCountsDownItsTurnThenShowsTheCode();
    void lookupAddress_encodesTheCodeAsTheWholeValueOfQ_data();
    void lookupAddress_encodesTheCodeAsTheWholeValueOfQ();
    void closingDuringTheWait_unwindsTheRunWithoutAnotherStep();
    void form1_closingDuringARunSavesAndEndsQuietly();
    void form1_startLookingUpRunsTheLookup();

private:
    // The fakes, with a lookup run asking the service at kBase.
    struct Running : FakePlatform
    {
        PageServiceLookup lookup{services(), kBase};
        LookupRun& run = lookup.run;
    };
};

void TestLookupRun::threeCodes_progressMovesByShareThenReturnsToIdle()
{
    Running fake;
    addCodes(fake, {"1", "2", "3"});
    fake.run.PushButton17_Click();

    QCOMPARE(fake.progressBar1.positions.size(), 4);
    QCOMPARE(fake.progressBar1.positions[0], 1.0 / 3 * 100);
    QCOMPARE(fake.progressBar1.positions[1], 2.0 / 3 * 100);
    QVERIFY(qAbs(fake.progressBar1.positions[0] - 33.333333) < 1e-6);
    QVERIFY(qAbs(fake.progressBar1.positions[1] - 66.666666) < 1e-5);
    QCOMPARE(fake.progressBar1.positions[2], 100.0);
    QCOMPARE(fake.progressBar1.positions[3], 0.0);
    QCOMPARE(fake.progressBar1.history.mid(fake.progressBar1.history.size() - 2),
             (QStringList{"position 0", "text Progress Bar"}));
    QCOMPARE(fake.progressBar1.text(), QStringLiteral("Progress Bar"));
    QVERIFY(fake.progressBar1.history.contains(QStringLiteral("text Processing: 2")));
    QCOMPARE(fake.messageBox.texts(), QStringList{"Done."});
    QCOMPARE(fake.messageBox.shown()[0].title, QStringLiteral("Quillfen"));
    QCOMPARE(fake.window.pointerHistory,
             (QList<int>{PointerCode::Hourglass, PointerCode::Hourglass, PointerCode::Hourglass,
                         PointerCode::Hourglass, PointerCode::Default}));
    QVERIFY(!fake.run.isBusy());
}

void TestLookupRun::eachCode_setsCaptionBeforeItsRequestAndShareAfterItsAnswer()
{
    Running fake;
    addCodes(fake, {"11", "22"});
    QStringList seen;
    QList<QList<double>> sharesAtRequest;
    fake.pageLoader.hook.onCall(u"start", [&](int) {
        seen << fake.progressBar1.history.last();
        sharesAtRequest << fake.progressBar1.positions;
    });
    fake.run.PushButton17_Click();
    QCOMPARE(seen, (QStringList{"text Processing: 11", "text Processing: 22"}));
    // The bar is full only once the last code has its answer, never while it is awaited.
    QCOMPARE(sharesAtRequest, (QList<QList<double>>{{}, {50.0}}));
    QCOMPARE(fake.progressBar1.positions.mid(0, 2), (QList<double>{50.0, 100.0}));
    QCOMPARE(fake.eventLoop.yields, 2);
}

void TestLookupRun::caption_showsThePartAfterTheLastBackslash()
{
    Running fake;
    addCodes(fake, {"C:\\codes\\4988112412613"});
    fake.run.PushButton17_Click();
    QVERIFY(fake.progressBar1.history.contains(QStringLiteral("text Processing: 4988112412613")));
    QCOMPARE(fake.listView2.texts(), QStringList{"C:\\codes\\4988112412613 - no record found"});
}

void TestLookupRun::knownThenUnknown_twoTickedRowsOnlyTheSecondScrolled()
{
    Running fake;
    serve(fake, {{"4988112412613", {recordPage("4988112412613", "Green Tea"), {}, 1}}});
    addCodes(fake, {"4988112412613", "0823564706221"});
    fake.run.PushButton17_Click();
    QCOMPARE(fake.listView2.texts(), (QStringList{"Green Tea", "0823564706221 - no record found"}));
    QCOMPARE(ticks(fake.listView2), (QList<bool>{true, true}));
    QCOMPARE(fake.listView2.scrolledIntoView(), QList<int>{2});
}

void TestLookupRun::recordWithoutName_givesAnEmptyTickedRow()
{
    Running fake;
    serve(fake, {{"5", {QStringLiteral("Product name for EAN 5 but no colon"), {}, 1}}});
    addCodes(fake, {"5"});
    fake.run.PushButton17_Click();
    QCOMPARE(fake.listView2.texts(), QStringList{""});
    QCOMPARE(ticks(fake.listView2), QList<bool>{true});
    QVERIFY(fake.listView2.scrolledIntoView().isEmpty());
}

void TestLookupRun::codeWithSpaces_isSentUntrimmedAndFoundTrimmed()
{
    Running fake;
    serve(fake, {{" 123 ", {recordPage("123", "Foo"), {}, 1}}});
    addCodes(fake, {" 123 ", " 999  "});
    fake.run.PushButton17_Click();
    QCOMPARE(fake.pageLoader.requested.size(), 2);
    QCOMPARE(FakePageLoader::queryValue(fake.pageLoader.requested[0]), QStringLiteral(" 123 "));
    QCOMPARE(fake.listView2.texts(), (QStringList{"Foo", " 999   - no record found"}));
}

void TestLookupRun::emptyList_saysSoAndKeepsEarlierResults()
{
    Running fake;
    fake.listView2.add(QStringLiteral("earlier result"));
    fake.run.PushButton17_Click();
    QCOMPARE(fake.messageBox.texts(), QStringList{"No items added to list."});
    QCOMPARE(fake.listView2.texts(), QStringList{"earlier result"});
    QVERIFY(fake.pageLoader.requested.isEmpty());
    QVERIFY(fake.window.pointerHistory.isEmpty());
    QVERIFY(fake.progressBar1.history.isEmpty());
    QVERIFY(!fake.run.isBusy());
    fake.run.PushButton17_Click(); // not left busy: the message comes again
    QCOMPARE(fake.messageBox.texts().size(), 2);
}

void TestLookupRun::start_discardsEarlierResultsBeforeTheFirstRequest()
{
    Running fake;
    fake.listView2.add(QStringLiteral("old 1"));
    fake.listView2.add(QStringLiteral("old 2"));
    addCodes(fake, {"7"});
    int rowsAtFirstRequest = -1;
    fake.pageLoader.hook.onCall(u"start", [&](int call) {
        if (call == 1)
            rowsAtFirstRequest = fake.listView2.count();
    });
    fake.run.PushButton17_Click();
    QCOMPARE(rowsAtFirstRequest, 0);
    QCOMPARE(fake.listView2.texts(), QStringList{"7 - no record found"});
}

void TestLookupRun::secondStartDuringARun_isRefusedSilently()
{
    Running fake;
    addCodes(fake, {"1", "2"});
    int nested = 0;
    fake.eventLoop.onWait = [&] {
        if (nested++ == 0) {
            QVERIFY(fake.run.isBusy());
            fake.run.PushButton17_Click();
        }
    };
    fake.run.PushButton17_Click();
    QCOMPARE(fake.pageLoader.requested.size(), 2);
    QCOMPARE(fake.listView2.count(), 2);
    QCOMPARE(fake.messageBox.texts(), QStringList{"Done."});
}

void TestLookupRun::doneBox_isShownWhileStillBusyThenBusyClears()
{
    Running fake;
    addCodes(fake, {"1"});
    bool busyWhileBoxOpen = false;
    fake.messageBox.onShow = [&](const FakeMessageBox::Shown&) {
        busyWhileBoxOpen = fake.run.isBusy();
        QCOMPARE(fake.window.pointer, PointerCode::Default);
        QCOMPARE(fake.progressBar1.text(), QStringLiteral("Progress Bar"));
    };
    fake.run.PushButton17_Click();
    QVERIFY(busyWhileBoxOpen);
    QVERIFY(!fake.run.isBusy());
}

void TestLookupRun::waiting_blocksForEventsInsteadOfSpinning()
{
    Running fake;
    fake.pageLoader.respond = [](const QUrl&) {
        return FakeResponse{FakePageLoader::kNoRecordPage.toString(), {}, 3};
    };
    addCodes(fake, {"1", "2"});
    fake.run.PushButton17_Click();
    // One yield per code before its request; then one wait per event until the page is in.
    QCOMPARE(fake.eventLoop.yields, 2);
    QCOMPARE(fake.eventLoop.waits, 6);
}

void TestLookupRun::pageAlreadyComplete_isNotWaitedFor()
{
    Running fake;
    fake.pageLoader.respond = [](const QUrl&) {
        return FakeResponse{FakePageLoader::kNoRecordPage.toString(), {}, 0};
    };
    addCodes(fake, {"1"});
    fake.run.PushButton17_Click();
    QCOMPARE(fake.eventLoop.waits, 0);
    QCOMPARE(fake.listView2.texts(), QStringList{"1 - no record found"});
}

void TestLookupRun::unobtainablePage_rowSaysWhyIsTickedScrolledAndTheRunGoesOn()
{
    Running fake;
    serve(fake, {{"1", {recordPage("1", "One"), {}, 1}},
                 {"2", {QString(), QStringLiteral("HTTP 503"), 1}},
                 {"3", {QString(), QStringLiteral("timed out"), 2}},
                 {"4", {recordPage("4", "Four"), {}, 1}}});
    addCodes(fake, {"1", "2", "3", "4"});
    fake.run.PushButton17_Click();
    QCOMPARE(fake.listView2.texts(), (QStringList{"One", "2 - lookup failed: HTTP 503",
                                                  "3 - lookup failed: timed out", "Four"}));
    QCOMPARE(ticks(fake.listView2), (QList<bool>{true, true, true, true}));
    QCOMPARE(fake.listView2.scrolledIntoView(), (QList<int>{2, 3}));
    QCOMPARE(fake.messageBox.texts(),
             QStringList{"Done.\n2 of 4 lookups failed; Lookup → Retry Failed Rows asks again."});
}

void TestLookupRun::failingStep_isReportedWithItsLineAndTheRunGoesOn_data()
{
    QTest::addColumn<QString>("service");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("line");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("clearing the results")
        << "listView2"
        << "clear" << 110 << QStringList{"old", "One", "2 - no record found"};
    QTest::newRow("reading the code") << "listView1"
                                      << "text" << 122 << QStringList{"2 - no record found"};
    QTest::newRow("the loader refusing the address")
        << "pageLoader"
        << "start" << 128 << QStringList{"2 - no record found"};
    QTest::newRow("taking the answer") << "pageLoader"
                                       << "response" << 128 << QStringList{"2 - no record found"};
    QTest::newRow("appending a found row") << "listView2"
                                           << "add" << 130 << QStringList{"2 - no record found"};
    QTest::newRow("ticking a found row")
        << "listView2"
        << "setChecked" << 130 << QStringList{"One", "2 - no record found"};
}

void TestLookupRun::failingStep_isReportedWithItsLineAndTheRunGoesOn()
{
    QFETCH(QString, service);
    QFETCH(QString, operation);
    QFETCH(int, line);
    QFETCH(QStringList, rows);
    Running fake;
    serve(fake, {{"1", {recordPage("1", "One"), {}, 1}}});
    fake.listView2.add(QStringLiteral("old"));
    addCodes(fake, {"1", "2"});
    FakeHook& hook = service == u"listView1"   ? fake.listView1.hook
                     : service == u"listView2" ? fake.listView2.hook
                                               : fake.pageLoader.hook;
    hook.failOnCall(operation, 1, QStringLiteral("Automation error"));
    fake.run.PushButton17_Click();

    QCOMPARE(fake.messageBox.texts(),
             (QStringList{BuildErrorReportText(QStringLiteral("Automation error"),
                                               Location::PushButton17_Click, line),
                          "Done."}));
    QCOMPARE(fake.messageBox.shown()[0].title, QStringLiteral("Application Error"));
    QCOMPARE(fake.listView2.texts(), rows);
    QCOMPARE(fake.progressBar1.position(), 0.0);
    QCOMPARE(fake.window.pointer, PointerCode::Default);
    QVERIFY(!fake.run.isBusy());
}

void TestLookupRun::codesRemovedDuringTheRun_endTheRunWithoutReports()
{
    Running fake;
    addCodes(fake, {"1", "2", "3"});
    fake.eventLoop.onWait = [&] {
        // Another operation ended meanwhile and gave the pointer back, so clearing works.
        if (fake.listView1.count() > 0)
            fake.listView1.clear();
    };
    fake.run.PushButton17_Click();
    QCOMPARE(fake.pageLoader.requested.size(), 1);
    QCOMPARE(fake.listView2.texts(), QStringList{"1 - no record found"});
    QCOMPARE(fake.messageBox.texts(), QStringList{"Done."});
    QCOMPARE(fake.progressBar1.positions, (QList<double>{1.0 / 3 * 100, 0.0}));
}

void TestLookupRun::codesAddedDuringTheRun_countInTheShareButAreNotVisited()
{
    Running fake;
    addCodes(fake, {"1", "2"});
    bool added = false;
    fake.eventLoop.onWait = [&] {
        if (!added) {
            added = true;
            addCodes(fake, {"3", "4"});
        }
    };
    fake.run.PushButton17_Click();
    QCOMPARE(fake.pageLoader.requested.size(), 2);
    QCOMPARE(fake.progressBar1.positions, (QList<double>{50.0, 50.0, 0.0}));
}

void TestLookupRun::pacedSource_captionCountsDownItsTurnThenShowsTheCode()
{
    FakePlatform fake;
    std::vector<std::unique_ptr<LookupSource>> sources;
    sources.push_back(std::make_unique<PacedPageService>());
    LookupChain chain(LookupServices{fake.pageLoader, fake.eventLoop, fake.clock, nullptr, nullptr},
                      std::move(sources), ChainOptions{});
    LookupRun run(fake.services(), chain);
    addCodes(fake, {"11", "22"});
    QStringList captionsAtRequest;
    fake.pageLoader.hook.onCall(u"start", [&](int) {
        captionsAtRequest << fake.progressBar1.history.filter(QStringLiteral("text ")).join(u'|');
        fake.progressBar1.history.clear();
    });
    run.PushButton17_Click();
    QCOMPARE(captionsAtRequest,
             (QStringList{"text Processing: 11",
                          "text Processing: 22|text Waiting 6 s for Open Food Facts' turn|"
                          "text Waiting 5 s for Open Food Facts' turn|"
                          "text Waiting 4 s for Open Food Facts' turn|"
                          "text Waiting 3 s for Open Food Facts' turn|"
                          "text Waiting 2 s for Open Food Facts' turn|"
                          "text Waiting 1 s for Open Food Facts' turn|text Processing: 22"}));
}

void TestLookupRun::lookupAddress_encodesTheCodeAsTheWholeValueOfQ_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("address");
    QTest::newRow("plain") << "http://lookup.test"
                           << "4988112412613"
                           << "http://lookup.test/perl/ean-search.pl?q=4988112412613";
    QTest::newRow("port and trailing slash") << "http://127.0.0.1:8080/"
                                             << "1"
                                             << "http://127.0.0.1:8080/perl/ean-search.pl?q=1";
    QTest::newRow("base with a folder") << "https://h.test/svc//"
                                        << "1"
                                        << "https://h.test/svc/perl/ean-search.pl?q=1";
    QTest::newRow("surrounding spaces are sent") << "http://h.test"
                                                 << " 12 "
                                                 << "http://h.test/perl/ean-search.pl?q=%2012%20";
    QTest::newRow("ampersand and equals") << "http://h.test"
                                          << "a&q=b"
                                          << "http://h.test/perl/ean-search.pl?q=a%26q%3Db";
    QTest::newRow("hash, percent, plus") << "http://h.test"
                                         << "#%+"
                                         << "http://h.test/perl/ean-search.pl?q=%23%25%2B";
    QTest::newRow("non-ASCII as UTF-8") << "http://h.test"
                                        << "ü€"
                                        << "http://h.test/perl/ean-search.pl?q=%C3%BC%E2%82%AC";
    QTest::newRow("empty code") << "http://h.test"
                                << ""
                                << "http://h.test/perl/ean-search.pl?q=";
    QTest::newRow("line break") << "http://h.test"
                                << "1\r\n2"
                                << "http://h.test/perl/ean-search.pl?q=1%0D%0A2";
}

void TestLookupRun::lookupAddress_encodesTheCodeAsTheWholeValueOfQ()
{
    QFETCH(QString, base);
    QFETCH(QString, code);
    QFETCH(QString, address);
    const QUrl url = LookupAddress(base, code);
    QCOMPARE(url.toString(QUrl::FullyEncoded), address);
    QCOMPARE(FakePageLoader::queryValue(url), code);
}

void TestLookupRun::closingDuringTheWait_unwindsTheRunWithoutAnotherStep()
{
    Running fake;
    addCodes(fake, {"1", "2"});
    fake.eventLoop.onWait = [&] { fake.eventLoop.endProgram(); };
    QVERIFY_THROWS_EXCEPTION(ProgramEnding, fake.run.PushButton17_Click());
    QCOMPARE(fake.pageLoader.requested.size(), 1);
    QVERIFY(fake.listView2.texts().isEmpty());
    QVERIFY(fake.messageBox.shown().isEmpty());
}

void TestLookupRun::form1_closingDuringARunSavesAndEndsQuietly()
{
    AppConfig config;
    config.serviceUrl = kBase;
    config.serviceUrlNamed = true;
    Form1OnFakes fake(config);
    fake.form.Form_Load();
    fake.form.PushButton7_Click(); // the two sample codes
    int waits = 0;
    fake.eventLoop.onWait = [&] {
        if (++waits == 1) {
            fake.form.Form_QueryUnload();
            fake.form.Form_Unload();
        }
    };
    fake.form.PushButton17_Click(); // returns: nothing escapes the handler
    QVERIFY(fake.eventLoop.isEnding());
    QCOMPARE(fake.pageLoader.requested.size(), 1);
    QVERIFY(fake.messageBox.shown().isEmpty());
    QCOMPARE(fake.listView1.count(), 2); // the code list is untouched by the run
}

void TestLookupRun::form1_startLookingUpRunsTheLookup()
{
    AppConfig config;
    config.serviceUrl = QStringLiteral("http://lookup.test:81");
    config.serviceUrlNamed = true;
    Form1OnFakes fake(config);
    fake.form.Form_Load();
    fake.form.PushButton7_Click();
    fake.form.PushButton17_Click();
    QCOMPARE(fake.pageLoader.requested.size(), 2);
    QCOMPARE(fake.pageLoader.requested[1].toString(),
             QStringLiteral("http://lookup.test:81/perl/ean-search.pl?q=0823564706221"));
    QCOMPARE(fake.listView2.texts(),
             (QStringList{"4988112412613 - no record found", "0823564706221 - no record found"}));
}

QTEST_GUILESS_MAIN(TestLookupRun)
#include "tst_lookuprun.moc"
