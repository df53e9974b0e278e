// The code checks on any text: what passes is a GTIN of a valid length with a right check digit
// (for a UPC-E code, that of the UPC-A code it stands for),
// checks the same again, and spaces or hyphens anywhere change nothing.
#include "fuzz/FuzzSupport.h"
#include "gs1/CodeFacts.h"
#include "lookup/ProductCode.h"

namespace {
using fuzz::Quoted;

bool Dropped(QChar c)
{
    return c.isSpace() || c == u'-' || c == u'\u2010' || c == u'\u2011' || c == u'\u00AD';
}

bool Digits(QStringView text)
{
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// Worked out here the long way, from the left: weight 3 falls on every position with the same
// parity as the check digit's left neighbour.
bool Gs1Valid(QStringView code)
{
    int sum = 0;
    for (qsizetype i = 0; i < code.size(); ++i)
        sum += (code[i].unicode() - u'0') * ((code.size() - i) % 2 == 0 ? 3 : 1);
    return sum % 10 == 0;
}

QString Describe(const CheckedCode& checked)
{
    return QStringLiteral("kind %1 gtin %2 expected %3 isbn %4")
        .arg(int(checked.kind))
        .arg(Quoted(checked.gtin), Quoted(QString(checked.expectedCheckDigit)))
        .arg(checked.isbn);
}

void Check(const QString& typed)
{
    const CheckedCode checked = CheckCode(typed);
    const QString reason = NotLookedUpReason(checked);
    const QString context = QStringLiteral("typed ") + Quoted(typed) + u'\n' + Describe(checked);
    QString kept;
    for (const QChar c : typed) {
        if (!Dropped(c))
            kept += c;
    }

    FUZZ_CHECK(reason.isEmpty() == checked.isValid(), context);
    if (checked.isValid()) {
        // As typed: the digits kept, an ISBN-10 in its 978 form.
        const qsizetype typedSize = checked.asTyped.size();
        FUZZ_CHECK(Digits(checked.asTyped) &&
                       (typedSize == 8 || typedSize == 12 || typedSize == 13 || typedSize == 14),
                   context);
        FUZZ_CHECK(Gs1Valid(checked.asTyped) || (typedSize == 8 && IsUpcE(checked.asTyped)),
                   context);
        FUZZ_CHECK(kept == checked.asTyped ||
                       (kept.size() == 10 && checked.asTyped.sliced(3, 9) == kept.first(9) &&
                        checked.asTyped.startsWith(QLatin1String("978"))),
                   context);
        // The one identity: 8, 13 or 14 digits (a 14 only for an indicator of 1 to 9), right
        // check digit, the same as itself and as the form it was typed in.
        const qsizetype n = checked.gtin.size();
        FUZZ_CHECK(Digits(checked.gtin) && Gs1Valid(checked.gtin) &&
                       (n == 8 || n == 13 || (n == 14 && checked.gtin.front() != u'0')),
                   context);
        FUZZ_CHECK(checked.isbn == (n == 13 && (checked.gtin.startsWith(QLatin1String("978")) ||
                                                checked.gtin.startsWith(QLatin1String("979")))),
                   context);
        const CheckedCode again = CheckCode(checked.gtin);
        FUZZ_CHECK(again.isValid() && again.gtin == checked.gtin && again.isbn == checked.isbn,
                   context + QStringLiteral("\nagain ") + Describe(again));
        FUZZ_CHECK(CheckCode(checked.asTyped).gtin == checked.gtin, context);
    } else {
        FUZZ_CHECK(checked.gtin.isEmpty() && !checked.isbn, context);
    }

    if (checked.kind == CheckedCode::Kind::WrongCheckDigit) {
        const QChar expected = checked.expectedCheckDigit;
        FUZZ_CHECK((expected >= u'0' && expected <= u'9') ||
                       (expected == u'X' && kept.size() == 10),
                   context);
        FUZZ_CHECK(reason == QStringLiteral("check digit should be ") + expected, context);
        const QString corrected = kept.chopped(1) + expected;
        FUZZ_CHECK(CheckCode(corrected).isValid(), context);
    } else {
        FUZZ_CHECK(checked.expectedCheckDigit.isNull(), context);
    }
    if (checked.kind == CheckedCode::Kind::NotACode)
        FUZZ_CHECK(reason ==
                       QStringLiteral("not an EAN (8, 12, 13 or 14 digits expected) or an ISBN-10"),
                   context);

    // The same code as people write it, grouped with hyphens and spaces.
    QString grouped;
    for (qsizetype i = 0; i < typed.size(); ++i)
        grouped += typed[i] + QString(i % 3 == 0 ? QStringLiteral(" - ") : QString());
    const CheckedCode regrouped = CheckCode(grouped);
    FUZZ_CHECK(regrouped.kind == checked.kind && regrouped.gtin == checked.gtin &&
                   regrouped.expectedCheckDigit == checked.expectedCheckDigit,
               context + QStringLiteral("\ngrouped ") + Describe(regrouped));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const QString& text : fuzz::Readings(data, size))
        Check(text);
    return 0;
}
