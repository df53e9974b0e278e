#include "results/EnrichedSheet.h"

#include "lookup/LookupChain.h"
#include "results/OutcomeWriter.h"
#include "sheets/SheetCodes.h"

namespace {
SheetCell TextCell(const QString& text)
{
    SheetCell cell;
    if (!text.isEmpty()) {
        cell.kind = SheetCell::Kind::Text;
        cell.text = text;
    }
    return cell;
}
} // namespace

EnrichedSheet::EnrichedSheet(const Sheet& sheet, const CodeColumnChoice& choice,
                             const OutcomeColumnPlaces& columns)
    : m_sheet(sheet)
    , m_choice(choice)
{
    const qsizetype code = OutcomeColumns().indexOf(QStringLiteral("code"));
    for (const qsizetype place : columns) {
        if (place != code)
            m_columns.append(place);
    }
    for (const SheetRow& row : sheet.rows)
        m_width = std::max(m_width, row.size());
    if (choice.column >= 0)
        m_width = std::max(m_width, std::size_t(choice.column) + 1);
}

bool EnrichedSheet::holdsCode(std::size_t row) const
{
    return m_choice.column >= 0 && qsizetype(row) >= m_choice.firstRow &&
           !CodeOfCell(m_sheet.cell(row, std::size_t(m_choice.column))).isEmpty();
}

EnrichedSheet::Row EnrichedSheet::inputRow(std::size_t row) const
{
    Row cells(m_width);
    if (row < m_sheet.rows.size()) {
        for (const SheetRow::Filled& one : m_sheet.rows[row].filled())
            cells[std::size_t(one.column)] = one.cell;
    }
    if (m_choice.column >= 0 && qsizetype(row) >= m_choice.firstRow)
        cells[std::size_t(m_choice.column)] =
            TextCell(CodeOfCell(m_sheet.cell(row, std::size_t(m_choice.column))));
    if (qsizetype(row) == m_choice.headerRow && m_choice.firstRow > m_choice.headerRow) {
        for (const QString& name : PickCells(OutcomeColumns(), m_columns))
            cells.push_back(TextCell(name));
    }
    return cells;
}

void EnrichedSheet::through(const CodeOutcome& outcome, const RowSink& sink)
{
    for (; m_next < m_sheet.rows.size(); ++m_next) {
        Row cells = inputRow(m_next);
        if (!holdsCode(m_next)) {
            sink(cells);
            continue;
        }
        for (const QString& answer : OutcomeCellsAt(outcome, m_columns))
            cells.push_back(TextCell(answer));
        sink(cells);
        ++m_next;
        return;
    }
}

void EnrichedSheet::rest(const RowSink& sink)
{
    for (; m_next < m_sheet.rows.size(); ++m_next)
        sink(inputRow(m_next));
}
