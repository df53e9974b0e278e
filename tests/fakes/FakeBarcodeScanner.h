#pragma once

#include "fakes/FakeHook.h"
#include "platform/BarcodeScanner.h"

#include <QHash>

// The symbols "in" a picture, looked up by its pixels: a test gives each picture a few bytes of
// its own.
class FakeBarcodeScanner final : public BarcodeScanner
{
public:
    ~FakeBarcodeScanner() override;
    QList<ScannedSymbol> scan(const GreyImage& image) override
    {
        hook(u"scan");
        return symbols.value(image.pixels);
    }
    QList<ScannedSymbol> scanEveryLine(const GreyImage& image) override
    {
        hook(u"scanEveryLine");
        return everyLine.contains(image.pixels) ? everyLine.value(image.pixels)
                                                : symbols.value(image.pixels);
    }

    QHash<QByteArray, QList<ScannedSymbol>> symbols;
    // What the closer look finds, where it differs from `symbols`.
    QHash<QByteArray, QList<ScannedSymbol>> everyLine;
    FakeHook hook{"FakeBarcodeScanner", {u"scan", u"scanEveryLine"}};
};
