// The open databases' catalog the sample service answers from, the code checks it relies on,
// and how its fault modes are read.
#include "OpenCatalog.h"
#include "SampleService.h"

#include <QFile>
#include <QJsonArray>
#include <QTest>

namespace {
OpenCatalog BuiltInCatalog()
{
    QFile file(QStringLiteral(QUILLFEN_SOURCE_DIR "/tools/sample-service/open-catalog.json"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the built-in catalog");
    QString error;
    const std::optional<OpenCatalog> catalog = ParseOpenCatalog(file.readAll(), error);
    if (!catalog)
        qFatal("the built-in catalog does not parse: %s", qPrintable(error));
    return *catalog;
}

QStringList Listed(const QJsonObject& edition, const char* field)
{
    QStringList values;
    for (const QJsonValue& value : edition.value(QLatin1String(field)).toArray())
        values.append(value.toString());
    return values;
}
} // namespace

class TestOpenCatalog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checkDigits_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("valid");
        QTest::newRow("EAN-13") << "4988112412613" << true;
        QTest::newRow("EAN-13, last digit off") << "4988112412614" << false;
        QTest::newRow("EAN-8") << "40172637" << true;
        QTest::newRow("UPC-A") << "058392017465" << true;
        QTest::newRow("GTIN-14") << "10058392017462" << true;
        QTest::newRow("eleven digits") << "05839201746" << false;
        QTest::newRow("a letter") << "49881124126X3" << false;
    }
    void checkDigits()
    {
        QFETCH(QString, code);
        QFETCH(bool, valid);
        QCOMPARE(HasGs1CheckDigit(code), valid);
    }

    void isbn10_data()
    {
        QTest::addColumn<QString>("isbn10");
        QTest::addColumn<QString>("isbn13");
        QTest::newRow("ends in X") << "192837462X"
                                   << "9781928374626";
        QTest::newRow("ends in x") << "192837462x"
                                   << "9781928374626";
        QTest::newRow("ends in a digit") << "1854627317"
                                         << "9781854627315";
        QTest::newRow("wrong check character") << "1854627318"
                                               << "";
        QTest::newRow("X inside") << "18546X7317"
                                  << "";
        QTest::newRow("thirteen digits") << "9781854627315"
                                         << "";
    }
    void isbn10()
    {
        QFETCH(QString, isbn10);
        QFETCH(QString, isbn13);
        QCOMPARE(Isbn13FromIsbn10(isbn10), isbn13);
    }

    void builtInCatalog_everyCodeHasItsCheckDigit()
    {
        const OpenCatalog catalog = BuiltInCatalog();
        for (const OpenCatalog::Product& product : catalog.products)
            QVERIFY2(HasGs1CheckDigit(product.code), qPrintable(product.code));
        for (const QJsonObject& item : catalog.items)
            QVERIFY2(HasGs1CheckDigit(item.value(u"ean").toString()),
                     qPrintable(item.value(u"ean").toString()));
        for (const QJsonObject& edition : catalog.editions) {
            const QString key = edition.value(u"key").toString();
            QVERIFY2(!Listed(edition, "isbn_13").isEmpty() || !Listed(edition, "isbn_10").isEmpty(),
                     qPrintable(key));
            for (const QString& isbn : Listed(edition, "isbn_13"))
                QVERIFY2(HasGs1CheckDigit(isbn) &&
                             (isbn.startsWith(u"978") || isbn.startsWith(u"979")),
                         qPrintable(key + u' ' + isbn));
            for (const QString& isbn : Listed(edition, "isbn_10"))
                QVERIFY2(!Isbn13FromIsbn10(isbn).isEmpty(), qPrintable(key + u' ' + isbn));
            QVERIFY2(!edition.value(u"title").toString().isEmpty(), qPrintable(key));
        }
    }

    // What tests and the demo rely on finding in it.
    void builtInCatalog_holdsEveryKindOfRecord()
    {
        const OpenCatalog catalog = BuiltInCatalog();
        QStringList types;
        bool severalBrands = false;
        bool onlyLocalName = false;
        for (const OpenCatalog::Product& product : catalog.products) {
            types.append(product.type);
            severalBrands |= product.fields.value(u"brands").toString().contains(u',');
            onlyLocalName |= product.fields.value(u"product_name").toString().isEmpty() &&
                             product.fields.contains(u"product_name_de");
        }
        for (const QString& type : kProductTypes)
            QVERIFY2(types.contains(type), qPrintable(type));
        QVERIFY(severalBrands);
        QVERIFY(onlyLocalName);

        QVERIFY(catalog.editionByIsbn(u"192837462X"));
        QCOMPARE(catalog.editionByIsbn(u"192837462X"), catalog.editionByIsbn(u"978-1928374626"));
        QVERIFY(catalog.editionByIsbn(u"9791095231868"));
        QVERIFY(!catalog.editionByIsbn(u"9791095231868")->value(u"subtitle").toString().isEmpty());
        // An edition listed by its ISBN-10 alone is found by the ISBN-13 too.
        QVERIFY(catalog.editionByIsbn(u"9782046831572"));

        QVERIFY(catalog.item(u"058392017465"));
        QCOMPARE(catalog.item(u"058392017465"), catalog.item(u"0058392017465"));
        QCOMPARE(catalog.item(u"058392017465")->value(u"upc").toString(), "058392017465");
        QCOMPARE(catalog.item(u"058392017465")->value(u"ean").toString(), "0058392017465");

        // The second sample code is unknown everywhere, as it is to the page service.
        QVERIFY(!catalog.product(u"0823564706221"));
        QVERIFY(!catalog.item(u"0823564706221"));
    }

    void parse_refusesWhatItCannotServe_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not JSON") << QByteArray("{\"openfoodfacts\": [");
        QTest::newRow("an array") << QByteArray("[]");
        QTest::newRow("product without code") << QByteArray(R"({"openfoodfacts": [{}]})");
        QTest::newRow("unknown product type")
            << QByteArray(R"({"openfoodfacts": [{"code": "40172637", "product_type": "toys"}]})");
        QTest::newRow("edition without key")
            << QByteArray(R"({"openlibrary": [{"title": "T", "isbn_13": ["9781854627315"]}]})");
        QTest::newRow("item with letters for ean")
            << QByteArray(R"({"upcitemdb": [{"ean": "ABC", "title": "T"}]})");
    }
    void parse_refusesWhatItCannotServe()
    {
        QFETCH(QByteArray, json);
        QString error;
        QVERIFY(!ParseOpenCatalog(json, error));
        QVERIFY(!error.isEmpty());
    }

    void faultModes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("retryAfter");
        QTest::addColumn<bool>("asDate");
        QTest::addColumn<int>("first");
        QTest::newRow("a mode alone") << "status:429" << true << 429 << -1 << false << 0;
        QTest::newRow("Retry-After in seconds")
            << "status:503,retry-after:30" << true << 503 << 30 << false << 0;
        QTest::newRow("Retry-After as a date, first three")
            << "status:429,retry-after-date:5,first:3" << true << 429 << 5 << true << 3;
        QTest::newRow("first alone is no mode") << "first:2" << false << 0 << 0 << false << 0;
        QTest::newRow("first zero") << "html,first:0" << false << 0 << 0 << false << 0;
        QTest::newRow("unknown addition") << "reset,sometimes" << false << 0 << 0 << false << 0;
        QTest::newRow("negative wait")
            << "status:503,retry-after:-1" << false << 0 << 0 << false << 0;
    }
    void faultModes()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        Fault fault;
        QCOMPARE(ParseFault(text, fault), valid);
        if (!valid)
            return;
        QTEST(fault.status, "status");
        QTEST(fault.retryAfterSeconds, "retryAfter");
        QTEST(fault.retryAfterAsDate, "asDate");
        QTEST(fault.firstRequests, "first");
    }
};

QTEST_GUILESS_MAIN(TestOpenCatalog)
#include "tst_opencatalog.moc"
