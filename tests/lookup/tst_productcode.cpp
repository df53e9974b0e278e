#include "lookup/ProductCode.h"

#include <QTest>

class TestProductCode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checkCode_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("gtin");   // when valid
        QTest::addColumn<bool>("isbn");      // when valid
        QTest::addColumn<QString>("reason"); // after "not looked up: ", empty when valid

        const QString notAnEan =
            QStringLiteral("not an EAN (8, 12, 13 or 14 digits expected) or an ISBN-10");
        QTest::newRow("EAN-8") << "96385074"
                               << "96385074" << false << "";
        QTest::newRow("EAN-8 wrong") << "96385075"
                                     << "" << false << "check digit should be 4";
        QTest::newRow("UPC-A") << "036000291452"
                               << "036000291452" << false << "";
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
        // Its check digit is the UPC-A code's it stands for, here not the EAN-8 one (0).
        QTest::newRow("UPC-E") << "04252614"
                               << "04252614" << false << "";
        QTest::newRow("check digit 0") << "12345670"
                                       << "12345670" << false << "";

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
};

QTEST_GUILESS_MAIN(TestProductCode)
#include "tst_productcode.moc"
