#include "results/SameProductRows.h"

#include <algorithm>

namespace {
constexpr std::size_t kFewestSlots = 1024;
constexpr std::size_t kMostRowsAtOnce = 1 << 20;

__extension__ using Wide = unsigned __int128; // a GCC and Clang type, whose -Wpedantic asks this

// The key's slot among that many: its bits spread by Fibonacci hashing, then scaled to the
// table's size, which need not be a power of two.
std::size_t SlotOf(quint64 key, std::size_t slots)
{
    const quint64 spread = key * 0x9E3779B97F4A7C15ull;
    return std::size_t((Wide(spread) * slots) >> 64);
}
} // namespace

SameProductRows::SameProductRows(qsizetype rows)
{
    makeRoom(std::min(std::size_t(std::max<qsizetype>(rows, 0)), kMostRowsAtOnce) * 3 / 2);
}

void SameProductRows::makeRoom(std::size_t slots)
{
    slots = std::max(slots, kFewestSlots);
    const std::vector<quint64> keys = std::exchange(m_keys, std::vector<quint64>(slots));
    const std::vector<int> rows = std::exchange(m_rows, std::vector<int>(slots));
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == 0)
            continue;
        std::size_t at = SlotOf(keys[i], slots);
        while (m_keys[at] != 0)
            at = at + 1 == slots ? 0 : at + 1;
        m_keys[at] = keys[i];
        m_rows[at] = rows[i];
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
    if (3 * (m_used + 1) > 2 * m_keys.size())
        makeRoom(2 * m_keys.size());
    const std::size_t slots = m_keys.size();
    for (std::size_t at = SlotOf(key, slots);; at = at + 1 == slots ? 0 : at + 1) {
        if (m_keys[at] == key)
            return m_rows[at];
        if (m_keys[at] == 0) {
            m_keys[at] = key;
            m_rows[at] = row;
            ++m_used;
            return 0;
        }
    }
}
