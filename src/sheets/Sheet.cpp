#include "sheets/Sheet.h"

#include <algorithm>

namespace {
const SheetCell& EmptyCell()
{
    static const SheetCell kEmpty;
    return kEmpty;
}
} // namespace

const SheetCell& SheetRow::operator[](std::size_t column) const
{
    const auto at = std::lower_bound(
        m_cells.cbegin(), m_cells.cend(), qsizetype(column),
        [](const Filled& filled, qsizetype wanted) { return filled.column < wanted; });
    if (at == m_cells.cend() || at->column != qsizetype(column))
        return EmptyCell();
    return at->cell;
}

bool SheetRow::set(qsizetype column, SheetCell cell)
{
    // Cells come mostly in order: appended, or the last one replaced. Anything else is sorted
    // once at the end, rather than moving the row's cells for each (a row written backwards
    // would cost the square of its width).
    if (m_cells.isEmpty() || column > m_cells.back().column) {
        m_cells.append(Filled{column, std::move(cell)});
        return true;
    }
    if (m_inOrder && column == m_cells.back().column) {
        m_cells.back().cell = std::move(cell);
        return false;
    }
    m_inOrder = false;
    m_cells.append(Filled{column, std::move(cell)});
    return true;
}

qsizetype SheetRow::settle()
{
    if (m_inOrder)
        return 0;
    m_inOrder = true;
    std::stable_sort(m_cells.begin(), m_cells.end(),
                     [](const Filled& a, const Filled& b) { return a.column < b.column; });
    // Of each run at one column, the last given stays.
    qsizetype kept = 0;
    for (qsizetype i = 0; i < m_cells.size(); ++i) {
        if (i + 1 < m_cells.size() && m_cells[i + 1].column == m_cells[i].column)
            continue;
        if (kept != i)
            m_cells[kept] = std::move(m_cells[i]);
        ++kept;
    }
    const qsizetype twice = m_cells.size() - kept;
    m_cells.resize(kept);
    return twice;
}

const SheetCell& Sheet::cell(std::size_t row, std::size_t column) const
{
    if (row >= rows.size())
        return EmptyCell();
    return rows[row][column];
}
