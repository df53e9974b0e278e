#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// One cell as the spreadsheet stored it.
struct SheetCell
{
    enum class Kind : quint8 { Empty, Text, Number, Boolean, Date };
    Kind kind = Kind::Empty;
    // Text: the text. Number: its exact decimal digits ("4006381333931", "12.5"), never in E
    // notation. Boolean: "TRUE" or "FALSE". Date: ISO 8601 ("2024-03-01", "2024-03-01 08:30:00").
    QString text;
    // Number and Date: the number format the spreadsheet shows it with ("0.00", "yyyy-mm-dd");
    // empty for the general one. Workbooks written from this sheet keep it.
    QString format;
    // Number and Date: the stored value (a date as a day count from 1899-12-30, as workbooks
    // store it).
    double number = 0;

    bool isEmpty() const { return kind == Kind::Empty; }
};

// One sheet of a spreadsheet file: rows from the top, each from column A. Trailing empty cells
// and rows are not kept; a short row simply ends early.
struct Sheet
{
    QString name;
    // Every sheet of the file, in order, this one among them.
    QStringList sheetNames;
    std::vector<std::vector<SheetCell>> rows;

    bool hasData() const { return !rows.empty(); }
    // The cell, or an empty one past the end of its row or of the sheet.
    const SheetCell& cell(std::size_t row, std::size_t column) const;
};

// What a spreadsheet may cost to read; a file that needs more is refused, never cut short.
struct SheetLimits
{
    // Any entry of a workbook's container, inflated.
    qint64 maxEntryBytes = qint64(1024) * 1024 * 1024;
    // Inflated size against the size the entry takes in the container.
    int maxEntryRatio = 100;
    // A .csv or .tsv file.
    qint64 maxTextBytes = qint64(100) * 1024 * 1024;
    // The largest sheet Excel and LibreOffice make.
    qsizetype maxRows = 1048576;
    qsizetype maxColumns = 16384;
    // Cells that hold something, over the sheet: a few repeated cells of an .ods could
    // otherwise stand for billions.
    qsizetype maxCells = 20'000'000;
};
