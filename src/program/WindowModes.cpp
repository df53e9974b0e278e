#include "program/WindowModes.h"

#include "app/AppConfig.h"
#include "app/window/Form1.h"
#include "app/window/TimeSeededChance.h"
#include "desktop/barcodes/PictureMakers.h"
#include "desktop/system/ConsoleSetup.h"
#include "desktop/system/QtUiTranslations.h"
#include "desktop/system/QuitSignalWatcher.h"
#include "desktop/system/StandardErrorMessageBox.h"
#include "program/ConnectionMakers.h"
#include "program/ConnectionsModule.h"
#include "program/QtLabelsCommand.h"
#include "program/QtPlatform.h"

#include <QApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QProcessEnvironment>
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

int RunWindow(int& argc, char** argv, AppConfig& config, QtUiTranslations& translations,
              const QString& savedLanguage, const QProcessEnvironment& environment)
{
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

int RunLabels(int& argc, char** argv, const AppConfig& config, QtUiTranslations& translations)
{
    // Fonts and painting need a GUI application, but never a display: labels are made the
    // same on a server.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    translations.install();
    return LabelsCommand(config);
}
} // namespace

const WindowModes& TheWindowModes()
{
    static const WindowModes modes{&RunWindow, &RunLabels, &BuiltInPictureMakers(),
                                   &BuiltInConnectionMakers()};
    return modes;
}

const ConnectionsModule& LinkedConnections()
{
    static const ConnectionsModule linked(&BuiltInConnectionMakers(), {});
    return linked;
}
