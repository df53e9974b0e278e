// The lookup run against in-memory fakes: order of steps, rows, progress and failures.
#include "app/Form1.h"
#include "common/ErrorReport.h"
#include "common/Locations.h"
#include "common/OperationFailed.h"
#include "common/PointerCode.h"
#include "common/ProgramEnding.h"
#include "lookup/LookupRun.h"
#include "platform/fakes/FakePlatform.h"
#include "support/FakeChance.h"

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
} // namespace

class TestLookupRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void threeCodes_progressMovesByShareThenReturnsToIdle()
    {
        FakePlatform fake;
        LookupRun run(fake.services(), kBase);
        addCodes(fake, {"1", "2", "3"});
        run.PushButton17_Click();

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
        QVERIFY(!run.isBusy());
    }

    void eachCode_setsProgressAndCaptionBeforeItsRequest()
    {
        FakePlatform fake;
        LookupRun run(fake.services(), kBase);
        addCodes(fake, {"11", "22"});
        QStringList seen;
        fake.pageLoader.hook.beforeCall = [&](QStringView op) {
            if (op == u"start")
                seen << fake.progressBar1.history.last();
        };
        run.PushButton17_Click();
        QCOMPARE(seen, (QStringList{"text Processing: 11", "text Processing: 22"}));
        QCOMPARE(fake.progressBar1.positions.mid(0, 2), (QList<double>{50.0, 100.0}));
        QCOMPARE(fake.eventLoop.yields, 2);
    }

    void caption_showsThePartAfterTheLastBackslash()
    {
        FakePlatform fake;
        LookupRun run(fake.services(), kBase);
        addCodes(fake, {"C:\\codes\\4988112412613"});
        run.PushButton17_Click();
        QVERIFY(
            fake.progressBar1.history.contains(QStringLiteral("text Processing: 4988112412613")));
        QCOMPARE(fake.listView2.texts(), QStringList{"C:\\codes\\4988112412613 - no record found"});
    }

    void knownThenUnknown_twoTickedRowsOnlyTheSecondScrolled()
    {
        FakePlatform fake;
        LookupRun run(fake.services(), kBase);
        serve(fake, {{"4988112412613", {recordPage("4988112412613", "Green Tea"), {}, 1}}});
        addCodes(fake, {"4988112412613", "0823564706221"});
        run.PushButton17_Click();
        QCOMPARE(fake.listView2.texts(),
                 (QStringList{"Green Tea", "0823564706221 - no record found"}));
        QCOMPARE(ticks(fake.listView2), (QList<bool>{true, true}));
        QCOMPARE(fake.listView2.scrolledIntoView(), QList<int>{2});
    }

    void recordWithoutName_givesAnEmptyTickedRow()
    {
        FakePlatform fake;
        LookupRun run(fake.services(), kBase);
        serve(fake, {{"5", {QStringLiteral("Product name for EAN 5 but no colon"), {}, 1}}});
        addCodes(fake, {"5"});
        run.PushButton17_Click();
        QCOMPARE(fake.listView2.texts(), QStringList{""});
        QCOMPARE(ticks(fake.listView2), QList<bool>{true});
        QVERIFY(fake.listView2.scrolledIntoView().isEmpty());
    }

    void codeWithSpaces_isSentUntrimmedAndFoundTrimmed()
    {
        FakePlatform fake;
        LookupRun run(fake.services(), kBase);
        serve(fake, {{" 123 ", {recordPage("123", "Foo"), {}, 1}}});
        addCodes(fake, {" 123 ", " 999  "});
        run.PushButton17_Click();
        QCOMPARE(fake.pageLoader.requested.size(), 2);
        QCOMPARE(FakePageLoader::queryValue(fake.pageLoader.requested[0]), QStringLiteral(" 123 "));
        QCOMPARE(fake.listView2.texts(), (QStringList{"Foo", " 999   - no record found"}));
    }

    void emptyList_saysSoAndKeepsEarlierResults()
    {
        FakePlatform fake;
        LookupRun run(fake.services(), kBase);
        fake.listView2.add(QStringLiteral("earlier result"));
        run.PushButton17_Click();
        QCOMPARE(fake.messageBox.texts(), QStringList{"No items added to list."});
        QCOMPARE(fake.listView2.texts(), QStringList{"earlier result"});
        QVERIFY(fake.pageLoader.requested.isEmpty());
        QVERIFY(fake.window.pointerHistory.isEmpty());
        QVERIFY(fake.progressBar1.history.isEmpty());
        QVERIFY(!run.isBusy());
        run.PushButton17_Click(); // not left busy: the message comes again
        QCOMPARE(fake.messageBox.texts().size(), 2);
    }

    void start_discardsEarlierResultsBeforeTheFirstRequest()
    {
        FakePlatform fake;
        LookupRun run(fake.services(), kBase);
        fake.listView2.add(QStringLiteral("old 1"));
        fake.listView2.add(QStringLiteral("old 2"));
        addCodes(fake, {"7"});
        int rowsAtFirstRequest = -1;
        fake.pageLoader.hook.beforeCall = [&](QStringView op) {
            if (op == u"start" && rowsAtFirstRequest < 0)
                rowsAtFirstRequest = fake.listView2.count();
        };
        run.PushButton17_Click();
        QCOMPARE(rowsAtFirstRequest, 0);
        QCOMPARE(fake.listView2.texts(), QStringList{"7 - no record found"});
    }

    void secondStartDuringARun_isRefusedSilently()
    {
        FakePlatform fake;
        LookupRun run(fake.services(), kBase);
        addCodes(fake, {"1", "2"});
        int nested = 0;
        fake.eventLoop.onWait = [&] {
            if (nested++ == 0) {
                QVERIFY(run.isBusy());
                run.PushButton17_Click();
            }
        };
        run.PushButton17_Click();
        QCOMPARE(fake.pageLoader.requested.size(), 2);
        QCOMPARE(fake.listView2.count(), 2);
        QCOMPARE(fake.messageBox.texts(), QStringList{"Done."});
    }

    void doneBox_isShownWhileStillBusyThenBusyClears()
    {
        FakePlatform fake;
        LookupRun run(fake.services(), kBase);
        addCodes(fake, {"1"});
        bool busyWhileBoxOpen = false;
        fake.messageBox.onShow = [&](const FakeMessageBox::Shown&) {
            busyWhileBoxOpen = run.isBusy();
            QCOMPARE(fake.window.pointer, PointerCode::Default);
            QCOMPARE(fake.progressBar1.text(), QStringLiteral("Progress Bar"));
        };
        run.PushButton17_Click();
        QVERIFY(busyWhileBoxOpen);
        QVERIFY(!run.isBusy());
    }

    void waiting_blocksForEventsInsteadOfSpinning()
    {
        FakePlatform fake;
        LookupRun run(fake.services(), kBase);
        fake.pageLoader.respond = [](const QUrl&) { return FakeResponse{QString(), {}, 3}; };
        addCodes(fake, {"1", "2"});
        run.PushButton17_Click();
        // One yield per code before its request; then one wait per event until the page is in.
        QCOMPARE(fake.eventLoop.yields, 2);
        QCOMPARE(fake.eventLoop.waits, 6);
    }

    void pageAlreadyComplete_isNotWaitedFor()
    {
        FakePlatform fake;
        LookupRun run(fake.services(), kBase);
        fake.pageLoader.respond = [](const QUrl&) { return FakeResponse{QString(), {}, 0}; };
        addCodes(fake, {"1"});
        run.PushButton17_Click();
        QCOMPARE(fake.eventLoop.waits, 0);
        QCOMPARE(fake.listView2.texts(), QStringList{"1 - no record found"});
    }

    void unobtainablePage_rowSaysWhyIsTickedScrolledAndTheRunGoesOn()
    {
        FakePlatform fake;
        LookupRun run(fake.services(), kBase);
        serve(fake, {{"1", {recordPage("1", "One"), {}, 1}},
                     {"2", {QString(), QStringLiteral("HTTP 503"), 1}},
                     {"3", {QString(), QStringLiteral("timed out"), 2}},
                     {"4", {recordPage("4", "Four"), {}, 1}}});
        addCodes(fake, {"1", "2", "3", "4"});
        run.PushButton17_Click();
        QCOMPARE(fake.listView2.texts(), (QStringList{"One", "2 - lookup failed: HTTP 503",
                                                      "3 - lookup failed: timed out", "Four"}));
        QCOMPARE(ticks(fake.listView2), (QList<bool>{true, true, true, true}));
        QCOMPARE(fake.listView2.scrolledIntoView(), (QList<int>{2, 3}));
        QCOMPARE(fake.messageBox.texts(), QStringList{"Done."});
    }

    void failingStep_isReportedWithItsLineAndTheRunGoesOn_data()
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
        QTest::newRow("taking the page text")
            << "pageLoader"
            << "text" << 136 << QStringList{"2 - no record found"};
        QTest::newRow("appending a found row")
            << "listView2"
            << "add" << 142 << QStringList{"2 - no record found"};
        QTest::newRow("ticking a found row")
            << "listView2"
            << "setChecked" << 142 << QStringList{"One", "2 - no record found"};
    }
    void failingStep_isReportedWithItsLineAndTheRunGoesOn()
    {
        QFETCH(QString, service);
        QFETCH(QString, operation);
        QFETCH(int, line);
        QFETCH(QStringList, rows);
        FakePlatform fake;
        LookupRun run(fake.services(), kBase);
        serve(fake, {{"1", {recordPage("1", "One"), {}, 1}}});
        fake.listView2.add(QStringLiteral("old"));
        addCodes(fake, {"1", "2"});
        bool failed = false;
        auto failOnce = [&](QStringView op) {
            if (op == operation && !failed) {
                failed = true;
                throw OperationFailed(QStringLiteral("Automation error"));
            }
        };
        if (service == u"listView1")
            fake.listView1.hook.beforeCall = failOnce;
        else if (service == u"listView2")
            fake.listView2.hook.beforeCall = failOnce;
        else
            fake.pageLoader.hook.beforeCall = failOnce;
        run.PushButton17_Click();

        QVERIFY(failed);
        QCOMPARE(fake.messageBox.texts(),
                 (QStringList{BuildErrorReportText(QStringLiteral("Automation error"),
                                                   Location::PushButton17_Click, line),
                              "Done."}));
        QCOMPARE(fake.messageBox.shown()[0].title, QStringLiteral("Application Error"));
        QCOMPARE(fake.listView2.texts(), rows);
        QCOMPARE(fake.progressBar1.position(), 0.0);
        QCOMPARE(fake.window.pointer, PointerCode::Default);
        QVERIFY(!run.isBusy());
    }

    void codesRemovedDuringTheRun_endTheRunWithoutReports()
    {
        FakePlatform fake;
        LookupRun run(fake.services(), kBase);
        addCodes(fake, {"1", "2", "3"});
        fake.eventLoop.onWait = [&] {
            // Another operation ended meanwhile and gave the pointer back, so clearing works.
            if (fake.listView1.count() > 0)
                fake.listView1.clear();
        };
        run.PushButton17_Click();
        QCOMPARE(fake.pageLoader.requested.size(), 1);
        QCOMPARE(fake.listView2.texts(), QStringList{"1 - no record found"});
        QCOMPARE(fake.messageBox.texts(), QStringList{"Done."});
        QCOMPARE(fake.progressBar1.positions, (QList<double>{1.0 / 3 * 100, 0.0}));
    }

    void codesAddedDuringTheRun_countInTheShareButAreNotVisited()
    {
        FakePlatform fake;
        LookupRun run(fake.services(), kBase);
        addCodes(fake, {"1", "2"});
        bool added = false;
        fake.eventLoop.onWait = [&] {
            if (!added) {
                added = true;
                addCodes(fake, {"3", "4"});
            }
        };
        run.PushButton17_Click();
        QCOMPARE(fake.pageLoader.requested.size(), 2);
        QCOMPARE(fake.progressBar1.positions, (QList<double>{50.0, 50.0, 0.0}));
    }

    void lookupAddress_encodesTheCodeAsTheWholeValueOfQ_data()
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
        QTest::newRow("surrounding spaces are sent")
            << "http://h.test"
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
    void lookupAddress_encodesTheCodeAsTheWholeValueOfQ()
    {
        QFETCH(QString, base);
        QFETCH(QString, code);
        QFETCH(QString, address);
        const QUrl url = LookupAddress(base, code);
        QCOMPARE(url.toString(QUrl::FullyEncoded), address);
        QCOMPARE(FakePageLoader::queryValue(url), code);
    }

    void closingDuringTheWait_unwindsTheRunWithoutAnotherStep()
    {
        FakePlatform fake;
        LookupRun run(fake.services(), kBase);
        addCodes(fake, {"1", "2"});
        fake.eventLoop.onWait = [&] { fake.eventLoop.endProgram(); };
        QVERIFY_THROWS_EXCEPTION(ProgramEnding, run.PushButton17_Click());
        QCOMPARE(fake.pageLoader.requested.size(), 1);
        QVERIFY(fake.listView2.texts().isEmpty());
        QVERIFY(fake.messageBox.shown().isEmpty());
    }

    void form1_closingDuringARunSavesAndEndsQuietly()
    {
        FakePlatform fake;
        FakeChance chance;
        AppConfig config;
        config.serviceUrl = kBase;
        Form1 form(fake.services(), config, chance);
        form.Form_Load();
        form.PushButton7_Click(); // the two sample codes
        int waits = 0;
        fake.eventLoop.onWait = [&] {
            if (++waits == 1) {
                form.Form_QueryUnload();
                form.Form_Unload();
            }
        };
        form.PushButton17_Click(); // returns: nothing escapes the handler
        QVERIFY(fake.eventLoop.isEnding());
        QCOMPARE(fake.pageLoader.requested.size(), 1);
        QVERIFY(fake.messageBox.shown().isEmpty());
        QCOMPARE(fake.listView1.count(), 2); // the code list is untouched by the run
    }

    void form1_startLookingUpRunsTheLookup()
    {
        FakePlatform fake;
        FakeChance chance;
        AppConfig config;
        config.serviceUrl = QStringLiteral("http://lookup.test:81");
        Form1 form(fake.services(), config, chance);
        form.Form_Load();
        form.PushButton7_Click();
        form.PushButton17_Click();
        QCOMPARE(fake.pageLoader.requested.size(), 2);
        QCOMPARE(fake.pageLoader.requested[1].toString(),
                 QStringLiteral("http://lookup.test:81/perl/ean-search.pl?q=0823564706221"));
        QCOMPARE(fake.listView2.texts(), (QStringList{"4988112412613 - no record found",
                                                      "0823564706221 - no record found"}));
    }
};

QTEST_GUILESS_MAIN(TestLookupRun)
#include "tst_lookuprun.moc"
