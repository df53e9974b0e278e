#include "results/SheetAnswers.h"

#include "sheets/SheetCodes.h"

#include <algorithm>

namespace {
constexpr qsizetype kBlockBytes = 1024 * 1024;

// A length in seven bits a byte, the high bit set on all but the last: one byte up to 127.
void AppendLength(QByteArray& out, quint64 length)
{
    while (length >= 0x80) {
        out += char(0x80 | (length & 0x7f));
        length >>= 7;
    }
    out += char(length);
}

qsizetype LengthAt(const char*& at)
{
    quint64 length = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = uchar(*at++);
        length |= quint64(byte & 0x7f) << shift;
        if (!(byte & 0x80))
            return qsizetype(length);
    }
}
} // namespace

SheetAnswers::SheetAnswers(const Sheet& sheet, const CodeColumnChoice& choice,
                           const OutcomeColumnPlaces& columns)
    : m_codeColumn(choice.column)
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
    if (choice.column < 0)
        return;
    for (std::size_t row = std::size_t(std::max<qsizetype>(choice.firstRow, 0));
         row < sheet.rows.size(); ++row) {
        if (!CodeOfCell(sheet.cell(row, std::size_t(choice.column))).isEmpty())
            m_codeRows.push_back(qsizetype(row));
    }
}

void SheetAnswers::add(const CodeOutcome& outcome)
{
    if (m_next >= m_codeRows.size())
        return;
    m_row.resize(0);
    for (const QString& cell : OutcomeCellsAt(outcome, m_columns)) {
        const QByteArray bytes = cell.toUtf8();
        AppendLength(m_row, quint64(bytes.size()));
        m_row += bytes;
    }
    if (m_blocks.empty() || m_blocks.back().capacity() - m_blocks.back().size() < m_row.size()) {
        m_blocks.emplace_back();
        m_blocks.back().reserve(std::max(kBlockBytes, m_row.size()));
    }
    QByteArray& block = m_blocks.back();
    m_rows.push_back({m_codeRows[m_next], quint32(m_blocks.size() - 1), quint32(block.size())});
    block += m_row;
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
    if (next >= m_rows.size() || m_rows[next].row != row)
        return nullptr;
    if (m_cellsOf != next) {
        const Answered& answered = m_rows[next];
        const char* at = m_blocks[answered.block].constData() + answered.offset;
        m_cells.resize(m_header.size());
        for (QString& cell : m_cells) {
            const qsizetype length = LengthAt(at);
            cell = QString::fromUtf8(at, length);
            at += length;
        }
        m_cellsOf = next;
    }
    return &m_cells;
}
