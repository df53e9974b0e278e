#include "common/Failure.h"
#include "platform/QtEventLoop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

class TestQtEventLoop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void yield_runsPendingEventsAtLeastEveryFewMilliseconds()
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

    void waitForEvents_returnsWhenAnEventArrives()
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

    void endProgram_makesEveryLaterYieldAndWaitThrow()
    {
        QtEventLoop loop;
        loop.endProgram();
        QVERIFY(loop.isEnding());
        QVERIFY_THROWS_EXCEPTION(ProgramEnding, loop.yield());
        QVERIFY_THROWS_EXCEPTION(ProgramEnding, loop.waitForEvents());
    }
};

QTEST_GUILESS_MAIN(TestQtEventLoop)
#include "tst_qteventloop.moc"
