#pragma once

#include "sheets/Sheet.h"

// Gathers the cells a reader finds into a Sheet, holding the file to its limits: a cell past the
// last row or column, or one cell too many, ends the reading with OperationFailed. Empty cells
// cost nothing, however many a file declares, and neither do the places before a far column.
class SheetBuilder final
{
public:
    explicit SheetBuilder(const SheetLimits& limits)
        : m_limits(limits)
    {}

    // Puts the cell at (row, column), both from 0, in any order; a later cell at the same place
    // replaces the earlier one.
    void set(qsizetype row, qsizetype column, const SheetCell& cell);
    // Puts a text cell that holds the shared string numbered so (see SheetRow::setShared()).
    void setShared(qsizetype row, qsizetype column, qsizetype number);
    // The cells of the row, from column 0, again in each of the next `times` rows.
    void repeatRow(qsizetype row, qsizetype times);
    // A cell at the column, whatever it holds (an empty one with a style too).
    void reach(qsizetype column)
    {
        if (column >= 0 && column < m_limits.maxColumns)
            m_sheet.reachedColumns = std::max(m_sheet.reachedColumns, column + 1);
    }

    // Takes the cells of a builder that read a later part of the same sheet; its cells go after
    // or over this one's, as if this builder had read them itself.
    void absorb(SheetBuilder&& later);
    // Back to no cells.
    void reset();

    const SheetLimits& limits() const { return m_limits; }
    Sheet take();

private:
    void checkPlace(qsizetype row, qsizetype column) const;
    // The row, there from now on, with room made as for the row before.
    SheetRow& rowAt(qsizetype row);
    // One more cell that holds something; throws past the limit.
    void countOne();

    const SheetLimits& m_limits;
    Sheet m_sheet;
    qsizetype m_cells = 0;
};
