#include "lookup/ProductCode.h"

#include "common/NumberText.h"
#include "gs1/CodeFacts.h"

#include <QCoreApplication>

namespace {

int DigitValue(QChar c)
{
    return c.unicode() - u'0';
}

// Hyphens as people type and paste them: the ASCII one, the Unicode hyphen and non-breaking
// hyphen that word processors put into ISBNs, and the invisible soft hyphen. Dashes stay: a code
// with a dash in it was more likely two codes.
bool IsHyphen(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'-' || u == u'\u2010' || u == u'\u2011' || u == u'\u00AD';
}

QString Normalised(QStringView typed)
{
    // Written straight into the characters: every answer a source file reads checks its code.
    QString kept(typed.size(), Qt::Uninitialized);
    QChar* const out = kept.data();
    qsizetype size = 0;
    for (const QChar c : typed) {
        if (!c.isSpace() && !IsHyphen(c))
            out[size++] = c;
    }
    kept.truncate(size);
    return kept;
}

// The ISBN-10 check character for its first nine digits: weights 10 down to 2, mod 11.
QChar Isbn10CheckCharacter(QStringView nine)
{
    int sum = 0;
    for (qsizetype i = 0; i < 9; ++i)
        sum += DigitValue(nine[i]) * int(10 - i);
    const int check = (11 - sum % 11) % 11;
    return check == 10 ? QChar(u'X') : QChar(u'0' + check);
}

CheckedCode WrongCheckDigit(QChar expected)
{
    CheckedCode checked;
    checked.kind = CheckedCode::Kind::WrongCheckDigit;
    checked.expectedCheckDigit = expected;
    return checked;
}

// The one identity of the digits typed, which have passed their checks.
QString Canonical(const QString& digits)
{
    switch (digits.size()) {
    case 8:
        if (IsUpcE(digits)) {
            const QString upcA = UpcEExpanded(digits);
            return u'0' + upcA + Gs1CheckDigit(upcA);
        }
        return digits;
    case 12:
        return u'0' + digits;
    case 14:
        return digits.front() == u'0' ? digits.sliced(1) : digits;
    }
    return digits;
}

CheckedCode Valid(QString asTyped, bool isbn)
{
    CheckedCode checked;
    checked.kind = CheckedCode::Kind::Valid;
    checked.gtin = Canonical(asTyped);
    checked.asTyped = std::move(asTyped);
    checked.isbn = isbn || (checked.gtin.size() == 13 &&
                            (checked.gtin.startsWith(u"978") || checked.gtin.startsWith(u"979")));
    return checked;
}

CheckedCode CheckIsbn10(const QString& code)
{
    const QStringView nine = QStringView(code).first(9);
    const QChar last = code.back().toUpper();
    if (!AllDigits(nine) || !(IsAsciiDigit(last) || last == u'X'))
        return {};
    const QChar expected = Isbn10CheckCharacter(nine);
    if (last != expected)
        return WrongCheckDigit(expected);
    const QString body = QStringLiteral("978") + nine;
    CheckedCode checked = Valid(body + Gs1CheckDigit(body), true);
    const QString padded = QStringLiteral("000") + code;
    if (IsAsciiDigit(last) && Gs1CheckDigit(QStringView(padded).first(12)) == last)
        checked.paddedGtin = padded;
    return checked;
}

// A spreadsheet shows a number of more than 11 digits as "4.00638E+12" and saves it so in a CSV
// file: one digit, a point and a few more, E, an exponent; in a language that writes a decimal
// comma (German, French, ...) it reads "4,00638E+12".
// By hand, not by a regular expression: every cell of a spreadsheet's columns comes through here.
bool IsENotation(QStringView code)
{
    qsizetype i = 0;
    const auto digits = [&] {
        const qsizetype from = i;
        while (i < code.size() && IsAsciiDigit(code[i]))
            ++i;
        return i - from;
    };
    if (code.isEmpty() || !IsAsciiDigit(code[0]))
        return false;
    ++i;
    if (i < code.size() && (code[i] == u'.' || code[i] == u',')) {
        ++i;
        if (digits() == 0)
            return false;
    }
    if (i == code.size() || (code[i] != u'e' && code[i] != u'E'))
        return false;
    ++i;
    if (i < code.size() && code[i] == u'+')
        ++i;
    return digits() > 0 && i == code.size();
}

} // namespace

CheckedCode CheckCode(QStringView typed)
{
    const QString code = Normalised(typed);
    const qsizetype length = code.size();
    if (IsENotation(code)) {
        CheckedCode checked;
        checked.kind = CheckedCode::Kind::LostDigits;
        checked.lostDigitsNumber = code;
        return checked;
    }
    if (length == 10)
        return CheckIsbn10(code);
    if ((length != 8 && length != 12 && length != 13 && length != 14) || !AllDigits(code))
        return {};

    const QChar expected = Gs1CheckDigit(QStringView(code).first(length - 1));
    // A UPC-E code's check digit is that of the UPC-A code it stands for; the EAN-8 one is what
    // a mistyped 8-digit code is told, as most of them are EAN-8.
    if (code.back() != expected && !(length == 8 && IsUpcE(code)))
        return WrongCheckDigit(expected);
    return Valid(code, false);
}

QString UpcAOf(QStringView gtin)
{
    return gtin.size() == 13 && gtin.front() == u'0' ? gtin.sliced(1).toString() : QString();
}

QString Isbn10Of(QStringView gtin)
{
    if (gtin.size() != 13 || !gtin.startsWith(u"978") || !AllDigits(gtin))
        return {};
    const QStringView nine = gtin.sliced(3, 9);
    return nine + Isbn10CheckCharacter(nine);
}

QString IssnOf(QStringView gtin)
{
    if (gtin.size() != 13 || !gtin.startsWith(u"977") || !AllDigits(gtin))
        return {};
    const QStringView seven = gtin.sliced(3, 7);
    int sum = 0;
    for (qsizetype i = 0; i < 7; ++i)
        sum += DigitValue(seven[i]) * int(8 - i);
    const int check = (11 - sum % 11) % 11;
    return seven.first(4) + u'-' + seven.sliced(4) +
           (check == 10 ? QChar(u'X') : QChar(u'0' + check));
}

QString InnerGtin(QStringView caseGtin)
{
    if (caseGtin.size() != 14 || !AllDigits(caseGtin))
        return {};
    const QStringView body = caseGtin.sliced(1, 12);
    return body + Gs1CheckDigit(body);
}

CheckedCode AsTypedForm(const CheckedCode& checked)
{
    CheckedCode typed = checked;
    typed.gtin = checked.asTyped;
    return typed;
}

namespace {
QString ReasonText(const CheckedCode& checked, bool translated)
{
    const auto text = [translated](const char* english) {
        return translated ? QCoreApplication::translate("ProductCode", english)
                          : QString::fromUtf8(english);
    };
    switch (checked.kind) {
    case CheckedCode::Kind::Valid:
        return {};
    case CheckedCode::Kind::WrongCheckDigit:
        return text(QT_TRANSLATE_NOOP("ProductCode", "check digit should be %1"))
            .arg(checked.expectedCheckDigit);
    case CheckedCode::Kind::LostDigits:
        return text(QT_TRANSLATE_NOOP("ProductCode",
                                      "the spreadsheet turned this code into the number %1 and "
                                      "lost its digits; format the column as text"))
            .arg(checked.lostDigitsNumber);
    case CheckedCode::Kind::NotACode:
        break;
    }
    return text(QT_TRANSLATE_NOOP("ProductCode",
                                  "not an EAN (8, 12, 13 or 14 digits expected) or an ISBN-10"));
}
} // namespace

QString NotLookedUpReason(const CheckedCode& checked)
{
    return ReasonText(checked, false);
}

QString NotLookedUpReasonShown(const CheckedCode& checked)
{
    return ReasonText(checked, true);
}
