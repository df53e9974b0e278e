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
    // Valid: the code's one identity, the same whatever form it was typed in: 13 digits for an
    // EAN-13, a UPC-A (a zero before it), a GTIN-14 whose first digit is 0 (that zero dropped), a
    // UPC-E (the UPC-A it stands for) and a book (an ISBN-10 in its 978 form); 8 for an EAN-8,
    // which is a product of its own; 14 for a case code (indicator 1 to 9). Empty otherwise.
    QString gtin;
    // Valid: the code as it was typed, spaces and hyphens dropped: 8, 12, 13 or 14 digits, an
    // ISBN-10 in its 978 form. What the code says of itself (its kind) is read from this form.
    QString asTyped;
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
    // Typed as a UPC-E: its 8 digits are asked first, then the UPC-A it stands for.
    bool isUpcE() const { return isValid() && asTyped.size() == 8 && gtin.size() == 13; }
    // A case of a product (14 digits, indicator 1 to 8): what the case holds has a code of its own.
    bool isCase() const
    {
        return gtin.size() == 14 && gtin.front() >= u'1' && gtin.front() <= u'8';
    }
    // Indicator 9: a variable-measure item, whose code names no one product.
    bool isVariableMeasure() const { return gtin.size() == 14 && gtin.front() == u'9'; }
};

// The forms of a canonical GTIN (CheckedCode::gtin) people need written out; each is empty when
// the GTIN has no such form.
// The 12 digits of a UPC-A, for a GTIN of 13 digits that starts with 0.
QString UpcAOf(QStringView gtin);
// The ISBN-10 of a 978 ISBN, X for a check of 10.
QString Isbn10Of(QStringView gtin);
// The ISSN of a 977 code: its 7 digits and their mod-11 check digit (X for 10), "0317-8471".
QString IssnOf(QStringView gtin);
// What a case holds: the indicator taken off, the check digit worked out again (13 digits).
QString InnerGtin(QStringView caseGtin);
// The same code in the form it was typed, for asking a source in that form.
CheckedCode AsTypedForm(const CheckedCode& checked);

// Normalises (drops spaces and hyphens) and checks a code.
CheckedCode CheckCode(QStringView typed);

// Why a code that did not pass is not sent: "check digit should be 7", "not an EAN (8, 12, 13 or
// 14 digits expected) or an ISBN-10", "the spreadsheet turned this code into the number
// 4.00638E+12 and lost its digits; format the column as text". Empty for a valid code.
// Batch mode writes it among the results, so it is English whatever the language.
QString NotLookedUpReason(const CheckedCode& checked);
// The same reason in the user's language, for the window's results row.
QString NotLookedUpReasonShown(const CheckedCode& checked);
