// Sources described in files: the file's checks, the requests made from its templates, the
// answers read through its pointers, and how the chain keeps its allowance and its key.
#include "fakes/FakeAnswerStore.h"
#include "fakes/FakePlatform.h"
#include "lookup/JsonFileSource.h"
#include "lookup/LookupChain.h"
#include "support/SourceAnswerText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

class TestJsonFileSource : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void file_refused_data();
    void file_refused();
    void request_followsTheTemplates_data();
    void request_followsTheTemplates();
    void read_data();
    void read();
    void read_picture_data();
    void read_picture();
    void read_description_cutToAFewParagraphs();
    void chain_keepsTheDailyAllowanceAndTheKeyToItsHost();
    void chain_refusesARedirectFromHttpsToHttp();
};

namespace {

// The manual's example (docs/sources.md), as every case starts from it.
const QByteArray kAcme = R"({
  "name": "acme", "displayName": "Acme Product API", "takes": "all",
  "request": {"url": "https://api.acme.example/v1/items?ean={gtin13}&key={key}",
              "method": "GET", "headers": {"Accept": "application/json"}},
  "answer": {"results": "/items", "match": "/ean", "name": "/title", "brand": "/brand",
             "quantity": "/size", "categories": "/category", "picture": "/images/0",
             "page": "/link", "description": "/description"},
  "notFound": {"statuses": [404], "emptyResults": true},
  "perMinute": 60, "perDay": 1000, "rememberDays": {"found": 30, "notFound": 7},
  "licence": "Answers from Acme, under Acme's terms of use"})";

// The example with one field ("request.url") set to a JSON value, or removed when it is empty.
QByteArray Changed(const QString& field, const QByteArray& value)
{
    const QStringList path = field.split(u'.');
    const std::function<QJsonObject(QJsonObject, int)> change = [&](QJsonObject object, int at) {
        if (at + 1 < path.size())
            object.insert(path[at], change(object.value(path[at]).toObject(), at + 1));
        else if (value.isEmpty())
            object.remove(path[at]);
        else
            object.insert(path[at], QJsonDocument::fromJson("[" + value + "]").array().first());
        return object;
    };
    return QJsonDocument(change(QJsonDocument::fromJson(kAcme).object(), 0)).toJson();
}

SourceDescription Described(const QByteArray& content)
{
    auto read = ReadSourceFile(QStringLiteral("acme.json"), content);
    if (const QString* refused = std::get_if<QString>(&read))
        qFatal("refused: %s", qPrintable(*refused));
    return std::get<SourceDescription>(std::move(read));
}

JsonFileSource Acme(const QByteArray& content = kAcme,
                    std::optional<QString> key = QStringLiteral("s3cr3t"))
{
    return JsonFileSource(Described(content), [key] { return SourceKey{key, {}}; });
}

} // namespace

void TestJsonFileSource::file_refused_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* field, const char* value, const char* message) {
        QTest::addRow("%s = %s", field, value)
            << QString::fromLatin1(field) << QByteArray(value)
            << QStringLiteral("acme.json: ") + QString::fromUtf8(message);
    };
    row("answer.name", R"("title")", "answer.name: not a JSON pointer");
    row("answer.brand", R"("/a~2")", "answer.brand: not a JSON pointer");
    row("answer.name", "", "answer.name: missing");
    row("answer.colour", R"("/c")", "answer.colour: unknown field");
    row("name", R"("Acme")", "name: lower-case letters and digits only");
    row("displayName", R"("")", "displayName: empty");
    row("takes", R"(["EAN-13", "QR"])", "takes: unknown kind QR");
    row("request.url", R"("https://x.example/{ean}")", "request.url: unknown placeholder {ean}");
    row("request.url", R"("file:///etc/{gtin}")",
        "request.url: not an http:// or https:// address");
    row("request.url", R"("data:text/plain,{gtin}")",
        "request.url: not an http:// or https:// address");
    row("request.url", R"("https://u:p@x.example/{gtin}")",
        "request.url: holds a user name or password");
    row("request.method", R"("PUT")", "request.method: GET or POST");
    row("request.method", R"("POST")", "request.body: missing (a POST sends json or form)");
    row("request.body", R"({"form": {"ean": "{gtin}"}})", "request.body: only a POST sends a body");
    row("request.headers", R"({"X-Key": "{token}"})",
        "request.headers.X-Key: unknown placeholder {token}");
    row("request.headers", R"({"X Key": "a"})", "request.headers.X Key: not a header name");
    row("request.key", R"("maybe")", "request.key: \"required\" or \"optional\"");
    row("answer.match", "5", "answer.match: not a JSON pointer");
    row("notFound.statuses", "[200]",
        "notFound.statuses: not an HTTP error status other than 429 and 503");
    row("notFound.value", R"({"at": "/code"})",
        "notFound.value.equals: not a text, number, true, false or null");
    row("perMinute", "0", "perMinute: not a whole number from 1 to 6000");
    row("perDay", "1.5", "perDay: not a whole number from 0 to 100000000");
    row("rememberDays.found", "400", "rememberDays.found: not a whole number from 0 to 365");
    // Far past any integer: refused without ever being converted to one.
    row("perMinute", "1e300", "perMinute: not a whole number from 1 to 6000");
    row("perDay", "-1e300", "perDay: not a whole number from 0 to 100000000");
    row("rememberDays.notFound", "1e300",
        "rememberDays.notFound: not a whole number from 0 to 365");
    row("licence", "[]", "licence: not a text");
}

void TestJsonFileSource::file_refused()
{
    QFETCH(QString, field);
    QFETCH(QByteArray, value);
    QFETCH(QString, message);
    const auto read = ReadSourceFile(QStringLiteral("acme.json"), Changed(field, value));
    QCOMPARE(std::get<QString>(read), message);
}

void TestJsonFileSource::request_followsTheTemplates_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("expected"); // method, address, headers and body, " | " between

    QTest::newRow("GET, key in the address")
        << kAcme << "036000291452"
        << "GET https://api.acme.example/v1/items?ean=0036000291452&key=s3cr3t | "
           "Accept: application/json";
    QTest::newRow("every form of a book")
        << Changed("request.url", R"("https://b.example/{isbn10}/{isbn13}?t={typed}")")
        << "978-0-306-40615-7"
        << "GET https://b.example/0306406152/9780306406157?t=978-0-306-40615-7 | "
           "Accept: application/json";
    QTest::newRow("key in a header, POST form")
        << Changed("request",
                   R"({"url": "http://127.0.0.1:1/l", "method": "POST",
                       "headers": {"Authorization": "{key}"}, "body": {"form": {"q": "{gtin} x"}}})")
        << "4006381333931"
        << "POST http://127.0.0.1:1/l | Authorization: s3cr3t | "
           "Content-Type: application/x-www-form-urlencoded | q=4006381333931%20x";
    QTest::newRow("POST JSON")
        << Changed("request", R"({"url": "http://127.0.0.1:1/l", "method": "POST",
                                  "body": {"json": {"codes": ["{gtin}"], "n": 1}}})")
        << "4006381333931"
        << R"(POST http://127.0.0.1:1/l | Content-Type: application/json | {"codes":["4006381333931"],"n":1})";
    QTest::newRow("an optional key not given is not sent")
        << Changed("request", R"({"url": "https://g.example/v?q=isbn:{isbn13}&key={key}",
                                  "key": "optional", "headers": {"X-Key": "{key}"}})")
        << "9780306406157"
        << "GET https://g.example/v?q=isbn:9780306406157";
    QTest::newRow("a required key not given: nothing sent")
        << kAcme << "4006381333931"
        << "refused: no key given (Lookup > Sources > Set Key, QUILLFEN_KEY_ACME or --key-file "
           "acme=PATH)";
    QTest::newRow("a code with no form the address needs")
        << Changed("request.url", R"("https://x.example/{upca}")") << "4006381333931"
        << "not taken";
}

void TestJsonFileSource::request_followsTheTemplates()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, code);
    QFETCH(QString, expected);
    const bool keyless = QByteArray(QTest::currentDataTag()).contains("not given");
    const JsonFileSource source =
        Acme(file, keyless ? std::nullopt : std::optional(QStringLiteral("s3cr3t")));
    const CheckedCode checked = CheckCode(code);
    if (!source.takes(checked)) {
        QCOMPARE(QStringLiteral("not taken"), expected);
        return;
    }
    const SourceRequest request = source.request(code, checked);
    if (!request.refusal.isEmpty()) {
        QCOMPARE(QStringLiteral("refused: ") + request.refusal, expected);
        return;
    }
    QStringList parts{QString::fromLatin1(request.method.isEmpty() ? "GET" : request.method) +
                      u' ' + request.url.toString(QUrl::FullyEncoded)};
    for (const auto& [name, value] : request.headers)
        parts.append(QString::fromLatin1(name + ": " + value));
    if (!request.body.isEmpty())
        parts.append(QString::fromUtf8(request.body));
    QCOMPARE(parts.join(QStringLiteral(" | ")), expected);
    QVERIFY(!source.shownAddress(code, checked).contains(u"s3cr3t"));
}

void TestJsonFileSource::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("answer");

    const QByteArray item = R"({"ean": "0036000291452", "title": " Cable ", "brand": "Wirex",
        "size": 2, "images": ["file:///etc/passwd"]})";
    QTest::newRow("the matching item")
        << kAcme << 200 << R"({"items": [{"ean": "1"}, )" + item + "]}"
        << "found: Cable, Wirex, 2";
    QTest::newRow("only other codes: a service that guesses")
        << kAcme << 200 << QByteArray(R"({"items": [{"ean": "5449000000996", "title": "Cola"}]})")
        << "not found";
    QTest::newRow("identifiers in a list of objects")
        << Changed("answer.match", R"("/ids")") << 200
        << QByteArray(
               R"({"items": [{"ids": [{"type": "UPC", "id": "36000291452"}], "title": "Pen"}]})")
        << "found: Pen";
    QTest::newRow("no items") << kAcme << 200 << QByteArray(R"({"items": []})") << "not found";
    QTest::newRow("404") << kAcme << 404 << QByteArray("gone") << "not found";
    QTest::newRow("busy") << kAcme << 429 << QByteArray() << "failed: HTTP 429 (busy)";
    for (const int refused : {401, 403})
        QTest::addRow("%d: the key named", refused)
            << kAcme << refused << QByteArray("{}")
            << "failed: the key for Acme Product API was refused";
    QTest::newRow("a value that means not found")
        << Changed("notFound.value", R"({"at": "/status", "equals": "none"})") << 200
        << QByteArray(R"({"status": "none", "items": {}})") << "not found";
    QTest::newRow("the root is the product, a missing pointer means not found")
        << Changed("answer", R"({"name": "/p/title"})") << 200
        << QByteArray(R"({"p": {"title": "Ink"}})") << "found: Ink";
    QTest::newRow("a pointer into a string reads nothing")
        << Changed("answer", R"({"name": "/title/0"})") << 200 << QByteArray(R"({"title": "Ink"})")
        << "found: ";
    QTest::newRow("results that are no list") << kAcme << 200 << QByteArray(R"({"items": "none"})")
                                              << "failed: unexpected answer: no list of results";
    QTest::newRow("HTML") << kAcme << 200 << QByteArray("<html>") << "failed: not JSON";
    QTest::newRow("nesting 10,000 deep")
        << kAcme << 200 << QByteArray(10'000, '[') + QByteArray(10'000, ']')
        << "failed: malformed JSON (too deeply nested document)";
}

void TestJsonFileSource::read()
{
    QFETCH(QByteArray, file);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, answer);
    const SourceAnswer read =
        Acme(file).read(Response(status, body), QStringLiteral("036000291452"));
    QCOMPARE(AnswerText(read), answer);
    QVERIFY(read.product.details.imageUrl.isEmpty()); // only web addresses are pictures
}

// A picture is an http(s) address QUrl finds valid, with a host: the plainest addresses are
// told so without QUrl, and that must never keep one QUrl would refuse.
void TestJsonFileSource::read_picture_data()
{
    QTest::addColumn<QString>("address");
    for (const char* address :
         {"https://img.example/1.jpg", "HTTP://Img.Example/a_b~c.jpg?s=1&t=(2)#top",
          "https://img.example:8080/1.jpg", "https://1.2.3.4/x", "https://999.1.1.1/x",
          "https://xn--zz.example/1.jpg", "https://-bad.example/", "https://img..example/",
          "https://img.example/a b.jpg", "https://img.example/%zz", "https://img.example/a#b#c",
          "https://img.example/[x]", "https:///path", "ftp://img.example/1.jpg",
          "javascript:alert(1)", "https://user@img.example/"})
        QTest::newRow(address) << QString::fromLatin1(address);
}

void TestJsonFileSource::read_picture()
{
    QFETCH(QString, address);
    const QUrl url(address, QUrl::StrictMode);
    const bool kept = url.isValid() && (url.scheme() == u"https" || url.scheme() == u"http") &&
                      !url.host().isEmpty();
    QJsonObject product{{QStringLiteral("ean"), QStringLiteral("0036000291452")},
                        {QStringLiteral("images"), QJsonArray{address}}};
    const QByteArray body =
        QJsonDocument(QJsonObject{{QStringLiteral("items"), QJsonArray{product}}}).toJson();
    const SourceAnswer read = Acme(kAcme).read(Response(200, body), QStringLiteral("036000291452"));
    QCOMPARE(read.product.details.imageUrl, kept ? address : QString());
}

// It is shown and remembered: a service that sends megabytes of it must not fill either.
void TestJsonFileSource::read_description_cutToAFewParagraphs()
{
    const QByteArray body = R"({"items": [{"ean": "0036000291452", "description": " Blue\nink. )" +
                            QByteArray(1'000'000, 'x') + R"("}]})";
    const SourceAnswer read = Acme().read(Response(200, body), QStringLiteral("036000291452"));
    const QString description = read.product.details.description;
    QVERIFY2(description.startsWith(u"Blue\nink. xxx") && description.size() <= 2001 &&
                 description.endsWith(QChar(0x2026)),
             qPrintable(description.left(40)));
}

void TestJsonFileSource::chain_keepsTheDailyAllowanceAndTheKeyToItsHost()
{
    FakePlatform fake;
    FakeAnswerStore store;
    fake.pageLoader.respond = [](const QUrl& url) {
        FakeResponse response{QStringLiteral(R"({"title": "Ink"})")};
        if (url.host() == u"a.test") {
            response.status = 302;
            response.headers = {{"Location", "http://b.test/x"}};
        }
        return response;
    };
    QByteArray file = Changed("request", R"({"url": "http://a.test/{gtin}",
                                            "headers": {"Authorization": "{key}"}})");
    QJsonObject changed = QJsonDocument::fromJson(file).object();
    changed.insert(QStringLiteral("answer"),
                   QJsonObject{{QStringLiteral("name"), QStringLiteral("/title")}});
    changed.insert(QStringLiteral("perDay"), 2);
    changed.insert(QStringLiteral("rememberDays"), QJsonObject{{QStringLiteral("found"), 0}});
    std::vector<std::unique_ptr<LookupSource>> sources;
    sources.push_back(std::make_unique<JsonFileSource>(Acme(QJsonDocument(changed).toJson())));
    LookupChain chain({fake.pageLoader, fake.eventLoop, fake.clock, &store, &fake.pacing},
                      std::move(sources), {});
    const QString code = QStringLiteral("4006381333931");
    chain.startRun();
    const std::optional<CodeOutcome> first = chain.lookUp(code);
    QCOMPARE(first->rowText, QStringLiteral("Ink"));
    // Its terms go with it, to the details window.
    QCOMPARE(first->licence, QStringLiteral("Answers from Acme, under Acme's terms of use"));
    // The redirection to another host goes without the key.
    QCOMPARE(fake.pageLoader.requests.size(), 2);
    QCOMPARE(fake.pageLoader.requests[0].headers.value(0).second, QByteArray("s3cr3t"));
    QVERIFY(fake.pageLoader.requests[1].headers.isEmpty());
    // Remembered for 0 days: asked again, until the allowance of 2 a day, shared, is used up.
    chain.startRun();
    QCOMPARE(chain.lookUp(code)->rowText, QStringLiteral("Ink"));
    chain.startRun();
    QCOMPARE(chain.lookUp(code)->rowText,
             code + QStringLiteral(" - lookup failed: Acme Product API: daily limit reached"));
    QCOMPARE(fake.pacing.allowances.value(QStringLiteral("acme")).second, 2);
}

void TestJsonFileSource::chain_refusesARedirectFromHttpsToHttp()
{
    FakePlatform fake;
    fake.pageLoader.respond = [](const QUrl&) {
        FakeResponse moved{{}, {}, 1};
        moved.status = 302;
        moved.headers = {{"Location", "http://api.acme.example/plain"}};
        return moved;
    };
    std::vector<std::unique_ptr<LookupSource>> sources;
    sources.push_back(std::make_unique<JsonFileSource>(Acme()));
    LookupChain chain({fake.pageLoader, fake.eventLoop, fake.clock, nullptr, nullptr},
                      std::move(sources), {});
    chain.startRun();
    QCOMPARE(chain.lookUp(QStringLiteral("4006381333931"))->detail,
             QStringLiteral("insecure redirect"));
    QCOMPARE(fake.pageLoader.requests.size(), 1);
}

QTEST_GUILESS_MAIN(TestJsonFileSource)
#include "tst_jsonfilesource.moc"
