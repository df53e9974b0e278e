#pragma once

#include "sheets/Sheet.h"

#include <vector>

// Gathers the cells a reader finds into a Sheet, holding the file to its limits: a cell past the
// last row or column, or one cell too many, ends the reading with OperationFailed. Empty cells
// cost nothing, however many a file declares, and neither do the places before a far column.
class SheetBuilder final
{
public:
    // Where the rows are counted from: the top of the sheet, or, for a builder that reads a part
    // of a sheet cut between rows, the first row given a cell (the rows above it are another
    // part's, and a cell above it throws, as a cut that is not clean does).
    enum class Rows { FromTop, FromFirstSet };

    explicit SheetBuilder(const SheetLimits& limits, Rows rows = Rows::FromTop)
        : m_limits(limits)
        , m_fromTop(rows == Rows::FromTop)
        , m_floating(!m_fromTop)
    {}

    // Puts the cell at (row, column), both from 0, in any order; a later cell at the same place
    // replaces the earlier one.
    void set(qsizetype row, qsizetype column, const SheetCell& cell);
    // Puts a text cell that holds the shared string numbered so (see SheetRow::setShared()).
    void setShared(qsizetype row, qsizetype column, qsizetype number);
    // The cells of the row, from column 0, again in each of the next `times` rows.
    void repeatRow(qsizetype row, qsizetype times);
    // A row the file names by its number (an .xlsx's <row r="2">), from 0. A row named twice
    // throws OperationFailed: the reading would merge the two, and a copy of the file would
    // answer beside each of them.
    void nameRow(qsizetype row);
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
    // The sheet; for a builder whose rows count from the top.
    Sheet take();

private:
    void checkPlace(qsizetype row, qsizetype column) const;
    // The row, there from now on, with room made as for the row before.
    SheetRow& rowAt(qsizetype row);
    // One more cell that holds something; throws past the limit.
    void countOne();

    const SheetLimits& m_limits;
    const bool m_fromTop;
    // No row given a cell yet, in a builder whose rows count from the first set.
    bool m_floating;
    // The row the first of m_sheet.rows stands for.
    qsizetype m_firstRow = 0;
    Sheet m_sheet;
    qsizetype m_cells = 0;
    // The rows named, by number, in a builder whose rows count from the top; a builder of a
    // part lists them, for the one that absorbs it to check.
    std::vector<bool> m_named;
    std::vector<qsizetype> m_namedInPart;
};
