#include "barcodes/ProductBarcodes.h"

#include "gs1/CodeFacts.h"
#include "lookup/ProductCode.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <cctype>

namespace {
bool allDigits(QStringView text)
{
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// The whole length, identifier included, of elements whose identifier starts with these two
// digits; GS1 fixes their lengths, so that no separator follows them. 0: variable.
int predefinedLength(QByteArrayView twoDigits)
{
    const int prefix = (twoDigits[0] - '0') * 10 + (twoDigits[1] - '0');
    switch (prefix) {
    case 0:
        return 20;
    case 1:
    case 2:
    case 3:
        return 16;
    case 4:
        return 18;
    case 20:
        return 4;
    case 41:
        return 16;
    default:
        if (prefix >= 11 && prefix <= 19)
            return 8;
        if (prefix >= 31 && prefix <= 36)
            return 10;
        return 0;
    }
}

std::optional<QString> validGtin(const QString& digits)
{
    const CheckedCode checked = CheckCode(digits);
    if (!checked.isValid() || checked.asTyped != digits)
        return std::nullopt;
    return digits;
}

QPoint middle(const QRect& bounds)
{
    return bounds.center();
}
} // namespace

std::optional<QString> ExpandUpcE(QStringView upcE)
{
    if (upcE.size() != 8 || !allDigits(upcE) || (upcE[0] != u'0' && upcE[0] != u'1'))
        return std::nullopt;
    return UpcEExpanded(upcE) + upcE[7];
}

std::optional<QString> GtinOfGs1Elements(QByteArrayView elements)
{
    qsizetype at = 0;
    while (at + 2 <= elements.size()) {
        const QByteArrayView rest = elements.sliced(at);
        if (!std::isdigit(static_cast<unsigned char>(rest[0])) ||
            !std::isdigit(static_cast<unsigned char>(rest[1])))
            return std::nullopt;
        if (rest.startsWith("01")) {
            if (rest.size() < 16)
                return std::nullopt;
            const QString gtin = QString::fromLatin1(rest.sliced(2, 14));
            return allDigits(gtin) ? std::optional<QString>(gtin) : std::nullopt;
        }
        const int fixed = predefinedLength(rest);
        if (fixed > 0) {
            at += fixed;
            if (at < elements.size() && elements[at] == '\x1d')
                ++at; // a separator that was not needed
            continue;
        }
        const qsizetype separator = rest.indexOf('\x1d');
        if (separator < 0)
            return std::nullopt;
        at += separator + 1;
    }
    return std::nullopt;
}

std::optional<QString> GtinOfSymbol(const ScannedSymbol& symbol)
{
    const QString text = QString::fromLatin1(symbol.data);
    if (symbol.gs1) {
        const std::optional<QString> gtin14 = GtinOfGs1Elements(symbol.data);
        if (!gtin14 || !validGtin(*gtin14))
            return std::nullopt;
        return gtin14->startsWith(u'0') ? gtin14->sliced(1) : *gtin14;
    }
    switch (symbol.kind) {
    case SymbolKind::Ean13:
    case SymbolKind::Isbn13:
    case SymbolKind::Ean8:
        return validGtin(text);
    case SymbolKind::UpcA:
        // Some decoders give a UPC-A as the EAN-13 it also is, with a leading 0.
        return validGtin(text.size() == 13 && text.startsWith(u'0') ? text.sliced(1) : text);
    case SymbolKind::UpcE:
        if (const std::optional<QString> upcA = ExpandUpcE(text))
            return validGtin(*upcA);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

QSet<QString> CodesReadTwice(const QList<ScannedSymbol>& symbols)
{
    QHash<QString, int> reads;
    for (const ScannedSymbol& symbol : symbols) {
        const std::optional<QString> code = GtinOfSymbol(symbol);
        if (!code)
            continue;
        // A decoder that gives no count, and a 2D symbol (its error correction rules out noise
        // read as a code), count as read twice.
        const bool once = symbol.quality == 1 && symbol.kind != SymbolKind::QrCode;
        reads[*code] += once ? 1 : 2;
    }
    QSet<QString> twice;
    for (auto at = reads.cbegin(); at != reads.cend(); ++at) {
        if (at.value() >= 2)
            twice.insert(at.key());
    }
    return twice;
}

void SortInReadingOrder(QList<ScannedSymbol>& symbols)
{
    std::stable_sort(symbols.begin(), symbols.end(),
                     [](const ScannedSymbol& a, const ScannedSymbol& b) {
                         return a.bounds.top() < b.bounds.top();
                     });
    qsizetype rowStart = 0;
    while (rowStart < symbols.size()) {
        const QRect first = symbols[rowStart].bounds;
        qsizetype rowEnd = rowStart + 1;
        while (rowEnd < symbols.size() && middle(symbols[rowEnd].bounds).y() <= first.bottom())
            ++rowEnd;
        std::stable_sort(symbols.begin() + rowStart, symbols.begin() + rowEnd,
                         [](const ScannedSymbol& a, const ScannedSymbol& b) {
                             return a.bounds.left() < b.bounds.left();
                         });
        rowStart = rowEnd;
    }
}

bool IsPictureFile(const QString& path)
{
    static const QStringList extensions{
        QStringLiteral("png"), QStringLiteral("jpg"),  QStringLiteral("jpeg"),
        QStringLiteral("bmp"), QStringLiteral("tif"),  QStringLiteral("tiff"),
        QStringLiteral("gif"), QStringLiteral("webp"), QStringLiteral("pbm"),
        QStringLiteral("pgm"), QStringLiteral("ppm")};
    return extensions.contains(QFileInfo(path).suffix().toLower());
}

bool IsPdfFile(const QString& path)
{
    return QFileInfo(path).suffix().compare(u"pdf", Qt::CaseInsensitive) == 0;
}
