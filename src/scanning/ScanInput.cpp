#include "scanning/ScanInput.h"

#include "barcodes/ProductBarcodes.h"
#include "common/NumberText.h"
#include "lookup/ProductCode.h"

namespace {
// The digit row of a French keyboard, unshifted: what a scanner set up for US keys types there.
constexpr QStringView kAzertyDigitRow = u"&\u00e9\"'(-\u00e8_\u00e7\u00e0";
constexpr QStringView kDigits = u"1234567890";
constexpr QChar kGroupSeparator = u'\x1d';

bool IsEnd(QChar c)
{
    return c == u'\r' || c == u'\n' || c == u'\t';
}

// A text of digits alone, and group separators, was meant as digits: an AZERTY row is mapped
// back only when every character is a digit or one of that row's, so that a hyphen in a code
// typed by hand ("978-0-306") stays a hyphen.
QString FromAzerty(QStringView text)
{
    bool azerty = false;
    for (const QChar c : text) {
        if (kAzertyDigitRow.contains(c) && c != u'-')
            azerty = true;
        else if (!(c >= u'0' && c <= u'9') && c != u'-' && c != kGroupSeparator)
            return text.toString();
    }
    if (!azerty)
        return text.toString();
    QString digits;
    digits.reserve(text.size());
    for (const QChar c : text) {
        const qsizetype at = kAzertyDigitRow.indexOf(c);
        digits += at >= 0 ? kDigits[at] : c;
    }
    return digits;
}

std::optional<QString> GtinOfElements(QStringView text)
{
    QString elements = text.toString();
    // Typed by hand, the identifiers stand in brackets: "(01)04006381333931(10)ABC".
    if (elements.startsWith(u'('))
        elements.remove(u'(').remove(u')');
    if (!elements.startsWith(QStringLiteral("01")) || elements.size() < 16)
        return std::nullopt;
    const std::optional<QString> gtin14 = GtinOfGs1Elements(elements.toLatin1());
    if (!gtin14 || !CheckCode(*gtin14).isValid())
        return std::nullopt;
    return gtin14->startsWith(u'0') ? gtin14->sliced(1) : *gtin14;
}
} // namespace

Scan ReadScan(QStringView raw)
{
    QString text = raw.trimmed().left(kLongestScan).toString();
    // "]" + symbology letter + modifier digit, put first by scanners set to say what they read.
    bool gs1 = false;
    if (text.size() >= 3 && text[0] == u']' && text[1].isLetter() && text[2].isDigit()) {
        const QStringView id = QStringView(text).first(3);
        gs1 = id == u"]C1" || id == u"]e0" || id == u"]d2" || id == u"]Q3";
        text.remove(0, 3);
    }
    text = FromAzerty(text);
    Scan scan;
    const QString plain = QString(text).remove(kGroupSeparator);
    if (plain.size() > 14 || gs1 || text.contains(kGroupSeparator) || text.startsWith(u'(')) {
        if (const std::optional<QString> gtin = GtinOfElements(text)) {
            scan.code = *gtin;
            scan.valid = true;
            return scan;
        }
    }
    // EAN-13 with its add-on, run together or with a space between them.
    const QString digits = QString(plain).remove(u' ');
    if ((digits.size() == 15 || digits.size() == 18) && AllDigits(digits) &&
        CheckCode(digits.first(13)).isValid()) {
        scan.code = digits.first(13);
        scan.addOn = digits.sliced(13);
        scan.valid = true;
        return scan;
    }
    // A valid code as its digits alone, so that one typed with hyphens and the same one scanned
    // count as one.
    const CheckedCode checked = CheckCode(plain);
    scan.valid = checked.isValid();
    scan.code = scan.valid ? checked.gtin : plain;
    return scan;
}

QList<Scan> ScanInput::take(QStringView keys)
{
    QList<Scan> scans;
    for (const QChar c : keys) {
        if (!IsEnd(c)) {
            // A line longer than any code is no scan; what comes past the limit is dropped, so a
            // stuck key cannot fill the memory.
            if (m_pending.size() < kLongestScan)
                m_pending += c;
            continue;
        }
        if (!m_pending.trimmed().isEmpty())
            scans.append(ReadScan(m_pending));
        m_pending.clear();
    }
    return scans;
}
