// What a code says by itself: its kind and the GS1 office of its prefix, for a handful of known
// codes of every form and for every special range at both of its ends.
#include "gs1/CodeFacts.h"

#include <QTest>

class TestCodeFacts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void describeCode_givesKindAndOffice_data();
    void describeCode_givesKindAndOffice();
};

void TestCodeFacts::describeCode_givesKindAndOffice_data()
{
    QTest::addColumn<QString>("gtin");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("office");

    // Offices, at the edges of their ranges where a neighbour could take them.
    QTest::newRow("GS1 Germany") << "4006381333931"
                                 << "EAN-13"
                                 << "GS1 Germany";
    QTest::newRow("440 still Germany") << "4400123456788"
                                       << "EAN-13"
                                       << "GS1 Germany";
    QTest::newRow("441 no office") << "4410123456787"
                                   << "EAN-13"
                                   << "";
    QTest::newRow("450 Japan") << "4500123456785"
                               << "EAN-13"
                               << "GS1 Japan";
    QTest::newRow("499 Japan again") << "4990123456784"
                                     << "EAN-13"
                                     << "GS1 Japan";
    QTest::newRow("380 one-prefix office") << "3800123456787"
                                           << "EAN-13"
                                           << "GS1 Bulgaria";
    QTest::newRow("760 Switzerland") << "7600123456789"
                                     << "EAN-13"
                                     << "GS1 Switzerland";
    QTest::newRow("UPC-A by its GTIN-13 form") << "036000291452"
                                               << "UPC-A"
                                               << "GS1 US";
    QTest::newRow("GTIN-14 without its indicator") << "10036000291459"
                                                   << "GTIN-14"
                                                   << "GS1 US";
    QTest::newRow("EAN-8 office") << "40172637"
                                  << "EAN-8"
                                  << "GS1 Germany";
    QTest::newRow("EAN-8 960-969") << "96385074"
                                   << "EAN-8"
                                   << "GS1 Global Office";
    QTest::newRow("UPC-E by the UPC-A it stands for") << "04252614"
                                                      << "UPC-E"
                                                      << "GS1 US";
    QTest::newRow("UPC-E also a right EAN-8") << "01234565"
                                              << "UPC-E"
                                              << "GS1 US";
    QTest::newRow("607 Oman, among the newer offices") << "6070123456782"
                                                       << "EAN-13"
                                                       << "GS1 Oman";
    QTest::newRow("EAN-8 padded to 13 digits: the EAN-8's office") << "0000040172637"
                                                                   << "EAN-13"
                                                                   << "GS1 Germany";

    // Every special range, first and last prefix.
    const QString restricted = QStringLiteral("restricted circulation");
    QTest::newRow("020") << "0200123456788" << restricted << "";
    QTest::newRow("029") << "0290123456789" << restricted << "";
    QTest::newRow("040") << "0400123456782" << restricted << "";
    QTest::newRow("049") << "0490123456783" << restricted << "";
    QTest::newRow("050 is GS1 US's again") << "0500123456789"
                                           << "EAN-13"
                                           << "GS1 US";
    QTest::newRow("200") << "2000123456782" << restricted << "";
    QTest::newRow("299") << "2990123456786" << restricted << "";
    QTest::newRow("UPC-A starting with 2") << "200000000004" << restricted << "";
    QTest::newRow("EAN-8 velocity code") << "00000017" << restricted << "";
    QTest::newRow("seven zeros: a company's own numbers") << "0000000123457" << restricted << "";
    QTest::newRow("EAN-8 in-store") << "21234569" << restricted << "";
    QTest::newRow("977 ISSN") << "9770123456787"
                              << "ISSN"
                              << "";
    QTest::newRow("978 ISBN") << "9780306406157"
                              << "ISBN"
                              << "";
    QTest::newRow("979-1 ISBN") << "9791012345678"
                                << "ISBN"
                                << "";
    QTest::newRow("979-0 ISMN") << "9790012345671"
                                << "ISMN"
                                << "";
    QTest::newRow("GTIN-14 of a book") << "19780306406154"
                                       << "ISBN"
                                       << "";
    QTest::newRow("980 refund receipt") << "9800123456781"
                                        << "refund receipt"
                                        << "";
    QTest::newRow("981 coupon") << "9810123456780"
                                << "coupon"
                                << "";
    QTest::newRow("984 coupon") << "9840123456787"
                                << "coupon"
                                << "";
    QTest::newRow("985 nothing") << "9850123456786"
                                 << "EAN-13"
                                 << "";
    QTest::newRow("990 coupon") << "9900123456788"
                                << "coupon"
                                << "";
    QTest::newRow("999 coupon") << "9990123456789"
                                << "coupon"
                                << "";

    QTest::newRow("not a checked code") << "12345"
                                        << ""
                                        << "";
}

void TestCodeFacts::describeCode_givesKindAndOffice()
{
    QFETCH(QString, gtin);
    QFETCH(QString, kind);
    QFETCH(QString, office);
    const CodeFacts facts = DescribeCode(gtin);
    QCOMPARE(CodeKindText(facts.kind), kind);
    QCOMPARE(facts.gs1Office, office);
    QCOMPARE(facts.isNoProduct(), kind == u"coupon" || kind == u"refund receipt");
}

QTEST_GUILESS_MAIN(TestCodeFacts)
#include "tst_codefacts.moc"
