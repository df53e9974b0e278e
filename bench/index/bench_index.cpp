// The offline product index: how fast a generated export of realistic width goes into the
// index, where the time goes (inflating, reading, inserting), and how fast codes are found; beside
// both, sqlite3 doing the same with its own .import and a join, where installed.
#include "BenchReport.h"
#include "ExportMaker.h"
#include "GeneratedIndex.h"
#include "PeerRun.h"
#include "common/OperationFailed.h"
#include "desktop/files/QtInputFiles.h"
#include "desktop/storage/SqliteProductIndex.h"
#include "index/ExportReader.h"
#include "index/GzipInflater.h"
#include "index/IndexChanges.h"
#include "index/IndexImport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include <zlib.h>

namespace {
double Seconds(const QElapsedTimer& clock)
{
    return double(clock.nsecsElapsed()) / 1e9;
}

// Processor time of the whole process (every thread), user and system.
double ProcessorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double LoadAverage()
{
    double load[1] = {0};
    return getloadavg(load, 1) == 1 ? load[0] : 0;
}

void WriteText(const std::string& path, const std::string& text)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), qint64(text.size())) != qint64(text.size())) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

// Inflates the file, and reads its lines too when asked, without writing anything.
qint64 ReadThrough(const QString& path, bool parse, qint64* rows)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    GzipInflater inflater;
    ExportReader reader;
    std::vector<char> buffer(1024 * 1024);
    const auto noRow = [](const ExportRow&) {};
    for (;;) {
        const qint64 got = file.read(buffer.data(), qint64(buffer.size()));
        if (got <= 0)
            break;
        inflater.feed(QByteArrayView(buffer.data(), got), [&](QByteArrayView text) {
            if (parse)
                reader.feed(text, noRow);
        });
    }
    reader.finish(noRow);
    *rows = reader.rows();
    return inflater.uncompressedBytes();
}

// An export whose every product name is a megabyte long: 2 GB of text that compresses to a
// couple of megabytes. Its peak memory is this process's alone (the benchmark starts it as a
// process of its own), and must stay as low as for an export of ordinary lines.
int LongNames()
{
    constexpr int kLines = 2000;
    constexpr qsizetype kNameBytes = 1024 * 1024;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long-names.csv.gz"));
    gzFile out = gzopen(QFile::encodeName(path).constData(), "wb6");
    if (!out)
        return 1;
    const QByteArray header = "code\tproduct_name\tbrands\tquantity\n";
    gzwrite(out, header.constData(), unsigned(header.size()));
    const QByteArray name(kNameBytes, 'n');
    for (int i = 0; i < kLines; ++i) {
        const QByteArray code = QByteArray::number(4000000000000LL + i) + '\t';
        gzwrite(out, code.constData(), unsigned(code.size()));
        gzwrite(out, name.constData(), unsigned(name.size()));
        gzwrite(out, "\tBrand\t1 kg\n", 13);
    }
    gzclose(out);
    const qint64 compressed = QFile(path).size();

    SqliteProductIndex index(dir.filePath(QStringLiteral("index.sqlite")));
    QtInputFiles files;
    const std::atomic<bool> cancel{false};
    QElapsedTimer clock;
    clock.start();
    const ImportSummary summary = ImportExports({path}, files, index, cancel, {});
    const double seconds = Seconds(clock);
    if (summary.outcome != ImportSummary::Outcome::Imported) {
        std::fprintf(stderr, "import failed: %s\n", qPrintable(summary.failure));
        return 1;
    }
    std::printf("1 MB names:        %d lines, %.1f MB compressed, %.0f MB of text: %.2f s, "
                "%lld names cut, peak %ld MB\n",
                kLines, double(compressed) / 1e6, double(summary.textBytes) / 1e6, seconds,
                static_cast<long long>(summary.fieldsCut), PeakMegabytes());
    ReportRow({"import an export of 1 MB product names", "2,000 rows", seconds, nullptr, 0,
               "peak < 300 MB"});
    return 0;
}
// A daily change file applied to a large index, in a process of its own so that its peak is the
// update's alone: the index (1,000,000 products) and the file (50,000 products as JSON Lines,
// half of them already in the index, half new) are made first, by the parent.
int ApplyChanges(const QString& indexPath, const QString& changesPath, qint64 products)
{
    SqliteProductIndex index(indexPath);
    QtInputFiles files;
    const std::atomic<bool> cancel{false};
    const ChangeFile file{QStringLiteral("openfoodfacts_products_1765152000_1765238400.json.gz"),
                          QDateTime::fromSecsSinceEpoch(1765152000, Qt::UTC),
                          QDateTime::fromSecsSinceEpoch(1765238400, Qt::UTC)};
    QElapsedTimer clock;
    clock.start();
    qint64 applied = 0;
    try {
        applied =
            ApplyChangeFile(changesPath, file, ChangesOptions{}, files, index, cancel).products;
    } catch (const OperationFailed& failure) {
        std::fprintf(stderr, "applying the change file failed: %s\n",
                     qPrintable(failure.description()));
        return 1;
    }
    const double seconds = Seconds(clock);
    index.reopenIfReplaced();
    std::printf("daily changes:     %lld products applied to an index of %lld in %.2f s, now %lld "
                "products, peak %ld MB\n",
                static_cast<long long>(applied), static_cast<long long>(products), seconds,
                static_cast<long long>(index.info().products), PeakMegabytes());
    ReportRow({"apply a daily change file (50,000 products)", "1,000,000-product index", seconds,
               nullptr, 0, "< 10 s, < 300 MB"});
    return 0;
}

int DailyChanges()
{
    constexpr qint64 kIndexProducts = 1'000'000;
    constexpr qint64 kChanged = 50'000;
    QTemporaryDir dir;
    const QString indexPath = dir.filePath(QStringLiteral("index.sqlite"));
    const QString changesPath = dir.filePath(QStringLiteral("changes.json.gz"));
    ExportShape shape;
    shape.rows = kIndexProducts;
    shape.seed = 2024;
    QElapsedTimer clock;
    clock.start();
    try {
        BuildGeneratedIndex(shape, indexPath);
    } catch (const OperationFailed& failure) {
        std::fprintf(stderr, "cannot build the index: %s\n", qPrintable(failure.description()));
        return 1;
    }
    shape.jsonLines = true;
    shape.rows = kIndexProducts + kChanged / 2;
    const ExportMaker maker(shape);
    QByteArray text;
    for (qint64 row = kIndexProducts - kChanged / 2; row < shape.rows; ++row)
        maker.appendLine(row, text);
    gzFile out = gzopen(QFile::encodeName(changesPath).constData(), "wb6");
    if (!out || gzwrite(out, text.constData(), unsigned(text.size())) != int(text.size()) ||
        gzclose(out) != Z_OK)
        return 1;
    std::printf("made an index of %lld products and a change file of %lld (%.1f MB of JSON) in "
                "%.1f s\n",
                static_cast<long long>(kIndexProducts), static_cast<long long>(kChanged),
                double(text.size()) / 1e6, Seconds(clock));
    QProcess apply;
    apply.setProcessChannelMode(QProcess::ForwardedChannels);
    apply.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--apply-changes"), indexPath, changesPath,
                 QString::number(kIndexProducts)});
    apply.waitForFinished(-1);
    return apply.exitStatus() == QProcess::NormalExit ? apply.exitCode() : 1;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "--long-names")
        return LongNames();
    if (argc > 4 && QByteArray(argv[1]) == "--apply-changes")
        return ApplyChanges(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                            QByteArray(argv[4]).toLongLong());
    if (argc > 1 && QByteArray(argv[1]) == "--daily-changes")
        return DailyChanges();
    const qint64 rows = argc > 1 ? QByteArray(argv[1]).toLongLong() : 500000;
    const QString rowsText = QString::number(rows / 1000) + QStringLiteral(",000 rows");
    QTemporaryDir dir;
    const QString exportPath = dir.filePath(QStringLiteral("en.openfoodfacts.org.products.csv.gz"));

    ExportShape shape;
    shape.rows = rows;
    shape.seed = 2024;
    shape.badLineShare = 0.001;
    shape.emptyCodeShare = 0.001;
    QElapsedTimer clock;
    clock.start();
    QString problem;
    // gzip level 1 only makes the file faster to write; inflating costs about the same.
    if (!WriteExportFile(shape, exportPath, 1, &problem)) {
        std::fprintf(stderr, "cannot write the export: %s\n", qPrintable(problem));
        return 1;
    }
    const qint64 compressed = QFile(exportPath).size();
    std::printf("generated %lld rows, %.1f MB compressed, in %.1f s\n",
                static_cast<long long>(rows), double(compressed) / 1e6, Seconds(clock));

    // The best of three for each stage, like the other benchmarks.
    const auto best = [](auto&& run) {
        double fastest = 1e9;
        for (int i = 0; i < 3; ++i) {
            QElapsedTimer timer;
            timer.start();
            run();
            fastest = std::min(fastest, Seconds(timer));
        }
        return fastest;
    };
    qint64 text = 0;
    qint64 readRows = 0;
    const double inflateSeconds = best([&] { text = ReadThrough(exportPath, false, &readRows); });
    const double readSeconds = best([&] { text = ReadThrough(exportPath, true, &readRows); });
    std::printf("text: %.1f MB (%.0f bytes a line), %lld product lines\n", double(text) / 1e6,
                double(text) / double(rows), static_cast<long long>(readRows));
    std::printf("inflate only:      %.2f s, %.0f MB/s of text\n", inflateSeconds,
                double(text) / 1e6 / inflateSeconds);
    std::printf("inflate and read:  %.2f s, %.0f MB/s of text\n", readSeconds,
                double(text) / 1e6 / readSeconds);

    SqliteProductIndex index(dir.filePath(QStringLiteral("index.sqlite")));
    QtInputFiles files;
    const std::atomic<bool> cancel{false};
    ImportSummary summary;
    double processorSeconds = 1e9;
    const double importSeconds = best([&] {
        const double before = ProcessorSeconds();
        // Two languages' names kept besides the main one, as a German or French user's import
        // keeps them by default (the desktop's language and --language).
        summary =
            ImportExports({exportPath}, files, index, cancel, {},
                          ImportOptions{QString(), {QStringLiteral("de"), QStringLiteral("fr")}});
        processorSeconds = std::min(processorSeconds, ProcessorSeconds() - before);
    });
    if (summary.outcome != ImportSummary::Outcome::Imported) {
        std::fprintf(stderr, "import failed: %s\n", qPrintable(summary.failure));
        return 1;
    }
    const double megabytesPerSecond = double(summary.textBytes) / 1e6 / importSeconds;
    std::printf("import:            %.2f s, %.0f MB/s of text, %lld products, index %.1f MB, "
                "peak %ld MB\n",
                importSeconds, megabytesPerSecond, static_cast<long long>(summary.rows),
                double(index.info().fileBytes) / 1e6, PeakMegabytes());
    // What the index costs on disk for each product it holds: the categories, countries and
    // picture addresses it keeps may make it at most half as large again.
    std::printf("index per product: %.0f bytes\n",
                double(index.info().fileBytes) / double(std::max<qint64>(1, summary.rows)));
    // On a shared machine the wall time says as much about the neighbours as about the import;
    // the processor time, over both threads, says what the work itself costs.
    std::printf("import processor time: %.2f s over both threads (load average %.1f)\n",
                processorSeconds, LoadAverage());
    ReportRow({"inflate an export", qPrintable(rowsText), inflateSeconds});
    ReportRow({"inflate and read an export", qPrintable(rowsText), readSeconds});
    ReportRow({"import an export into the index", qPrintable(rowsText), importSeconds,
               "inflate and read", readSeconds, ">= 100 MB/s, < 300 MB"});

    // The peer: sqlite3's own .import of the same export, then an index on its codes, as someone
    // without the program would make a table to look codes up in.
    const std::string peerDatabase = dir.filePath(QStringLiteral("peer.sqlite")).toStdString();
    const std::string tabs = ".mode ascii\n.separator \"\\t\" \"\\n\"\n";
    const std::string importScript = dir.filePath(QStringLiteral("import.sql")).toStdString();
    WriteText(importScript, tabs + ".import /dev/stdin products\n"
                                   "CREATE INDEX products_code ON products(code);\n");
    const PeerRun peerImport = RunPeer({"sh", "-c",
                                        "zcat '" + exportPath.toStdString() + "' | sqlite3 '" +
                                            peerDatabase + "' '.read " + importScript + "'"});
    if (peerImport.ran())
        std::printf("peer sqlite3 .import and CREATE INDEX: %.2f s; ratio %.2f "
                    "(target < 1)\n",
                    peerImport.seconds, importSeconds / peerImport.seconds);
    else
        std::printf("peer sqlite3: did not run\n");
    ReportPeerRow({"import an export, beside sqlite3", qPrintable(rowsText), importSeconds,
                   peerImport.ran() ? "sqlite3 .import + index" : nullptr, peerImport.seconds,
                   "ratio < 1"});

    // Lookups: nine in ten codes are in the index, in their 13-digit form.
    const qint64 lookups = 100000;
    std::vector<QString> codes;
    codes.reserve(std::size_t(lookups));
    for (qint64 i = 0; i < lookups; ++i)
        codes.push_back(QString::fromLatin1(
            ExportMaker::productCode(shape.seed, i % 10 == 9 ? rows + i : (i * 7919) % rows)));
    index.reopenIfReplaced();
    qint64 found = 0;
    const double lookupSeconds = best([&] {
        found = 0;
        for (const QString& code : codes)
            found += index.find(code).has_value();
    });
    std::printf("lookups:           %lld codes in %.3f s, %lld found\n",
                static_cast<long long>(lookups), lookupSeconds, static_cast<long long>(found));
    // The peer: the same codes joined against sqlite3's table, the product's fields printed.
    PeerRun peerLookups;
    if (peerImport.ran()) {
        std::string wanted;
        for (const QString& code : codes)
            wanted += code.toStdString() + '\n';
        const std::string codesFile = dir.filePath(QStringLiteral("codes.txt")).toStdString();
        const std::string lookupScript = dir.filePath(QStringLiteral("lookup.sql")).toStdString();
        WriteText(codesFile, wanted);
        WriteText(lookupScript, "CREATE TEMP TABLE wanted(code TEXT);\n" + tabs + ".import " +
                                    codesFile +
                                    " wanted\n.mode list\n"
                                    "SELECT p.code, p.product_name, p.brands, p.quantity "
                                    "FROM wanted JOIN products p USING(code);\n");
        peerLookups = RunPeer({"sqlite3", peerDatabase, ".read " + lookupScript});
        if (peerLookups.ran())
            std::printf("peer sqlite3 join: %.3f s; ratio %.2f (target < 1)\n", peerLookups.seconds,
                        lookupSeconds / peerLookups.seconds);
    }
    ReportPeerRow({"look up codes in the index", "100,000 codes", lookupSeconds,
                   peerLookups.ran() ? "sqlite3 join" : nullptr, peerLookups.seconds,
                   "< 2 s, ratio < 1"});

    // In a process of its own, so that the peak it reports is its own.
    QProcess longNames;
    longNames.setProcessChannelMode(QProcess::ForwardedChannels);
    longNames.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--long-names")});
    longNames.waitForFinished(-1);
    if (longNames.exitStatus() != QProcess::NormalExit || longNames.exitCode() != 0)
        return 1;
    QProcess changes;
    changes.setProcessChannelMode(QProcess::ForwardedChannels);
    changes.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--daily-changes")});
    changes.waitForFinished(-1);
    return changes.exitStatus() == QProcess::NormalExit ? changes.exitCode() : 1;
}
