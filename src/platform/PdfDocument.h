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
    // A page rendered in grey at the given resolution, into `into`, whose pixel buffer is reused
    // when it is large enough: a run of pages then costs no fresh memory a page. Throws
    // OperationFailed.
    virtual void renderPage(int page, double dpi, GreyImage& into) = 0;
    virtual void close() = 0;
};
