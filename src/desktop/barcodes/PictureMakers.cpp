#include "desktop/barcodes/PictureMakers.h"

#include "desktop/barcodes/PopplerPdfDocument.h"
#include "desktop/barcodes/QtPictureFiles.h"
#include "desktop/barcodes/ZbarBarcodeScanner.h"

const PictureMakers& BuiltInPictureMakers()
{
    static const PictureMakers makers{
        []() -> std::unique_ptr<PictureFiles> { return std::make_unique<QtPictureFiles>(); },
        []() -> std::unique_ptr<PdfDocument> { return std::make_unique<PopplerPdfDocument>(); },
        []() -> std::unique_ptr<BarcodeScanner> { return std::make_unique<ZbarBarcodeScanner>(); },
    };
    return makers;
}
