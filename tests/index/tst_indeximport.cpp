#include "fakes/FakeInputFiles.h"
#include "fakes/FakeProductIndex.h"
#include "index/IndexImport.h"
#include "index/IndexRows.h"
#include "support/GzipBytes.h"

#include <QTest>

namespace {
using Outcome = ImportSummary::Outcome;

const QByteArray kFoodText = "code\tproduct_name\tbrands\tquantity\r\n"
                             "3017620422003\tNutella\tFerrero\t400 g\r\n"
                             "\tno code\t\t\r\n"
                             "0012345678905\tCrisps\tAcme\r\n" // a field short
                             "0000000000042\tКартофель\tРусское поле\t1 кг\r\n";
const QByteArray kBeautyText = "quantity\tx\tcode\tproduct_name_de\tproduct_name\ty\n"
                               "50 ml\t\t4006381333931\tCreme\t\t\n"
                               "\t\t42\t\tShadowed by the food export\t\n";

struct Fixture
{
    FakeInputFiles files;
    FakeProductIndex index;
    std::atomic<bool> cancel{false};
    QList<ImportProgress> progress;

    Fixture()
    {
        files.readPiece = 16; // many pieces, so cuts fall everywhere
        files.files.insert("/x/en.openfoodfacts.org.products.csv.gz", GzipBytes(kFoodText));
        files.files.insert("/x/en.openbeautyfacts.org.products.csv.gz", GzipBytes(kBeautyText));
        // An index in use before the import.
        IndexedProduct old;
        old.code = "1";
        old.fields.productName = "Old product";
        old.database = "Open Food Facts";
        index.place({{{"1", old}}, {TestExport("Open Food Facts")}});
        index.reopenIfReplaced();
    }

    ImportSummary import(const QStringList& paths, const ImportOptions& options = {})
    {
        return ImportExports(
            paths, files, index, cancel, [this](const ImportProgress& at) { progress.append(at); },
            options);
    }

    QString name(const QString& code)
    {
        const auto product = index.find(code);
        return product ? product->fields.productName + u'/' + product->database
                       : QStringLiteral("(none)");
    }
};

const QStringList kBoth = {"/x/en.openfoodfacts.org.products.csv.gz",
                           "/x/en.openbeautyfacts.org.products.csv.gz"};
} // namespace

class TestIndexImport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void severalExports_oneIndexThatNamesEachProductsDatabase()
    {
        Fixture fixture;
        const ImportSummary summary = fixture.import(kBoth, {QStringLiteral("de")});
        QCOMPARE(summary.outcome, Outcome::Imported);
        QCOMPARE(summary.rows, 4);
        QCOMPARE(summary.skipped.emptyCode, 1);
        QCOMPARE(summary.skipped.wrongFieldCount, 1);
        QCOMPARE(summary.textBytes, kFoodText.size() + kBeautyText.size());
        QCOMPARE(summary.exports.size(), 2);
        QCOMPARE(summary.exports[0].database, QStringLiteral("Open Food Facts"));
        QCOMPARE(summary.exports[0].products, 2);
        QCOMPARE(summary.exports[1].fileName,
                 QStringLiteral("en.openbeautyfacts.org.products.csv.gz"));
        QCOMPARE(summary.exports[1].exportDate, fixture.files.modified);

        // Nothing changes for the reader until it reopens, as with the real file.
        QCOMPARE(fixture.name("1"), QStringLiteral("Old product/Open Food Facts"));
        QVERIFY(fixture.index.reopenIfReplaced());
        QCOMPARE(fixture.name("1"), QStringLiteral("(none)"));
        QCOMPARE(fixture.name("3017620422003"), QStringLiteral("Nutella/Open Food Facts"));
        QCOMPARE(fixture.name("42"), QStringLiteral("Картофель/Open Food Facts"));
        QCOMPARE(fixture.index.find(u"4006381333931")->fields.localName, QStringLiteral("Creme"));
        QCOMPARE(fixture.index.find(u"4006381333931")->database,
                 QStringLiteral("Open Beauty Facts"));

        // Progress runs over both files up to their whole size.
        QVERIFY(fixture.progress.size() > 10);
        QCOMPARE(fixture.progress.front().fileNumber, 1);
        QCOMPARE(fixture.progress.back().fileNumber, 2);
        QCOMPARE(fixture.progress.back().bytesRead, fixture.progress.back().totalBytes);
        // Then one more, once every row is in, as they are sorted into the index.
        QVERIFY(fixture.progress.back().completing);
        for (qsizetype i = 1; i < fixture.progress.size() - 1; ++i) {
            QVERIFY(!fixture.progress[i].completing);
            QVERIFY(fixture.progress[i].bytesRead > fixture.progress[i - 1].bytesRead);
        }
        QCOMPARE(fixture.progress.back().rows, 4);
    }

    void brokenStream_failsSayingHowFar_andKeepsTheOldIndex_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("failureStart");
        const QByteArray gz = GzipBytes(kFoodText);
        QByteArray damaged = gz;
        damaged[20] = char(damaged[20] ^ 0xFF);
        damaged[21] = char(damaged[21] ^ 0xFF);
        QTest::newRow("cut short") << gz.first(gz.size() - 3)
                                   << "en.openfoodfacts.org.products.csv.gz: the compressed file "
                                      "ends early, after " +
                                          QString::number(gz.size() - 3) + " compressed bytes (";
        QTest::newRow("damaged")
            << damaged << "en.openfoodfacts.org.products.csv.gz: the compressed file is damaged (";
        QTest::newRow("empty file")
            << QByteArray() << "en.openfoodfacts.org.products.csv.gz: the file is empty";
        QTest::newRow("neither gzip nor text")
            << QByteArray("PK\x03\x04\x14\0\0\0\x08\0", 10)
            << "en.openfoodfacts.org.products.csv.gz: not a gzip file or a text export";
        // An import that takes no product would put an index that finds nothing in place.
        QTest::newRow("every line of the wrong width")
            << GzipBytes("code\tproduct_name\n1\n2\ta\tb\n")
            << "no products in en.openfoodfacts.org.products.csv.gz (2 lines skipped: 2 with a "
               "wrong number of fields)";
        QTest::newRow("a header line only, as plain text")
            << QByteArray("code\tproduct_name\r\n")
            << "no products in en.openfoodfacts.org.products.csv.gz (0 lines skipped: the file "
               "holds a header line only)";
        QTest::newRow("not an export")
            << GzipBytes("<html>Not found</html>\n")
            << "en.openfoodfacts.org.products.csv.gz: the first line names no \"code\" column";
    }
    void brokenStream_failsSayingHowFar_andKeepsTheOldIndex()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, failureStart);
        Fixture fixture;
        fixture.files.files["/x/en.openfoodfacts.org.products.csv.gz"] = bytes;
        const ImportSummary summary = fixture.import(kBoth);
        QCOMPARE(summary.outcome, Outcome::Failed);
        QVERIFY2(summary.failure.startsWith(failureStart), qPrintable(summary.failure));
        QCOMPARE(fixture.index.commits, 0);
        QCOMPARE(fixture.index.abandonedBuilds, 1);
        QVERIFY(!fixture.index.reopenIfReplaced());
        QCOMPARE(fixture.name("1"), QStringLiteral("Old product/Open Food Facts"));
        QCOMPARE(SummaryLines(summary).value(1), QStringLiteral("The product index is as it was."));
    }

    void plainTextExport_readsLikeACompressedOne()
    {
        Fixture fixture;
        // Unpacked, under a name that still says .gz: the first bytes tell.
        fixture.files.files["/x/en.openfoodfacts.org.products.csv.gz"] = kFoodText;
        const ImportSummary summary = fixture.import(kBoth);
        QCOMPARE(summary.outcome, Outcome::Imported);
        QCOMPARE(summary.rows, 4);
        QCOMPARE(summary.textBytes, kFoodText.size() + kBeautyText.size());
        QVERIFY(fixture.index.reopenIfReplaced());
        QCOMPARE(fixture.name("42"), QStringLiteral("Картофель/Open Food Facts"));
    }

    void cancelledPartWay_leavesTheOldIndexAnswering()
    {
        Fixture fixture;
        fixture.files.beforeRead = [&](const QString& path, qint64 offset) {
            if (path.contains(u"beauty") && offset > 0)
                fixture.cancel = true;
        };
        const ImportSummary summary = fixture.import(kBoth);
        QCOMPARE(summary.outcome, Outcome::Cancelled);
        QCOMPARE(fixture.index.commits, 0);
        QCOMPARE(fixture.index.abandonedBuilds, 1);
        QVERIFY(!fixture.index.reopenIfReplaced());
        QCOMPARE(fixture.name("1"), QStringLiteral("Old product/Open Food Facts"));
        QCOMPARE(fixture.name("3017620422003"), QStringLiteral("(none)"));
    }

    void cancelledWhileCompleting_isACancelAndTheOldIndexStays()
    {
        Fixture fixture;
        fixture.index.duringCommit = [&] { fixture.cancel = true; };
        const ImportSummary summary = fixture.import(kBoth);
        QCOMPARE(summary.outcome, Outcome::Cancelled);
        QCOMPARE(summary.failure, QString());
        QCOMPARE(fixture.index.commits, 0);
        QCOMPARE(fixture.name("1"), QStringLiteral("Old product/Open Food Facts"));
        // The last word before completing says every row is in and what is going on.
        QVERIFY(!fixture.progress.isEmpty());
        const ImportProgress last = fixture.progress.last();
        QVERIFY(last.completing);
        QCOMPARE(last.bytesRead, last.totalBytes);
        QVERIFY2(ProgressText(last).endsWith(u", sorting them into the index"),
                 qPrintable(ProgressText(last)));
    }

    void fileThatCannotBeOpened_startsNothing()
    {
        Fixture fixture;
        const ImportSummary summary =
            fixture.import({"/x/en.openfoodfacts.org.products.csv.gz", "/x/missing.csv.gz"});
        QCOMPARE(summary.outcome, Outcome::CannotOpen);
        QCOMPARE(summary.failure,
                 QStringLiteral("Cannot open /x/missing.csv.gz: No such file or directory"));
        QCOMPARE(fixture.index.abandonedBuilds, 0);
        QVERIFY(fixture.progress.isEmpty());
    }

    void indexThatCannotBeWritten_failsWithItsReason()
    {
        Fixture fixture;
        fixture.index.failCommit = QStringLiteral("disk full");
        QCOMPARE(fixture.import(kBoth).failure, QStringLiteral("disk full"));
        fixture.index.failCommit.clear();
        fixture.index.beforeAdd = [](const ExportRow&) {
            throw OperationFailed("database locked");
        };
        QCOMPARE(fixture.import(kBoth).failure,
                 QStringLiteral("en.openfoodfacts.org.products.csv.gz: database locked"));
        QCOMPARE(fixture.name("1"), QStringLiteral("Old product/Open Food Facts"));
    }

    void databaseForExportFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("database");
        QTest::newRow("food") << "/d/en.openfoodfacts.org.products.csv.gz"
                              << "Open Food Facts";
        QTest::newRow("beauty") << "fr.openbeautyfacts.org.products.csv.gz"
                                << "Open Beauty Facts";
        QTest::newRow("pet food") << "en.openpetfoodfacts.org.products.csv.gz"
                                  << "Open Pet Food Facts";
        QTest::newRow("products") << "OPENPRODUCTSFACTS.csv.gz"
                                  << "Open Products Facts";
        QTest::newRow("unknown") << "/d/my-shop.export.csv.gz"
                                 << "my-shop.export";
        QTest::newRow("no ending") << "/d/products"
                                   << "products";
    }
    void databaseForExportFile()
    {
        QFETCH(QString, path);
        QFETCH(QString, database);
        QCOMPARE(DatabaseForExportFile(path), database);
    }

    void progressText_data()
    {
        QTest::addColumn<qint64>("read");
        QTest::addColumn<qint64>("rows");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("at the start")
            << qint64(0) << qint64(0) << 0.0 << "0.0 of 950.0 MB read (0%), 0 rows";
        QTest::newRow("under way")
            << qint64(95'000'000) << qint64(1'234'567) << 10.0
            << "95.0 of 950.0 MB read (10%), 1,234,567 rows, 9.5 MB/s, about 1 min 30 s left";
        QTest::newRow("slow") << qint64(1'000'000) << qint64(10) << 2.0
                              << "1.0 of 950.0 MB read (0%), 10 rows, 0.5 MB/s, about 31 min 38 s "
                                 "left";
        QTest::newRow("very slow") << qint64(100'000) << qint64(10) << 20.0
                                   << "0.1 of 950.0 MB read (0%), 10 rows, 0.0 MB/s, about 52 h "
                                      "46 min left";
    }
    void progressText()
    {
        QFETCH(qint64, read);
        QFETCH(qint64, rows);
        QFETCH(double, seconds);
        QFETCH(QString, text);
        ImportProgress at;
        at.bytesRead = read;
        at.totalBytes = 950'000'000;
        at.rows = rows;
        at.seconds = seconds;
        QCOMPARE(ProgressText(at), text);
    }

    void summaryLines_sayWhatWasImportedAndSkipped()
    {
        ImportSummary summary;
        summary.outcome = Outcome::Imported;
        summary.rows = 3'456'789;
        summary.skipped.wrongFieldCount = 12;
        summary.skipped.emptyCode = 1'001;
        summary.textBytes = 9'100'000'000;
        summary.seconds = 95;
        summary.exports.resize(2);
        QCOMPARE(SummaryLines(summary),
                 (QStringList{"Imported 3,456,789 products from 2 files in 1 min 35 s (9100.0 MB "
                              "of text).",
                              "Skipped 1,013 lines: 12 with a wrong number of fields, 1,001 with "
                              "an empty code."}));
        summary.skipped.longCode = 2;
        summary.fieldsCut = 1'500;
        QCOMPARE(SummaryLines(summary).mid(1),
                 (QStringList{"Skipped 1,015 lines: 12 with a wrong number of fields, 1,001 with "
                              "an empty code, 2 with a code longer than 100 characters.",
                              "Cut 1,500 names, brands or quantities at 1,000 characters."}));
        summary.outcome = Outcome::Cancelled;
        summary.skipped = {};
        summary.fieldsCut = 0;
        QCOMPARE(SummaryLines(summary),
                 QStringList{"Import cancelled after 1 min 35 s: the product index is as it was."});
    }
};

QTEST_GUILESS_MAIN(TestIndexImport)
#include "tst_indeximport.moc"
