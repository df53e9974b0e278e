#pragma once

#include <QString>

// One of the main window's two lists in report view: ordered rows, each with its own text,
// optional sub-items and a tick, under a row of column headers. Every position counts from 1.
// Asking for a row or column that does not exist throws OperationFailed("Index out of bounds"),
// so callers that yield re-read the counts instead of holding positions across a yield.
class ListControl
{
public:
    virtual ~ListControl() = default;

    virtual int count() const = 0;
    virtual QString text(int row) const = 0;
    // Replaces the row's own text, leaving its sub-items and its tick as they are.
    virtual void setText(int row, const QString& text) = 0;
    // The text of sub-item n (shown in column n + 1); a sub-item never set reads as empty.
    virtual QString subItem(int row, int n) const = 0;
    virtual void setSubItem(int row, int n, const QString& text) = 0;
    // Appends a row after the last one and returns its position.
    virtual int add(const QString& text) = 0;
    virtual void remove(int row) = 0;
    virtual void clear() = 0;

    // The row the user last selected, 0 when there is none.
    virtual int selectedIndex() const = 0;

    virtual bool isChecked(int row) const = 0;
    virtual void setChecked(int row, bool checked) = 0;
    virtual void ensureVisible(int row) = 0;

    virtual int columnCount() const = 0;
    virtual QString columnHeader(int column) const = 0;
    // Appends a column header and returns its position.
    virtual int addColumnHeader(const QString& text) = 0;
    virtual int columnWidth(int column) const = 0; // twips
    virtual void setColumnWidth(int column, int twips) = 0;
};

// Column 1 is the row's own text, column k its sub-item k - 1: the view every copy and export
// takes of a row.
inline QString CellText(const ListControl& list, int row, int column)
{
    return column == 1 ? list.text(row) : list.subItem(row, column - 1);
}
