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

        QTest::newRow("ISBN-13")
            << "978-0-306-40615-7"
            << "http://127.0.0.1:1/ol/api/books?bibkeys=ISBN:9780306406157&jscmd=data&format=json";
        QTest::newRow("ISBN-10 as its 978 form")
            << "080442957x"
            << "http://127.0.0.1:1/ol/api/books?bibkeys=ISBN:9780804429573&jscmd=data&format=json";
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

        QTest::newRow("title and subtitle")
            << 200 << QByteArray(R"({"ISBN:9780306406157":{"key":"/books/OL7353617M","title":
            "Fantastic Mr. Fox ","subtitle":" a story","publishers":[{"name":"Puffin"}]}})")
            << "found: Fantastic Mr. Fox: a story";
        QTest::newRow("title alone") << 200 << QByteArray(R"({"ISBN:9780306406157":{"title":"Dune",
            "subtitle":"  "}})") << "found: Dune";
        QTest::newRow("subtitle alone")
            << 200 << QByteArray(R"({"ISBN:9780306406157":{"title":"","subtitle":"Notes"}})")
            << "found: Notes";
        QTest::newRow("left out of the answer") << 200 << QByteArray("{}") << "not found";
        QTest::newRow("another book only")
            << 200 << QByteArray(R"({"ISBN:9780140328721":{"title":"Other"}})") << "not found";
        QTest::newRow("404 page") << 404 << QByteArray("<html>Not Found</html>")
                                  << "failed: HTTP 404";
        QTest::newRow("no title") << 200
                                  << QByteArray(R"({"ISBN:9780306406157":{"key":"/books/OL1M"}})")
                                  << "failed: no title in answer";
        QTest::newRow("not an object")
            << 200 << QByteArray(R"({"ISBN:9780306406157":[1]})") << "failed: unexpected answer";
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
        QCOMPARE(AnswerText(source.read(Response(status, body), QStringLiteral("9780306406157"))),
                 answer);
    }

    void readBatch_answersEveryBookInTheOrderAsked()
    {
        const OpenLibrarySource source(QStringLiteral("http://127.0.0.1:1"), 60,
                                       QStringLiteral("https://covers.test"));
        const QList<CheckedCode> books{CheckCode(u"9780306406157"), CheckCode(u"9780140328721")};
        const QList<SourceAnswer> answers = source.readBatch(
            Response(200,
                     "{\"ISBN:9780140328721\":{\"title\":\"Matilda\",\"cover\":"
                     "{\"medium\":\"https:\\/\\/covers.openlibrary.org/b/id/8739161-M.jpg\"}}}"),
            books);
        QCOMPARE(answers.size(), 2);
        QCOMPARE(AnswerText(answers[0]), QStringLiteral("not found"));
        QCOMPARE(AnswerText(answers[1]), QStringLiteral("found: Matilda"));
        QCOMPARE(answers[1].product.details.imageUrl,
                 QStringLiteral("https://covers.test/b/id/8739161-M.jpg?default=false"));
        QCOMPARE(source.batchRequest(books).url.query(),
                 QStringLiteral("bibkeys=ISBN:9780306406157,ISBN:9780140328721&jscmd=data&"
                                "format=json"));
    }
};

QTEST_GUILESS_MAIN(TestOpenLibrarySource)
#include "tst_openlibrarysource.moc"
