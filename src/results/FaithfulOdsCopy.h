#pragma once

#include "sheets/Sheet.h"

#include <QString>

class SheetAnswers;
class ZipArchive;

// An OpenDocument spreadsheet copied with the answers beside the rows of one of its tables: every
// entry of the container as it was (the media type first and stored) but content.xml, which is
// streamed through with every element as it was, but that the table's rows that take answers
// gain cells in the first free columns right of the cells that hold something. A row the file
// repeats is spelled out around the rows that take answers; empty cells a row repeats past the
// last one that holds something end where the answers begin. Styles, number formats and the
// other tables are kept because they are never rewritten.
class FaithfulOdsCopy final
{
public:
    // Throws OperationFailed for a table the document has not, and when the copy cannot be
    // written, leaving `target` as it was.
    static void write(ZipArchive& archive, const QString& tableName, const QString& target,
                      const SheetAnswers& answers, const SheetLimits& limits);

    // Throws OperationFailed, saying why, for a document whose content write() would refuse (one
    // that declares entities). Asked before the codes are looked up.
    static void checkCopyable(ZipArchive& archive, const SheetLimits& limits);
};
