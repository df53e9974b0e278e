// The open databases' sources, and one described in a file, reading any bytes as a body. The first
// byte picks the status, the second the headers (or no HTTP answer at all); the rest is the body.
// The body's text is also put, as a name, into an answer of each source's own shape, and must come
// back as that name. The same bytes are read as a source file, which is refused with its name or
// read whole, never anything else.
#include "fuzz/FuzzSupport.h"
#include "lookup/JsonFileSource.h"
#include "lookup/OpenFoodFactsSource.h"
#include "lookup/OpenLibrarySource.h"
#include "lookup/UpcItemDbSource.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <memory>

namespace {
using fuzz::Quoted;

constexpr std::array<int, 8> kStatuses = {200, 404, 429, 503, 500, 302, 400, 0};
constexpr qint64 kReset = 1'700'000'000;

QString Describe(const SourceAnswer& answer)
{
    return QStringLiteral("kind %1 reason %2 busy %3 paused %4 name %5 brand %6 quantity %7")
        .arg(int(answer.kind))
        .arg(Quoted(answer.reason))
        .arg(answer.busy)
        .arg(answer.pausedUntil ? QString::number(*answer.pausedUntil) : QStringLiteral("-"))
        .arg(Quoted(answer.product.name), Quoted(answer.product.brand),
             Quoted(answer.product.quantity));
}

bool Trimmed(const QString& text)
{
    return text == text.trimmed();
}

SourceAnswer ReadSafely(const LookupSource& source, const SourceResponse& response,
                        const QString& context)
{
    try {
        return source.read(response, QStringLiteral("4006381333931"));
    } catch (...) {
        fuzz::Fail("read never throws", context);
    }
}

void CheckRead(const LookupSource& source, const SourceResponse& response)
{
    const QString context = source.name() + QStringLiteral(" status ") +
                            QString::number(response.status) + QStringLiteral(" failure ") +
                            Quoted(response.failure) + QStringLiteral("\nbody ") +
                            Quoted(QString::fromLatin1(response.body));
    const SourceAnswer answer = ReadSafely(source, response, context);
    const QString got = context + QStringLiteral("\nanswer ") + Describe(answer);
    const int status = response.status;
    const bool failed = answer.kind == SourceAnswer::Kind::Failed;

    FUZZ_CHECK(failed == !answer.reason.isEmpty(), got);
    if (!response.failure.isEmpty())
        FUZZ_CHECK(failed && answer.reason == response.failure, got);
    if (answer.kind == SourceAnswer::Kind::Found) {
        FUZZ_CHECK(status == 200 && response.failure.isEmpty(), got);
        FUZZ_CHECK(Trimmed(answer.product.name) && Trimmed(answer.product.brand) &&
                       Trimmed(answer.product.quantity),
                   got);
    }
    if (answer.kind == SourceAnswer::Kind::NotFound)
        FUZZ_CHECK(status == 200 || status == 404, got);
    FUZZ_CHECK(!answer.busy || (failed && (status == 429 || status == 503)), got);
    if (status == 503 || (status == 429 && answer.reason != QLatin1String("daily limit reached")))
        FUZZ_CHECK(answer.busy, got);
    if (status != 200 && status != 404 && status != 429 && response.failure.isEmpty())
        FUZZ_CHECK(answer.reason == (status == 0 ? QStringLiteral("no HTTP status")
                                                 : QStringLiteral("HTTP %1").arg(status)),
                   got);

    const bool upc = source.name() == QLatin1String("upcitemdb");
    FUZZ_CHECK(!answer.pausedUntil || upc, got);
    if (upc && response.header("X-RateLimit-Remaining") == "0" &&
        !response.header("X-RateLimit-Reset").isEmpty())
        FUZZ_CHECK(answer.pausedUntil == kReset, got);

    // The same again, without the code for the sources that do not look at it; a source described
    // in a file matches its answer against the code, so it is asked about the same one.
    const bool matches = source.name() == QLatin1String("acme");
    const SourceAnswer again =
        source.read(response, matches ? QStringLiteral("4006381333931") : QString());
    FUZZ_CHECK(Describe(again) == Describe(answer), got);
}

// The manual's example (docs/sources.md), as a user would start from it.
const QByteArray kExampleFile = R"({
  "name": "acme", "displayName": "Acme Product API", "takes": "all",
  "request": {"url": "https://api.acme.example/v1/items?ean={gtin13}&key={key}",
              "headers": {"Accept": "application/json"}},
  "answer": {"results": "/items", "match": "/ean", "name": "/title", "brand": "/brand",
             "quantity": "/size", "categories": "/category", "picture": "/images/0",
             "page": "/link", "description": "/description"},
  "notFound": {"statuses": [404], "emptyResults": true},
  "perMinute": 60, "perDay": 1000, "rememberDays": {"found": 30, "notFound": 7},
  "licence": "Answers from Acme, under Acme's terms of use"})";

std::unique_ptr<LookupSource> ExampleFileSource()
{
    auto read = ReadSourceFile(QStringLiteral("acme.json"), kExampleFile);
    if (!std::holds_alternative<SourceDescription>(read))
        fuzz::Fail("the example file is read", std::get<QString>(read));
    return std::make_unique<JsonFileSource>(std::get<SourceDescription>(std::move(read)), [] {
        return SourceKey{QStringLiteral("k"), {}};
    });
}

void CheckSourceFile(const QByteArray& bytes)
{
    std::variant<SourceDescription, QString> read;
    try {
        read = ReadSourceFile(QStringLiteral("fuzz.json"), bytes);
    } catch (...) {
        fuzz::Fail("reading a source file never throws", Quoted(QString::fromLatin1(bytes)));
    }
    if (const QString* refused = std::get_if<QString>(&read)) {
        FUZZ_CHECK(refused->startsWith(u"fuzz.json: ") && !refused->contains(u'\n'), *refused);
        return;
    }
    const SourceDescription& source = std::get<SourceDescription>(read);
    FUZZ_CHECK(!source.name.isEmpty() && !source.displayName.isEmpty() && source.perMinute > 0,
               Quoted(QString::fromLatin1(bytes)));
}

// The text as the name in an answer of the source's own shape.
void CheckNameRoundTrip(const LookupSource& source, const QString& text)
{
    QJsonObject answer;
    if (source.name() == QLatin1String("openfoodfacts")) {
        answer = {{QStringLiteral("status"), 1},
                  {QStringLiteral("product"), QJsonObject{{QStringLiteral("product_name"), text}}}};
    } else if (source.name() == QLatin1String("openlibrary")) {
        answer = {
            {QStringLiteral("ISBN:9780306406157"), QJsonObject{{QStringLiteral("title"), text}}}};
    } else if (source.name() == QLatin1String("acme")) {
        answer = {{QStringLiteral("items"),
                   QJsonArray{QJsonObject{{QStringLiteral("ean"), QStringLiteral("9780306406157")},
                                          {QStringLiteral("title"), text}}}}};
    } else {
        answer = {
            {QStringLiteral("code"), QStringLiteral("OK")},
            {QStringLiteral("items"), QJsonArray{QJsonObject{{QStringLiteral("title"), text}}}}};
    }
    SourceResponse response;
    response.status = 200;
    response.body = QJsonDocument(answer).toJson(QJsonDocument::Compact);
    // Open Library's answer holds the books by the ISBN asked for.
    const SourceAnswer read = source.read(response, QStringLiteral("9780306406157"));
    // Byte-order marks and white space before the name, and white space after it, go.
    qsizetype first = 0;
    while (first < text.size() && (text[first].isSpace() || text[first] == QChar(0xFEFF)))
        ++first;
    const QString expected = text.mid(first).trimmed();
    FUZZ_CHECK(read.kind == SourceAnswer::Kind::Found && read.product.name == expected,
               source.name() + QStringLiteral(" name ") + Quoted(text) +
                   QStringLiteral("\nanswer ") + Describe(read));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::array<std::unique_ptr<LookupSource>, 4> sources = {
        std::make_unique<OpenFoodFactsSource>(QStringLiteral("http://127.0.0.1:1"),
                                              QStringLiteral("fr")),
        std::make_unique<OpenLibrarySource>(QStringLiteral("http://127.0.0.1:1")),
        std::make_unique<UpcItemDbSource>(QStringLiteral("http://127.0.0.1:1")),
        ExampleFileSource()};

    const uint8_t choice = size > 0 ? data[0] : 0;
    const uint8_t headers = size > 1 ? data[1] : 0;
    const size_t skip = std::min<size_t>(size, 2);
    SourceResponse response;
    if (headers & 0x80) {
        response.failure = QStringLiteral("timed out");
    } else {
        response.status = kStatuses[choice % kStatuses.size()];
        response.body =
            QByteArray(reinterpret_cast<const char*>(data + skip), qsizetype(size - skip));
        if (headers & 1)
            response.headers.emplaceBack("X-RateLimit-Remaining", "0");
        if (headers & 2)
            response.headers.emplaceBack("x-ratelimit-reset", QByteArray::number(kReset));
        if (headers & 4) {
            response.headers.emplaceBack("Date", "Tue, 14 Nov 2023 22:13:20 GMT");
            response.headers.emplaceBack("Retry-After", "120");
        }
    }
    for (const auto& source : sources) {
        CheckRead(*source, response);
        CheckNameRoundTrip(*source, fuzz::AsUtf8(data + skip, size - skip));
    }
    CheckSourceFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
