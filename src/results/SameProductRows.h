#pragma once

#include <QHash>
#include <QStringView>

#include <algorithm>

// The first row of each product in a list of results, so that a later row of the same product,
// whatever form its code was typed in, names it (batch mode's same_as column).
class SameProductRows final
{
public:
    SameProductRows() = default;
    // Room made at once for about that many rows (at most a million's): growing the table again
    // and again took a twentieth of a batch answered from the index.
    explicit SameProductRows(qsizetype rows)
    {
        m_first.reserve(std::min<qsizetype>(rows, 1 << 20));
    }

    // The 1-based row of the first row with this canonical GTIN, when `row` (1-based) is a later
    // one; 0 for the first, and for a code that has no GTIN.
    int sameAs(QStringView gtin, int row);

private:
    // Keyed by the GTIN's digits as a number with its length beside it (an EAN-8 is not the
    // 13-digit code of the same digits): a million products cost a few megabytes, not a string
    // each.
    QHash<quint64, int> m_first;
};
