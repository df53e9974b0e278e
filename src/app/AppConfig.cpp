#include "AppConfig.h"

#include <QCommandLineParser>
#include <QUrl>

#include <algorithm>

bool IsServiceUrl(const QString& url)
{
    const QUrl address(url, QUrl::StrictMode);
    return address.isValid() && !address.host().isEmpty() &&
           (address.scheme() == u"http" || address.scheme() == u"https") && !address.hasQuery() &&
           !address.hasFragment();
}

CommandLineResult ParseCommandLine(const QStringList& arguments,
                                   const QProcessEnvironment& environment,
                                   const QString& applicationFolder)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Looks up EAN product codes in batches with an online lookup service."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption pingHost(
        QStringLiteral("ping-host"),
        QStringLiteral("The host the start-up connectivity check pings (default: %1; environment: "
                       "QUILLFEN_PING_HOST).")
            .arg(kDefaultPingHost),
        QStringLiteral("host"));
    parser.addOption(pingHost);
    const QCommandLineOption serviceUrl(
        QStringLiteral("service-url"),
        QStringLiteral("The lookup service to ask: scheme, host, optional port and path, for "
                       "example http://127.0.0.1:8080. Overrides QUILLFEN_SERVICE_URL."),
        QStringLiteral("url"));
    parser.addOption(serviceUrl);

    CommandLineResult result;
    if (!parser.parse(arguments)) {
        result.message = parser.errorText() + u"\n\n" + parser.helpText();
        result.exitCode = 2;
        return result;
    }
    if (parser.isSet(help)) {
        result.message = parser.helpText();
        return result;
    }
    if (parser.isSet(version)) {
        result.message = kProductName + u' ' + QStringLiteral(QUILLFEN_VERSION) + u'\n';
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.message = QStringLiteral("Unexpected argument: ") +
                         parser.positionalArguments().constFirst() + u"\n\n" + parser.helpText();
        result.exitCode = 2;
        return result;
    }

    AppConfig config;
    config.applicationFolder = applicationFolder;
    if (environment.contains(QStringLiteral("QUILLFEN_WEBSITE_URL")))
        config.webSiteUrl = environment.value(QStringLiteral("QUILLFEN_WEBSITE_URL"));
    // An empty variable counts as unset, as for the service address: a shell line such as
    // QUILLFEN_PING_HOST= must not stop the program from starting.
    const QString pingHostFromEnvironment = environment.value(QStringLiteral("QUILLFEN_PING_HOST"));
    if (parser.isSet(pingHost))
        config.pingHost = parser.value(pingHost);
    else if (!pingHostFromEnvironment.isEmpty())
        config.pingHost = pingHostFromEnvironment;
    if (!IsAcceptablePingHost(config.pingHost)) {
        result.message = QStringLiteral("Not a host name or address to ping: \"") +
                         config.pingHost + QStringLiteral("\"\n");
        result.exitCode = 2;
        return result;
    }
    // An empty variable counts as unset.
    const QString serviceFromEnvironment =
        environment.value(QStringLiteral("QUILLFEN_SERVICE_URL"));
    if (!serviceFromEnvironment.isEmpty())
        config.serviceUrl = serviceFromEnvironment;
    if (parser.isSet(serviceUrl))
        config.serviceUrl = parser.value(serviceUrl);
    if (!IsServiceUrl(config.serviceUrl)) {
        result.message = QStringLiteral("Not a usable lookup service address: \"") +
                         config.serviceUrl +
                         QStringLiteral("\"\nGive it as http://host[:port] or https://host[:port] "
                                        "(--service-url or QUILLFEN_SERVICE_URL).\n");
        result.exitCode = 2;
        return result;
    }
    result.config = config;
    return result;
}

bool IsAcceptablePingHost(const QString& host)
{
    if (host.isEmpty() || host.startsWith(u'-'))
        return false;
    // Letters and digits of any script (international names), and the punctuation of names,
    // IPv4 and IPv6 addresses and IPv6 zones.
    return std::all_of(host.cbegin(), host.cend(), [](QChar c) {
        return c.isLetterOrNumber() || c == u'.' || c == u'-' || c == u':' || c == u'_' ||
               c == u'%';
    });
}
