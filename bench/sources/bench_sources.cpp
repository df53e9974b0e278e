// The open databases and the product index as a user meets them:
//  - 200 codes against a stand-in that allows R requests a minute, paced at R: the rate reached,
//    and whether the service ever refused one (429);
//  - the same paced at twice R: every code must still end found, through Retry-After;
//  - a second run of 10,000 codes whose answers are all remembered, in the real window;
//  - 100,000 codes looked up from a product index of 1,000,000 products, in the real window.
//  - one UPCitemdb answer read 20,000 times by the built-in source and by the upcitemdbpaid preset
//    (a source described in a file): the overhead of reading through JSON Pointers;
//  - 1,000 codes asked of that preset's stand-in with a 5 ms answer, next to curl;
//  - the bytes of one Open Food Facts answer with the fields Quillfen asks for, and whole;
//  - 1,000 ISBNs asked of Open Library's stand-in at its real pace (60 a minute): the requests
//    that takes, 25 books each, and the time.
// Prints its figures; it asserts nothing. Everything stays on this machine.
// `--index-window-only` runs only the index lookup in the window, so that its peak memory (and a
// profile of it) is that part's alone; `--overhead-only` and `--file-sources-only` the figures
// of sources described in files.
#include "BenchReport.h"
#include "MadeUpProducts.h"
#include "SampleServiceProcess.h"
#include "WindowHome.h"
#include "app/LookupSetup.h"
#include "app/window/Form1.h"
#include "desktop/storage/SqliteAnswerStore.h"
#include "desktop/system/QtClock.h"
#include "desktop/system/QtEventLoop.h"
#include "gs1/CodeFacts.h"
#include "lookup/JsonFileSource.h"
#include "lookup/LookupChain.h"
#include "lookup/OpenFoodFactsSource.h"
#include "lookup/UpcItemDbSource.h"
#include "platform/ListControl.h"
#include "program/ConnectionsModule.h"
#include "program/PageLoaders.h"
#include "program/QtPlatform.h"
#include "support/FakeChance.h"
#include "support/ModalDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {
[[noreturn]] void Fail(const QString& why)
{
    std::fprintf(stderr, "bench_sources: %s\n", qPrintable(why));
    std::exit(1);
}

struct PacedRun
{
    double seconds = 0;
    double perMinuteReached = 0;
    int refused = 0; // requests the service turned away with 429
    int notFound = 0;
};

// 200 codes asked of Open Food Facts' stand-in, which allows `allowed` requests a second, by a
// chain paced at `paced` a second.
PacedRun Paced(const QStringList& codes, const QString& catalog, int allowedPerSecond,
               int pacedPerSecond)
{
    SampleServiceProcess service;
    if (!service.start({QStringLiteral("--log-queries"), QStringLiteral("--open-catalog"), catalog,
                        QStringLiteral("--window-ms"), QStringLiteral("1000"),
                        QStringLiteral("--per-minute"),
                        QStringLiteral("openfoodfacts=%1").arg(allowedPerSecond)}))
        Fail(service.errorString());
    AppConfig config;
    config.openFoodFactsUrl = service.baseUrl();
    config.perMinute.insert(QStringLiteral("openfoodfacts"), pacedPerSecond * 60);
    QtEventLoop loop;
    QtClock clock;
    const auto loader =
        MakePageLoader({.loopbackOnly = true}, LinkedConnections()); // the program's own
    LookupChain chain(LookupServices{*loader, loop, clock, nullptr, nullptr},
                      MakeSources({QStringLiteral("openfoodfacts")}, config, {}, nullptr, {}),
                      ChainOptions{"Quillfen/bench (bench@quillfen.invalid)", 1, false, {}});
    chain.startRun();
    PacedRun run;
    QElapsedTimer timer;
    timer.start();
    for (const QString& code : codes)
        if (chain.lookUp(code)->status != CodeOutcome::Status::Found)
            ++run.notFound;
    run.seconds = double(timer.nsecsElapsed()) / 1e9;
    const auto arrivals = service.arrivals();
    run.refused = int(arrivals.size() - codes.size());
    // From the first request to the last: n - 1 intervals.
    const double span = double(arrivals.last().ms - arrivals.first().ms) / 1000.0;
    run.perMinuteReached = span > 0 ? double(arrivals.size() - 1) / span * 60.0 : 0;
    return run;
}

// The bytes of an answer to the request as the source makes it, and to the same without its
// query (the whole product): what asking for the fields read saves.
void AnswerBytes()
{
    SampleServiceProcess service;
    if (!service.start({}))
        Fail(service.errorString());
    QtEventLoop loop;
    const auto loader = MakePageLoader({.loopbackOnly = true}, LinkedConnections());
    const auto bytes = [&](const QUrl& url) {
        const auto page = loader->start(PageRequest{url, {}, 3});
        while (!page->isComplete())
            loop.waitForEvents();
        return page->response().body.size();
    };
    const OpenFoodFactsSource source(service.baseUrl(), QStringLiteral("de"));
    const QString code = QStringLiteral("3800123400018");
    const QUrl asked = source.request(code, CheckCode(code)).url;
    const qsizetype withFields = bytes(asked);
    const qsizetype whole = bytes(asked.adjusted(QUrl::RemoveQuery));
    std::printf("Open Food Facts answer: %lld bytes with the fields asked for, %lld whole "
                "(the stand-in's product; the real service's whole products are tens of KB)\n",
                qlonglong(withFields), qlonglong(whole));
}

// 1,000 made-up ISBNs, most unknown, asked of Open Library's stand-in at the real pace.
void BooksInBatches()
{
    SampleServiceProcess service;
    if (!service.start({QStringLiteral("--log-queries")}))
        Fail(service.errorString());
    AppConfig config;
    config.openLibraryUrl = service.baseUrl();
    QtEventLoop loop;
    QtClock clock;
    const auto loader = MakePageLoader({.loopbackOnly = true}, LinkedConnections());
    LookupChain chain(LookupServices{*loader, loop, clock, nullptr, nullptr},
                      MakeSources({QStringLiteral("openlibrary")}, config, {}, nullptr, {}),
                      ChainOptions{"Quillfen/bench (bench@quillfen.invalid)", 1, false, {}});
    QStringList isbns;
    for (int i = 0; i < 1000; ++i) {
        const QString body = QStringLiteral("978%1").arg(i, 9, 10, QLatin1Char('0'));
        isbns.append(body + Gs1CheckDigit(body));
    }
    chain.startRun();
    QElapsedTimer timer;
    timer.start();
    for (qsizetype i = 0; i < isbns.size(); ++i)
        chain.lookUp(isbns[i], [&](int k) { return isbns.value(i + k); });
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const QList<SampleServiceProcess::Arrival> arrivals = service.arrivals();
    const qsizetype requests = std::count_if(
        arrivals.cbegin(), arrivals.cend(),
        [](const SampleServiceProcess::Arrival& arrival) { return arrival.api == u"openlibrary"; });
    std::printf("Open Library, real pace: 1,000 ISBNs in %lld requests, %.1f s\n",
                qlonglong(requests), seconds);
    const QByteArray size = QStringLiteral("1,000 ISBNs, %1 requests").arg(requests).toUtf8();
    ReportRow({"books asked 25 a request, 60 a minute", size.constData(), seconds, nullptr, 0,
               "<= 40 requests"});
}

// Form1 on the real window and services, its Done box answered as soon as it shows.
// What the process holds in memory now, in megabytes: all of it, the index file's mapped pages,
// and what is neither a file nor shared (the heap, mostly).
struct Resident
{
    long total = 0;
    long indexFile = 0;
    long anonymous = 0;
};

Resident ResidentNow()
{
    Resident resident;
    QFile maps(QStringLiteral("/proc/self/smaps"));
    if (!maps.open(QIODevice::ReadOnly))
        return resident;
    bool inIndex = false;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.isEmpty() || words[0].isEmpty())
            continue;
        if (!words[0].endsWith(':')) { // a mapping's first line: its addresses, ..., its file
            inIndex = words.size() >= 6 && words.last().endsWith("index.sqlite");
        } else if (words[0] == "Rss:" && words.size() > 1) {
            resident.total += words[1].toLong();
            if (inIndex)
                resident.indexFile += words[1].toLong();
        } else if (words[0] == "Anonymous:" && words.size() > 1) {
            resident.anonymous += words[1].toLong();
        }
    }
    resident.total /= 1024;
    resident.indexFile /= 1024;
    resident.anonymous /= 1024;
    return resident;
}

// Runs the lookup of `codes` in the window and hands each results row to `eachRow`. The codes
// are handed over: once in the list, the benchmark keeps no copy of its own, nor of the rows,
// so that the peak it reports is the window's.
double LookUpInTheWindow(const AppConfig& config, QStringList codes,
                         const std::function<void(const QString&)>& eachRow,
                         Resident* afterRun = nullptr)
{
    QtPlatform platform(config.productName, true);
    FakeChance chance;
    Form1 form(platform.services(), config, chance);
    ConnectForm1(platform, form);
    form.Form_Load();
    platform.window().show();
    ListControl& list = platform.services().listView1;
    for (const QString& code : std::as_const(codes))
        list.add(code);
    codes = QStringList();
    whenDialogOpens([](QWidget* box) { box->close(); });
    QElapsedTimer timer;
    timer.start();
    form.PushButton17_Click();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    if (afterRun)
        *afterRun = ResidentNow();
    ListControl& results = platform.services().listView2;
    for (int row = 1; row <= results.count(); ++row)
        eachRow(results.text(row));
    return seconds;
}

AppConfig WindowConfig(const QStringList& sources)
{
    AppConfig config;
    config.webSiteUrl.clear();
    config.pingHost = QStringLiteral("127.0.0.1");
    config.openFoodFactsUrl = QStringLiteral("http://127.0.0.1:9");
    config.loopbackOnly = true;
    config.sources = sources;
    return config;
}
} // namespace

// Seconds to read the same answer `times` times through the source.
double ReadingSeconds(const LookupSource& source, const SourceResponse& response, int times)
{
    QElapsedTimer timer;
    timer.start();
    int found = 0;
    for (int i = 0; i < times; ++i)
        found += source.read(response, QStringLiteral("0885909950805")).kind ==
                 SourceAnswer::Kind::Found;
    if (found != times)
        std::printf("warning: %d of %d readings found the product\n", found, times);
    return double(timer.nsecsElapsed()) / 1e9;
}

// The upcitemdbpaid preset read from its file, with the key "k", asking `address` when given.
JsonFileSource PaidPreset(const QString& address = {}, int perMinute = 0)
{
    QFile preset(QStringLiteral(QUILLFEN_SOURCE_DIR "/sources/upcitemdbpaid.json"));
    if (!preset.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("no upcitemdbpaid.json"));
    auto described = ReadSourceFile(QStringLiteral("upcitemdbpaid.json"), preset.readAll());
    if (!std::holds_alternative<SourceDescription>(described))
        Fail(QStringLiteral("upcitemdbpaid.json is not read"));
    auto description = std::get<SourceDescription>(std::move(described));
    if (perMinute > 0)
        description.perMinute = perMinute; // as QUILLFEN_UPCITEMDBPAID_PER_MINUTE sets it
    return JsonFileSource(
        std::move(description),
        [] {
            return SourceKey{QStringLiteral("k"), {}};
        },
        address);
}

void ReadingOverhead()
{
    const JsonFileSource fromFile = PaidPreset();
    const UpcItemDbSource builtIn(QStringLiteral("http://127.0.0.1:9"));
    SourceResponse response;
    response.status = 200;
    response.body = R"({"code":"OK","total":1,"offset":0,"items":[{"ean":"0885909950805",
        "title":"Phone 6, Space Gray","description":"A phone.","brand":"Pear","model":"MG5A2LL/A",
        "size":"1 unit","category":"Electronics > Phones","images":["https://img.example/1.jpg"],
        "offers":[{"merchant":"Shop","price":199.0}]}]})";
    constexpr int kTimes = 20'000;
    // The best of five runs of each, taken in turns, so that a moment's load on the machine
    // falls on neither side alone.
    double builtInSeconds = 0;
    double fileSeconds = 0;
    for (int run = 0; run < 5; ++run) {
        const double builtInRun = ReadingSeconds(builtIn, response, kTimes);
        const double fileRun = ReadingSeconds(fromFile, response, kTimes);
        builtInSeconds = run == 0 ? builtInRun : std::min(builtInSeconds, builtInRun);
        fileSeconds = run == 0 ? fileRun : std::min(fileSeconds, fileRun);
    }
    std::printf("reading one answer:     built in %.3f s, described in a file %.3f s (%d times, "
                "ratio %.2f)\n",
                builtInSeconds, fileSeconds, kTimes, fileSeconds / builtInSeconds);
    ReportRow({"one answer read through a source file", "20,000 readings", fileSeconds,
               "the built-in source", builtInSeconds, "ratio <= 1.2"});
}

// curl asking every request the source makes for the codes in one invocation (one connection
// kept alive), each answer thrown away; not-found answers are 404s, so no --fail.
double CurlSeconds(const QString& curl, const LookupSource& source, const QStringList& codes)
{
    QTemporaryDir folder;
    QFile config(folder.filePath(QStringLiteral("requests.conf")));
    if (!config.open(QIODevice::WriteOnly))
        Fail(QStringLiteral("cannot write curl's requests"));
    for (const QString& code : codes) {
        const SourceRequest request = source.request(code, CheckCode(code));
        config.write("url = \"" + request.url.toEncoded() + "\"\noutput = \"/dev/null\"\n");
        if (&code == &codes.first()) {
            // Headers given once are sent with every request.
            for (const auto& [name, value] : request.headers)
                config.write("header = \"" + name + ": " + value + "\"\n");
        }
    }
    config.close();
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(curl, {QStringLiteral("--silent"), QStringLiteral("--show-error"),
                         QStringLiteral("--config"), config.fileName()});
    if (!process.waitForFinished(600'000) || process.exitCode() != 0)
        Fail(QStringLiteral("curl failed: ") +
             QString::fromLocal8Bit(process.readAllStandardError()));
    return double(timer.nsecsElapsed()) / 1e9;
}

// 1,000 codes asked of the upcitemdbpaid preset's stand-in, which takes 5 ms over each answer,
// by a chain paced far above that, next to curl sending the same requests.
void PresetInBatches()
{
    const QString curl = QStandardPaths::findExecutable(QStringLiteral("curl"));
    if (curl.isEmpty())
        Fail(QStringLiteral("curl is not installed"));
    SampleServiceProcess service;
    if (!service.start({QStringLiteral("--delay-ms"), QStringLiteral("5")}))
        Fail(service.errorString());
    // Every code different: a run asks a code it has had an answer for no second time. The
    // first is the product the stand-in knows, the second one it answers with another's record.
    QStringList codes{QStringLiteral("0036000291452"), QStringLiteral("4006381333931")};
    for (int i = 2; i < 1000; ++i) {
        const QString body = QStringLiteral("400%1").arg(i, 9, 10, QLatin1Char('0'));
        codes.append(body + Gs1CheckDigit(body));
    }
    QtEventLoop loop;
    QtClock clock;
    const auto loader = MakePageLoader({.loopbackOnly = true}, LinkedConnections());
    const auto run = [&](const QStringList& asked) {
        std::vector<std::unique_ptr<LookupSource>> sources;
        sources.push_back(std::make_unique<JsonFileSource>(PaidPreset(service.baseUrl(), 600'000)));
        LookupChain chain(LookupServices{*loader, loop, clock, nullptr, nullptr},
                          std::move(sources),
                          ChainOptions{"Quillfen/bench (bench@quillfen.invalid)", 1, false, {}});
        chain.startRun();
        int found = 0;
        QElapsedTimer timer;
        timer.start();
        for (const QString& code : asked) {
            const auto outcome = chain.lookUp(code);
            if (!outcome || outcome->status == CodeOutcome::Status::Failed)
                Fail(QStringLiteral("%1 failed: %2").arg(code, outcome ? outcome->detail : "-"));
            found += outcome->status == CodeOutcome::Status::Found;
        }
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        if (found != 1)
            Fail(QStringLiteral("%1 found, not 1").arg(found));
        return seconds;
    };
    const JsonFileSource requests = PaidPreset(service.baseUrl());
    run(codes.mid(0, 20)); // warm up both sides
    CurlSeconds(curl, requests, codes.mid(0, 20));
    QList<double> chainSeconds;
    QList<double> curlSeconds;
    for (int i = 0; i < 3; ++i) {
        chainSeconds.append(run(codes));
        curlSeconds.append(CurlSeconds(curl, requests, codes));
    }
    std::sort(chainSeconds.begin(), chainSeconds.end());
    std::sort(curlSeconds.begin(), curlSeconds.end());
    const double ours = chainSeconds[1];
    const double theirs = curlSeconds[1];
    std::printf("preset, 5 ms answers:   1,000 codes in %.2f s, curl %.2f s (ratio %.2f, median "
                "of 3)\n",
                ours, theirs, ours / theirs);
    std::fflush(stdout);
    ReportPeerRow({"1,000 codes through a preset, delay 5 ms", "1,000 codes", ours,
                   "curl, one invocation", theirs, "ratio <= 1.10"});
}

// The open databases, their pacing and remembered answers, in the window and out of it.
void OpenSourcesAndTheWindow(const QTemporaryDir& home)
{
    ReadingOverhead();
    PresetInBatches();
    AnswerBytes();
    BooksInBatches();

    // Pacing: R = 3000 a minute (50 a second), over 200 codes.
    QStringList codes;
    for (int i = 0; i < 200; ++i)
        codes.append(MadeUpEan(i));
    const QString catalog = WriteOpenCatalog(home, codes);
    if (catalog.isEmpty())
        Fail(QStringLiteral("cannot write the catalog"));
    const PacedRun atPace = Paced(codes, catalog, 50, 50);
    std::printf("paced at R = 3000/min:  200 codes in %.2f s, %.0f requests/min reached (%.1f%% "
                "of R), %d refused, %d not found\n",
                atPace.seconds, atPace.perMinuteReached, atPace.perMinuteReached / 30.0,
                atPace.refused, atPace.notFound);
    // The time from the first request to the last against what exactly R allows for it: a
    // ratio of 1.053 or less is 95% of R or more.
    const QByteArray pacedSize = QStringLiteral("200 codes, %1 x 429").arg(atPace.refused).toUtf8();
    ReportRow({"requests paced at R = 3000/min", pacedSize.constData(),
               199.0 * 60.0 / atPace.perMinuteReached, "R exactly, 199 gaps", 199.0 / 50.0,
               "ratio <= 1.053, no 429"});
    const PacedRun tooFast = Paced(codes, catalog, 50, 100);
    std::printf("paced at 2R:            200 codes in %.2f s, %d refused and tried again, %d not "
                "found or failed\n",
                tooFast.seconds, tooFast.refused, tooFast.notFound);
    const QByteArray tooFastSize = QStringLiteral("%1 found, %2 x 429")
                                       .arg(200 - tooFast.notFound)
                                       .arg(tooFast.refused)
                                       .toUtf8();
    ReportRow({"200 codes paced at twice R", tooFastSize.constData(), tooFast.seconds, nullptr, 0,
               "all 200 found"});

    // A second run of 10,000 codes, every answer remembered.
    QStringList remembered;
    {
        SqliteAnswerStore store; // where the window's store will look
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        for (int i = 0; i < 10'000; ++i) {
            remembered.append(MadeUpEan(1'000'000 + i));
            store.store(QStringLiteral("openfoodfacts"), QStringLiteral("http://127.0.0.1:9"),
                        remembered.last(),
                        StoredAnswer{true,
                                     QStringLiteral("Product %1").arg(i),
                                     QStringLiteral("Maker"),
                                     QStringLiteral("1 kg"),
                                     {},
                                     now});
        }
    }
    qsizetype rowCount = 0;
    QString lastRow;
    const double rememberedSeconds = LookUpInTheWindow(
        WindowConfig({QStringLiteral("openfoodfacts")}), remembered, [&](const QString& row) {
            ++rowCount;
            lastRow = row;
        });
    std::printf("remembered, window:     10,000 codes in %.3f s (%s the last row: \"%s\")\n",
                rememberedSeconds, rowCount == 10'000 ? "all rows," : "ROWS MISSING,",
                qPrintable(lastRow));
    ReportRow({"second run, all remembered, window", "10,000 codes", rememberedSeconds, nullptr, 0,
               "< 1 s"});
}

// 100,000 codes from a product index of 1,000,000 products, in the window.
void IndexInTheWindow(const QTemporaryDir& home)
{
    // The product index: 1,000,000 products, 100,000 codes (a tenth of them absent).
    const QString maker = QStringLiteral(QUILLFEN_MAKE_EXPORT_PATH);
    const QString indexPath = home.filePath(QStringLiteral("data/Zandrik/Quillfen/index.sqlite"));
    const QString codesPath = home.filePath(QStringLiteral("index-codes.txt"));
    QDir().mkpath(QFileInfo(indexPath).path());
    QElapsedTimer building;
    building.start();
    if (QProcess::execute(maker,
                          {QStringLiteral("--rows"), QStringLiteral("1000000"),
                           QStringLiteral("--index"), indexPath, QStringLiteral("--codes"),
                           codesPath, QStringLiteral("--code-count"), QStringLiteral("100000"),
                           QStringLiteral("--missing-codes"), QStringLiteral("0.1")}) != 0)
        Fail(QStringLiteral("the index could not be built"));
    std::printf("index:                  1,000,000 products built in %.1f s\n",
                double(building.nsecsElapsed()) / 1e9);
    QFile codesFile(codesPath);
    if (!codesFile.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("no codes"));
    QStringList indexCodes =
        QString::fromUtf8(codesFile.readAll()).split(u'\n', Qt::SkipEmptyParts);
    codesFile.close();
    const qsizetype codeCount = indexCodes.size();
    // Every row must be a product the index gave or a code it does not have: a window that
    // never reached the index ("not looked up") would time nothing worth having.
    qsizetype rowCount = 0;
    qsizetype absent = 0;
    qsizetype found = 0;
    QString firstRow;
    Resident resident;
    const double indexSeconds = LookUpInTheWindow(
        WindowConfig({QStringLiteral("index")}), std::move(indexCodes),
        [&](const QString& row) {
            if (rowCount++ == 0)
                firstRow = row;
            if (row.endsWith(QStringLiteral(" - no record found")))
                ++absent;
            else if (!row.contains(QStringLiteral(" - no record found")) &&
                     !row.contains(QStringLiteral(" - not looked up: ")) &&
                     !row.contains(QStringLiteral(" - lookup failed: ")))
                ++found;
        },
        &resident);
    if (rowCount != codeCount || found + absent != rowCount || found == 0)
        Fail(QStringLiteral("the index did not answer every code: %1 rows, %2 found, %3 absent, "
                            "the first row \"%4\"")
                 .arg(rowCount)
                 .arg(found)
                 .arg(absent)
                 .arg(firstRow));
    std::printf("index, window:          %lld codes in %.3f s, %lld rows: %lld found, %lld not in "
                "the index\n",
                qlonglong(codeCount), indexSeconds, qlonglong(rowCount), qlonglong(found),
                qlonglong(absent));
    std::printf("index, window:          resident after the run %ld MB: %ld MB of the index file "
                "mapped, %ld MB anonymous (heap), the rest the program and its libraries\n",
                resident.total, resident.indexFile, resident.anonymous);
    ReportRow({"look up from a 1,000,000-product index, window", "100,000 codes", indexSeconds,
               nullptr, 0, "< 1.5 s, peak < 250 MB"});
}

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    UseWindowHome(home);
    QApplication application(argc, argv);
    // The figures of sources described in files alone (--overhead-only: the reading alone),
    // without the long runs.
    const QStringList arguments = application.arguments();
    if (arguments.contains(u"--overhead-only")) {
        ReadingOverhead();
        return 0;
    }
    if (arguments.contains(u"--file-sources-only")) {
        ReadingOverhead();
        PresetInBatches();
        return 0;
    }
    const bool indexWindowOnly =
        QCoreApplication::arguments().contains(QStringLiteral("--index-window-only"));
    if (!indexWindowOnly)
        OpenSourcesAndTheWindow(home);
    IndexInTheWindow(home);
    return 0;
}
