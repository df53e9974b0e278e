#include "lookup/RequestPacer.h"

#include <QTest>

class TestRequestPacer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstGoesAtOnce_nextPacedFromItsStart()
    {
        RequestPacer pacer;
        pacer.setPerMinute(QStringLiteral("off.test"), 10);
        QCOMPARE(pacer.waitBeforeStart(QStringLiteral("off.test"), 5000), 0);
        pacer.started(QStringLiteral("off.test"), 5000);
        QVERIFY(pacer.inFlight(QStringLiteral("off.test")));
        pacer.finished(QStringLiteral("off.test"));
        QVERIFY(!pacer.inFlight(QStringLiteral("off.test")));
        // A slow answer does not push the next start further out.
        QCOMPARE(pacer.waitBeforeStart(QStringLiteral("off.test"), 9000), 2000);
        QCOMPARE(pacer.waitBeforeStart(QStringLiteral("off.test"), 11'000), 0);
        QCOMPARE(pacer.waitBeforeStart(QStringLiteral("off.test"), 50'000), 0);
    }

    void hosts_pacedApart_namesInAnyCase()
    {
        RequestPacer pacer;
        pacer.setPerMinute(QStringLiteral("a.test"), 60);
        pacer.setPerMinute(QStringLiteral("b.test"), 60);
        pacer.started(QStringLiteral("A.Test"), 0);
        QCOMPARE(pacer.waitBeforeStart(QStringLiteral("a.test"), 100), 900);
        QVERIFY(pacer.inFlight(QStringLiteral("a.TEST")));
        QCOMPARE(pacer.waitBeforeStart(QStringLiteral("b.test"), 100), 0);
        QVERIFY(!pacer.inFlight(QStringLiteral("b.test")));
    }

    void unpacedHost_stillOneAtATime()
    {
        RequestPacer pacer;
        pacer.started(QStringLiteral("local"), 0);
        QCOMPARE(pacer.waitBeforeStart(QStringLiteral("local"), 0), 0);
        QVERIFY(pacer.inFlight(QStringLiteral("local")));
        pacer.setPerMinute(QStringLiteral("local"), 0);
        pacer.started(QStringLiteral("local"), 10);
        QCOMPARE(pacer.waitBeforeStart(QStringLiteral("local"), 10), 0);
    }

    void interval_roundedUp()
    {
        RequestPacer pacer;
        pacer.setPerMinute(QStringLiteral("h"), 7); // 8571.4 ms
        pacer.started(QStringLiteral("h"), 0);
        QCOMPARE(pacer.waitBeforeStart(QStringLiteral("h"), 0), 8572);
    }

    void hold_keepsEveryStartBack_onlyLonger()
    {
        RequestPacer pacer;
        pacer.setPerMinute(QStringLiteral("h"), 60);
        pacer.holdUntil(QStringLiteral("h"), 30'000);
        QCOMPARE(pacer.waitBeforeStart(QStringLiteral("h"), 1000), 29'000);
        pacer.holdUntil(QStringLiteral("h"), 2000);
        QCOMPARE(pacer.waitBeforeStart(QStringLiteral("h"), 1000), 29'000);
        pacer.started(QStringLiteral("h"), 29'900);
        QCOMPARE(pacer.waitBeforeStart(QStringLiteral("h"), 30'000), 900);
        QCOMPARE(pacer.waitBeforeStart(QStringLiteral("other"), -5000), 0);
    }
};

QTEST_GUILESS_MAIN(TestRequestPacer)
#include "tst_requestpacer.moc"
