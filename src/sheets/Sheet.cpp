#include "sheets/Sheet.h"

const SheetCell& Sheet::cell(std::size_t row, std::size_t column) const
{
    static const SheetCell kEmpty;
    if (row >= rows.size() || column >= rows[row].size())
        return kEmpty;
    return rows[row][column];
}
