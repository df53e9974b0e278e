#include "sheets/SheetBuilder.h"

#include "common/NumberText.h"
#include "common/OperationFailed.h"

#include <utility>

void SheetBuilder::checkPlace(qsizetype row, qsizetype column) const
{
    if (row < 0 || row >= m_limits.maxRows)
        throw OperationFailed(
            QStringLiteral("it has more than %1 rows").arg(GroupedNumber(m_limits.maxRows)));
    if (column < 0 || column >= m_limits.maxColumns)
        throw OperationFailed(
            QStringLiteral("it has more than %1 columns").arg(GroupedNumber(m_limits.maxColumns)));
}

void SheetBuilder::set(qsizetype row, qsizetype column, SheetCell cell)
{
    if (cell.isEmpty())
        return;
    checkPlace(row, column);
    auto& rows = m_sheet.rows;
    if (std::size_t(row) >= rows.size())
        rows.resize(std::size_t(row) + 1);
    std::vector<SheetCell>& cells = rows[std::size_t(row)];
    // A new row is mostly as wide as the one before: room for that many at once, rather than
    // growing by doubling (a row of ten cells would hold room for sixteen).
    if (cells.empty() && row > 0)
        cells.reserve(rows[std::size_t(row) - 1].size());
    if (std::size_t(column) >= cells.size())
        cells.resize(std::size_t(column) + 1);
    if (cells[std::size_t(column)].isEmpty() && ++m_cells > m_limits.maxCells)
        throw OperationFailed(QStringLiteral("it has more than %1 cells that hold something")
                                  .arg(GroupedNumber(m_limits.maxCells)));
    cells[std::size_t(column)] = std::move(cell);
}

void SheetBuilder::repeatRow(qsizetype row, qsizetype times)
{
    if (row < 0 || std::size_t(row) >= m_sheet.rows.size() || times <= 0)
        return;
    const std::vector<SheetCell> cells = m_sheet.rows[std::size_t(row)];
    qsizetype filled = 0;
    for (const SheetCell& cell : cells)
        filled += cell.isEmpty() ? 0 : 1;
    if (filled == 0)
        return;
    // Checked before anything is copied: a row repeated a billion times is refused at once.
    checkPlace(row + times, 0);
    if (filled > (m_limits.maxCells - m_cells) / times)
        throw OperationFailed(QStringLiteral("it has more than %1 cells that hold something")
                                  .arg(GroupedNumber(m_limits.maxCells)));
    for (qsizetype k = 1; k <= times; ++k)
        for (std::size_t c = 0; c < cells.size(); ++c)
            set(row + k, qsizetype(c), cells[c]);
}

void SheetBuilder::absorb(SheetBuilder&& later)
{
    auto& rows = m_sheet.rows;
    auto& laterRows = later.m_sheet.rows;
    if (m_cells > m_limits.maxCells - later.m_cells) {
        // One too many somewhere: cell by cell, to fail where set() fails.
        for (std::size_t r = 0; r < laterRows.size(); ++r)
            for (std::size_t c = 0; c < laterRows[r].size(); ++c)
                set(qsizetype(r), qsizetype(c), std::move(laterRows[r][c]));
        later.reset();
        return;
    }
    if (laterRows.size() > rows.size())
        rows.resize(laterRows.size());
    for (std::size_t r = 0; r < laterRows.size(); ++r) {
        std::vector<SheetCell>& cells = laterRows[r];
        if (rows[r].empty()) {
            // A row only the later part holds, as it mostly is: moved whole.
            for (const SheetCell& cell : cells)
                m_cells += cell.isEmpty() ? 0 : 1;
            rows[r] = std::move(cells);
        } else {
            for (std::size_t c = 0; c < cells.size(); ++c)
                set(qsizetype(r), qsizetype(c), std::move(cells[c]));
        }
    }
    later.reset();
}

void SheetBuilder::reset()
{
    m_sheet = Sheet();
    m_cells = 0;
}

Sheet SheetBuilder::take()
{
    // Rows emptied by a later cell are not kept at the end either.
    while (!m_sheet.rows.empty() && m_sheet.rows.back().empty())
        m_sheet.rows.pop_back();
    m_cells = 0;
    return std::move(m_sheet);
}
