// The sample service's stand-ins for the open product databases, asked over HTTP on 127.0.0.1:
// each API's answers, its limits, the faults and the log, where a wrong shape would otherwise
// only show as a puzzling failure in the suites that rely on them.
#include "SampleServiceProcess.h"

#include <QDateTime>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTest>
#include <QThread>
#include <QTimeZone>

namespace {
const QByteArray kAgent = "Quillfen-Test/1.0 (stand-ins)";

struct Answer
{
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    int status = 0;
    QByteArray body;
    QList<QNetworkReply::RawHeaderPair> headers;
    QUrl url; // where the answer came from

    QByteArray header(QByteArrayView name) const
    {
        for (const auto& [key, value] : headers)
            if (key.compare(name, Qt::CaseInsensitive) == 0)
                return value;
        return {};
    }
    bool hasHeader(QByteArrayView name) const
    {
        for (const auto& pair : headers)
            if (pair.first.compare(name, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    }
};

// The JSON in a canonical form, for comparing with what a test expects; the text itself when
// it is not JSON.
QByteArray Canonical(const QByteArray& json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    return document.isNull() ? json : document.toJson(QJsonDocument::Compact);
}

class Client
{
public:
    explicit Client(const SampleServiceProcess& service)
        : m_base(service.baseUrl())
    {}

    Answer get(const QString& pathAndQuery) { return get(QUrl(m_base + pathAndQuery)); }

    // Follows redirections itself: when Qt 6.4 follows one, it now and then sends the request
    // that was redirected a second time, on a new connection, if the answers come back as fast
    // as they do here (a plain Python server sees the same); that would muddle the log this
    // suite checks.
    Answer follow(const QString& pathAndQuery)
    {
        Answer answer = get(pathAndQuery);
        for (int hops = 0; answer.status == 302 && hops < 3; ++hops)
            answer = get(answer.url.resolved(QUrl(QString::fromUtf8(answer.header("Location")))));
        return answer;
    }

private:
    Answer get(const QUrl& url)
    {
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::ManualRedirectPolicy);
        request.setRawHeader("User-Agent", kAgent);
        request.setTransferTimeout(10'000);
        QNetworkReply* const reply = m_manager.get(request);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        Answer answer{reply->error(),
                      reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                      reply->readAll(), reply->rawHeaderPairs(), reply->url()};
        reply->deleteLater();
        return answer;
    }

    QString m_base;
    QNetworkAccessManager m_manager;
};

#define START_SERVICE(service, ...)                                                                \
    SampleServiceProcess service;                                                                  \
    QVERIFY2(service.start(QStringList{__VA_ARGS__}), qPrintable(service.errorString()))
} // namespace

class TestSampleStandIns : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answer_hasTheApisShape_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("request");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body"); // or, for a redirection, where it leads

        const QByteArray notFound =
            R"({"code":"0823564706221","status":0,"status_verbose":"product not found"})";
        QTest::newRow("Open Food Facts: the fields asked for")
            << QStringList{} << "/api/v2/product/3800123400018?fields=product_name,brands,nope"
            << 200
            << QByteArray(R"({"code":"3800123400018","status":1,"status_verbose":"product found",
                 "product":{"product_name":"Hazelnut Cocoa Spread",
                            "brands":"Hazel Grove, Morrow Foods"}})");
        QTest::newRow("Open Food Facts: a UPC-A by its 12 digits")
            << QStringList{} << "/api/v2/product/062751038817?fields=code,product_name" << 200
            << QByteArray(R"({"code":"0062751038817","status":1,"status_verbose":"product found",
                 "product":{"code":"0062751038817","product_name":"Maple Pecan Granola"}})");
        QTest::newRow("Open Food Facts: unknown code")
            << QStringList{} << "/api/v2/product/0823564706221?product_type=all" << 404 << notFound;
        QTest::newRow("Open Food Facts: a beauty product, every type allowed")
            << QStringList{} << "/api/v2/product/3760145622082?fields=brands&product_type=all"
            << 302
            << QByteArray("/beauty/api/v2/product/3760145622082?fields=brands&product_type=all");
        QTest::newRow("Open Food Facts: a beauty product, food only")
            << QStringList{} << "/api/v2/product/3760145622082" << 404
            << QByteArray(
                   R"({"code":"3760145622082","status":0,"status_verbose":"product not found"})");
        QTest::newRow("Open Beauty Facts: a food product, every type allowed")
            << QStringList{} << "/beauty/api/v2/product/40172637?product_type=all" << 302
            << QByteArray("/api/v2/product/40172637?product_type=all");
        QTest::newRow("Open Food Facts v3: found")
            << QStringList{} << "/api/v3/product/40172637?fields=product_name" << 200
            << QByteArray(R"({"code":"40172637","errors":[],"warnings":[],"status":"success",
                 "product":{"product_name":"Mint Drops"},
                 "result":{"id":"product_found","name":"Product found","lc_name":"Product found"}})");
        QTest::newRow("Open Food Facts v3: a beauty product, every type allowed")
            << QStringList{} << "/api/v3/product/3760145622082?fields=brands&product_type=all"
            << 302
            << QByteArray("/beauty/api/v3/product/3760145622082?fields=brands&product_type=all");
        QTest::newRow("Open Food Facts v2, the current shape as a fault: not found")
            << QStringList{"--fault", "openfoodfacts:*=result-shape"}
            << "/api/v2/product/0823564706221" << 404
            << QByteArray(R"({"code":"0823564706221","status":"failure","warnings":[],
                 "errors":[{"field":{"id":"code","value":"0823564706221"},
                    "impact":{"id":"failure","name":"Failure","lc_name":"Failure"},
                    "message":{"id":"product_not_found","name":"Product not found",
                               "lc_name":"Product not found"}}],
                 "result":{"id":"product_not_found","name":"Product not found",
                           "lc_name":"Product not found"}})");
        QTest::newRow("Open Library: ISBN-13") << QStringList{} << "/isbn/9781854627315.json" << 302
                                               << QByteArray("/books/OL31000002M.json");
        QTest::newRow("Open Library: ISBN-10 ending in X")
            << QStringList{} << "/isbn/192837462X.json" << 302
            << QByteArray("/books/OL31000001M.json");
        QTest::newRow("Open Library: unknown ISBN")
            << QStringList{} << "/isbn/9780000000002.json" << 404
            << QByteArray(R"({"error":"notfound","key":"/isbn/9780000000002"})");
        QTest::newRow("Open Library: the edition")
            << QStringList{} << "/books/OL31000002M.json" << 200
            << QByteArray(R"({"key":"/books/OL31000002M","title":"Tides of Ember Bay",
                 "subtitle":"A Coastal Cookbook","isbn_13":["9781854627315"],
                 "isbn_10":["1854627317"],"publishers":["Saltmarsh Books"],
                 "publish_date":"March 2019","number_of_pages":240,
                 "type":{"key":"/type/edition"},"covers":[1002]})");
        QTest::newRow("UPCitemdb: found")
            << QStringList{} << "/prod/trial/lookup?upc=084729563107" << 200
            << QByteArray(R"({"code":"OK","total":1,"offset":0,"items":[{"ean":"0084729563107",
                 "upc":"084729563107","title":"Brightline LED Desk Lamp with USB Port",
                 "brand":"Brightline","category":"Home & Garden > Lighting","images":[]}]})");
        QTest::newRow("UPCitemdb: not found")
            << QStringList{} << "/prod/trial/lookup?upc=0823564706221" << 200
            << QByteArray(R"({"code":"OK","total":0,"offset":0,"items":[]})");
        QTest::newRow("UPCitemdb: not found, as NOT_FOUND")
            << QStringList{"--fault", "upcitemdb:*=not-found-code"}
            << "/prod/trial/lookup?upc=0823564706221" << 404
            << QByteArray(R"({"code":"NOT_FOUND","message":"no match was found"})");
        QTest::newRow("UPCitemdb: no code")
            << QStringList{} << "/prod/trial/lookup?upc=" << 400
            << QByteArray(R"({"code":"INVALID_QUERY","message":"missing required parameters"})");
    }
    void answer_hasTheApisShape()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, request);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        START_SERVICE(service, options);
        Client client(service);
        const Answer answer = client.get(request);
        QCOMPARE(answer.status, status);
        if (status == 302) {
            QVERIFY(answer.body.isEmpty());
            const QUrl location(QString::fromUtf8(answer.header("Location")));
            // Open Food Facts names the sibling's host; here that is this one, on this port.
            const QUrl expected = QUrl(service.baseUrl()).resolved(QUrl(QString::fromUtf8(body)));
            QCOMPARE(QUrl(service.baseUrl()).resolved(location), expected);
            return;
        }
        QCOMPARE(answer.header("Content-Type"), "application/json; charset=utf-8");
        QCOMPARE(Canonical(answer.body), Canonical(body));
    }

    void redirections_followed_endAtTheRecord()
    {
        START_SERVICE(service, "--log-queries");
        Client client(service);
        const Answer pet =
            client.follow(QStringLiteral("/api/v2/product/5417839201167?fields=product_name&"
                                         "product_type=all"));
        QCOMPARE(pet.status, 200);
        QCOMPARE(pet.url.path(), "/petfood/api/v2/product/5417839201167");
        QCOMPARE(Canonical(pet.body),
                 Canonical(R"({"code":"5417839201167","status":1,"status_verbose":"product found",
                               "product":{"product_name":"Salmon Cat Kibble"}})"));
        const Answer book = client.follow(QStringLiteral("/isbn/979-10-95231-86-8.json"));
        QCOMPARE(book.status, 200);
        const QJsonObject edition = QJsonDocument::fromJson(book.body).object();
        QCOMPARE(edition.value(u"key").toString(), "/books/OL31000004M");
        QCOMPARE(edition.value(u"title").toString(), "Le Jardin des Heures");
        QCOMPARE(edition.value(u"subtitle").toString(), "Roman");

        QStringList seen;
        qint64 previousMs = 0;
        for (const SampleServiceProcess::Arrival& arrival : service.arrivals()) {
            seen.append(arrival.api + u' ' + QString::fromUtf8(arrival.target));
            QCOMPARE(arrival.userAgent, kAgent);
            QVERIFY(arrival.ms >= previousMs);
            previousMs = arrival.ms;
        }
        QCOMPARE(
            seen,
            (QStringList{
                "openfoodfacts /api/v2/product/5417839201167?fields=product_name&product_type=all",
                "openpetfoodfacts /petfood/api/v2/product/5417839201167?fields=product_name&"
                "product_type=all",
                "openlibrary /isbn/979-10-95231-86-8.json",
                "openlibrary /books/OL31000004M.json"}));
        // The page service's own log is unchanged by them.
        QVERIFY(service.queries().isEmpty());
    }

    void upcitemdb_countsDownItsDailyAllowance()
    {
        START_SERVICE(service, "--upcitemdb-daily", "2");
        Client client(service);
        const qint64 before = QDateTime::currentSecsSinceEpoch();
        const Answer first = client.get(QStringLiteral("/prod/trial/lookup?upc=031604829575"));
        const Answer second = client.get(QStringLiteral("/prod/trial/lookup?upc=0823564706221"));
        const Answer refused = client.get(QStringLiteral("/prod/trial/lookup?upc=031604829575"));
        QCOMPARE(first.status, 200);
        QCOMPARE(second.status, 200);
        QCOMPARE(refused.status, 429);
        QCOMPARE(first.header("X-RateLimit-Limit"), "2");
        QCOMPARE(first.header("X-RateLimit-Remaining"), "1");
        QCOMPARE(second.header("X-RateLimit-Remaining"), "0");
        QCOMPARE(refused.header("X-RateLimit-Remaining"), "0");
        const qint64 reset = first.header("X-RateLimit-Reset").toLongLong();
        QVERIFY(reset >= before + 86400 - 5 && reset <= before + 86400 + 5);
        QCOMPARE(refused.header("X-RateLimit-Reset").toLongLong(), reset);
        QCOMPARE(Canonical(refused.body), Canonical(R"({"code":"EXCEED_LIMIT",
                               "message":"exceeded the daily limit of requests"})"));
        // Retry-After counts down to the reset, as the API's does.
        const qint64 retryAfter = refused.header("Retry-After").toLongLong();
        QVERIFY2(qAbs(before + retryAfter - reset) <= 5, refused.header("Retry-After").constData());
    }

    void upcitemdb_newDay_bringsTheAllowanceBack()
    {
        START_SERVICE(service, "--upcitemdb-daily", "1", "--upcitemdb-day-seconds", "1");
        Client client(service);
        const QString lookup = QStringLiteral("/prod/trial/lookup?upc=044187352606");
        QCOMPARE(client.get(lookup).status, 200);
        Answer answer = client.get(lookup);
        if (answer.status == 200) // the one-second day ended between the two
            answer = client.get(lookup);
        QCOMPARE(answer.status, 429);
        QThread::sleep(answer.header("Retry-After").toULong());
        answer = client.get(lookup);
        QCOMPARE(answer.status, 200);
        QCOMPARE(answer.header("X-RateLimit-Remaining"), "0");
    }

    void fault_answersInsteadOfTheApi_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("request");
        QTest::addColumn<QNetworkReply::NetworkError>("error");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("retryAfter"); // "date": an HTTP date; empty: none

        const QString product = QStringLiteral("/api/v2/product/3800123400018");
        const QString lookup = QStringLiteral("/prod/trial/lookup?upc=058392017465");
        const auto noError = QNetworkReply::NoError;
        QTest::newRow("429 without Retry-After")
            << "3800123400018=status:429" << product << QNetworkReply::UnknownContentError << 429
            << QByteArray();
        QTest::newRow("429 with Retry-After in seconds")
            << "3800123400018=status:429,retry-after:7" << product
            << QNetworkReply::UnknownContentError << 429 << QByteArray("7");
        QTest::newRow("429 with Retry-After as a date")
            << "*=status:429,retry-after-date:120" << lookup << QNetworkReply::UnknownContentError
            << 429 << QByteArray("date");
        QTest::newRow("503 without Retry-After")
            << "upcitemdb:*=status:503" << lookup << QNetworkReply::ServiceUnavailableError << 503
            << QByteArray();
        QTest::newRow("503 with Retry-After")
            << "openfoodfacts:3800123400018=status:503,retry-after:2" << product
            << QNetworkReply::ServiceUnavailableError << 503 << QByteArray("2");
        QTest::newRow("another API's fault leaves this one alone")
            << "upcitemdb:*=status:503" << product << noError << 200 << QByteArray();
        QTest::newRow("connection closed before the answer")
            << "openlibrary:*=close-before-answer"
            << "/isbn/9781854627315.json" << QNetworkReply::RemoteHostClosedError << 0
            << QByteArray();
        QTest::newRow("connection reset")
            << "058392017465=reset" << lookup << QNetworkReply::RemoteHostClosedError << 0
            << QByteArray();
    }
    void fault_answersInsteadOfTheApi()
    {
        QFETCH(QString, fault);
        QFETCH(QString, request);
        QFETCH(QByteArray, retryAfter);
        START_SERVICE(service, "--fault", fault);
        Client client(service);
        const Answer answer = client.get(request);
        QTEST(answer.error, "error");
        QTEST(answer.status, "status");
        if (retryAfter.isEmpty()) {
            QVERIFY(!answer.hasHeader("Retry-After"));
        } else if (retryAfter == "date") {
            QDateTime when =
                QLocale::c().toDateTime(QString::fromLatin1(answer.header("Retry-After")),
                                        QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"));
            QVERIFY2(when.isValid(), answer.header("Retry-After").constData());
            when.setTimeZone(QTimeZone::utc());
            const qint64 ahead = when.toSecsSinceEpoch() - QDateTime::currentSecsSinceEpoch();
            QVERIFY2(qAbs(ahead - 120) <= 5, answer.header("Retry-After").constData());
        } else {
            QCOMPARE(answer.header("Retry-After"), retryAfter);
        }
    }

    void fault_bodyThatIsNotTheApisJson()
    {
        START_SERVICE(service, "--fault", "openlibrary:*=html", "--fault",
                      "upcitemdb:*=malformed-json");
        Client client(service);
        const Answer page = client.get(QStringLiteral("/books/OL31000001M.json"));
        QCOMPARE(page.status, 200);
        QVERIFY(page.header("Content-Type").startsWith("text/html"));
        QVERIFY(page.body.startsWith("<!DOCTYPE html>"));
        const Answer cut = client.get(QStringLiteral("/prod/trial/lookup?upc=058392017465"));
        QCOMPARE(cut.status, 200);
        QCOMPARE(cut.header("Content-Type"), "application/json; charset=utf-8");
        QJsonParseError error;
        QJsonDocument::fromJson(cut.body, &error);
        QVERIFY(error.error != QJsonParseError::NoError);
        QVERIFY(cut.body.startsWith("{\"code\":\"OK\""));
    }

    void fault_firstRequestsOnly_thenTheAnswer()
    {
        START_SERVICE(service, "--fault", "3800123400018=status:503,retry-after:1,first:2",
                      "--fault", "openlibrary:*=html,first:1");
        Client client(service);
        const QString product = QStringLiteral("/api/v2/product/3800123400018");
        QCOMPARE(client.get(product).status, 503);
        // Each API counts its own requests for the code.
        QCOMPARE(client.get(QStringLiteral("/prod/trial/lookup?upc=3800123400018")).status, 503);
        QCOMPARE(client.get(product).status, 503);
        const Answer third = client.get(product);
        QCOMPARE(third.status, 200);
        QVERIFY(!third.hasHeader("Retry-After"));
        QCOMPARE(client.get(QStringLiteral("/prod/trial/lookup?upc=3800123400018")).status, 503);
        QCOMPARE(client.get(QStringLiteral("/prod/trial/lookup?upc=3800123400018")).status, 200);

        const QString isbn = QStringLiteral("/isbn/9781854627315.json");
        QVERIFY(client.get(isbn).header("Content-Type").startsWith("text/html"));
        QCOMPARE(client.get(isbn).status, 302);
        // Another code has its own first request.
        QVERIFY(client.get(QStringLiteral("/isbn/9780331290844.json"))
                    .header("Content-Type")
                    .startsWith("text/html"));
    }

    void perMinute_refusesTheOverflowUntilTheWindowFreesUp()
    {
        START_SERVICE(service, "--per-minute", "upcitemdb=2", "--per-minute", "3", "--window-ms",
                      "2500", "--log-queries");
        Client client(service);
        const QString lookup = QStringLiteral("/prod/trial/lookup?upc=058392017465");
        QCOMPARE(client.get(lookup).status, 200);
        QCOMPARE(client.get(lookup).status, 200);
        const Answer refused = client.get(lookup);
        // Open Library has a window of its own, with the limit for every other API.
        for (int i = 0; i < 3; ++i)
            QCOMPARE(client.get(QStringLiteral("/isbn/9781854627315.json")).status, 302);
        const Answer pageRefused = client.get(QStringLiteral("/books/OL31000002M.json"));

        QCOMPARE(refused.status, 429);
        QCOMPARE(
            Canonical(refused.body),
            Canonical(R"({"code":"TOO_FAST","message":"the rate limit was exceeded, slow down"})"));
        // A refusal does not use up the daily allowance.
        QCOMPARE(refused.header("X-RateLimit-Remaining"), "98");
        QCOMPARE(pageRefused.status, 429);
        QVERIFY(pageRefused.header("Content-Type").startsWith("text/html"));

        // It says when the oldest request leaves the window, rounded up to whole seconds.
        const QList<SampleServiceProcess::Arrival> arrivals = service.arrivals();
        QCOMPARE(arrivals.size(), 7);
        const qint64 freesAfterMs = arrivals[0].ms + 2500 - arrivals[2].ms;
        const qint64 retryAfter = refused.header("Retry-After").toLongLong();
        QCOMPARE(retryAfter, std::max<qint64>(1, (freesAfterMs + 999) / 1000));
        QThread::msleep(ulong(retryAfter * 1000));
        QCOMPARE(client.get(lookup).status, 200);
    }
};

QTEST_GUILESS_MAIN(TestSampleStandIns)
#include "tst_samplestandins.moc"
