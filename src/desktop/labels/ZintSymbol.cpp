#include "desktop/labels/ZintSymbol.h"

#include "common/OperationFailed.h"

#include <QCoreApplication>

#include <zint.h>

namespace {
int ZintSymbology(LabelSymbology symbology)
{
    switch (symbology) {
    case LabelSymbology::Ean13:
    case LabelSymbology::Ean8:
        return BARCODE_EANX_CHK;
    case LabelSymbology::UpcA:
        return BARCODE_UPCA_CHK;
    case LabelSymbology::UpcE:
        return BARCODE_UPCE_CHK;
    case LabelSymbology::Isbn:
        return BARCODE_ISBNX;
    case LabelSymbology::Itf14:
        return BARCODE_ITF14;
    case LabelSymbology::Code128:
        return BARCODE_CODE128;
    }
    return BARCODE_CODE128;
}
} // namespace

ZintSymbol::ZintSymbol(LabelSymbology symbology, const QString& data, bool digits,
                       double barModules)
    : m_symbol(ZBarcode_Create())
{
    if (!m_symbol)
        throw OperationFailed(QCoreApplication::translate("ZintSymbol", "Out of memory."));
    m_symbol->symbology = ZintSymbology(symbology);
    m_symbol->show_hrt = digits ? 1 : 0;
    m_symbol->input_mode = UNICODE_MODE;
    // Every symbol with its quiet zones; ITF-14 with bearer bars above and below, not a box that
    // would widen it.
    m_symbol->output_options = BARCODE_QUIET_ZONES;
    if (symbology == LabelSymbology::Itf14) {
        m_symbol->output_options |= BARCODE_BIND;
        // Bearer bars of five modules, as the standard's 4.8 rounded to whole modules.
        m_symbol->border_width = 5;
    }
    if (barModules > 0)
        m_symbol->height = float(barModules);
    // libzint adds ITF-14's check digit itself; ours was checked already.
    const QByteArray bytes = (symbology == LabelSymbology::Itf14 ? data.left(13) : data).toUtf8();
    const int result = ZBarcode_Encode_and_Buffer_Vector(
        m_symbol, reinterpret_cast<const unsigned char*>(bytes.constData()), int(bytes.size()), 0);
    if (result >= ZINT_ERROR || !m_symbol->vector) {
        const QString reason = QString::fromUtf8(m_symbol->errtxt);
        ZBarcode_Delete(m_symbol);
        m_symbol = nullptr;
        //: %1 is what the barcode library said.
        throw OperationFailed(
            QCoreApplication::translate("ZintSymbol", "libzint cannot draw it: %1").arg(reason));
    }
}

ZintSymbol::~ZintSymbol()
{
    if (m_symbol)
        ZBarcode_Delete(m_symbol);
}
