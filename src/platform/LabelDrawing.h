#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

// The barcodes a label may carry, each as libzint draws it.
enum class LabelSymbology { Ean13, Ean8, UpcA, UpcE, Isbn, Itf14, Code128 };

// A barcode on a label: what is encoded, and where and how large it is drawn. Lengths are in
// millimetres from the label's top-left corner.
struct LabelSymbol
{
    LabelSymbology symbology = LabelSymbology::Ean13;
    // The digits with their check digit, or Code 128's text.
    QString data;
    // The digits under the bars (EAN and UPC carry them in the guard bars' gaps).
    bool digits = true;
    // The top-left corner of the symbol's box, its quiet zones included.
    QPointF origin;
    double moduleMm = 0.33;
    // The bars' height, in modules.
    double barModules = 0;

    bool operator==(const LabelSymbol&) const = default;
};

// How large a symbol is, in modules, as libzint draws it.
struct SymbolMetrics
{
    // The whole box, quiet zones included.
    double widthModules = 0;
    // Where ink starts and ends across the box: bars and the digits beside them.
    double inkFromModules = 0;
    double inkToModules = 0;
    // What the box holds beside the bars' own height: longer guard bars, the digits under them,
    // bearer bars.
    double addedHeightModules = 0;
};

enum class LabelTextAlign { Left, Centre, Right };

// A line of text on a label, plain text that fits its box (already elided).
struct LabelTextLine
{
    QString text;
    QRectF box; // millimetres from the label's top-left corner
    double sizeMm = 3;
    bool bold = false;
    LabelTextAlign align = LabelTextAlign::Centre;

    bool operator==(const LabelTextLine&) const = default;
};

// One label as it is printed.
struct DrawnLabel
{
    QRectF cell; // millimetres from the page's top-left corner
    std::optional<LabelSymbol> symbol;
    QList<LabelTextLine> lines;
    // The code in the words of the user ("4006381333931"), for whoever reads the page back.
    QString code;
};

// The sheet the labels are printed on.
struct LabelPaper
{
    QSizeF pageMm;
    // Every place for a label on a page, left to right and top to bottom, for the preview.
    QList<QRectF> cells;
    double cornerRadiusMm = 0;
};

// One page of labels; places without one stay blank.
struct LabelPage
{
    QList<DrawnLabel> labels;
};
