#pragma once

#include "results/OutcomeWriter.h"
#include "sheets/CodeColumn.h"
#include "sheets/Sheet.h"

#include <functional>
#include <vector>

struct CodeOutcome;

// The rows of a sheet given back with the answers beside them (--keep-columns, Enrich a
// Spreadsheet): every row of the sheet in its order, every column, the header kept, then
// Quillfen's chosen columns in their order, but for "code", which the sheet holds already. The
// code column is written as text, by the code as it was looked up; rows without a code keep empty
// answers.
class EnrichedSheet final
{
public:
    using Row = std::vector<SheetCell>;
    using RowSink = std::function<void(const Row&)>;

    EnrichedSheet(const Sheet& sheet, const CodeColumnChoice& choice,
                  const OutcomeColumnPlaces& columns = AllOutcomeColumns());

    // The sheet's own columns, as many in every row; the answers come after them.
    std::size_t sheetWidth() const { return m_width; }

    // Gives the rows up to the next row that holds a code, and that row with the outcome.
    void through(const CodeOutcome& outcome, const RowSink& sink);
    // Gives the rows after the last one answered, without answers.
    void rest(const RowSink& sink);

private:
    Row inputRow(std::size_t row) const;
    bool holdsCode(std::size_t row) const;

    const Sheet& m_sheet;
    CodeColumnChoice m_choice;
    OutcomeColumnPlaces m_columns;
    std::size_t m_width = 0;
    std::size_t m_next = 0;
};
