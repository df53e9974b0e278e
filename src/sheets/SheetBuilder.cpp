#include "sheets/SheetBuilder.h"

#include "common/NumberText.h"
#include "common/OperationFailed.h"

#include <QCoreApplication>

#include <utility>

void SheetBuilder::checkPlace(qsizetype row, qsizetype column) const
{
    if (row < 0 || row >= m_limits.maxRows)
        throw OperationFailed(
            QCoreApplication::translate("SheetBuilder", "it has more than %1 rows")
                .arg(GroupedNumber(m_limits.maxRows)));
    if (column < 0 || column >= m_limits.maxColumns)
        throw OperationFailed(
            QCoreApplication::translate("SheetBuilder", "it has more than %1 columns")
                .arg(GroupedNumber(m_limits.maxColumns)));
}

void SheetBuilder::countOne()
{
    if (++m_cells > m_limits.maxCells)
        throw OperationFailed(QCoreApplication::translate(
                                  "SheetBuilder", "it has more than %1 cells that hold something")
                                  .arg(GroupedNumber(m_limits.maxCells)));
}

SheetRow& SheetBuilder::rowAt(qsizetype row)
{
    if (m_floating) {
        m_firstRow = row;
        m_floating = false;
    }
    if (row < m_firstRow)
        throw OperationFailed(QStringLiteral("a row above the first of its part"));
    const auto at = std::size_t(row - m_firstRow);
    auto& rows = m_sheet.rows;
    if (at >= rows.size())
        rows.resize(at + 1);
    SheetRow& cells = rows[at];
    // A new row mostly holds as much as the one before: room for that at once, rather than
    // growing by doubling (a row of ten cells would hold room for sixteen).
    if (cells.empty() && at > 0)
        cells.reserveLike(rows[at - 1]);
    return cells;
}

void SheetBuilder::set(qsizetype row, qsizetype column, const SheetCell& cell)
{
    if (cell.isEmpty())
        return;
    checkPlace(row, column);
    // A place given twice out of order counts twice until take() settles the row: no file
    // writes one cell twice but to mislead.
    if (rowAt(row).set(column, cell))
        countOne();
}

void SheetBuilder::setShared(qsizetype row, qsizetype column, qsizetype number)
{
    checkPlace(row, column);
    if (rowAt(row).setShared(column, number))
        countOne();
}

void SheetBuilder::nameRow(qsizetype row)
{
    // No cell can stand past the last row; an empty row named there changes nothing.
    if (row < 0 || row >= m_limits.maxRows)
        return;
    if (!m_fromTop) {
        m_namedInPart.push_back(row);
        return;
    }
    const auto at = std::size_t(row);
    if (at >= m_named.size())
        m_named.resize(at + 1);
    if (m_named[at])
        throw OperationFailed(
            QCoreApplication::translate("SheetBuilder", "it is damaged: it holds the row %1 twice")
                .arg(row + 1));
    m_named[at] = true;
}

void SheetBuilder::repeatRow(qsizetype row, qsizetype times)
{
    if (row < m_firstRow || std::size_t(row - m_firstRow) >= m_sheet.rows.size() || times <= 0)
        return;
    auto& rows = m_sheet.rows;
    const auto at = std::size_t(row - m_firstRow);
    rows[at].settle();
    const SheetRow cells = rows[at];
    const qsizetype filled = cells.filledCount();
    if (filled == 0)
        return;
    // Checked before anything is copied: a row repeated a billion times is refused at once.
    checkPlace(row + times, 0);
    if (filled > (m_limits.maxCells - m_cells) / times)
        throw OperationFailed(QCoreApplication::translate(
                                  "SheetBuilder", "it has more than %1 cells that hold something")
                                  .arg(GroupedNumber(m_limits.maxCells)));
    if (at + std::size_t(times) >= rows.size())
        rows.resize(at + std::size_t(times) + 1);
    for (std::size_t k = 1; k <= std::size_t(times); ++k) {
        SheetRow& into = rows[at + k];
        if (into.empty()) {
            // Shared, not copied: the repeats cost a row each, whatever their width.
            into = cells;
            m_cells += filled;
        } else {
            into.setAll(cells, [this] { countOne(); });
        }
    }
}

void SheetBuilder::absorb(SheetBuilder&& later)
{
    reach(later.m_sheet.reachedColumns - 1);
    for (const qsizetype row : later.m_namedInPart)
        nameRow(row);
    if (later.m_floating) {
        later.reset();
        return;
    }
    if (m_floating) {
        m_firstRow = later.m_firstRow;
        m_floating = false;
    }
    if (later.m_firstRow < m_firstRow)
        throw OperationFailed(QStringLiteral("a row above the first of its part"));
    auto& rows = m_sheet.rows;
    auto& laterRows = later.m_sheet.rows;
    const auto from = std::size_t(later.m_firstRow - m_firstRow);
    if (from + laterRows.size() > rows.size())
        rows.resize(from + laterRows.size());
    for (std::size_t r = 0; r < laterRows.size(); ++r) {
        SheetRow& cells = laterRows[r];
        SheetRow& into = rows[from + r];
        if (into.empty() && m_cells <= m_limits.maxCells - cells.filledCount()) {
            // A row only the later part holds, as it mostly is: moved whole.
            m_cells += cells.filledCount();
            into = std::move(cells);
        } else {
            // Cell by cell, to fail where set() fails.
            cells.settle();
            into.setAll(cells, [this] { countOne(); });
        }
    }
    later.reset();
}

void SheetBuilder::reset()
{
    m_sheet = Sheet();
    m_cells = 0;
    m_named = {};
    m_namedInPart = {};
    m_firstRow = 0;
    m_floating = !m_fromTop;
}

Sheet SheetBuilder::take()
{
    for (SheetRow& row : m_sheet.rows)
        row.settle();
    while (!m_sheet.rows.empty() && m_sheet.rows.back().empty())
        m_sheet.rows.pop_back();
    for (const SheetRow& row : m_sheet.rows)
        m_sheet.reachedColumns = std::max(m_sheet.reachedColumns, qsizetype(row.size()));
    m_cells = 0;
    return std::move(m_sheet);
}
