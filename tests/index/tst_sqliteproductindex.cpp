#include "common/OperationFailed.h"
#include "desktop/storage/SqliteProductIndex.h"
#include "index/IndexRows.h"
#include "index/IndexSource.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString NameOf(const std::optional<IndexedProduct>& product)
{
    return product ? product->fields.productName : QStringLiteral("(none)");
}

void Build(SqliteProductIndex& index, const QList<QPair<IndexedExport, QList<TestRow>>>& files)
{
    const auto builder = index.startBuilding();
    for (const auto& [file, rows] : files)
        AddRows(*builder, file, rows);
    builder->commit();
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestSqliteProductIndex : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("sub")));
    }

    void built_findsEveryFormOfACode_andSaysWhereFrom()
    {
        SqliteProductIndex index(path());
        Build(index, {{TestExport("Open Food Facts"),
                       {{"0012345678905", "Crisps", "Acme, Other", "150 g"}, {"42", "Answer"}}},
                      {TestExport("Open Beauty Facts"), {{"4006381333931", "Creme €"}}}});
        for (const QString code :
             {"0012345678905", "012345678905", "12345678905", " 0000012345678905 "}) {
            const auto product = index.find(code);
            QVERIFY2(product, qPrintable(code));
            QCOMPARE(product->code, QStringLiteral("0012345678905"));
            QCOMPARE(product->fields.productName, QStringLiteral("Crisps"));
            QCOMPARE(product->fields.brands, QStringLiteral("Acme, Other"));
            QCOMPARE(product->fields.quantity, QStringLiteral("150 g"));
            QCOMPARE(product->database, QStringLiteral("Open Food Facts"));
            QCOMPARE(product->exportDate, TestExport("x").exportDate);
        }
        QCOMPARE(NameOf(index.find(u"4006381333931")), QStringLiteral("Creme €"));
        QCOMPARE(index.find(u"4006381333931")->database, QStringLiteral("Open Beauty Facts"));
        QCOMPARE(NameOf(index.find(u"1234567890128")), QStringLiteral("(none)"));
        QCOMPARE(NameOf(index.find(u"")), QStringLiteral("(none)"));

        const IndexInfo info = index.info();
        QVERIFY(info.exists);
        QCOMPARE(info.problem, QString());
        QCOMPARE(info.products, 3);
        QCOMPARE(info.databases(), (QStringList{"Open Food Facts", "Open Beauty Facts"}));
        QCOMPARE(info.exports.size(), 2);
        QCOMPARE(info.exports[0].products, 2);
        QCOMPARE(info.exports[1].fileName, QStringLiteral("Open Beauty Facts.csv.gz"));
        QCOMPARE(info.fileBytes, QFileInfo(path()).size());
        QVERIFY(info.builtAt.isValid());
        QVERIFY(!QFile::exists(path() + ".building"));
        QVERIFY(!QFile::exists(path() + ".staging"));
    }

    void sameCodeTwice_firstAddedIsFound()
    {
        SqliteProductIndex index(path());
        Build(index, {{TestExport("Open Food Facts"), {{"0042", "First"}, {"42", "Second"}}},
                      {TestExport("Open Pet Food Facts"), {{"00042", "Third"}}}});
        QCOMPARE(NameOf(index.find(u"42")), QStringLiteral("First"));
    }

    void noIndexYet_findsNothing()
    {
        SqliteProductIndex index(path());
        QVERIFY(!index.find(u"42"));
        QVERIFY(!index.info().exists);
        QVERIFY(!index.reopenIfReplaced());
    }

    void notAnIndexFile_findsNothingAndSaysWhy()
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("code\tproduct_name\n42\tnot an index\n");
        file.close();
        SqliteProductIndex index(path());
        QVERIFY(!index.find(u"42"));
        const IndexInfo info = index.info();
        QVERIFY(info.exists);
        QVERIFY(!info.problem.isEmpty());
    }

    void indexOfAnotherVersion_findsNothingAndAsksForANewImport_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("first") << "quillfen-product-index-1";
        QTest::newRow("without details") << "quillfen-product-index-2";
    }
    void indexOfAnotherVersion_findsNothingAndAsksForANewImport()
    {
        QFETCH(QString, format);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "older");
            db.setDatabaseName(path());
            QVERIFY(db.open());
            QSqlQuery query(db);
            QVERIFY(query.exec("CREATE TABLE meta(name TEXT PRIMARY KEY, value TEXT)"));
            QVERIFY(query.exec("INSERT INTO meta VALUES ('format', '" + format + "')"));
            QVERIFY(query.exec("CREATE TABLE products(key TEXT, fields TEXT, export INTEGER)"));
            QVERIFY(query.exec("INSERT INTO products VALUES ('42', '42\x1FOld', 1)"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("older"));
        SqliteProductIndex index(path());
        QVERIFY(!index.find(u"42"));
        QCOMPARE(index.info().problem,
                 QStringLiteral("it was made by another version of Quillfen; import the database "
                                "again"));
    }

    // What the index keeps beyond the name reaches the lookup, with the picture's address made
    // again from its short form and the code.
    void details_keptAndAddressesMadeAgain()
    {
        SqliteProductIndex index(path());
        Build(index,
              {{TestExport("Open Food Facts"),
                {{"3800123400018", "Spread", {}, {}, "Spreads", "France,Germany", "front_en.3"},
                 {"3800123400025", "Odd", {}, {}, {}, {}, "front fr?#.3"},
                 {"48", "Whole", {}, {}, {}, {}, "https://x.test/48.jpg"},
                 {"55", "Plain"}}},
               {TestExport("Open Beauty Facts"), {{"4000000000006", "Soap"}}}});
        IndexSource source(index, QStringLiteral("http://127.0.0.1:9/"),
                           QStringLiteral("http://127.0.0.1:8"));
        source.prepareRun();
        const auto details = [&source](const QString& code) {
            const ProductDetails d = source.answerLocally(CheckCode(code))->product.details;
            return QStringList{d.categories, d.countries, d.imageUrl, d.thumbnailUrl, d.pageUrl};
        };
        const QString pictures =
            QStringLiteral("http://127.0.0.1:9/images/products/380/012/340/0018/");
        QCOMPARE(details(QStringLiteral("3800123400018")),
                 (QStringList{"Spreads", "France, Germany", pictures + "front_en.3.400.jpg",
                              pictures + "front_en.3.200.jpg",
                              "http://127.0.0.1:8/product/3800123400018"}));
        // A picture's name that an address cannot hold as it is comes encoded, never cut short.
        QCOMPARE(details(QStringLiteral("3800123400025"))[2],
                 QStringLiteral("http://127.0.0.1:9/images/products/380/012/340/0025/"
                                "front%20fr%3F%23.3.400.jpg"));
        QCOMPARE(details(QStringLiteral("00000048"))[2], QStringLiteral("https://x.test/48.jpg"));
        QCOMPARE(details(QStringLiteral("00000055")),
                 (QStringList{"", "", "", "", "http://127.0.0.1:8/product/00000055"}));
        // Each database's pages on its own site, one product after another of either.
        IndexSource public_(index, {}, QStringLiteral("https://world.openfoodfacts.org"));
        public_.prepareRun();
        const auto page = [&public_](const char* code) {
            return public_.answerLocally(CheckCode(QString::fromLatin1(code)))
                ->product.details.pageUrl;
        };
        QCOMPARE(page("4000000000006"),
                 QStringLiteral("https://world.openbeautyfacts.org/product/4000000000006"));
        QCOMPARE(page("3800123400018"),
                 QStringLiteral("https://world.openfoodfacts.org/product/3800123400018"));
        QCOMPARE(page("4000000000006"),
                 QStringLiteral("https://world.openbeautyfacts.org/product/4000000000006"));
    }

    void newIndexPutInPlace_readerKeepsTheOldOneUntilItReopens()
    {
        SqliteProductIndex index(path());
        Build(index, {{TestExport("Open Food Facts"), {{"42", "Old"}}}});
        QCOMPARE(NameOf(index.find(u"42")), QStringLiteral("Old"));

        SqliteProductIndex writer(path()); // another window or the command line
        Build(writer, {{TestExport("Open Food Facts"), {{"42", "New"}, {"43", "Added"}}}});
        // The open file is still the old one, whole.
        QCOMPARE(NameOf(index.find(u"42")), QStringLiteral("Old"));
        QCOMPARE(NameOf(index.find(u"43")), QStringLiteral("(none)"));

        QVERIFY(index.reopenIfReplaced());
        QCOMPARE(NameOf(index.find(u"42")), QStringLiteral("New"));
        QCOMPARE(NameOf(index.find(u"43")), QStringLiteral("Added"));
        QVERIFY(!index.reopenIfReplaced());
    }

    void findAhead_answersAsFindAloneWould()
    {
        SqliteProductIndex index(path());
        // Names past ASCII, one of them past 16 bits: the finder turns them into UTF-16.
        Build(index, {{TestExport("Open Food Facts"),
                       {{"42", "Old 42"}, {"43", "Crème 43"}, {"44", "Tea \U0001F375 44"}}}});
        SqliteProductIndex other(path()); // another window, with the same file open
        QCOMPARE(NameOf(other.find(u"42")), QStringLiteral("Old 42"));
        index.findAhead({"43", "0042", "44", "45", "43", "42"});
        // Asked in order, one passed over, one never handed ahead, a repeat, one not in it.
        const QList<QPair<QString, QString>> asked = {
            {"43", "Crème 43"}, {"44", "Tea \U0001F375 44"}, {"46", "(none)"},
            {"45", "(none)"},   {"43", "Crème 43"},          {"42", "Old 42"},
            {"0042", "Old 42"}};
        for (const auto& [code, name] : asked)
            QCOMPARE(NameOf(index.find(code)), name);
        // Many more than are found at once; the file is closed with some still ahead.
        QStringList many;
        for (int i = 0; i < 1000; ++i)
            many.append(QString::number(42 + i % 3));
        index.findAhead(many);
        QCOMPARE(NameOf(index.find(u"44")), QStringLiteral("Tea \U0001F375 44"));

        // A new index put in place: what the other window finds ahead is still its open file's.
        SqliteProductIndex writer(path());
        Build(writer, {{TestExport("Open Food Facts"), {{"42", "New"}, {"43", "New"}}}});
        other.findAhead({"42", "44"});
        QCOMPARE(NameOf(other.find(u"42")), QStringLiteral("Old 42"));
        QCOMPARE(NameOf(other.find(u"44")), QStringLiteral("Tea \U0001F375 44"));
        QVERIFY(index.reopenIfReplaced());
        index.findAhead({"42", "43", "44"});
        QCOMPARE(NameOf(index.find(u"43")), QStringLiteral("New"));
        QCOMPARE(NameOf(index.find(u"44")), QStringLiteral("(none)"));
    }

    void buildGivenUp_leavesTheOldIndexAsItWas()
    {
        SqliteProductIndex index(path());
        Build(index, {{TestExport("Open Food Facts"), {{"42", "Old"}}}});
        const QByteArray before = Contents(path());
        QCOMPARE(NameOf(index.find(u"42")), QStringLiteral("Old"));
        {
            const auto builder = index.startBuilding();
            AddRows(*builder, TestExport("Open Food Facts"), {{"42", "Half-built"}});
            QVERIFY(QFile::exists(path() + ".building"));
            QVERIFY(QFile::exists(path() + ".staging"));
            QCOMPARE(NameOf(index.find(u"42")), QStringLiteral("Old"));
        }
        QVERIFY(!QFile::exists(path() + ".building"));
        QVERIFY(!QFile::exists(path() + ".staging"));
        QCOMPARE(Contents(path()), before);
        QVERIFY(!index.reopenIfReplaced());
        QCOMPARE(NameOf(index.find(u"42")), QStringLiteral("Old"));
    }

    void givenUpWhileCompleting_leavesTheOldIndexAndNoFiles()
    {
        SqliteProductIndex index(path());
        Build(index, {{TestExport("Open Food Facts"), {{"42", "Old"}}}});
        const QByteArray before = Contents(path());
        std::atomic<bool> giveUp{false};
        {
            const auto builder = index.startBuilding();
            builder->giveUpWhen(giveUp);
            // Enough rows that the sort is stopped part-way, not after it.
            QList<TestRow> rows{{"42", "New"}};
            for (int i = 0; i < 20'000; ++i)
                rows.append({QByteArray::number(1'000'000 + i), "Added"});
            AddRows(*builder, TestExport("Open Food Facts"), rows);
            giveUp = true;
            try {
                builder->commit();
                QFAIL("completed although given up");
            } catch (const OperationFailed& failure) {
                QCOMPARE(failure.description(),
                         QStringLiteral("The product index was not finished: cancelled"));
            }
        }
        QCOMPARE(Contents(path()), before);
        for (const char* left : {".building", ".staging"})
            QVERIFY2(!QFile::exists(path() + left), left);
        QVERIFY(!index.reopenIfReplaced());
        QCOMPARE(NameOf(index.find(u"42")), QStringLiteral("Old"));
        QCOMPARE(NameOf(index.find(u"1000000")), QStringLiteral("(none)"));
    }

    void secondBuildAtOnce_isRefused()
    {
        SqliteProductIndex index(path());
        const auto first = index.startBuilding();
        QVERIFY_THROWS_EXCEPTION(OperationFailed, index.startBuilding());
    }

    void staleBuildFile_isReplaced()
    {
        for (const char* left : {".building", ".staging"}) {
            QFile stale(path() + left);
            QVERIFY(stale.open(QIODevice::WriteOnly));
            stale.write("left by a build that was killed");
        }
        SqliteProductIndex index(path());
        Build(index, {{TestExport("Open Food Facts"), {{"42", "Fresh"}}}});
        QCOMPARE(NameOf(index.find(u"42")), QStringLiteral("Fresh"));
    }

    void defaultPlace_isUnderTheDataFolder()
    {
#ifdef Q_OS_WIN
        // The user's local application data, not the roaming part: the index is large and
        // rebuilt from its export on any machine.
        const QString data = QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA"));
#else
        // The suite's environment points XDG_DATA_HOME at its own folder.
        const QString data = qEnvironmentVariable("XDG_DATA_HOME");
#endif
        QVERIFY(!data.isEmpty());
        QCOMPARE(DefaultProductIndexPath(), data + "/Zandrik/Quillfen/index.sqlite");
    }

private:
    QString path() const
    {
        return m_dir->filePath(QStringLiteral("sub/index.sqlite"));
    }

    std::optional<QTemporaryDir> m_dir; // a new one for each case
};

QTEST_GUILESS_MAIN(TestSqliteProductIndex)
#include "tst_sqliteproductindex.moc"
