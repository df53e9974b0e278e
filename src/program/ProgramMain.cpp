#include "program/ProgramMain.h"

#include "app/AppConfig.h"
#include "app/LookupSetup.h"
#include "app/sources/FileSources.h"
#include "app/sources/SourceKeys.h"
#include "app/window/UiLanguage.h"
#include "common/Loopback.h"
#include "common/NamedCharsets.h"
#include "common/OperationFailed.h"
#include "desktop/files/QtFileSystem.h"
#include "desktop/storage/QtSettingsStore.h"
#include "desktop/storage/SystemKeyStore.h"
#include "desktop/system/ConsoleSetup.h"
#include "desktop/system/QtUiTranslations.h"
#include "desktop/system/SystemCharsets.h"
#include "gs1/IsbnRanges.h"
#include "lookup/MarcRecord.h"
#include "program/ConnectionsModule.h"
#include "program/PictureModule.h"
#include "program/QtBatchCommand.h"
#include "program/QtIndexCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QProcessEnvironment>
#include <QScopeGuard>
#include <QStandardPaths>

#include <cstdio>
#include <vector>

namespace {
// Where something that comes with the program lies once installed, given from its folder.
QString InstalledPath(const QString& fromProgram)
{
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath()).filePath(fromProgram));
}

// Where the skin and the hand pointer lie: the data folder under the install prefix once
// installed, beside the program in a build tree.
QString ProgramFilesFolder(const ProgramPlaces& places)
{
    const QString installed = InstalledPath(places.dataFromProgram);
    return QFileInfo(installed).isDir() ? installed : QCoreApplication::applicationDirPath();
}

// The presets lie in the program's data folder once installed, in the source tree in a build;
// the user's own files in the config folder.
SourceFolders FileSourceFolders(const ProgramPlaces& places)
{
    const QString installed = QDir(ProgramFilesFolder(places)).filePath(QStringLiteral("sources"));
    return SourceFolders{{QFileInfo(installed).isDir() ? installed : places.sourceTreePresets},
                         QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
                             .filePath(QStringLiteral("sources"))};
}

// The label layouts the same way: the presets beside the program's other data, the user's own
// in the config folder.
LayoutFolders LabelLayoutFolders(const ProgramPlaces& places)
{
    const QString installed = QDir(ProgramFilesFolder(places)).filePath(QStringLiteral("layouts"));
    return LayoutFolders{{QFileInfo(installed).isDir() ? installed : places.sourceTreeLayouts},
                         QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
                             .filePath(QStringLiteral("layouts"))};
}

// An agency's RangeMessage.xml is about 100 KB.
constexpr qint64 kLargestRangeMessage = 16 * 1024 * 1024;

void PrintProblem(const QString& problem)
{
    std::fputs(("quillfen: " + problem + u'\n').toLocal8Bit().constData(), stderr);
}

// Where a file that comes with the program lies: at its installed place, or else beside the
// program, as in a build tree.
QString InstalledOrBeside(const QString& fromProgram)
{
    const QString installed = InstalledPath(fromProgram);
    return QFileInfo::exists(installed) ? installed
                                        : QDir(QCoreApplication::applicationDirPath())
                                              .filePath(QFileInfo(fromProgram).fileName());
}

bool UsesLabelLayouts(RunMode mode)
{
    return mode == RunMode::Window || mode == RunMode::Labels || mode == RunMode::ListLayouts;
}

bool NeedsWindowModes(RunMode mode)
{
    return mode == RunMode::Window || mode == RunMode::Labels;
}

// The program that carries the window starts in this process, with the same arguments and
// environment, as if the user had started it. Returns only when it could not be started.
int HandOver(const QString& program, char* const arguments[])
{
    const QString why = ReplaceProcess(program, arguments);
    //: %1 is a program's file, %2 what the system said.
    PrintProblem(
        QCoreApplication::translate("main", "%1 could not be started: %2").arg(program, why));
    return 1;
}

// The proxy the user's environment names (http_proxy, https_proxy, no_proxy, or the desktop's
// setting) carries the requests to the open databases. When only this machine may be reached,
// no proxy at all: the proxy itself would be another machine.
void ChooseProxies(bool loopbackOnly)
{
    QNetworkProxyFactory::setUseSystemConfiguration(!loopbackOnly);
    if (loopbackOnly)
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
}
} // namespace

int ProgramMain(int argc, char* argv[], const ProgramPlaces& places, const WindowModes* modes)
{
    // As given, for the hand-over: an application object may take its own options out of argv.
    const std::vector<char*> arguments(argv, argv + argc + 1);
    // Before anything is written: --version and --help too are the same bytes everywhere.
    UseStandardStreamsAsBytes();
    UseNamedCharsetFallback(&DecodeWithSystemCharsets);
    QCoreApplication::setOrganizationName(QStringLiteral("Zandrik"));
    QCoreApplication::setApplicationName(kProductName.toString());
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLFEN_VERSION));
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();

    // The language before the options are read, so that --help and a refusal speak it too.
    QString savedLanguage;
    QString uiLanguage;
    {
        const QCoreApplication settingsReader(argc, argv);
        savedLanguage = QtSettingsStore().getSetting(kSettingsApplication.toString(),
                                                     kSettingsSection.toString(),
                                                     kLanguageValueName.toString(), {});
        uiLanguage = ChooseUiLanguage(QCoreApplication::arguments(),
                                      environment.value(QStringLiteral("QUILLFEN_LANGUAGE")),
                                      savedLanguage, QLocale::system().uiLanguages());
    }
    QtUiTranslations translations(uiLanguage);

    // The options first: --help, --version and a mistyped option need no display.
    CommandLineResult parsed;
    QString handOverTo;
    {
        const QCoreApplication options(argc, argv);
        translations.install();
        parsed = ParseCommandLine(QCoreApplication::arguments(), environment,
                                  ProgramFilesFolder(places));
        if (!modes && parsed.config && NeedsWindowModes(parsed.config->mode))
            handOverTo = InstalledOrBeside(places.windowProgramFromProgram);
    }
    if (!handOverTo.isEmpty())
        return HandOver(handOverTo, arguments.data());
    if (!parsed.config) {
        std::fputs(parsed.message.toLocal8Bit().constData(),
                   parsed.exitCode == 0 ? stdout : stderr);
        return parsed.exitCode;
    }
    AppConfig& config = *parsed.config;
    ChooseProxies(config.loopbackOnly);

    // The sources described in files, and their keys, for every mode that looks codes up.
    QtFileSystem files;
    {
        const QCoreApplication paths(argc, argv);
        translations.install();
        const SourceFolders folders = FileSourceFolders(places);
        config.userSourceFolder = folders.user;
        const FileSourcesRead read =
            ReadFileSources(files, folders, config.sourceFiles, environment);
        if (!read.fatal.isEmpty()) {
            PrintProblem(read.fatal);
            return 2;
        }
        for (const QString& problem : read.problems)
            PrintProblem(problem);
        // A newer RangeMessage.xml of the ISBN agency's, for the ranges that came after this
        // program was built; one that cannot be used leaves the built-in ranges, and says why.
        if (const QString ranges = environment.value(QStringLiteral("QUILLFEN_ISBN_RANGES"));
            !ranges.isEmpty()) {
            QString refused;
            try {
                const FileSystem::Contents contents = files.readFile(ranges, kLargestRangeMessage);
                auto read = IsbnRanges::fromRangeMessage(
                    contents.overLimit ? QByteArray(kLargestRangeMessage + 1, ' ')
                                       : contents.bytes);
                if (auto* made = std::get_if<IsbnRanges>(&read))
                    UseIsbnRanges(std::move(*made));
                else
                    refused = std::get<QString>(read);
            } catch (const OperationFailed& failure) {
                refused = failure.description();
            }
            if (!refused.isEmpty())
                //: %1 is a file, %2 why it cannot be used.
                PrintProblem(QCoreApplication::translate(
                                 "main",
                                 "QUILLFEN_ISBN_RANGES: %1: %2; the built-in ISBN ranges are "
                                 "used.")
                                 .arg(ranges, refused));
        }
        config.fileSources = read.entries;
        // Here, while an application object holds the language's catalogue.
        if (const QString wrong = CheckChosenSources(config); !wrong.isEmpty()) {
            PrintProblem(wrong);
            return 2;
        }
        // Only what prints labels reads their layouts: a batch run neither waits for them nor
        // warns about a layout file it would never use.
        if (UsesLabelLayouts(config.mode)) {
            const LayoutFolders layoutFolders = LabelLayoutFolders(places);
            config.userLayoutFolder = layoutFolders.user;
            config.layouts = ReadLabelLayouts(files, layoutFolders, config.labels.layoutFile);
            for (const QString& problem : config.layouts.problems)
                PrintProblem(problem);
            if (!config.layouts.fatal.isEmpty())
                return 2;
        }
    }
    // The module's place is looked for only when a run first needs it, by a program without the
    // connections linked in.
    const ConnectionsModule connections(modes ? modes->connections : nullptr, [&places] {
        return InstalledOrBeside(places.connectionsModuleFromProgram);
    });
    UseMarcCodec(&connections.marcCodec());
    const auto noCodecAfterwards = qScopeGuard([] { UseMarcCodec(nullptr); });
    // Without a keyring to ask (on Linux, a server, a container or a cron job without a session
    // bus) the keys come from the environment or key files.
    const std::unique_ptr<KeyStore> keyring = connections.keyStore();
    const SourceKeys keys(environment, config.keyFiles, files,
                          SystemKeyStore::reachable(environment) ? keyring.get() : nullptr);
    config.keyFor = [&keys](const QString& name) { return keys.key(name); };
    if (config.mode == RunMode::ListSources) {
        const QCoreApplication application(argc, argv);
        translations.install();
        QtSettingsStore settings;
        const QString saved =
            settings.getSetting(kSettingsApplication.toString(), kSettingsSection.toString(),
                                kSourcesValueName.toString(), {});
        std::fputs(SourceListing(config, ChooseSources(config, saved, false),
                                 [&keys](const QString& name) { return keys.origin(name); })
                       .toLocal8Bit()
                       .constData(),
                   stdout);
        return 0;
    }
    if (config.mode == RunMode::ListLayouts) {
        const QCoreApplication application(argc, argv);
        translations.install();
        return ListLayoutsCommand(config);
    }
    if (config.mode == RunMode::Labels)
        return modes->labels(argc, argv, config, translations);
    // Batch mode, scan mode and the index commands need no display: they must not load the window's
    // platform plugin.
    if (config.mode == RunMode::Batch) {
        const QCoreApplication application(argc, argv);
        translations.install();
        // The module's place is looked for only by a program without the readers linked in.
        const PictureModule pictures(modes ? modes->pictures : nullptr,
                                     modes ? QString()
                                           : InstalledOrBeside(places.picturesModuleFromProgram));
        return BatchCommand(config, pictures, connections);
    }
    if (config.mode == RunMode::Scan) {
        const QCoreApplication application(argc, argv);
        translations.install();
        return ScanCommand(config, connections);
    }
    if (config.mode == RunMode::ImportIndex || config.mode == RunMode::DownloadIndex ||
        config.mode == RunMode::UpdateIndex) {
        const QCoreApplication application(argc, argv);
        translations.install();
        if (config.mode == RunMode::ImportIndex)
            return ImportIndexCommand(config.importFiles, IndexLanguagesFor(config));
        const bool loopbackOnly = config.loopbackOnly;
        const auto allowed = [loopbackOnly](const QUrl& url) {
            return !loopbackOnly || IsLoopbackUrl(url);
        };
        if (config.mode == RunMode::UpdateIndex)
            return UpdateIndexCommand(IndexLanguagesFor(config), OpenDatabaseAgent(config.contact),
                                      allowed, environment);
        return DownloadIndexCommand(IndexLanguagesFor(config), OpenDatabaseAgent(config.contact),
                                    allowed, environment);
    }
    return modes->window(argc, argv, config, translations, savedLanguage, environment);
}
