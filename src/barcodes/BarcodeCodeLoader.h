#pragma once

#include "barcodes/BarcodeReader.h"
#include "platform/Platform.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

class ListControl;

inline constexpr char kReadBarcodesTitle[] =
    QT_TRANSLATE_NOOP("BarcodeCodeLoader", "Load EAN Numbers From File");

// The one message after reading: "Found 7 codes in 3 files." and the files that showed none, or
// "No barcodes found in shelf.jpg."; then each file that could not be read, and why.
QString BarcodeSummaryMessage(const std::vector<BarcodeFileResult>& results);

// Load EAN Numbers From File for pictures and PDFs: their barcodes are read on a worker thread
// while the window stays usable, the progress dialog saying which file and page, and Cancel or
// Esc stopping the reading with nothing added.
class BarcodeCodeLoader final
{
public:
    explicit BarcodeCodeLoader(const Platform& platform)
        : m_platform(platform)
    {}

    // Appends the codes of every file to the list, in reading order, then shows one message.
    void load(ListControl& list, const QStringList& paths);

private:
    Platform m_platform;
};
