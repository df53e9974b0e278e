#include "lookup/Politeness.h"

#include <QTest>

#include <cmath>

namespace {
const QDateTime kNow = QDateTime::fromMSecsSinceEpoch(1'700'000'000'400, Qt::UTC); // 22:13:20.4
}

class TestPoliteness : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parseRetryAfter_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<qint64>("seconds"); // -1: not understood

        QTest::newRow("seconds") << QByteArray("120") << qint64(120);
        QTest::newRow("huge number held at 2^31")
            << QByteArray("99999999999999999999999") << (qint64(1) << 31);
        QTest::newRow("IMF-fixdate, rounded up")
            << QByteArray("Tue, 14 Nov 2023 22:14:20 GMT") << qint64(60);
        QTest::newRow("RFC 850 form")
            << QByteArray("Tuesday, 14-Nov-23 22:14:20 GMT") << qint64(60);
        QTest::newRow("asctime form") << QByteArray("Tue Nov 14 22:14:20 2023") << qint64(60);
        QTest::newRow("asctime, one-digit day")
            << QByteArray("Wed Nov  1 00:00:00 2023") << qint64(0);
        QTest::newRow("names in any case")
            << QByteArray("TUE, 14 nov 2023 22:14:20 GMT") << qint64(60);
        QTest::newRow("date past") << QByteArray("Sun, 06 Nov 1994 08:49:37 GMT") << qint64(0);
        QTest::newRow("leap second")
            << QByteArray("Tue, 14 Nov 2023 22:13:60 GMT") << qint64(40); // 22:14:00

        QTest::newRow("empty") << QByteArray("") << qint64(-1);
        QTest::newRow("negative") << QByteArray("-5") << qint64(-1);
        QTest::newRow("word") << QByteArray("soon") << qint64(-1);
        QTest::newRow("no GMT") << QByteArray("Tue, 14 Nov 2023 22:14:20") << qint64(-1);
        QTest::newRow("something after")
            << QByteArray("Tue, 14 Nov 2023 22:14:20 GMT x") << qint64(-1);
        QTest::newRow("no such day") << QByteArray("Thu, 31 Nov 2023 22:14:20 GMT") << qint64(-1);
        QTest::newRow("hour 24") << QByteArray("Tue, 14 Nov 2023 24:00:00 GMT") << qint64(-1);
        QTest::newRow("long day name, short form")
            << QByteArray("Tuesday, 14 Nov 2023 22:14:20 GMT") << qint64(-1);
    }
    void parseRetryAfter()
    {
        QFETCH(QByteArray, value);
        QFETCH(qint64, seconds);
        const auto wait = ParseRetryAfter(value, kNow);
        QCOMPARE(wait.has_value(), seconds >= 0);
        if (wait)
            QCOMPARE(qint64(wait->count()), seconds);
    }

    void twoDigitYears_atMostFiftyYearsAhead()
    {
        const auto year = [](const char* date, const QDateTime& reference) {
            const auto parsed = ParseHttpDate(date, reference);
            return parsed ? parsed->date().year() : 0;
        };
        QCOMPARE(year("Sunday, 06-Nov-94 08:49:37 GMT", kNow), 1994);
        QCOMPARE(year("Monday, 01-Jan-73 00:00:00 GMT", kNow), 2073);
        QCOMPARE(year("Tuesday, 01-Jan-74 00:00:00 GMT", kNow), 1974);
        QCOMPARE(year("Tuesday, 01-Jan-74 00:00:00 GMT", QDateTime()), 1974);
        QCOMPARE(year("Sunday, 01-Jan-69 00:00:00 GMT", QDateTime()), 2069);
    }

    void retryWait_data()
    {
        QTest::addColumn<int>("retry");
        QTest::addColumn<int>("retryAfter"); // seconds, -1: none
        QTest::addColumn<double>("jitter");
        QTest::addColumn<qint64>("ms");

        QTest::newRow("first") << 1 << -1 << 0.5 << qint64(2000);
        QTest::newRow("second") << 2 << -1 << 0.5 << qint64(4000);
        QTest::newRow("third") << 3 << -1 << 0.5 << qint64(8000);
        QTest::newRow("10% shorter") << 1 << -1 << 0.0 << qint64(1800);
        QTest::newRow("10% longer") << 3 << -1 << 1.0 << qint64(8800);
        QTest::newRow("jitter not a number") << 1 << -1 << std::nan("") << qint64(1800);
        QTest::newRow("capped at two minutes") << 7 << -1 << 1.0 << qint64(120'000);
        QTest::newRow("capped, then shorter") << 30 << -1 << 0.0 << qint64(108'000);
        QTest::newRow("Retry-After, no jitter") << 1 << 30 << 0.0 << qint64(30'000);
        QTest::newRow("Retry-After capped at five minutes") << 1 << 3600 << 0.5 << qint64(300'000);
    }
    void retryWait()
    {
        QFETCH(int, retry);
        QFETCH(int, retryAfter);
        QFETCH(double, jitter);
        QFETCH(qint64, ms);
        const auto after =
            retryAfter < 0 ? std::nullopt : std::optional(std::chrono::seconds(retryAfter));
        QCOMPARE(qint64(RetryWait(retry, after, jitter).count()), ms);
    }
};

QTEST_GUILESS_MAIN(TestPoliteness)
#include "tst_politeness.moc"
