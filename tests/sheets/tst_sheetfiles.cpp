// Spreadsheet files as Excel, LibreOffice and openpyxl write them (tests/sheets/data), read
// through libzip: the codes come out exact, and a file that inflates past its limit is refused.
// An enriched .ods of ours reads back, through our reader and through LibreOffice, as written, and
// no database answer in our CSV or TSV becomes a formula when LibreOffice opens it.
#include "app/BatchOutput.h"
#include "common/OperationFailed.h"
#include "desktop/files/LibzipArchives.h"
#include "desktop/files/QtFileSystem.h"
#include "desktop/files/QtOutputFiles.h"
#include "desktop/files/QtWorkbookFiles.h"
#include "lookup/LookupChain.h"
#include "sheets/CodeColumn.h"
#include "sheets/SheetCodes.h"
#include "sheets/SheetFile.h"
#include "support/AddressSanitizer.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>
#include <sys/resource.h>
#include <zip.h>

namespace {
// What the enriched copies' names end in: longer than one byte can give the length of.
QString NameTail()
{
    return QString(150, u'\u00e9');
}

QString DataFile(const char* name)
{
    return QStringLiteral(QUILLFEN_SOURCE_DIR "/tests/sheets/data/") + QString::fromUtf8(name);
}

// The container's bytes with every header of the entry declaring that it inflates to no more than
// its packed size.
QByteArray WithLyingSizes(QByteArray zip, const QByteArray& entry)
{
    const auto field = [&zip](qsizetype at) { return zip.mid(at, 4); };
    for (qsizetype at = zip.indexOf(entry); at >= 0; at = zip.indexOf(entry, at + 1)) {
        if (at >= 30 && zip.mid(at - 30, 4) == QByteArray("PK\3\4", 4))
            zip.replace(at - 30 + 22, 4, field(at - 30 + 18)); // local header
        else if (at >= 46 && zip.mid(at - 46, 4) == QByteArray("PK\1\2", 4))
            zip.replace(at - 46 + 24, 4, field(at - 46 + 20)); // central directory
    }
    return zip;
}
// The bombs below are read by this program again, in a child process that may use no more
// address space than this.
constexpr rlim_t kChildAddressSpace = rlim_t(512) * 1024 * 1024;
const char* const kChildVariable = "QUILLFEN_READ_SHEET_IN_CHILD";

// A container of the entries, each deflated, written with libzip.
void WriteZip(const QString& path, const QList<QPair<QString, QByteArray>>& entries)
{
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    QVERIFY(zip);
    for (const auto& [name, bytes] : entries) {
        zip_source_t* source =
            zip_source_buffer(zip, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        QVERIFY(source);
        QVERIFY(zip_file_add(zip, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) >= 0);
    }
    QCOMPARE(zip_close(zip), 0); // the buffers are read here, while `entries` still holds them
}

// A comment of random letters, as long as an XML part needs so that it packs to more than a
// hundredth of its size: the bombs then pass the check of the packing ratio, and what they cost
// to hold is what is tried.
QByteArray Padding(qsizetype partBytes)
{
    QRandomGenerator random(27);
    QByteArray letters(partBytes / 40, 'a');
    for (char& c : letters)
        c = char('a' + random.bounded(26));
    return "<!--" + letters + "-->";
}

QByteArray ExcelSheet(const QByteArray& rows)
{
    return "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
           "<sheetData>" +
           rows + "</sheetData></worksheet>";
}

void WriteXlsx(const QString& path, const QByteArray& sheet, const QByteArray& strings = {})
{
    QList<QPair<QString, QByteArray>> entries{
        {"xl/workbook.xml",
         "<workbook xmlns:r=\"r\"><sheets><sheet name=\"S\" r:id=\"1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships><Relationship Id=\"1\" Target=\"worksheets/sheet1.xml\"/>"
         "</Relationships>"},
        {"xl/worksheets/sheet1.xml", sheet}};
    if (!strings.isEmpty())
        entries.append({"xl/sharedStrings.xml", strings});
    WriteZip(path, entries);
}

void WriteOds(const QString& path, const QByteArray& rows)
{
    const QByteArray content =
        "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
        " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
        " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body>"
        "<office:spreadsheet><table:table table:name=\"S\">" +
        rows + "</table:table></office:spreadsheet></office:body></office:document-content>";
    WriteZip(path, {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                    {"content.xml", content + Padding(content.size())}});
}

// The entries of a container, in its order, with their bytes.
QList<QPair<QString, QByteArray>> ZipEntries(const QString& path)
{
    QList<QPair<QString, QByteArray>> entries;
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!zip)
        return entries;
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(zip, zip_uint64_t(i), 0, &stat);
        QByteArray bytes(qsizetype(stat.size), '\0');
        zip_file_t* file = zip_fopen_index(zip, zip_uint64_t(i), 0);
        if (zip_fread(file, bytes.data(), stat.size) != zip_int64_t(stat.size))
            bytes = "unreadable";
        zip_fclose(file);
        entries.append({QString::fromUtf8(stat.name), bytes});
    }
    zip_discard(zip);
    return entries;
}

// Each cell of a sheet's XML (an .xlsx <c> by its reference, an .ods table cell of the first
// table by its row and column, repeats counted) left of column `width` as everything it holds:
// attributes, formula, value, inner text, style.
QMap<QString, QString> XmlCells(const QByteArray& part, qsizetype width)
{
    QMap<QString, QString> cells;
    QXmlStreamReader xml(part);
    int tables = 0;
    qsizetype row = 0;
    qsizetype rowRepeat = 0;
    qsizetype column = 0;
    const auto repeated = [&xml](QLatin1String name) {
        return std::max<qsizetype>(1, xml.attributes().value(name).toLongLong());
    };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.qualifiedName() == u"table:table")
            ++tables;
        if (xml.qualifiedName() == u"table:table-row" && tables == 1) {
            row += rowRepeat;
            rowRepeat = repeated(QLatin1String("table:number-rows-repeated"));
            column = 0;
        }
        const bool odsCell = tables == 1 && (xml.qualifiedName() == u"table:table-cell" ||
                                             xml.qualifiedName() == u"table:covered-table-cell");
        if (!odsCell && xml.name() != u"c")
            continue;
        const QString key = odsCell ? QStringLiteral("%1:%2").arg(row).arg(column)
                                    : xml.attributes().value(QLatin1String("r")).toString();
        if (odsCell) {
            column += repeated(QLatin1String("table:number-columns-repeated"));
            if (column > width)
                continue;
        }
        QString held;
        QStringList attributes;
        for (const QXmlStreamAttribute& attribute : xml.attributes())
            attributes.append(attribute.qualifiedName() + u'=' + attribute.value());
        attributes.sort();
        held = attributes.join(u' ');
        for (int depth = 1; depth > 0 && !xml.atEnd();) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            if (token == QXmlStreamReader::StartElement) {
                ++depth;
                held += u'<' + xml.qualifiedName();
            } else if (token == QXmlStreamReader::EndElement) {
                --depth;
            } else if (token == QXmlStreamReader::Characters) {
                held += xml.text();
            }
        }
        cells.insert(key, held);
    }
    return cells;
}

// What the child says of the file: "refused: <reason>" or "R rows, C cells, codes in <column>".
int ReadInChild(const QString& path)
{
    const rlimit limit{kChildAddressSpace, kChildAddressSpace};
    if (setrlimit(RLIMIT_AS, &limit) != 0)
        return 2;
    QtFileSystem files;
    LibzipArchives zips;
    QString said;
    try {
        const Sheet sheet =
            ReadSheetFile(path, *SheetFormatOfFile(path), QString(), SheetServices{files, zips});
        const CodeColumnChoice choice = ChooseCodeColumn(sheet);
        qsizetype cells = 0;
        for (const SheetRow& row : sheet.rows)
            cells += row.filled().size();
        said = QStringLiteral("%1 rows, %2 cells, codes in %3")
                   .arg(sheet.rows.size())
                   .arg(cells)
                   .arg(choice.column < 0 ? QStringLiteral("none") : ColumnLetter(choice.column));
    } catch (const OperationFailed& failure) {
        said = QStringLiteral("refused: ") + failure.description();
    } catch (const std::bad_alloc&) {
        said = QStringLiteral("out of memory");
    }
    std::fputs(said.toUtf8().constData(), stdout);
    return 0;
}
} // namespace

class TestSheetFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void codes_data();
    void codes();
    void cellKinds_keptFromBothWriters_data();
    void cellKinds_keptFromBothWriters();
    void sheet_byNameOrNumber();
    void bomb_isRefusedNamingTheLimit_data();
    void bomb_isRefusedNamingTheLimit();
    void damaged_isRefused();
    void hostileFile_endsWithinMemory_data();
    void hostileFile_endsWithinMemory();
    void enrichedOds_readsBackAsWritten_data();
    void enrichedOds_readsBackAsWritten();
    void databaseAnswers_neverFormulasInLibreOffice();
    void enrichedCopy_isTheUsersOwnFile_data();
    void enrichedCopy_isTheUsersOwnFile();
    void enrichedCopy_opensInLibreOffice();
    void ambiguousRows_refusedBeforeLookup_othersAnsweredByNumber_data();
    void ambiguousRows_refusedBeforeLookup_othersAnsweredByNumber();

private:
    QtFileSystem m_files;
    LibzipArchives m_zips;
    QTemporaryDir m_hostile;   // the files the rows of hostileFile_endsWithinMemory read
    QTemporaryDir m_fidelity;  // the files enrichedCopy_isTheUsersOwnFile copies
    QTemporaryDir m_ambiguous; // the files of ambiguousRows_refusedBeforeLookup_...

    QStringList codesOf(const QString& path)
    {
        const Sheet sheet = ReadSheetFile(path, *SheetFormatOfFile(path), QString(),
                                          SheetServices{m_files, m_zips});
        const CodeColumnChoice choice = ChooseCodeColumn(sheet);
        QStringList codes;
        for (const SheetCode& code : CodesOfColumn(sheet, choice.column, choice.firstRow))
            codes.append(code.code);
        return codes;
    }
};

void TestSheetFiles::codes_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("codes");
    const QStringList prices{"4006381333931", "0012345678905", "012345678905"};
    QTest::newRow("Excel's shape") << "excel-shaped.xlsx" << prices;
    QTest::newRow("LibreOffice .ods") << "libreoffice.ods" << prices;
    QTest::newRow("LibreOffice .xlsx") << "libreoffice.xlsx" << prices;
    QTest::newRow("Excel's CSV on Windows")
        << "windows-1252.csv" << QStringList{"4006381333931", "96385074"};
    QTest::newRow("E notation") << "e-notation.csv"
                                << QStringList{"4.00638E+12", "4006381333931", "96385074",
                                               "036000291452"};
}

void TestSheetFiles::codes()
{
    QFETCH(QString, file);
    QFETCH(QStringList, codes);
    QCOMPARE(codesOf(DataFile(file.toUtf8().constData())), codes);
}

void TestSheetFiles::cellKinds_keptFromBothWriters_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("Excel's shape") << "excel-shaped.xlsx";
    QTest::newRow("LibreOffice .ods") << "libreoffice.ods";
}

void TestSheetFiles::cellKinds_keptFromBothWriters()
{
    QFETCH(QString, file);
    const QString path = DataFile(file.toUtf8().constData());
    const Sheet sheet =
        ReadSheetFile(path, *SheetFormatOfFile(path), QString(), SheetServices{m_files, m_zips});
    QCOMPARE(sheet.name, QStringLiteral("Prices"));
    QCOMPARE(sheet.sheetNames, (QStringList{"Notes", "Prices"}));
    const SheetCell& price = sheet.cell(1, 2);
    QCOMPARE(int(price.kind), int(SheetCell::Kind::Number));
    QCOMPARE(price.text, QStringLiteral("1.5"));
    const SheetCell& added = sheet.cell(1, 3);
    QCOMPARE(int(added.kind), int(SheetCell::Kind::Date));
    QCOMPARE(added.text, QStringLiteral("2024-03-01"));
    QCOMPARE(added.number, 45352.0);
}

void TestSheetFiles::sheet_byNameOrNumber()
{
    const QString path = DataFile("libreoffice.ods");
    const SheetServices services{m_files, m_zips};
    QCOMPARE(ReadSheetFile(path, SheetFormat::Ods, QStringLiteral("1"), services).name,
             QStringLiteral("Notes"));
    QCOMPARE(ReadSheetFile(path, SheetFormat::Ods, QStringLiteral("Prices"), services).rows.size(),
             std::size_t(5));
    try {
        ReadSheetFile(path, SheetFormat::Ods, QStringLiteral("3"), services);
        QFAIL("read");
    } catch (const OperationFailed& failure) {
        QCOMPARE(failure.description(),
                 QStringLiteral("it has no sheet \"3\"; its sheets are \"Notes\", \"Prices\""));
    }
}

void TestSheetFiles::bomb_isRefusedNamingTheLimit_data()
{
    QTest::addColumn<bool>("sizesLie");
    QTest::newRow("sizes declared") << false;
    // A reader that trusted the headers would inflate it all.
    QTest::newRow("sizes that lie") << true;
}

void TestSheetFiles::bomb_isRefusedNamingTheLimit()
{
    QFETCH(bool, sizesLie);
    QString path = DataFile("bomb.xlsx");
    QTemporaryDir folder;
    if (sizesLie) {
        QFile honest(path);
        QVERIFY(honest.open(QIODevice::ReadOnly));
        path = folder.filePath(QStringLiteral("lying.xlsx"));
        QFile lying(path);
        QVERIFY(lying.open(QIODevice::WriteOnly));
        const QByteArray bytes = honest.readAll();
        const QByteArray patched = WithLyingSizes(bytes, "xl/worksheets/sheet2.xml");
        QVERIFY(patched != bytes);
        lying.write(patched);
    }
    try {
        ReadSheetFile(path, SheetFormat::Xlsx, QString(), SheetServices{m_files, m_zips});
        QFAIL("read");
    } catch (const OperationFailed& failure) {
        QCOMPARE(failure.description(),
                 QStringLiteral("its part xl/worksheets/sheet2.xml inflates past the limit of "
                                "100 times its packed size"));
    }
}

void TestSheetFiles::damaged_isRefused()
{
    QTemporaryDir folder;
    QFile whole(DataFile("excel-shaped.xlsx"));
    QVERIFY(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    QFile cut(folder.filePath(QStringLiteral("cut.xlsx")));
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.first(bytes.size() / 2));
    cut.close();
    QVERIFY_THROWS_EXCEPTION(OperationFailed,
                             ReadSheetFile(cut.fileName(), SheetFormat::Xlsx, QString(),
                                           SheetServices{m_files, m_zips}));
}

// Files of a few bytes that stand for billions of cells, characters or bytes: each is read, or
// refused with its reason, within half a gigabyte of address space.
void TestSheetFiles::hostileFile_endsWithinMemory_data()
{
#if defined(UNDER_ADDRESS_SANITIZER)
    // Skipped before any file is made (the shared strings alone are a hundred megabytes).
    QSKIP("AddressSanitizer reserves terabytes of address space: no limit on it would mean "
          "anything");
#endif
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("said");
    const auto file = [this](const char* name) {
        return m_hostile.filePath(QString::fromUtf8(name));
    };

    QByteArray farRows;
    for (int r = 1; r <= 5000; ++r)
        farRows += "<row r=\"" + QByteArray::number(r) + "\"><c r=\"XFD" + QByteArray::number(r) +
                   "\"><v>4006381333931</v></c></row>";
    WriteXlsx(file("far.xlsx"), ExcelSheet(farRows) + Padding(farRows.size()));
    QTest::newRow("5,000 rows, each one cell in XFD")
        << file("far.xlsx") << QStringLiteral("5000 rows, 5000 cells, codes in XFD");

    QByteArray spaces = "<table:table-row><table:table-cell><text:p>";
    for (int k = 0; k < 100000; ++k)
        spaces += "<text:s text:c=\"16384\"/>";
    WriteOds(file("spaces.ods"), spaces + "</text:p></table:table-cell></table:table-row>");
    QTest::newRow("a cell of 100,000 runs of 16,384 spaces")
        << file("spaces.ods")
        << QStringLiteral("refused: its cells' text stands for more than 16,777,216 spaces");

    const auto repeated = [](const char* rows, const char* columns) -> QByteArray {
        return QByteArray("<table:table-row table:number-rows-repeated=\"") + rows +
               "\"><table:table-cell table:number-columns-repeated=\"" + columns +
               "\" office:value-type=\"string\"><text:p>x</text:p></table:table-cell>"
               "</table:table-row>";
    };
    WriteOds(file("rows.ods"), repeated("1000", "16384"));
    QTest::newRow("16,384 cells repeated 1,000 times")
        << file("rows.ods") << QStringLiteral("1000 rows, 16384000 cells, codes in none");
    WriteOds(file("many.ods"), repeated("1048576", "16384"));
    QTest::newRow("16,384 cells repeated 1,048,576 times")
        << file("many.ods")
        << QStringLiteral("refused: it has more than 20,000,000 cells that hold something");
    WriteOds(file("wide.ods"), repeated("1", "2000000000"));
    QTest::newRow("a cell repeated 2,000,000,000 times")
        << file("wide.ods") << QStringLiteral("refused: it has more than 16,384 columns");

    QByteArray strings = "<sst>";
    strings.reserve(20'000'000 * 5 + 4'000'000);
    for (int k = 0; k < 19'999'999; ++k)
        strings += "<si/>";
    strings += "<si><t>4006381333931</t></si></sst>";
    strings += Padding(strings.size());
    WriteXlsx(file("strings.xlsx"),
              ExcelSheet("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>19999999</v></c></row>"), strings);
    strings = QByteArray();
    QTest::newRow("20,000,000 shared strings, all but one empty")
        << file("strings.xlsx") << QStringLiteral("1 rows, 1 cells, codes in none");

    WriteXlsx(file("honest.xlsx"), ExcelSheet(QByteArray(50 * 1024 * 1024, ' ')));
    QFile honest(file("honest.xlsx"));
    QVERIFY(honest.open(QIODevice::ReadOnly));
    QFile lying(file("lying.xlsx"));
    QVERIFY(lying.open(QIODevice::WriteOnly));
    lying.write(WithLyingSizes(honest.readAll(), "xl/worksheets/sheet1.xml"));
    QTest::newRow("an entry that understates its size")
        << file("lying.xlsx")
        << QStringLiteral("refused: its part xl/worksheets/sheet1.xml inflates past the limit of "
                          "100 times its packed size");
}

void TestSheetFiles::hostileFile_endsWithinMemory()
{
    QFETCH(QString, name);
    QFETCH(QString, said);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kChildVariable), name);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(100000));
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()), said);
}

void TestSheetFiles::enrichedOds_readsBackAsWritten_data()
{
    QTest::addColumn<bool>("throughLibreOffice");
    QTest::newRow("our reader") << false;
    QTest::newRow("LibreOffice") << true;
}

void TestSheetFiles::enrichedOds_readsBackAsWritten()
{
    QFETCH(bool, throughLibreOffice);
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (throughLibreOffice && soffice.isEmpty())
        QSKIP("soffice is not installed (libreoffice-calc-nogui)");
    const SheetServices services{m_files, m_zips};
    const Sheet source =
        ReadSheetFile(DataFile("libreoffice.ods"), SheetFormat::Ods, QString(), services);
    const CodeColumnChoice choice = ChooseCodeColumn(source);
    QTemporaryDir folder;
    QtOutputFiles outputs(&MakeQtWorkbookFile);
    // The same enrichment as CSV, every cell by its text, is what both readers must see.
    const auto enrich = [&](const QString& name, OutcomeFormat format) {
        BatchOptions options;
        options.output = folder.filePath(name);
        const std::unique_ptr<BatchOutput> output =
            BatchOutput::openEnriched(options, format, source, choice, outputs, nullptr);
        for (const SheetCode& code : CodesOfColumn(source, choice.column, choice.firstRow)) {
            CodeOutcome outcome;
            outcome.status = CodeOutcome::Status::Found;
            outcome.code = code.code;
            // Spaces XML would collapse, a tab and a line break; LibreOffice's CSV export drops
            // tabs, even those of its own files.
            outcome.product.name = throughLibreOffice ? QStringLiteral("  Pen  blue ink\nrefill ")
                                                      : QStringLiteral("  Pen  blue\tink\nrefill ");
            output->add(outcome);
        }
        output->finish();
        return options.output;
    };
    const Sheet expected = ReadSheetFile(enrich(QStringLiteral("enriched.csv"), OutcomeFormat::Csv),
                                         SheetFormat::Csv, QString(), services);
    QString written = enrich(QStringLiteral("enriched.ods"), OutcomeFormat::Ods);
    QFile container(written);
    QVERIFY(container.open(QIODevice::ReadOnly));
    // OpenDocument's signature: the media type first, stored, at a fixed place.
    QCOMPARE(container.read(84).mid(30),
             QByteArray("mimetypeapplication/vnd.oasis.opendocument.spreadsheet"));
    if (throughLibreOffice) {
        QProcess convert;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), folder.path());
        convert.setProcessEnvironment(environment);
        const QString out = folder.filePath(QStringLiteral("libreoffice"));
        convert.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                                QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"),
                                QStringLiteral("--outdir"), out, written});
        QVERIFY(convert.waitForFinished(300000));
        QCOMPARE(convert.exitCode(), 0);
        written = out + QStringLiteral("/enriched.csv");
    }
    const Sheet back = ReadSheetFile(written, *SheetFormatOfFile(written), QString(), services);
    QCOMPARE(back.rows.size(), expected.rows.size());
    for (std::size_t r = 0; r < expected.rows.size(); ++r) {
        for (std::size_t c = 0; c < expected.rows[r].size(); ++c)
            QCOMPARE(back.cell(r, c).text, expected.cell(r, c).text);
    }
    if (throughLibreOffice)
        return;
    // Kinds: the code column text, the price a number by its digits, the date a date.
    QCOMPARE(int(back.cell(1, 1).kind), int(SheetCell::Kind::Text));
    QCOMPARE(back.cell(1, 1).text, QStringLiteral("4006381333931"));
    QCOMPARE(int(back.cell(1, 2).kind), int(SheetCell::Kind::Number));
    QCOMPARE(back.cell(1, 2).text, QStringLiteral("1.5"));
    QCOMPARE(int(back.cell(1, 3).kind), int(SheetCell::Kind::Date));
    QCOMPARE(back.cell(1, 3).number, 45352.0);
}

void TestSheetFiles::databaseAnswers_neverFormulasInLibreOffice()
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        QSKIP("soffice is not installed (libreoffice-calc-nogui)");
    // What a database could answer, and one that is no formula. No tabs and no commas: both
    // files are read with both separators, in one conversion.
    const QStringList hostile{QStringLiteral("=1+1"), QStringLiteral("+2+3"),
                              QStringLiteral("-20% off"), QStringLiteral("@SUM(1)"),
                              QStringLiteral("\r=4+4")};
    std::vector<CodeOutcome> outcomes;
    for (const QString& answer : hostile) {
        CodeOutcome outcome;
        outcome.status = CodeOutcome::Status::Found;
        outcome.code = outcome.gtin = QStringLiteral("4006381333931");
        outcome.product.name = answer;
        outcome.product.brand = QStringLiteral("a=b");
        outcomes.push_back(outcome);
    }
    // The user's own cell, which is theirs to keep as it was.
    const auto text = [](const char* value) {
        SheetCell cell;
        cell.kind = SheetCell::Kind::Text;
        cell.text = QString::fromUtf8(value);
        return cell;
    };
    const auto row = [&text](const char* code, const char* note) {
        SheetRow cells;
        cells.set(0, text(code));
        cells.set(1, text(note));
        return cells;
    };
    Sheet sheet;
    sheet.rows = {row("EAN", "Note")};
    for (std::size_t i = 0; i < outcomes.size(); ++i)
        sheet.rows.push_back(row("4006381333931", "-5 kept"));
    const CodeColumnChoice choice = ChooseCodeColumn(sheet);

    QTemporaryDir folder;
    QtOutputFiles outputs(&MakeQtWorkbookFile);
    const QString csv = folder.filePath(QStringLiteral("results.csv"));
    std::unique_ptr<BatchOutput> output =
        BatchOutput::openFile(csv, OutcomeFormat::Csv, AllOutcomeColumns(), outputs);
    for (const CodeOutcome& outcome : outcomes)
        output->add(outcome);
    output->finish();
    BatchOptions options;
    options.output = folder.filePath(QStringLiteral("enriched.tsv"));
    output =
        BatchOutput::openEnriched(options, OutcomeFormat::Tsv, sheet, choice, outputs, nullptr);
    for (const CodeOutcome& outcome : outcomes)
        output->add(outcome);
    output->finish();

    QProcess convert;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), folder.path());
    convert.setProcessEnvironment(environment);
    const QString out = folder.filePath(QStringLiteral("libreoffice"));
    // Comma and tab, double quotes, UTF-8, from line 1, formulas evaluated.
    convert.start(soffice, {QStringLiteral("--headless"),
                            QStringLiteral("--infilter=CSV:44/9,34,76,1,,0,false,false,false,"
                                           "false,false,-1,true"),
                            QStringLiteral("--convert-to"), QStringLiteral("xlsx"),
                            QStringLiteral("--outdir"), out, csv, options.output});
    QVERIFY(convert.waitForFinished(300000));
    QCOMPARE(convert.exitCode(), 0);

    // openpyxl gives every cell's text and whether it holds a formula.
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QStringLiteral(R"(
import json, openpyxl, sys
print(json.dumps([[[c.value or "", c.data_type] for r in openpyxl.load_workbook(p).active.iter_rows()
                   for c in r] for p in sys.argv[1:]]))
)"),
                  out + QStringLiteral("/results.xlsx"), out + QStringLiteral("/enriched.xlsx")});
    QVERIFY(python.waitForFinished(60000));
    QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
    const QJsonArray books = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    QCOMPARE(books.size(), 2);
    // A line break within a cell may come back as either.
    const auto unbroken = [](QString text) { return text.remove(u'\r').remove(u'\n'); };
    for (qsizetype b = 0; b < books.size(); ++b) {
        QStringList texts;
        for (const QJsonValue& cell : books[b].toArray()) {
            const QJsonArray pair = cell.toArray();
            QVERIFY2(pair[1].toString() != u"f", qPrintable(pair[0].toString()));
            texts.append(unbroken(pair[0].toString()));
        }
        for (const QString& answer : hostile)
            QVERIFY2(texts.contains(u'\'' + unbroken(answer)), qPrintable(answer));
        QVERIFY(texts.contains(QStringLiteral("a=b")));
        if (b == 1)
            QVERIFY(texts.contains(QStringLiteral("-5 kept")));
    }
}

void TestSheetFiles::enrichedCopy_isTheUsersOwnFile_data()
{
    QTest::addColumn<QString>("name");
    // The part of the container that holds the enriched sheet; empty for a text file.
    QTest::addColumn<QString>("sheetPart");
    // The columns the sheet fills.
    QTest::addColumn<qsizetype>("width");
    // A text file's line break.
    QTest::addColumn<QByteArray>("lineBreak");
    // Beginnings of the names of parts the container holds: the chart, drawing and picture
    // that must come through untouched.
    QTest::addColumn<QStringList>("parts");
    // As Excel on a German Windows saves "CSV"; and as a program that quotes every field, with a
    // byte-order mark and Unix line breaks. Each with an empty row and a quoted separator.
    const auto text = [this](const char* name, const QByteArray& bytes) {
        QFile file(m_fidelity.filePath(QString::fromLatin1(name)));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    QVERIFY(text("windows-1252.csv", "Artikel;EAN;Preis\r\nStift;4006381333931;1,50 \x80\r\n\r\n"
                                     "\"Tinte; blau\";5901234123457;3,20\r\n"
                                     "M\xE4rz;0012345678905;5,94\r\n"));
    QVERIFY(
        text("utf-8 with mark.csv",
             "\xEF\xBB\xBF\"Artikel\",\"EAN\",\"Preis\"\n\"Stift\",\"4006381333931\",\"1.50\"\n\n"
             "\"Tinte, "
             "blau\",\"5901234123457\",\"3.20\"\n\"M\xC3\xA4rz\",\"0012345678905\",\"5.94\"\n"));
    QTest::newRow("csv, Windows-1252") << QStringLiteral("windows-1252.csv") << QString()
                                       << qsizetype(3) << QByteArray("\r\n") << QStringList();
    QTest::newRow("csv, UTF-8 with a mark") << QStringLiteral("utf-8 with mark.csv") << QString()
                                            << qsizetype(3) << QByteArray("\n") << QStringList();
    const auto run = [](const QString& program, const QStringList& arguments,
                        const QString& home = {}) {
        QProcess process;
        if (!home.isEmpty()) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("HOME"), home);
            process.setProcessEnvironment(environment);
        }
        process.start(program, arguments);
        process.waitForFinished(300000);
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    };
    if (!run(QStringLiteral("/usr/bin/python3"),
             {DataFile("make-fidelity-book.py"), m_fidelity.path()}))
        QSKIP("openpyxl cannot write the workbook (python3-openpyxl)");
    QTest::newRow("xlsx, openpyxl")
        << QStringLiteral("book.xlsx") << QStringLiteral("xl/worksheets/sheet1.xml") << qsizetype(7)
        << QByteArray()
        << QStringList{u"xl/charts/chart"_qs, u"xl/drawings/drawing"_qs, u"xl/media/"_qs};
    // LibreOffice is slow to start: one conversion makes every file it writes here.
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (!soffice.isEmpty() &&
        run(soffice,
            {QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("ods"),
             QStringLiteral("--outdir"), m_fidelity.path(), m_fidelity.filePath("book.xlsx")},
            m_fidelity.path()))
        QTest::newRow("ods, LibreOffice")
            << QStringLiteral("book.ods") << QStringLiteral("content.xml") << qsizetype(7)
            << QByteArray() << QStringList{u"Object 1/content.xml"_qs, u"Pictures/"_qs};
}

void TestSheetFiles::enrichedCopy_isTheUsersOwnFile()
{
    QFETCH(QString, name);
    QFETCH(QString, sheetPart);
    QFETCH(qsizetype, width);
    QFETCH(QByteArray, lineBreak);
    QFETCH(QStringList, parts);
    const QString source = m_fidelity.filePath(name);
    const QString target = m_fidelity.filePath(QStringLiteral("copy of ") + name);
    const SheetServices services{m_files, m_zips};
    const Sheet sheet = ReadSheetFile(source, *SheetFormatOfFile(source), QString(), services);
    const CodeColumnChoice choice = ChooseCodeColumn(sheet);
    QCOMPARE(choice.column, 1);
    const OutcomeFormat format = *OutcomeFormatOfFile(source);
    const EnrichedSource from{source, m_zips, m_files};
    QVERIFY(CheckFaithfulCopy(from, format).faithful);
    BatchOptions options;
    options.output = target;
    QtOutputFiles outputs(&MakeQtWorkbookFile);
    // The run's own sheet, which goes once the copy is open: the copy holds what it needs of it.
    auto given = std::make_unique<Sheet>(sheet);
    const std::unique_ptr<BatchOutput> output =
        BatchOutput::openEnriched(options, format, *given, choice, outputs, nullptr, &from);
    QVERIFY(!output->readsSheet());
    given.reset();
    const QString tail = NameTail();
    for (const SheetCode& code : CodesOfColumn(sheet, choice.column, choice.firstRow)) {
        CodeOutcome outcome;
        outcome.status = CodeOutcome::Status::Found;
        outcome.code = code.code;
        outcome.product.name = QStringLiteral("<Name> & ") + code.code + tail;
        outcome.product.brand = QStringLiteral("=1+1");
        outcome.product.quantity = QStringLiteral("1 \u2113"); // no Windows-1252 character
        output->add(outcome);
    }
    output->finish();
    QCOMPARE(output->unencodableCharacters(), name.contains(u"1252") ? 3 : 0);
    if (sheetPart.isEmpty()) {
        // Every line as it was, in its encoding, then the answers; the empty row as wide.
        QFile original(source);
        QFile copy(target);
        QVERIFY(original.open(QIODevice::ReadOnly) && copy.open(QIODevice::ReadOnly));
        const QList<QByteArray> before = original.readAll().split('\n');
        const QList<QByteArray> after = copy.readAll().split('\n');
        QCOMPARE(after.size(), before.size());
        for (qsizetype i = 0; i + 1 < before.size(); ++i) {
            const QByteArray line = before[i].chopped(lineBreak.size() - 1);
            QVERIFY2(after[i].startsWith(line), after[i].constData());
            QVERIFY(after[i].endsWith(lineBreak.chopped(1)));
        }
        const char separator = name.contains(u"1252") ? ';' : ',';
        // Every column but the code, which the user's own sheet already holds.
        const qsizetype added = OutcomeColumns().size() - 1;
        QCOMPARE(after[2], QByteArray(width + added - 1, separator) + lineBreak.chopped(1));
        QCOMPARE(after[1].contains("\"found\""), name.contains(u"mark"));
    } else {
        const QList<QPair<QString, QByteArray>> before = ZipEntries(source);
        const QList<QPair<QString, QByteArray>> after = ZipEntries(target);
        QCOMPARE(after.size(), before.size());
        for (const QString& beginning : parts) {
            QVERIFY2(
                std::any_of(before.cbegin(), before.cend(),
                            [&](const auto& entry) { return entry.first.startsWith(beginning); }),
                qPrintable(beginning));
        }
        for (qsizetype i = 0; i < before.size(); ++i) {
            QCOMPARE(after[i].first, before[i].first);
            if (before[i].first != sheetPart)
                QVERIFY2(after[i].second == before[i].second, qPrintable(before[i].first));
        }
        const auto part = [&](const QList<QPair<QString, QByteArray>>& entries) {
            for (const auto& [entry, bytes] : entries) {
                if (entry == sheetPart)
                    return XmlCells(bytes, width);
            }
            return QMap<QString, QString>();
        };
        if (format == OutcomeFormat::Ods) {
            // OpenDocument's signature: the media type first, stored, at a fixed place.
            QFile copy(target);
            QVERIFY(copy.open(QIODevice::ReadOnly));
            QCOMPARE(copy.read(84).mid(30),
                     QByteArray("mimetypeapplication/vnd.oasis.opendocument.spreadsheet"));
        }
        const QMap<QString, QString> original = part(before);
        const QMap<QString, QString> copied = part(after);
        QVERIFY(!original.isEmpty());
        for (auto cell = original.cbegin(); cell != original.cend(); ++cell)
            QCOMPARE(copied.value(cell.key()), cell.value());
    }
    // The answers beside their rows, under their names in the header row, in the first free
    // columns; the sheet's own cells as they were.
    const Sheet back = ReadSheetFile(target, *SheetFormatOfFile(target), QString(), services);
    QCOMPARE(back.cell(0, width).text, QStringLiteral("gtin"));
    qsizetype nameColumn = width;
    while (nameColumn < width + 20 && back.cell(0, std::size_t(nameColumn)).text != u"name")
        ++nameColumn;
    QCOMPARE(back.rows.size(), sheet.rows.size());
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        for (std::size_t c = 0; c < std::size_t(width); ++c)
            QCOMPARE(back.cell(r, c).text, sheet.cell(r, c).text);
        const QString code = CodeOfCell(sheet.cell(r, 1));
        const bool answered = r > 0 && !code.isEmpty();
        QCOMPARE(back.cell(r, std::size_t(nameColumn)).text,
                 answered ? QStringLiteral("<Name> & ") + code + tail
                 : r == 0 ? u"name"_qs
                          : QString());
        // A database's answer is never a formula: text in a workbook, quoted in a CSV.
        if (answered)
            QCOMPARE(back.cell(r, std::size_t(nameColumn) + 1).text,
                     sheetPart.isEmpty() ? u"'=1+1"_qs : u"=1+1"_qs);
    }
    if (format == OutcomeFormat::Xlsx) {
        // openpyxl sees the same workbook, formulas and all, but for the new columns.
        const auto view = [width](const QString& path) {
            QProcess python;
            python.start(QStringLiteral("/usr/bin/python3"),
                         {DataFile("workbook-view.py"), path, QString::number(width)});
            python.waitForFinished(60000);
            return python.readAllStandardOutput();
        };
        const QByteArray original = view(source);
        QVERIFY(original.contains("=C3*Steuer"));
        QCOMPARE(view(target), original);
    }
}

void TestSheetFiles::enrichedCopy_opensInLibreOffice()
{
    // LibreOffice is slow to start: one conversion turns each workbook and its copy into CSV.
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        QSKIP("soffice is not installed (libreoffice-calc-nogui)");
    const QStringList kinds{QStringLiteral("xlsx"), QStringLiteral("ods")};
    const QDir folder(m_fidelity.path());
    QVERIFY(folder.mkpath(QStringLiteral("opened")));
    QStringList arguments{QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                          QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"),
                          QStringLiteral("--outdir"), folder.filePath(QStringLiteral("opened"))};
    for (const QString& kind : kinds) {
        const QString copy = folder.filePath(QStringLiteral("copy of book.") + kind);
        if (!QFile::exists(copy))
            QSKIP("enrichedCopy_isTheUsersOwnFile writes the copies this opens");
        // Distinct names, as the CSVs are named after them.
        for (const auto& [from, to] : {std::pair{folder.filePath(QStringLiteral("book.") + kind),
                                                 QStringLiteral("original ")},
                                       std::pair{copy, QStringLiteral("copy ")}}) {
            const QString name = folder.filePath(to + kind + QLatin1Char('.') + kind);
            QVERIFY(QFile::copy(from, name));
            arguments.append(name);
        }
    }
    QProcess convert;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_fidelity.path());
    convert.setProcessEnvironment(environment);
    convert.start(soffice, arguments);
    QVERIFY(convert.waitForFinished(300000));
    QCOMPARE(convert.exitCode(), 0);
    const SheetServices services{m_files, m_zips};
    for (const QString& kind : kinds) {
        // A file LibreOffice had to repair, or could not load, gives no CSV or another one.
        const auto read = [&](const QString& which) {
            const QString path = folder.filePath(u"opened/"_qs + which + kind + u".csv"_qs);
            return QFile::exists(path) ? ReadSheetFile(path, SheetFormat::Csv, QString(), services)
                                       : Sheet();
        };
        const Sheet original = read(QStringLiteral("original "));
        const Sheet copy = read(QStringLiteral("copy "));
        QVERIFY2(original.rows.size() > 1, qPrintable(kind));
        QCOMPARE(copy.rows.size(), original.rows.size());
        std::size_t nameColumn = 7;
        while (nameColumn < 30 && copy.cell(0, nameColumn).text != u"name")
            ++nameColumn;
        QCOMPARE(copy.cell(0, 7).text, QStringLiteral("gtin"));
        for (std::size_t r = 0; r < original.rows.size(); ++r) {
            for (std::size_t c = 0; c < 7; ++c)
                QCOMPARE(copy.cell(r, c).text, original.cell(r, c).text);
            const QString code = CodeOfCell(original.cell(r, 1));
            const bool answered = r > 0 && !code.isEmpty();
            QCOMPARE(copy.cell(r, nameColumn).text,
                     answered ? QStringLiteral("<Name> & ") + code + NameTail()
                     : r == 0 ? u"name"_qs
                              : QString());
            if (answered)
                QCOMPARE(copy.cell(r, nameColumn + 1).text, u"=1+1"_qs);
        }
    }
}

// A workbook whose parts or rows could be read two ways is refused when it is read, before any
// code is looked up: the copy would put answers beside other codes than those looked up. Rows in
// any order are answered by their numbers.
void TestSheetFiles::ambiguousRows_refusedBeforeLookup_othersAnsweredByNumber_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("refused");
    const auto file = [this](const char* name) {
        return m_ambiguous.filePath(QString::fromLatin1(name));
    };
    const auto codeRow = [](int row, const char* cell, const char* code) -> QByteArray {
        return "<row r=\"" + QByteArray::number(row) + "\"><c r=\"" + cell + "\"><v>" + code +
               "</v></c></row>";
    };
    const QByteArray header = "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>EAN</t></is>"
                              "</c></row>";
    // Two entries of one name: the second is written under a name of the same length, then
    // renamed in the container's bytes.
    WriteXlsx(file("strings.xlsx"),
              ExcelSheet(header + "<row r=\"2\"><c r=\"A2\" t=\"s\"><v>0</v></c></row>"),
              "<sst><si><t>4006381333931</t></si></sst>");
    const auto addTwin = [](const QString& path, const char* name, const char* twin,
                            const QByteArray& bytes) {
        int error = 0;
        zip_t* archive = zip_open(QFile::encodeName(path).constData(), 0, &error);
        QVERIFY(archive);
        zip_source_t* source =
            zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        QVERIFY(zip_file_add(archive, twin, source, 0) >= 0);
        QCOMPARE(zip_close(archive), 0);
        QFile zip(path);
        QVERIFY(zip.open(QIODevice::ReadWrite));
        const QByteArray renamed = zip.readAll().replace(twin, name);
        QVERIFY(zip.seek(0));
        QCOMPARE(zip.write(renamed), renamed.size());
    };
    addTwin(file("strings.xlsx"), "xl/sharedStrings.xml", "xl/sharedStringz.xml",
            "<sst><si><t>96385074</t></si></sst>");
    QTest::newRow("two shared-string parts")
        << file("strings.xlsx") << "it is damaged: it holds the part xl/sharedStrings.xml twice";
    WriteXlsx(file("twice.xlsx"), ExcelSheet(header + codeRow(2, "A2", "4006381333931") +
                                             codeRow(2, "A2", "5901234123457")));
    QTest::newRow("row 2 twice") << file("twice.xlsx") << "it is damaged: it holds the row 2 twice";
    WriteXlsx(file("astray.xlsx"), ExcelSheet(header + codeRow(2, "A3", "4006381333931") +
                                              codeRow(3, "A2", "5901234123457")));
    QTest::newRow("a cell in another row than its own")
        << file("astray.xlsx")
        << "it is damaged: the cell A3 of xl/worksheets/sheet1.xml stands in the row 2";
    WriteOds(file("twice.ods"), "<table:table-row><table:table-cell><text:p>x</text:p>"
                                "</table:table-cell></table:table-row>");
    addTwin(file("twice.ods"), "content.xml", "contenT.xml", "<x/>");
    QTest::newRow("two content parts of an .ods")
        << file("twice.ods") << "it is damaged: it holds the part content.xml twice";
    WriteXlsx(file("order.xlsx"),
              ExcelSheet(header + codeRow(3, "A3", "5901234123457") +
                         codeRow(2, "A2", "4006381333931") + codeRow(4, "A4", "96385074")));
    QTest::newRow("rows in the order 1, 3, 2, 4") << file("order.xlsx") << "";
}

void TestSheetFiles::ambiguousRows_refusedBeforeLookup_othersAnsweredByNumber()
{
    QFETCH(QString, path);
    QFETCH(QString, refused);
    const SheetServices services{m_files, m_zips};
    Sheet sheet;
    try {
        sheet = ReadSheetFile(path, *SheetFormatOfFile(path), QString(), services);
        QCOMPARE(QString(), refused);
    } catch (const OperationFailed& failure) {
        QCOMPARE(failure.description(), refused);
        return;
    }
    const CodeColumnChoice choice = ChooseCodeColumn(sheet);
    const EnrichedSource from{path, m_zips, m_files};
    QVERIFY(CheckFaithfulCopy(from, OutcomeFormat::Xlsx).faithful);
    BatchOptions options;
    options.output = m_ambiguous.filePath(QStringLiteral("copy.xlsx"));
    options.columns = QStringLiteral("name");
    QtOutputFiles outputs(&MakeQtWorkbookFile);
    const std::unique_ptr<BatchOutput> output = BatchOutput::openEnriched(
        options, OutcomeFormat::Xlsx, sheet, choice, outputs, nullptr, &from);
    for (const SheetCode& code : CodesOfColumn(sheet, choice.column, choice.firstRow)) {
        CodeOutcome outcome;
        outcome.status = CodeOutcome::Status::Found;
        outcome.code = code.code;
        outcome.product.name = QStringLiteral("Name of ") + code.code;
        output->add(outcome);
    }
    output->finish();
    const Sheet back = ReadSheetFile(options.output, SheetFormat::Xlsx, QString(), services);
    QCOMPARE(back.rows.size(), std::size_t(4));
    QCOMPARE(back.cell(0, 1).text, QStringLiteral("name"));
    for (std::size_t r = 1; r < back.rows.size(); ++r)
        QCOMPARE(back.cell(r, 1).text, QStringLiteral("Name of ") + back.cell(r, 0).text);
}

int main(int argc, char** argv)
{
    if (const QByteArray path = qgetenv(kChildVariable); !path.isEmpty()) {
        QCoreApplication application(argc, argv);
        return ReadInChild(QString::fromLocal8Bit(path));
    }
    QCoreApplication application(argc, argv);
    TestSheetFiles suite;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&suite, argc, argv);
}
#include "tst_sheetfiles.moc"
