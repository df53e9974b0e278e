#pragma once

#include "sheets/Sheet.h"

#include <QByteArray>

class ZipArchive;

// Reads the sheets of an OpenDocument spreadsheet (.ods) from its container: text, numbers by
// their exact digits, dates, booleans, and cells and rows repeated, without spelling out the
// empty ones a file declares by the million.
class OdsReader final
{
public:
    // Reads the document's content part. Throws OperationFailed for a damaged or oversized file.
    OdsReader(ZipArchive& archive, const SheetLimits& limits);

    // The sheet at the index (from 0) among the document's sheets, with the names of them all;
    // past the last one, a sheet without rows. Throws OperationFailed.
    Sheet read(qsizetype index) const;

private:
    QByteArray m_content;
    const SheetLimits& m_limits;
};
