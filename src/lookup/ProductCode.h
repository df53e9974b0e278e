#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// What the checks before asking an open database make of a code as the list holds it.
struct CheckedCode
{
    enum class Kind {
        Valid,           // 8, 12, 13 or 14 digits with a right GS1 check digit, a UPC-E code, or an
                         // ISBN-10
        WrongCheckDigit, // the right number of digits, but the last one is not the check digit
        // A number in E notation (4.00638E+12): a spreadsheet turned the code into a number and
        // kept only its first digits.
        LostDigits,
        NotACode, // anything else
    };
    Kind kind = Kind::NotACode;
    // Valid: the digits alone, spaces and hyphens dropped; an ISBN-10 in its 978 form (13
    // digits). Empty otherwise.
    QString gtin;
    // WrongCheckDigit: the check digit that would be right ('X' for an ISBN-10 that needs ten).
    QChar expectedCheckDigit;
    // Valid and a book: 13 digits starting with 978 or 979, or an ISBN-10.
    bool isbn = false;
    // LostDigits: the number as the spreadsheet wrote it, spaces and hyphens dropped.
    QString lostDigitsNumber;
    // An ISBN-10 whose ten digits, with the three leading zeros of a GTIN-13, also make a right
    // GTIN-13: that form. A spreadsheet that dropped an EAN's leading zeros leaves just such ten
    // digits, so the product index is asked for this form too. Empty otherwise.
    QString paddedGtin;

    bool isValid() const { return kind == Kind::Valid; }
};

// Normalises (drops spaces and hyphens) and checks a code.
CheckedCode CheckCode(QStringView typed);

// Why a code that did not pass is not sent: "check digit should be 7", "not an EAN (8, 12, 13 or
// 14 digits expected) or an ISBN-10", "the spreadsheet turned this code into the number
// 4.00638E+12 and lost its digits; format the column as text". Empty for a valid code.
// Batch mode writes it among the results, so it is English whatever the language.
QString NotLookedUpReason(const CheckedCode& checked);
// The same reason in the user's language, for the window's results row.
QString NotLookedUpReasonShown(const CheckedCode& checked);
