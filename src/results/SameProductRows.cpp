#include "results/SameProductRows.h"

#include <algorithm>
#include <bit>

namespace {
constexpr std::size_t kFewestSlots = 1024;
constexpr std::size_t kMostRowsAtOnce = 1 << 20;

// Fibonacci hashing: the product's high bits, spread whatever the digits' pattern.
std::size_t SlotOf(quint64 key, int shift)
{
    return std::size_t((key * 0x9E3779B97F4A7C15ull) >> shift);
}
} // namespace

SameProductRows::SameProductRows(qsizetype rows)
{
    makeRoom(2 * std::min(std::size_t(std::max<qsizetype>(rows, 0)), kMostRowsAtOnce));
}

void SameProductRows::makeRoom(std::size_t slots)
{
    slots = std::bit_ceil(std::max(slots, kFewestSlots));
    std::vector<Slot> old = std::exchange(m_slots, std::vector<Slot>(slots));
    m_shift = 64 - std::countr_zero(slots);
    const std::size_t mask = slots - 1;
    for (const Slot& slot : old) {
        if (slot.key == 0)
            continue;
        std::size_t at = SlotOf(slot.key, m_shift);
        while (m_slots[at].key != 0)
            at = (at + 1) & mask;
        m_slots[at] = slot;
    }
}

int SameProductRows::sameAs(QStringView gtin, int row)
{
    if (gtin.isEmpty() || gtin.size() > 14)
        return 0;
    quint64 key = 0;
    for (const QChar c : gtin) {
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return 0;
        key = key * 10 + (c.unicode() - u'0');
    }
    key = key * 16 + quint64(gtin.size());
    if (2 * (m_used + 1) > m_slots.size())
        makeRoom(2 * m_slots.size());
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t at = SlotOf(key, m_shift);; at = (at + 1) & mask) {
        Slot& slot = m_slots[at];
        if (slot.key == key)
            return slot.row;
        if (slot.key == 0) {
            slot = Slot{key, row};
            ++m_used;
            return 0;
        }
    }
}
