#include "lookup/OpenLibrarySource.h"
#include "support/SourceAnswerText.h"

#include <QTest>

class TestOpenLibrarySource : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void request_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("url"); // empty: not asked

        QTest::newRow("ISBN-13") << "978-0-306-40615-7"
                                 << "http://127.0.0.1:1/ol/isbn/9780306406157.json";
        QTest::newRow("ISBN-10 as its 978 form") << "080442957x"
                                                 << "http://127.0.0.1:1/ol/isbn/9780804429573.json";
        QTest::newRow("an EAN that is no book") << "4006381333931"
                                                << "";
        QTest::newRow("a book code that failed its checks") << "9780306406150"
                                                            << "";
    }
    void request()
    {
        QFETCH(QString, typed);
        QFETCH(QString, url);
        const OpenLibrarySource source(QStringLiteral("http://127.0.0.1:1/ol/"));
        const CheckedCode checked = CheckCode(typed);
        QCOMPARE(source.takes(checked), !url.isEmpty());
        const SourceRequest request = source.request(typed, checked);
        QCOMPARE(request.url.toString(QUrl::FullyEncoded), url);
        QCOMPARE(request.maxRedirects, url.isEmpty() ? 0 : 3);
        QCOMPARE(source.perMinute(), 60);
    }

    void read_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("answer");

        QTest::newRow("title and subtitle, redirect already followed")
            << 200 << QByteArray(R"({"key":"/books/OL7353617M","title":"Fantastic Mr. Fox ",
            "subtitle":" a story","isbn_13":["9780140328721"],"publishers":["Puffin"]})")
            << "found: Fantastic Mr. Fox: a story";
        QTest::newRow("title alone")
            << 200 << QByteArray(R"({"title":"Dune","subtitle":"  "})") << "found: Dune";
        QTest::newRow("subtitle alone")
            << 200 << QByteArray(R"({"title":"","subtitle":"Notes"})") << "found: Notes";
        QTest::newRow("404 with JSON")
            << 404 << QByteArray(R"({"error":"notfound","key":"/isbn/9780306406157"})")
            << "not found";
        QTest::newRow("404 page") << 404 << QByteArray("<html>Not Found</html>") << "not found";
        QTest::newRow("no title") << 200 << QByteArray(R"({"key":"/books/OL1M"})")
                                  << "failed: no title in answer";
        QTest::newRow("429 busy") << 429 << QByteArray() << "failed: HTTP 429 (busy)";
        QTest::newRow("503 busy") << 503 << QByteArray("<html/>") << "failed: HTTP 503 (busy)";
        QTest::newRow("HTML") << 200 << QByteArray("<html>Maintenance</html>")
                              << "failed: not JSON";
        QTest::newRow("malformed") << 200 << QByteArray(R"({"title":)") << "failed: malformed JSON";
        QTest::newRow("empty") << 200 << QByteArray() << "failed: empty answer";
    }
    void read()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, answer);
        const OpenLibrarySource source(QStringLiteral("http://127.0.0.1:1"));
        QCOMPARE(AnswerText(source.read(Response(status, body), QString())), answer);
    }
};

QTEST_GUILESS_MAIN(TestOpenLibrarySource)
#include "tst_openlibrarysource.moc"
