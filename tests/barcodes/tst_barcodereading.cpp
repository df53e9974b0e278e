// The generated pictures and PDFs in data/ (make-fixtures.sh) read through the real image
// plugins, Poppler and ZBar: each gives back exactly the codes drawn in it, in reading order, or
// says why it cannot be read.
#include "barcodes/BarcodeReader.h"
#include "common/OperationFailed.h"
#include "desktop/barcodes/PopplerPdfDocument.h"
#include "desktop/barcodes/QtPictureFiles.h"
#include "desktop/barcodes/ZbarBarcodeScanner.h"
#include "program/PictureModule.h"

#include <QDir>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

class TestBarcodeReading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void generatedFile_readsBackItsCodes_data();
    void generatedFile_readsBackItsCodes();
    void severalFilesAtOnce_sameResultsInTheSameOrder();
    void largeColourPicture_readsItsCodeWithinQtsLimitAfterwards();
    void picturesModule_missing_failsEachUseUntilItIsThere();
};

namespace {
QString DataFile(const QString& name)
{
    return QStringLiteral(QUILLFEN_SOURCE_DIR "/tests/barcodes/data/") + name;
}

// "digits" from a picture, "digits@page" from a PDF, or "problem: why".
QStringList Found(const BarcodeFileResult& read)
{
    if (!read.problem.isEmpty())
        return {QStringLiteral("problem: ") + read.problem};
    QStringList found;
    for (const FoundCode& code : read.codes)
        found.append(code.page > 0 ? code.code + u'@' + QString::number(code.page) : code.code);
    return found;
}
} // namespace

void TestBarcodeReading::generatedFile_readsBackItsCodes_data()
{
    QTest::addColumn<QString>("file");
    // Each code as "digits" from a picture, "digits@page" from a PDF.
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<int>("others");
    QTest::addColumn<QString>("problem");

    const auto row = [](const char* file, QStringList codes, int others = 0,
                        const QString& problem = {}) {
        QTest::newRow(file) << QString::fromLatin1(file) << codes << others << problem;
    };
    row("ean13.png", {"4006381333931"});
    row("ean8.png", {"96385074"});
    row("upca.png", {"036000291452"});
    // Read as a UPC-E rather than as the EAN-13 ZBar would make of it, then expanded.
    row("upce.png", {"042100005264"});
    row("isbn.png", {"9783161484100"});
    // (01) taken from the elements; the batch number after it left out.
    row("gs1-128.png", {"4006381333931"});
    row("qr-url.png", {}, 1);
    row("none.png", {});
    row("rotated-noisy.jpg", {"4006381333931"});
    // Stored as side-by-side.png, shown turned a quarter anticlockwise: the right one on top.
    row("exif-turned.jpg", {"8712345678906", "5901234123457"});
    // The right one stands higher, yet the row reads left to right.
    row("side-by-side.png", {"5901234123457", "8712345678906"});
    row("twice.png", {"4006381333931"});
    row("two-pages.pdf", {"4006381333931@1", "036000291452@2"});
    row("not-an-image.png", {}, 0, "not a picture that can be read");
    row("huge.png", {}, 0, "larger than 100 megapixels (12,000 x 9,000 pixels)");
    row("password.pdf", {}, 0, "the PDF is protected by a password");
    // Reading that stops early is a damaged file, never one without barcodes.
    row("truncated.pdf", {}, 0, "the PDF is damaged (it is cut short)");
    row("no-pages.pdf", {}, 0, "the PDF is damaged (it has no pages)");
    row("truncated.png", {}, 0, "the picture cannot be decoded (Unable to read image data)");
    // Its plugin would fill the missing half grey and find the code in the half that is there.
    row("truncated.jpg", {}, 0, "the picture is damaged (it is cut short)");
}

void TestBarcodeReading::generatedFile_readsBackItsCodes()
{
    QFETCH(QString, file);
    QFETCH(QStringList, codes);
    QFETCH(int, others);
    QFETCH(QString, problem);

    QtPictureFiles pictures;
    PopplerPdfDocument pdf;
    PopplerPdfDocument secondPdf;
    ZbarBarcodeScanner scanner;
    // A PDF's pages drawn by two documents at once, as the program draws them.
    BarcodeReader reader(BarcodeServices{pictures, pdf, scanner, 1, &secondPdf});
    const std::atomic<bool> never{false};
    const BarcodeFileResult read = reader.read(DataFile(file), never, {});

    QStringList found;
    for (const FoundCode& code : read.codes)
        found.append(code.page > 0 ? code.code + u'@' + QString::number(code.page) : code.code);
    QCOMPARE(read.problem, problem);
    QCOMPARE(found, codes);
    QCOMPARE(read.otherSymbols, others);
}

// Three at a time, the PDFs among the pictures: each file's result lands in its own place, and
// none differs from reading the files one by one.
void TestBarcodeReading::severalFilesAtOnce_sameResultsInTheSameOrder()
{
    QStringList paths;
    for (int i = 0; i < 3; ++i) {
        for (const QString& name :
             QDir(DataFile({})).entryList({"*.png", "*.jpg", "*.pdf"}, QDir::Files, QDir::Name))
            paths.append(DataFile(name));
    }
    QtPictureFiles pictures;
    PopplerPdfDocument pdf;
    ZbarBarcodeScanner scanner;
    const std::atomic<bool> never{false};
    QList<QStringList> oneByOne;
    BarcodeReader alone(BarcodeServices{pictures, pdf, scanner});
    for (const QString& path : std::as_const(paths))
        oneByOne.append(Found(alone.read(path, never, {})));

    PopplerPdfDocument secondPdf;
    BarcodeReader together(BarcodeServices{pictures, pdf, scanner, 3, &secondPdf});
    QList<QStringList> atOnce;
    int reports = 0;
    for (const BarcodeFileResult& read :
         together.readFiles(paths, never, [&reports](const BarcodeProgress&) { ++reports; }))
        atOnce.append(Found(read));

    QCOMPARE(atOnce, oneByOne);
    // Every file that could be read reported at least once; a damaged PDF ends before its first
    // page does.
    const auto readable =
        std::count_if(oneByOne.cbegin(), oneByOne.cend(), [](const QStringList& r) {
            return r.isEmpty() || !r.constFirst().startsWith(QStringLiteral("problem: "));
        });
    QVERIFY(reports >= readable);
}

// A scanned A4 page at 600 dpi is about 35 megapixels; in colour, decoding it takes more than
// the 128 MB Qt allows a decode unless asked. The limit is raised for that read only.
void TestBarcodeReading::largeColourPicture_readsItsCodeWithinQtsLimitAfterwards()
{
    const int limitBefore = QImageReader::allocationLimit();
    QImage page(6000, 6000, QImage::Format_RGB32); // 144 MB decoded
    page.fill(QColor(250, 245, 230));
    const QImage code(DataFile(QStringLiteral("ean13.png")));
    QPainter(&page).drawImage(QRect(QPoint(2500, 3800), code.size() * 4), code);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scan.png"));
    QImageWriter writer(path);
    writer.setQuality(100); // stored without compression: the quickest to write and read
    QVERIFY2(writer.write(page), qPrintable(writer.errorString()));
    page = {};

    QtPictureFiles pictures;
    PopplerPdfDocument pdf;
    ZbarBarcodeScanner scanner;
    BarcodeReader reader(BarcodeServices{pictures, pdf, scanner});
    const std::atomic<bool> never{false};
    QCOMPARE(Found(reader.read(path, never, {})), QStringList{QStringLiteral("4006381333931")});
    QCOMPARE(QImageReader::allocationLimit(), limitBefore);
}

// The readers batch mode is given load their module at first use: while it is missing each use
// fails with the loader's reason (not a crash), and once it is there the next use loads it.
void TestBarcodeReading::picturesModule_missing_failsEachUseUntilItIsThere()
{
#ifndef QUILLFEN_PICTURES_MODULE
    QSKIP("one executable carries the readers here");
#else
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("quillfen-pictures.so"));
    const PictureModule module(nullptr, file);
    const auto pictures = module.pictureFiles();
    const auto pdf = module.pdfDocument();
    const auto scanner = module.barcodeScanner();
    const QString path = DataFile(QStringLiteral("ean13.png"));
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            pictures->imageSize(path);
            QFAIL("read without its module");
        } catch (const OperationFailed& failure) {
            QVERIFY2(failure.description().contains(file), qPrintable(failure.description()));
        }
    }
    QVERIFY(QFile::copy(QStringLiteral(QUILLFEN_PICTURES_MODULE), file));
    BarcodeReader reader(BarcodeServices{*pictures, *pdf, *scanner});
    const std::atomic<bool> never{false};
    QCOMPARE(Found(reader.read(path, never, {})), QStringList{QStringLiteral("4006381333931")});
#endif
}

QTEST_GUILESS_MAIN(TestBarcodeReading)
#include "tst_barcodereading.moc"
