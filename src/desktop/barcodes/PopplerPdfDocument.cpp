#include "desktop/barcodes/PopplerPdfDocument.h"

#include "common/OperationFailed.h"
#include "desktop/barcodes/GreyImageOf.h"

#include <QImage>

#include <poppler-qt6.h>

namespace {
std::unique_ptr<Poppler::Page> pageOf(Poppler::Document* document, int page)
{
    if (!document || page < 0 || page >= document->numPages())
        throw OperationFailed(QStringLiteral("the PDF has no page %1").arg(page + 1));
    std::unique_ptr<Poppler::Page> found = document->page(page);
    if (!found)
        throw OperationFailed(QStringLiteral("page %1 of the PDF is damaged").arg(page + 1));
    return found;
}
} // namespace

PopplerPdfDocument::PopplerPdfDocument()
{
    // Poppler writes its complaints ("Incorrect password") to standard error, which in batch mode
    // is ours; what went wrong reaches the user through the exception instead.
    Poppler::setDebugErrorFunction([](const QString&, const QVariant&) {}, QVariant());
}
PopplerPdfDocument::~PopplerPdfDocument() = default;

int PopplerPdfDocument::open(const QString& path)
{
    m_document.reset();
    std::unique_ptr<Poppler::Document> document = Poppler::Document::load(path);
    if (!document)
        throw OperationFailed(QStringLiteral("the PDF is damaged or is no PDF"));
    if (document->isLocked())
        throw OperationFailed(QStringLiteral("the PDF is protected by a password"));
    // Bars come out crisper without smoothing; the grey levels would only blur their edges.
    document->setRenderHint(Poppler::Document::Antialiasing, false);
    document->setRenderHint(Poppler::Document::TextAntialiasing, false);
    m_document = std::move(document);
    return m_document->numPages();
}

QSizeF PopplerPdfDocument::pageSize(int page)
{
    return pageOf(m_document.get(), page)->pageSizeF();
}

GreyImage PopplerPdfDocument::renderPage(int page, double dpi)
{
    QImage image = pageOf(m_document.get(), page)->renderToImage(dpi, dpi);
    if (image.isNull())
        throw OperationFailed(QStringLiteral("page %1 of the PDF cannot be drawn").arg(page + 1));
    image.convertTo(QImage::Format_Grayscale8);
    return GreyImageOf(image);
}

void PopplerPdfDocument::close()
{
    m_document.reset();
}
