#include "common/ProgramEnding.h"
#include "desktop/system/CoarseClock.h"
#include "desktop/system/QtEventLoop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

class TestQtEventLoop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void yield_runsPendingEventsAtLeastEveryFewMilliseconds();
    void yield_afterALongPassWaitsAsLongBeforeTheNextUpToAFifthOfASecond();
    void coarseClock_onlyWhenItsStepsAreFineEnoughAndNeverGoesBack();
    void waitForEvents_returnsWhenAnEventArrives();
    void endProgram_makesEveryLaterYieldAndWaitThrow();
};

void TestQtEventLoop::yield_runsPendingEventsAtLeastEveryFewMilliseconds()
{
    QtEventLoop loop;
    int fired = 0;
    QTimer::singleShot(0, [&] { ++fired; });
    loop.yield(); // the first yield always runs the queue
    QCOMPARE(fired, 1);

    QTimer::singleShot(0, [&] { ++fired; });
    QElapsedTimer clock;
    clock.start();
    while (fired < 2 && clock.elapsed() < 1000)
        loop.yield();
    QCOMPARE(fired, 2);
}

void TestQtEventLoop::yield_afterALongPassWaitsAsLongBeforeTheNextUpToAFifthOfASecond()
{
    QtEventLoop loop;
    // A pass that takes 40 ms, as laying out a window with a huge list again can.
    QTimer::singleShot(0, [] { QTest::qSleep(40); });
    loop.yield();
    int fired = 0;
    QTimer::singleShot(0, [&] { ++fired; });
    QElapsedTimer clock;
    clock.start();
    while (fired == 0 && clock.elapsed() < 5000)
        loop.yield();
    QCOMPARE(fired, 1);
    // The operation had its 40 ms before the window's next turn (less a tick of the clock).
    QVERIFY2(clock.elapsed() >= 30, qPrintable(QString::number(clock.elapsed())));

    // A pass of a second and a half, as long as a box shown in it stayed open: the window's
    // next turn still comes within a fifth of a second, not a second and a half later.
    bool slept = false;
    QTimer::singleShot(0, [&] {
        QTest::qSleep(1500);
        slept = true;
    });
    while (!slept)
        loop.yield();
    QTimer::singleShot(0, [&] { ++fired; });
    clock.start();
    while (fired == 1 && clock.elapsed() < 5000)
        loop.yield();
    QCOMPARE(fired, 2);
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
}

void TestQtEventLoop::coarseClock_onlyWhenItsStepsAreFineEnoughAndNeverGoesBack()
{
    QVERIFY(!CoarseClock::fineEnough(0)); // no clock ticks in no time
    const std::optional<CoarseClock> clock = CoarseClock::fineEnough(10'000'000);
    if (!clock)
        QSKIP("no coarse monotonic clock of 10 ms steps here; the yield uses the precise one");
    const qint64 first = clock->nowNs();
    qint64 last = first;
    QElapsedTimer precise;
    precise.start();
    while (precise.elapsed() < 40) {
        const qint64 now = clock->nowNs();
        QVERIFY(now >= last);
        last = now;
    }
    // Read after the precise clock, so that time the test was not scheduled in between counts on
    // both: the coarse one keeps up with the precise one to within its two ends' steps.
    const qint64 preciseNs = precise.nsecsElapsed();
    const qint64 end = clock->nowNs();
    QVERIFY(end >= last);
    QVERIFY2(end - first >= preciseNs - 20'000'000,
             qPrintable(QStringLiteral("%1 against %2").arg(end - first).arg(preciseNs)));
}

void TestQtEventLoop::waitForEvents_returnsWhenAnEventArrives()
{
    QtEventLoop loop;
    bool fired = false;
    QTimer::singleShot(30, [&] { fired = true; });
    QElapsedTimer clock;
    clock.start();
    while (!fired && clock.elapsed() < 5000)
        loop.waitForEvents();
    QVERIFY(fired);
}

void TestQtEventLoop::endProgram_makesEveryLaterYieldAndWaitThrow()
{
    QtEventLoop loop;
    loop.endProgram();
    QVERIFY(loop.isEnding());
    QVERIFY_THROWS_EXCEPTION(ProgramEnding, loop.yield());
    QVERIFY_THROWS_EXCEPTION(ProgramEnding, loop.waitForEvents());
}

QTEST_GUILESS_MAIN(TestQtEventLoop)
#include "tst_qteventloop.moc"
