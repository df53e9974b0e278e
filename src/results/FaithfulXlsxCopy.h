#pragma once

#include "sheets/Sheet.h"

#include <QString>

class SheetAnswers;
class ZipArchive;

// An .xlsx workbook copied with the answers beside the rows of one of its sheets: every part of
// the container as it was but that sheet's, whose XML is streamed through, each row and cell as it
// was (attributes, formulas, cached values, styles) with the answers appended after the row's
// last cell, as inline strings, in the first free columns right of everything the sheet holds.
// The header row's names take the style of the code column's header. The sheet's <dimension>
// grows to take them in; nothing else (shared strings, styles, column widths) changes.
class FaithfulXlsxCopy final
{
public:
    // Throws OperationFailed, before anything is written, for a workbook in strict Office Open
    // XML or a sheet it has not; and when the copy cannot be written, leaving `target` as it was.
    // Gives how many answers were cut to Excel's limit of characters.
    static qsizetype write(ZipArchive& archive, const QString& sheetName, const QString& target,
                           const SheetAnswers& answers, const SheetLimits& limits);

    // Throws OperationFailed, saying why, for a workbook whose sheets write() would refuse: in
    // strict Office Open XML, or declaring entities. Asked before the codes are looked up, so
    // that the copy fails for no reason not told then.
    static void checkCopyable(ZipArchive& archive, const SheetLimits& limits);
};
