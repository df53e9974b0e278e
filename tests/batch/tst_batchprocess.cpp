// The real program in batch mode, as a script runs it: against the sample service standing in for
// the page service and the open databases, with no display, every format read back by another
// program, its exit statuses, standard input, stop signals, asking in parallel, and a resumed run.
#include "SampleServiceProcess.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {
const QStringList kColumns{
    "code",   "gtin",    "status",     "name",      "brand",         "quantity",
    "source", "detail",  "categories", "kind",      "gs1_office",    "image_url",
    "url",    "same_as", "inner_gtin", "upc",       "isbn10",        "isbn_hyphenated",
    "issn",   "author",  "publisher",  "published", "control_number"};

// The codes of the formats' cases and the rows they come to, through Open Food Facts' stand-in.
const char kCodes[] = "3800123400018\n40172637\n\n0823564706221\r\n4006381333932\n12,345\n";
const QList<QStringList> kRows{
    kColumns,
    {"3800123400018",
     "3800123400018",
     "found",
     "Hazelnut Cocoa Spread",
     "Hazel Grove",
     "400 g",
     "Open Food Facts",
     "",
     "Hazelnut spreads, Cocoa and hazelnuts spreads",
     "EAN-13",
     "GS1 Bulgaria",
     "@/images/products/380/012/340/0018/front_en.3.400.jpg",
     "@/product/3800123400018",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     ""},
    {"40172637",
     "40172637",
     "found",
     "Mint Drops",
     "Polvaro",
     "40 g",
     "Open Food Facts",
     "",
     "",
     "EAN-8",
     "GS1 Germany",
     "",
     "@/product/40172637",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     ""},
    {"0823564706221",
     "0823564706221",
     "not found",
     "",
     "",
     "",
     "",
     "",
     "",
     "EAN-13",
     "GS1 US",
     "",
     "",
     "",
     "",
     "823564706221",
     "",
     "",
     "",
     "",
     "",
     "",
     ""},
    {"4006381333932",
     "",
     "not looked up",
     "",
     "",
     "",
     "",
     "check digit should be 1",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     ""},
    {"12,345",
     "",
     "not looked up",
     "",
     "",
     "",
     "",
     "not an EAN (8, 12, 13 or 14 digits expected) or an ISBN-10",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     "",
     ""},
};

// The rows with the stand-in's address, which changes from run to run, written "@".
QList<QStringList> Addressless(QList<QStringList> rows, const QString& base)
{
    for (QStringList& row : rows)
        row.replaceInStrings(base, QStringLiteral("@"));
    return rows;
}

// Whether the process has a handler of its own for the signal (its SigCgt mask on Linux), so that
// a signal sent now is caught rather than ending it the default way.
bool Catches(qint64 pid, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    }
    return false;
}

struct Finished
{
    int status = -1;
    QByteArray output;
    QString errors;
};

// The rows of a results file as Python's readers and openpyxl see them; empty when unreadable.
QList<QStringList> ReadResults(const QString& format, const QString& path)
{
    QProcess python;
    python.start(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral(QUILLFEN_SOURCE_DIR "/tests/batch/read_results.py"), format, path});
    if (!python.waitForFinished(60'000) || python.exitCode() != 0) {
        qWarning("the results could not be read back: %s",
                 python.readAllStandardError().constData());
        return {};
    }
    QList<QStringList> rows;
    const QJsonArray read =
        QJsonDocument::fromJson(python.readAllStandardOutput()).object().value(u"rows").toArray();
    for (const QJsonValue& row : read) {
        QStringList cells;
        for (const QJsonValue& cell : row.toArray())
            cells.append(cell.toString());
        rows.append(cells);
    }
    return rows;
}
} // namespace

class TestBatchProcess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // ---- Formats ----
    void format_eachReadBackByAnotherProgram_data();
    void format_eachReadBackByAnotherProgram();
    void standardInput_toCsvOnStandardOutput();
    void shopFiles_readBackAsTheShopsReadThem();

    // ---- Exit statuses ----
    void failedLookup_exitsOne();
    void language_translatesStandardErrorAndHelpAlone_data();
    void language_translatesStandardErrorAndHelpAlone();
    void badUsage_exitsTwoAndWritesNothing_data();
    void badUsage_exitsTwoAndWritesNothing();
    void noDisplay_batchStillRuns();
    void photo_readThroughThePicturesModule();
    void brokenLabelLayout_notReadByABatchRun();
    void outputNamingAnInput_refusedBeforeAnythingIsRead_data();
    void outputNamingAnInput_refusedBeforeAnythingIsRead();
    void unwritableWorkbook_namesTheFileAskedForAndNoLibraryLines();

    // ---- Stopping, asking ahead, resuming ----
    void signal_writesTheRowsDoneWholeAndExitsWithItsStatus_data();
    void signal_writesTheRowsDoneWholeAndExitsWithItsStatus();
    void signalWhileReadingStandardInput_stopsAtOnce_data();
    void signalWhileReadingStandardInput_stopsAtOnce();
    void parallel_rowsInTheCodesOrderWithTheirFailures();
    void secondRun_asksOnlyWhatFailed();
    void sameProduct_askedOnceInTheSourcesOwnForm_data();
    void sameProduct_askedOnceInTheSourcesOwnForm();

    // ---- Scanning ----
    void scan_rowPerScanAsAnswered_andKilledSessionReadBack();

private:
    // A home of the run's own (settings, remembered answers, index) and the sample service,
    // which every source is pointed at; nothing but loopback may be asked.
    struct RealBatch
    {
        // In a home of its own, or in the one given, which a later run can take over.
        explicit RealBatch(const QStringList& serviceOptions = {}, const QString& sharedHome = {})
            : homePath(sharedHome.isEmpty() ? ownHome.path() : sharedHome)
        {
            started = service.start(serviceOptions);
            if (!started)
                qWarning("%s", qPrintable(service.errorString()));
        }

        QString path(const QString& name) const { return QDir(homePath).filePath(name); }
        QString write(const QString& name, const QByteArray& bytes) const
        {
            QFile file(path(name));
            if (file.open(QIODevice::WriteOnly))
                file.write(bytes);
            return file.fileName();
        }

        QProcessEnvironment environment() const
        {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const char* name :
                 {"DISPLAY", "WAYLAND_DISPLAY", "QUILLFEN_SOURCES", "QUILLFEN_SERVICE_URL",
                  "QUILLFEN_NO_CACHE", "QUILLFEN_PARALLEL"})
                env.remove(QString::fromLatin1(name));
            // A platform plugin that does not exist: loading any would end the program.
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("none-such"));
            env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
            env.insert(QStringLiteral("QUILLFEN_LOOPBACK_ONLY"), QStringLiteral("1"));
            for (const char* name : {"QUILLFEN_OPENFOODFACTS_URL", "QUILLFEN_OPENLIBRARY_URL",
                                     "QUILLFEN_UPCITEMDB_URL"})
                env.insert(QString::fromLatin1(name), service.baseUrl());
            // The stand-in is ours: no need to keep to the real database's pace.
            for (const char* name :
                 {"QUILLFEN_OPENFOODFACTS_PER_MINUTE", "QUILLFEN_UPCITEMDB_PER_MINUTE"})
                env.insert(QString::fromLatin1(name), QStringLiteral("60000"));
            for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
                env.insert(QString::fromLatin1(name), path(QString::fromLatin1(name)));
            return env;
        }

        void start(QProcess& program, const QStringList& arguments,
                   const QString& language = {}) const
        {
            QProcessEnvironment env = environment();
            if (!language.isEmpty())
                env.insert(QStringLiteral("QUILLFEN_LANGUAGE"), language);
            program.setProcessEnvironment(env);
            program.setWorkingDirectory(homePath);
            program.start(QStringLiteral(QUILLFEN_PROGRAM),
                          QStringList{QStringLiteral("--batch")} + arguments);
        }

        Finished run(const QStringList& arguments, const QByteArray& input = {},
                     const QString& language = {}) const
        {
            QProcess program;
            start(program, arguments, language);
            Finished finished;
            if (!program.waitForStarted())
                return finished;
            program.write(input);
            program.closeWriteChannel();
            if (!program.waitForFinished(90'000))
                program.kill();
            finished.status =
                program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
            finished.output = program.readAllStandardOutput();
            finished.errors = QString::fromUtf8(program.readAllStandardError());
            return finished;
        }

        QTemporaryDir ownHome;
        QString homePath;
        SampleServiceProcess service;
        bool started = false;
    };
};

// ---- Formats ----

void TestBatchProcess::format_eachReadBackByAnotherProgram_data()
{
    QTest::addColumn<QString>("format");
    for (const char* format : {"csv", "tsv", "json", "jsonl", "xlsx"})
        QTest::newRow(format) << QString::fromLatin1(format);
}

void TestBatchProcess::format_eachReadBackByAnotherProgram()
{
    QFETCH(QString, format);
    RealBatch batch;
    QVERIFY(batch.started);
    batch.write(QStringLiteral("codes.txt"), kCodes);
    const QString output = QStringLiteral("results.") + format;
    batch.write(output, "an older file, replaced");
    const Finished finished =
        batch.run({QStringLiteral("--output"), output, QStringLiteral("codes.txt")});
    QVERIFY2(finished.status == 0, qPrintable(finished.errors));
    QVERIFY(finished.output.isEmpty());
    QCOMPARE(Addressless(ReadResults(format, batch.path(output)), batch.service.baseUrl()), kRows);
    // Nothing but the codes, the results and the run's own folders is left in the folder.
    QCOMPARE(QDir(batch.homePath).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"codes.txt", output}));
    QVERIFY(finished.errors.contains(QStringLiteral("Done in")));
}

void TestBatchProcess::standardInput_toCsvOnStandardOutput()
{
    RealBatch batch;
    QVERIFY(batch.started);
    const Finished finished = batch.run({QStringLiteral("--quiet")}, kCodes);
    QVERIFY2(finished.status == 0, qPrintable(finished.errors));
    QCOMPARE(finished.errors, QString());
    batch.write(QStringLiteral("stdout.csv"), finished.output);
    QCOMPARE(
        Addressless(ReadResults(QStringLiteral("csv"), batch.path(QStringLiteral("stdout.csv"))),
                    batch.service.baseUrl()),
        kRows);
}

// The shops' files from a supplier's sheet, read back by Python's csv module, and by LibreOffice
// when QUILLFEN_TEST_LIBREOFFICE is set (its own ctest entry: it takes seconds).
void TestBatchProcess::shopFiles_readBackAsTheShopsReadThem()
{
    RealBatch batch;
    QVERIFY(batch.started);
    batch.write(QStringLiteral("supplier.csv"),
                "EAN;Name;Preis;SKU;Bestand\n3800123400018;Creme;\"2,49\";A-1;5\n"
                "40172637;Drops;0,99;A-2;0\n0823564706221;Unknown;1;A-3;1\n");
    QStringList files;
    for (const QString& format :
         {QStringLiteral("shopify"), QStringLiteral("woocommerce"), QStringLiteral("merchant")}) {
        const bool feed = format == u"merchant";
        files.append(batch.path(format + (feed ? u".tsv" : u".csv")));
        QStringList arguments{QStringLiteral("--format"), format, QStringLiteral("--output"),
                              files.constLast(), QStringLiteral("supplier.csv")};
        if (feed)
            arguments.append(QStringLiteral("--currency=eur"));
        const Finished finished = batch.run(arguments);
        QVERIFY2(finished.status == 0, qPrintable(finished.errors));
        QVERIFY2(finished.errors.contains(u"Shop file: 2 products. Left out: 1 not found"),
                 qPrintable(finished.errors));
    }
    QProcess python;
    QStringList arguments{QStringLiteral(QUILLFEN_SOURCE_DIR "/tests/listings/read_shop_files.py")};
    if (qEnvironmentVariableIsSet("QUILLFEN_TEST_LIBREOFFICE"))
        arguments.append(QStringLiteral("--libreoffice"));
    python.start(QStringLiteral("/usr/bin/python3"), arguments + files);
    QVERIFY(python.waitForFinished(180'000));
    QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
    const QJsonObject read = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    const auto row = [&](const char* shop, int at) {
        QStringList cells;
        for (const QJsonValue& cell : read.value(QLatin1String(shop)).toArray()[at].toArray())
            cells.append(cell.toString());
        return Addressless({cells}, batch.service.baseUrl()).constFirst();
    };
    QCOMPARE(row("shopify", 1),
             (QStringList{"hazelnut-cocoa-spread", "Hazelnut Cocoa Spread", "", "Hazel Grove", "",
                          "Cocoa and hazelnuts spreads",
                          "Hazelnut spreads, Cocoa and hazelnuts "
                          "spreads",
                          "FALSE", "A-1", "2.49", "5", "3800123400018",
                          "@/images/products/380/012/340/0018/front_en.3.400.jpg",
                          "Hazelnut Cocoa Spread", "draft"}));
    QCOMPARE(row("woocommerce", 2), (QStringList{"simple", "A-2", "40172637", "Mint Drops", "0", "",
                                                 "0.99", "0", "", "", "Polvaro"}));
    QCOMPARE(row("merchant", 1),
             (QStringList{"A-1", "Hazelnut Cocoa Spread", "Hazelnut Cocoa Spread", "",
                          "@/images/products/380/012/340/0018/front_en.3.400.jpg", "in_stock",
                          "2.49 EUR", "Hazel Grove", "3800123400018", "new"}));
    QCOMPARE(read.value(u"merchant").toArray().size(), 3); // the header and the two found
}

// ---- Exit statuses ----

void TestBatchProcess::failedLookup_exitsOne()
{
    RealBatch batch(
        {QStringLiteral("--fault"), QStringLiteral("openfoodfacts:40172637=status:500")});
    QVERIFY(batch.started);
    const Finished finished = batch.run({QStringLiteral("-"), QStringLiteral("--format=json")},
                                        "3800123400018\n40172637\n");
    QCOMPARE(finished.status, 1);
    const QJsonArray rows = QJsonDocument::fromJson(finished.output).array();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].toObject().value(u"status").toString(), QStringLiteral("found"));
    QCOMPARE(rows[1].toObject().value(u"status").toString(), QStringLiteral("failed"));
    QCOMPARE(rows[1].toObject().value(u"detail").toString(), QStringLiteral("HTTP 500"));
}

void TestBatchProcess::language_translatesStandardErrorAndHelpAlone_data()
{
    QTest::addColumn<QString>("language");
    for (const char* language : {"de", "fr", "es"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TestBatchProcess::language_translatesStandardErrorAndHelpAlone()
{
    QFETCH(QString, language);
    RealBatch batch(
        {QStringLiteral("--fault"), QStringLiteral("openfoodfacts:40172637=status:500")});
    QVERIFY(batch.started);
    // Found (a product whose name is the same in every language: the language chooses the
    // names asked for too), failed, not found and not looked up, in the format scripts read most.
    const QStringList arguments{QStringLiteral("-"), QStringLiteral("--no-cache")};
    const QByteArray codes = "4260198705538\n40172637\n4006381333931\n12345\n";
    const Finished english = batch.run(arguments, codes, QStringLiteral("en"));
    const Finished translated = batch.run(arguments, codes, language);
    QCOMPARE(english.status, 1);
    QCOMPARE(translated.status, english.status);
    QCOMPARE(translated.output, english.output);
    QVERIFY(english.errors.contains(QStringLiteral("Done in")));
    QVERIFY2(!translated.errors.contains(QStringLiteral("Done in")), qPrintable(translated.errors));

    const QStringList help{QStringLiteral("--help")};
    const Finished englishHelp = batch.run(help, {}, QStringLiteral("en"));
    const Finished translatedHelp = batch.run(help, {}, language);
    QVERIFY(translatedHelp.output != englishHelp.output);
    // The options keep their names.
    for (const char* option : {"--batch", "--output", "--language", "--import-index"})
        QVERIFY(translatedHelp.output.contains(option));
}

void TestBatchProcess::badUsage_exitsTwoAndWritesNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("said");
    QTest::newRow("workbook without a file")
        << QStringList{"--format", "xlsx", "codes.txt"} << "--output FILE";
    QTest::newRow("unknown format") << QStringList{"--format", "xml", "codes.txt"} << "xml";
    QTest::newRow("missing file") << QStringList{"--output", "out.csv", "codes.txt", "none.txt"}
                                  << "none.txt";
    QTest::newRow("a folder") << QStringList{"--output", "out.csv", "."} << "folder";
    QTest::newRow("not text") << QStringList{"--output", "out.csv", "binary.dat"}
                              << "binary.dat: not a text file";
    QTest::newRow("output in no folder")
        << QStringList{"--output", "no-such-folder/out.csv", "codes.txt"} << "no-such-folder";
}

void TestBatchProcess::badUsage_exitsTwoAndWritesNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, said);
    RealBatch batch({QStringLiteral("--log-queries")});
    QVERIFY(batch.started);
    batch.write(QStringLiteral("codes.txt"), kCodes);
    batch.write(QStringLiteral("binary.dat"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    const Finished finished = batch.run(arguments);
    QCOMPARE(finished.status, 2);
    QVERIFY2(finished.errors.contains(said), qPrintable(finished.errors));
    QVERIFY(finished.output.isEmpty());
    QVERIFY(!QFile::exists(batch.path(QStringLiteral("out.csv"))));
    QVERIFY(batch.service.arrivals().isEmpty());
}

void TestBatchProcess::noDisplay_batchStillRuns()
{
    RealBatch batch;
    QVERIFY(batch.started);
    QVERIFY(!batch.environment().contains(QStringLiteral("DISPLAY")));
    QCOMPARE(batch.environment().value(QStringLiteral("QT_QPA_PLATFORM")),
             QStringLiteral("none-such"));
    const Finished finished =
        batch.run({QStringLiteral("--format"), QStringLiteral("jsonl")}, "40172637\n");
    QCOMPARE(finished.status, 0);
    QVERIFY(finished.output.startsWith("{\"code\": \"40172637\""));
    QVERIFY2(!finished.errors.contains(QStringLiteral("platform")), qPrintable(finished.errors));
    QVERIFY(!finished.errors.contains(QStringLiteral("display")));
}

// The program loads the readers of pictures only when a run reads one, from beside itself.
void TestBatchProcess::photo_readThroughThePicturesModule()
{
    RealBatch batch;
    QVERIFY(batch.started);
    const Finished finished =
        batch.run({QStringLiteral("--quiet"),
                   QStringLiteral(QUILLFEN_SOURCE_DIR "/tests/barcodes/data/ean13.png")});
    QVERIFY2(finished.status == 0, qPrintable(finished.errors));
    QVERIFY2(finished.output.contains("\n4006381333931,"), finished.output.constData());
}

// Label layouts are for printing labels: a batch run neither reads them nor warns about one.
void TestBatchProcess::brokenLabelLayout_notReadByABatchRun()
{
    RealBatch batch;
    QVERIFY(batch.started);
    QVERIFY(QDir().mkpath(batch.path(QStringLiteral("XDG_CONFIG_HOME/Zandrik/Quillfen/layouts"))));
    batch.write(QStringLiteral("XDG_CONFIG_HOME/Zandrik/Quillfen/layouts/broken.json"), "{");
    const Finished finished = batch.run({QStringLiteral("--quiet")}, "40172637\n");
    QCOMPARE(finished.status, 0);
    QCOMPARE(finished.errors, QString());
}

void TestBatchProcess::outputNamingAnInput_refusedBeforeAnythingIsRead_data()
{
    QTest::addColumn<QString>("output");
    QTest::newRow("the same name") << "codes.txt";
    QTest::newRow("another spelling") << "./codes.txt";
    QTest::newRow("a symbolic link") << "link.txt";
}

void TestBatchProcess::outputNamingAnInput_refusedBeforeAnythingIsRead()
{
    QFETCH(QString, output);
    RealBatch batch({QStringLiteral("--log-queries")});
    QVERIFY(batch.started);
    batch.write(QStringLiteral("more.txt"), "40172637\n");
    batch.write(QStringLiteral("codes.txt"), kCodes);
    QVERIFY(QFile::link(QStringLiteral("codes.txt"), batch.path(QStringLiteral("link.txt"))));
    const Finished finished = batch.run({QStringLiteral("--output"), output,
                                         QStringLiteral("more.txt"), QStringLiteral("codes.txt")});
    QCOMPARE(finished.status, 2);
    QVERIFY2(finished.errors.contains(QStringLiteral("codes.txt is both an input and the output")),
             qPrintable(finished.errors));
    QFile codes(batch.path(QStringLiteral("codes.txt")));
    QVERIFY(codes.open(QIODevice::ReadOnly));
    QCOMPARE(codes.readAll(), QByteArray(kCodes));
    QVERIFY(batch.service.arrivals().isEmpty());
}

void TestBatchProcess::unwritableWorkbook_namesTheFileAskedForAndNoLibraryLines()
{
    RealBatch batch;
    QVERIFY(batch.started);
    batch.write(QStringLiteral("codes.txt"), "40172637\n");
    batch.write(QStringLiteral("results.xlsx"), "an older file, kept");
    QProcess program;
    // No file may grow past 4 KB: the workbook, a zip of several parts, cannot be written whole.
    program.setChildProcessModifier([] {
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    batch.start(program, {QStringLiteral("--no-cache"), QStringLiteral("--output"),
                          QStringLiteral("results.xlsx"), QStringLiteral("codes.txt")});
    QVERIFY(program.waitForFinished(60'000));
    const QString errors = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitCode(), 1);
    QVERIFY2(errors.contains(QStringLiteral("Cannot write the workbook results.xlsx: ")),
             qPrintable(errors));
    QVERIFY2(!errors.contains(QStringLiteral(".part")) && !errors.contains(u'['),
             qPrintable(errors));
    QVERIFY2(!errors.contains(QStringLiteral("Done")), qPrintable(errors));
    QFile kept(batch.path(QStringLiteral("results.xlsx")));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("an older file, kept"));
    QCOMPARE(QDir(batch.homePath).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"codes.txt", "results.xlsx"}));
}

// ---- Stopping, asking ahead, resuming ----

void TestBatchProcess::signal_writesTheRowsDoneWholeAndExitsWithItsStatus_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("format");
    QTest::newRow("SIGINT, CSV") << int(SIGINT) << 130 << "csv";
    QTest::newRow("SIGTERM, JSON") << int(SIGTERM) << 143 << "json";
    QTest::newRow("SIGINT, workbook") << int(SIGINT) << 130 << "xlsx";
}

void TestBatchProcess::signal_writesTheRowsDoneWholeAndExitsWithItsStatus()
{
    QFETCH(int, signal);
    QFETCH(int, status);
    QFETCH(QString, format);
    // A slow page service: every answer takes a fifth of a second.
    RealBatch batch(
        {QStringLiteral("--delay-ms"), QStringLiteral("200"), QStringLiteral("--log-queries")});
    QVERIFY(batch.started);
    QByteArray codes;
    for (int i = 0; i < 40; ++i)
        codes += QByteArray::number(4000000000000LL + i) + '\n';
    batch.write(QStringLiteral("codes.txt"), codes);
    const QString output = QStringLiteral("results.") + format;
    QProcess program;
    batch.start(program, {QStringLiteral("--service-url"), batch.service.baseUrl(),
                          QStringLiteral("--output"), output, QStringLiteral("codes.txt")});
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(batch.service.queries().size() >= 3, 30'000);
    QVERIFY(::kill(pid_t(program.processId()), signal) == 0);
    QVERIFY(program.waitForFinished(30'000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);

    const QList<QStringList> rows = ReadResults(format, batch.path(output));
    const qsizetype asked = batch.service.queries().size();
    QVERIFY2(rows.size() >= 1 + 3 && rows.size() <= 1 + asked, qPrintable(QString::number(asked)));
    QCOMPARE(rows.first(), kColumns);
    for (qsizetype i = 1; i < rows.size(); ++i) {
        QCOMPARE(rows[i].value(0), QString::number(4000000000000LL + i - 1));
        QCOMPARE(rows[i].size(), kColumns.size());
    }
    const QString said = signal == SIGINT ? QStringLiteral("SIGINT") : QStringLiteral("SIGTERM");
    const QString errors = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(errors.contains(QStringLiteral("Stopped by ") + said), qPrintable(errors));
    QCOMPARE(QDir(batch.homePath).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"codes.txt", output}));
}

void TestBatchProcess::signalWhileReadingStandardInput_stopsAtOnce_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<int>("status");
    QTest::newRow("SIGINT") << int(SIGINT) << 130;
    QTest::newRow("SIGTERM") << int(SIGTERM) << 143;
}

void TestBatchProcess::signalWhileReadingStandardInput_stopsAtOnce()
{
    QFETCH(int, signal);
    QFETCH(int, status);
    RealBatch batch({QStringLiteral("--log-queries")});
    QVERIFY(batch.started);
    QProcess program;
    batch.start(program, {QStringLiteral("--format"), QStringLiteral("json")});
    QVERIFY(program.waitForStarted());
    // A code typed and standard input left open, as at a terminal.
    program.write("40172637\n");
    QTRY_VERIFY_WITH_TIMEOUT(Catches(program.processId(), signal), 30'000);
    QVERIFY(::kill(pid_t(program.processId()), signal) == 0);
    // Not only once standard input closes.
    QVERIFY(program.waitForFinished(10'000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    QCOMPARE(program.readAllStandardOutput(), QByteArray());
    QVERIFY(batch.service.arrivals().isEmpty());
}

void TestBatchProcess::parallel_rowsInTheCodesOrderWithTheirFailures()
{
    RealBatch batch({QStringLiteral("--delay-ms"), QStringLiteral("50"), QStringLiteral("--fault"),
                     QStringLiteral("8712601815908=status:500"), QStringLiteral("--fault"),
                     QStringLiteral("5698301661317=reset"), QStringLiteral("--log-queries")});
    QVERIFY(batch.started);
    const QStringList codes{"4988112412613", "8712601815908", "0823564706221",
                            "5698301661317", "3006091390997", "5900308246283"};
    const Finished finished = batch.run({QStringLiteral("--parallel"), QStringLiteral("4"),
                                         QStringLiteral("--service-url"), batch.service.baseUrl(),
                                         QStringLiteral("--format"), QStringLiteral("jsonl")},
                                        codes.join(u'\n').toUtf8());
    QCOMPARE(finished.status, 1);
    const QList<QByteArray> lines = finished.output.trimmed().split('\n');
    QCOMPARE(lines.size(), codes.size());
    QStringList statuses;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QJsonObject row = QJsonDocument::fromJson(lines[i]).object();
        QCOMPARE(row.value(u"code").toString(), codes[i]);
        statuses.append(row.value(u"status").toString());
        if (i == 1)
            QCOMPARE(row.value(u"detail").toString(), QStringLiteral("HTTP 500"));
        if (i == 3)
            QVERIFY(!row.value(u"detail").toString().isEmpty());
    }
    QCOMPARE(statuses, (QStringList{"found", "failed", "not found", "failed", "found", "found"}));
    // Several at once: one connection for each request in flight.
    QVERIFY2(batch.service.connections() > 1,
             qPrintable(QString::number(batch.service.connections())));
}

void TestBatchProcess::secondRun_asksOnlyWhatFailed()
{
    // Both runs in one home, each with a service of its own at the same address: answers are
    // remembered by the address they came from.
    const QTemporaryDir home;
    const QByteArray codes = "3800123400018\n40172637\n0823564706221\n";
    quint16 port = 0;
    {
        RealBatch batch(
            {QStringLiteral("--fault"), QStringLiteral("openfoodfacts:40172637=status:500")},
            home.path());
        QVERIFY(batch.started);
        const Finished finished = batch.run({QStringLiteral("--output=first.csv")}, codes);
        QCOMPARE(finished.status, 1);
        const QList<QStringList> first =
            ReadResults(QStringLiteral("csv"), batch.path(QStringLiteral("first.csv")));
        QCOMPARE(first.value(2).value(2), QStringLiteral("failed"));
        port = batch.service.port();
    }
    RealBatch batch(
        {QStringLiteral("--log-queries"), QStringLiteral("--port"), QString::number(port)},
        home.path());
    QVERIFY(batch.started);
    const Finished finished = batch.run({QStringLiteral("--output=second.csv")}, codes);
    QCOMPARE(finished.status, 0);
    QStringList asked;
    for (const SampleServiceProcess::Arrival& arrival : batch.service.arrivals())
        asked.append(QString::fromLatin1(arrival.target.split('?').constFirst()));
    QCOMPARE(asked, QStringList{"/api/v3/product/40172637"});
    QCOMPARE(
        Addressless(ReadResults(QStringLiteral("csv"), batch.path(QStringLiteral("second.csv"))),
                    batch.service.baseUrl()),
        kRows.mid(0, 4));
}

// The same product typed as UPC-A, EAN-13 and GTIN-14, a UPC-E its database keeps as its UPC-A,
// and a case of the first product: asked of UPCitemdb in its own 12-digit form, each once.
void TestBatchProcess::sameProduct_askedOnceInTheSourcesOwnForm_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("one request at a time") << QStringList();
    QTest::newRow("--parallel 4") << QStringList{"--parallel", "4"};
}

void TestBatchProcess::sameProduct_askedOnceInTheSourcesOwnForm()
{
    QFETCH(QStringList, options);
    RealBatch batch({QStringLiteral("--log-queries"), QStringLiteral("--open-catalog"),
                     QStringLiteral(QUILLFEN_SOURCE_DIR "/tests/batch/data/forms-catalog.json")});
    QVERIFY(batch.started);
    const Finished done =
        batch.run(QStringList{"--quiet", "--sources", "upcitemdb", "--columns",
                              "code,gtin,status,name,same_as,inner_gtin"} +
                      options,
                  "036000291452\n0036000291452\n00036000291452\n04252614\n10036000291459\n");
    QCOMPARE(done.status, 0);
    QCOMPARE(done.output,
             QByteArray("code,gtin,status,name,same_as,inner_gtin\r\n"
                        "036000291452,0036000291452,found,Harbour Lantern Tea Bags,,\r\n"
                        "0036000291452,0036000291452,found,Harbour Lantern Tea Bags,1,"
                        "\r\n"
                        "00036000291452,0036000291452,found,Harbour Lantern Tea Bags,1,"
                        "\r\n"
                        "04252614,0042100005264,found,Slate Pencils,,\r\n"
                        "10036000291459,10036000291459,found,Harbour Lantern Tea Bags,,"
                        "0036000291452\r\n"));
    QStringList asked;
    for (const SampleServiceProcess::Arrival& arrival : batch.service.arrivals())
        asked.append(QString::fromLatin1(arrival.target));
    QCOMPARE(asked,
             (QStringList{"/prod/trial/lookup?upc=036000291452", "/prod/trial/lookup?upc=04252614",
                          "/prod/trial/lookup?upc=042100005264",
                          "/prod/trial/lookup?upc=10036000291459"}));
}

// ---- Scanning ----

void TestBatchProcess::scan_rowPerScanAsAnswered_andKilledSessionReadBack()
{
    RealBatch batch;
    QVERIFY(batch.started);
    const QStringList arguments{"--scan", "--sources", "openfoodfacts", "--columns",
                                "code,status,name,detail"};
    QProcess scanner;
    scanner.setProcessEnvironment(batch.environment());
    scanner.setWorkingDirectory(batch.homePath);
    scanner.start(QStringLiteral(QUILLFEN_PROGRAM), arguments);
    QVERIFY(scanner.waitForStarted());
    const auto nextLine = [&scanner] {
        while (!scanner.canReadLine() && scanner.waitForReadyRead(30'000)) {}
        return scanner.readLine();
    };
    QCOMPARE(nextLine(), "code,count,status,name,detail\r\n");
    // Each row comes while standard input stays open: the scanner has not finished.
    scanner.write("3800123400018\n");
    QCOMPARE(nextLine(), "3800123400018,1,found,Hazelnut Cocoa Spread,\r\n");
    scanner.write("]E03800123400018\n4017263\n\n9780306406157 51299\n");
    QCOMPARE(nextLine(), "3800123400018,2,found,Hazelnut Cocoa Spread,\r\n");
    QCOMPARE(nextLine(), "4017263,1,not looked up,,\"not an EAN (8, 12, 13 or 14 digits "
                         "expected) or an ISBN-10\"\r\n");
    QCOMPARE(nextLine(), "9780306406157,1,not found,,add-on 51299\r\n");
    // Killed, as a power cut would end it: every scan it was told of is in its file.
    scanner.kill();
    QVERIFY(scanner.waitForFinished());

    QProcess next;
    next.setProcessEnvironment(batch.environment());
    next.setWorkingDirectory(batch.homePath);
    next.start(QStringLiteral(QUILLFEN_PROGRAM), arguments);
    QVERIFY(next.waitForStarted());
    next.closeWriteChannel();
    QVERIFY(next.waitForFinished(60'000));
    QCOMPARE(next.exitCode(), 0);
    QCOMPARE(next.readAllStandardOutput(),
             "code,count,status,name,detail\r\n"
             "9780306406157,1,not found,,add-on 51299\r\n"
             "4017263,1,not looked up,,\"not an EAN (8, 12, 13 or 14 digits expected) or an "
             "ISBN-10\"\r\n"
             "3800123400018,2,found,Hazelnut Cocoa Spread,\r\n");
    QVERIFY(next.readAllStandardError().contains("4 scans of a session that did not end"));
    // Ended the ordinary way: the file is gone, and the next session starts empty.
    QVERIFY(!QFile::exists(batch.path("XDG_DATA_HOME/Zandrik/Quillfen/scan-session-console.txt")));
}

QTEST_GUILESS_MAIN(TestBatchProcess)
#include "tst_batchprocess.moc"
