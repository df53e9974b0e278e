// A stand-in for the online lookup service and the open product databases, on this machine:
// answers their paths from small catalogs of made-up products, with optional delays, limits and
// faults for tests, benchmarks and the demo.
#include "SampleService.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QUrl>

#include <cstdio>
#include <optional>

namespace {
int Fail(const QString& message)
{
    std::fprintf(stderr, "quillfen-sample-service: %s\n", qPrintable(message));
    return 2;
}

bool ReadNumber(const QString& text, qint64 minimum, qint64& number)
{
    bool ok = false;
    number = text.toLongLong(&ok);
    return ok && number >= minimum;
}

// "API=R" or "R" for every API.
bool ReadPerMinute(const QString& text, QHash<QString, int>& perMinute)
{
    const qsizetype equals = text.indexOf(u'=');
    const QString api = equals < 0 ? QStringLiteral("*") : text.left(equals);
    qint64 limit = 0;
    if ((api != u"*" && !ApiNames().contains(api)) || !ReadNumber(text.mid(equals + 1), 1, limit) ||
        limit > 1'000'000)
        return false;
    perMinute.insert(api, int(limit));
    return true;
}

// The target as sent stays as it is, unless bytes a client should have encoded would break the
// line: those are percent-encoded.
QByteArray PrintableTarget(const QByteArray& target)
{
    QByteArray printable;
    for (const char c : target) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > 0x20 && byte < 0x7F)
            printable += c;
        else
            printable += '%' + QByteArray::number(byte, 16).rightJustified(2, '0').toUpper();
    }
    return printable;
}

// "CODE", "*", "API:CODE" or "API:*"; a code that merely contains a colon stays a code.
bool KnownFaultScope(const QString& key)
{
    const qsizetype colon = key.indexOf(u':');
    return colon < 0 || !ApiNames().contains(key.left(colon)) || colon + 1 < key.size();
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillfen-sample-service"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "Answers /perl/ean-search.pl?q=CODE on 127.0.0.1 from a catalog of made-up products, "
            "and "
            "stands in for the open product databases from another: Open Food Facts "
            "(/api/v3/product/CODE?fields=...&product_type=all, and the older /api/v2/; its "
            "siblings behind /beauty, "
            "/petfood and /products, which it redirects to), Open Library "
            "(/api/books?bibkeys=ISBN:a,ISBN:b&jscmd=data, and "
            "/isbn/ISBN.json redirecting to /books/OLnM.json) and UPCitemdb "
            "(/prod/trial/lookup?upc=CODE, with its "
            "daily allowance in X-RateLimit headers), and a library catalogue's SRU service "
            "(/sru/...?operation=searchRetrieve&query=...=ISBN, made-up MARCXML records). One "
            "address serves them all.\n"
            "Prints \"listening on http://127.0.0.1:PORT\" once it accepts connections.\n"
            "API names, for --fault, --per-minute and the log: ") +
        ApiNames().join(QStringLiteral(", ")) + u'.');
    parser.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Port to listen on; 0 picks a free one."),
                                  QStringLiteral("port"), QStringLiteral("0"));
    const QCommandLineOption delay(QStringLiteral("delay-ms"),
                                   QStringLiteral("Wait this long before every answer."),
                                   QStringLiteral("ms"), QStringLiteral("0"));
    const QCommandLineOption catalog(
        QStringLiteral("catalog"),
        QStringLiteral("Catalog file (code, tab, name per line) instead of the built-in one."),
        QStringLiteral("file"));
    const QCommandLineOption openCatalog(
        QStringLiteral("open-catalog"),
        QStringLiteral("The open databases' catalog (JSON: arrays \"openfoodfacts\", "
                       "\"openlibrary\" and \"upcitemdb\") instead of the built-in one."),
        QStringLiteral("file"));
    const QCommandLineOption fault(
        QStringLiteral("fault"),
        QStringLiteral(
            "Misbehave for CODE (\"*\": every code) on every API, or with API: on that one "
            "alone (upcitemdb:*). MODE is status:NNN, close-mid-body, reset-mid-body, "
            "stall-mid-body (half the answer, then close, reset or silence), reset, "
            "close-before-answer, no-answer, empty-body (200 with no body), invalid-utf8 (bytes "
            "that are not UTF-8 after the product name), large[:bytes], charset:NAME (declared "
            "in the header) or meta-charset:NAME (declared in a meta tag; both for the page "
            "service only); for the open databases also html (a web page instead of JSON), "
            "malformed-json (the JSON cut off halfway), result-shape (Open Food Facts' current "
            "answer, with \"result\", on the older /api/v2/ path) and not-found-code (UPCitemdb: "
            "an unknown code as 404 "
            "NOT_FOUND). After the mode: ,retry-after:S or ,retry-after-date:S (a Retry-After "
            "header of S seconds, or the HTTP date S seconds ahead) and ,first:N (only the "
            "first N requests for each code on each API misbehave; a client that sends a "
            "request again by itself after a reset or a close, as Qt does on a connection it "
            "reused, makes that the next request). Repeatable."),
        QStringLiteral("[api:]code=mode"));
    const QCommandLineOption perMinute(
        QStringLiteral("per-minute"),
        QStringLiteral("Accept R requests a window (60 s, see --window-ms) on the API, or on each "
                       "API without a limit of its own; more are answered 429 with a "
                       "Retry-After saying when the window frees up. Repeatable."),
        QStringLiteral("[api=]r"));
    const QCommandLineOption window(
        QStringLiteral("window-ms"),
        QStringLiteral("The length of the --per-minute window; shorter for tests."),
        QStringLiteral("ms"), QStringLiteral("60000"));
    const QCommandLineOption upcitemdbDaily(
        QStringLiteral("upcitemdb-daily"),
        QStringLiteral("UPCitemdb's allowance of requests a day; once used up, 429 with "
                       "EXCEED_LIMIT until the day is over."),
        QStringLiteral("n"), QStringLiteral("100"));
    const QCommandLineOption upcitemdbDay(
        QStringLiteral("upcitemdb-day-seconds"),
        QStringLiteral("How long a UPCitemdb day lasts, from the start; shorter for tests."),
        QStringLiteral("s"), QStringLiteral("86400"));
    const QCommandLineOption logQueries(
        QStringLiteral("log-queries"),
        QStringLiteral("Print \"request MS API TARGET AGENT\" for every request as it arrives "
                       "(MS on a monotonic clock, API \"none\" for an unknown path, TARGET the "
                       "path and query as sent, AGENT the User-Agent header percent-encoded), "
                       "then \"query VALUE\" for every page service request, VALUE being the "
                       "decoded value of q, percent-encoded again so that it fits on one line, "
                       "and \"connection\" for every connection a client opens."));
    parser.addOptions({port, delay, catalog, openCatalog, fault, perMinute, window, upcitemdbDaily,
                       upcitemdbDay, logQueries});
    parser.process(application);

    SampleService::Settings settings;
    bool ok = false;
    const uint portNumber = parser.value(port).toUInt(&ok);
    if (!ok || portNumber > 65535)
        return Fail(QStringLiteral("--port wants a number from 0 to 65535"));
    settings.delayMs = parser.value(delay).toInt(&ok);
    if (!ok || settings.delayMs < 0)
        return Fail(QStringLiteral("--delay-ms wants a number of milliseconds"));

    QFile catalogFile(parser.isSet(catalog) ? parser.value(catalog)
                                            : QStringLiteral(":/sample-service/catalog.tsv"));
    if (!catalogFile.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("cannot read the catalog ") + catalogFile.fileName() +
                    QStringLiteral(": ") + catalogFile.errorString());
    settings.catalog = ParseCatalog(QString::fromUtf8(catalogFile.readAll()));

    QFile openCatalogFile(parser.isSet(openCatalog)
                              ? parser.value(openCatalog)
                              : QStringLiteral(":/sample-service/open-catalog.json"));
    if (!openCatalogFile.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("cannot read the catalog ") + openCatalogFile.fileName() +
                    QStringLiteral(": ") + openCatalogFile.errorString());
    QString catalogError;
    std::optional<OpenCatalog> parsedCatalog =
        ParseOpenCatalog(openCatalogFile.readAll(), catalogError);
    if (!parsedCatalog)
        return Fail(openCatalogFile.fileName() + QStringLiteral(": ") + catalogError);
    settings.openCatalog = std::move(*parsedCatalog);

    for (const QString& text : parser.values(fault)) {
        const qsizetype equals = text.lastIndexOf(u'=');
        Fault parsed;
        if (equals <= 0 || !KnownFaultScope(text.left(equals)) ||
            !ParseFault(text.mid(equals + 1), parsed))
            return Fail(QStringLiteral("--fault wants [API:]CODE=MODE, not ") + text);
        settings.faults.insert(text.left(equals), parsed);
    }
    for (const QString& text : parser.values(perMinute))
        if (!ReadPerMinute(text, settings.perMinute))
            return Fail(QStringLiteral("--per-minute wants [API=]R, R at least 1, not ") + text);
    qint64 number = 0;
    if (!ReadNumber(parser.value(window), 1, number) || number > 24 * 3600 * 1000)
        return Fail(QStringLiteral("--window-ms wants a number of milliseconds"));
    settings.windowMs = int(number);
    if (!ReadNumber(parser.value(upcitemdbDaily), 0, number) || number > 1'000'000'000)
        return Fail(QStringLiteral("--upcitemdb-daily wants a number of requests"));
    settings.upcitemdbDaily = int(number);
    if (!ReadNumber(parser.value(upcitemdbDay), 1, settings.upcitemdbDaySeconds))
        return Fail(QStringLiteral("--upcitemdb-day-seconds wants a number of seconds"));
    if (parser.isSet(logQueries)) {
        settings.onQuery = [](const QString& value) {
            std::printf("query %s\n", QUrl::toPercentEncoding(value).constData());
            std::fflush(stdout);
        };
        settings.onConnection = [] {
            std::printf("connection\n");
            std::fflush(stdout);
        };
        settings.onRequest = [](const Arrival& arrival) {
            std::printf("request %lld %s %s %s\n", static_cast<long long>(arrival.ms),
                        qPrintable(arrival.api), PrintableTarget(arrival.target).constData(),
                        arrival.userAgent.toPercentEncoding().constData());
            std::fflush(stdout);
        };
    }

    SampleService service(std::move(settings));
    if (!service.listen(quint16(portNumber)))
        return Fail(QStringLiteral("cannot listen: ") + service.errorString());
    std::printf("listening on http://127.0.0.1:%u\n", unsigned(service.port()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}
