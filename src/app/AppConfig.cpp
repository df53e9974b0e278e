#include "app/AppConfig.h"

#include "results/OutcomeWriter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QUrl>

#include <algorithm>

bool IsLanguageCode(const QString& text)
{
    const QString language = text.section(u'_', 0, 0).section(u'-', 0, 0);
    const QString region = text.mid(language.size() + 1);
    const auto letters = [](const QString& part, qsizetype least, qsizetype most) {
        return part.size() >= least && part.size() <= most &&
               std::all_of(part.begin(), part.end(), [](QChar c) {
                   return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
               });
    };
    return letters(language, 2, 3) && (language.size() == text.size() || letters(region, 2, 8));
}

bool IsServiceUrl(const QString& url)
{
    const QUrl address(url, QUrl::StrictMode);
    return address.isValid() && !address.host().isEmpty() &&
           (address.scheme() == u"http" || address.scheme() == u"https") && !address.hasQuery() &&
           !address.hasFragment();
}

QStringList FileSourceNames(const AppConfig& config)
{
    QStringList names;
    for (const FileSourceEntry& entry : config.fileSources)
        names.append(entry.description.name);
    return names;
}

QStringList KnownSourceNames()
{
    return {SourceName::Index.toString(), SourceName::OpenFoodFacts.toString(),
            SourceName::OpenLibrary.toString(), SourceName::UpcItemDb.toString(),
            SourceName::Page.toString()};
}

SourceListResult ParseSourceList(const QString& list, const QStringList& fileSources,
                                 bool anyFileSource)
{
    SourceListResult result;
    const QStringList known = KnownSourceNames() + fileSources;
    for (const QString& piece : list.split(u',')) {
        const QString name = piece.trimmed().toLower();
        if (name.isEmpty())
            continue;
        const bool fileSourceName =
            anyFileSource && std::all_of(name.begin(), name.end(), [](QChar c) {
                return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
            });
        if (!known.contains(name) && !fileSourceName) {
            result.error = QCoreApplication::translate(
                               "AppConfig", "Unknown lookup source \"%1\": choose from %2.")
                               .arg(piece.trimmed(), known.join(QStringLiteral(", ")));
            return result;
        }
        if (!result.names.contains(name))
            result.names.append(name);
    }
    if (result.names.isEmpty())
        result.error = QCoreApplication::translate(
                           "AppConfig", "No lookup source named: give one or more of %1.")
                           .arg(known.join(QStringLiteral(", ")));
    return result;
}

namespace {
// Set and not "0": the way QUILLFEN_NO_CACHE=1 and QUILLFEN_LOOPBACK_ONLY=1 read.
bool FlagSet(const QProcessEnvironment& environment, const QString& name)
{
    const QString value = environment.value(name).trimmed();
    return !value.isEmpty() && value != u"0";
}

// A contact goes into a request header: printable ASCII only, so that nothing can end the
// header early or be read as another one.
bool IsAcceptableContact(const QString& contact)
{
    return !contact.isEmpty() && std::all_of(contact.cbegin(), contact.cend(), [](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() < 0x7F && c != u'(' && c != u')';
    });
}

bool IsDownloadUrl(const QString& url)
{
    const QUrl address(url, QUrl::StrictMode);
    return address.isValid() && !address.host().isEmpty() &&
           (address.scheme() == u"http" || address.scheme() == u"https");
}
} // namespace

CommandLineResult ParseCommandLine(const QStringList& arguments,
                                   const QProcessEnvironment& environment,
                                   const QString& applicationFolder)
{
    // Qt's own catalogues lack the texts of these two options in some languages (French,
    // Spanish); the program's catalogue carries them, and is asked first.
    [[maybe_unused]] static constexpr const char* kQtOptionTexts[] = {
        QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
        QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options.")};
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "AppConfig",
        "Looks up EAN product codes in batches: in its window, or with --batch from files or "
        "standard input without a display. The manual: /usr/share/doc/quillfen/README.md and "
        "the pages beside it in /usr/share/doc/quillfen/docs/."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption pingHost(
        QStringLiteral("ping-host"),
        QCoreApplication::translate(
            "AppConfig",
            "The host the start-up connectivity check pings (default: %1; environment: "
            "QUILLFEN_PING_HOST).")
            .arg(kDefaultPingHost),
        QStringLiteral("host"));
    const QCommandLineOption serviceUrl(
        QStringLiteral("service-url"),
        QCoreApplication::translate(
            "AppConfig", "The page service to ask: scheme, host, optional port and path, for "
                         "example http://127.0.0.1:8080. Named alone, it is the only source. "
                         "Overrides QUILLFEN_SERVICE_URL."),
        QStringLiteral("url"));
    const QCommandLineOption sources(
        QStringLiteral("sources"),
        QCoreApplication::translate("AppConfig",
                                    "The lookup sources to ask, in order, comma-separated: index, "
                                    "openfoodfacts, openlibrary, upcitemdb, page (default: "
                                    "index (when imported), openfoodfacts, openlibrary). Overrides "
                                    "QUILLFEN_SOURCES."),
        QStringLiteral("list"));
    const QCommandLineOption language(
        QStringLiteral("language"),
        QCoreApplication::translate(
            "AppConfig", "The language of the window and its messages, and the language to ask "
                         "product names in, such as de, fr or es (default: the desktop's; "
                         "environment: QUILLFEN_LANGUAGE)."),
        QStringLiteral("code"));
    const QCommandLineOption languages(
        QStringLiteral("languages"),
        QCoreApplication::translate(
            "AppConfig", "With --import-index and --download-index: the languages whose product "
                         "names the index keeps, comma-separated, at most four (default: the "
                         "language of names)."),
        QStringLiteral("list"));
    const QCommandLineOption noCache(
        QStringLiteral("no-cache"),
        QCoreApplication::translate("AppConfig",
                                    "Remember no answers between runs, and use none remembered "
                                    "(environment: QUILLFEN_NO_CACHE=1)."));
    const QCommandLineOption parallel(
        QStringLiteral("parallel"),
        QCoreApplication::translate(
            "AppConfig", "Up to N requests to the page service at once, 1 to %1 (default 1; "
                         "environment: QUILLFEN_PARALLEL). The open databases keep their own "
                         "pace.")
            .arg(kMaxParallel),
        QStringLiteral("N"));
    const QCommandLineOption batch(
        QStringLiteral("batch"),
        QCoreApplication::translate(
            "AppConfig", "Look up the codes of the files (standard input without any, or for "
                         "\"-\") without a window, and write the results. Pictures and PDFs give "
                         "the codes of their barcodes."));
    const QCommandLineOption scan(
        QStringLiteral("scan"),
        QCoreApplication::translate(
            "AppConfig", "Read scans from standard input, one a line (a barcode scanner typing "
                         "codes), without a window, and write a row for each to standard output "
                         "once it is answered, with a count column after the code; a repeat writes "
                         "the code's row again with its new count. Takes --format (csv, tsv, json, "
                         "jsonl) and --columns."));
    const QCommandLineOption output(
        QStringLiteral("output"),
        QCoreApplication::translate(
            "AppConfig", "With --batch: the results file (default: CSV on standard output)."),
        QStringLiteral("file"));
    const QCommandLineOption format(
        QStringLiteral("format"),
        QCoreApplication::translate(
            "AppConfig",
            "With --batch: csv, tsv, json, jsonl, xlsx, ods, marc or marcxml (default: from the "
            "output file's extension, else csv). marc (MARC 21, .mrc) and marcxml (.xml) write "
            "the catalogue records of the books found instead of rows."),
        QStringLiteral("format"));
    const QCommandLineOption columns(
        QStringLiteral("columns"),
        QCoreApplication::translate(
            "AppConfig", "With --batch: the columns to write, comma-separated, in that order: %1 "
                         "(default: all).")
            .arg(OutcomeColumns().join(QStringLiteral(", "))),
        QStringLiteral("list"));
    const QCommandLineOption quiet(
        QStringLiteral("quiet"),
        QCoreApplication::translate("AppConfig", "With --batch: no progress on standard error."));
    const QCommandLineOption sheet(
        QStringLiteral("sheet"),
        QCoreApplication::translate(
            "AppConfig",
            "With --batch: the sheet of an .xlsx or .ods input to read, by its name or "
            "number (default: the first that holds data)."),
        QStringLiteral("sheet"));
    const QCommandLineOption column(
        QStringLiteral("column"),
        QCoreApplication::translate(
            "AppConfig", "With --batch: the column of a spreadsheet input that holds the codes, by "
                         "its header, letter (C, AB) or number (1 is the first) (default: the one "
                         "headed like a code column, else the one that is mostly codes)."),
        QStringLiteral("column"));
    const QCommandLineOption keepColumns(
        QStringLiteral("keep-columns"),
        QCoreApplication::translate(
            "AppConfig",
            "With --batch and one spreadsheet input: each output row is the input row, "
            "every column, followed by the answers in the --columns chosen (csv, "
            "tsv, xlsx or ods)."));
    const QCommandLineOption importIndex(
        QStringLiteral("import-index"),
        QCoreApplication::translate(
            "AppConfig", "Import the product database export files given (.csv, .csv.gz, "
                         ".jsonl or .jsonl.gz) into the offline index, and exit."));
    const QCommandLineOption downloadIndex(
        QStringLiteral("download-index"),
        QCoreApplication::translate(
            "AppConfig", "Download the product database export (environment: QUILLFEN_INDEX_URL), "
                         "import it into the offline index, and exit."));
    const QCommandLineOption updateIndex(
        QStringLiteral("update-index"),
        QCoreApplication::translate(
            "AppConfig", "Apply the daily change files published since the offline index's data "
                         "(environment: QUILLFEN_INDEX_DELTAS_URL), and exit."));
    const QCommandLineOption fillGaps(
        QStringLiteral("fill-gaps"),
        QCoreApplication::translate(
            "AppConfig",
            "Complete a found product that lacks a brand, a quantity or a picture from "
            "the next sources that know the code (environment: "
            "QUILLFEN_FILL_GAPS=1)."));
    const QCommandLineOption sourceFile(
        QStringLiteral("source-file"),
        QCoreApplication::translate(
            "AppConfig",
            "Also use the source this file describes, for this run "
            "(/usr/share/doc/quillfen/docs/sources.md, \"Your own sources\"); may be given "
            "more than once."),
        QStringLiteral("FILE"));
    const QCommandLineOption keyFile(
        QStringLiteral("key-file"),
        QCoreApplication::translate(
            "AppConfig",
            "Read the key of the source NAME from the file at PATH, which only you may "
            "read; may be given more than once."),
        QStringLiteral("NAME=PATH"));
    const QCommandLineOption listSources(
        QStringLiteral("list-sources"),
        QCoreApplication::translate(
            "AppConfig", "List every lookup source known, where it comes from, whether it has its "
                         "key and whether it is in use, and exit."));
    parser.addOptions({pingHost,    serviceUrl, sources, language,    languages,   noCache,
                       parallel,    batch,      scan,    output,      format,      columns,
                       quiet,       sheet,      column,  keepColumns, importIndex, downloadIndex,
                       updateIndex, sourceFile, keyFile, listSources, fillGaps});
    parser.addPositionalArgument(
        QStringLiteral("files"),
        QCoreApplication::translate("AppConfig", "Code files, spreadsheets, pictures or PDFs to "
                                                 "add to the list at start-up. With --batch: "
                                                 "the same, to look up. With --import-index: "
                                                 "export files."),
        QStringLiteral("[files...]"));

    CommandLineResult result;
    const auto refuse = [&result, &parser](const QString& message, bool withHelp = false) {
        result.message = message + u'\n';
        if (withHelp)
            result.message += u'\n' + parser.helpText();
        result.exitCode = 2;
        return result;
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText(), true);
    if (parser.isSet(help)) {
        result.message = parser.helpText();
        return result;
    }
    if (parser.isSet(version)) {
        result.message = kProductName + u' ' + QStringLiteral(QUILLFEN_VERSION) + u'\n';
        return result;
    }

    AppConfig config;
    config.applicationFolder = applicationFolder;
    const int modes = int(parser.isSet(batch)) + int(parser.isSet(scan)) +
                      int(parser.isSet(importIndex)) + int(parser.isSet(downloadIndex)) +
                      int(parser.isSet(updateIndex)) + int(parser.isSet(listSources));
    if (modes > 1)
        return refuse(QCoreApplication::translate(
            "AppConfig", "--batch, --scan, --import-index, --download-index, "
                         "--update-index and --list-sources go alone."));
    config.sourceFiles = parser.values(sourceFile);
    for (const QString& given : parser.values(keyFile)) {
        const qsizetype equals = given.indexOf(u'=');
        const QString name = given.left(equals).trimmed().toLower();
        if (equals <= 0 || equals + 1 == given.size())
            return refuse(QCoreApplication::translate(
                "AppConfig", "--key-file wants NAME=PATH, as in acme=/home/me/acme.key."));
        config.keyFiles.insert(name, given.sliced(equals + 1));
    }
    if (parser.isSet(listSources))
        config.mode = RunMode::ListSources;
    else if (parser.isSet(batch))
        config.mode = RunMode::Batch;
    else if (parser.isSet(scan))
        config.mode = RunMode::Scan;
    else if (parser.isSet(importIndex))
        config.mode = RunMode::ImportIndex;
    else if (parser.isSet(downloadIndex))
        config.mode = RunMode::DownloadIndex;
    else if (parser.isSet(updateIndex))
        config.mode = RunMode::UpdateIndex;

    const QStringList positional = parser.positionalArguments();
    if (config.mode == RunMode::Scan) {
        // Rows go to standard output as each scan is answered: a file, or a workbook that is
        // written whole at the end, would hold them back.
        for (const QCommandLineOption* batchOnly : {&output, &sheet, &column, &keepColumns})
            if (parser.isSet(*batchOnly))
                return refuse(QCoreApplication::translate("AppConfig", "--%1 goes with --batch.")
                                  .arg(batchOnly->names().first()));
        if (!positional.isEmpty())
            return refuse(
                QCoreApplication::translate("AppConfig", "--scan reads standard input alone: %1")
                    .arg(positional.constFirst()));
    }
    if (config.mode == RunMode::Batch || config.mode == RunMode::Scan) {
        config.batch.inputs = positional;
        config.batch.output = parser.value(output);
        config.batch.format = parser.value(format).toLower();
        config.batch.quiet = parser.isSet(quiet);
        config.batch.sheet = parser.value(sheet);
        config.batch.column = parser.value(column);
        config.batch.keepColumns = parser.isSet(keepColumns);
        QStringList formats{QStringLiteral("csv"),   QStringLiteral("tsv"),  QStringLiteral("json"),
                            QStringLiteral("jsonl"), QStringLiteral("xlsx"), QStringLiteral("ods")};
        // A scan's rows go out as each scan is answered, again for a repeat: no file of records.
        if (config.mode == RunMode::Batch)
            formats << QStringLiteral("marc") << QStringLiteral("marcxml");
        if (parser.isSet(format) && !formats.contains(config.batch.format))
            return refuse(
                QCoreApplication::translate("AppConfig", "Unknown --format \"%1\": choose from %2.")
                    .arg(parser.value(format), formats.join(QStringLiteral(", "))));
        if (parser.isSet(columns)) {
            config.batch.columns = parser.value(columns);
            if (const OutcomeColumnChoice choice = ChooseOutcomeColumns(config.batch.columns);
                choice.places.isEmpty())
                return refuse(
                    QCoreApplication::translate(
                        "AppConfig", "Unknown column \"%1\" in --columns: choose from %2, "
                                     "or all.")
                        .arg(choice.unknown, OutcomeColumns().join(QStringLiteral(", "))));
        }
        if (parser.isSet(output) && config.batch.output.isEmpty())
            return refuse(QCoreApplication::translate("AppConfig", "--output needs a file name."));
    } else {
        for (const QCommandLineOption* batchOnly :
             {&output, &format, &columns, &quiet, &sheet, &column, &keepColumns})
            if (parser.isSet(*batchOnly))
                return refuse(QCoreApplication::translate("AppConfig", "--%1 goes with --batch.")
                                  .arg(batchOnly->names().first()));
        if (config.mode == RunMode::ImportIndex) {
            if (positional.isEmpty())
                return refuse(QCoreApplication::translate(
                    "AppConfig", "--import-index needs one or more export files."));
            config.importFiles = positional;
        } else if (config.mode == RunMode::Window) {
            config.openFiles = positional;
        } else if (!positional.isEmpty()) {
            return refuse(QCoreApplication::translate("AppConfig", "Unexpected argument: %1")
                              .arg(positional.constFirst()),
                          true);
        }
    }

    if (environment.contains(QStringLiteral("QUILLFEN_WEBSITE_URL")))
        config.webSiteUrl = environment.value(QStringLiteral("QUILLFEN_WEBSITE_URL"));
    // An empty variable counts as unset, as for every other one: a shell line such as
    // QUILLFEN_PING_HOST= must not stop the program from starting.
    const auto variable = [&environment](const char* name) {
        return environment.value(QString::fromLatin1(name));
    };
    const QString pingHostFromEnvironment = variable("QUILLFEN_PING_HOST");
    if (parser.isSet(pingHost))
        config.pingHost = parser.value(pingHost);
    else if (!pingHostFromEnvironment.isEmpty())
        config.pingHost = pingHostFromEnvironment;
    if (!IsAcceptablePingHost(config.pingHost))
        return refuse(
            QCoreApplication::translate("AppConfig", "Not a host name or address to ping: \"%1\"")
                .arg(config.pingHost));

    const QString serviceFromEnvironment = variable("QUILLFEN_SERVICE_URL");
    if (!serviceFromEnvironment.isEmpty()) {
        config.serviceUrl = serviceFromEnvironment;
        config.serviceUrlNamed = true;
    }
    if (parser.isSet(serviceUrl)) {
        config.serviceUrl = parser.value(serviceUrl);
        config.serviceUrlNamed = true;
    }
    if (!IsServiceUrl(config.serviceUrl))
        return refuse(QCoreApplication::translate(
                          "AppConfig", "Not a usable lookup service address: \"%1\"\nGive it as "
                                       "http://host[:port] or https://host[:port] (--service-url "
                                       "or QUILLFEN_SERVICE_URL).")
                          .arg(config.serviceUrl));

    const QString sourcesText =
        parser.isSet(sources) ? parser.value(sources) : variable("QUILLFEN_SOURCES");
    if (parser.isSet(sources) || !sourcesText.isEmpty()) {
        // The sources described in files are read later: their names are checked then.
        const SourceListResult parsed = ParseSourceList(sourcesText, {}, true);
        if (!parsed.error.isEmpty())
            return refuse(
                QCoreApplication::translate("AppConfig", "%1 (--sources or QUILLFEN_SOURCES)")
                    .arg(parsed.error));
        config.sources = parsed.names;
    }

    const struct
    {
        const char* variable;
        QString* url;
    } bases[] = {{"QUILLFEN_OPENFOODFACTS_URL", &config.openFoodFactsUrl},
                 {"QUILLFEN_OPENLIBRARY_URL", &config.openLibraryUrl},
                 {"QUILLFEN_UPCITEMDB_URL", &config.upcItemDbUrl},
                 {"QUILLFEN_COVERS_URL", &config.coversUrl},
                 {"QUILLFEN_IMAGES_URL", &config.imagesUrl}};
    for (const auto& base : bases) {
        const QString value = variable(base.variable);
        if (value.isEmpty())
            continue;
        if (!IsServiceUrl(value))
            return refuse(QCoreApplication::translate(
                              "AppConfig", "Not a usable address in %1: \"%2\"\nGive it as "
                                           "http://host[:port][/path] or https://....")
                              .arg(QString::fromLatin1(base.variable), value));
        *base.url = value;
    }
    const QString indexUrl = variable("QUILLFEN_INDEX_URL");
    if (!indexUrl.isEmpty()) {
        if (!IsDownloadUrl(indexUrl))
            return refuse(QCoreApplication::translate(
                              "AppConfig", "Not a usable address in QUILLFEN_INDEX_URL: \"%1\"")
                              .arg(indexUrl));
        config.indexUrl = indexUrl;
    }
    const QString indexChangesUrl = variable("QUILLFEN_INDEX_DELTAS_URL");
    if (!indexChangesUrl.isEmpty()) {
        if (!IsDownloadUrl(indexChangesUrl))
            return refuse(
                QCoreApplication::translate(
                    "AppConfig", "Not a usable address in QUILLFEN_INDEX_DELTAS_URL: \"%1\"")
                    .arg(indexChangesUrl));
        config.indexChangesUrl = indexChangesUrl;
    }
    for (const QStringView name :
         {SourceName::OpenFoodFacts, SourceName::OpenLibrary, SourceName::UpcItemDb}) {
        const QString variableName =
            QStringLiteral("QUILLFEN_") + name.toString().toUpper() + QStringLiteral("_PER_MINUTE");
        const QString value = environment.value(variableName);
        if (value.isEmpty())
            continue;
        bool ok = false;
        const int perMinute = value.toInt(&ok);
        if (!ok || perMinute < 1)
            return refuse(QCoreApplication::translate(
                              "AppConfig", "%1 wants a whole number of requests a minute, 1 or "
                                           "more, not \"%2\".")
                              .arg(variableName, value));
        config.perMinute.insert(name.toString(), perMinute);
    }
    const QString contact = variable("QUILLFEN_CONTACT");
    if (!contact.isEmpty()) {
        if (!IsAcceptableContact(contact))
            return refuse(QCoreApplication::translate(
                "AppConfig", "QUILLFEN_CONTACT wants an e-mail address or web "
                             "address in plain ASCII, without parentheses."));
        config.contact = contact;
    }
    const QString languageText =
        parser.isSet(language) ? parser.value(language) : variable("QUILLFEN_LANGUAGE");
    if (!languageText.isEmpty()) {
        if (!IsLanguageCode(languageText))
            return refuse(QCoreApplication::translate(
                              "AppConfig", "Not a language: \"%1\"; name one as de, fr or pt_BR.")
                              .arg(languageText));
        config.language = languageText;
    }
    for (const QString& code : parser.value(languages).split(u',', Qt::SkipEmptyParts)) {
        if (!IsLanguageCode(code.trimmed()))
            return refuse(QCoreApplication::translate(
                              "AppConfig", "Not a language in --languages: \"%1\"; name them as "
                                           "de,fr.")
                              .arg(code));
        config.indexLanguages.append(code.trimmed().section(u'_', 0, 0).toLower());
    }
    config.fillGaps =
        parser.isSet(fillGaps) || FlagSet(environment, QStringLiteral("QUILLFEN_FILL_GAPS"));
    config.noCache =
        parser.isSet(noCache) || FlagSet(environment, QStringLiteral("QUILLFEN_NO_CACHE"));
    config.loopbackOnly = FlagSet(environment, QStringLiteral("QUILLFEN_LOOPBACK_ONLY"));

    const QString parallelText =
        parser.isSet(parallel) ? parser.value(parallel) : variable("QUILLFEN_PARALLEL");
    if (!parallelText.isEmpty()) {
        bool ok = false;
        config.parallel = parallelText.toInt(&ok);
        if (!ok || config.parallel < 1 || config.parallel > kMaxParallel)
            return refuse(QCoreApplication::translate(
                              "AppConfig", "--parallel (or QUILLFEN_PARALLEL) wants a number from "
                                           "1 to %1, not \"%2\".")
                              .arg(QString::number(kMaxParallel), parallelText));
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
