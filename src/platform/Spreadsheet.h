#pragma once

#include <QString>

// A running spreadsheet application, as the spreadsheet export fills it. Rows and columns count
// from 1. Every operation throws OperationFailed when the application refuses it.
class Spreadsheet
{
public:
    virtual ~Spreadsheet() = default;

    // Adds a new, empty workbook; the cell and column operations go to its active sheet.
    virtual void addWorkbook() = 0;
    // Sets the cell to the text, kept as text even when it looks like a number.
    virtual void setCellText(int row, int column, const QString& text) = 0;
    // Makes one column as wide as its contents.
    virtual void fitColumn(int column) = 0;
    virtual void fitAllColumns() = 0;
    // Puts the workbook in front of the user, unsaved, for them to keep or throw away.
    virtual void show() = 0;
};
