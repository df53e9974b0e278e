#include "desktop/barcodes/PopplerPdfDocument.h"

#include "common/OperationFailed.h"
#include "desktop/barcodes/GreyImageOf.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>

#include <cctype>
#include <poppler-qt6.h>

namespace {
// Whether the file ends as every whole PDF does, with "%%EOF" (and at most blank space or NULs
// after it). Poppler rebuilds what it can of a file cut short and shows its missing pages blank,
// which would read as "no barcodes found"; a mark part way through (a linearized file has one
// after its first page) does not make a file whole.
bool endsWithEndOfFileMark(const QString& path)
{
    constexpr qint64 kTail = 1024;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // Poppler says what is wrong with a file it cannot open
    if (file.size() > kTail && !file.seek(file.size() - kTail))
        return false;
    QByteArray tail = file.read(kTail);
    while (!tail.isEmpty() && (std::isspace(uchar(tail.back())) || tail.back() == '\0'))
        tail.chop(1);
    return tail.endsWith("%%EOF");
}

std::unique_ptr<Poppler::Page> pageOf(Poppler::Document* document, int page)
{
    if (!document || page < 0 || page >= document->numPages())
        throw OperationFailed(
            QCoreApplication::translate("PopplerPdfDocument", "the PDF has no page %1")
                .arg(page + 1));
    std::unique_ptr<Poppler::Page> found = document->page(page);
    if (!found)
        throw OperationFailed(
            QCoreApplication::translate("PopplerPdfDocument", "page %1 of the PDF is damaged")
                .arg(page + 1));
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
        throw OperationFailed(tr("the PDF is damaged or is no PDF"));
    if (document->isLocked())
        throw OperationFailed(tr("the PDF is protected by a password"));
    if (!endsWithEndOfFileMark(path))
        throw OperationFailed(tr("the PDF is damaged (it is cut short)"));
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

void PopplerPdfDocument::renderPage(int page, double dpi, GreyImage& into)
{
    const QImage image = pageOf(m_document.get(), page)->renderToImage(dpi, dpi);
    if (image.isNull())
        throw OperationFailed(tr("page %1 of the PDF cannot be drawn").arg(page + 1));
    GreyImageInto(image, into);
}

void PopplerPdfDocument::close()
{
    m_document.reset();
}
