#include "desktop/barcodes/ZbarBarcodeScanner.h"

#include <algorithm>
#include <climits>
#include <zbar.h>

namespace {
constexpr int kScanLineSpacing = 2;

SymbolKind kindOf(zbar::zbar_symbol_type_t type)
{
    switch (type) {
    case zbar::ZBAR_EAN13:
        return SymbolKind::Ean13;
    case zbar::ZBAR_EAN8:
        return SymbolKind::Ean8;
    case zbar::ZBAR_UPCA:
        return SymbolKind::UpcA;
    case zbar::ZBAR_UPCE:
        return SymbolKind::UpcE;
    case zbar::ZBAR_ISBN13:
        return SymbolKind::Isbn13;
    case zbar::ZBAR_EAN2:
        return SymbolKind::Ean2;
    case zbar::ZBAR_EAN5:
        return SymbolKind::Ean5;
    case zbar::ZBAR_CODE128:
        return SymbolKind::Code128;
    case zbar::ZBAR_QRCODE:
        return SymbolKind::QrCode;
    default:
        return SymbolKind::Other;
    }
}

QRect boundsOf(const zbar::zbar_symbol_t* symbol)
{
    const unsigned points = zbar::zbar_symbol_get_loc_size(symbol);
    if (points == 0)
        return {};
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (unsigned i = 0; i < points; ++i) {
        const int x = zbar::zbar_symbol_get_loc_x(symbol, i);
        const int y = zbar::zbar_symbol_get_loc_y(symbol, i);
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QList<ScannedSymbol> scanAt(const GreyImage& image, int lineSpacing)
{
    QList<ScannedSymbol> found;
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() < qsizetype(image.width) * image.height)
        return found;
    // A scanner of its own for every image: ZBar's scanners keep state between images (to
    // follow video), and a fresh one costs next to nothing.
    zbar::ImageScanner scanner;
    scanner.set_config(zbar::ZBAR_UPCA, zbar::ZBAR_CFG_ENABLE, 1);
    scanner.set_config(zbar::ZBAR_UPCE, zbar::ZBAR_CFG_ENABLE, 1);
    scanner.set_config(zbar::ZBAR_ISBN13, zbar::ZBAR_CFG_ENABLE, 1);
    scanner.set_config(zbar::ZBAR_EAN2, zbar::ZBAR_CFG_ENABLE, 0);
    scanner.set_config(zbar::ZBAR_EAN5, zbar::ZBAR_CFG_ENABLE, 0);
    scanner.set_config(zbar::ZBAR_NONE, zbar::ZBAR_CFG_X_DENSITY, lineSpacing);
    scanner.set_config(zbar::ZBAR_NONE, zbar::ZBAR_CFG_Y_DENSITY, lineSpacing);
    zbar::Image zimage(unsigned(image.width), unsigned(image.height), "Y800",
                       image.pixels.constData(), unsigned(image.pixels.size()));
    if (scanner.scan(zimage) <= 0)
        return found;
    for (const zbar::zbar_symbol_t* symbol = zbar::zbar_image_first_symbol(zimage); symbol;
         symbol = zbar::zbar_symbol_next(symbol)) {
        ScannedSymbol scanned;
        scanned.kind = kindOf(zbar::zbar_symbol_get_type(symbol));
        scanned.data = QByteArray(zbar::zbar_symbol_get_data(symbol),
                                  int(zbar::zbar_symbol_get_data_length(symbol)));
        scanned.gs1 = (zbar::zbar_symbol_get_modifiers(symbol) & (1u << zbar::ZBAR_MOD_GS1)) != 0;
        scanned.bounds = boundsOf(symbol);
        // ZBar counts every scan line that decoded the same text, wherever in the image.
        scanned.quality = zbar::zbar_symbol_get_quality(symbol);
        found.append(scanned);
    }
    return found;
}
} // namespace

QList<ScannedSymbol> ZbarBarcodeScanner::scan(const GreyImage& image)
{
    // Every second row and column: a barcode is crossed by dozens of scan lines either way, and
    // scanning takes half the time.
    return scanAt(image, kScanLineSpacing);
}

QList<ScannedSymbol> ZbarBarcodeScanner::scanEveryLine(const GreyImage& image)
{
    return scanAt(image, 1);
}
