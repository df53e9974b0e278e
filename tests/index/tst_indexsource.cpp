#include "fakes/FakeProductIndex.h"
#include "index/IndexSource.h"
#include "lookup/ProductCode.h"

#include <QTest>

// What a lookup run hears from the product index: an answer, an absence, or why there is none.
class TestIndexSource : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void indexInUse_answersWithTheProductsDatabase_andMissesGoOn();
    void tenDigits_foundAsTheIsbnOrAsTheEanWithoutItsZeros_data();
    void tenDigits_foundAsTheIsbnOrAsTheEanWithoutItsZeros();
    void noIndex_orOneThatCannotBeRead_failsSayingWhich();
    void indexImportedBetweenRuns_answersTheNextRun();
    void lookAhead_handsTheIndexTheCodesThatFollowAsItIsAsked();

private:
    static FakeProductIndex::Table OneProduct(const QString& name,
                                              const QString& code = "4006381333931")
    {
        FakeProductIndex::Table table;
        table.exports.append(IndexedExport{"Open Beauty Facts", "beauty.csv.gz", {}, 1});
        IndexedProduct product;
        product.code = code;
        product.fields.productName = name;
        product.fields.brands = "Stabilo, Schwan";
        product.fields.quantity = "1 pc";
        product.database = "Open Beauty Facts";
        table.products.insert(QString::fromUtf8(IndexKey(code.toUtf8())), product);
        return table;
    }

    static SourceAnswer Ask(IndexSource& source, QStringView code)
    {
        const std::optional<SourceAnswer> answer = source.answerLocally(CheckCode(code));
        return answer.value_or(SourceAnswer::failed("asked over the network"));
    }
};

void TestIndexSource::indexInUse_answersWithTheProductsDatabase_andMissesGoOn()
{
    FakeProductIndex index;
    index.place(OneProduct("Point 88"));
    IndexSource source(index);
    source.prepareRun();
    const SourceAnswer found = Ask(source, u"4006381333931");
    QCOMPARE(found.kind, SourceAnswer::Kind::Found);
    QCOMPARE(found.product.name, QStringLiteral("Point 88"));
    QCOMPARE(found.product.brand, QStringLiteral("Stabilo"));
    QCOMPARE(found.product.database, QStringLiteral("Open Beauty Facts"));
    // Not in the index: the next source is asked, so it is "not found", never a failure.
    QCOMPARE(Ask(source, u"96385074").kind, SourceAnswer::Kind::NotFound);
}

void TestIndexSource::tenDigits_foundAsTheIsbnOrAsTheEanWithoutItsZeros_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("held");
    QTest::addColumn<bool>("found");
    // 1234567970 passes the ISBN-10 check, and 0001234567970 the GTIN-13 one.
    QTest::newRow("an ISBN-10, the index holding the book") << "1234567970"
                                                            << "9781234567972" << true;
    QTest::newRow("the same digits, the index holding the EAN they lost their zeros from")
        << "1234567970"
        << "0001234567970" << true;
    QTest::newRow("typed with its zeros: the EAN") << "0001234567970"
                                                   << "0001234567970" << true;
    // 0306406152 is an ISBN-10 whose zero-padded form fails the GTIN check: no EAN to ask for.
    QTest::newRow("an ISBN-10 that is no EAN") << "0306406152"
                                               << "0000306406152" << false;
}

void TestIndexSource::tenDigits_foundAsTheIsbnOrAsTheEanWithoutItsZeros()
{
    QFETCH(QString, typed);
    QFETCH(QString, held);
    QFETCH(bool, found);
    FakeProductIndex index;
    index.place(OneProduct("Held", held));
    IndexSource source(index);
    source.prepareRun();
    QCOMPARE(Ask(source, typed).kind,
             found ? SourceAnswer::Kind::Found : SourceAnswer::Kind::NotFound);
}

void TestIndexSource::noIndex_orOneThatCannotBeRead_failsSayingWhich()
{
    FakeProductIndex index;
    IndexSource source(index);
    source.prepareRun();
    SourceAnswer answer = Ask(source, u"4006381333931");
    QCOMPARE(answer.kind, SourceAnswer::Kind::Failed);
    QCOMPARE(answer.reason, kNoProductIndex.toString());

    index.place(OneProduct("Point 88"));
    index.problem = "it was made by another version of Quillfen; import the database again";
    source.prepareRun();
    answer = Ask(source, u"4006381333931");
    QCOMPARE(answer.kind, SourceAnswer::Kind::Failed);
    QCOMPARE(answer.reason, QStringLiteral("product index cannot be read (it was made by another "
                                           "version of Quillfen; import the database again)"));
}

void TestIndexSource::indexImportedBetweenRuns_answersTheNextRun()
{
    FakeProductIndex index;
    index.place(OneProduct("Old name"));
    IndexSource source(index);
    source.prepareRun();
    QCOMPARE(Ask(source, u"4006381333931").product.name, QStringLiteral("Old name"));
    index.place(OneProduct("New name"));
    source.prepareRun();
    QCOMPARE(Ask(source, u"4006381333931").product.name, QStringLiteral("New name"));
}

void TestIndexSource::lookAhead_handsTheIndexTheCodesThatFollowAsItIsAsked()
{
    FakeProductIndex index;
    index.place(OneProduct("Point 88"));
    IndexSource source(index);
    source.prepareRun();
    QStringList typed(3 * IndexSource::kCodesAhead, QStringLiteral("4006381333931"));
    typed[1] = QStringLiteral("012345678905"); // a UPC-A: found by its GTIN-13
    typed[2] = QStringLiteral("no code");
    typed[3] = QStringLiteral("01234565"); // a UPC-E: asked as typed first
    QVERIFY(CheckCode(typed[3]).isUpcE());
    int at = 0;
    const CodesAhead ahead = [&](int k) -> std::optional<QString> {
        return at + k < typed.size() ? std::optional(typed[at + k]) : std::nullopt;
    };
    for (; at < IndexSource::kCodesAhead / 2 + 44; ++at) {
        source.lookAhead(ahead);
        Ask(source, typed[at]);
    }
    // The codes that follow at the first, less the one that is no code; half as many after those
    // once half of them were asked, and nothing in between.
    QCOMPARE(index.foundAhead.size(), 2);
    QCOMPARE(index.foundAhead[0].size(), IndexSource::kCodesAhead - 1);
    QCOMPARE(index.foundAhead[0].mid(0, 3),
             (QStringList{CheckCode(u"012345678905").gtin, "01234565", "4006381333931"}));
    QCOMPARE(index.foundAhead[1].size(), IndexSource::kCodesAhead / 2);
}

QTEST_GUILESS_MAIN(TestIndexSource)
#include "tst_indexsource.moc"
