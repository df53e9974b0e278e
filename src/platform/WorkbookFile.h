#pragma once

#include <QString>

// A spreadsheet workbook of one sheet being written to a path, every cell as text, its rows
// given in order. Like an OutputFile it appears at its path whole, on commit(), or not at all.
class WorkbookFile
{
public:
    virtual ~WorkbookFile() = default;

    // Rows and columns count from 1; a row comes after every cell of the rows before it. Throws
    // OperationFailed (past the sheet's last row, a full disk).
    virtual void setCellText(int row, int column, const QString& text) = 0;
    // Fits the columns to their texts and puts the workbook in place. Throws OperationFailed.
    virtual void commit() = 0;
};
