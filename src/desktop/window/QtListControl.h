#pragma once

#include "platform/ListControl.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>

#include <vector>

class ListRowItem;
class QTreeWidget;
class QTreeWidgetItem;

// A list in report view on a QTreeWidget: one top-level item per row, column 0 the row's own
// text, column n its sub-item n.
class QtListControl final : public ListControl
{
public:
    QtListControl(QTreeWidget& tree, bool checkBoxes);
    ~QtListControl() override;

    int count() const override;
    QString text(int row) const override;
    void setText(int row, const QString& text) override;
    QString subItem(int row, int n) const override;
    void setSubItem(int row, int n, const QString& text) override;
    int add(const QString& text) override;
    void remove(int row) override;
    void clear() override;
    int selectedIndex() const override;
    bool isChecked(int row) const override;
    void setChecked(int row, bool checked) override;
    void ensureVisible(int row) override;
    int columnCount() const override;
    QString columnHeader(int column) const override;
    int addColumnHeader(const QString& text) override;
    int columnWidth(int column) const override;
    void setColumnWidth(int column, int twips) override;

private:
    ListRowItem* item(int row) const;
    void checkColumn(int column) const;
    void prefetchAfter(int row) const;

    QTreeWidget& m_tree;
    // The tree's rows in order, each made by add(). Rows are added and removed only here, so
    // the two never differ; reaching a row through the tree costs a model look-up per call, and
    // the copy and the exports make several calls per row.
    std::vector<ListRowItem*> m_rows;
    bool m_checkBoxes;
    QStringList m_headers;
    // The row to bring into view at the next pass of the event loop, the latest asked for only:
    // scrolling lays out the whole list, and a run that adds thousands of rows to bring into view
    // would otherwise lay it out again for each.
    // A run passes through the event loop after every code, so the list scrolls at most this
    // often (ms): every scroll lays the whole list out again.
    static constexpr qint64 kScrollInterval = 50;
    ListRowItem* m_pendingScroll = nullptr;
    QTimer m_scrollTimer;
    QElapsedTimer m_sinceScroll;
};
