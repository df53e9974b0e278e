#include "AppConfig.h"

#include <QCommandLineParser>

CommandLineResult ParseCommandLine(const QStringList& arguments,
                                   const QProcessEnvironment& environment,
                                   const QString& applicationFolder)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Looks up EAN product codes in batches with an online lookup service."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

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
    result.config = config;
    return result;
}
