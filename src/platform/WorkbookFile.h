#pragma once

#include <QString>

// What a workbook is written as: Office Open XML (.xlsx) or OpenDocument (.ods).
enum class WorkbookFormat { Xlsx, Ods };

// A spreadsheet workbook of one sheet being written to a path, its rows given in order. Like an
// OutputFile it appears at its path whole, on commit(), or not at all.
class WorkbookFile
{
public:
    virtual ~WorkbookFile() = default;

    // Rows and columns count from 1; a row comes after every cell of the rows before it. Throws
    // OperationFailed (past the sheet's last row, a full disk).
    virtual void setCellText(int row, int column, const QString& text) = 0;
    // A number cell shown with the number format ("0.00", "yyyy-mm-dd"; empty: the general one),
    // and a TRUE or FALSE cell; the same rules of order and failure as for text.
    virtual void setCellNumber(int row, int column, double value, const QString& numberFormat) = 0;
    virtual void setCellBoolean(int row, int column, bool value) = 0;
    // A date or time as workbooks store it (days from 1899-12-30), with its number format.
    virtual void setCellDate(int row, int column, double serial, const QString& numberFormat) = 0;
    // Fits the columns to their texts and puts the workbook in place. Throws OperationFailed.
    virtual void commit() = 0;
};
