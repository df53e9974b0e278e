// Times the clipboard copy, the text export and the spreadsheet export of a results table of
// 100,000 ticked rows held by the real list control of the main window, compares the text export
// with one plain write of the same bytes, and reports the peak memory. Prints its figures; it
// asserts nothing. Nothing is opened on the desktop: the workbook is written and left in a
// temporary folder.
#include "BenchReport.h"
#include "platform/ListControl.h"
#include "program/QtPlatform.h"
#include "results/ClipboardRoutines.h"
#include "results/SortBy.h"
#include "results/SpreadsheetExport.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <random>
#include <sys/resource.h>
#include <vector>

namespace {
constexpr int kRows = 100'000;

// Product names of 20 to 60 characters; about one in eight carries non-ASCII letters.
QString ProductName(std::mt19937& random)
{
    static const QStringList ascii{
        QStringLiteral("Blue"),    QStringLiteral("ink"),     QStringLiteral("cartridge"),
        QStringLiteral("Pen"),     QStringLiteral("Organic"), QStringLiteral("green"),
        QStringLiteral("tea"),     QStringLiteral("500 g"),   QStringLiteral("Stainless"),
        QStringLiteral("steel"),   QStringLiteral("bottle"),  QStringLiteral("Family"),
        QStringLiteral("pack"),    QStringLiteral("x12"),     QStringLiteral("Chocolate"),
        QStringLiteral("biscuits")};
    static const QStringList accented{QStringLiteral("Crème"), QStringLiteral("brûlée"),
                                      QStringLiteral("Käse"),  QStringLiteral("日本茶"),
                                      QStringLiteral("Ærø"),   QStringLiteral("jalapeño")};
    std::uniform_int_distribution<int> length(20, 60);
    std::uniform_int_distribution<int> pick(0, int(ascii.size()) - 1);
    std::uniform_int_distribution<int> pickAccented(0, int(accented.size()) - 1);
    const bool nonAscii = random() % 8 == 0;
    const int target = length(random);
    QString name;
    while (name.size() < target) {
        if (!name.isEmpty())
            name += u' ';
        name +=
            nonAscii && random() % 3 == 0 ? accented[pickAccented(random)] : ascii[pick(random)];
    }
    name.truncate(target);
    return name;
}

// Wall-clock and processor time of a piece of work run several times: the best run and the
// median one. On a machine that other work shares, the best run is the steadier figure.
struct Timing
{
    double wall = 0;   // best run
    double cpu = 0;    // processor time of the best run
    double median = 0; // wall-clock time of the median run
};

double ProcessCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

Timing Measure(int repeats, const std::function<void()>& work)
{
    std::vector<Timing> runs;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        const double cpuBefore = ProcessCpuSeconds();
        timer.start();
        work();
        runs.push_back(
            Timing{double(timer.nsecsElapsed()) / 1e9, ProcessCpuSeconds() - cpuBefore, 0});
    }
    std::sort(runs.begin(), runs.end(),
              [](const Timing& a, const Timing& b) { return a.wall < b.wall; });
    Timing result = runs.front();
    result.median = runs[runs.size() / 2].wall;
    return result;
}

} // namespace

int main(int argc, char* argv[])
{
    // "--only copy", "--only text" or "--only spreadsheet" runs one part, for profiling;
    // "--repeat N" runs each part N times (3 by default) and reports the best and the median.
    QString only;
    int repeats = 3;
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--only") == 0)
            only = QString::fromLocal8Bit(argv[i + 1]);
        if (qstrcmp(argv[i], "--repeat") == 0)
            repeats = std::max(1, std::atoi(argv[i + 1]));
    }
    auto runs = [&only](QStringView part) { return only.isEmpty() || only == part; };

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QtPlatform platform(QStringLiteral("Quillfen"));
    const Platform services = platform.services();
    platform.window().show();
    QTemporaryDir folder;
    QStringList opened;
    SpreadsheetDesktop desktop;
    desktop.folder = folder.path();
    desktop.hasApplication = [] { return true; };
    desktop.open = [&opened](const QString& path) {
        opened.append(path);
        return true;
    };
    platform.spreadsheetTarget().setDesktop(desktop);

    ListControl& results = services.listView2;
    results.addColumnHeader(QStringLiteral("Description"));
    std::mt19937 random(2021);
    const Timing fill = Measure(1, [&] {
        for (int r = 1; r <= kRows; ++r) {
            results.add(ProductName(random));
            results.setChecked(r, true);
        }
    });
    std::printf("results table:      %d ticked rows in the Qt list control, filled in %.3f s; "
                "peak memory so far %ld MB\n",
                results.count(), fill.wall, PeakMegabytes());

    if (runs(u"copy")) {
        const Timing copy = Measure(repeats, [&] {
            CopyListviewToClipboard(results, services.clipboard, services.eventLoop);
        });
        std::printf("clipboard copy:     best %.3f s (CPU %.3f s), median %.3f s of %d "
                    "(%lld characters)\n",
                    copy.wall, copy.cpu, copy.median, repeats,
                    static_cast<long long>(QGuiApplication::clipboard()->text().size()));
        ReportRow({"clipboard copy", "100,000 rows", copy.wall, nullptr, 0, "< 1 s"});
    }

    if (runs(u"text")) {
        const QString textPath = folder.filePath(QStringLiteral("results.txt"));
        SortBy sortBy(services);
        const Timing textExport = Measure(repeats, [&] {
            sortBy.SaveListviewProperlySpaced(results, textPath, &services.progressBar1);
        });
        QFile written(textPath);
        if (!written.open(QIODevice::ReadOnly)) {
            std::fputs("the text export wrote no file\n", stderr);
            return 1;
        }
        const QByteArray bytes = written.readAll();
        written.close();
        std::printf("text export:        best %.3f s (CPU %.3f s), median %.3f s of %d "
                    "(%lld bytes)\n",
                    textExport.wall, textExport.cpu, textExport.median, repeats,
                    static_cast<long long>(bytes.size()));

        // The same bytes in one buffered write; and in one write made whole-or-nothing the way
        // the export makes its file (temporary file, synced to disk, then put in place).
        const Timing plain = Measure(repeats, [&] {
            QFile file(folder.filePath(QStringLiteral("plain.txt")));
            if (file.open(QIODevice::WriteOnly))
                file.write(bytes);
        });
        const Timing safe = Measure(repeats, [&] {
            QSaveFile file(folder.filePath(QStringLiteral("safe.txt")));
            if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
                file.commit();
        });
        std::printf("plain write:        best %.4f s; text export / plain write = %.1fx "
                    "(medians: %.1fx)\n",
                    plain.wall, textExport.wall / plain.wall, textExport.median / plain.median);
        std::printf("plain write, synced: best %.4f s; text export / synced write = %.1fx "
                    "(medians: %.1fx)\n",
                    safe.wall, textExport.wall / safe.wall, textExport.median / safe.median);
        ReportRow({"text export", "100,000 rows", textExport.wall, "one plain write", plain.wall,
                   "< 1 s, ratio <= 20"});
    }

    if (runs(u"spreadsheet")) {
        SpreadsheetExport spreadsheet(services);
        const Timing spreadsheetExport =
            Measure(repeats, [&] { spreadsheet.PushButton13_Click(); });
        const qint64 workbookBytes = opened.isEmpty() ? 0 : QFileInfo(opened.constFirst()).size();
        std::printf("spreadsheet export: best %.3f s (CPU %.3f s), median %.3f s of %d (fill, fit "
                    "and write a %lld-byte .xlsx)\n",
                    spreadsheetExport.wall, spreadsheetExport.cpu, spreadsheetExport.median,
                    repeats, static_cast<long long>(workbookBytes));
        ReportRow({"spreadsheet export", "100,000 rows", spreadsheetExport.wall});
    }

    std::printf("peak memory:        %ld MB\n", PeakMegabytes());
    return 0;
}
