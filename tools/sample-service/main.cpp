// A stand-in for the online lookup service, on this machine: answers the lookup path from a small
// catalog of made-up products, with optional delays and faults for tests and benchmarks.
#include "SampleService.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QUrl>

#include <cstdio>

namespace {
int Fail(const QString& message)
{
    std::fprintf(stderr, "quillfen-sample-service: %s\n", qPrintable(message));
    return 2;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillfen-sample-service"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Answers /perl/ean-search.pl?q=CODE on 127.0.0.1 from a catalog of made-up products.\n"
        "Prints \"listening on http://127.0.0.1:PORT\" once it accepts connections."));
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
    const QCommandLineOption fault(
        QStringLiteral("fault"),
        QStringLiteral("Misbehave for CODE (\"*\": every code). MODE is status:NNN, "
                       "close-mid-body, reset-mid-body, stall-mid-body (half the page, then "
                       "close, reset or silence), reset, close-before-answer, no-answer, "
                       "empty-body (200 with no page), invalid-utf8 (bytes that are not UTF-8 "
                       "after the product name), large[:bytes], charset:NAME (declared in the "
                       "header) or meta-charset:NAME (declared in a meta tag). Repeatable."),
        QStringLiteral("code=mode"));
    const QCommandLineOption logQueries(
        QStringLiteral("log-queries"),
        QStringLiteral("Print \"query VALUE\" for every request, VALUE being the decoded value "
                       "of q, percent-encoded again so that it fits on one line, and "
                       "\"connection\" for every connection a client opens."));
    parser.addOptions({port, delay, catalog, fault, logQueries});
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

    for (const QString& text : parser.values(fault)) {
        const qsizetype equals = text.lastIndexOf(u'=');
        Fault parsed;
        if (equals <= 0 || !ParseFault(text.mid(equals + 1), parsed))
            return Fail(QStringLiteral("--fault wants CODE=MODE, not ") + text);
        settings.faults.insert(text.left(equals), parsed);
    }
    if (parser.isSet(logQueries)) {
        settings.onQuery = [](const QString& value) {
            std::printf("query %s\n", QUrl::toPercentEncoding(value).constData());
            std::fflush(stdout);
        };
        settings.onConnection = [] {
            std::printf("connection\n");
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
