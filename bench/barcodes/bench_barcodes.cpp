// Reading barcodes: 100 generated 1600 x 1200 photos with one EAN-13 each (turned a little,
// blurred by scaling, on a noisy background, saved as JPEG), a 50-page PDF with four EAN-13s a
// page, and the same as a scanner makes it (a 300 dpi JPEG a page, put together by img2pdf), all
// through the reader the window and batch mode use, as many files at once as they read on this
// machine. Prints codes a second, the share of the drawn codes found and any code found that was
// never drawn. Beside them the peers on the same files, where installed: zbarimg on the photos,
// and pdftoppm -r 200 then zbarimg on the scanned PDF. The barcodes are drawn by zint; nothing
// here encodes one.
#include "BenchReport.h"
#include "PeerRun.h"
#include "barcodes/BarcodeReader.h"
#include "desktop/barcodes/PopplerPdfDocument.h"
#include "desktop/barcodes/QtPictureFiles.h"
#include "desktop/barcodes/ZbarBarcodeScanner.h"
#include "lookup/ProductCode.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
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

// A page of a scanner at 300 dpi: paper that is not quite white, with grain, and four labels
// each a little askew.
QImage ScannedPage(const QImage& paper, const QList<QImage>& barcodes, QRandomGenerator& random)
{
    QImage page = paper;
    QPainter painter(&page);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int cellWidth = page.width() / 2;
    const int cellHeight = page.height() / 2;
    for (int k = 0; k < barcodes.size(); ++k) {
        const QImage& barcode = barcodes[k];
        const int width = cellWidth * 2 / 3;
        const int height = width * barcode.height() / barcode.width();
        painter.save();
        painter.translate((k % 2) * cellWidth + cellWidth / 6,
                          (k / 2) * cellHeight + cellHeight / 4);
        painter.rotate(random.bounded(3.0) - 1.5);
        painter.drawImage(QRect(0, 0, width, height), barcode);
        painter.restore();
    }
    return page;
}

// How many of `codes` zbarimg's output ("EAN-13:4006381000007" a line) names.
int CodesIn(const QString& outputPath, const QSet<QString>& codes)
{
    QFile file(outputPath);
    const QByteArray output = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QSet<QString> named;
    for (const QByteArray& line : output.split('\n'))
        named.insert(QString::fromLatin1(line.mid(line.indexOf(':') + 1)));
    int found = 0;
    for (const QString& code : codes)
        found += named.contains(code) ? 1 : 0;
    return found;
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

    // The same run of pages as a scanner makes them, each a JPEG, put in a PDF by img2pdf.
    const QString scannedPath = folder.filePath(QStringLiteral("scanned.pdf"));
    QSet<QString> scannedCodes;
    {
        QImage paper(2480, 3508, QImage::Format_RGB32);
        for (int y = 0; y < paper.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(paper.scanLine(y));
            for (int x = 0; x < paper.width(); ++x) {
                const int level = 236 + int(random.bounded(16));
                line[x] = qRgb(level, level, level - 6);
            }
        }
        constexpr int kDotsPerMetre = 11811; // 300 dpi
        paper.setDotsPerMeterX(kDotsPerMetre);
        paper.setDotsPerMeterY(kDotsPerMetre);
        QStringList arguments{QStringLiteral("-o"), scannedPath};
        for (int page = 0; page < kPdfPages; ++page) {
            QList<QImage> barcodes;
            for (int k = 0; k < kCodesPerPage; ++k) {
                const QString code = Code(2000 + page * kCodesPerPage + k);
                scannedCodes.insert(code);
                barcodes.append(Barcode(code, folder.path()));
            }
            arguments.append(
                folder.filePath(QStringLiteral("scan-%1.jpg").arg(page, 2, 10, QLatin1Char('0'))));
            ScannedPage(paper, barcodes, random).save(arguments.last(), "JPEG", 85);
        }
        std::vector<std::string> img2pdf{"img2pdf"};
        for (const QString& argument : std::as_const(arguments))
            img2pdf.push_back(argument.toStdString());
        if (!RunPeer(img2pdf).ran()) {
            std::fprintf(stderr, "bench_barcodes: img2pdf failed; install the img2pdf package\n");
            return 1;
        }
    }

    QtPictureFiles pictures;
    PopplerPdfDocument pdf;
    PopplerPdfDocument secondPdf;
    ZbarBarcodeScanner scanner;
    // BENCH_FILES_AT_ONCE=1 measures one file at a time, for comparison; BENCH_ONE_PDF_DRAWER=1
    // draws a PDF's pages on one thread, as before there were two.
    const int atOnce = qEnvironmentVariableIsSet("BENCH_FILES_AT_ONCE")
                           ? qEnvironmentVariableIntValue("BENCH_FILES_AT_ONCE")
                           : BarcodeFilesAtOnceOnThisMachine();
    const bool oneDrawer = qEnvironmentVariableIsSet("BENCH_ONE_PDF_DRAWER");
    BarcodeReader reader(
        BarcodeServices{pictures, pdf, scanner, atOnce, oneDrawer ? nullptr : &secondPdf});
    const std::atomic<bool> never{false};

    std::printf("reading %d files at once, PDF pages drawn by %d\n", atOnce, oneDrawer ? 1 : 2);
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

    Tally pdfTally{kPdfPages * kCodesPerPage, 0, 0};
    timer.restart();
    for (const FoundCode& code : reader.read(pdfPath, never, {}).codes)
        (pdfCodes.contains(code.code) ? pdfTally.found : pdfTally.extra) += 1;
    pdfTally.seconds = timer.elapsed() / 1000.0;
    Print("PDF", pdfTally, kPdfPages, "pages");
    ReportRow({"read barcodes, PDF at 200 dpi", "50 pages", pdfTally.seconds, nullptr, 0,
               "< 15 s, all found"});

    Tally scannedTally{kPdfPages * kCodesPerPage, 0, 0};
    timer.restart();
    for (const FoundCode& code : reader.read(scannedPath, never, {}).codes)
        (scannedCodes.contains(code.code) ? scannedTally.found : scannedTally.extra) += 1;
    scannedTally.seconds = timer.elapsed() / 1000.0;
    Print("scanned PDF", scannedTally, kPdfPages, "pages");

    // The peers on the same files: zbarimg on the photos; pdftoppm, then zbarimg on its pages.
    const auto arguments = [](std::vector<std::string> start, const QStringList& more) {
        for (const QString& argument : more)
            start.push_back(argument.toStdString());
        return start;
    };
    const std::string listed = folder.filePath(QStringLiteral("zbarimg.txt")).toStdString();
    const PeerRun photoPeer = RunPeer(arguments({"zbarimg", "-q"}, photos), listed.c_str());
    if (photoPeer.ran())
        std::printf("peer zbarimg, photos: %d of %d in %.2f s; ratio %.2f\n",
                    CodesIn(QString::fromStdString(listed), photoCodes), kPhotos, photoPeer.seconds,
                    photoTally.seconds / photoPeer.seconds);
    ReportPeerRow({"read barcodes, 1600x1200 JPEG photos", "100 photos", photoTally.seconds,
                   photoPeer.ran() ? "zbarimg" : nullptr, photoPeer.seconds,
                   ">= 10 photos/s, all found, no other"});
    QDir(folder.path()).mkdir(QStringLiteral("rendered"));
    const QString rendered = folder.filePath(QStringLiteral("rendered"));
    const PeerRun pdftoppm = RunPeer(
        arguments({"pdftoppm", "-r", "200"}, {scannedPath, rendered + QStringLiteral("/page")}));
    PeerRun pdfPeer;
    if (pdftoppm.ran()) {
        QStringList pages;
        for (const QString& name : QDir(rendered).entryList(QDir::Files, QDir::Name))
            pages.append(rendered + u'/' + name);
        const PeerRun zbarimg = RunPeer(arguments({"zbarimg", "-q"}, pages), listed.c_str());
        if (zbarimg.ran()) {
            pdfPeer.seconds = pdftoppm.seconds + zbarimg.seconds;
            std::printf("peer pdftoppm -r 200 (%.2f s) + zbarimg (%.2f s), scanned PDF: %d of %d "
                        "in %.2f s; ratio %.2f (target <= 0.45)\n",
                        pdftoppm.seconds, zbarimg.seconds,
                        CodesIn(QString::fromStdString(listed), scannedCodes),
                        kPdfPages * kCodesPerPage, pdfPeer.seconds,
                        scannedTally.seconds / pdfPeer.seconds);
        }
    }
    ReportPeerRow({"read barcodes, scanned PDF (img2pdf)", "50 pages", scannedTally.seconds,
                   pdfPeer.ran() ? "pdftoppm + zbarimg" : nullptr, pdfPeer.seconds,
                   "ratio <= 0.45, all 200 found"});
    return 0;
}
