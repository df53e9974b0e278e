// The lookup run with the real page loader against the sample service, started here on
// 127.0.0.1: what reaches the service and what comes back. How every kind of failure shows is in
// tests/faults/tst_servicefaults.cpp.
#include "SampleServiceProcess.h"
#include "common/PointerCode.h"
#include "desktop/network/QtPageLoader.h"
#include "desktop/system/QtEventLoop.h"
#include "fakes/FakePlatform.h"
#include "lookup/LookupRun.h"
#include "support/PageServiceLookup.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

namespace {
const QString kGreenTea = QStringLiteral("Harbour Lantern Green Tea, 20 bags");

// The application's event loop, counting how often the run turned to it.
class CountingEventLoop final : public EventLoop
{
public:
    void yield() override
    {
        ++passes;
        m_loop.yield();
    }
    void waitForEvents() override
    {
        ++passes;
        m_loop.waitForEvents();
    }
    void waitForEvents(std::chrono::milliseconds atMost) override
    {
        ++passes;
        m_loop.waitForEvents(atMost);
    }
    void endProgram() override { m_loop.endProgram(); }
    bool isEnding() const override { return m_loop.isEnding(); }

    int passes = 0;

private:
    QtEventLoop m_loop;
};

// The run with the real event loop and page loader; the window's parts are fakes.
struct LiveRun
{
    explicit LiveRun(const QString& serviceBase, int parallel = 1)
        : lookup(fake.services(loop, loader), serviceBase, parallel)
    {}

    QStringList lookUp(const QStringList& codes)
    {
        for (const QString& code : codes)
            fake.listView1.add(code);
        lookup.run.PushButton17_Click();
        return fake.listView2.texts();
    }

    FakePlatform fake;
    CountingEventLoop loop;
    QtPageLoader loader;
    PageServiceLookup lookup;
};
} // namespace

class TestLookupService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sampleCodes_giveTheProductAndTheNotFoundRowInOrder();
    void urlSpecialCodes_reachTheServiceAsTheyAre();
    void slowService_windowHandlesEventsWhileTheRunWaits();
    void parallel_rowsInCodeOrderWithTheirFailures();
};

void TestLookupService::sampleCodes_giveTheProductAndTheNotFoundRowInOrder()
{
    SampleServiceProcess service;
    QVERIFY2(service.start({QStringLiteral("--log-queries")}), qPrintable(service.errorString()));
    LiveRun live(service.baseUrl());
    const QStringList rows = live.lookUp({"4988112412613", "0823564706221", " 4988112412613 "});
    QCOMPARE(rows, (QStringList{kGreenTea, "0823564706221 - no record found", kGreenTea}));
    for (int row = 1; row <= 3; ++row)
        QVERIFY(live.fake.listView2.isChecked(row));
    QCOMPARE(live.fake.listView2.scrolledIntoView(), QList<int>{2});
    QCOMPARE(live.fake.progressBar1.positions,
             (QList<double>{1.0 / 3 * 100, 2.0 / 3 * 100, 100.0, 0.0}));
    QCOMPARE(live.fake.progressBar1.text(), QStringLiteral("Progress Bar"));
    QCOMPARE(live.fake.window.pointer, PointerCode::Default);
    QCOMPARE(live.fake.messageBox.texts(), QStringList{"Done."});
    QCOMPARE(service.queries(), (QStringList{"4988112412613", "0823564706221", " 4988112412613 "}));
    // One keep-alive connection carries the whole run.
    QCOMPARE(service.connections(), 1);
}

void TestLookupService::urlSpecialCodes_reachTheServiceAsTheyAre()
{
    SampleServiceProcess service;
    QVERIFY2(service.start({QStringLiteral("--log-queries")}), qPrintable(service.errorString()));
    const QStringList codes{" 12 3 ", "a&q=b", "x#y",     "50%",     "%41",
                            "1+1",    "ü€漢",  "a;b/c?d", "\"<'>\"", ""};
    LiveRun live(service.baseUrl());
    const QStringList rows = live.lookUp(codes);
    QCOMPARE(service.queries(), codes);
    QCOMPARE(rows.size(), codes.size());
    for (qsizetype i = 0; i < codes.size(); ++i)
        QCOMPARE(rows[i], codes[i] + QStringLiteral(" - no record found"));
}

void TestLookupService::slowService_windowHandlesEventsWhileTheRunWaits()
{
    SampleServiceProcess service;
    QVERIFY2(service.start({"--delay-ms", "250", "--log-queries"}),
             qPrintable(service.errorString()));
    LiveRun live(service.baseUrl());
    int ticksWhileBusy = 0;
    bool secondStartRefused = false;
    QTimer window;
    window.setInterval(10);
    QObject::connect(&window, &QTimer::timeout, [&] {
        if (!live.lookup.run.isBusy())
            return;
        if (++ticksWhileBusy == 1) {
            // A second press of the button, as the user might make it meanwhile; the
            // service's log below shows that it asked for nothing.
            live.lookup.run.PushButton17_Click();
            secondStartRefused = live.fake.messageBox.shown().isEmpty();
        }
    });
    window.start();
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(live.lookUp({"4988112412613", "0823564706221"}),
             (QStringList{kGreenTea, "0823564706221 - no record found"}));
    const qint64 elapsedMs = clock.elapsed();
    QVERIFY2(ticksWhileBusy >= 2, "the window's timer did not run during the run");
    QVERIFY(secondStartRefused);
    QCOMPARE(service.queries(), (QStringList{"4988112412613", "0823564706221"}));
    // Blocked in the event loop rather than spinning: a spinning run makes millions of
    // passes in half a second; a blocked one wakes only for events (the 10 ms timer, the
    // network), far fewer than one a millisecond however slow the machine.
    QVERIFY2(live.loop.passes < 100 + elapsedMs,
             qPrintable(QStringLiteral("%1 passes in %2 ms").arg(live.loop.passes).arg(elapsedMs)));
}

void TestLookupService::parallel_rowsInCodeOrderWithTheirFailures()
{
    SampleServiceProcess service;
    // Every answer takes a while; one code is refused, another's connection is reset.
    QVERIFY2(service.start({QStringLiteral("--log-queries"), QStringLiteral("--delay-ms"),
                            QStringLiteral("100"), QStringLiteral("--fault"),
                            QStringLiteral("111=status:503"), QStringLiteral("--fault"),
                            QStringLiteral("222=reset")}),
             qPrintable(service.errorString()));
    QStringList codes;
    QStringList expected;
    for (int i = 0; i < 12; ++i) {
        const QString code = i == 3   ? QStringLiteral("111")
                             : i == 7 ? QStringLiteral("222")
                             : i % 2  ? QStringLiteral("4988112412613")
                                      : QString::number(900 + i);
        codes.append(code);
        expected.append(code == u"111"   ? QStringLiteral("111 - lookup failed: HTTP 503")
                        : code == u"222" ? QStringLiteral("222 - lookup failed: connection closed")
                        : code == u"4988112412613" ? kGreenTea
                                                   : code + QStringLiteral(" - no record found"));
    }
    LiveRun live(service.baseUrl(), 4);
    QCOMPARE(live.lookUp(codes), expected);
    QCOMPARE(live.fake.listView2.scrolledIntoView().size(), 8);
    // Each code was asked (Qt sends the reset one again by itself once), several at once.
    const QStringList asked = service.queries();
    QCOMPARE(QSet<QString>(asked.cbegin(), asked.cend()),
             QSet<QString>(codes.cbegin(), codes.cend()));
    QVERIFY(service.connections() >= 4);
}

QTEST_GUILESS_MAIN(TestLookupService)
#include "tst_lookupservice.moc"
