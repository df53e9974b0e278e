#include "fakes/FakeListControl.h"

#include "common/OperationFailed.h"

namespace {
[[noreturn]] void outOfBounds()
{
    throw OperationFailed(QStringLiteral("Index out of bounds"));
}
} // namespace

const FakeListControl::Row& FakeListControl::rowAt(int row) const
{
    if (row < 1 || row > m_rows.size())
        outOfBounds();
    return m_rows[row - 1];
}

FakeListControl::Row& FakeListControl::rowAt(int row)
{
    if (row < 1 || row > m_rows.size())
        outOfBounds();
    return m_rows[row - 1];
}

int FakeListControl::count() const
{
    hook(u"count");
    return int(m_rows.size());
}

QString FakeListControl::text(int row) const
{
    hook(u"text");
    return rowAt(row).text;
}

void FakeListControl::setText(int row, const QString& text)
{
    hook(u"setText");
    rowAt(row).text = text;
}

QString FakeListControl::subItem(int row, int n) const
{
    hook(u"subItem");
    const Row& r = rowAt(row);
    if (n < 1)
        outOfBounds();
    return n <= r.subItems.size() ? r.subItems[n - 1] : QString();
}

void FakeListControl::setSubItem(int row, int n, const QString& text)
{
    hook(u"setSubItem");
    Row& r = rowAt(row);
    if (n < 1)
        outOfBounds();
    while (r.subItems.size() < n)
        r.subItems.append(QString());
    r.subItems[n - 1] = text;
}

int FakeListControl::add(const QString& text)
{
    hook(u"add");
    m_rows.append(Row{text, {}, false});
    return int(m_rows.size());
}

void FakeListControl::remove(int row)
{
    hook(u"remove");
    rowAt(row);
    m_rows.removeAt(row - 1);
    if (m_selected > m_rows.size())
        m_selected = int(m_rows.size());
}

void FakeListControl::clear()
{
    hook(u"clear");
    m_rows.clear();
    m_selected = 0;
}

int FakeListControl::selectedIndex() const
{
    hook(u"selectedIndex");
    return m_selected;
}

bool FakeListControl::isChecked(int row) const
{
    hook(u"isChecked");
    return rowAt(row).checked;
}

void FakeListControl::setChecked(int row, bool checked)
{
    hook(u"setChecked");
    rowAt(row).checked = checked;
}

void FakeListControl::ensureVisible(int row)
{
    hook(u"ensureVisible");
    rowAt(row);
    m_scrolled.append(row);
}

int FakeListControl::columnCount() const
{
    hook(u"columnCount");
    return int(m_headers.size());
}

QString FakeListControl::columnHeader(int column) const
{
    hook(u"columnHeader");
    if (column < 1 || column > m_headers.size())
        outOfBounds();
    return m_headers[column - 1];
}

int FakeListControl::addColumnHeader(const QString& text)
{
    hook(u"addColumnHeader");
    m_headers.append(text);
    m_widths.append(1440);
    return int(m_headers.size());
}

int FakeListControl::columnWidth(int column) const
{
    if (column < 1 || column > m_widths.size())
        outOfBounds();
    return m_widths[column - 1];
}

void FakeListControl::setColumnWidth(int column, int twips)
{
    hook(u"setColumnWidth");
    if (column < 1 || column > m_widths.size())
        outOfBounds();
    m_widths[column - 1] = twips;
}

QStringList FakeListControl::texts() const
{
    QStringList all;
    for (const Row& row : m_rows)
        all.append(row.text);
    return all;
}
