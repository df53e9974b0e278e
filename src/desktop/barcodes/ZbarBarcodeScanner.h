#pragma once

#include "platform/BarcodeScanner.h"

// Barcodes found by ZBar, with UPC-A and UPC-E on (ZBar reports them as EAN-13 otherwise) and the
// EAN-2 and EAN-5 add-ons off.
class ZbarBarcodeScanner final : public BarcodeScanner
{
public:
    QList<ScannedSymbol> scan(const GreyImage& image) override;
    QList<ScannedSymbol> scanEveryLine(const GreyImage& image) override;
};
