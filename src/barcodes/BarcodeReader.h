#pragma once

#include "platform/GreyImage.h"

#include <QList>
#include <QString>

#include <atomic>
#include <functional>

class BarcodeScanner;
class PdfDocument;
class PictureFiles;

// An image larger than this is refused: decoding it would take more memory than the program may.
inline constexpr qint64 kMaxPicturePixels = 100'000'000;
inline constexpr int kMaxPdfPages = 500;
inline constexpr double kPdfPageDpi = 200;
// A page that would render larger at kPdfPageDpi is rendered at a lower resolution; the page
// comes in four bytes a pixel before it is turned grey.
inline constexpr qint64 kMaxRenderedPagePixels = 40'000'000;
// A photo this large that shows no barcode is read again at half size, where the bars of a
// picture taken too close, or out of focus, come out sharper.
inline constexpr qint64 kRetryHalfSizePixels = 6'000'000;

struct BarcodeServices
{
    PictureFiles& pictures;
    PdfDocument& pdf;
    BarcodeScanner& scanner;
};

// One code found, and on which page (from 1; 0 in an image).
struct FoundCode
{
    QString code;
    int page = 0;
};

struct BarcodeFileResult
{
    QString path;
    QList<FoundCode> codes;
    int otherSymbols = 0; // barcodes that hold no product code (a web address, an add-on)
    // Why nothing was read, naming the limit where there is one: "larger than 100 megapixels
    // (12,000 x 9,000)". Empty when the file was read.
    QString problem;
    bool cancelled = false;
};

struct BarcodeProgress
{
    QString fileName; // without its folder
    int fileNumber = 1;
    int fileCount = 1;
    int page = 1;
    int pageCount = 1;
};

// "Reading barcodes: delivery-note.pdf (page 2 of 5)"
QString BarcodeProgressText(const BarcodeProgress& progress);
// How far, in thousandths, over all the files.
int BarcodeProgressPermille(const BarcodeProgress& progress);
// Where a code came from: "shelf.jpg", or "delivery-note.pdf, page 2".
QString BarcodeOrigin(const QString& path, int page);

// The product codes in pictures and PDF pages: file, then page, then top to bottom and left to
// right. A code shown twice in one image is taken once.
class BarcodeReader final
{
public:
    explicit BarcodeReader(BarcodeServices services)
        : m_services(services)
    {}

    using ProgressSink = std::function<void(const BarcodeProgress&)>;
    // Reads one file; `cancel` is looked at before every page. Never throws for a file it cannot
    // read: the result says why.
    BarcodeFileResult read(const QString& path, const std::atomic<bool>& cancel,
                           const ProgressSink& progress, BarcodeProgress at = {});

    // The codes of one image in reading order, each once; `others` counts the symbols that hold
    // none.
    QStringList codesOfImage(const GreyImage& image, int& others);

private:
    void readPicture(BarcodeFileResult& result);
    void readPdf(BarcodeFileResult& result, const std::atomic<bool>& cancel,
                 const ProgressSink& progress, BarcodeProgress at);

    BarcodeServices m_services;
};

// Half the width and height, each pixel the mean of four.
GreyImage HalfSize(const GreyImage& image);
