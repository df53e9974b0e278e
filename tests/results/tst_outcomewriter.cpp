// The batch results formats: their columns, the quoting of CSV and TSV, JSON's escaping and key
// order, the files of catalogue records (read back by yaz-marcdump, checked by xmllint), and the
// choice of a format by name or file name; and the outcomes a run keeps for the details window
// and the saved results, which come back as they were given.
#include "desktop/network/YazMarcCodec.h"
#include "lookup/LookupChain.h"
#include "lookup/MarcRecord.h"
#include "results/OutcomeWriter.h"
#include "results/RecordWriter.h"
#include "results/RunOutcomes.h"
#include "results/SameProductRows.h"
#include "support/MarcTestRecords.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
CodeOutcome Found(const QString& code, const QString& name)
{
    CodeOutcome outcome;
    outcome.status = CodeOutcome::Status::Found;
    outcome.code = code;
    outcome.gtin = code;
    outcome.product.name = name;
    outcome.product.brand = QStringLiteral("Morrow Foods");
    outcome.product.quantity = QStringLiteral("400 g");
    outcome.source = QStringLiteral("Open Food Facts");
    return outcome;
}

// Every piece a writer gives for the outcomes, in order.
QByteArray Written(OutcomeFormat format, const QList<CodeOutcome>& outcomes)
{
    const std::unique_ptr<OutcomeWriter> writer = MakeOutcomeWriter(format);
    QByteArray bytes = writer->begin();
    for (const CodeOutcome& outcome : outcomes)
        bytes += writer->row(outcome);
    return bytes + writer->end();
}

// Every text of an outcome and its numbers, to compare two whole.
QStringList Everything(const CodeOutcome& o)
{
    const ProductDetails& d = o.product.details;
    QStringList filled;
    for (const auto& [field, source] : o.filledFrom)
        filled << field << source;
    return QStringList{QString::number(int(o.status)),
                       QString::number(o.scanCount),
                       o.code,
                       o.gtin,
                       o.product.name,
                       o.product.brand,
                       o.product.quantity,
                       o.product.database,
                       d.categories,
                       d.countries,
                       d.imageUrl,
                       d.thumbnailUrl,
                       d.pageUrl,
                       d.publishers,
                       d.published,
                       d.description,
                       d.author,
                       d.controlNumber,
                       d.subjects,
                       d.record,
                       o.source,
                       o.licence,
                       o.detail,
                       o.rowText,
                       o.innerGtin} +
           o.sourceHosts + QStringList{QStringLiteral("picture from")} + o.pictureHosts + filled;
}
} // namespace

class TestOutcomeWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Records are read by YAZ, as the program reads them.
    void initTestCase() { UseMarcCodec(&m_codec); }
    // ---- Columns ----
    void cells_followTheColumnsWithTheStatusInWords_data();
    void cells_followTheColumnsWithTheStatusInWords();
    void cells_kindAsTypedAndTheFormsOfTheGtin_data();
    void cells_kindAsTypedAndTheFormsOfTheGtin();

    // ---- CSV and TSV ----
    void csv_headerLineThenOneLinePerRowInCrLf();
    void csv_quotesOnlyWhatNeedsIt_data();
    void csv_quotesOnlyWhatNeedsIt();
    void tsv_quotesTabsButNotCommas();
    void csv_isUtf8WithoutByteOrderMark();

    // ---- JSON ----
    void json_arrayOfObjectsWithKeysInColumnOrder();
    void json_noRowsIsAnEmptyArray();
    void json_escapesEveryText_data();
    void json_escapesEveryText();
    void jsonl_oneObjectPerLine();

    // ---- Catalogue records ----
    void records_onlyTheFoundRowsRecordsTheRestListed_data();
    void records_onlyTheFoundRowsRecordsTheRestListed();
    void mrc_readBackByYazMarcdumpAsTheServerSentIt();
    void marcXml_validAgainstTheMarc21SlimSchema();

    // ---- Choosing a format ----
    void formatNamed_anyCaseOfTheFiveNames_data();
    void formatNamed_anyCaseOfTheFiveNames();
    void formatOfFile_followsTheExtension_data();
    void formatOfFile_followsTheExtension();
    void xlsx_hasNoTextWriter();

    // ---- What a run keeps ----
    void sameProductRows_nameTheFirstRowPastTheTablesGrowth();
    void keptOutcomes_comeBackAsGiven_data();
    void keptOutcomes_comeBackAsGiven();

private:
    YazMarcCodec m_codec;
};

// ---- Columns ----

void TestOutcomeWriter::cells_followTheColumnsWithTheStatusInWords_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("word");
    QTest::newRow("found") << int(CodeOutcome::Status::Found) << "found";
    QTest::newRow("not found") << int(CodeOutcome::Status::NotFound) << "not found";
    QTest::newRow("failed") << int(CodeOutcome::Status::Failed) << "failed";
    QTest::newRow("not looked up") << int(CodeOutcome::Status::NotLookedUp) << "not looked up";
}

void TestOutcomeWriter::cells_followTheColumnsWithTheStatusInWords()
{
    QFETCH(int, status);
    QFETCH(QString, word);
    CodeOutcome outcome = Found(QStringLiteral(" 3800123400018"), QStringLiteral("Spread"));
    outcome.gtin = QStringLiteral("3800123400018");
    outcome.status = CodeOutcome::Status(status);
    outcome.detail = QStringLiteral("why");
    outcome.product.details.categories = QStringLiteral("Spreads");
    outcome.product.details.imageUrl = QStringLiteral("http://127.0.0.1:9/front.400.jpg");
    outcome.product.details.thumbnailUrl = QStringLiteral("http://127.0.0.1:9/front.200.jpg");
    outcome.product.details.pageUrl = QStringLiteral("http://127.0.0.1:9/product/3800123400018");
    QCOMPARE(OutcomeColumns(),
             (QStringList{
                 "code",   "gtin",    "status",     "name",      "brand",         "quantity",
                 "source", "detail",  "categories", "kind",      "gs1_office",    "image_url",
                 "url",    "same_as", "inner_gtin", "upc",       "isbn10",        "isbn_hyphenated",
                 "issn",   "author",  "publisher",  "published", "control_number"}));
    QCOMPARE(OutcomeCells(outcome), (QStringList{" 3800123400018",
                                                 "3800123400018",
                                                 word,
                                                 "Spread",
                                                 "Morrow Foods",
                                                 "400 g",
                                                 "Open Food Facts",
                                                 "why",
                                                 "Spreads",
                                                 "EAN-13",
                                                 "GS1 Bulgaria",
                                                 "http://127.0.0.1:9/front.400.jpg",
                                                 "http://127.0.0.1:9/product/3800123400018",
                                                 "",
                                                 "",
                                                 "",
                                                 "",
                                                 "",
                                                 "",
                                                 "",
                                                 "",
                                                 "",
                                                 ""}));
}

void TestOutcomeWriter::cells_kindAsTypedAndTheFormsOfTheGtin_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("gtin");
    QTest::addColumn<int>("sameAs");
    QTest::addColumn<QString>("inner");
    QTest::addColumn<QStringList>("cells"); // kind, then same_as to issn
    QTest::newRow("UPC-A, a later row")
        << "036000291452"
        << "0036000291452" << 2 << "" << QStringList{"UPC-A", "2", "", "036000291452", "", "", ""};
    QTest::newRow("UPC-E") << "04252614"
                           << "0042100005264" << 0 << ""
                           << QStringList{"UPC-E", "", "", "042100005264", "", "", ""};
    QTest::newRow("ISBN-10") << "0306406152"
                             << "9780306406157" << 0 << ""
                             << QStringList{"ISBN", "", "", "", "0306406152", "978-0-306-40615-7",
                                            ""};
    QTest::newRow("ISSN") << "9770317847001"
                          << "9770317847001" << 0 << ""
                          << QStringList{"ISSN", "", "", "", "", "", "0317-8471"};
    QTest::newRow("a case, answered by what it holds")
        << "10036000291459"
        << "10036000291459" << 0 << "0036000291452"
        << QStringList{"GTIN-14", "", "0036000291452", "", "", "", ""};
}

void TestOutcomeWriter::cells_kindAsTypedAndTheFormsOfTheGtin()
{
    QFETCH(QString, code);
    QFETCH(QString, gtin);
    QFETCH(int, sameAs);
    QFETCH(QString, inner);
    QFETCH(QStringList, cells);
    CodeOutcome outcome = Found(code, QStringLiteral("Tea"));
    outcome.gtin = gtin;
    outcome.sameAs = sameAs;
    outcome.innerGtin = inner;
    const QStringList all = OutcomeCells(outcome);
    QCOMPARE(all.value(9), cells.first());
    QCOMPARE(all.mid(13, 6), cells.mid(1));
}

// ---- CSV and TSV ----

void TestOutcomeWriter::csv_headerLineThenOneLinePerRowInCrLf()
{
    CodeOutcome notLookedUp;
    notLookedUp.status = CodeOutcome::Status::NotLookedUp;
    notLookedUp.code = QStringLiteral("12345");
    notLookedUp.detail = QStringLiteral("not an EAN");
    QCOMPARE(Written(OutcomeFormat::Csv,
                     {Found(QStringLiteral("40172637"), QStringLiteral("Mint")), notLookedUp}),
             QByteArray("code,gtin,status,name,brand,quantity,source,detail,categories,kind,"
                        "gs1_office,image_url,url,same_as,inner_gtin,upc,isbn10,isbn_hyphenated,"
                        "issn,author,publisher,published,control_number\r\n"
                        "40172637,40172637,found,Mint,Morrow Foods,400 g,Open Food Facts,,,EAN-8,"
                        "GS1 Germany,,,,,,,,,,,,\r\n"
                        "12345,,not looked up,,,,,not an EAN,,,,,,,,,,,,,,,\r\n"));
    QCOMPARE(Written(OutcomeFormat::Csv, {}),
             QByteArray("code,gtin,status,name,brand,quantity,source,detail,categories,kind,"
                        "gs1_office,image_url,url,same_as,inner_gtin,upc,isbn10,isbn_hyphenated,"
                        "issn,author,publisher,published,control_number\r\n"));
}

void TestOutcomeWriter::csv_quotesOnlyWhatNeedsIt_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("cell");
    QTest::newRow("plain") << "Mint Drops" << QByteArray("Mint Drops");
    QTest::newRow("empty") << "" << QByteArray("");
    QTest::newRow("spaces kept unquoted") << " Mint " << QByteArray(" Mint ");
    QTest::newRow("comma") << "Oats, rolled" << QByteArray("\"Oats, rolled\"");
    QTest::newRow("quote doubled") << "The \"best\"" << QByteArray("\"The \"\"best\"\"\"");
    QTest::newRow("line feed") << "a\nb" << QByteArray("\"a\nb\"");
    QTest::newRow("carriage return") << "a\rb" << QByteArray("\"a\rb\"");
    QTest::newRow("only a quote") << "\"" << QByteArray("\"\"\"\"");
    QTest::newRow("tab needs nothing") << "a\tb" << QByteArray("a\tb");
    // A spreadsheet would take these for formulas.
    QTest::newRow("equals sign first") << "=1+1" << QByteArray("'=1+1");
    QTest::newRow("minus first") << "-20% off" << QByteArray("'-20% off");
    QTest::newRow("plus first") << "+A1" << QByteArray("'+A1");
    QTest::newRow("at sign first") << "@SUM(1)" << QByteArray("'@SUM(1)");
    QTest::newRow("tab first") << "\t=1" << QByteArray("'\t=1");
    QTest::newRow("carriage return first") << "\r=1" << QByteArray("\"'\r=1\"");
    QTest::newRow("equals sign later") << "a=b" << QByteArray("a=b");
    QTest::newRow("quote in a formula") << "=A1&\"x\"" << QByteArray("\"'=A1&\"\"x\"\"\"");
    QTest::newRow("beyond the basic plane") << "\U0001F600 x" << QByteArray("\xF0\x9F\x98\x80 x");
    // Half a surrogate pair is this cell's replacement character, not the next cell's.
    QTest::newRow("half a pair last")
        << QStringView(u"a\xD83D").toString() << QByteArray("a\xEF\xBF\xBD");
}

void TestOutcomeWriter::csv_quotesOnlyWhatNeedsIt()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, cell);
    const QByteArray written = Written(OutcomeFormat::Csv, {Found(QStringLiteral("1"), name)});
    QCOMPARE(written.sliced(written.indexOf("\r\n") + 2),
             "1,1,found," + cell + ",Morrow Foods,400 g,Open Food Facts,,,,,,,,,,,,,,,,\r\n");
}

void TestOutcomeWriter::tsv_quotesTabsButNotCommas()
{
    const QByteArray written =
        Written(OutcomeFormat::Tsv, {Found(QStringLiteral("1"), QStringLiteral("a\tb, c\"d"))});
    QCOMPARE(written,
             QByteArray(
                 "code\tgtin\tstatus\tname\tbrand\tquantity\tsource\tdetail\t"
                 "categories\tkind\tgs1_office\timage_url\turl\tsame_as\tinner_gtin\tupc\tisbn10\t"
                 "isbn_hyphenated\tissn\tauthor\tpublisher\tpublished\tcontrol_number\r\n"
                 "1\t1\tfound\t\"a\tb, c\"\"d\"\tMorrow Foods\t400 g\t"
                 "Open Food Facts\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n"));
}

void TestOutcomeWriter::csv_isUtf8WithoutByteOrderMark()
{
    const QByteArray written =
        Written(OutcomeFormat::Csv, {Found(QStringLiteral("1"), QStringLiteral("抹茶ラテ Pâte"))});
    QVERIFY(written.startsWith("code,"));
    QVERIFY(written.contains("1,1,found,\xE6\x8A\xB9\xE8\x8C\xB6\xE3\x83\xA9\xE3\x83\x86 "
                             "P\xC3\xA2te,"));
}

// ---- JSON ----

void TestOutcomeWriter::json_arrayOfObjectsWithKeysInColumnOrder()
{
    const QByteArray written =
        Written(OutcomeFormat::Json, {Found(QStringLiteral("40172637"), QStringLiteral("Mint")),
                                      Found(QStringLiteral("2"), QStringLiteral("Tea"))});
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(written, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QVERIFY(document.isArray());
    const QJsonArray rows = document.array();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].toObject().value(u"name").toString(), QStringLiteral("Mint"));
    QCOMPARE(rows[1].toObject().value(u"code").toString(), QStringLiteral("2"));
    QCOMPARE(rows[0].toObject().keys().size(), OutcomeColumns().size());
    // QJsonObject sorts its keys; the text must keep the columns' order.
    const QByteArray first = written.split('\n').value(1);
    qsizetype at = -1;
    for (const QString& column : OutcomeColumns()) {
        const QByteArray key = '"' + column.toUtf8() + "\":";
        const qsizetype next = first.indexOf(key);
        QVERIFY2(next > at, qPrintable(column));
        at = next;
    }
    QVERIFY(written.endsWith("]\n"));
}

void TestOutcomeWriter::json_noRowsIsAnEmptyArray()
{
    QCOMPARE(Written(OutcomeFormat::Json, {}), QByteArray("[]\n"));
    QCOMPARE(Written(OutcomeFormat::Jsonl, {}), QByteArray());
}

void TestOutcomeWriter::json_escapesEveryText_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("quote and backslash") << "a \"b\" \\ c";
    QTest::newRow("line breaks and tab") << "a\r\nb\tc";
    QTest::newRow("control characters") << QStringLiteral("a\x01\x1f\x7f b");
    QTest::newRow("not ascii") << "Pâte 抹茶 🍵";
    QTest::newRow("line separator") << QStringLiteral("a\u2028b\u2029c");
    QTest::newRow("empty") << "";
    QTest::newRow("null") << QString();
    QTest::newRow("looks like json") << "\"}, {\"code\": \"x";
}

void TestOutcomeWriter::json_escapesEveryText()
{
    QFETCH(QString, name);
    for (const OutcomeFormat format : {OutcomeFormat::Json, OutcomeFormat::Jsonl}) {
        const QByteArray written = Written(format, {Found(name, name)});
        QJsonParseError error;
        const QByteArray text =
            format == OutcomeFormat::Json ? written : '[' + written.trimmed() + ']';
        const QJsonDocument document = QJsonDocument::fromJson(text, &error);
        QVERIFY2(error.error == QJsonParseError::NoError, written.constData());
        const QJsonObject row = document.array().first().toObject();
        // A null text reads back as an empty one, which QString holds equal.
        QCOMPARE(row.value(u"code").toString(), name);
        QCOMPARE(row.value(u"name").toString(), row.value(u"code").toString());
        QCOMPARE(row.value(u"detail"), QJsonValue(QStringLiteral("")));
    }
}

void TestOutcomeWriter::jsonl_oneObjectPerLine()
{
    const QByteArray written =
        Written(OutcomeFormat::Jsonl, {Found(QStringLiteral("1"), QStringLiteral("a\nb")),
                                       Found(QStringLiteral("2"), QStringLiteral("c"))});
    const QList<QByteArray> lines = written.split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[2].isEmpty()); // the last line ends like the others
    for (int i = 0; i < 2; ++i) {
        const QJsonDocument row = QJsonDocument::fromJson(lines[i]);
        QVERIFY(row.isObject());
        QCOMPARE(row.object().value(u"code").toString(), QString::number(i + 1));
    }
    QVERIFY(lines[0].startsWith("{\"code\": \"1\", \"gtin\": \"1\", \"status\": \"found\""));
}

// ---- Catalogue records ----

namespace {
// A found book with the record a catalogue sent, kept as the source keeps it.
CodeOutcome Book(const QString& isbn)
{
    CodeOutcome outcome = Found(isbn, QStringLiteral("A book"));
    const auto record = MarcRecord::fromMarcXml(MarcTest::StandInRecord(isbn));
    outcome.product.details.record = std::get<MarcRecord>(record).marcXml();
    return outcome;
}

// The records of a MARCXML collection, each as ReadMarcXmlContents reads it.
QList<MarcContents> RecordsOf(const QString& collection)
{
    QList<MarcContents> records;
    for (qsizetype at = collection.indexOf(u"<record"); at >= 0;
         at = collection.indexOf(u"<record", at + 1)) {
        const qsizetype end = collection.indexOf(u"</record>", at);
        const std::optional<MarcContents> read =
            ReadMarcXmlContents(collection.mid(at, end + 9 - at));
        if (read)
            records.append(*read);
    }
    return records;
}

// What a library sent, as it must come back: UTF-8 now, whatever position 09 said.
MarcContents AsSent(const QString& isbn)
{
    MarcContents sent = *ReadMarcXmlContents(QString::fromUtf8(MarcTest::StandInRecord(isbn)));
    sent.leader[9] = u'a';
    return sent;
}
} // namespace

void TestOutcomeWriter::records_onlyTheFoundRowsRecordsTheRestListed_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("marc") << int(OutcomeFormat::Marc);
    QTest::newRow("marcxml") << int(OutcomeFormat::MarcXml);
}

void TestOutcomeWriter::records_onlyTheFoundRowsRecordsTheRestListed()
{
    QFETCH(int, format);
    CodeOutcome openLibrary = Found(QStringLiteral("9780306406157"), QStringLiteral("Surreal"));
    openLibrary.source = QStringLiteral("Open Library"); // a find, but no catalogue record
    CodeOutcome notFound;
    notFound.status = CodeOutcome::Status::NotFound;
    notFound.code = QStringLiteral("9783999000039");
    CodeOutcome tampered = Book(QStringLiteral("9783999000022"));
    tampered.product.details.record = QStringLiteral("<record><leader>oops");
    const QList<CodeOutcome> rows{Book(QStringLiteral("9783999000015")), openLibrary, notFound,
                                  Book(QStringLiteral("9783999000046")), tampered};
    const std::unique_ptr<OutcomeWriter> writer = MakeOutcomeWriter(OutcomeFormat(format));
    QByteArray bytes = writer->begin();
    for (const CodeOutcome& row : rows)
        bytes += writer->row(row);
    bytes += writer->end();
    QCOMPARE(writer->leftOut(), (QStringList{"9780306406157", "9783999000039", "9783999000022"}));
    const QList<MarcContents> expected{AsSent(QStringLiteral("9783999000015")),
                                       AsSent(QStringLiteral("9783999000046"))};
    QList<MarcContents> written;
    if (OutcomeFormat(format) == OutcomeFormat::MarcXml) {
        QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<collection "
                                 "xmlns=\"http://www.loc.gov/MARC21/slim\">"));
        QVERIFY(bytes.endsWith("</collection>\n"));
        written = RecordsOf(QString::fromUtf8(bytes));
    } else {
        // One ISO 2709 record after the other, each as long as its leader says.
        for (QByteArrayView rest = bytes; !rest.isEmpty();) {
            const qsizetype length =
                rest.first(std::min<qsizetype>(5, rest.size())).toByteArray().toInt();
            QVERIFY(length > 24 && length <= rest.size());
            written.append(
                std::get<MarcRecord>(MarcRecord::fromIso2709(rest.first(length))).contents());
            rest = rest.sliced(length);
        }
    }
    QCOMPARE(written.size(), expected.size());
    for (qsizetype i = 0; i < written.size(); ++i) {
        QCOMPARE(written[i].fields, expected[i].fields);
        QCOMPARE(ComparableLeader(written[i].leader), ComparableLeader(expected[i].leader));
    }
    QCOMPARE(LeftOutSummary(writer->leftOut()),
             QStringLiteral("Left out of the file, without a catalogue record (3): "
                            "9780306406157, 9783999000039, 9783999000022"));
}

void TestOutcomeWriter::mrc_readBackByYazMarcdumpAsTheServerSentIt()
{
#ifdef Q_OS_WIN
    QSKIP("yaz-marcdump, the independent reader, is a Linux program; the same writer is read "
          "back by it in the Linux suites");
#endif
    const QString marcdump = QStandardPaths::findExecutable(QStringLiteral("yaz-marcdump"));
    QVERIFY2(!marcdump.isEmpty(),
             "yaz-marcdump is missing: scripts/setup installs the yaz package");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("books.mrc"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QStringList isbns{"9783999000015", "9783999000022", "9783999000046", "9783999000060"};
    RecordWriter writer(OutcomeFormat::Marc);
    file.write(writer.begin());
    for (const QString& isbn : isbns)
        file.write(writer.row(Book(isbn)));
    file.write(writer.end());
    file.close();
    QProcess dump;
    dump.start(marcdump, {QStringLiteral("-i"), QStringLiteral("marc"), QStringLiteral("-o"),
                          QStringLiteral("marcxml"), path});
    QVERIFY(dump.waitForFinished(10'000));
    QCOMPARE(dump.exitCode(), 0);
    const QList<MarcContents> read = RecordsOf(QString::fromUtf8(dump.readAllStandardOutput()));
    QCOMPARE(read.size(), isbns.size());
    for (qsizetype i = 0; i < read.size(); ++i) {
        const MarcContents sent = AsSent(isbns[i]);
        QCOMPARE(read[i].fields, sent.fields);
        QCOMPARE(ComparableLeader(read[i].leader), ComparableLeader(sent.leader));
    }
}

void TestOutcomeWriter::marcXml_validAgainstTheMarc21SlimSchema()
{
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (xmllint.isEmpty())
        QSKIP("xmllint is not installed (libxml2-utils)");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("books.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    RecordWriter writer(OutcomeFormat::MarcXml);
    file.write(writer.begin() + writer.row(Book(QStringLiteral("9783999000015"))) +
               writer.row(Book(QStringLiteral("9783999000046"))) + writer.end());
    file.close();
    // Well-formed in any case; valid where the schema is on the machine (nothing is downloaded).
    QProcess lint;
    lint.start(xmllint, {QStringLiteral("--noout"), QStringLiteral("--nonet"), path});
    QVERIFY(lint.waitForFinished(10'000));
    QCOMPARE(lint.exitCode(), 0);
    QString schema = qEnvironmentVariable("QUILLFEN_MARC21_SCHEMA");
    for (const char* known :
         {"/usr/share/xml/marc/MARC21slim.xsd", "/usr/share/xml/marc21/MARC21slim.xsd"})
        if (schema.isEmpty() && QFile::exists(QString::fromLatin1(known)))
            schema = QString::fromLatin1(known);
    if (schema.isEmpty())
        QSKIP("no MARC 21 slim schema (MARC21slim.xsd) on this machine; set "
              "QUILLFEN_MARC21_SCHEMA to one");
    lint.start(xmllint, {QStringLiteral("--noout"), QStringLiteral("--nonet"),
                         QStringLiteral("--schema"), schema, path});
    QVERIFY(lint.waitForFinished(10'000));
    QVERIFY2(lint.exitCode() == 0, lint.readAllStandardError().constData());
}

// ---- Choosing a format ----

void TestOutcomeWriter::formatNamed_anyCaseOfTheFiveNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("format"); // -1: none
    QTest::newRow("csv") << "csv" << int(OutcomeFormat::Csv);
    QTest::newRow("TSV") << "TSV" << int(OutcomeFormat::Tsv);
    QTest::newRow("Json") << "Json" << int(OutcomeFormat::Json);
    QTest::newRow("jsonl") << "jsonl" << int(OutcomeFormat::Jsonl);
    QTest::newRow("xlsx") << "xlsx" << int(OutcomeFormat::Xlsx);
    QTest::newRow("MARC") << "MARC" << int(OutcomeFormat::Marc);
    QTest::newRow("marcxml") << "marcxml" << int(OutcomeFormat::MarcXml);
    QTest::newRow("xls") << "xls" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("dotted") << ".csv" << -1;
}

void TestOutcomeWriter::formatNamed_anyCaseOfTheFiveNames()
{
    QFETCH(QString, name);
    QFETCH(int, format);
    const std::optional<OutcomeFormat> named = OutcomeFormatNamed(name);
    QCOMPARE(named ? int(*named) : -1, format);
}

void TestOutcomeWriter::formatOfFile_followsTheExtension_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("format"); // -1: none
    QTest::newRow("csv") << "out.csv" << int(OutcomeFormat::Csv);
    QTest::newRow("upper case") << "/tmp/OUT.XLSX" << int(OutcomeFormat::Xlsx);
    QTest::newRow("last extension") << "codes.txt.jsonl" << int(OutcomeFormat::Jsonl);
    QTest::newRow("MARC 21") << "books.mrc" << int(OutcomeFormat::Marc);
    QTest::newRow("MARCXML") << "books.XML" << int(OutcomeFormat::MarcXml);
    QTest::newRow("dotted folder") << "/tmp/a.json/out" << -1;
    QTest::newRow("no extension") << "results" << -1;
    QTest::newRow("unknown") << "results.txt" << -1;
    QTest::newRow("trailing dot") << "results." << -1;
}

void TestOutcomeWriter::formatOfFile_followsTheExtension()
{
    QFETCH(QString, fileName);
    QFETCH(int, format);
    const std::optional<OutcomeFormat> chosen = OutcomeFormatOfFile(fileName);
    QCOMPARE(chosen ? int(*chosen) : -1, format);
}

void TestOutcomeWriter::xlsx_hasNoTextWriter()
{
    QVERIFY(!MakeOutcomeWriter(OutcomeFormat::Xlsx));
}

// ---- What a run keeps ----

void TestOutcomeWriter::keptOutcomes_comeBackAsGiven_data()
{
    // Rows of one run: `rows` outcomes, the i-th with i appended to the texts `numbered` names
    // (each then a text of its own), the row text given or made of name, brand and quantity.
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("rowText");
    QTest::addColumn<QString>("categories");
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("thumbnail");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("numbered");
    const QString image = QStringLiteral("https://images.example.org/images/products/300/0/f.jpg");
    const QString thumbnail =
        QStringLiteral("https://images.example.org/images/products/300/0/t.jpg");
    const QString page = QStringLiteral("http://127.0.0.1:9/product/");
    QTest::newRow("an index's products")
        << 3 << "Biscuits"
        << ""
        << "en:snacks" << image << thumbnail << page << QStringList{"page"};
    QTest::newRow("name not in the row") << 2 << "Spread"
                                         << "30001 - no record found"
                                         << ""
                                         << ""
                                         << ""
                                         << "" << QStringList{};
    QTest::newRow("long, not ASCII, bytes past 127")
        << 2 << QString(300, u'\u00fc') + u'\u725b' << "" << QString(250, u'c')
        << "ftp://x/" + QString(200, u'\u00e9') << ""
        << "/relative/p.jpg" << QStringList{};
    QTest::newRow("a thumbnail unlike its picture, links without a folder")
        << 2 << "Tea"
        << ""
        << ""
        << "https://a.example.org"
        << "https://b.example.org/t.jpg"
        << "not a link" << QStringList{};
    // More texts that never recur than a run names: the rest are written out.
    QTest::newRow("5,000 different categories")
        << 5000 << "Juice"
        << ""
        << "en:juices-" << image << "" << page << QStringList{"categories", "name", "image"};
}

void TestOutcomeWriter::keptOutcomes_comeBackAsGiven()
{
    QFETCH(int, rows);
    QFETCH(QString, name);
    QFETCH(QString, rowText);
    QFETCH(QString, categories);
    QFETCH(QString, image);
    QFETCH(QString, thumbnail);
    QFETCH(QString, page);
    QFETCH(QStringList, numbered);
    const auto text = [&](const QString& what, const QString& given, int i) {
        return numbered.contains(what) ? given + QString::number(i) : given;
    };
    RunOutcomes kept;
    kept.add(Found(QStringLiteral("1"), QStringLiteral("from the run before")));
    kept.beginRun();
    QList<CodeOutcome> given;
    QStringList rowTexts;
    for (int i = 0; i < rows; ++i) {
        CodeOutcome o = Found(QString::number(3'000'000'000'000LL + i), text("name", name, i));
        if (i % 2)
            o.gtin = u'0' + o.code;
        o.status = CodeOutcome::Status(i % 4);
        o.scanCount = i;
        o.product.database = QStringLiteral("Open Food Facts");
        o.product.details.categories = text("categories", categories, i);
        o.product.details.countries = QStringLiteral("en:france");
        o.product.details.imageUrl = text("image", image, i);
        o.product.details.thumbnailUrl = thumbnail;
        o.product.details.pageUrl = text("page", page, i);
        o.product.details.published = QStringLiteral("1999");
        o.product.details.description = i % 3 ? QString() : QStringLiteral("Crisp, %1").arg(i);
        if (i % 5 == 0) {
            o.product.details.author = QStringLiteral("Fenwick, Ada M.");
            o.product.details.controlNumber = QStringLiteral("QF%1").arg(i);
            o.product.details.subjects = QStringLiteral("Schreibger\u00e4te; Kalligraphie");
            o.product.details.record =
                QString::fromUtf8(MarcTest::StandInRecord(QStringLiteral("9783999000015")));
        }
        if (i % 2)
            o.filledFrom = {{QStringLiteral("Brand"), QStringLiteral("UPCitemdb")}};
        o.licence = QStringLiteral("ODbL");
        if (i % 5 == 0)
            o.innerGtin = QStringLiteral("0036000291452");
        o.sourceHosts = QStringList{QStringLiteral("images.example.org:443"), QString()};
        o.pictureHosts = i % 3 ? o.sourceHosts : QStringList{QStringLiteral("10.0.0.2:8080")};
        o.rowText = rowText.isEmpty()
                        ? QStringList{o.product.name, o.product.brand, o.product.quantity}.join(
                              QStringLiteral(", "))
                        : rowText;
        kept.add(o);
        given.append(o);
        rowTexts.append(o.rowText);
    }
    const std::vector<CodeOutcome> back = kept.ofRows(rowTexts);
    QCOMPARE(qsizetype(back.size()), given.size());
    for (qsizetype i = 0; i < given.size(); ++i)
        QCOMPARE(Everything(back[std::size_t(i)]), Everything(given[i]));
    const std::optional<CodeOutcome> last = kept.ofRow(rowTexts.last());
    QVERIFY(last);
    QCOMPARE(Everything(*last), Everything(given.last()));
    QVERIFY(!kept.ofRow(QStringLiteral("from the run before, Morrow Foods, 400 g")));
}

void TestOutcomeWriter::sameProductRows_nameTheFirstRowPastTheTablesGrowth()
{
    // Sized for none and for a few: either way thousands of products make the table grow again
    // and again, and every later row still finds its first.
    for (const qsizetype expected : {qsizetype(0), qsizetype(10)}) {
        SameProductRows rows(expected);
        int row = 0;
        for (int i = 0; i < 5000; ++i)
            QCOMPARE(rows.sameAs(QString::number(4000000000000LL + i * 7919LL), ++row), 0);
        QCOMPARE(rows.sameAs(u"4000000000000", ++row), 1);
        QCOMPARE(rows.sameAs(QString::number(4000000000000LL + 4999 * 7919LL), ++row), 5000);
        // The same digits of another length are another product; no digits, no product.
        QCOMPARE(rows.sameAs(u"00000000", ++row), 0);
        QCOMPARE(rows.sameAs(u"0000000000000", ++row), 0);
        QCOMPARE(rows.sameAs(u"00000000", ++row), 5003);
        QCOMPARE(rows.sameAs(u"", ++row), 0);
        QCOMPARE(rows.sameAs(u"12a", ++row), 0);
        QCOMPARE(rows.sameAs(u"12a", ++row), 0);
    }
}

QTEST_GUILESS_MAIN(TestOutcomeWriter)
#include "tst_outcomewriter.moc"
