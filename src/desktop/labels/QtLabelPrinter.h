#pragma once

#include "platform/LabelPrinter.h"

#include <QCoreApplication>

class QWidget;

// Labels drawn by libzint and Qt: PDF files through QPdfWriter, the system's printers through
// Qt's print dialog (CUPS), text measured in the labels' font. Needs a QGuiApplication; the print
// dialog needs widgets.
class QtLabelPrinter final : public LabelPrinter
{
    Q_DECLARE_TR_FUNCTIONS(QtLabelPrinter)
public:
    // `window`: the print dialog's parent; null for none (batch mode never prints).
    explicit QtLabelPrinter(QWidget* window = nullptr);

    SymbolMetrics measureSymbol(LabelSymbology symbology, const QString& data,
                                bool digits) override;
    double textWidthMm(const QString& text, double sizeMm, bool bold) override;
    std::unique_ptr<LabelPages> openPdf(const QString& path, const LabelPaper& paper) override;
    std::unique_ptr<LabelPages> openPrinter(const LabelPaper& paper, int pageCount) override;

    // A PDF's resolution: fine enough that a bar's edge lies within a hundredth of a module.
    static constexpr int kPdfDpi = 1200;

private:
    QWidget* m_window;
};
