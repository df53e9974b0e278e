#pragma once

#include "platform/GreyImage.h"

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <shared_mutex>
#include <vector>

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
// Pictures up to this size are read beside others; a larger one, and a PDF, alone: two pictures
// of 100 megapixels at once would pass the program's memory bound.
inline constexpr qint64 kPicturePixelsReadAlongside = 16'000'000;

struct BarcodeServices
{
    PictureFiles& pictures;
    PdfDocument& pdf;
    BarcodeScanner& scanner;
    // How many files readFiles reads at once, one thread each; above 1, `pictures` and `scanner`
    // are called from that many threads together (the PDF document from one at a time).
    int filesAtOnce = 1;
    // A second document the pages of a PDF are drawn with beside `pdf`, each on a thread of its
    // own, while the pages drawn are scanned; without it, one thread draws them all.
    PdfDocument* secondPdf = nullptr;
};

// As many files at once as there are cores, up to four: reading a photo is mostly decoding and
// scanning, which keep a core busy each.
int BarcodeFilesAtOnceOnThisMachine();

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
    // The pages of a PDF that could not be read, each saying which and why ("page 3 of the PDF
    // is damaged"); the codes of its other pages are in `codes`. When no page could be read,
    // `problem` says why instead.
    QStringList pageProblems;
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
    BarcodeReader(const BarcodeReader&) = delete;
    BarcodeReader& operator=(const BarcodeReader&) = delete;

    using ProgressSink = std::function<void(const BarcodeProgress&)>;
    // Reads one file; `cancel` is looked at before every page. Never throws for a file it cannot
    // read: the result says why.
    BarcodeFileResult read(const QString& path, const std::atomic<bool>& cancel,
                           const ProgressSink& progress, BarcodeProgress at = {});
    // Reads every file, filesAtOnce at a time, and gives the results in the order of `paths`;
    // after `cancel`, the files not yet begun come back cancelled. `progress` is called from one
    // thread at a time.
    std::vector<BarcodeFileResult> readFiles(const QStringList& paths,
                                             const std::atomic<bool>& cancel,
                                             const ProgressSink& progress);

    // The codes of one image in reading order, each once; `others` counts the symbols that hold
    // none.
    QStringList codesOfImage(const GreyImage& image, int& others);

private:
    void readPicture(BarcodeFileResult& result);
    void readPdf(BarcodeFileResult& result, const std::atomic<bool>& cancel,
                 const ProgressSink& progress, BarcodeProgress at);

    BarcodeServices m_services;
    // Shared by the pictures read alongside each other, held alone by a large one or a PDF.
    std::shared_mutex m_memory;
};

// The part of a picture around a symbol read by one scan line, where its bars may be.
QRect SurroundingsOf(const QRect& bounds);
// The part of the picture inside `part`; empty when they do not meet.
GreyImage Cropped(const GreyImage& image, const QRect& part);

// Half the width and height, each pixel the mean of four.
GreyImage HalfSize(const GreyImage& image);
