#pragma once

#include "sheets/Sheet.h"

#include <QString>

#include <vector>

// The code a cell holds, as the code list takes it: a number by its exact digits, text trimmed.
// A number or a text of digits that passes the code checks only once the leading zeros a
// spreadsheet drops are put back gets them back (12345678905 becomes 012345678905). Empty for an
// empty cell.
QString CodeOfCell(const SheetCell& cell);

// One code of a sheet, with its row (from 0).
struct SheetCode
{
    qsizetype row = 0;
    QString code;
};

// The codes of the column from the first row on, in sheet order; empty cells are skipped.
std::vector<SheetCode> CodesOfColumn(const Sheet& sheet, qsizetype column, qsizetype firstRow);
