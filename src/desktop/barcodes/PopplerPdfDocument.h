#pragma once

#include "platform/PdfDocument.h"

#include <QCoreApplication>

#include <memory>

namespace Poppler {
class Document;
}

// PDF pages rendered by Poppler's Qt 6 binding.
class PopplerPdfDocument final : public PdfDocument
{
    Q_DECLARE_TR_FUNCTIONS(PopplerPdfDocument)
public:
    PopplerPdfDocument();
    ~PopplerPdfDocument() override;

    int open(const QString& path) override;
    QSizeF pageSize(int page) override;
    void renderPage(int page, double dpi, GreyImage& into) override;
    void close() override;

private:
    std::unique_ptr<Poppler::Document> m_document;
};
