// How long the code list takes to fill from a 100,000-line code file and from a saved list of
// 100,000 codes, in the real list control of a shown window (offscreen unless a display is
// asked for). Target: each under a second. "--codes N" measures another size.
#include "BenchReport.h"
#include "app/window/SavedCodeList.h"
#include "codes/CodeFileLoader.h"
#include "desktop/storage/QtSettingsStore.h"
#include "platform/ListControl.h"
#include "program/QtPlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
int kCodes = 100'000;
constexpr int kRounds = 3;

QString code(int i)
{
    return QString::number(4000000000000LL + i);
}

// "100,000 codes"
QByteArray sizeLabel()
{
    return QLocale(QLocale::English).toString(kCodes).toLatin1() + " codes";
}

void report(const char* what, const char* operation, const QList<double>& seconds, int rows,
            const char* target = "")
{
    std::printf("%-44s", qPrintable(QString::fromLatin1(what).arg(
                             QLocale(QLocale::English).toString(kCodes))));
    for (const double s : seconds)
        std::printf(" %7.3f s", s);
    const double best = *std::min_element(seconds.begin(), seconds.end());
    std::printf("   best %.3f s, %d rows\n", best, rows);
    ReportRow({operation, sizeLabel().constData(), best, nullptr, 0, target});
}
} // namespace

int main(int argc, char* argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--codes") == 0)
            kCodes = std::max(1, std::atoi(argv[i + 1]));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    // Never the user's own saved list.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());

    QtPlatform platform(QStringLiteral("Quillfen"));
    const Platform services = platform.services();
    services.listView1.addColumnHeader(QStringLiteral("EAN Codes"));
    services.listView1.setColumnWidth(1, 7000);
    platform.window().show();
    QCoreApplication::processEvents();

    const QString path = folder.filePath(QStringLiteral("codes.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        QByteArray bytes;
        for (int i = 0; i < kCodes; ++i)
            bytes += code(i).toLatin1() + "\r\n";
        file.write(bytes);
    }
    {
        QStringList codes;
        for (int i = 0; i < kCodes; ++i)
            codes.append(code(i));
        QtSettingsStore().saveSetting(kSettingsApplication.toString(), kSettingsSection.toString(),
                                      kCodeListValueName.toString(), codes.join(u';'));
    }

    std::printf("bench_codes: %d codes, %d rounds, list shown on the \"%s\" platform\n", kCodes,
                kRounds, qPrintable(QGuiApplication::platformName()));
    CodeFileLoader loader(services);
    SavedCodeList saved(services);
    QList<double> loads;
    QList<double> restores;
    QList<double> saves;
    int loadedRows = 0;
    int restoredRows = 0;
    for (int round = 0; round < kRounds; ++round) {
        services.listView1.clear();
        QCoreApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        loader.LoadListFile(services.listView1, path);
        QCoreApplication::processEvents(); // the window catches up with the new rows
        loads.append(clock.nsecsElapsed() / 1e9);
        loadedRows = services.listView1.count();

        services.listView1.clear();
        QCoreApplication::processEvents();
        clock.start();
        saved.RestoreCodeList();
        QCoreApplication::processEvents();
        restores.append(clock.nsecsElapsed() / 1e9);
        restoredRows = services.listView1.count();

        clock.start();
        saved.SaveCodeList();
        saves.append(clock.nsecsElapsed() / 1e9);
    }
    report("load a %1-line code file", "load a code file", loads, loadedRows, "< 1 s");
    report("restore a saved list of %1 codes", "restore the saved list", restores, restoredRows,
           "< 1 s");
    report("save a list of %1 codes (on close)", "save the code list", saves, restoredRows);
    return loadedRows == kCodes && restoredRows == kCodes ? 0 : 1;
}
