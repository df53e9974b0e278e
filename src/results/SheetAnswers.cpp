#include "results/SheetAnswers.h"

#include "sheets/SheetCodes.h"

#include <algorithm>

SheetAnswers::SheetAnswers(const Sheet& sheet, const CodeColumnChoice& choice,
                           const OutcomeColumnPlaces& columns)
    : m_sheet(sheet)
    , m_choice(choice)
    , m_codeColumn(choice.column)
{
    const qsizetype code = OutcomeColumns().indexOf(QStringLiteral("code"));
    for (const qsizetype place : columns) {
        if (place != code)
            m_columns.append(place);
    }
    m_header = PickCells(OutcomeColumns(), m_columns);
    if (choice.headerRow >= 0 && choice.firstRow > choice.headerRow)
        m_headerRow = choice.headerRow;
    for (const SheetRow& row : sheet.rows)
        m_width = std::max(m_width, qsizetype(row.size()));
    m_width = std::max({m_width, sheet.reachedColumns, choice.column + 1});
}

bool SheetAnswers::holdsCode(std::size_t row) const
{
    return m_choice.column >= 0 && qsizetype(row) >= m_choice.firstRow &&
           !CodeOfCell(m_sheet.cell(row, std::size_t(m_choice.column))).isEmpty();
}

void SheetAnswers::add(const CodeOutcome& outcome)
{
    while (m_next < m_sheet.rows.size() && !holdsCode(m_next))
        ++m_next;
    if (m_next >= m_sheet.rows.size())
        return;
    m_rows.push_back({qsizetype(m_next), PickCells(OutcomeCells(outcome), m_columns)});
    ++m_next;
}

const QStringList* SheetAnswers::answersOf(qsizetype row, std::size_t& next) const
{
    // The rows answered are in the sheet's order. Asked from the top, the row is at `next` or
    // the one after it; asked in another order, it is searched for.
    const auto firstNotBefore = [&](std::size_t at) {
        return at <= m_rows.size() && (at == 0 || m_rows[at - 1].row < row) &&
               (at == m_rows.size() || m_rows[at].row >= row);
    };
    if (firstNotBefore(next + 1))
        ++next;
    else if (!firstNotBefore(next))
        next = std::size_t(std::lower_bound(m_rows.cbegin(), m_rows.cend(), row,
                                            [](const Answered& answered, qsizetype wanted) {
                                                return answered.row < wanted;
                                            }) -
                           m_rows.cbegin());
    if (next < m_rows.size() && m_rows[next].row == row)
        return &m_rows[next].cells;
    return nullptr;
}
