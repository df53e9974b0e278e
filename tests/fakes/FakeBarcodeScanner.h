#pragma once

#include "fakes/FakeHook.h"
#include "platform/BarcodeScanner.h"

#include <QHash>

// The symbols "in" a picture, looked up by its first pixel: a test gives each picture a grey
// level of its own, all over, so that a part cut out of it is found too.
class FakeBarcodeScanner final : public BarcodeScanner
{
public:
    ~FakeBarcodeScanner() override;
    QList<ScannedSymbol> scan(const GreyImage& image) override
    {
        hook(u"scan");
        return symbols.value(image.pixels.left(1));
    }
    QList<ScannedSymbol> scanEveryLine(const GreyImage& image) override
    {
        hook(u"scanEveryLine");
        const QByteArray level = image.pixels.left(1);
        return everyLine.contains(level) ? everyLine.value(level) : symbols.value(level);
    }

    QHash<QByteArray, QList<ScannedSymbol>> symbols;
    // What the closer look finds, where it differs from `symbols`.
    QHash<QByteArray, QList<ScannedSymbol>> everyLine;
    FakeHook hook{"FakeBarcodeScanner", {u"scan", u"scanEveryLine"}};
};
