#include "gs1/IsbnRanges.h"
#include "lookup/ProductCode.h"

#include <QTest>

class TestProductCode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checkCode_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("gtin");   // when valid: the one identity of every form
        QTest::addColumn<bool>("isbn");      // when valid
        QTest::addColumn<QString>("reason"); // after "not looked up: ", empty when valid

        const QString notAnEan =
            QStringLiteral("not an EAN (8, 12, 13 or 14 digits expected) or an ISBN-10");
        QTest::newRow("EAN-8") << "96385074"
                               << "96385074" << false << "";
        QTest::newRow("EAN-8 wrong") << "96385075"
                                     << "" << false << "check digit should be 4";
        QTest::newRow("UPC-A") << "036000291452"
                               << "0036000291452" << false << "";
        QTest::newRow("UPC-A as EAN-13") << "0036000291452"
                                         << "0036000291452" << false << "";
        QTest::newRow("UPC-A as GTIN-14") << "00036000291452"
                                          << "0036000291452" << false << "";
        // A product of its own, not the EAN-8 of the same digits.
        QTest::newRow("13 digits ending in an EAN-8's") << "0000096385074"
                                                        << "0000096385074" << false << "";
        QTest::newRow("UPC-A wrong") << "036000291453"
                                     << "" << false << "check digit should be 2";
        QTest::newRow("EAN-13") << "4006381333931"
                                << "4006381333931" << false << "";
        QTest::newRow("EAN-13 wrong") << "4006381333937"
                                      << "" << false << "check digit should be 1";
        QTest::newRow("GTIN-14") << "10036000291459"
                                 << "10036000291459" << false << "";
        QTest::newRow("GTIN-14 wrong") << "10036000291452"
                                       << "" << false << "check digit should be 9";
        // Indicators 1 to 8 are cases, 9 a variable measure: each a code of its own.
        for (const char* code :
             {"20036000291456", "30036000291453", "40036000291450", "50036000291457",
              "60036000291454", "70036000291451", "80036000291458", "90036000291455"})
            QTest::addRow("indicator %c", code[0]) << code << code << false << "";
        QTest::newRow("GTIN-14 of a book") << "09780306406157"
                                           << "9780306406157" << true << "";
        // Its check digit is the UPC-A code's it stands for, here not the EAN-8 one (0).
        // The UPC-A it stands for, by each of the four ways its last digit says the zeros go.
        QTest::newRow("UPC-E, last 0-2") << "04252614"
                                         << "0042100005264" << false << "";
        QTest::newRow("UPC-E, last 3") << "01234531"
                                       << "0012300000451" << false << "";
        QTest::newRow("UPC-E, last 4") << "01234543"
                                       << "0012340000053" << false << "";
        QTest::newRow("UPC-E, last 5-9") << "01234572"
                                         << "0012345000072" << false << "";
        QTest::newRow("UPC-E, number system 1") << "12345601"
                                                << "0123000004561" << false << "";
        QTest::newRow("UPC-E wrong") << "04252615"
                                     << "" << false << "check digit should be 0";
        QTest::newRow("check digit 0") << "12345670"
                                       << "0123456000070" << false << "";

        QTest::newRow("ISBN-13 978") << "9780306406157"
                                     << "9780306406157" << true << "";
        QTest::newRow("ISBN-13 wrong") << "9780306406150"
                                       << "" << false << "check digit should be 7";
        QTest::newRow("ISBN-10 to 978") << "0306406152"
                                        << "9780306406157" << true << "";
        QTest::newRow("ISBN-10 with X") << "080442957X"
                                        << "9780804429573" << true << "";
        QTest::newRow("ISBN-10 with x") << "080442957x"
                                        << "9780804429573" << true << "";
        QTest::newRow("ISBN-10 wrong, wants X") << "0804429570"
                                                << "" << false << "check digit should be X";
        QTest::newRow("ISBN-10 wrong, wants digit") << "030640615X"
                                                    << "" << false << "check digit should be 2";

        QTest::newRow("spaces and hyphens dropped") << " 4006-381 333\t93-1\n"
                                                    << "4006381333931" << false << "";
        QTest::newRow("no-break space and Unicode hyphen dropped")
            << QStringLiteral("4006381\u00A0333\u2010931") << "4006381333931" << false << "";
        QTest::newRow("dash is not a hyphen")
            << QStringLiteral("4006381\u2013333931") << "" << false << notAnEan;

        QTest::newRow("empty") << ""
                               << "" << false << notAnEan;
        QTest::newRow("letter inside") << "40063813339A1"
                                       << "" << false << notAnEan;
        QTest::newRow("X anywhere but last") << "08044295X7"
                                             << "" << false << notAnEan;
        QTest::newRow("9 digits") << "123456789"
                                  << "" << false << notAnEan;
        QTest::newRow("11 digits") << "12345678901"
                                   << "" << false << notAnEan;
        QTest::newRow("fullwidth digits") << QStringLiteral("\uFF19\uFF16\uFF13\uFF18\uFF15\uFF10"
                                                            "\uFF17\uFF14")
                                          << "" << false << notAnEan;
        const auto lost = [](const char* number) -> QString {
            return QStringLiteral("the spreadsheet turned this code into the number ") +
                   QLatin1String(number) +
                   QStringLiteral(" and lost its digits; format the column as text");
        };
        QTest::newRow("E notation") << "4.00638E+12"
                                    << "" << false << lost("4.00638E+12");
        QTest::newRow("E notation, decimal comma") << "4,00638E+12"
                                                   << "" << false << lost("4,00638E+12");
        QTest::newRow("E notation, bare") << "4e12"
                                          << "" << false << lost("4e12");
        QTest::newRow("E notation, point without digits") << "4.E+12"
                                                          << "" << false << notAnEan;
        QTest::newRow("E notation, no exponent") << "4.00638E+"
                                                 << "" << false << notAnEan;
        QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0669\u0666\u0663\u0668\u0665"
                                                               "\u0660\u0667\u0664")
                                             << "" << false << notAnEan;
    }
    void checkCode()
    {
        QFETCH(QString, typed);
        QFETCH(QString, gtin);
        QFETCH(bool, isbn);
        QFETCH(QString, reason);

        const CheckedCode checked = CheckCode(typed);
        QCOMPARE(NotLookedUpReason(checked), reason);
        QCOMPARE(checked.isValid(), reason.isEmpty());
        QCOMPARE(checked.gtin, gtin);
        QCOMPARE(checked.isbn, isbn);
        if (checked.isValid())
            QCOMPARE(CheckCode(checked.gtin).gtin, gtin);
        if (checked.kind == CheckedCode::Kind::WrongCheckDigit)
            QCOMPARE(QString(checked.expectedCheckDigit), reason.right(1));
        else
            QVERIFY(checked.expectedCheckDigit.isNull());
    }

    // ---- The forms people need ----

    void forms_data()
    {
        QTest::addColumn<QString>("gtin");
        QTest::addColumn<QString>("upc");
        QTest::addColumn<QString>("isbn10");
        QTest::addColumn<QString>("issn");
        QTest::addColumn<QString>("inner");
        QTest::newRow("UPC-A") << "0036000291452"
                               << "036000291452"
                               << ""
                               << ""
                               << "";
        QTest::newRow("EAN-13") << "4006381333931"
                                << ""
                                << ""
                                << ""
                                << "";
        QTest::newRow("ISBN 978") << "9780306406157"
                                  << ""
                                  << "0306406152"
                                  << ""
                                  << "";
        QTest::newRow("ISBN-10 with X") << "9780804429573"
                                        << ""
                                        << "080442957X"
                                        << ""
                                        << "";
        QTest::newRow("ISBN 979: no ISBN-10") << "9791090636071"
                                              << ""
                                              << ""
                                              << ""
                                              << "";
        // ISSNs as printed: 0317-8471 (the ISSN centre's example), 0028-0836, 1050-124X.
        QTest::newRow("ISSN") << "9770317847001"
                              << ""
                              << ""
                              << "0317-8471"
                              << "";
        QTest::newRow("ISSN 0028-0836") << "9770028083002"
                                        << ""
                                        << ""
                                        << "0028-0836"
                                        << "";
        QTest::newRow("ISSN with X") << "9771050124008"
                                     << ""
                                     << ""
                                     << "1050-124X"
                                     << "";
        QTest::newRow("case of a UPC-A") << "10036000291459"
                                         << ""
                                         << ""
                                         << ""
                                         << "0036000291452";
        QTest::newRow("case of an EAN-13") << "84006381333937"
                                           << ""
                                           << ""
                                           << ""
                                           << "4006381333931";
        QTest::newRow("EAN-8") << "96385074"
                               << ""
                               << ""
                               << ""
                               << "";
    }
    void forms()
    {
        QFETCH(QString, gtin);
        QFETCH(QString, upc);
        QFETCH(QString, isbn10);
        QFETCH(QString, issn);
        QFETCH(QString, inner);
        QCOMPARE(UpcAOf(gtin), upc);
        QCOMPARE(Isbn10Of(gtin), isbn10);
        QCOMPARE(IssnOf(gtin), issn);
        QCOMPARE(InnerGtin(gtin), inner);
        if (!isbn10.isEmpty())
            QCOMPARE(CheckCode(isbn10).gtin, gtin);
    }

    // Each as printed on a book or in the ISBN agency's examples, written here by hand.
    void hyphenatedIsbn_data()
    {
        QTest::addColumn<QString>("isbn");
        QTest::addColumn<QString>("hyphenated"); // empty: no range known, nothing guessed
        const auto row = [](const char* hyphenated) {
            QTest::newRow(hyphenated)
                << QString::fromLatin1(hyphenated).remove(u'-') << QString::fromLatin1(hyphenated);
        };
        for (const char* isbn :
             {"978-0-306-40615-7", "978-0-596-52068-7", "978-0-7432-7356-5", "978-0-14-044913-6",
              "978-0-262-03384-8", "978-1-4028-9462-6", "978-1-59327-928-8", "978-1-78110-048-6",
              "978-2-07-036002-4", "978-3-16-148410-0", "978-3-518-38938-6", "978-4-10-101001-4",
              "978-5-699-12014-7", "978-7-02-002475-9", "978-84-376-0494-7", "978-84-9032-443-1",
              "978-88-04-66755-1", "978-89-364-3412-0", "978-99921-58-44-9", "979-10-90636-07-1",
              "979-11-5581-000-2", "979-8-6024-0545-3"})
            row(isbn);
        QTest::newRow("a publisher no range holds") << "9791210000003"
                                                    << "";
        QTest::newRow("a prefix of no ISBN") << "9790000000001"
                                             << "";
        QTest::newRow("wrong check digit") << "9780306406150"
                                           << "";
        QTest::newRow("not a book") << "4006381333931"
                                    << "";
    }
    void hyphenatedIsbn()
    {
        QFETCH(QString, isbn);
        QFETCH(QString, hyphenated);
        QCOMPARE(HyphenatedIsbn(isbn).value_or(QString()), hyphenated);
    }

    void rangeMessage_readOrRefusedWithTheReason_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("refusal"); // empty: read
        const QByteArray message = R"(<?xml version="1.0"?><ISBNRangeMessage>
            <MessageDate>Mon, 1 Dec 2025 10:00:00 CET</MessageDate>
            <EAN.UCCPrefixes><EAN.UCC><Prefix>978</Prefix><Agency>International ISBN Agency</Agency>
            <Rules><Rule><Range>0000000-5999999</Range><Length>1</Length></Rule>
            <Rule><Range>6000000-9999999</Range><Length>0</Length></Rule></Rules></EAN.UCC>
            </EAN.UCCPrefixes><RegistrationGroups><Group><Prefix>978-0</Prefix>
            <Agency>English language</Agency><Rules>
            <Rule><Range>0000000-1999999</Range><Length>2</Length></Rule>
            <Rule><Range>2000000-6999999</Range><Length>4</Length></Rule></Rules></Group>
            </RegistrationGroups></ISBNRangeMessage>)";
        QTest::newRow("a message") << message << "";
        QTest::newRow("cut short")
            << message.left(300) << "not XML: Premature end of document. (line 5)";
        QTest::newRow("no ranges")
            << QByteArray("<ISBNRangeMessage/>") << "no ISBN ranges in it (not a RangeMessage)";
        QTest::newRow("a range of six digits")
            << QByteArray(message).replace("0000000-1999999", "000000-1999999")
            << "978-0: a rule with the range 000000-1999999";
        QTest::newRow("a group named oddly")
            << QByteArray(message).replace("<Prefix>978-0</Prefix>", "<Prefix>978/0</Prefix>")
            << "a group named 978/0";
    }
    void rangeMessage_readOrRefusedWithTheReason()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, refusal);
        const auto read = IsbnRanges::fromRangeMessage(xml);
        if (!refusal.isEmpty()) {
            QCOMPARE(std::get<QString>(read), refusal);
            return;
        }
        // Its own ranges answer: 978-0's publishers here are of 2 and 4 digits.
        const IsbnRanges& ranges = std::get<IsbnRanges>(read);
        QCOMPARE(ranges.date(), QStringLiteral("Mon, 1 Dec 2025 10:00:00 CET"));
        QCOMPARE(ranges.hyphenate(u"9780306406157"), QStringLiteral("978-0-3064-0615-7"));
        QCOMPARE(ranges.hyphenate(u"9781402894626"), std::nullopt);
        // What is in use changes only when the program says so at start-up.
        QCOMPARE(HyphenatedIsbn(u"9780306406157"), QStringLiteral("978-0-306-40615-7"));
    }
};

QTEST_GUILESS_MAIN(TestProductCode)
#include "tst_productcode.moc"
