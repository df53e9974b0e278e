#include "labels/LabelSymbols.h"

#include "gs1/CodeFacts.h"
#include "gs1/IsbnRanges.h"
#include "lookup/ProductCode.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
// Code 128 holds the characters of ISO 8859-1; a label's line of it stays short enough to scan.
constexpr qsizetype kLongestCode128 = 48;

bool IsPrintableLatin1(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x20 && u < 0x7F) || (u >= 0xA0 && u <= 0xFF);
}
} // namespace

double NominalBarModules(LabelSymbology symbology)
{
    // 22.85 mm and 18.23 mm over the 0.33 mm module.
    return symbology == LabelSymbology::Ean8 ? 18.23 / kNominalModuleMm : 22.85 / kNominalModuleMm;
}

QString SymbologyName(LabelSymbology symbology)
{
    switch (symbology) {
    case LabelSymbology::Ean13:
        return QStringLiteral("EAN-13");
    case LabelSymbology::Ean8:
        return QStringLiteral("EAN-8");
    case LabelSymbology::UpcA:
        return QStringLiteral("UPC-A");
    case LabelSymbology::UpcE:
        return QStringLiteral("UPC-E");
    case LabelSymbology::Isbn:
        return QStringLiteral("ISBN");
    case LabelSymbology::Itf14:
        return QStringLiteral("ITF-14");
    case LabelSymbology::Code128:
        return QStringLiteral("Code 128");
    }
    return {};
}

SymbolChoice ChooseSymbol(QStringView typed)
{
    SymbolChoice choice;
    const CheckedCode checked = CheckCode(typed);
    switch (checked.kind) {
    case CheckedCode::Kind::Valid: {
        // The symbol is the one the code was typed for: the canonical GTIN of a UPC-A or a UPC-E
        // is its 13 digits, which would print the right product under another barcode.
        choice.data = checked.asTyped;
        switch (checked.asTyped.size()) {
        case 8:
            choice.symbology = checked.isUpcE() ? LabelSymbology::UpcE : LabelSymbology::Ean8;
            break;
        case 12:
            choice.symbology = LabelSymbology::UpcA;
            break;
        case 14:
            choice.symbology = LabelSymbology::Itf14;
            break;
        default:
            // 979-0 is a music number (ISMN), printed as the EAN-13 it is.
            choice.symbology = DescribeCode(checked.asTyped).kind == CodeKind::Isbn
                                   ? LabelSymbology::Isbn
                                   : LabelSymbology::Ean13;
            break;
        }
        return choice;
    }
    case CheckedCode::Kind::WrongCheckDigit:
    case CheckedCode::Kind::LostDigits:
        choice.refusal = NotLookedUpReasonShown(checked);
        return choice;
    case CheckedCode::Kind::NotACode:
        break;
    }
    const QString text = typed.trimmed().toString();
    if (text.isEmpty()) {
        choice.refusal = QCoreApplication::translate("LabelSymbols", "no code");
    } else if (text.size() > kLongestCode128) {
        choice.refusal =
            QCoreApplication::translate("LabelSymbols",
                                        "longer than the %1 characters a label's Code 128 holds")
                .arg(kLongestCode128);
    } else if (!std::all_of(text.begin(), text.end(), IsPrintableLatin1)) {
        choice.refusal = QCoreApplication::translate(
            "LabelSymbols", "Code 128 holds letters, digits and signs of Western European "
                            "languages only");
    } else {
        choice.symbology = LabelSymbology::Code128;
        choice.data = text;
    }
    return choice;
}

QString IsbnLine(QStringView isbn13)
{
    // An ISBN whose group or publisher the ranges do not know keeps only its prefix apart.
    if (const std::optional<QString> hyphenated = HyphenatedIsbn(isbn13))
        return QStringLiteral("ISBN ") + *hyphenated;
    return QStringLiteral("ISBN ") + isbn13.first(3) + u'-' + isbn13.sliced(3);
}
