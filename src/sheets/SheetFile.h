#pragma once

#include "sheets/Sheet.h"

#include <QString>

#include <optional>

class FileSystem;
class ZipArchives;

// The spreadsheet files codes are read from, by their extensions (.xls among the workbooks, to
// be refused for what it is). A file of any other extension is a text file of one code a line.
enum class SheetFormat { Csv, Tsv, Xlsx, Ods };
std::optional<SheetFormat> SheetFormatOfFile(const QString& path);

// What reads a spreadsheet file.
struct SheetServices
{
    const FileSystem& files;
    ZipArchives& zips;
    SheetLimits limits = {};
};

// Reads one sheet of the file: the one named `sheet` (a name, or a number from 1 when no sheet
// is named so), or, when `sheet` is empty, the first that holds data (else the first). The
// format is what the name says, but the content decides: a workbook's container read as the
// workbook it holds, a text file under a workbook's name as CSV. Throws OperationFailed with the
// reason, which does not name the file: it is damaged, too large, an Excel 97-2003 workbook, or
// has no such sheet.
Sheet ReadSheetFile(const QString& path, SheetFormat format, const QString& sheet,
                    const SheetServices& services);
