// When a remembered answer may stand in for asking its database again.
#include "lookup/AnswerFreshness.h"

#include <QTest>

#include <limits>

class TestAnswerFreshness : public QObject
{
    Q_OBJECT

    static constexpr qint64 kNow = 1'760'000'000; // an ordinary unix time
    static constexpr qint64 kDay = 86'400;

private Q_SLOTS:
    void age_decidesFreshness_data()
    {
        QTest::addColumn<bool>("found");
        QTest::addColumn<qint64>("age");
        QTest::addColumn<bool>("fresh");

        QTest::newRow("found, just stored") << true << qint64(0) << true;
        QTest::newRow("found, a second short of 30 days") << true << 30 * kDay - 1 << true;
        QTest::newRow("found, exactly 30 days") << true << 30 * kDay << false;
        QTest::newRow("found, a year") << true << 365 * kDay << false;
        QTest::newRow("not found, just stored") << false << qint64(0) << true;
        QTest::newRow("not found, a second short of 7 days") << false << 7 * kDay - 1 << true;
        QTest::newRow("not found, exactly 7 days") << false << 7 * kDay << false;
        QTest::newRow("not found, 20 days") << false << 20 * kDay << false;
        // The clock has moved back since the answer was stored.
        QTest::newRow("found, a second in the future") << true << qint64(-1) << false;
        QTest::newRow("not found, a day in the future") << false << -kDay << false;
    }
    void age_decidesFreshness()
    {
        QFETCH(bool, found);
        QFETCH(qint64, age);
        QFETCH(bool, fresh);
        StoredAnswer answer;
        answer.found = found;
        answer.storedAt = kNow - age;
        QCOMPARE(IsFresh(answer, kNow), fresh);
    }

    // A stored time from a damaged or hand-edited file.
    void extremeStoredTimes_areNotFresh()
    {
        StoredAnswer answer;
        answer.found = true;
        answer.storedAt = std::numeric_limits<qint64>::min();
        QVERIFY(!IsFresh(answer, kNow));
        answer.storedAt = std::numeric_limits<qint64>::max();
        QVERIFY(!IsFresh(answer, kNow));
        answer.storedAt = 0; // never set
        QVERIFY(!IsFresh(answer, kNow));
    }
};

QTEST_GUILESS_MAIN(TestAnswerFreshness)
#include "tst_answerfreshness.moc"
