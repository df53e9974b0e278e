#include "QtListControl.h"

#include "Twips.h"
#include "common/Failure.h"

#include <QTreeWidget>

namespace {
[[noreturn]] void outOfBounds()
{
    throw OperationFailed(QStringLiteral("Index out of bounds"));
}

// A row whose own text is kept as a plain string. The copy and the exports read every row's
// text once or twice, and the tree's generic storage turns each read into a variant round trip
// that costs several times the rest of the row's work.
class ListRowItem final : public QTreeWidgetItem
{
public:
    static constexpr int Type = QTreeWidgetItem::UserType + 1;

    explicit ListRowItem(const QString& text)
        : QTreeWidgetItem(Type)
        , m_text(text)
    {}

    const QString& rowText() const { return m_text; }

    QVariant data(int column, int role) const override
    {
        if (column == 0 && (role == Qt::DisplayRole || role == Qt::EditRole))
            return m_text;
        return QTreeWidgetItem::data(column, role);
    }

    void setData(int column, int role, const QVariant& value) override
    {
        if (column == 0 && (role == Qt::DisplayRole || role == Qt::EditRole)) {
            m_text = value.toString();
            emitDataChanged();
            return;
        }
        QTreeWidgetItem::setData(column, role, value);
    }

private:
    QString m_text;
};
} // namespace

QtListControl::QtListControl(QTreeWidget& tree, bool checkBoxes)
    : m_tree(tree)
    , m_root(*tree.invisibleRootItem())
    , m_checkBoxes(checkBoxes)
{
    // The lists get their columns at start-up, as the window's load step adds them.
    m_tree.setColumnCount(0);
}

QTreeWidgetItem* QtListControl::item(int row) const
{
    QTreeWidgetItem* const it = row >= 1 ? m_root.child(row - 1) : nullptr;
    if (!it)
        outOfBounds();
    return it;
}

void QtListControl::checkColumn(int column) const
{
    if (column < 1 || column > m_headers.size())
        outOfBounds();
}

int QtListControl::count() const
{
    return m_root.childCount();
}

QString QtListControl::text(int row) const
{
    // Every row is made by add(), as a ListRowItem.
    return static_cast<const ListRowItem*>(item(row))->rowText();
}

QString QtListControl::subItem(int row, int n) const
{
    QTreeWidgetItem* const it = item(row);
    if (n < 1)
        outOfBounds();
    return it->text(n);
}

void QtListControl::setSubItem(int row, int n, const QString& text)
{
    QTreeWidgetItem* const it = item(row);
    if (n < 1)
        outOfBounds();
    it->setText(n, text);
}

int QtListControl::add(const QString& text)
{
    auto* const it = new ListRowItem(text);
    if (m_checkBoxes) {
        it->setFlags(it->flags() | Qt::ItemIsUserCheckable);
        it->setCheckState(0, Qt::Unchecked);
    } else {
        it->setFlags(it->flags() & ~Qt::ItemIsUserCheckable);
    }
    m_tree.addTopLevelItem(it);
    return m_tree.topLevelItemCount();
}

void QtListControl::remove(int row)
{
    item(row);
    delete m_tree.takeTopLevelItem(row - 1);
}

void QtListControl::clear()
{
    m_tree.clear();
}

int QtListControl::selectedIndex() const
{
    QTreeWidgetItem* const current = m_tree.currentItem();
    return current ? m_tree.indexOfTopLevelItem(current) + 1 : 0;
}

bool QtListControl::isChecked(int row) const
{
    // The tree and the view keep the state as a plain number; checkState() would convert it to
    // the enumeration through the type registry, several times the cost of the rest.
    return item(row)->data(0, Qt::CheckStateRole).toInt() == Qt::Checked;
}

void QtListControl::setChecked(int row, bool checked)
{
    item(row)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

void QtListControl::ensureVisible(int row)
{
    m_tree.scrollToItem(item(row));
}

int QtListControl::columnCount() const
{
    return int(m_headers.size());
}

QString QtListControl::columnHeader(int column) const
{
    checkColumn(column);
    return m_headers[column - 1];
}

int QtListControl::addColumnHeader(const QString& text)
{
    m_headers.append(text);
    m_tree.setColumnCount(int(m_headers.size()));
    m_tree.setHeaderLabels(m_headers);
    return int(m_headers.size());
}

int QtListControl::columnWidth(int column) const
{
    checkColumn(column);
    return PixelsToTwips(m_tree.columnWidth(column - 1));
}

void QtListControl::setColumnWidth(int column, int twips)
{
    checkColumn(column);
    m_tree.setColumnWidth(column - 1, TwipsToPixels(twips));
}
