#pragma once

#include "platform/LabelDrawing.h"

#include <QString>
#include <QStringView>

#include <optional>

// The symbol's size at 100%: the module (X-dimension) of EAN and UPC, with which EAN-13 is
// 37.29 mm wide, quiet zones included (113 modules). Every symbol on a label is scaled from it.
inline constexpr double kNominalModuleMm = 0.33;
// A label's barcode is scaled to fit, never below 80% (a module of 0.264 mm, the smallest that
// scanners at a till are made for) nor above 200%; its bars are never cut below half their
// height at that scale.
inline constexpr double kSmallestScale = 0.8;
inline constexpr double kLargestScale = 2.0;
inline constexpr double kShortestBars = 0.5;

// The bars' height at 100%, in modules: EAN-13, UPC-A, UPC-E and ISBN 22.85 mm, EAN-8 18.23 mm;
// ITF-14 and Code 128 on a label, as EAN-13's.
double NominalBarModules(LabelSymbology symbology);

// "EAN-13", "ITF-14", ...
QString SymbologyName(LabelSymbology symbology);

// The barcode a code is printed as, or why it is not printed.
struct SymbolChoice
{
    std::optional<LabelSymbology> symbology;
    // What the symbol encodes: the digits with their check digit, or Code 128's text.
    QString data;
    // Why the code is refused (a wrong check digit, digits a spreadsheet lost, a text Code 128
    // cannot hold); empty when it is printed.
    QString refusal;
};

// A checked GTIN by its length: EAN-8 (UPC-E when its digits are one), UPC-A, EAN-13 (ISBN for
// the 978 and 979 books), ITF-14 for the case codes; an ISBN-10 as its EAN-13. Anything the user
// types that is no GTIN (letters, other lengths of digits) goes into Code 128; a GTIN with a wrong
// check digit is refused, not printed.
SymbolChoice ChooseSymbol(QStringView typed);

// The line above an ISBN's bars: "ISBN 978-3-16-148410-0", hyphenated where the ISBN ranges
// know the groups, else "ISBN 978-" and the ten digits after the prefix.
QString IsbnLine(QStringView isbn13);
