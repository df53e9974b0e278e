#include "lookup/UpcItemDbSource.h"
#include "support/SourceAnswerText.h"

#include <QTest>

class TestUpcItemDbSource : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void request_asksTheCheckedCodeOnly()
    {
        const UpcItemDbSource source(QStringLiteral("http://127.0.0.1:1/"));
        const CheckedCode checked = CheckCode(u" 0360-0029 1452 ");
        QVERIFY(source.takes(checked));
        QCOMPARE(source.request(QStringLiteral("x&upc=1"), checked).url,
                 QUrl(QStringLiteral("http://127.0.0.1:1/prod/trial/lookup?upc=036000291452")));
        QVERIFY(!source.takes(CheckCode(u"036000291453")));
        QVERIFY(source.request(QString(), CheckCode(u"036000291453")).url.isEmpty());
        QCOMPARE(source.perMinute(), 60);
    }

    void read_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("headers");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("answer");

        const QByteArray found = R"({"code":"OK","total":1,"offset":0,"items":[{"ean":
            "0885909950805","title":"Phone 6, Space Gray ","brand":"Pear","model":"MG5A2LL/A",
            "offers":[]}]})";
        QTest::newRow("found") << 200 << QByteArray("X-RateLimit-Remaining: 99") << found
                               << "found: Phone 6, Space Gray, Pear";
        QTest::newRow("found as the last of the day")
            << 200 << QByteArray("x-ratelimit-remaining: 0\nX-RateLimit-Reset: 1700000000") << found
            << "found: Phone 6, Space Gray, Pear until 1700000000";
        QTest::newRow("without brand")
            << 200 << QByteArray() << QByteArray(R"({"code":"OK","items":[{"title":"Cable"}]})")
            << "found: Cable";
        QTest::newRow("no items") << 200 << QByteArray()
                                  << QByteArray(R"({"code":"OK","total":0,"offset":0,"items":[]})")
                                  << "not found";
        QTest::newRow("NOT_FOUND")
            << 404 << QByteArray() << QByteArray(R"({"code":"NOT_FOUND","message":"No match"})")
            << "not found";
        QTest::newRow("daily limit")
            << 429 << QByteArray("X-RateLimit-Remaining: 0\nX-RateLimit-Reset: 1700000456")
            << QByteArray(R"({"code":"EXCEED_LIMIT","message":"Exceed the daily limit"})")
            << "failed: daily limit reached until 1700000456";
        QTest::newRow("daily limit, reset from Date and Retry-After")
            << 429 << QByteArray("Date: Tue, 14 Nov 2023 22:13:20 GMT\nRetry-After: 3600")
            << QByteArray(R"({"code":"EXCEED_LIMIT"})")
            << "failed: daily limit reached until 1700003600";
        QTest::newRow("daily limit, no time given")
            << 429 << QByteArray() << QByteArray(R"({"code":"EXCEED_LIMIT"})")
            << "failed: daily limit reached";
        QTest::newRow("too fast is busy")
            << 429 << QByteArray() << QByteArray(R"({"code":"TOO_FAST"})")
            << "failed: HTTP 429 (busy)";
        QTest::newRow("bad query")
            << 400 << QByteArray() << QByteArray(R"({"code":"INVALID_QUERY"})")
            << "failed: HTTP 400";
        QTest::newRow("HTML") << 200 << QByteArray() << QByteArray("<html/>") << "failed: not JSON";
        QTest::newRow("malformed")
            << 200 << QByteArray() << QByteArray(R"({"items":[)") << "failed: malformed JSON";
        QTest::newRow("empty") << 200 << QByteArray() << QByteArray() << "failed: empty answer";
        QTest::newRow("items not a list")
            << 200 << QByteArray() << QByteArray(R"({"code":"OK","items":{}})")
            << "failed: unexpected answer";
        QTest::newRow("remaining 0 with an unreadable reset")
            << 200 << QByteArray("X-RateLimit-Remaining: 0\nX-RateLimit-Reset: soon")
            << QByteArray(R"({"items":[{"title":"Cable"}]})") << "found: Cable";
    }
    void read()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, headers);
        QFETCH(QByteArray, body);
        QFETCH(QString, answer);
        const UpcItemDbSource source(QStringLiteral("http://127.0.0.1:1"));
        QCOMPARE(AnswerText(source.read(Response(status, body, headers), QString())), answer);
    }
};

QTEST_GUILESS_MAIN(TestUpcItemDbSource)
#include "tst_upcitemdbsource.moc"
