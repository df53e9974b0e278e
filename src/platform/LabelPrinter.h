#pragma once

#include "platform/LabelDrawing.h"

#include <QString>

#include <memory>

// Where the pages of a label job go, one after another.
class LabelPages
{
public:
    virtual ~LabelPages() = default;
    // Draws one page. Throws OperationFailed.
    virtual void add(const LabelPage& page) = 0;
    // Ends the job: the file is complete, or the pages go to the printer. Throws OperationFailed
    // when it could not be; a job not finished leaves no file behind.
    virtual void finish() = 0;
};

// Barcodes and text drawn on paper: libzint's symbols as vectors, never as a scaled picture, and
// the labels' font. Measures for the layout of a label, and opens a PDF file or a printer.
class LabelPrinter
{
public:
    virtual ~LabelPrinter() = default;

    // The symbol's size. Throws OperationFailed with libzint's reason when it cannot encode the
    // data.
    virtual SymbolMetrics measureSymbol(LabelSymbology symbology, const QString& data,
                                        bool digits) = 0;
    // How wide the text is in the labels' font, in millimetres, at the size (the font's height
    // in millimetres).
    virtual double textWidthMm(const QString& text, double sizeMm, bool bold) = 0;

    // A PDF file at the path, of pages as large as the paper's. Throws OperationFailed.
    virtual std::unique_ptr<LabelPages> openPdf(const QString& path, const LabelPaper& paper) = 0;
    // One of the system's printers, chosen in its print dialog with the paper's size; null when
    // the user cancels. Throws OperationFailed.
    virtual std::unique_ptr<LabelPages> openPrinter(const LabelPaper& paper, int pageCount) = 0;
};
