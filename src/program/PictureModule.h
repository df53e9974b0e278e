#pragma once

#include "platform/PictureMakers.h"
#include "program/ModuleFile.h"

#include <memory>

// The readers of pictures and PDF pages a run is given: the makers the program carries, or
// stand-ins that load the pictures module from its file the first time one of them is used,
// so that a run that reads neither never loads Qt GUI, Poppler or ZBar. A module that cannot be
// loaded fails that use the way an unreadable file does, and the next use tries again.
class PictureModule
{
    Q_DISABLE_COPY_MOVE(PictureModule)
public:
    // builtIn: the makers linked into the program, or null for the module in file.
    PictureModule(const PictureMakers* builtIn, QString file);
    ~PictureModule();

    // Used as the readers linked in would be, from the threads they would be; the first use,
    // from whichever thread, loads the module. They must not outlive this object.
    std::unique_ptr<PictureFiles> pictureFiles() const;
    std::unique_ptr<PdfDocument> pdfDocument() const;
    std::unique_ptr<BarcodeScanner> barcodeScanner() const;

    // The makers, the module loaded first if need be. Throws OperationFailed when it cannot be.
    const PictureMakers& makers() const;

private:
    const PictureMakers* m_builtIn;
    ModuleFile m_file;
};
