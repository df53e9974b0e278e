#include "lookup/ProductName.h"
#include "lookup/SourceSupport.h"

#include <QTest>

class TestProductName : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answerFromFields_data()
    {
        // product_name, local name, English name, generic name, brands, quantity
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("display");

        QTest::newRow("all three") << QStringList{"Hazelnut Spread", "", "", "", "Ferrero", "400 g"}
                                   << "Hazelnut Spread, Ferrero, 400 g";
        QTest::newRow("first of several brands")
            << QStringList{"Spread", "", "", "", " Ferrero , Nutella", ""} << "Spread, Ferrero";
        QTest::newRow("first non-empty brand")
            << QStringList{"Spread", "", "", "", " , ,Ferrero", ""} << "Spread, Ferrero";
        QTest::newRow("brand inside the name, other case")
            << QStringList{"NUTELLA hazelnut spread", "", "", "", "Nutella, Ferrero", "750 g"}
            << "NUTELLA hazelnut spread, 750 g";
        QTest::newRow("blank product name gives the local one")
            << QStringList{"  \t", "Pâte à tartiner", "Spread", "Generic", "", ""}
            << "Pâte à tartiner";
        QTest::newRow("then English")
            << QStringList{"", " ", " Spread ", "Generic", "", ""} << "Spread";
        QTest::newRow("then generic")
            << QStringList{"", "", "", "Cocoa spread", "", ""} << "Cocoa spread";
        QTest::newRow("no name: brand and quantity")
            << QStringList{"", "", "", "", "Acme", " 1 l "} << "Acme, 1 l";
        QTest::newRow("quantity alone")
            << QStringList{"", "", "", "", "", "6 x 33 cl"} << "6 x 33 cl";
        QTest::newRow("nothing at all") << QStringList{"", " ", "", "", " , ", "  "} << "";
    }
    void answerFromFields()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, display);
        const ProductAnswer product = AnswerFromFields(
            ProductFields{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]});
        for (const QString& text : {product.name, product.brand, product.quantity})
            QCOMPARE(text, text.trimmed());
        QVERIFY(product.database.isEmpty());
        QCOMPARE(DisplayName(product), display);
    }

    void lastListPieces_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("pieces");
        QTest::newRow("one piece, nothing to clean") << "en:france" << 2 << "en:france";
        QTest::newRow("one piece, cleaned") << "\uFEFF en:france " << 2 << "en:france";
        QTest::newRow("the last two, cleaned")
            << "Food,  Spreads , ,Hazelnut spreads," << 2 << "Spreads, Hazelnut spreads";
        QTest::newRow("fewer than asked") << " a,b " << 1000 << "a, b";
        QTest::newRow("nothing but separators") << " , ," << 2 << "";
        QTest::newRow("empty") << "" << 2 << "";
    }
    void lastListPieces()
    {
        QFETCH(QString, list);
        QFETCH(int, count);
        QFETCH(QString, pieces);
        QCOMPARE(LastListPieces(list, u',', count), pieces);
    }
};

QTEST_GUILESS_MAIN(TestProductName)
#include "tst_productname.moc"
