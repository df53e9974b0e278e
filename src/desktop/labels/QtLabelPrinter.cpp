#include "desktop/labels/QtLabelPrinter.h"

#include "common/OperationFailed.h"
#include "desktop/labels/LabelPainter.h"
#include "desktop/labels/ZintSymbol.h"
#include "desktop/window/DialogParent.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

#include <algorithm>
#include <cfloat>
#include <zint.h>

namespace {
constexpr double kMmPerInch = 25.4;

QPageLayout PageLayoutOf(const LabelPaper& paper)
{
    return QPageLayout(QPageSize(paper.pageMm, QPageSize::Millimeter), QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

// The pages of a job painted on one device: a PDF file, or a printer.
class PaintedPages final : public LabelPages
{
public:
    // `file` is null for a printer. Pages before `from` and after `to` (from 1; 0: every
    // page) are left out, as a printer's page range asks.
    PaintedPages(std::unique_ptr<QPagedPaintDevice> device, std::unique_ptr<QSaveFile> file,
                 int from = 0, int to = 0)
        : m_file(std::move(file))
        , m_device(std::move(device))
        , m_from(from)
        , m_to(to)
    {}
    ~PaintedPages() override
    {
        // Not finished: the painter ends, and the file is thrown away unsaved.
        if (m_painter.isActive())
            m_painter.end();
    }

    void add(const LabelPage& page) override
    {
        ++m_number;
        if (m_from > 0 && (m_number < m_from || m_number > m_to))
            return;
        if (!m_painter.isActive()) {
            if (!m_painter.begin(m_device.get()))
                throw OperationFailed(
                    QCoreApplication::translate("QtLabelPrinter", "The pages could not be begun."));
        } else if (!m_device->newPage()) {
            throw OperationFailed(
                QCoreApplication::translate("QtLabelPrinter", "No room for another page."));
        }
        PaintLabelPage(m_painter, page, m_device->logicalDpiX() / kMmPerInch);
    }

    void finish() override
    {
        if (!m_painter.isActive() && !m_painter.begin(m_device.get()))
            throw OperationFailed(
                QCoreApplication::translate("QtLabelPrinter", "The pages could not be begun."));
        if (!m_painter.end())
            throw OperationFailed(
                QCoreApplication::translate("QtLabelPrinter", "The pages could not be finished."));
        if (m_file && !m_file->commit())
            throw OperationFailed(m_file->errorString());
    }

private:
    // In this order: the painter ends before its device goes, the device before its file.
    std::unique_ptr<QSaveFile> m_file;
    std::unique_ptr<QPagedPaintDevice> m_device;
    QPainter m_painter;
    int m_from, m_to;
    int m_number = 0;
};

// A picture at the PDF's resolution, for measuring: fonts are measured as they are drawn there.
const QImage& MeasuringDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        const int dotsPerMeter = int(QtLabelPrinter::kPdfDpi / kMmPerInch * 1000 + 0.5);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}
} // namespace

QtLabelPrinter::QtLabelPrinter(QWidget* window)
    : m_window(window)
{}

SymbolMetrics QtLabelPrinter::measureSymbol(LabelSymbology symbology, const QString& data,
                                            bool digits)
{
    // Measured at a height of its own, which says what the box holds beside the bars.
    constexpr double kBars = 50;
    const ZintSymbol encoded(symbology, data, digits, kBars);
    const zint_vector& vector = *encoded.symbol().vector;
    constexpr double unit = ZintSymbol::kUnitsPerModule;
    double from = DBL_MAX, to = -DBL_MAX;
    for (const zint_vector_rect* rect = vector.rectangles; rect; rect = rect->next) {
        from = std::min<double>(from, rect->x);
        to = std::max<double>(to, rect->x + rect->width);
    }
    for (const zint_vector_string* text = vector.strings; text; text = text->next) {
        const double left = text->halign == 1   ? text->x
                            : text->halign == 2 ? text->x - text->width
                                                : text->x - text->width / 2;
        from = std::min<double>(from, left);
        to = std::max<double>(to, left + text->width);
    }
    SymbolMetrics metrics;
    metrics.widthModules = vector.width / unit;
    metrics.inkFromModules = from == DBL_MAX ? 0 : from / unit;
    metrics.inkToModules = to == -DBL_MAX ? metrics.widthModules : to / unit;
    metrics.addedHeightModules = std::max(0.0, vector.height / unit - kBars);
    return metrics;
}

double QtLabelPrinter::textWidthMm(const QString& text, double sizeMm, bool bold)
{
    const QFontMetricsF metrics(LabelFont(sizeMm, bold), &MeasuringDevice());
    return metrics.horizontalAdvance(text) / (kPdfDpi / kMmPerInch);
}

std::unique_ptr<LabelPages> QtLabelPrinter::openPdf(const QString& path, const LabelPaper& paper)
{
    // Written beside the file and put in its place at the end: a job that fails or is stopped
    // leaves the file as it was.
    auto file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly))
        throw OperationFailed(file->errorString());
    auto writer = std::make_unique<QPdfWriter>(file.get());
    writer->setResolution(kPdfDpi);
    writer->setPageLayout(PageLayoutOf(paper));
    writer->setCreator(QStringLiteral("Quillfen"));
    writer->setTitle(tr("Labels"));
    return std::make_unique<PaintedPages>(std::move(writer), std::move(file));
}

std::unique_ptr<LabelPages> QtLabelPrinter::openPrinter(const LabelPaper& paper, int pageCount)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The layout places labels from the paper's edge, not from where the printer can print.
    printer->setFullPage(true);
    printer->setPageLayout(PageLayoutOf(paper));
    printer->setDocName(tr("Labels"));
    printer->setFromTo(1, std::max(1, pageCount));
    QPrintDialog dialog(printer.get(), m_window ? DialogParent(*m_window) : nullptr);
    dialog.setWindowTitle(tr("Print Labels"));
    dialog.setMinMax(1, std::max(1, pageCount));
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    printer->setFullPage(true);
    const bool range = printer->printRange() == QPrinter::PageRange;
    const int from = range ? printer->fromPage() : 0;
    const int to = range ? printer->toPage() : 0;
    return std::make_unique<PaintedPages>(std::move(printer), nullptr, from, to);
}
