#pragma once

#include "common/ListControl.h"

#include <QStringList>

class QTreeWidget;
class QTreeWidgetItem;

// A list in report view on a QTreeWidget: one top-level item per row, column 0 the row's own
// text, column n its sub-item n.
class QtListControl final : public ListControl
{
public:
    QtListControl(QTreeWidget& tree, bool checkBoxes);

    int count() const override;
    QString text(int row) const override;
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
    QTreeWidgetItem* item(int row) const;
    void checkColumn(int column) const;

    QTreeWidget& m_tree;
    // The rows hang under this item for the tree's whole life. Reaching them through it spares
    // the model look-ups the tree's own accessors make on every call; exports make several
    // calls per row.
    QTreeWidgetItem& m_root;
    bool m_checkBoxes;
    QStringList m_headers;
};
