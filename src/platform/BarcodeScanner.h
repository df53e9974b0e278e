#pragma once

#include "platform/GreyImage.h"

#include <QByteArray>
#include <QList>
#include <QRect>

// What kind of barcode a symbol is, as far as product codes care.
enum class SymbolKind { Ean13, Ean8, UpcA, UpcE, Isbn13, Ean2, Ean5, Code128, QrCode, Other };

struct ScannedSymbol
{
    SymbolKind kind = SymbolKind::Other;
    QByteArray data;  // as the decoder gives it, without any FNC1 characters
    bool gs1 = false; // the symbol says it carries GS1 Application Identifiers
    QRect bounds;     // where it lies in the image, in pixels
    // How many scan lines read it (ZBar's quality); 0 when the decoder does not say. A linear
    // symbol read by one line alone may be noise whose check digit happens to pass.
    int quality = 0;
};

// Finds the barcodes in a grey image. Called from worker threads: from several at once where the
// platform reads more than one barcode file at a time.
class BarcodeScanner
{
public:
    virtual ~BarcodeScanner() = default;
    // Every symbol found, in no particular order. May skip rows and columns of pixels for speed.
    virtual QList<ScannedSymbol> scan(const GreyImage& image) = 0;
    // The same along every row and column of pixels: slower, and the second look that tells a
    // symbol read by one scan line from noise.
    virtual QList<ScannedSymbol> scanEveryLine(const GreyImage& image) = 0;
};
