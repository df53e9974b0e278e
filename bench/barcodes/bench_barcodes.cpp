// Reading barcodes: 100 generated 1600 x 1200 photos with one EAN-13 each (turned a little,
// blurred by scaling, on a noisy background, saved as JPEG), and a 50-page PDF with four EAN-13s
// a page, both through the reader the window and batch mode use, as many files at once as they
// read on this machine. Prints codes a second and the share of the drawn codes found. The barcodes
// are drawn by zint; nothing here encodes one.
#include "BenchReport.h"
#include "barcodes/BarcodeReader.h"
#include "desktop/barcodes/PopplerPdfDocument.h"
#include "desktop/barcodes/QtPictureFiles.h"
#include "desktop/barcodes/ZbarBarcodeScanner.h"
#include "lookup/ProductCode.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>

#include <cstdio>

namespace {
constexpr int kPhotos = 100;
constexpr int kPdfPages = 50;
constexpr int kCodesPerPage = 4;

// The n-th code of a run, with its check digit.
QString Code(int n)
{
    const QString body = QStringLiteral("4006381%1").arg(n, 5, 10, QLatin1Char('0'));
    const QString guess = body + u'0';
    const CheckedCode checked = CheckCode(guess);
    return checked.isValid() ? guess : QString(body + checked.expectedCheckDigit);
}

QImage Barcode(const QString& code, const QString& folder)
{
    const QString path = folder + QStringLiteral("/zint-") + code + QStringLiteral(".png");
    QProcess zint;
    zint.start(QStringLiteral("zint"),
               {QStringLiteral("-b"), QStringLiteral("EANX"), QStringLiteral("--scale=2"),
                QStringLiteral("-d"), code.first(12), QStringLiteral("-o"), path});
    if (!zint.waitForFinished() || zint.exitCode() != 0) {
        std::fprintf(stderr, "bench_barcodes: zint failed; install the zint package\n");
        std::exit(1);
    }
    return QImage(path);
}

QImage Photo(const QImage& barcode, QRandomGenerator& random)
{
    QImage photo(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const int level = 150 + (x + y) / 40 + int(random.bounded(30));
            line[x] = qRgb(level, level - 10, level - 25);
        }
    }
    QPainter painter(&photo);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double scale = 1.5 + random.bounded(1.0);
    const QSize drawn = (QSizeF(barcode.size()) * scale).toSize();
    painter.translate(100 + random.bounded(std::max(1, 1400 - drawn.width())),
                      150 + random.bounded(std::max(1, 900 - drawn.height())));
    painter.rotate(random.bounded(20.0) - 10);
    painter.scale(scale, scale);
    painter.fillRect(QRect(QPoint(-20, -20), barcode.size() + QSize(40, 40)), Qt::white);
    painter.drawImage(0, 0, barcode);
    return photo;
}

struct Tally
{
    int drawn = 0;
    int found = 0;
    double seconds = 0;
    int extra = 0; // codes found that were never drawn
};

void Print(const char* what, const Tally& tally, int items, const char* unit)
{
    std::printf(
        "%s: %d of %d codes found (%.1f%%), %d others, in %.2f s: %.1f codes/s, %.1f %s/s\n", what,
        tally.found, tally.drawn, 100.0 * tally.found / tally.drawn, tally.extra, tally.seconds,
        tally.found / tally.seconds, items / tally.seconds, unit);
}
} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTemporaryDir folder;
    if (qEnvironmentVariableIsSet("BENCH_KEEP")) {
        folder.setAutoRemove(false);
        std::printf("files in %s\n", qPrintable(folder.path()));
    }
    QRandomGenerator random(22);

    std::printf("making %d photos and a %d-page PDF with zint ...\n", kPhotos, kPdfPages);
    QStringList photos;
    QSet<QString> photoCodes;
    for (int i = 0; i < kPhotos; ++i) {
        const QString code = Code(i);
        photoCodes.insert(code);
        photos.append(folder.filePath(QStringLiteral("photo-%1.jpg").arg(i)));
        Photo(Barcode(code, folder.path()), random).save(photos.last(), "JPEG", 85);
    }
    const QString pdfPath = folder.filePath(QStringLiteral("catalogue.pdf"));
    QSet<QString> pdfCodes;
    {
        QPdfWriter writer(pdfPath);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        QPainter painter(&writer);
        for (int page = 0; page < kPdfPages; ++page) {
            if (page > 0)
                writer.newPage();
            for (int k = 0; k < kCodesPerPage; ++k) {
                const QString code = Code(1000 + page * kCodesPerPage + k);
                pdfCodes.insert(code);
                const QImage barcode = Barcode(code, folder.path());
                // Two by two, each two thirds of its quarter of the page wide.
                const int cellWidth = writer.width() / 2;
                const int cellHeight = writer.height() / 2;
                const int width = cellWidth * 2 / 3;
                const int height = width * barcode.height() / barcode.width();
                painter.drawImage(QRect((k % 2) * cellWidth + cellWidth / 6,
                                        (k / 2) * cellHeight + cellHeight / 4, width, height),
                                  barcode);
            }
        }
    }

    QtPictureFiles pictures;
    PopplerPdfDocument pdf;
    ZbarBarcodeScanner scanner;
    // BENCH_FILES_AT_ONCE=1 measures one file at a time, for comparison.
    const int atOnce = qEnvironmentVariableIsSet("BENCH_FILES_AT_ONCE")
                           ? qEnvironmentVariableIntValue("BENCH_FILES_AT_ONCE")
                           : BarcodeFilesAtOnceOnThisMachine();
    BarcodeReader reader(BarcodeServices{pictures, pdf, scanner, atOnce});
    const std::atomic<bool> never{false};

    std::printf("reading %d files at once\n", atOnce);
    Tally photoTally{kPhotos, 0, 0};
    QElapsedTimer timer;
    timer.start();
    for (const BarcodeFileResult& read : reader.readFiles(photos, never, {})) {
        for (const FoundCode& code : read.codes)
            (photoCodes.contains(code.code) ? photoTally.found : photoTally.extra) += 1;
        if (read.codes.isEmpty())
            std::printf("  nothing found in %s\n", qPrintable(read.path));
    }
    photoTally.seconds = timer.elapsed() / 1000.0;
    Print("photos", photoTally, kPhotos, "photos");
    ReportRow({"read barcodes, 1600x1200 JPEG photos", "100 photos", photoTally.seconds, nullptr, 0,
               ">= 10 photos/s, all found"});

    Tally pdfTally{kPdfPages * kCodesPerPage, 0, 0};
    timer.restart();
    for (const FoundCode& code : reader.read(pdfPath, never, {}).codes)
        (pdfCodes.contains(code.code) ? pdfTally.found : pdfTally.extra) += 1;
    pdfTally.seconds = timer.elapsed() / 1000.0;
    Print("PDF", pdfTally, kPdfPages, "pages");
    ReportRow({"read barcodes, PDF at 200 dpi", "50 pages", pdfTally.seconds, nullptr, 0,
               "< 15 s, all found"});
    return 0;
}
