// Reading codes from spreadsheets on fakes: CSV dialects and encodings, exact digits, the choice
// of the code column, workbook parts as Excel and LibreOffice write them, and the limits.
#include "fakes/FakeColumnChoiceDialog.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeZipArchives.h"
#include "sheets/CodeColumn.h"
#include "sheets/DelimitedTextReader.h"
#include "sheets/SheetBuilder.h"
#include "sheets/SheetCodeLoader.h"
#include "sheets/SheetCodes.h"
#include "sheets/SheetNumbers.h"
#include "sheets/SheetStrings.h"

#include <QTest>

namespace {
// The rows of a sheet as "a|b" lines, empty cells as nothing between bars.
QStringList Rows(const Sheet& sheet)
{
    QStringList rows;
    for (const SheetRow& row : sheet.rows) {
        QStringList cells;
        for (const SheetCell& cell : row)
            cells.append(cell.text);
        rows.append(cells.join(u'|'));
    }
    return rows;
}

Sheet FromCsv(const QByteArray& bytes)
{
    const QString text = DelimitedTextReader::decode(bytes);
    return DelimitedTextReader::read(text, DelimitedTextReader::guessSeparator(text),
                                     SheetLimits{});
}

// The parts of a workbook as Excel writes them, around the given sheet data.
FakeZipArchives::Entries ExcelParts(const QByteArray& sheetData, const QByteArray& strings)
{
    const QByteArray ns = " xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\""
                          " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                          "relationships\"";
    FakeZipArchives::Entries parts;
    parts["xl/workbook.xml"].bytes =
        "<workbook" + ns +
        "><sheets><sheet name=\"Notes\" sheetId=\"1\" r:id=\"rId1\"/>"
        "<sheet name=\"Prices\" sheetId=\"2\" r:id=\"rId2\"/></sheets></workbook>";
    parts["xl/_rels/workbook.xml.rels"].bytes =
        "<Relationships><Relationship Id=\"rId1\" Target=\"worksheets/sheet1.xml\"/>"
        "<Relationship Id=\"rId2\" Target=\"/xl/worksheets/sheet2.xml\"/></Relationships>";
    parts["xl/worksheets/sheet1.xml"].bytes = "<worksheet" + ns + "><sheetData/></worksheet>";
    parts["xl/worksheets/sheet2.xml"].bytes =
        "<worksheet" + ns + "><sheetData>" + sheetData + "</sheetData></worksheet>";
    parts["xl/sharedStrings.xml"].bytes = "<sst" + ns + ">" + strings + "</sst>";
    parts["xl/styles.xml"].bytes = "<styleSheet" + ns +
                                   "><cellXfs><xf numFmtId=\"0\"/>"
                                   "<xf numFmtId=\"14\"/></cellXfs></styleSheet>";
    return parts;
}

const QByteArray kExcelRows =
    "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c></row>"
    "<row r=\"2\"><c r=\"A2\" t=\"s\"><v>2</v></c><c r=\"B2\"><v>4.006381333931E+12</v></c>"
    "<c r=\"C2\" s=\"1\"><v>45352</v></c></row>"
    "<row r=\"4\"><c r=\"B4\" t=\"inlineStr\"><is><t>0012345678905</t></is></c></row>"
    "<row r=\"5\"><c r=\"B5\"><v>12345678905</v></c></row>";
const QByteArray kExcelStrings = "<si><t>Product</t></si><si><r><t>EAN</t></r><r><t> code</t></r>"
                                 "<rPh><t>x</t></rPh></si><si><t>Pen</t></si>";

const QByteArray kOdsHead =
    "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
    "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
    "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body>"
    "<office:spreadsheet><table:table table:name=\"Stock\">";
const QByteArray kOdsTail = "</table:table></office:spreadsheet></office:body>"
                            "</office:document-content>";
} // namespace

class TestSheetReading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void delimited_data();
    void delimited();
    void exactDigits_data();
    void exactDigits();
    void codeColumn_data();
    void codeColumn();
    void excelParts_giveExactCodesFromTheFirstSheetWithData();
    void largeSheet_readsEveryRowOnceInOrder_data();
    void largeSheet_readsEveryRowOnceInOrder();
    void row_keepsTheLastCellOfEachPlace_data();
    void row_keepsTheLastCellOfEachPlace();
    void odsRepeats_spellOutFilledCellsOnly();
    void refused_data();
    void refused();
    void misnamedFile_isToldByContent_data();
    void misnamedFile_isToldByContent();
    void unclearColumn_asksAndAddsTheChosenOne();
    void wideSheet_windowClosedWhileChoosing_addsNothing();

private:
    struct Loading : FakePlatform
    {
        SheetCodeLoader loader{services()};
    };
};

void TestSheetReading::delimited_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("commas") << QByteArray("a,b\r\n1,2\r\n") << QStringList{"a|b", "1|2"};
    QTest::newRow("semicolons beside decimal commas")
        << QByteArray("EAN;Price\n400;1,5\n") << QStringList{"EAN|Price", "400|1,5"};
    QTest::newRow("tabs") << QByteArray("a\tb,c\nd\te,f,g\n") << QStringList{"a|b,c", "d|e,f,g"};
    QTest::newRow("quoted separator, line break and quote")
        << QByteArray("\"x,y\",\"two\nlines\",\"say \"\"hi\"\"\"\n")
        << QStringList{"x,y|two\nlines|say \"hi\""};
    QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF"
                                              "Caf\xC3\xA9")
                                << QStringList{"Café"};
    QTest::newRow("Windows-1252") << QByteArray("Caf\xE9 \x80"
                                                "5")
                                  << QStringList{"Café €5"};
    QTest::newRow("empty rows between kept") << QByteArray("a\n\nb") << QStringList{"a", "", "b"};
}

void TestSheetReading::delimited()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, rows);
    QCOMPARE(Rows(FromCsv(bytes)), rows);
}

void TestSheetReading::exactDigits_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("digits");
    QTest::newRow("E notation of a code") << "4.006381333931E+12"
                                          << "4006381333931";
    QTest::newRow("plain") << "4006381333931"
                           << "4006381333931";
    QTest::newRow("past a double's digits") << "12345678901234567890"
                                            << "12345678901234567890";
    QTest::newRow("small") << "1.5E-3"
                           << "0.0015";
    QTest::newRow("trailing zeros") << "-0.50"
                                    << "-0.5";
    QTest::newRow("leading zeros") << "0012.25"
                                   << "12.25";
    QTest::newRow("not a number") << "4.0x"
                                  << "";
}

void TestSheetReading::exactDigits()
{
    QFETCH(QString, stored);
    QFETCH(QString, digits);
    QCOMPARE(ExactDigits(stored).value_or(QString()), digits);
}

void TestSheetReading::codeColumn_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("column"); // empty: the user is asked
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("a header named like a code column wins over content")
        << QByteArray("Name,Barcode (GTIN),Other\nPen,x,4006381333931\nInk,y,4006381333931\n"
                      "Cap,z,4006381333931\n")
        << "B" << QStringList{"x", "y", "z"};
    QTest::newRow("80% of the cells pass, leading zeros put back")
        << QByteArray("Item,Number\nPen,4006381333931\nInk,12345678905\nCap,96385074\nBox,bad\n"
                      "Jar,4006381333931\n")
        << "B" << QStringList{"4006381333931", "012345678905", "96385074", "bad", "4006381333931"};
    QTest::newRow("no header: the first row is a code")
        << QByteArray("4006381333931;1\n96385074;2\n012345678905;3\n") << "A"
        << QStringList{"4006381333931", "96385074", "012345678905"};
    QTest::newRow("two code columns: asked")
        << QByteArray("EAN,UPC\n4006381333931,036000291452\n96385074,036000291452\n"
                      "4006381333931,036000291452\n")
        << "" << QStringList{};
    QTest::newRow("only two codes: asked")
        << QByteArray("A,B\n4006381333931,x\n96385074,y\n") << "" << QStringList{};
}

void TestSheetReading::codeColumn()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, column);
    QFETCH(QStringList, codes);
    const Sheet sheet = FromCsv(csv);
    const CodeColumnChoice choice = ChooseCodeColumn(sheet);
    QCOMPARE(choice.column < 0 ? QString() : ColumnLetter(choice.column), column);
    QStringList read;
    if (choice.column >= 0) {
        for (const SheetCode& code : CodesOfColumn(sheet, choice.column, choice.firstRow))
            read.append(code.code);
    }
    QCOMPARE(read, codes);
}

void TestSheetReading::excelParts_giveExactCodesFromTheFirstSheetWithData()
{
    Loading fake;
    fake.zips.archives[QStringLiteral("in.xlsx")] = ExcelParts(kExcelRows, kExcelStrings);
    fake.listView1.add(QStringLiteral("kept"));
    QVERIFY(fake.loader.load(fake.listView1, QStringLiteral("in.xlsx")));
    QCOMPARE(fake.messageBox.texts(), QStringList{});
    QCOMPARE(fake.listView1.texts(),
             (QStringList{"kept", "4006381333931", "0012345678905", "012345678905"}));
    QVERIFY(!fake.loader.load(fake.listView1, QStringLiteral("codes.txt")));
}

// Large sheets are read as they inflate, in blocks of 2 MB cut between rows, two at once; a row
// numbered or not, none is lost, doubled or moved at a cut. A cut that falls inside a comment, a
// CDATA section or a processing instruction, rather than after a row, reads none of what they
// hold.
void TestSheetReading::largeSheet_readsEveryRowOnceInOrder_data()
{
    QTest::addColumn<bool>("numbered");
    QTest::addColumn<QByteArray>("middle"); // across the end of the first block
    QTest::addColumn<QByteArray>("head");   // before the <sheetData> tag
    // A row seems to end just before the end of the first block, where the block is cut, and
    // another one in the next block.
    const QByteArray pad(256 * 1024, 'p');
    const QByteArray whole = "<row r=\"2\"><c t=\"inlineStr\"><is><t>9780000000002</t>"
                             "</is></c></row>";
    const QByteArray row = "</row>" + whole;
    QTest::newRow("numbered rows, read in blocks") << true << QByteArray() << QByteArray();
    QTest::newRow("rows without numbers, read whole") << false << QByteArray() << QByteArray();
    QTest::newRow("a row in a comment at the cut")
        << true << "<!--" + row + pad + whole + "-->" << QByteArray();
    QTest::newRow("a row in a CDATA section at the cut")
        << true << "<![CDATA[" + row + pad + whole + "]]>" << QByteArray();
    QTest::newRow("a row in a processing instruction at the cut")
        << true << "<?pad " + row + pad + whole + "?>" << QByteArray();
    QTest::newRow("a sheetData tag in a comment before the sheet")
        << true << "<!--" + pad + "-->" << QByteArray("<!--<sheetData>-->");
}

void TestSheetReading::largeSheet_readsEveryRowOnceInOrder()
{
    QFETCH(bool, numbered);
    QFETCH(QByteArray, middle);
    QFETCH(QByteArray, head);
    QByteArray rows = "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>1</v></c></row>";
    QStringList codes;
    bool inserted = false;
    // Wide rows: the sheet passes the size that splits it in fewer rows, each one's work kept.
    const QByteArray note = "<c t=\"inlineStr\"><is><t>" + QByteArray(400, 'n') + "</t></is></c>";
    for (int r = 2; rows.size() <= 4 * 1024 * 1024 + 64 * 1024; ++r) {
        const QByteArray n = QByteArray::number(r);
        const QByteArray code = QByteArray::number(4000000000000LL + r);
        rows += (numbered ? "<row r=\"" + n + "\">" : QByteArray("<row>")) +
                "<c t=\"inlineStr\"><is><t>" + code + "</t></is></c><c><v>" + n + "</v></c>" +
                note + "</row>";
        codes.append(QString::fromLatin1(code));
        if (!inserted && rows.size() > 2 * 1024 * 1024 - 64 * 1024) {
            rows += middle;
            inserted = true;
        }
    }
    QVERIFY(rows.size() > 4 * 1024 * 1024);
    Loading fake;
    FakeZipArchives::Entries parts = ExcelParts(rows, kExcelStrings);
    QByteArray& sheet = parts["xl/worksheets/sheet2.xml"].bytes;
    sheet.insert(sheet.indexOf("<sheetData>"), head);
    fake.zips.archives[QStringLiteral("in.xlsx")] = parts;
    QVERIFY(fake.loader.load(fake.listView1, QStringLiteral("in.xlsx")));
    QCOMPARE(fake.messageBox.texts(), QStringList{});
    QCOMPARE(fake.listView1.texts(), codes);
}

// A row holds its cells as small records and their texts in one buffer: each cell comes back
// as it was last set, whatever the order, the texts several cells share and the formats.
void TestSheetReading::row_keepsTheLastCellOfEachPlace_data()
{
    // Each as column|kind|text|format|number; kind s sets the shared string numbered so.
    QTest::addColumn<QStringList>("set");
    QTest::addColumn<QStringList>("cells");
    const QStringList kinds{"0|t|x||0", "1|n|12.5|0.00|12.5", "2|d|2024-03-01|yyyy-mm-dd|45352"};
    QTest::newRow("kinds, formats and numbers") << kinds << kinds;
    QTest::newRow("a place given again keeps the later")
        << QStringList{"0|t|first||0", "0|t|second||0"} << QStringList{"0|t|second||0"};
    QTest::newRow("out of order, the later of two kept")
        << QStringList{"2|t|c||0", "0|t|a||0", "2|t|cc||0", "0|t|aa||0", "1|n|7||7"}
        << QStringList{"0|t|aa||0", "1|n|7||7", "2|t|cc||0"};
    const QStringList same{"0|t|same||0", "1|t|same||0", "3|t|same||0", "4|t|other||0"};
    QTest::newRow("one text in several columns") << same << same;
    const QStringList formats{"0|n|1|0|1", "1|n|1|0.00|1", "2|n|1|0.00|2"};
    QTest::newRow("one text, other formats and numbers") << formats << formats;
    QTest::newRow("shared strings; an empty one holds nothing")
        << QStringList{"0|s|0||0", "1|s|1||0", "2|t|own||0", "3|s|2||0"}
        << QStringList{"0|t|s0||0", "2|t|own||0", "3|t|s2||0"};
}

void TestSheetReading::row_keepsTheLastCellOfEachPlace()
{
    QFETCH(QStringList, set);
    QFETCH(QStringList, cells);
    const QString kinds = QStringLiteral("-tnbd"); // as SheetCell::Kind counts them
    const SheetLimits limits;
    SheetBuilder builder(limits);
    for (const QString& one : set) {
        const QStringList field = one.split(u'|');
        if (field[1] == u"s") {
            builder.setShared(0, field[0].toLongLong(), field[2].toLongLong());
            continue;
        }
        builder.set(0, field[0].toLongLong(),
                    SheetCell{SheetCell::Kind(kinds.indexOf(field[1])), field[2], field[3],
                              field[4].toDouble()});
    }
    Sheet sheet = builder.take();
    auto strings = std::make_shared<SheetStrings>();
    for (const char* text : {"s0", "", "s2"})
        strings->append(QString::fromLatin1(text));
    QCOMPARE(sheet.rows.at(0).share(strings), -1);
    QStringList read;
    for (const SheetRow::Filled& one : sheet.rows.at(0).filled())
        read.append(QStringLiteral("%1|%2|%3|%4|%5")
                        .arg(one.column)
                        .arg(kinds[int(one.cell.kind)])
                        .arg(one.cell.text, one.cell.format)
                        .arg(one.cell.number));
    QCOMPARE(read, cells);
}

void TestSheetReading::odsRepeats_spellOutFilledCellsOnly()
{
    Loading fake;
    fake.zips.archives[QStringLiteral("in.ods")]["content.xml"].bytes =
        kOdsHead +
        "<table:table-row><table:table-cell office:value-type=\"string\"><text:p>GTIN</text:p>"
        "</table:table-cell></table:table-row>"
        "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell "
        "office:value-type=\"float\" office:value=\"4006381333931\"><text:p>4.00638E+12</text:p>"
        "</table:table-cell><table:table-cell table:number-columns-repeated=\"16000\"/>"
        "</table:table-row><table:table-row table:number-rows-repeated=\"1048570\">"
        "<table:table-cell table:number-columns-repeated=\"1024\"/></table:table-row>" +
        kOdsTail;
    QVERIFY(fake.loader.load(fake.listView1, QStringLiteral("in.ods")));
    QCOMPARE(fake.messageBox.texts(), QStringList{});
    QCOMPARE(fake.listView1.texts(), (QStringList{"4006381333931", "4006381333931"}));
}

void TestSheetReading::refused_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<FakeZipArchives::Entries>("parts");
    QTest::addColumn<QString>("reason");
    FakeZipArchives::Entries large = ExcelParts(kExcelRows, kExcelStrings);
    large["xl/worksheets/sheet2.xml"].packedSize = 0;
    QTest::newRow("inflates past 100 times")
        << "big.xlsx" << large
        << "its part xl/worksheets/sheet2.xml inflates past the limit of 100 times its packed size";
    FakeZipArchives::Entries broken = ExcelParts("<row><c><v>1</v></row>", kExcelStrings);
    QTest::newRow("damaged XML") << "bad.xlsx" << broken
                                 << "it is damaged: the part xl/worksheets/sheet2.xml, line 1: "
                                    "Opening and ending tag mismatch.";
    // Shared strings are read beside the sheet and put in afterwards: both faults still named.
    QTest::newRow("a shared string that is not there")
        << "gap.xlsx"
        << ExcelParts("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>3</v></c></row>", kExcelStrings)
        << "it is damaged: the cell A1 of xl/worksheets/sheet2.xml names no shared string";
    QTest::newRow("damaged shared strings")
        << "strings.xlsx" << ExcelParts(kExcelRows, "<si><t>EAN</si>")
        << "it is damaged: the part xl/sharedStrings.xml, line 1: Opening and ending tag "
           "mismatch.";
    QTest::newRow("not a zip") << "none.xlsx" << FakeZipArchives::Entries{}
                               << "it is not a zip container";
    FakeZipArchives::Entries repeated;
    repeated["content.xml"].bytes =
        kOdsHead +
        "<table:table-row table:number-rows-repeated=\"2000000000\"><table:table-cell "
        "office:value-type=\"string\"><text:p>x</text:p></table:table-cell>"
        "</table:table-row>" +
        kOdsTail;
    QTest::newRow("a row repeated past the last row")
        << "rows.ods" << repeated << "it has more than 1,048,576 rows";
}

void TestSheetReading::refused()
{
    QFETCH(QString, path);
    QFETCH(FakeZipArchives::Entries, parts);
    QFETCH(QString, reason);
    Loading fake;
    if (!parts.isEmpty())
        fake.zips.archives[path] = parts;
    fake.listView1.add(QStringLiteral("kept"));
    QVERIFY(fake.loader.load(fake.listView1, path));
    QCOMPARE(fake.messageBox.texts(), QStringList{SheetUnreadableMessage(path, reason)});
    QCOMPARE(fake.listView1.texts(), QStringList{"kept"});
}

// A file whose name lies about its kind is read as what it holds, or refused saying what that is.
void TestSheetReading::misnamedFile_isToldByContent_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("bytes");               // the file, when not a container
    QTest::addColumn<FakeZipArchives::Entries>("parts"); // the container, when one
    QTest::addColumn<QString>("said");                   // the codes, or the message
    const QString codes = QStringLiteral("4006381333931 0012345678905 012345678905");
    const QByteArray zip("PK\x03\x04", 4);
    const QByteArray compound("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0\0", 11);
    FakeZipArchives::Entries ods;
    ods["content.xml"].bytes =
        kOdsHead +
        "<table:table-row><table:table-cell office:value-type=\"string\"><text:p>"
        "EAN</text:p></table:table-cell></table:table-row><table:table-row>"
        "<table:table-cell office:value-type=\"string\"><text:p>4006381333931"
        "</text:p></table:table-cell></table:table-row>" +
        kOdsTail;
    const FakeZipArchives::Entries none;
    QTest::newRow("an .xlsx named .ods")
        << "in.ods" << QByteArray() << ExcelParts(kExcelRows, kExcelStrings) << codes;
    QTest::newRow("an .ods named .xlsx") << "in.xlsx" << QByteArray() << ods << "4006381333931";
    QTest::newRow("an .xlsx named .csv")
        << "in.csv" << zip << ExcelParts(kExcelRows, kExcelStrings) << codes;
    QTest::newRow("a CSV named .xlsx")
        << "in.xlsx" << QByteArray("Name;EAN\nPen;4006381333931\n") << none << "4006381333931";
    const QString old =
        SheetUnreadableMessage(QStringLiteral("%1"), QStringLiteral("it is an Excel 97-2003 "
                                                                    "workbook: save it as .xlsx "
                                                                    "first"));
    QTest::newRow("an .xls") << "in.xls" << compound << none << old.arg(u"in.xls");
    QTest::newRow("an .xls named .xlsx") << "in.xlsx" << compound << none << old.arg(u"in.xlsx");
    QTest::newRow("an .xls named .csv") << "in.csv" << compound << none << old.arg(u"in.csv");
    QTest::newRow("an .xlsx saved with a password")
        << "in.xlsx"
        << compound + QByteArray(500, '\0') +
               QByteArray("E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0", 32)
        << none
        << SheetUnreadableMessage(QStringLiteral("in.xlsx"),
                                  QStringLiteral("it is encrypted with a password: save it "
                                                 "without one first"));
    QTest::newRow("neither a container nor text")
        << "in.xlsx" << compound.sliced(8) << none
        << SheetUnreadableMessage(QStringLiteral("in.xlsx"),
                                  QStringLiteral("it is not a zip container"));
}

void TestSheetReading::misnamedFile_isToldByContent()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, bytes);
    QFETCH(FakeZipArchives::Entries, parts);
    QFETCH(QString, said);
    Loading fake;
    if (!bytes.isEmpty())
        fake.files.contents[path] = bytes;
    if (!parts.isEmpty())
        fake.zips.archives[path] = parts;
    QVERIFY(fake.loader.load(fake.listView1, path));
    QCOMPARE(fake.messageBox.texts().join(u' ') + fake.listView1.texts().join(u' '), said);
}

void TestSheetReading::unclearColumn_asksAndAddsTheChosenOne()
{
    Loading fake;
    fake.files.contents[QStringLiteral("/d/two.csv")] = "A,B\n1,x\n2,y\n3\n";
    fake.columnChoice.answers = {1, std::nullopt};
    QVERIFY(fake.loader.load(fake.listView1, QStringLiteral("/d/two.csv")));
    QCOMPARE(fake.columnChoice.asked.size(), 1);
    QCOMPARE(fake.columnChoice.asked[0].fileName, QStringLiteral("two.csv"));
    QCOMPARE(fake.columnChoice.asked[0].columns,
             (QList<SheetColumnSummary>{{"A", "A", {"1", "2", "3"}}, {"B", "B", {"x", "y"}}}));
    QCOMPARE(fake.listView1.texts(), (QStringList{"x", "y"}));
    QVERIFY(fake.loader.load(fake.listView1, QStringLiteral("/d/two.csv"))); // cancelled
    QCOMPARE(fake.listView1.texts(), (QStringList{"x", "y"}));
}

// Choosing among 16,384 columns lets the window's events run, and stops when it closes.
void TestSheetReading::wideSheet_windowClosedWhileChoosing_addsNothing()
{
    Loading fake;
    const QByteArray others = QByteArray("x,").repeated(16383);
    fake.files.contents[QStringLiteral("wide.csv")] =
        QByteArray(others + "4006381333931\n").repeated(4);
    fake.eventLoop.onYield = [&fake] { fake.eventLoop.endProgram(); };
    QVERIFY_THROWS_EXCEPTION(ProgramEnding,
                             fake.loader.load(fake.listView1, QStringLiteral("wide.csv")));
    QCOMPARE(fake.listView1.texts(), QStringList{});
}

QTEST_GUILESS_MAIN(TestSheetReading)
#include "tst_sheetreading.moc"
