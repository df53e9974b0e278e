// A batch run on fakes: what it reads, asks and writes, the choice of format and sources, its
// exit statuses, stopping on a signal, and resuming from remembered answers.
#include "app/BatchOutput.h"
#include "app/LookupSetup.h"
#include "app/TerminalSafeConsole.h"
#include "app/batch/BatchCommand.h"
#include "app/scan/ScanCommand.h"
#include "app/window/SavedCodeList.h"
#include "fakes/FakeBatchConsole.h"
#include "fakes/FakeLineInput.h"
#include "fakes/FakeOutputFiles.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeStopSignals.h"
#include "support/LoopbackConfig.h"
#include "support/PseudoTranslator.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {
// The page service's answer for a code it knows.
FakeResponse RecordPage(const QString& code, const QString& name)
{
    return FakeResponse{QStringLiteral("<p>Product name for EAN ") + code +
                        QStringLiteral(": <a href=\"/p\">") + name + QStringLiteral("</a></p>")};
}

// Open Food Facts' answer for a product.
FakeResponse FoodProduct(const QString& name)
{
    return FakeResponse{QStringLiteral(R"({"status":1,"product":{"product_name":"%1",)"
                                       R"("brands":"Morrow","quantity":"400 g"}})")
                            .arg(name)};
}

FakeResponse FoodNotFound()
{
    return FakeResponse{QStringLiteral(R"({"status":0,"status_verbose":"product not found"})")};
}

// The last piece of an address's path: the code an open database is asked about.
QString AskedCode(const QUrl& address)
{
    return address.path().section(u'/', -1);
}

inline constexpr char kHeader[] =
    "code,gtin,status,name,brand,quantity,source,detail,categories,"
    "kind,gs1_office,image_url,url,same_as,inner_gtin,upc,isbn10,"
    "isbn_hyphenated,issn,author,publisher,published,control_number\r\n";
} // namespace

class TestBatchCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // ---- Rows and formats ----
    void csv_aRowPerCodeOnStandardOutputInOrder();
    void standardInput_whenNoFileIsNamed();
    void standardInputOnATerminal_saysHowToEndIt_data();
    void standardInputOnATerminal_saysHowToEndIt();
    void format_chosenByOptionThenExtensionThenCsv_data();
    void format_chosenByOptionThenExtensionThenCsv();
    void file_appearsWholeOnlyAtTheEnd();
    void workbook_columnNamesThenARowPerCode();
    void columns_chosenAndOrderedInEveryFormat_data();
    void columns_chosenAndOrderedInEveryFormat();
    void parallel_asksAheadAndKeepsTheOrder();

    // ---- Exit statuses ----
    void allAnswered_zeroAndASummary();
    void aFailedLookup_one();
    void badUsage_twoAndNothingAsked_data();
    void badUsage_twoAndNothingAsked();
    void writeFailure_oneAndTheFileStaysAsItWas();
    void refusedRequest_isAFailedRowAndTheRunGoesOn();

    // ---- Stopping ----
    void signal_stopsAfterTheRequestUnderWayAndWritesTheRowsDone_data();
    void signal_stopsAfterTheRequestUnderWayAndWritesTheRowsDone();
    void signalDuringAPacedWait_theWaitingCodeGetsNoRow();

    // ---- Sources and remembered answers ----
    void sources_savedChoiceWhenNoneIsNamed();
    void sources_indexFirstByDefaultWhenThereIsOne();
    void resume_aSecondRunAsksOnlyWhatFailed();
    void storeProblem_isToldOnStandardError();
    void pseudoLanguage_translatesStandardErrorAlone();

    // ---- What reaches a terminal ----
    void terminalText_controlsShownAsReplacement_data();
    void terminalText_controlsShownAsReplacement();
    void terminal_rowsAndMessagesMadeSafeThereAlone_data();
    void terminal_rowsAndMessagesMadeSafeThereAlone();

private:
    // The fakes with a batch run on them; codes() names a code file and its text.
    struct Batching : FakePlatform
    {
        Batching()
        {
            config.mode = RunMode::Batch;
            config.batch.quiet = true;
        }

        int run()
        {
            return RunBatch(config, BatchServices{
                                        .files = files,
                                        .console = console,
                                        .outputs = outputs,
                                        .stopSignals = stopSignals,
                                        .settings = settings,
                                        .pages = pageLoader,
                                        .eventLoop = eventLoop,
                                        .clock = clock,
                                        .answers = answers,
                                        .index = productIndex,
                                    });
        }

        void codes(const QByteArray& text)
        {
            files.contents.insert(QStringLiteral("codes.txt"), text);
            config.batch.inputs = QStringList{QStringLiteral("codes.txt")};
        }

        // The page service alone, as when only its address is named, knowing these products.
        void pageService(const QHash<QString, QString>& products)
        {
            config.serviceUrlNamed = true;
            pageLoader.respond = [products](const QUrl& address) {
                const QString code = FakePageLoader::queryValue(address);
                return products.contains(code)
                           ? RecordPage(code, products[code])
                           : FakeResponse{FakePageLoader::kNoRecordPage.toString()};
            };
        }

        // Open Food Facts alone, answering from these responses by code.
        void openFoodFacts(const QHash<QString, FakeResponse>& responses)
        {
            config.sources = QStringList{SourceName::OpenFoodFacts.toString()};
            pageLoader.respond = [responses](const QUrl& address) {
                return responses.value(AskedCode(address), FoodNotFound());
            };
        }

        QStringList askedCodes() const
        {
            QStringList asked;
            for (const QUrl& address : pageLoader.requested)
                asked.append(address.hasQuery() && address.path().endsWith(u".pl")
                                 ? FakePageLoader::queryValue(address)
                                 : AskedCode(address));
            return asked;
        }

        AppConfig config = LoopbackConfig();
        FakeBatchConsole console;
        FakeOutputFiles outputs;
        FakeStopSignals stopSignals;
    };
};

// ---- Rows and formats ----

void TestBatchCommand::csv_aRowPerCodeOnStandardOutputInOrder()
{
    Batching fake;
    fake.codes("4988112412613\n0823564706221\n\n 12345\n4006381333932\n");
    fake.pageService({{QStringLiteral("4988112412613"), QStringLiteral("Green Tea, \"20\" bags")}});
    QCOMPARE(fake.run(), kBatchAnswered);
    QCOMPARE(fake.console.output,
             QByteArray(kHeader) +
                 "4988112412613,4988112412613,found,\"Green Tea, \"\"20\"\" bags\",,,"
                 "Page service,,,EAN-13,GS1 Japan,,,,,,,,,,,,\r\n"
                 "0823564706221,0823564706221,not found,,,,,,,EAN-13,GS1 US,,,,,823564706221,,,"
                 ",,,,\r\n"
                 " 12345,,not found,,,,,,,,,,,,,,,,,,,,\r\n"
                 "4006381333932,,not found,,,,,,,,,,,,,,,,,,,,\r\n");
    // The page service is sent every code as the file has it.
    QCOMPARE(fake.askedCodes(),
             (QStringList{"4988112412613", "0823564706221", " 12345", "4006381333932"}));
    QVERIFY(fake.outputs.texts.isEmpty());
}

void TestBatchCommand::standardInput_whenNoFileIsNamed()
{
    Batching fake;
    fake.console.input = "\xEF\xBB\xBF"
                         "96385074\r\n";
    fake.openFoodFacts({{QStringLiteral("96385074"), FoodProduct(QStringLiteral("Mint"))}});
    fake.config.batch.format = QStringLiteral("tsv");
    QCOMPARE(fake.run(), kBatchAnswered);
    QCOMPARE(fake.console.output,
             QByteArray("code\tgtin\tstatus\tname\tbrand\tquantity\tsource\tdetail\tcategories\t"
                        "kind\tgs1_office\timage_url\turl\tsame_as\tinner_gtin\tupc\tisbn10\t"
                        "isbn_hyphenated\tissn\tauthor\tpublisher\tpublished\tcontrol_number\r\n"
                        "96385074\t96385074\tfound\tMint\tMorrow\t400 g\tOpen Food Facts\t\t\t"
                        "EAN-8\tGS1 Global Office\t\thttp://127.0.0.1:9/product/96385074"
                        "\t\t\t\t\t\t\t\t\t\t\r\n"));
}

void TestBatchCommand::standardInputOnATerminal_saysHowToEndIt_data()
{
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<bool>("quiet");
    QTest::addColumn<bool>("said");
    QTest::newRow("terminal, nothing named") << true << QStringList() << false << true;
    QTest::newRow("pipe") << false << QStringList() << false << false;
    QTest::newRow("terminal, quiet") << true << QStringList() << true << false;
    QTest::newRow("terminal, a file named") << true << QStringList{"codes.txt"} << false << false;
}

void TestBatchCommand::standardInputOnATerminal_saysHowToEndIt()
{
    QFETCH(bool, terminal);
    QFETCH(QStringList, inputs);
    QFETCH(bool, quiet);
    QFETCH(bool, said);
    Batching fake;
    fake.codes("96385074\n");
    fake.config.batch.inputs = inputs;
    fake.config.batch.quiet = quiet;
    fake.console.inputTerminal = terminal;
    fake.openFoodFacts({});
    QCOMPARE(fake.run(), kBatchAnswered);
    QCOMPARE(fake.console.errors.startsWith(
                 QStringLiteral("Reading codes from standard input; end with Ctrl+D.\n")),
             said);
}

void TestBatchCommand::format_chosenByOptionThenExtensionThenCsv_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("chosen"); // -1: refused
    QTest::newRow("nothing named") << ""
                                   << "" << int(OutcomeFormat::Csv);
    QTest::newRow("standard output by name") << ""
                                             << "-" << int(OutcomeFormat::Csv);
    QTest::newRow("option") << "jsonl"
                            << "" << int(OutcomeFormat::Jsonl);
    QTest::newRow("extension") << ""
                               << "out.JSON" << int(OutcomeFormat::Json);
    QTest::newRow("option over extension") << "tsv"
                                           << "out.json" << int(OutcomeFormat::Tsv);
    QTest::newRow("unknown extension") << ""
                                       << "out.txt" << int(OutcomeFormat::Csv);
    QTest::newRow("workbook by extension") << ""
                                           << "out.xlsx" << int(OutcomeFormat::Xlsx);
    QTest::newRow("workbook to standard output") << "xlsx"
                                                 << "" << -1;
    QTest::newRow("workbook to standard output by name") << "xlsx"
                                                         << "-" << -1;
}

void TestBatchCommand::format_chosenByOptionThenExtensionThenCsv()
{
    QFETCH(QString, format);
    QFETCH(QString, output);
    QFETCH(int, chosen);
    BatchOptions options;
    options.format = format;
    options.output = output;
    const BatchFormatChoice choice = ChooseBatchFormat(options);
    QCOMPARE(choice.format ? int(*choice.format) : -1, chosen);
    QCOMPARE(choice.problem.contains(QStringLiteral("--output")), chosen == -1);
}

void TestBatchCommand::file_appearsWholeOnlyAtTheEnd()
{
    Batching fake;
    fake.codes("4988112412613\n0823564706221\n");
    fake.pageService({{QStringLiteral("4988112412613"), QStringLiteral("Tea")}});
    fake.config.batch.output = QStringLiteral("out.json");
    fake.pageLoader.hook.onCall(u"start", [&fake](int call) {
        if (call == 2) {
            QVERIFY(fake.outputs.texts.isEmpty());
            QVERIFY(fake.outputs.pending.value(QStringLiteral("out.json")).startsWith("[\n  {"));
        }
    });
    QCOMPARE(fake.run(), kBatchAnswered);
    QVERIFY(fake.console.output.isEmpty());
    const QJsonArray rows =
        QJsonDocument::fromJson(fake.outputs.texts.value(QStringLiteral("out.json"))).array();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].toObject().value(u"name").toString(), QStringLiteral("Tea"));
    QCOMPARE(rows[1].toObject().value(u"status").toString(), QStringLiteral("not found"));
}

void TestBatchCommand::workbook_columnNamesThenARowPerCode()
{
    Batching fake;
    fake.codes("4988112412613\n0823564706221\n");
    fake.pageService({{QStringLiteral("4988112412613"), QStringLiteral("Tea")}});
    fake.config.batch.output = QStringLiteral("out.xlsx");
    QCOMPARE(fake.run(), kBatchAnswered);
    const FakeOutputFiles::Cells cells = fake.outputs.workbooks.value(QStringLiteral("out.xlsx"));
    QCOMPARE(cells.value({1, 1}), QStringLiteral("code"));
    QCOMPARE(cells.value({1, 8}), QStringLiteral("detail"));
    QCOMPARE(cells.value({2, 1}), QStringLiteral("4988112412613"));
    QCOMPARE(cells.value({2, 4}), QStringLiteral("Tea"));
    QCOMPARE(cells.value({3, 3}), QStringLiteral("not found"));
    QCOMPARE(cells.size(), 3 * OutcomeColumns().size());
}

void TestBatchCommand::columns_chosenAndOrderedInEveryFormat_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("columns");
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QStringList>("row");
    const QStringList all{
        "code",   "gtin",    "status",     "name",      "brand",         "quantity",
        "source", "detail",  "categories", "kind",      "gs1_office",    "image_url",
        "url",    "same_as", "inner_gtin", "upc",       "isbn10",        "isbn_hyphenated",
        "issn",   "author",  "publisher",  "published", "control_number"};
    const QStringList found{"96385074",
                            "96385074",
                            "found",
                            "Mint",
                            "Morrow",
                            "400 g",
                            "Open Food Facts",
                            "",
                            "",
                            "EAN-8",
                            "GS1 Global Office",
                            "",
                            "http://127.0.0.1:9/product/96385074",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            ""};
    QTest::newRow("all by default, the new ones last") << "out.csv"
                                                       << "all" << all << found;
    QTest::newRow("chosen, in the order named")
        << "out.csv"
        << "gs1_office, KIND,code" << QStringList{"gs1_office", "kind", "code"}
        << QStringList{"GS1 Global Office", "EAN-8", "96385074"};
    QTest::newRow("tsv") << "out.tsv"
                         << "name,code" << QStringList{"name", "code"}
                         << QStringList{"Mint", "96385074"};
    QTest::newRow("json keys") << "out.json"
                               << "kind,name" << QStringList{"kind", "name"}
                               << QStringList{"EAN-8", "Mint"};
    QTest::newRow("workbook") << "out.xlsx"
                              << "status,gs1_office" << QStringList{"status", "gs1_office"}
                              << QStringList{"found", "GS1 Global Office"};
}

void TestBatchCommand::columns_chosenAndOrderedInEveryFormat()
{
    QFETCH(QString, output);
    QFETCH(QString, columns);
    QFETCH(QStringList, header);
    QFETCH(QStringList, row);
    Batching fake;
    fake.codes("96385074\n");
    fake.openFoodFacts({{QStringLiteral("96385074"), FoodProduct(QStringLiteral("Mint"))}});
    fake.config.batch.output = output;
    fake.config.batch.columns = columns;
    QCOMPARE(fake.run(), kBatchAnswered);

    QList<QStringList> rows;
    if (output.endsWith(u".xlsx")) {
        const FakeOutputFiles::Cells cells = fake.outputs.workbooks.value(output);
        QCOMPARE(cells.size(), 2 * header.size());
        for (int r = 1; r <= 2; ++r) {
            rows.append(QStringList());
            for (int c = 1; c <= header.size(); ++c)
                rows.last().append(cells.value({r, c}));
        }
    } else if (output.endsWith(u".json")) {
        const QByteArray text = fake.outputs.texts.value(output);
        const QJsonObject object = QJsonDocument::fromJson(text).array().at(0).toObject();
        QCOMPARE(object.size(), header.size());
        // The keys' order is the text's: QJsonObject sorts them.
        qsizetype at = -1;
        rows.append(header);
        rows.append(QStringList());
        for (const QString& key : header) {
            const qsizetype next = text.indexOf(QByteArray('"' + key.toUtf8() + "\":"));
            QVERIFY2(next > at, qPrintable(key));
            at = next;
            rows[1].append(object.value(key).toString());
        }
    } else {
        const QChar separator = output.endsWith(u".tsv") ? u'\t' : u',';
        for (const QString& line : QString::fromUtf8(fake.outputs.texts.value(output))
                                       .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            rows.append(line.split(separator));
    }
    QCOMPARE(rows, (QList<QStringList>{header, row}));
}

void TestBatchCommand::parallel_asksAheadAndKeepsTheOrder()
{
    Batching fake;
    fake.codes("1\n2\n\n3\n4\n5\n");
    fake.pageService({{QStringLiteral("3"), QStringLiteral("Three")}});
    fake.config.parallel = 3;
    QStringList inFlightAtFirstAnswer;
    fake.pageLoader.hook.onCall(u"response", [&](int call) {
        if (call == 1)
            inFlightAtFirstAnswer = fake.askedCodes();
    });
    QCOMPARE(fake.run(), kBatchAnswered);
    QCOMPARE(inFlightAtFirstAnswer, (QStringList{"1", "2", "3"}));
    QCOMPARE(fake.askedCodes(), (QStringList{"1", "2", "3", "4", "5"}));
    const QList<QByteArray> lines = fake.console.output.split('\n');
    QCOMPARE(lines.size(), 7);
    for (int i = 1; i <= 5; ++i)
        QVERIFY2(lines[i].startsWith(QByteArray::number(i).append(',')), lines[i].constData());
    QVERIFY(lines[3].contains("Three"));
}

// ---- Exit statuses ----

void TestBatchCommand::allAnswered_zeroAndASummary()
{
    Batching fake;
    fake.codes("96385074\n12345\n");
    fake.openFoodFacts({});
    fake.config.batch.quiet = false;
    QCOMPARE(fake.run(), kBatchAnswered);
    QCOMPARE(fake.console.errors,
             QStringLiteral("Done in 0 s: 2/2 codes: 0 found, 1 not found, 0 failed, 1 not "
                            "looked up\n"));
    QVERIFY(fake.console.output.endsWith("12345,,not looked up,,,,,\"not an EAN (8, 12, 13 or 14 "
                                         "digits expected) or an ISBN-10\",,,,,,,,,,,,,,,\r\n"));
}

void TestBatchCommand::aFailedLookup_one()
{
    Batching fake;
    fake.codes("96385074\n4006381333931\n");
    fake.openFoodFacts({{QStringLiteral("4006381333931"), FakeResponse{{}, "timed out"}}});
    QCOMPARE(fake.run(), kBatchFailed);
    QVERIFY(fake.console.output.endsWith(
        "4006381333931,4006381333931,failed,,,,Open Food Facts,timed out,,EAN-13,GS1 Germany,,"
        ",,,,,,,,,,\r\n"));
}

void TestBatchCommand::badUsage_twoAndNothingAsked_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("said");
    QTest::newRow("workbook to standard output")
        << "xlsx"
        << "" << QStringList{"codes.txt"} << "--output FILE";
    QTest::newRow("unreadable input")
        << ""
        << "out.csv" << QStringList{"codes.txt", "locked.txt"} << "Permission denied";
    QTest::newRow("binary input") << ""
                                  << "out.csv" << QStringList{"binary.dat"}
                                  << "binary.dat: not a text file";
    QTest::newRow("output that cannot be made")
        << ""
        << "/read-only/out.csv" << QStringList{"codes.txt"} << "Cannot create the file";
}

void TestBatchCommand::badUsage_twoAndNothingAsked()
{
    QFETCH(QString, format);
    QFETCH(QString, output);
    QFETCH(QStringList, inputs);
    QFETCH(QString, said);
    Batching fake;
    fake.codes("96385074\n");
    fake.files.contents.insert(QStringLiteral("binary.dat"), QByteArray("\x7f"
                                                                        "ELF\0\0",
                                                                        6));
    fake.outputs.unwritable.append(QStringLiteral("/read-only/out.csv"));
    fake.openFoodFacts({});
    fake.config.batch.format = format;
    fake.config.batch.output = output;
    fake.config.batch.inputs = inputs;
    QCOMPARE(fake.run(), kBatchBadUsage);
    QVERIFY2(fake.console.errors.startsWith(QStringLiteral("quillfen: ")),
             qPrintable(fake.console.errors));
    QVERIFY2(fake.console.errors.contains(said), qPrintable(fake.console.errors));
    QVERIFY(fake.pageLoader.requested.isEmpty());
    QVERIFY(fake.console.output.isEmpty());
    QVERIFY(fake.outputs.texts.isEmpty());
}

void TestBatchCommand::writeFailure_oneAndTheFileStaysAsItWas()
{
    Batching fake;
    fake.codes("1\n2\n3\n4\n");
    fake.pageService({});
    fake.config.batch.output = QStringLiteral("out.csv");
    // The header is the first write, the first row the second.
    fake.outputs.hook.failOnCall(u"write", 3, QStringLiteral("Disk full"));
    QCOMPARE(fake.run(), kBatchFailed);
    QVERIFY(fake.outputs.texts.isEmpty());
    QCOMPARE(fake.outputs.discarded, 1);
    QCOMPARE(fake.console.errors, QStringLiteral("quillfen: Disk full\n"));
    QCOMPARE(fake.askedCodes(), (QStringList{"1", "2"})); // no more asked once rows are lost
}

void TestBatchCommand::refusedRequest_isAFailedRowAndTheRunGoesOn()
{
    Batching fake;
    fake.codes("1\n2\n");
    fake.pageService({});
    fake.pageLoader.hook.failOnCall(u"start", 1, QStringLiteral("Not a web address: x"));
    QCOMPARE(fake.run(), kBatchFailed);
    QCOMPARE(fake.console.output, QByteArray(kHeader) +
                                      "1,,failed,,,,,Not a web address: x,,,,,,,,,,,,,,,\r\n"
                                      "2,,not found,,,,,,,,,,,,,,,,,,,,\r\n");
}

// ---- Stopping ----

void TestBatchCommand::signal_stopsAfterTheRequestUnderWayAndWritesTheRowsDone_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    QTest::newRow("SIGINT") << int(StopSignal::Interrupt) << kBatchInterrupted
                            << "Stopped by SIGINT";
    QTest::newRow("SIGTERM") << int(StopSignal::Terminate) << kBatchTerminated
                             << "Stopped by SIGTERM";
}

void TestBatchCommand::signal_stopsAfterTheRequestUnderWayAndWritesTheRowsDone()
{
    QFETCH(int, signal);
    QFETCH(int, status);
    QFETCH(QString, said);
    for (const QString& output : {QString(), QStringLiteral("out.json")}) {
        Batching fake;
        fake.codes("1\n2\n3\n4\n");
        fake.pageService({{QStringLiteral("2"), QStringLiteral("Two")}});
        fake.config.batch.format = QStringLiteral("json");
        fake.config.batch.output = output;
        fake.config.batch.quiet = false;
        fake.pageLoader.hook.onCall(u"start", [&fake, signal](int call) {
            if (call == 2)
                fake.stopSignals.signal = StopSignal(signal);
        });
        QCOMPARE(fake.run(), status);
        QCOMPARE(fake.askedCodes(), (QStringList{"1", "2"}));
        const QByteArray written =
            output.isEmpty() ? fake.console.output : fake.outputs.texts.value(output);
        const QJsonArray rows = QJsonDocument::fromJson(written).array();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].toObject().value(u"name").toString(), QStringLiteral("Two"));
        QVERIFY2(fake.console.errors.contains(said + QStringLiteral(" after 0 s: 2/4 codes")),
                 qPrintable(fake.console.errors));
        QVERIFY(fake.console.errors.contains(QStringLiteral("Codes not reached: 2.")));
    }
}

void TestBatchCommand::signalDuringAPacedWait_theWaitingCodeGetsNoRow()
{
    Batching fake;
    fake.codes("96385074\n4006381333931\n");
    fake.openFoodFacts({});
    fake.eventLoop.onTimedWait = [&fake](std::chrono::milliseconds) {
        fake.stopSignals.signal = StopSignal::Interrupt;
    };
    QCOMPARE(fake.run(), kBatchInterrupted);
    QCOMPARE(fake.askedCodes(), QStringList{"96385074"});
    QCOMPARE(fake.console.output,
             QByteArray(kHeader) +
                 "96385074,96385074,not found,,,,,,,EAN-8,GS1 Global Office,,,,,,,,,,,,\r\n");
}

// ---- Sources and remembered answers ----

void TestBatchCommand::sources_savedChoiceWhenNoneIsNamed()
{
    Batching fake;
    fake.codes("96385074\n");
    const auto save = [&fake](QStringView name, const QString& value) {
        fake.settings.values.insert(FakeSettingsStore::key(kSettingsApplication.toString(),
                                                           kSettingsSection.toString(),
                                                           name.toString()),
                                    value);
    };
    save(kSourcesValueName, QStringLiteral("page"));
    save(kServiceUrlValueName, QStringLiteral("http://127.0.0.1:8123"));
    QCOMPARE(fake.run(), kBatchAnswered);
    QCOMPARE(fake.pageLoader.requested.value(0).toString(),
             QStringLiteral("http://127.0.0.1:8123/perl/ean-search.pl?q=96385074"));

    // Named on the command line, the sources win over the saved choice.
    fake.openFoodFacts({});
    QCOMPARE(fake.run(), kBatchAnswered);
    QVERIFY(fake.pageLoader.requested.value(1).path().startsWith(u"/api/v3/product/"));
}

void TestBatchCommand::sources_indexFirstByDefaultWhenThereIsOne()
{
    Batching fake;
    fake.codes("96385074\n4006381333931\n");
    FakeProductIndex::Table table;
    table.exports.append(
        IndexedExport{QStringLiteral("Open Food Facts"), QStringLiteral("export.csv.gz"), {}, 1});
    table.products.insert(
        QStringLiteral("96385074"),
        IndexedProduct{
            QStringLiteral("96385074"),
            ProductFields{QStringLiteral("Mint Drops"), {}, {}, {}, QStringLiteral("Polvaro"), {}},
            QStringLiteral("Open Food Facts"),
            {}});
    fake.productIndex.place(table);
    fake.pageLoader.respond = [](const QUrl&) { return FoodNotFound(); };
    QCOMPARE(fake.run(), kBatchAnswered);
    QCOMPARE(fake.askedCodes(), QStringList{"4006381333931"});
    QVERIFY(fake.console.output.contains(
        "96385074,96385074,found,Mint Drops,Polvaro,,Product index,,,EAN-8,GS1 Global Office,,"
        "http://127.0.0.1:9/product/96385074,,,,,,,,,,\r\n"));
}

void TestBatchCommand::resume_aSecondRunAsksOnlyWhatFailed()
{
    Batching fake;
    fake.codes("96385074\n4006381333931\n5012349876500\n");
    fake.openFoodFacts({{QStringLiteral("96385074"), FoodProduct(QStringLiteral("Mint"))},
                        {QStringLiteral("4006381333931"), FakeResponse{{}, "timed out"}}});
    QCOMPARE(fake.run(), kBatchFailed);
    QCOMPARE(fake.askedCodes().size(), 3);
    const QByteArray first = fake.console.output;

    fake.console.output.clear();
    fake.openFoodFacts({{QStringLiteral("4006381333931"), FoodProduct(QStringLiteral("Tea"))}});
    QCOMPARE(fake.run(), kBatchAnswered);
    QCOMPARE(fake.askedCodes().mid(3), QStringList{"4006381333931"});
    QCOMPARE(fake.console.output,
             QByteArray(first).replace(
                 "4006381333931,4006381333931,failed,,,,Open Food Facts,timed out,,EAN-13,"
                 "GS1 Germany,,,,,,,,,,,,\r\n",
                 "4006381333931,4006381333931,found,Tea,Morrow,400 g,Open Food Facts,,,EAN-13,"
                 "GS1 Germany,,http://127.0.0.1:9/product/4006381333931,,,,,,,,,,\r\n"));

    // Without remembering, everything is asked again.
    fake.config.noCache = true;
    QCOMPARE(fake.run(), kBatchAnswered);
    QCOMPARE(fake.askedCodes().size(), 4 + 3);
}

void TestBatchCommand::storeProblem_isToldOnStandardError()
{
    Batching fake;
    fake.codes("96385074\n");
    fake.openFoodFacts({});
    fake.answers.problems.append(QStringLiteral("The remembered answers were damaged."));
    QCOMPARE(fake.run(), kBatchAnswered);
    QCOMPARE(fake.console.errors,
             QStringLiteral("quillfen: The remembered answers were damaged.\n"));
}

void TestBatchCommand::pseudoLanguage_translatesStandardErrorAlone()
{
    struct Run
    {
        int status;
        QByteArray output;
        QString errors;
    };
    // Found, not looked up, not found and failed, with the summary and a warning about a code.
    const auto run = [] {
        Batching fake;
        fake.codes("96385074\n12345\n4006381333931\n0823564706221\n");
        fake.openFoodFacts({{QStringLiteral("96385074"), FoodProduct(QStringLiteral("Tea"))},
                            {QStringLiteral("4006381333931"), FakeResponse{{}, "timed out"}}});
        fake.config.batch.quiet = false;
        const int status = fake.run();
        return Run{status, fake.console.output, fake.console.errors};
    };
    const Run english = run();
    PseudoTranslator pseudo;
    QCoreApplication::installTranslator(&pseudo);
    const Run translated = run();
    QCoreApplication::removeTranslator(&pseudo);
    QCOMPARE(translated.status, english.status);
    QCOMPARE(translated.output, english.output);
    QVERIFY(!english.errors.isEmpty());
    for (const QString& line : translated.errors.split(u'\n', Qt::SkipEmptyParts))
        QVERIFY2(line.contains(u'['), qPrintable(line));
}

void TestBatchCommand::terminalText_controlsShownAsReplacement_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    const QString bad = QStringLiteral("\ufffd");
    // clang-format off
    QTest::newRow("plain") << "Green Tea 400 g" << "Green Tea 400 g";
    QTest::newRow("letters beyond ASCII") << QStringLiteral("Caf\u00e9 \u20ac \U0001f375") << QStringLiteral("Caf\u00e9 \u20ac \U0001f375");
    QTest::newRow("tab and line ends kept") << "a\tb\r\nc\n" << "a\tb\r\nc\n";
    QTest::newRow("colour") << "\x1b[31mred" << bad + "[31mred";
    QTest::newRow("clipboard write (OSC 52)") << "\x1b]52;c;aGk=\x07" << bad + "]52;c;aGk=" + bad;
    QTest::newRow("CR alone rewrites the line") << "ok\rX" << "ok" + bad + "X";
    QTest::newRow("NUL, backspace, DEL") << QStringLiteral("a\u0000b\bc\u007f") << "a" + bad + "b" + bad + "c" + bad;
    QTest::newRow("C1 CSI and NEL") << QStringLiteral("\u009b2J\u0085") << bad + "2J" + bad;
    // clang-format on
}

void TestBatchCommand::terminalText_controlsShownAsReplacement()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(TerminalSafeText(text), shown);
}

void TestBatchCommand::terminal_rowsAndMessagesMadeSafeThereAlone_data()
{
    QTest::addColumn<bool>("scan");
    QTest::addColumn<bool>("outputTerminal");
    QTest::addColumn<bool>("errorTerminal");
    QTest::newRow("batch, both to a terminal") << false << true << true;
    QTest::newRow("batch, standard error alone a terminal") << false << false << true;
    QTest::newRow("scan, both to files") << true << false << false;
    QTest::newRow("scan, standard output alone a terminal") << true << true << false;
}

void TestBatchCommand::terminal_rowsAndMessagesMadeSafeThereAlone()
{
    QFETCH(bool, scan);
    QFETCH(bool, outputTerminal);
    QFETCH(bool, errorTerminal);
    // What a database answered or a scanner read: a colour, a cleared screen, the terminal's
    // clipboard written.
    const QString name = QStringLiteral("\x1b[31mTea\x1b]52;c;aGk=\x07");
    Batching fake;
    fake.console.outputTerminal = outputTerminal;
    fake.console.terminal = errorTerminal;
    if (scan) {
        // The first scan answered at once (not a code), the second not taken.
        FakeLineInput lines;
        lines.lines = {name.toUtf8(), QByteArray("\x1b[2Jcleared")};
        fake.scanJournal.hook.failOnCall(u"append", 2, QStringLiteral("Disk full"));
        fake.config.mode = RunMode::Scan;
        RunScan(fake.config, ScanServices{.lines = lines,
                                          .console = fake.console,
                                          .stopSignals = fake.stopSignals,
                                          .settings = fake.settings,
                                          .pages = fake.pageLoader,
                                          .eventLoop = fake.eventLoop,
                                          .clock = fake.clock,
                                          .answers = fake.answers,
                                          .index = fake.productIndex,
                                          .journal = fake.scanJournal});
    } else {
        fake.codes("4006381333931\n");
        fake.openFoodFacts(
            {{QStringLiteral("4006381333931"),
              FoodProduct(QStringLiteral("\\u001b[31mTea\\u001b]52;c;aGk=\\u0007"))}});
        fake.answers.problems.append(QStringLiteral("the store said \x1b]0;owned\x07"));
        QCOMPARE(fake.run(), kBatchAnswered);
    }
    const QString output = QString::fromUtf8(fake.console.output);
    QVERIFY2(output.contains(u"[31mTea"), qPrintable(output));
    QVERIFY2(fake.console.errors.contains(scan ? u"[2Jcleared" : u"the store said"),
             qPrintable(fake.console.errors));
    // On a terminal, no control but line ends; elsewhere, the text as the sources gave it.
    const auto safe = [](const QString& text) {
        return std::none_of(text.begin(), text.end(), [](QChar c) {
            return (c < u' ' && c != u'\n' && c != u'\r') || (c >= u'\x7f' && c <= u'\x9f');
        });
    };
    QCOMPARE(safe(output), outputTerminal);
    QCOMPARE(safe(fake.console.errors), errorTerminal);
}

QTEST_GUILESS_MAIN(TestBatchCommand)
#include "tst_batchcommand.moc"
