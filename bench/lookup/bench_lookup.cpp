// How fast a lookup run gets through codes against the sample service on loopback, next to curl
// fetching the same addresses over one keep-alive connection, and how much processor time the
// run spends while a slow service keeps it waiting, and how long parsing takes when the product
// name on a page runs on through a great many tags. Prints figures; asserts nothing.
#include "BenchReport.h"
#include "SampleServiceProcess.h"
#include "desktop/system/QtEventLoop.h"
#include "fakes/FakePlatform.h"
#include "lookup/LookupPage.h"
#include "lookup/LookupRun.h"
#include "program/ConnectionsModule.h"
#include "program/PageLoaders.h"
#include "support/PageServiceLookup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {
constexpr int kRepeats = 3;

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "bench_lookup: %s\n", qPrintable(message));
    std::exit(1);
}

// A mix of codes the sample catalog knows and codes it does not.
QStringList benchCodes(int count)
{
    QStringList codes;
    for (int i = 0; i < count; ++i)
        codes.append(i % 4 == 0 ? QStringLiteral("4988112412613")
                                : QStringLiteral("40000%1").arg(i, 8, 10, QLatin1Char('0')));
    return codes;
}

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct RunFigures
{
    double wallSeconds = 0;
    double cpuSeconds = 0;
};

// One lookup run as the program makes it, the window's parts replaced by fakes.
RunFigures lookUp(const QString& base, const QStringList& codes, int parallel = 1)
{
    FakePlatform fake;
    QtEventLoop loop;
    // The program's own choice of loader (QUILLFEN_PAGE_LOADER=qt or curl measures either).
    const auto loader = MakePageLoader({}, LinkedConnections());
    PageServiceLookup lookup(fake.services(loop, *loader), base, parallel);
    LookupRun& run = lookup.run;
    for (const QString& code : codes)
        fake.listView1.add(code);
    const double cpuBefore = processorSeconds();
    QElapsedTimer clock;
    clock.start();
    run.PushButton17_Click();
    RunFigures figures{double(clock.nsecsElapsed()) / 1e9, processorSeconds() - cpuBefore};
    const QStringList rows = fake.listView2.texts();
    if (rows.size() != codes.size())
        fail(
            QStringLiteral("the run gave %1 rows for %2 codes").arg(rows.size()).arg(codes.size()));
    for (const QString& row : rows) {
        if (row.contains(kLookupFailedSuffix))
            fail(QStringLiteral("a lookup failed: ") + row);
    }
    return figures;
}

// curl fetching every address in one invocation, which keeps one connection alive throughout.
double curlSeconds(const QString& curl, const QString& base, const QStringList& codes)
{
    QTemporaryDir folder;
    const QString configPath = folder.filePath(QStringLiteral("urls.conf"));
    QFile config(configPath);
    if (!config.open(QIODevice::WriteOnly))
        fail(QStringLiteral("cannot write ") + configPath);
    for (const QString& code : codes) {
        config.write("url = \"" + LookupAddress(base, code).toEncoded() +
                     "\"\noutput = \"/dev/null\"\n");
    }
    config.close();
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(curl, {QStringLiteral("--silent"), QStringLiteral("--show-error"),
                         QStringLiteral("--fail"), QStringLiteral("--config"), configPath});
    if (!process.waitForFinished(600'000) || process.exitCode() != 0)
        fail(QStringLiteral("curl failed: ") +
             QString::fromLocal8Bit(process.readAllStandardError()));
    return double(clock.nsecsElapsed()) / 1e9;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void compareWithCurl(const QString& curl, int delayMs, int count, double target)
{
    SampleServiceProcess service;
    if (!service.start({QStringLiteral("--delay-ms"), QString::number(delayMs)}))
        fail(service.errorString());
    const QStringList codes = benchCodes(count);
    lookUp(service.baseUrl(), codes.mid(0, 20)); // warm up both sides
    curlSeconds(curl, service.baseUrl(), codes.mid(0, 20));

    QList<double> app;
    QList<double> reference;
    for (int i = 0; i < kRepeats; ++i) {
        app.append(lookUp(service.baseUrl(), codes).wallSeconds);
        reference.append(curlSeconds(curl, service.baseUrl(), codes));
    }
    const double appRate = count / median(app);
    const double curlRate = count / median(reference);
    std::printf("%d codes, service delay %d ms: quillfen %.0f codes/s, curl %.0f codes/s, "
                "ratio %.2f (target <= %.2f; median of %d runs)\n",
                count, delayMs, appRate, curlRate, curlRate / appRate, target, kRepeats);
    std::fflush(stdout);
    const QByteArray operation =
        QStringLiteral("lookup, service delay %1 ms").arg(delayMs).toUtf8();
    const QByteArray size = QStringLiteral("%1 codes").arg(count).toUtf8();
    const QByteArray goal = QStringLiteral("ratio <= %1").arg(target, 0, 'f', 2).toUtf8();
    ReportPeerRow({operation.constData(), size.constData(), median(app), "curl, one invocation",
                   median(reference), goal.constData()});
}

void processorTimeWhileWaiting(int delayMs, int count)
{
    SampleServiceProcess service;
    if (!service.start({QStringLiteral("--delay-ms"), QString::number(delayMs)}))
        fail(service.errorString());
    const RunFigures figures = lookUp(service.baseUrl(), benchCodes(count));
    std::printf("%d codes, service delay %d ms: wall %.2f s, processor %.3f s = %.2f%% of wall "
                "(target < 5%%)\n",
                count, delayMs, figures.wallSeconds, figures.cpuSeconds,
                100.0 * figures.cpuSeconds / figures.wallSeconds);
    std::fflush(stdout);
    const QByteArray operation =
        QStringLiteral("processor time, service delay %1 ms").arg(delayMs).toUtf8();
    const QByteArray size = QStringLiteral("%1 codes").arg(count).toUtf8();
    ReportRow({operation.constData(), size.constData(), figures.cpuSeconds, "wall time",
               figures.wallSeconds, "ratio < 0.05"});
}

// Up to eight requests in flight against a service that takes its time over each: the rows still
// come in code order, and the run takes about an eighth of the sequential time.
void parallelAgainstSlowService(int delayMs, int count, int parallel)
{
    SampleServiceProcess service;
    if (!service.start({QStringLiteral("--delay-ms"), QString::number(delayMs)}))
        fail(service.errorString());
    const QStringList codes = benchCodes(count);
    const RunFigures sequential = lookUp(service.baseUrl(), codes);
    const RunFigures atOnce = lookUp(service.baseUrl(), codes, parallel);
    const double limit = 1.3 * count * delayMs / 1000.0 / parallel;
    std::printf("%d codes, service delay %d ms: sequential %.2f s, --parallel %d %.2f s (target "
                "<= %.2f s)\n",
                count, delayMs, sequential.wallSeconds, parallel, atOnce.wallSeconds, limit);
    std::fflush(stdout);
    const QByteArray operation =
        QStringLiteral("lookup --parallel %1, delay %2 ms").arg(parallel).arg(delayMs).toUtf8();
    const QByteArray size = QStringLiteral("%1 codes").arg(count).toUtf8();
    const QByteArray goal = QStringLiteral("<= %1 s").arg(limit, 0, 'f', 1).toUtf8();
    ReportRow({operation.constData(), size.constData(), atOnce.wallSeconds, "sequential",
               sequential.wallSeconds, goal.constData()});
}

// A page whose product name runs through `tags` tags, each different, before its closing tag.
void parseLongName(int tags)
{
    QString page = QStringLiteral("<p>Product name for EAN 4988112412613: ");
    for (int i = 0; i < tags; ++i)
        page += QStringLiteral("<span id=\"n%1\">w").arg(i);
    page += QStringLiteral("</a></p>");
    double best = 0;
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
        QElapsedTimer clock;
        clock.start();
        const LookupPageResult result = ParseLookupPage(page, u"4988112412613");
        const double seconds = double(clock.nsecsElapsed()) / 1e9;
        if (result.productName.size() != tags)
            fail(QStringLiteral("the long name came out wrong"));
        best = repeat == 0 ? seconds : std::min(best, seconds);
    }
    std::printf("page of %.1f MB, name through %d different tags: parsed in %.1f ms (best of %d)\n",
                double(page.size()) / 1e6, tags, best * 1e3, kRepeats);
    std::fflush(stdout);
    const QByteArray size =
        QStringLiteral("%1 MB page").arg(double(page.size()) / 1e6, 0, 'f', 1).toUtf8();
    const QByteArray operation = QStringLiteral("parse a name through %1 tags").arg(tags).toUtf8();
    ReportRow({operation.constData(), size.constData(), best});
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QString curl = QStandardPaths::findExecutable(QStringLiteral("curl"));
    if (curl.isEmpty())
        fail(QStringLiteral("curl is not installed (scripts/setup installs it)"));

    compareWithCurl(curl, 0, 1000, 2.0);
    compareWithCurl(curl, 5, 1000, 1.05);
    processorTimeWhileWaiting(200, 20);
    parallelAgainstSlowService(50, 1000, 8);
    parseLongName(10'000);
    parseLongName(200'000);
    return 0;
}
