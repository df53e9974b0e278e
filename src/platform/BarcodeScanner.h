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
};

// Finds the barcodes in a grey image. Called from worker threads: from several at once where the
// platform reads more than one barcode file at a time.
class BarcodeScanner
{
public:
    virtual ~BarcodeScanner() = default;
    // Every symbol found, in no particular order.
    virtual QList<ScannedSymbol> scan(const GreyImage& image) = 0;
};
