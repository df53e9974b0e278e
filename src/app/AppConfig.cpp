#include "AppConfig.h"

#include <QCommandLineParser>
#include <QUrl>

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
    const QCommandLineOption serviceUrl(
        QStringLiteral("service-url"),
        QStringLiteral("The lookup service to ask: scheme, host and optional port, for example "
                       "http://127.0.0.1:8080. Overrides QUILLFEN_SERVICE_URL."),
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
