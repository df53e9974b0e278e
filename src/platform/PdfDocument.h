#pragma once

#include "platform/GreyImage.h"

#include <QSizeF>
#include <QString>

// One PDF file at a time, its pages rendered as pictures. Used from a worker thread.
class PdfDocument
{
public:
    virtual ~PdfDocument() = default;
    // Opens the file, closing the one open before, and gives its number of pages. Throws
    // OperationFailed for a file that cannot be opened, is damaged or asks for a password.
    virtual int open(const QString& path) = 0;
    // A page's size in points (1/72 inch); pages count from 0.
    virtual QSizeF pageSize(int page) = 0;
    // A page rendered in grey at the given resolution. Throws OperationFailed.
    virtual GreyImage renderPage(int page, double dpi) = 0;
    virtual void close() = 0;
};
