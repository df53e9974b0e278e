// How fast pictures are saved to a folder: 1,000 pictures of 200 KB from the sample service on
// loopback (no delay), through the pictures' own loader into files, each written whole and all
// synced, with their list; next to curl fetching the same addresses to files over one keep-alive
// connection. Then a second run, which finds them all saved. Prints figures; asserts nothing.
#include "BenchReport.h"
#include "SampleServiceProcess.h"
#include "desktop/barcodes/QtPictureFiles.h"
#include "desktop/files/QtFileSystem.h"
#include "desktop/files/QtFolderFiles.h"
#include "desktop/system/QtClock.h"
#include "desktop/system/QtEventLoop.h"
#include "listings/PictureFetch.h"
#include "listings/PictureFolder.h"
#include "lookup/LookupChain.h"
#include "program/ConnectionsModule.h"
#include "program/PageLoaders.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr int kPictures = 1000;
constexpr int kPictureBytes = 200 * 1024;
constexpr int kRepeats = 3;
constexpr double kTarget = 1.5;

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "bench_pictures: %s\n", qPrintable(message));
    std::exit(1);
}

QString Address(const QString& base, int n)
{
    return base + QStringLiteral("/images/products/%1/sized-%2.jpg")
                      .arg(QString::number(40000000 + n), QString::number(kPictureBytes));
}

std::vector<CodeOutcome> Products(const QString& base)
{
    std::vector<CodeOutcome> products;
    const QString own = QUrl(base).authority();
    for (int n = 0; n < kPictures; ++n) {
        CodeOutcome outcome;
        outcome.status = CodeOutcome::Status::Found;
        outcome.gtin = QString::number(40000000 + n);
        outcome.product.details.imageUrl = Address(base, n);
        outcome.pictureHosts = QStringList{own};
        products.push_back(outcome);
    }
    return products;
}

struct Saved
{
    double seconds = 0;
    PictureTally tally;
};

// One run as the program makes it, into the folder.
Saved SaveAll(const std::vector<CodeOutcome>& products, const QString& folder)
{
    const auto loader =
        MakePageLoader(PageLoaderLimits{.maxPageBytes = kLargestPictureBytes}, LinkedConnections());
    QtEventLoop loop;
    QtClock clock;
    QtFileSystem files;
    QtFolderFiles folderFiles;
    QtPictureFiles scaler;
    QElapsedTimer timer;
    timer.start();
    // Unpaced: the stand-in is this machine.
    PictureFetch fetch(PictureFetchServices{*loader, loop, clock, nullptr}, 0);
    PictureFolder saving(folder, PictureFolderServices{files, folderFiles, fetch, &scaler, true});
    for (const CodeOutcome& product : products)
        saving.save(product);
    saving.finish();
    return Saved{double(timer.nsecsElapsed()) / 1e9, saving.tally()};
}

double CurlSeconds(const QString& curl, const QString& base, const QString& folder)
{
    QDir().mkpath(folder);
    const QString configPath = folder + QStringLiteral("/urls.conf");
    QFile config(configPath);
    if (!config.open(QIODevice::WriteOnly))
        fail(QStringLiteral("cannot write ") + configPath);
    for (int n = 0; n < kPictures; ++n)
        config.write("url = \"" + Address(base, n).toUtf8() + "\"\noutput = \"" +
                     QStringLiteral("%1/%2.jpg").arg(folder).arg(40000000 + n).toUtf8() + "\"\n");
    config.close();
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(curl, {QStringLiteral("--silent"), QStringLiteral("--show-error"),
                         QStringLiteral("--fail"), QStringLiteral("--config"), configPath});
    if (!process.waitForFinished(600'000) || process.exitCode() != 0)
        fail(QStringLiteral("curl failed: ") +
             QString::fromLocal8Bit(process.readAllStandardError()));
    return double(timer.nsecsElapsed()) / 1e9;
}

double Median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString curl = QStandardPaths::findExecutable(QStringLiteral("curl"));
    SampleServiceProcess service;
    if (!service.start({QStringLiteral("--delay-ms"), QStringLiteral("0")}))
        fail(service.errorString());
    const std::vector<CodeOutcome> products = Products(service.baseUrl());
    // In the build tree, on the disk a user's folder would be on; not a memory file system.
    QTemporaryDir scratch(QDir::currentPath() + QStringLiteral("/bench_pictures-XXXXXX"));
    QList<double> ours;
    QList<double> theirs;
    Saved again;
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
        const QString folder = scratch.filePath(QStringLiteral("run%1").arg(repeat));
        const Saved first = SaveAll(products, folder);
        if (first.tally.saved != kPictures)
            fail(QStringLiteral("%1 of %2 pictures saved: %3")
                     .arg(first.tally.saved)
                     .arg(kPictures)
                     .arg(QStringList(first.tally.failures.keys()).join(u", ")));
        ours.append(first.seconds);
        again = SaveAll(products, folder);
        if (!curl.isEmpty())
            theirs.append(CurlSeconds(curl, service.baseUrl(),
                                      scratch.filePath(QStringLiteral("curl%1").arg(repeat))));
    }
    const double mb = double(kPictures) * kPictureBytes / (1024 * 1024);
    std::printf("%d pictures of %d KB: saved in %.2f s (%.0f MB/s)", kPictures,
                kPictureBytes / 1024, Median(ours), mb / Median(ours));
    if (!theirs.isEmpty())
        std::printf(", curl %.2f s, ratio %.2f (target <= %.2f)", Median(theirs),
                    Median(ours) / Median(theirs), kTarget);
    std::printf("; median of %d runs\nsecond run, all already there: %.2f s, %lld asked\n",
                kRepeats, again.seconds, qlonglong(again.tally.saved));
    std::fflush(stdout);
    const QByteArray size =
        QStringLiteral("%1 x %2 KB").arg(kPictures).arg(kPictureBytes / 1024).toUtf8();
    if (!theirs.isEmpty())
        ReportPeerRow({"pictures to a folder", size.constData(), Median(ours),
                       "curl to files, one invocation", Median(theirs), "ratio <= 1.50"});
    else
        std::printf("peer curl: not installed\n");
    ReportRow({"pictures to a folder, all there", size.constData(), again.seconds});
    return 0;
}
