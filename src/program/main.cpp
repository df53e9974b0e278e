// The program's entry: settle the configuration, build the window, run start-up, show it.
#include "app/AppConfig.h"
#include "app/LookupSetup.h"
#include "app/sources/FileSources.h"
#include "app/sources/SourceKeys.h"
#include "app/window/Form1.h"
#include "app/window/SavedCodeList.h"
#include "app/window/TimeSeededChance.h"
#include "app/window/UiLanguage.h"
#include "common/Loopback.h"
#include "common/NamedCharsets.h"
#include "common/OperationFailed.h"
#include "desktop/files/QtFileSystem.h"
#include "desktop/storage/QtSettingsStore.h"
#include "desktop/storage/SystemKeyStore.h"
#include "desktop/system/ConsoleSetup.h"
#include "desktop/system/QtUiTranslations.h"
#include "desktop/system/QuitSignalWatcher.h"
#include "desktop/system/StandardErrorMessageBox.h"
#include "desktop/system/SystemCharsets.h"
#include "gs1/IsbnRanges.h"
#include "program/QtBatchCommand.h"
#include "program/QtIndexCommands.h"
#include "program/QtLabelsCommand.h"
#include "program/QtPlatform.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {
// Without a display Qt aborts with a message few people can act on; say what to do instead.
bool displayAvailable(const QProcessEnvironment& environment)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !environment.value(QStringLiteral("DISPLAY")).isEmpty() ||
           !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() ||
           !environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty();
#else
    Q_UNUSED(environment);
    return true;
#endif
}

// Where the skin and the hand pointer lie: the data folder under the install prefix once
// installed, beside the program in a build tree.
QString ProgramFilesFolder()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString installed =
        QDir::cleanPath(programFolder.filePath(QStringLiteral(QUILLFEN_DATA_FROM_PROGRAM)));
    return QFileInfo(installed).isDir() ? installed : programFolder.path();
}

// The presets lie in the program's data folder once installed, in the source tree in a build;
// the user's own files in the config folder.
SourceFolders FileSourceFolders()
{
    const QString installed = QDir(ProgramFilesFolder()).filePath(QStringLiteral("sources"));
    return SourceFolders{
        {QFileInfo(installed).isDir() ? installed : QStringLiteral(QUILLFEN_SOURCE_TREE_PRESETS)},
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
            .filePath(QStringLiteral("sources"))};
}

// The label layouts the same way: the presets beside the program's other data, the user's own
// in the config folder.
LayoutFolders LabelLayoutFolders()
{
    const QString installed = QDir(ProgramFilesFolder()).filePath(QStringLiteral("layouts"));
    return LayoutFolders{
        {QFileInfo(installed).isDir() ? installed : QStringLiteral(QUILLFEN_SOURCE_TREE_LAYOUTS)},
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
            .filePath(QStringLiteral("layouts"))};
}

// An agency's RangeMessage.xml is about 100 KB.
constexpr qint64 kLargestRangeMessage = 16 * 1024 * 1024;

void PrintProblem(const QString& problem)
{
    std::fputs(("quillfen: " + problem + u'\n').toLocal8Bit().constData(), stderr);
}

// Qt ends the program when the display the environment names cannot be reached (no server at
// DISPLAY, a Wayland socket that is gone), with advice about reinstalling. While the
// application starts, such an end says what is wrong instead, and exits like the check above.
QtMessageHandler gDefaultMessageHandler = nullptr;
// Translated before the window's application object exists, which is when it is needed.
QString gUnreachableDisplayText;

void StartupMessageHandler(QtMsgType type, const QMessageLogContext& context,
                           const QString& message)
{
    if (type != QtFatalMsg) {
        if (gDefaultMessageHandler)
            gDefaultMessageHandler(type, context, message);
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    const QString text = gUnreachableDisplayText.arg(QString::fromLocal8Bit(display),
                                                     QString::fromLocal8Bit(wayland), message);
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::_Exit(1);
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

int main(int argc, char* argv[])
{
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
    {
        const QCoreApplication options(argc, argv);
        translations.install();
        parsed = ParseCommandLine(QCoreApplication::arguments(), environment, ProgramFilesFolder());
    }
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
        const SourceFolders folders = FileSourceFolders();
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
        const LayoutFolders layoutFolders = LabelLayoutFolders();
        config.userLayoutFolder = layoutFolders.user;
        config.layouts = ReadLabelLayouts(files, layoutFolders, config.labels.layoutFile);
        for (const QString& problem : config.layouts.problems)
            PrintProblem(problem);
        if (!config.layouts.fatal.isEmpty())
            return 2;
    }
    // Without a keyring to ask (on Linux, a server, a container or a cron job without a session
    // bus) the keys come from the environment or key files.
    SystemKeyStore keyring;
    const SourceKeys keys(environment, config.keyFiles, files,
                          SystemKeyStore::reachable(environment) ? &keyring : nullptr);
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
    if (config.mode == RunMode::Labels) {
        // Fonts and painting need a GUI application, but never a display: labels are made the
        // same on a server.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        const QGuiApplication application(argc, argv);
        translations.install();
        return LabelsCommand(config);
    }
    // Batch mode, scan mode and the index commands need no display: they must not load the window's
    // platform plugin.
    if (config.mode == RunMode::Batch) {
        const QCoreApplication application(argc, argv);
        translations.install();
        return BatchCommand(config);
    }
    if (config.mode == RunMode::Scan) {
        const QCoreApplication application(argc, argv);
        translations.install();
        return ScanCommand(config);
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
    {
        const QCoreApplication messages(argc, argv);
        translations.install();
        if (!displayAvailable(environment)) {
            std::fputs(QCoreApplication::translate(
                           "main",
                           "Quillfen needs a graphical display, and none was found (DISPLAY "
                           "and WAYLAND_DISPLAY are empty).\nStart it from a desktop session, "
                           "or inside a virtual X server:\n    xvfb-run -a quillfen\n")
                           .toLocal8Bit()
                           .constData(),
                       stderr);
            return 1;
        }
        //: %1 and %2: the environment's values; %3: Qt's own message.
        gUnreachableDisplayText = QCoreApplication::translate(
            "main", "Quillfen could not open a window: the display (DISPLAY=%1, "
                    "WAYLAND_DISPLAY=%2) cannot be reached.\nStart it from a "
                    "desktop session, or inside a virtual X server:\n    xvfb-run "
                    "-a quillfen\n(Qt said: %3)\n");
    }

    // Past the file size limit (ulimit -f) the system would end the program, session and all;
    // ignored, the write fails instead and the export reports it like any other failed write.
    IgnoreFileSizeLimit();
    ReleaseOwnConsole();

    gDefaultMessageHandler = qInstallMessageHandler(StartupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(gDefaultMessageHandler);
    translations.install();
    // The language chosen in Help → Language is the one product names are asked in too, unless
    // this run names one.
    if (config.language.isEmpty() && !savedLanguage.isEmpty())
        config.language = savedLanguage;
    QtPlatform platform(config.productName, config.loopbackOnly);
    TimeSeededChance chance;
    Form1 form(platform.services(), config, chance);
    ConnectForm1(platform, form);
    // Workbooks earlier sessions wrote for the spreadsheet application stay while it may still
    // show them, which the program cannot know; a week on they go.
    platform.spreadsheetTarget().removeLeftWorkbooks(QDateTime::currentDateTime());

    form.Form_Load();
    // Only now: a quit signal during start-up ends the program the ordinary way, before the code
    // list is restored, when a close would save a list that is not all there yet.
    // Whoever sent the signal is not waiting at the window: a save that fails is told on standard
    // error, and the program exits normally whatever box is open.
    StandardErrorMessageBox signalReports(config.productName);
    QuitSignalWatcher quitSignals([&form, &signalReports] { form.QuitOnSignal(signalReports); });
    quitSignals.install();
    platform.window().showCentred();
    // Once the window is up: a scan session a crash left is offered back beside it.
    QTimer::singleShot(0, &platform.window(), [&form] { form.OfferLeftScanSession(); });
    return QApplication::exec();
}
