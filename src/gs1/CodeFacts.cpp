#include "gs1/CodeFacts.h"

#include "common/NumberText.h"
#include "gs1/Gs1PrefixTable.h"

#include <algorithm>

namespace {
int DigitsValue(QStringView digits)
{
    int value = 0;
    for (const QChar c : digits)
        value = value * 10 + (c.unicode() - u'0');
    return value;
}

const Gs1PrefixRange* RangeOf(std::span<const Gs1PrefixRange> table, int prefix)
{
    const auto after = std::upper_bound(
        table.begin(), table.end(), prefix,
        [](int value, const Gs1PrefixRange& range) { return value < range.first; });
    if (after == table.begin())
        return nullptr;
    const Gs1PrefixRange& range = *(after - 1);
    return prefix <= range.last ? &range : nullptr;
}

CodeFacts FactsOf(std::span<const Gs1PrefixRange> table, QStringView prefixDigits, CodeKind form)
{
    CodeFacts facts;
    facts.kind = form;
    const Gs1PrefixRange* range = RangeOf(table, DigitsValue(prefixDigits.first(3)));
    if (!range)
        return facts;
    if (range->special != CodeKind::Unknown) {
        facts.kind = range->special;
        if (facts.kind == CodeKind::Isbn && prefixDigits.startsWith(u"9790"))
            facts.kind = CodeKind::Ismn;
    } else {
        // The table's own text, never copied: every code of a run is described, some twice.
        facts.gs1Office = QString::fromRawData(reinterpret_cast<const QChar*>(range->office),
                                               std::char_traits<char16_t>::length(range->office));
    }
    return facts;
}

// The facts of a code in its 13-digit form. GS1 keeps the lowest prefixes apart: seven zeros
// start the numbers a company issues for its own use, and five zeros (other than seven) pad an
// EAN-8 to 13 digits, so such a code belongs to whoever issued that EAN-8.
CodeFacts FactsOfThirteenDigits(QStringView digits13, CodeKind form)
{
    if (digits13.startsWith(u"0000000")) {
        CodeFacts facts;
        facts.kind = CodeKind::RestrictedCirculation;
        return facts;
    }
    if (digits13.startsWith(u"00000"))
        return FactsOf(Gs1EightDigitPrefixes(), digits13.sliced(5), form);
    return FactsOf(Gs1Prefixes(), digits13, form);
}

QString WithLeadingZero(QStringView digits)
{
    QString zeroed;
    zeroed.reserve(digits.size() + 1);
    zeroed.append(u'0').append(digits);
    return zeroed;
}

} // namespace

QString UpcEExpanded(QStringView upcE)
{
    const QStringView d = upcE.mid(1, 6);
    const QChar last = d[5];
    QString body;
    body.reserve(11);
    body.append(upcE[0]);
    if (last <= u'2') {
        body.append(d.first(2)).append(last).append(u"0000").append(d.mid(2, 3));
    } else if (last == u'3') {
        body.append(d.first(3)).append(u"00000").append(d.mid(3, 2));
    } else if (last == u'4') {
        body.append(d.first(4)).append(u"00000").append(d[4]);
    } else {
        body.append(d.first(5)).append(u"0000").append(last);
    }
    return body;
}

QChar Gs1CheckDigit(QStringView digits)
{
    int sum = 0;
    bool three = true;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        sum += (digits[i].unicode() - u'0') * (three ? 3 : 1);
        three = !three;
    }
    return QChar(u'0' + (10 - sum % 10) % 10);
}

bool IsUpcE(QStringView eightDigits)
{
    if (eightDigits.size() != 8 || !AllDigits(eightDigits) ||
        (eightDigits[0] != u'0' && eightDigits[0] != u'1'))
        return false;
    return Gs1CheckDigit(UpcEExpanded(eightDigits)) == eightDigits[7];
}

CodeFacts DescribeCode(QStringView gtin)
{
    if (!AllDigits(gtin))
        return {};
    switch (gtin.size()) {
    case 8:
        // A UPC-E code is classed by the UPC-A code it stands for. EAN-8 codes that could also
        // be read as UPC-E are taken for UPC-E: EAN-8 codes starting with 0 are in-store velocity
        // codes and 1 is GS1 US's, while UPC-E codes are on shelves everywhere in North America.
        if (IsUpcE(gtin))
            return FactsOfThirteenDigits(WithLeadingZero(UpcEExpanded(gtin)), CodeKind::UpcE);
        return FactsOf(Gs1EightDigitPrefixes(), gtin, CodeKind::Ean8);
    case 12:
        return FactsOfThirteenDigits(WithLeadingZero(gtin), CodeKind::UpcA);
    case 13:
        return FactsOfThirteenDigits(gtin, CodeKind::Ean13);
    case 14:
        // The indicator digit (packaging level) goes; the company prefix follows it.
        return FactsOfThirteenDigits(gtin.mid(1), CodeKind::Gtin14);
    }
    return {};
}

QString CodeKindText(CodeKind kind)
{
    switch (kind) {
    case CodeKind::Unknown:
        break;
    case CodeKind::Ean13:
        return QStringLiteral("EAN-13");
    case CodeKind::Ean8:
        return QStringLiteral("EAN-8");
    case CodeKind::UpcA:
        return QStringLiteral("UPC-A");
    case CodeKind::UpcE:
        return QStringLiteral("UPC-E");
    case CodeKind::Gtin14:
        return QStringLiteral("GTIN-14");
    case CodeKind::Isbn:
        return QStringLiteral("ISBN");
    case CodeKind::Issn:
        return QStringLiteral("ISSN");
    case CodeKind::Ismn:
        return QStringLiteral("ISMN");
    case CodeKind::RestrictedCirculation:
        // English always: batch mode writes these and source files name kinds so. Where a
        // person reads one, QCoreApplication::translate("CodeFacts", ...) gives their language.
        return QString::fromUtf8(QT_TRANSLATE_NOOP("CodeFacts", "restricted circulation"));
    case CodeKind::Coupon:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("CodeFacts", "coupon"));
    case CodeKind::RefundReceipt:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("CodeFacts", "refund receipt"));
    }
    return {};
}
