// The barcode reader on damaged pictures: the bytes as an image file, decoded by Qt's image
// plugins and read by ZBar. Properties: nothing crashes; a picture is either refused with a
// reason or gives valid product codes, each once. Pictures that declare more than a few
// megapixels are only measured, so that each input stays cheap.
#include "FuzzSupport.h"
#include "barcodes/BarcodeReader.h"
#include "desktop/barcodes/PopplerPdfDocument.h"
#include "desktop/barcodes/QtPictureFiles.h"
#include "desktop/barcodes/ZbarBarcodeScanner.h"
#include "lookup/ProductCode.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>

namespace {
constexpr qint64 kLargestDecoded = 4'000'000;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    // No extension: the plugins go by the bytes, as they would for a misnamed file.
    const QString path = folder.filePath(QStringLiteral("picture"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    QtPictureFiles pictures;
    const std::optional<QSize> declared = pictures.imageSize(path);
    if (declared && qint64(declared->width()) * declared->height() > kLargestDecoded)
        return 0;
    PopplerPdfDocument pdf;
    ZbarBarcodeScanner scanner;
    BarcodeReader reader(BarcodeServices{pictures, pdf, scanner});
    const std::atomic<bool> never{false};
    const BarcodeFileResult read = reader.read(path, never, {});
    const QString context = QStringLiteral("problem ") + fuzz::Quoted(read.problem);
    FUZZ_CHECK(read.problem.isEmpty() || read.codes.isEmpty(), context);
    QSet<QString> seen;
    for (const FoundCode& code : read.codes) {
        FUZZ_CHECK(CheckCode(code.code).isValid(),
                   context + QStringLiteral("\ncode ") + fuzz::Quoted(code.code));
        FUZZ_CHECK(!seen.contains(code.code), QStringLiteral("twice: ") + code.code);
        seen.insert(code.code);
    }
    return 0;
}
