#pragma once

#include "platform/LabelDrawing.h"

#include <QString>

#include <memory>

struct zint_symbol;

// One barcode encoded by libzint and laid out as vectors: rectangles for the bars and strings for
// the digits, in libzint's units (two to a module).
class ZintSymbol final
{
public:
    // Encodes the data as the symbology with bars `barModules` high (0: libzint's own height).
    // Throws OperationFailed with libzint's reason when it cannot.
    ZintSymbol(LabelSymbology symbology, const QString& data, bool digits, double barModules);
    ~ZintSymbol();
    ZintSymbol(const ZintSymbol&) = delete;
    ZintSymbol& operator=(const ZintSymbol&) = delete;

    const zint_symbol& symbol() const { return *m_symbol; }
    // Units to a module.
    static constexpr double kUnitsPerModule = 2;

private:
    zint_symbol* m_symbol = nullptr;
};
