#pragma once

#include "results/OutcomeWriter.h"
#include "sheets/CodeColumn.h"
#include "sheets/Sheet.h"

#include <QStringList>

#include <vector>

struct CodeOutcome;

// The answers of a run by the rows of the sheet they belong beside, for a copy of the user's own
// file: each row that holds a code in the chosen column takes the next outcome, and the header row
// (when the codes start below it) takes the columns' names. The columns are the chosen ones but
// "code", which the sheet holds already. Texts are as the database gave them: each file format
// makes them safe its own way.
class SheetAnswers final
{
public:
    struct Answered
    {
        qsizetype row = 0; // from 0
        QStringList cells;
    };

    SheetAnswers(const Sheet& sheet, const CodeColumnChoice& choice,
                 const OutcomeColumnPlaces& columns = AllOutcomeColumns());

    // The outcome of the next row that holds a code.
    void add(const CodeOutcome& outcome);

    // The header row (from 0) and its names; -1 when the sheet has none apart from its codes.
    qsizetype headerRow() const { return m_headerRow; }
    const QStringList& header() const { return m_header; }
    // The rows answered so far, from the top.
    const std::vector<Answered>& rows() const { return m_rows; }
    // The columns the sheet's read cells reach; the answers go to the right of them or further.
    qsizetype sheetWidth() const { return m_width; }
    qsizetype codeColumn() const { return m_codeColumn; }
    qsizetype answerColumns() const { return m_header.size(); }

    // The answers of the row, or none. Rows may be asked for in any order, as a file may hold
    // them; `next`, kept between the calls (from 0), makes asking from the top cheap.
    const QStringList* answersOf(qsizetype row, std::size_t& next) const;

private:
    bool holdsCode(std::size_t row) const;

    const Sheet& m_sheet;
    CodeColumnChoice m_choice;
    OutcomeColumnPlaces m_columns;
    QStringList m_header;
    qsizetype m_headerRow = -1;
    qsizetype m_codeColumn = -1;
    qsizetype m_width = 0;
    std::size_t m_next = 0;
    std::vector<Answered> m_rows;
};
