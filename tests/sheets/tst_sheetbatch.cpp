// Batch runs on spreadsheet inputs, on fakes: --column, the columns listed when the code column
// cannot be told, the codes a spreadsheet damaged, and --keep-columns in every mix of input and
// output formats; and the window's Enrich a Spreadsheet, which writes the same rows.
#include "app/batch/BatchCommand.h"
#include "common/CellText.h"
#include "fakes/FakeBatchConsole.h"
#include "fakes/FakeOutputFiles.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeStopSignals.h"
#include "fakes/FakeZipArchives.h"
#include "support/Form1OnFakes.h"
#include "support/LoopbackConfig.h"

#include <QFileInfo>
#include <QStringEncoder>
#include <QTest>

namespace {
// The page service alone, knowing one product.
FakeResponse Page(const QUrl& address)
{
    if (FakePageLoader::queryValue(address) == u"4006381333931")
        return FakeResponse{
            QStringLiteral("<p>Product name for EAN 4006381333931: <a href=\"/p\">Pen</a></p>")};
    return FakeResponse{FakePageLoader::kNoRecordPage.toString()};
}

const QByteArray kPrices =
    "Product;EAN;Price\r\nPen;4006381333931;1,5\r\n;;\r\nInk;4.00638E+12;2\r\n";
} // namespace

class TestSheetBatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void codeColumn_chosenOrNamed_data();
    void codeColumn_chosenOrNamed();
    void wideSheet_choiceStopsOnASignal_namedColumnReadAlone_data();
    void wideSheet_choiceStopsOnASignal_namedColumnReadAlone();
    void keepColumns_csvInCsvOut_keepsEveryRowAndColumn();
    void keepColumns_workbookInWorkbookOut_keepsCellKinds_data();
    void keepColumns_workbookInWorkbookOut_keepsCellKinds();
    void keepColumns_xlsxCopy_keepsTheSheetsBytes_data();
    void keepColumns_xlsxCopy_keepsTheSheetsBytes();
    void keepColumns_needsOneSpreadsheet();
    void uncopyableWorkbook_saidBeforeTheRun_copiedAsValues_data();
    void uncopyableWorkbook_saidBeforeTheRun_copiedAsValues();
    void keepColumns_cellPastExcelsLimit_cutInXlsxOnly_data();
    void keepColumns_cellPastExcelsLimit_cutInXlsxOnly();
    void enrich_savesACopyBesideTheSourceNeverOverIt();
    void enrich_failedSaveOffersTheDialogAgainWithoutLookingUpAgain();

private:
    struct Batching : FakePlatform
    {
        Batching()
        {
            config.mode = RunMode::Batch;
            config.batch.quiet = true;
            config.serviceUrlNamed = true;
            pageLoader.respond = Page;
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
                                        .zips = &zips,
                                    });
        }

        AppConfig config = LoopbackConfig();
        FakeBatchConsole console;
        FakeOutputFiles outputs;
        FakeStopSignals stopSignals;
    };
};

void TestSheetBatch::codeColumn_chosenOrNamed_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QString>("errors");
    QTest::newRow("the code column, a damaged code named")
        << kPrices << "" << kBatchAnswered
        << QByteArray("code,gtin,status,name,brand,quantity,source,detail,categories,kind,"
                      "gs1_office,image_url,url,same_as,inner_gtin,upc,isbn10,isbn_hyphenated,"
                      "issn,author,publisher,published,control_number\r\n"
                      "4006381333931,4006381333931,found,Pen,,,Page service,,,EAN-13,GS1 Germany,,"
                      ",,,,,,,,,,\r\n"
                      "4.00638E+12,,not looked up,,,,,the spreadsheet turned this code into the "
                      "number 4.00638E+12 and lost its digits; format the column as text,,,,,"
                      ",,,,,,,,,,\r\n")
        << "";
    QTest::newRow("named by letter")
        << QByteArray("A,B\nx,4006381333931\n") << "b" << kBatchAnswered
        << QByteArray("code,gtin,status,name,brand,quantity,source,detail,categories,kind,"
                      "gs1_office,image_url,url,same_as,inner_gtin,upc,isbn10,isbn_hyphenated,"
                      "issn,author,publisher,published,control_number\r\n4006381333931,"
                      "4006381333931,found,"
                      "Pen,,,Page service,,,EAN-13,GS1 Germany,,,,,,,,,,,,\r\n")
        << "";
    const QString listed = QStringLiteral("\n  A  \"A\"  1, 2\n  B  \"B\"  x\n"
                                          "quillfen: no code was looked up.\n");
    QTest::newRow("not clear: the columns listed")
        << QByteArray("A,B\n1,x\n2\n") << "" << kBatchBadUsage << QByteArray()
        << QStringLiteral("quillfen: in.csv: which column holds the codes? Name it with --column "
                          "by its header, letter or number:") +
               listed;
    QTest::newRow("no such column")
        << QByteArray("A,B\n1,x\n2\n") << "Price" << kBatchBadUsage << QByteArray()
        << QStringLiteral("quillfen: in.csv: no column \"Price\"; name one of these with --column "
                          "by its header, letter or number:") +
               listed;
}

void TestSheetBatch::codeColumn_chosenOrNamed()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, column);
    QFETCH(int, status);
    QFETCH(QByteArray, output);
    QFETCH(QString, errors);
    Batching fake;
    fake.files.contents.insert(QStringLiteral("in.csv"), csv);
    fake.config.batch.inputs = QStringList{QStringLiteral("in.csv")};
    fake.config.batch.column = column;
    QCOMPARE(fake.run(), status);
    QCOMPARE(fake.console.errors, errors);
    QCOMPARE(fake.console.output, output);
}

// A sheet of 16,384 columns: choosing its code column lets signals in, and a column named by
// --column is taken without going through the others.
void TestSheetBatch::wideSheet_choiceStopsOnASignal_namedColumnReadAlone_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("errors");
    QTest::newRow("chosen, SIGINT meanwhile")
        << QString() << kBatchInterrupted
        << "Stopped by SIGINT while reading the codes; no code was looked up.\n";
    QTest::newRow("named") << "XFD" << kBatchAnswered << QString();
}

void TestSheetBatch::wideSheet_choiceStopsOnASignal_namedColumnReadAlone()
{
    QFETCH(QString, column);
    QFETCH(int, status);
    QFETCH(QString, errors);
    Batching fake;
    const QByteArray others = QByteArray("x;").repeated(16383);
    fake.files.contents.insert(QStringLiteral("in.csv"),
                               others + "EAN\n" +
                                   QByteArray(others + "4006381333931\n").repeated(3));
    fake.config.batch.inputs = QStringList{QStringLiteral("in.csv")};
    fake.config.batch.column = column;
    fake.config.batch.output = QStringLiteral("out.csv");
    int yieldsBeforeLookups = -1;
    fake.pageLoader.respond = [&](const QUrl& address) {
        if (yieldsBeforeLookups < 0)
            yieldsBeforeLookups = fake.eventLoop.yields;
        return Page(address);
    };
    fake.eventLoop.onYield = [&] { fake.stopSignals.signal = StopSignal::Interrupt; };
    if (!column.isEmpty())
        fake.eventLoop.onYield = nullptr;
    fake.config.batch.quiet = false;
    QCOMPARE(fake.run(), status);
    if (status == kBatchInterrupted) {
        QCOMPARE(fake.console.errors, errors);
        QCOMPARE(yieldsBeforeLookups, -1);
    } else {
        QCOMPARE(yieldsBeforeLookups, 0);
        QVERIFY(fake.outputs.texts.value(QStringLiteral("out.csv")).contains("4006381333931"));
    }
}

void TestSheetBatch::keepColumns_csvInCsvOut_keepsEveryRowAndColumn()
{
    Batching fake;
    fake.files.contents.insert(QStringLiteral("in.csv"), kPrices);
    fake.config.batch.inputs = QStringList{QStringLiteral("in.csv")};
    fake.config.batch.output = QStringLiteral("out.tsv");
    fake.config.batch.keepColumns = true;
    QCOMPARE(fake.run(), kBatchAnswered);
    QCOMPARE(
        fake.outputs.texts.value(QStringLiteral("out.tsv")),
        QByteArray("Product\tEAN\tPrice\tgtin\tstatus\tname\tbrand\tquantity\tsource\tdetail\t"
                   "categories\tkind\tgs1_office\timage_url\turl\tsame_as\tinner_gtin\tupc\t"
                   "isbn10\tisbn_hyphenated\tissn\tauthor\tpublisher\tpublished\tcontrol_number\r\n"
                   "Pen\t4006381333931\t1,5\t4006381333931\tfound\tPen\t\t\tPage service\t\t\t"
                   "EAN-13\tGS1 Germany\t\t\t\t\t\t\t\t\t\t\t\t\r\n"
                   "\t\t\r\n"
                   "Ink\t4.00638E+12\t2\t\tnot looked up\t\t\t\t\tthe spreadsheet turned this "
                   "code into the number 4.00638E+12 and lost its digits; format the column "
                   "as text\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n"));

    // --columns chooses and orders the answers too; the sheet already holds the code.
    fake.config.batch.columns = QStringLiteral("name,code,status");
    QCOMPARE(fake.run(), kBatchAnswered);
    QCOMPARE(fake.outputs.texts.value(QStringLiteral("out.tsv")),
             QByteArray("Product\tEAN\tPrice\tname\tstatus\r\n"
                        "Pen\t4006381333931\t1,5\tPen\tfound\r\n"
                        "\t\t\r\n"
                        "Ink\t4.00638E+12\t2\t\tnot looked up\r\n"));
}

void TestSheetBatch::keepColumns_workbookInWorkbookOut_keepsCellKinds_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("format");
    QTest::newRow("xlsx") << "out.xlsx" << int(WorkbookFormat::Xlsx);
    QTest::newRow("ods") << "out.ods" << int(WorkbookFormat::Ods);
}

void TestSheetBatch::keepColumns_workbookInWorkbookOut_keepsCellKinds()
{
    QFETCH(QString, output);
    QFETCH(int, format);
    const QByteArray ns = " xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
    Batching fake;
    FakeZipArchives::Entries& parts = fake.zips.archives[QStringLiteral("in.xlsx")];
    parts["xl/workbook.xml"].bytes =
        "<workbook" + ns +
        " xmlns:r=\"r\"><sheets><sheet name=\"S\" r:id=\"1\"/></sheets>"
        "</workbook>";
    parts["xl/_rels/workbook.xml.rels"].bytes =
        "<Relationships><Relationship Id=\"1\" Target=\"worksheets/s.xml\"/></Relationships>";
    parts["xl/styles.xml"].bytes = "<styleSheet><numFmts><numFmt numFmtId=\"164\" "
                                   "formatCode=\"0.00\"/></numFmts><cellXfs><xf numFmtId=\"0\"/>"
                                   "<xf numFmtId=\"164\"/></cellXfs></styleSheet>";
    parts["xl/worksheets/s.xml"].bytes =
        "<worksheet" + ns +
        "><sheetData><row><c t=\"inlineStr\"><is><t>GTIN</t></is></c>"
        "<c t=\"inlineStr\"><is><t>Price</t></is></c><c t=\"inlineStr\"><is><t>OK</t></is></c>"
        "</row><row><c><v>4006381333931</v></c><c s=\"1\"><v>1.5</v></c><c t=\"b\"><v>1</v></c>"
        "</row></sheetData></worksheet>";
    fake.config.batch.inputs = QStringList{QStringLiteral("in.xlsx")};
    fake.config.batch.output = output;
    fake.config.batch.keepColumns = true;
    QCOMPARE(fake.run(), kBatchAnswered);
    if (output.endsWith(u".xlsx")) {
        // In its own format the copy is the workbook itself: its rows, which give no places,
        // gain cells at the places that follow.
        QVERIFY(!fake.outputs.workbooks.contains(output));
        FakeZipArchives::Entries copy = fake.zips.archives.value(output);
        const QByteArray sheet = copy.take(QStringLiteral("xl/worksheets/s.xml")).bytes;
        QVERIFY(sheet.contains("<c t=\"b\"><v>1</v></c><c r=\"D2\" t=\"inlineStr\"><is>"
                               "<t xml:space=\"preserve\">4006381333931</t></is></c>"));
        QVERIFY(sheet.contains("<c r=\"F1\" t=\"inlineStr\"><is><t xml:space=\"preserve\">name"));
        parts.remove(QStringLiteral("xl/worksheets/s.xml"));
        QCOMPARE(copy.keys(), parts.keys());
        for (const QString& part : parts.keys())
            QCOMPARE(copy.value(part).bytes, parts.value(part).bytes);
        return;
    }
    QCOMPARE(int(fake.outputs.workbookFormats.value(output)), format);
    const FakeOutputFiles::Cells cells = fake.outputs.workbooks.value(output);
    QCOMPARE(cells.value({1, 4}), QStringLiteral("gtin"));
    QCOMPARE(cells.value({2, 1}), QStringLiteral("4006381333931")); // the code as text
    QCOMPARE(cells.value({2, 2}), QStringLiteral("number 1.5 0.00"));
    QCOMPARE(cells.value({2, 3}), QStringLiteral("boolean TRUE"));
    QCOMPARE(cells.value({2, 6}), QStringLiteral("Pen"));
    QCOMPARE(cells.value({2, 9}), QStringLiteral("Page service"));
}

void TestSheetBatch::keepColumns_xlsxCopy_keepsTheSheetsBytes_data()
{
    QTest::addColumn<QByteArray>("sheet");
    QTest::addColumn<QByteArray>("copy");
    // Indented rows with Windows line breaks, one header cell styled, quotes of both kinds, and
    // characters of two to four bytes (past U+FFFF: two UTF-16 units) before the places the
    // answers go; only the dimension, the spans and the answers differ in the copy.
    const auto sheet = [](const QByteArray& mark, const QByteArray& filler,
                          bool copy) -> QByteArray {
        const QByteArray spans = copy ? "spans=\"1:3\"" : "spans='1:2'";
        return mark + "<?xml version='1.0' encoding='UTF-8'?>\r\n<worksheet xmlns=\"" +
               "http://schemas.openxmlformats.org/spreadsheetml/2006/main\">" +
               (copy ? "<dimension ref=\"A1:C3\"/>" : "<dimension ref='A1:B3'/>") +
               "<sheetData>\r\n  <row r=\"1\" " + spans + "><c r=\"A1\" t='inlineStr'><is><t>" +
               filler + "\xC3\x84\xE2\x82\xAC\xF0\x9F\x98\x80</t></is></c>" +
               "<c r=\"B1\" s=\"3\" t=\"inlineStr\"><is><t>EAN</t></is></c>\r\n  " +
               (copy ? "<c r=\"C1\" s=\"3\" t=\"inlineStr\"><is><t xml:space=\"preserve\">name"
                       "</t></is></c>"
                     : "") +
               "</row>\r\n  <row r=\"2\" " + spans +
               "><c r=\"A2\" t=\"inlineStr\"><is><t>Stift &amp; \xE2\x82\xAC</t></is></c>"
               "<c r=\"B2\"><v>4006381333931</v></c>" +
               (copy ? "<c r=\"C2\" t=\"inlineStr\"><is><t xml:space=\"preserve\">Pen</t></is>"
                       "</c>"
                     : "") +
               "</row>\r\n  <row r=\"3\" " + spans +
               "><c r=\"B3\"><v>5901234123457</v></c></row>\r\n</sheetData><!-- x --></worksheet>"
               "\r\n";
    };
    QTest::newRow("UTF-8") << sheet("", "", false) << sheet("", "", true);
    QTest::newRow("with a byte-order mark")
        << sheet("\xEF\xBB\xBF", "", false) << sheet("\xEF\xBB\xBF", "", true);
    // Past the pieces the copy reads at once, so that places are found across them.
    const QByteArray filler = QByteArray("\xC3\xA4\xF0\x9F\x98\x80").repeated(100000);
    QTest::newRow("a cell of 600 kB") << sheet("", filler, false) << sheet("", filler, true);
    // A part in UTF-16 is read and written again, token by token, in UTF-8: in the writer's
    // quotes and line breaks.
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    QTest::newRow("UTF-16")
        << QByteArray(utf16(QString::fromUtf8(sheet("", "", false))
                                .replace(QStringLiteral("UTF-8"), QStringLiteral("UTF-16"))))
        << sheet("", "", true).replace('\'', '"').replace("\r\n", "\n").replace("?>\n", "?>");
}

void TestSheetBatch::keepColumns_xlsxCopy_keepsTheSheetsBytes()
{
    QFETCH(QByteArray, sheet);
    QFETCH(QByteArray, copy);
    Batching fake;
    FakeZipArchives::Entries& parts = fake.zips.archives[QStringLiteral("in.xlsx")];
    parts["xl/workbook.xml"].bytes =
        "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"r\"><sheets><sheet name=\"S\" r:id=\"1\"/></sheets></workbook>";
    parts["xl/_rels/workbook.xml.rels"].bytes =
        "<Relationships><Relationship Id=\"1\" Target=\"worksheets/s.xml\"/></Relationships>";
    parts["xl/worksheets/s.xml"].bytes = sheet;
    fake.config.batch.inputs = QStringList{QStringLiteral("in.xlsx")};
    fake.config.batch.output = QStringLiteral("out.xlsx");
    fake.config.batch.keepColumns = true;
    fake.config.batch.columns = QStringLiteral("name");
    QCOMPARE(fake.run(), kBatchAnswered);
    const QByteArray written =
        fake.zips.archives.value(QStringLiteral("out.xlsx")).value("xl/worksheets/s.xml").bytes;
    // Compared in pieces, so that a difference is shown where it is.
    for (qsizetype at = 0; at < std::max(written.size(), copy.size()); at += 200)
        QCOMPARE(written.mid(at, 200), copy.mid(at, 200));
}

void TestSheetBatch::keepColumns_needsOneSpreadsheet()
{
    Batching fake;
    fake.files.contents.insert(QStringLiteral("codes.txt"), "4006381333931\n");
    fake.config.batch.inputs = QStringList{QStringLiteral("codes.txt")};
    fake.config.batch.keepColumns = true;
    QCOMPARE(fake.run(), kBatchBadUsage);
    QCOMPARE(fake.console.errors,
             QStringLiteral("quillfen: --keep-columns needs one spreadsheet input (.xlsx, .ods, "
                            ".csv or .tsv)\nquillfen: no code was looked up.\n"));
}

// A workbook the copy cannot keep as it is says so before any code is looked up: batch mode
// writes its values, the window asks first.
void TestSheetBatch::uncopyableWorkbook_saidBeforeTheRun_copiedAsValues_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<FakeZipArchives::Entries>("parts");
    QTest::addColumn<QString>("problem");
    const QByteArray strict = " xmlns=\"http://purl.oclc.org/ooxml/spreadsheetml/main\"";
    const QByteArray rows = "<sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>EAN</t>"
                            "</is></c></row><row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>"
                            "&code;</t></is></c></row></sheetData>";
    const QByteArray entity = "<!DOCTYPE x [<!ENTITY code \"4006381333931\">]>";
    const auto workbook = [&](const QByteArray& ns, const QByteArray& sheet) {
        FakeZipArchives::Entries parts;
        parts["xl/workbook.xml"].bytes = "<workbook" + ns +
                                         " xmlns:r=\"r\"><sheets><sheet name=\"S\" r:id=\"1\"/>"
                                         "</sheets></workbook>";
        parts["xl/_rels/workbook.xml.rels"].bytes =
            "<Relationships><Relationship Id=\"1\" Target=\"worksheets/s.xml\"/></Relationships>";
        parts["xl/worksheets/s.xml"].bytes = sheet;
        return parts;
    };
    QByteArray strictRows = rows;
    strictRows.replace("&code;", "4006381333931");
    QTest::newRow("strict Office Open XML")
        << "in.xlsx" << workbook(strict, "<worksheet" + strict + '>' + strictRows + "</worksheet>")
        << "it is in strict Office Open XML";
    QTest::newRow("a sheet that declares entities")
        << "in.xlsx" << workbook({}, entity + "<worksheet>" + rows + "</worksheet>")
        << "it is damaged: the part xl/worksheets/s.xml declares entities";
    FakeZipArchives::Entries ods;
    ods["mimetype"].bytes = "application/vnd.oasis.opendocument.spreadsheet";
    ods["content.xml"].bytes =
        entity +
        "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
        " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
        " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body>"
        "<office:spreadsheet><table:table table:name=\"S\"><table:table-row><table:table-cell>"
        "<text:p>EAN</text:p></table:table-cell></table:table-row><table:table-row>"
        "<table:table-cell><text:p>&code;</text:p></table:table-cell></table:table-row>"
        "</table:table></office:spreadsheet></office:body></office:document-content>";
    QTest::newRow("a document that declares entities")
        << "in.ods" << ods << "it is damaged: the part content.xml declares entities";
}

void TestSheetBatch::uncopyableWorkbook_saidBeforeTheRun_copiedAsValues()
{
    QFETCH(QString, input);
    QFETCH(FakeZipArchives::Entries, parts);
    QFETCH(QString, problem);
    const QString output = QStringLiteral("out.") + QFileInfo(input).suffix();
    Batching batch;
    batch.zips.archives.insert(input, parts);
    batch.config.batch.inputs = QStringList{input};
    batch.config.batch.output = output;
    batch.config.batch.keepColumns = true;
    batch.config.batch.quiet = false;
    QCOMPARE(batch.run(), kBatchAnswered);
    QVERIFY2(
        batch.console.errors.startsWith(QStringLiteral("quillfen: ") + input +
                                        QStringLiteral(" cannot be copied as it is (") + problem +
                                        QStringLiteral("); its values are written instead.\n")),
        qPrintable(batch.console.errors));
    QCOMPARE(batch.outputs.workbooks.value(output).value({2, 2}), QStringLiteral("4006381333931"));

    AppConfig config = LoopbackConfig();
    config.serviceUrlNamed = true;
    Form1OnFakes window(config);
    window.pageLoader.respond = Page;
    const QString path = QStringLiteral("/d/") + input;
    window.zips.archives.insert(path, parts);
    window.commonDialog1.choices = {path};
    window.form.EnrichSpreadsheet(); // answered No
    QCOMPARE(window.questionBox.questions(), QStringList{EnrichValuesOnlyQuestion(path, problem)});
    QCOMPARE(window.pageLoader.hook.calls(u"start"), 0);
}

// One cell longer than an .xlsx may hold no longer costs the whole workbook.
void TestSheetBatch::keepColumns_cellPastExcelsLimit_cutInXlsxOnly_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<qsizetype>("kept");
    QTest::addColumn<QString>("summary");
    QTest::newRow("xlsx") << "out.xlsx" << kMostCellCharacters
                          << "; 1 cell cut to Excel's limit of 32,767 characters\n";
    QTest::newRow("ods") << "out.ods" << qsizetype(40000) << "1 found, 0 not found, 0 failed\n";
}

void TestSheetBatch::keepColumns_cellPastExcelsLimit_cutInXlsxOnly()
{
    QFETCH(QString, output);
    QFETCH(qsizetype, kept);
    QFETCH(QString, summary);
    Batching fake;
    const QByteArray longText(40000, 'a');
    fake.files.contents.insert(QStringLiteral("in.csv"),
                               "Note;EAN\r\n" + longText + ";4006381333931\r\n");
    fake.config.batch.inputs = QStringList{QStringLiteral("in.csv")};
    fake.config.batch.output = output;
    fake.config.batch.keepColumns = true;
    fake.config.batch.quiet = false;
    QCOMPARE(fake.run(), kBatchAnswered);
    const QString cell = fake.outputs.workbooks.value(output).value({2, 1});
    QCOMPARE(cell.size(), kept);
    QCOMPARE(cell.back(), kept == 40000 ? QChar(u'a') : QChar(0x2026));
    QVERIFY2(fake.console.errors.endsWith(summary), qPrintable(fake.console.errors));
}

void TestSheetBatch::enrich_savesACopyBesideTheSourceNeverOverIt()
{
    AppConfig config = LoopbackConfig();
    config.serviceUrlNamed = true;
    Form1OnFakes fake(config);
    fake.pageLoader.respond = Page;
    fake.files.contents.insert(QStringLiteral("/d/in.csv"), kPrices);
    fake.commonDialog1.choices = {QStringLiteral("/d/in.csv"), QStringLiteral("/d/out.csv"),
                                  QStringLiteral("/d/in.csv"), QStringLiteral("/d/in.csv")};
    fake.form.EnrichSpreadsheet();
    QCOMPARE(fake.listView2.texts(),
             (QStringList{"Pen", "4.00638E+12 - not looked up: the spreadsheet turned this code "
                                 "into the number 4.00638E+12 and lost its digits; format the "
                                 "column as text"}));
    QCOMPARE(fake.commonDialog1.showings()[1].fileNameShown,
             QStringLiteral("/d/in with names.csv"));
    QVERIFY(fake.commonDialog1.showings()[1].filter.startsWith(u"CSV (*.csv)"));
    // The file itself with the answers: its semicolons, its rows as they were, the empty one
    // with as many fields as the others.
    QCOMPARE(
        fake.outputFiles.texts.value(QStringLiteral("/d/out.csv")),
        QByteArray("Product;EAN;Price;gtin;status;name;brand;quantity;source;detail;categories;"
                   "kind;gs1_office;image_url;url;same_as;inner_gtin;upc;isbn10;isbn_hyphenated;"
                   "issn;author;publisher;published;control_number\r\n"
                   "Pen;4006381333931;1,5;4006381333931;found;Pen;;;Page service;;;EAN-13;"
                   "GS1 Germany;;;;;;;;;;;;\r\n"
                   ";;;;;;;;;;;;;;;;;;;;;;;;\r\n"
                   "Ink;4.00638E+12;2;;not looked up;;;;;\"the spreadsheet turned this code into "
                   "the number 4.00638E+12 and lost its digits; format the column as "
                   "text\";;;;;;;;;;;;;;;\r\n"));
    fake.messageBox.forget();
    fake.form.EnrichSpreadsheet(); // saved over the source: refused
    QCOMPARE(
        fake.messageBox.texts(),
        (QStringList{"Done.", kEnrichSameFileReason + QStringLiteral(". Nothing was saved.")}));
    QCOMPARE(fake.outputFiles.texts.size(), 1);
}

void TestSheetBatch::enrich_failedSaveOffersTheDialogAgainWithoutLookingUpAgain()
{
    AppConfig config = LoopbackConfig();
    config.serviceUrlNamed = true;
    Form1OnFakes fake(config);
    fake.pageLoader.respond = Page;
    fake.files.contents.insert(QStringLiteral("/d/in.csv"), kPrices);
    fake.outputFiles.unwritable = QStringList{QStringLiteral("/ro/out.csv")};
    fake.commonDialog1.choices = {QStringLiteral("/d/in.csv"), QStringLiteral("/ro/out.csv"),
                                  QStringLiteral("/d/out.csv")};
    fake.form.EnrichSpreadsheet();
    QCOMPARE(fake.messageBox.texts(),
             (QStringList{"Done.", "Cannot create the file /ro/out.csv: Permission denied. "
                                   "Nothing was saved."}));
    QCOMPARE(fake.commonDialog1.showings().size(), 3);
    QCOMPARE(fake.commonDialog1.showings()[2].fileNameShown, QStringLiteral("/ro/out.csv"));
    QVERIFY(fake.outputFiles.texts.value(QStringLiteral("/d/out.csv")).contains(";Pen;"));
    // The one code that could be asked was asked once, for both saves.
    QCOMPARE(fake.pageLoader.hook.calls(u"start"), 1);
}

QTEST_GUILESS_MAIN(TestSheetBatch)
#include "tst_sheetbatch.moc"
