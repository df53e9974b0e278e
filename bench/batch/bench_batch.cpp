// Batch mode as a script runs it, the real program in a process of its own: 100,000 codes whose
// answers are all remembered written out as CSV, 1,000,000 codes answered by the product index,
// with the program's peak memory, and 1,000,000 codes of which half are the same products again
// in another form, beside the 500,000 distinct ones.
#include "BenchReport.h"
#include "ChildRun.h"
#include "ExportMaker.h"
#include "GeneratedIndex.h"
#include "PeerRun.h"
#include "SampleServiceProcess.h"
#include "desktop/storage/SqliteAnswerStore.h"
#include "lookup/ProductCode.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {
// The program's run, best of three: the fastest time, and the largest peak of the three.
ChildRun BestOfThree(const QStringList& arguments, const QProcessEnvironment& environment,
                     const QString& outputPath, const QString& errorPath)
{
    ChildRun best;
    best.seconds = 1e9;
    for (int i = 0; i < 3; ++i) {
        const ChildRun run = RunChild(arguments, environment, outputPath, errorPath);
        if (run.status != best.status && best.status != -1)
            return run;
        best.status = run.status;
        best.seconds = std::min(best.seconds, run.seconds);
        best.peakMegabytes = std::max(best.peakMegabytes, run.peakMegabytes);
    }
    return best;
}

// How many lines of the file say "found" in the status column.
qint64 FoundRows(const QString& path, qint64* lines)
{
    QFile file(path);
    *lines = 0;
    qint64 found = 0;
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        ++*lines;
        found += line.contains(",found,");
    }
    return found;
}

QByteArray WithCheckDigit(QByteArray twelve)
{
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (twelve[i] - '0') * (i % 2 == 0 ? 1 : 3);
    return twelve + char('0' + (10 - sum % 10) % 10);
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void PrintErrors(const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        std::fprintf(stderr, "%s", file.readAll().right(2000).constData());
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QString program = QStringLiteral(QUILLFEN_PROGRAM);
    QTemporaryDir home;
    // BENCH_KEEP=1 keeps the folder (its index, codes and environment) to profile a run again.
    if (qEnvironmentVariableIsSet("BENCH_KEEP")) {
        home.setAutoRemove(false);
        std::printf("files kept in %s\n", qPrintable(home.path()));
    }
    for (const char* folder : {"config", "cache", "data"})
        QDir(home.path()).mkpath(QString::fromLatin1(folder));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    for (const char* name : {"QUILLFEN_SOURCES", "QUILLFEN_SERVICE_URL", "QUILLFEN_NO_CACHE"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("none-such"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    // Nothing leaves the machine, and nothing needs to: every answer is remembered or local, and
    // the open databases' addresses are the discard port, which refuses at once.
    environment.insert(QStringLiteral("QUILLFEN_LOOPBACK_ONLY"), QStringLiteral("1"));
    for (const char* name :
         {"QUILLFEN_OPENFOODFACTS_URL", "QUILLFEN_OPENLIBRARY_URL", "QUILLFEN_UPCITEMDB_URL"})
        environment.insert(QString::fromLatin1(name), QStringLiteral("http://127.0.0.1:9"));
    const QString errors = home.filePath(QStringLiteral("errors.txt"));

    // ---- 100,000 codes, every answer remembered ----
    const qint64 remembered = argc > 1 ? QByteArray(argv[1]).toLongLong() : 100000;
    {
        QElapsedTimer priming;
        priming.start();
        // The store the program opens: in the benchmark's own cache folder.
        const QString storePath =
            home.filePath(QStringLiteral("cache/Zandrik/Quillfen/lookups.sqlite"));
        QDir().mkpath(QFileInfo(storePath).absolutePath());
        SqliteAnswerStore store(storePath);
        QByteArray codes;
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        for (qint64 i = 0; i < remembered; ++i) {
            const QByteArray code =
                WithCheckDigit("40" + QByteArray::number(i * 7).rightJustified(10, '0'));
            codes += code + '\n';
            StoredAnswer answer;
            answer.found = i % 10 != 9;
            if (answer.found) {
                answer.name = QStringLiteral("Made-up product %1, with a comma").arg(i);
                answer.brand = QStringLiteral("Brand %1").arg(i % 97);
                answer.quantity = QStringLiteral("400 g");
            }
            answer.storedAt = now;
            store.store(QStringLiteral("openfoodfacts"), QStringLiteral("http://127.0.0.1:9"),
                        QString::fromLatin1(code), answer);
        }
        const QString problem = store.takeProblem();
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "cannot prime the remembered answers: %s\n", qPrintable(problem));
            return 1;
        }
        const QString codesPath = home.filePath(QStringLiteral("remembered.txt"));
        WriteFile(codesPath, codes);
        std::printf("primed %lld remembered answers in %.1f s\n",
                    static_cast<long long>(remembered), double(priming.nsecsElapsed()) / 1e9);

        const QString output = home.filePath(QStringLiteral("remembered.csv"));
        const ChildRun run = BestOfThree(
            {program, QStringLiteral("--batch"), QStringLiteral("--sources"),
             QStringLiteral("openfoodfacts"), QStringLiteral("--output"), output, codesPath},
            environment, home.filePath(QStringLiteral("stdout.txt")), errors);
        qint64 lines = 0;
        const qint64 found = FoundRows(output, &lines);
        std::printf("batch, %lld remembered codes to CSV: %.3f s (best of 3), exit %d, %lld "
                    "lines, %lld found, program peak %ld MB\n",
                    static_cast<long long>(remembered), run.seconds, run.status,
                    static_cast<long long>(lines), static_cast<long long>(found),
                    run.peakMegabytes);
        if (run.status != 0 || lines != remembered + 1 || found != remembered - remembered / 10) {
            PrintErrors(errors);
            return 1;
        }
        const QByteArray size =
            QLocale(QLocale::English).toString(remembered).toLatin1() + " codes";
        ReportRow({"batch: remembered answers to CSV", size.constData(), run.seconds, nullptr, 0,
                   "< 3 s", run.peakMegabytes});
    }

    // ---- 1,000,000 codes from the index ----
    const qint64 indexed = argc > 2 ? QByteArray(argv[2]).toLongLong() : 1000000;
    {
        QElapsedTimer building;
        building.start();
        ExportShape shape;
        shape.rows = indexed;
        shape.seed = 7;
        // Where the program looks for it: the index of the benchmark's own data folder.
        try {
            BuildGeneratedIndex(
                shape, home.filePath(QStringLiteral("data/Zandrik/Quillfen/index.sqlite")));
        } catch (const std::exception& failure) {
            std::fprintf(stderr, "cannot build the index: %s\n", failure.what());
            return 1;
        }
        QByteArray codes;
        codes.reserve(indexed * 14);
        for (qint64 i = 0; i < indexed; ++i)
            codes += ExportMaker::productCode(shape.seed, (i * 7919) % indexed) + '\n';
        const QString codesPath = home.filePath(QStringLiteral("indexed.txt"));
        WriteFile(codesPath, codes);
        codes = QByteArray();
        std::printf("built an index of %lld products and the codes in %.1f s\n",
                    static_cast<long long>(indexed), double(building.nsecsElapsed()) / 1e9);

        // The sources as they come by default: the index first, the open databases after it.
        const QString output = home.filePath(QStringLiteral("indexed.csv"));
        const ChildRun run = RunChild(
            {program, QStringLiteral("--batch"), QStringLiteral("--output"), output, codesPath},
            environment, home.filePath(QStringLiteral("stdout.txt")), errors);
        qint64 lines = 0;
        const qint64 found = FoundRows(output, &lines);
        std::printf("batch, %lld codes from the index to CSV: %.2f s, exit %d, %lld lines, "
                    "%lld found, program peak %ld MB\n",
                    static_cast<long long>(indexed), run.seconds, run.status,
                    static_cast<long long>(lines), static_cast<long long>(found),
                    run.peakMegabytes);
        if (run.status != 0 || lines != indexed + 1 || found != indexed) {
            PrintErrors(errors);
            return 1;
        }
        const QByteArray size = QLocale(QLocale::English).toString(indexed).toLatin1() + " codes";
        ReportRow({"batch: codes from the index to CSV", size.constData(), run.seconds, nullptr, 0,
                   "peak < 200 MB", run.peakMegabytes});

        // Like for like: 100,000 of those codes from the index as a user asks for them, a whole
        // process with its start-up and its CSV file, beside sqlite3 joining the same codes
        // against the same index file in a process of its own. Interleaved, the best of three
        // each, so that a neighbour's burst weighs on both alike.
        const qint64 asked = std::min<qint64>(100000, indexed);
        QFile all(codesPath);
        QByteArray some;
        if (all.open(QIODevice::ReadOnly))
            for (qint64 i = 0; i < asked && !all.atEnd(); ++i)
                some += all.readLine();
        const QString somePath = home.filePath(QStringLiteral("some.txt"));
        const std::string lookupScript = home.filePath(QStringLiteral("join.sql")).toStdString();
        WriteFile(somePath, some);
        WriteFile(
            QString::fromStdString(lookupScript),
            "CREATE TEMP TABLE wanted(code TEXT);\n.mode ascii\n.separator \"\\t\" \"\\n\"\n"
            ".import " +
                QFile::encodeName(somePath) +
                " wanted\n.mode list\n"
                "SELECT p.key, p.fields FROM wanted JOIN products p ON p.key = wanted.code;\n");
        const std::string indexPath =
            home.filePath(QStringLiteral("data/Zandrik/Quillfen/index.sqlite")).toStdString();
        const std::string joined = home.filePath(QStringLiteral("joined.txt")).toStdString();
        double ours = 1e9;
        double peer = 1e9;
        long oursPeak = 0;
        for (int round = 0; round < 3; ++round) {
            const ChildRun lookups =
                RunChild({program, QStringLiteral("--batch"), QStringLiteral("--sources"),
                          QStringLiteral("index"), QStringLiteral("--output"),
                          home.filePath(QStringLiteral("some.csv")), somePath},
                         environment, home.filePath(QStringLiteral("stdout.txt")), errors);
            if (lookups.status != 0) {
                PrintErrors(errors);
                return 1;
            }
            ours = std::min(ours, lookups.seconds);
            oursPeak = lookups.peakMegabytes;
            const PeerRun join = RunPeer(
                {"sqlite3", "-readonly", indexPath, ".read " + lookupScript}, joined.c_str());
            peer = join.ran() ? std::min(peer, join.seconds) : -1;
        }
        // Scans at batch speed: 10,000 of the codes piped into --scan from a file, each written
        // to the session file before its answer, beside --batch on the same file.
        const qint64 scanned = std::min<qint64>(10000, indexed);
        const QString scansPath = home.filePath(QStringLiteral("scans.txt"));
        WriteFile(scansPath, some.left(some.size() / asked * scanned));
        double scanSeconds = 1e9;
        double batchSeconds = 1e9;
        for (int round = 0; round < 3; ++round) {
            const ChildRun scan = RunChild({program, QStringLiteral("--scan"),
                                            QStringLiteral("--sources"), QStringLiteral("index")},
                                           environment, home.filePath(QStringLiteral("scans.csv")),
                                           errors, scansPath);
            const ChildRun batch =
                RunChild({program, QStringLiteral("--batch"), QStringLiteral("--sources"),
                          QStringLiteral("index"), QStringLiteral("--output"),
                          home.filePath(QStringLiteral("scans-batch.csv")), scansPath},
                         environment, home.filePath(QStringLiteral("stdout.txt")), errors);
            if (scan.status != 0 || batch.status != 0) {
                PrintErrors(errors);
                return 1;
            }
            scanSeconds = std::min(scanSeconds, scan.seconds);
            batchSeconds = std::min(batchSeconds, batch.seconds);
        }
        std::printf("whole process, %lld lines piped into --scan: %.3f s; --batch: %.3f s; "
                    "ratio %.2f (target <= 3)\n",
                    static_cast<long long>(scanned), scanSeconds, batchSeconds,
                    scanSeconds / batchSeconds);
        ReportRow({"--scan from a file, answered from the index", "10,000 lines", scanSeconds,
                   "--batch, same codes", batchSeconds, "ratio <= 3"});

        const QByteArray askedText = QLocale(QLocale::English).toString(asked).toLatin1() + " of " +
                                     QLocale(QLocale::English).toString(indexed).toLatin1();
        std::printf("whole process, %s codes from the index: %.3f s; sqlite3 join: %.3f s; "
                    "ratio %.2f (target <= 0.8)\n",
                    askedText.constData(), ours, peer, peer > 0 ? ours / peer : 0.0);
        ReportPeerRow({"batch --sources index, whole process", askedText.constData(), ours,
                       peer > 0 ? "sqlite3 join, whole process" : nullptr, peer, "ratio <= 0.8",
                       oursPeak});
    }

    // ---- One product, one request: the same products again in another form ----
    // Distinct products, each asked of Open Food Facts' stand-in; then as many again in between,
    // each the one just before typed as its UPC-A. The repeats are answered from the first of
    // each, without a request: they should cost next to nothing beside it.
    const qint64 distinct = argc > 3 ? QByteArray(argv[3]).toLongLong() : 500000;
    {
        SampleServiceProcess service;
        if (!service.start()) {
            std::fprintf(stderr, "cannot start the stand-in: %s\n",
                         qPrintable(service.errorString()));
            return 1;
        }
        QProcessEnvironment asking = environment;
        asking.insert(QStringLiteral("QUILLFEN_OPENFOODFACTS_URL"), service.baseUrl());
        asking.insert(QStringLiteral("QUILLFEN_OPENFOODFACTS_PER_MINUTE"),
                      QStringLiteral("100000000"));
        asking.insert(QStringLiteral("QUILLFEN_NO_CACHE"), QStringLiteral("1"));
        QByteArray once;
        QByteArray twice;
        once.reserve(distinct * 14);
        twice.reserve(distinct * 27);
        for (qint64 i = 0; i < distinct; ++i) {
            // EAN-13 codes that start with 0: each is also a UPC-A of 12 digits.
            const QByteArray code =
                WithCheckDigit("03" + QByteArray::number(i * 11).rightJustified(10, '0'));
            once += code + '\n';
            twice += code + '\n' + code.sliced(1) + '\n';
        }
        const QString onceList = home.filePath(QStringLiteral("distinct.txt"));
        const QString twiceList = home.filePath(QStringLiteral("repeated.txt"));
        WriteFile(onceList, once);
        WriteFile(twiceList, twice);
        const auto runOf = [&](const QString& list) {
            return RunChild({program, QStringLiteral("--batch"), QStringLiteral("--quiet"),
                             QStringLiteral("--sources"), QStringLiteral("openfoodfacts"),
                             QStringLiteral("--output"), home.filePath(QStringLiteral("same.csv")),
                             list},
                            asking, home.filePath(QStringLiteral("stdout.txt")), errors);
        };
        const ChildRun alone = runOf(onceList);
        const ChildRun repeated = runOf(twiceList);
        qint64 lines = 0;
        const qint64 notFound = FoundRows(home.filePath(QStringLiteral("same.csv")), &lines);
        std::printf("batch, %lld distinct products: %.2f s, peak %ld MB; twice as many codes, "
                    "half of them repeats in another form: %.2f s (%.3fx), peak %ld MB (%.2fx), "
                    "%lld lines\n",
                    static_cast<long long>(distinct), alone.seconds, alone.peakMegabytes,
                    repeated.seconds, repeated.seconds / alone.seconds, repeated.peakMegabytes,
                    double(repeated.peakMegabytes) / double(std::max(1L, alone.peakMegabytes)),
                    static_cast<long long>(lines));
        // The stand-in knows none of them: every row a definite "not found".
        if (alone.status != 0 || repeated.status != 0 || lines != 2 * distinct + 1 ||
            notFound != 0) {
            PrintErrors(errors);
            return 1;
        }
        const QByteArray size =
            QLocale(QLocale::English).toString(2 * distinct).toLatin1() + " codes";
        const QByteArray baseline =
            QLocale(QLocale::English).toString(distinct).toLatin1() + " distinct";
        ReportRow({"batch: half the codes repeats", size.constData(), repeated.seconds,
                   baseline.constData(), alone.seconds, "ratio <= 1.05, peak <= 1.2x",
                   repeated.peakMegabytes});
    }
    return 0;
}
