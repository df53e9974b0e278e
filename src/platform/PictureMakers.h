#pragma once

#include "platform/BarcodeScanner.h"
#include "platform/PdfDocument.h"
#include "platform/PictureFiles.h"

#include <memory>

// What makes the readers of pictures and PDF pages. The program that carries the window links
// them in; the program a user starts finds the same table in a module of their own, exported
// under kPictureMakersSymbol, and loads it the first time a run reads a picture or a PDF.
struct PictureMakers
{
    std::unique_ptr<PictureFiles> (*pictureFiles)();
    std::unique_ptr<PdfDocument> (*pdfDocument)();
    std::unique_ptr<BarcodeScanner> (*barcodeScanner)();
};

// extern "C" const PictureMakers* quillfen_picture_makers(void);
inline constexpr char kPictureMakersSymbol[] = "quillfen_picture_makers";
