#include "desktop/window/QtListControl.h"

#include "common/OperationFailed.h"
#include "desktop/window/Twips.h"

#include <QCoreApplication>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>

// The sanitizers find a row used after it was dropped only in memory that they hand out
// themselves, so their builds make rows one allocation each.
#if defined(__SANITIZE_ADDRESS__)
#define QUILLFEN_ROWS_APART 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLFEN_ROWS_APART 1
#endif
#endif

namespace {
[[noreturn]] void outOfBounds()
{
    throw OperationFailed(QCoreApplication::translate("QtListControl", "Index out of bounds"));
}

// Places for rows, taken from large blocks in order, a dropped row's place going to the next row
// made. A list holds rows by the hundred thousand and the view walks all of them each time it
// lays the list out (several times a second while a run adds rows), reading a few bytes of each:
// rows made one allocation each lay scattered over the heap, and the walk waited for memory at
// every row. The blocks are kept for the program's life, for the next rows. Rows are made and
// dropped on the window's thread only.
template <std::size_t PlaceBytes>
class RowPlaces final
{
public:
    static RowPlaces& instance()
    {
        // Never destroyed: rows may outlive every other static at exit.
        static RowPlaces* const places = new RowPlaces;
        return *places;
    }

    void* take()
    {
        if (!m_free)
            grow();
        Place* const place = m_free;
        m_free = place->next;
        return place;
    }

    void give(void* row)
    {
        auto* const place = static_cast<Place*>(row);
        place->next = m_free;
        m_free = place;
    }

private:
    static constexpr std::size_t kBlockBytes = 1024 * 1024;
    union Place {
        Place* next;
        alignas(std::max_align_t) std::byte row[PlaceBytes];
    };

    // The new block's places go on the free list lowest address first, so rows are made in the
    // order they lie in memory.
    void grow()
    {
        void* const block = std::malloc(kBlockBytes);
        if (!block)
            throw std::bad_alloc();
        auto* const places = static_cast<Place*>(block);
        for (std::size_t i = kBlockBytes / sizeof(Place); i-- > 0;) {
            places[i].next = m_free;
            m_free = &places[i];
        }
    }

    Place* m_free = nullptr;
};
} // namespace

// A row whose own text and tick are kept as plain values. The copy and the exports read every
// row's text once or twice and its tick once, and the tree's generic storage turns each read
// into a variant round trip that costs several times the rest of the row's work.
class ListRowItem final : public QTreeWidgetItem
{
public:
    static constexpr int Type = QTreeWidgetItem::UserType + 1;

    explicit ListRowItem(const QString& text)
        : QTreeWidgetItem(Type)
        , m_text(text)
    {}

    const QString& rowText() const { return m_text; }
    bool isTicked() const { return m_check == Qt::Checked; }

    // The fields the copy and the exports read sit past the tree's own, often in the object's
    // second cache line, so the object's start is not the address to ask for.
    void prefetchFields() const
    {
        __builtin_prefetch(&m_text);
        __builtin_prefetch(&m_check);
    }
    // The text's count of users, which sits just before its letters and which every read of it
    // updates, and its last letters: a text of a few dozen letters often straddles two cache
    // lines. The address before the letters is made as a number, never as a pointer.
    void prefetchText() const
    {
        const auto letters = reinterpret_cast<std::uintptr_t>(m_text.constData());
        __builtin_prefetch(reinterpret_cast<const void*>(letters - sizeof(QArrayData)));
        __builtin_prefetch(m_text.constData() + m_text.size());
    }

#ifndef QUILLFEN_ROWS_APART
    static void* operator new(std::size_t size)
    {
        Q_ASSERT(size == sizeof(ListRowItem)); // final: nothing larger derives
        return RowPlaces<sizeof(ListRowItem)>::instance().take();
    }
    static void operator delete(void* row)
    {
        RowPlaces<sizeof(ListRowItem)>::instance().give(row);
    }
#endif

    QVariant data(int column, int role) const override
    {
        if (column == 0 && (role == Qt::DisplayRole || role == Qt::EditRole))
            return m_text;
        // A row without a check box has no state at all, so that none is drawn; a state is
        // handed out as the enumeration, as the tree itself would.
        if (column == 0 && role == Qt::CheckStateRole)
            return m_check == kNoCheckBox ? QVariant()
                                          : QVariant::fromValue(Qt::CheckState(m_check));
        return QTreeWidgetItem::data(column, role);
    }

    void setData(int column, int role, const QVariant& value) override
    {
        if (column == 0 && (role == Qt::DisplayRole || role == Qt::EditRole)) {
            m_text = value.toString();
            emitDataChanged();
            return;
        }
        if (column == 0 && role == Qt::CheckStateRole) {
            const int check = value.isValid() ? value.toInt() : kNoCheckBox;
            if (check != m_check) {
                m_check = check;
                emitDataChanged();
            }
            return;
        }
        QTreeWidgetItem::setData(column, role, value);
    }

private:
    static constexpr int kNoCheckBox = -1;

    QString m_text;
    int m_check = kNoCheckBox;
};

QtListControl::QtListControl(QTreeWidget& tree, bool checkBoxes)
    : m_tree(tree)
    , m_checkBoxes(checkBoxes)
{
    // The lists get their columns at start-up, as the window's load step adds them.
    m_tree.setColumnCount(0);
    m_scrollTimer.setSingleShot(true);
    m_scrollTimer.callOnTimeout([this] {
        if (ListRowItem* const scroll = std::exchange(m_pendingScroll, nullptr)) {
            m_tree.scrollToItem(scroll);
            m_sinceScroll.start();
        }
    });
}

QtListControl::~QtListControl() = default;

ListRowItem* QtListControl::item(int row) const
{
    if (row < 1 || row > int(m_rows.size()))
        outOfBounds();
    return m_rows[row - 1];
}

// The copy and the exports read the rows in order, one at a time through the control. Each row's
// text is an allocation of its own, and the rows lie in order only until some are dropped and
// others made in their places: without being asked ahead, a read waited for memory at each, and
// those waits were a third of an export's time. The rows a little ahead are asked for now, and
// the texts of rows whose items have arrived by then.
void QtListControl::prefetchAfter(int row) const
{
    constexpr int kItemsAhead = 16;
    constexpr int kTextsAhead = 8;
    const std::size_t index = std::size_t(row) - 1;
    if (index + kItemsAhead < m_rows.size())
        m_rows[index + kItemsAhead]->prefetchFields();
    if (index + kTextsAhead < m_rows.size())
        m_rows[index + kTextsAhead]->prefetchText();
}

void QtListControl::checkColumn(int column) const
{
    if (column < 1 || column > m_headers.size())
        outOfBounds();
}

int QtListControl::count() const
{
    return int(m_rows.size());
}

QString QtListControl::text(int row) const
{
    ListRowItem* const it = item(row);
    prefetchAfter(row);
    return it->rowText();
}

void QtListControl::setText(int row, const QString& text)
{
    item(row)->setText(0, text);
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
    // A row never has rows under it; said so, the view skips asking each row about children
    // whenever it lays the list out, which it does after every row added.
    const Qt::ItemFlags flags = it->flags() | Qt::ItemNeverHasChildren;
    if (m_checkBoxes) {
        it->setFlags(flags | Qt::ItemIsUserCheckable);
        it->setCheckState(0, Qt::Unchecked);
    } else {
        it->setFlags(flags & ~Qt::ItemIsUserCheckable);
    }
    m_tree.addTopLevelItem(it);
    m_rows.push_back(it);
    return count();
}

void QtListControl::remove(int row)
{
    if (item(row) == m_pendingScroll)
        m_pendingScroll = nullptr;
    m_rows.erase(m_rows.begin() + (row - 1));
    delete m_tree.takeTopLevelItem(row - 1);
}

void QtListControl::clear()
{
    m_pendingScroll = nullptr;
    m_rows.clear();
    m_tree.clear();
}

int QtListControl::selectedIndex() const
{
    QTreeWidgetItem* const current = m_tree.currentItem();
    return current ? m_tree.indexOfTopLevelItem(current) + 1 : 0;
}

bool QtListControl::isChecked(int row) const
{
    ListRowItem* const it = item(row);
    prefetchAfter(row);
    return it->isTicked();
}

void QtListControl::setChecked(int row, bool checked)
{
    item(row)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

void QtListControl::ensureVisible(int row)
{
    m_pendingScroll = item(row);
    if (m_scrollTimer.isActive())
        return;
    // At the next pass, unless the list scrolled a moment ago: then when the moment is over.
    const qint64 since = m_sinceScroll.isValid() ? m_sinceScroll.elapsed() : kScrollInterval;
    m_scrollTimer.start(int(std::max<qint64>(0, kScrollInterval - since)));
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
