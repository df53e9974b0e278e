#include "sheets/Sheet.h"

#include "common/OperationFailed.h"
#include "sheets/SheetNumbers.h"
#include "sheets/SheetStrings.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>
#include <utility>

namespace {
// The most a row's buffer of texts may hold: its records count in 32 bits. No sheet within the
// limits on its parts comes near.
constexpr qsizetype kMostRowText = std::numeric_limits<quint32>::max();
// A number format longer than this is cut: Excel's own stop at 255 characters.
constexpr qsizetype kLongestFormat = (qsizetype(1) << 27) - 1;
} // namespace

SheetCell SheetRow::cellOf(const Stored& stored) const
{
    SheetCell cell;
    cell.kind = SheetCell::Kind(stored.kind);
    cell.number = stored.number;
    if (stored.shared) {
        if (m_strings)
            cell.text = m_strings->at(stored.text).toString();
        return cell;
    }
    const QStringView text(m_text);
    cell.text = text.sliced(stored.text, stored.textLength).toString();
    if (stored.formatLength > 0)
        cell.format = text.sliced(stored.text + stored.textLength, stored.formatLength).toString();
    return cell;
}

SheetCell SheetRow::operator[](std::size_t column) const
{
    const auto at = std::lower_bound(
        m_cells.cbegin(), m_cells.cend(), qsizetype(column),
        [](const Stored& stored, qsizetype wanted) { return stored.column < wanted; });
    if (at == m_cells.cend() || at->column != qsizetype(column))
        return {};
    return cellOf(*at);
}

bool SheetRow::put(const Stored& stored)
{
    // Cells come mostly in order: appended, or the last one replaced. Anything else is sorted
    // once at the end, rather than moving the row's cells for each (a row written backwards
    // would cost the square of its width).
    if (m_cells.isEmpty() || stored.column > m_cells.back().column) {
        m_cells.append(stored);
        return true;
    }
    if (m_inOrder && stored.column == m_cells.back().column) {
        m_cells.back() = stored;
        return false;
    }
    m_inOrder = false;
    m_cells.append(stored);
    return true;
}

bool SheetRow::set(qsizetype column, const SheetCell& cell)
{
    Stored stored;
    stored.number = cell.number;
    stored.column = qint32(column);
    stored.kind = quint32(cell.kind);
    const QStringView format =
        QStringView(cell.format).first(std::min<qsizetype>(cell.format.size(), kLongestFormat));
    stored.textLength = quint32(cell.text.size());
    stored.formatLength = quint32(format.size());
    // A text the cell before holds too (a cell an .ods repeats across columns) is held once.
    if (!m_cells.isEmpty() && !m_cells.back().shared) {
        const Stored& before = m_cells.back();
        const QStringView held(m_text);
        if (before.textLength == stored.textLength && before.formatLength == stored.formatLength &&
            held.sliced(before.text, before.textLength) == cell.text &&
            held.sliced(before.text + before.textLength, before.formatLength) == format) {
            stored.text = before.text;
            return put(stored);
        }
    }
    // The last cell replaced in place gives back its text, when no other cell holds it.
    if (m_inOrder && !m_cells.isEmpty() && m_cells.back().column == column &&
        !m_cells.back().shared) {
        const Stored& last = m_cells.back();
        const bool alone = m_cells.size() < 2 || m_cells[m_cells.size() - 2].shared ||
                           m_cells[m_cells.size() - 2].text != last.text;
        if (alone && qsizetype(last.text) + last.textLength + last.formatLength == m_text.size())
            m_text.truncate(last.text);
    }
    if (m_text.size() + cell.text.size() + format.size() > kMostRowText)
        throw OperationFailed(
            QCoreApplication::translate("SheetFile", "it is larger than the limit of %1")
                .arg(SizeText(kMostRowText * 2)));
    stored.text = quint32(m_text.size());
    m_text.append(cell.text);
    m_text.append(format);
    return put(stored);
}

bool SheetRow::setShared(qsizetype column, qsizetype number)
{
    Stored stored;
    stored.column = qint32(column);
    stored.kind = quint32(SheetCell::Kind::Text);
    stored.shared = 1;
    stored.text = quint32(number);
    return put(stored);
}

qsizetype SheetRow::share(const std::shared_ptr<const SheetStrings>& strings)
{
    bool emptied = false;
    for (const Stored& one : std::as_const(m_cells)) {
        if (!one.shared)
            continue;
        if (qsizetype(one.text) >= strings->count())
            return one.column;
        emptied = emptied || strings->at(one.text).isEmpty();
    }
    m_strings = strings;
    // A cell that names an empty string holds nothing.
    if (emptied)
        m_cells.removeIf(
            [this](const Stored& one) { return one.shared && m_strings->at(one.text).isEmpty(); });
    return -1;
}

void SheetRow::reserveLike(const SheetRow& other)
{
    m_cells.reserve(other.m_cells.size());
    m_text.reserve(other.m_text.size());
}

qsizetype SheetRow::settle()
{
    if (m_inOrder)
        return 0;
    m_inOrder = true;
    std::stable_sort(m_cells.begin(), m_cells.end(),
                     [](const Stored& a, const Stored& b) { return a.column < b.column; });
    // Of each run at one column, the last given stays.
    qsizetype kept = 0;
    for (qsizetype i = 0; i < m_cells.size(); ++i) {
        if (i + 1 < m_cells.size() && m_cells[i + 1].column == m_cells[i].column)
            continue;
        if (kept != i)
            m_cells[kept] = m_cells[i];
        ++kept;
    }
    const qsizetype twice = m_cells.size() - kept;
    m_cells.resize(kept);
    if (twice > 0)
        pack();
    return twice;
}

void SheetRow::pack()
{
    QString packed;
    qsizetype from = -1;
    quint32 to = 0;
    for (Stored& one : m_cells) {
        if (one.shared)
            continue;
        // Cells that held one text still do.
        if (qsizetype(one.text) != from) {
            from = one.text;
            to = quint32(packed.size());
            packed.append(QStringView(m_text).sliced(one.text, one.textLength + one.formatLength));
        }
        one.text = to;
    }
    m_text = std::move(packed);
}

SheetCell Sheet::cell(std::size_t row, std::size_t column) const
{
    if (row >= rows.size())
        return {};
    return rows[row][column];
}
