// Spreadsheet files as Excel, LibreOffice and openpyxl write them (tests/sheets/data), read
// through libzip: the codes come out exact, and a file that inflates past its limit is refused.
// An enriched .ods of ours reads back, through our reader and through LibreOffice, as written, and
// no database answer in our CSV or TSV becomes a formula when LibreOffice opens it.
#include "app/BatchOutput.h"
#include "common/OperationFailed.h"
#include "desktop/files/LibzipArchives.h"
#include "desktop/files/QtFileSystem.h"
#include "desktop/files/QtOutputFiles.h"
#include "lookup/LookupChain.h"
#include "sheets/CodeColumn.h"
#include "sheets/SheetCodes.h"
#include "sheets/SheetFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {
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
    void enrichedOds_readsBackAsWritten_data();
    void enrichedOds_readsBackAsWritten();
    void databaseAnswers_neverFormulasInLibreOffice();

private:
    QtFileSystem m_files;
    LibzipArchives m_zips;

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
    QtOutputFiles outputs;
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
    Sheet sheet;
    sheet.rows = {{text("EAN"), text("Note")}};
    for (std::size_t i = 0; i < outcomes.size(); ++i)
        sheet.rows.push_back({text("4006381333931"), text("-5 kept")});
    const CodeColumnChoice choice = ChooseCodeColumn(sheet);

    QTemporaryDir folder;
    QtOutputFiles outputs;
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

QTEST_GUILESS_MAIN(TestSheetFiles)
#include "tst_sheetfiles.moc"
