#include "results/SameProductRows.h"

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
    if (const auto first = m_first.constFind(key); first != m_first.cend())
        return first.value();
    m_first.insert(key, row);
    return 0;
}
