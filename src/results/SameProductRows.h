#pragma once

#include <QStringView>

#include <vector>

// The first row of each product in a list of results, so that a later row of the same product,
// whatever form its code was typed in, names it (batch mode's same_as column).
class SameProductRows final
{
public:
    SameProductRows() = default;
    // Room made at once for about that many rows (at most a million's).
    explicit SameProductRows(qsizetype rows);

    // The 1-based row of the first row with this canonical GTIN, when `row` (1-based) is a later
    // one; 0 for the first, and for a code that has no GTIN.
    int sameAs(QStringView gtin, int row);

private:
    void makeRoom(std::size_t slots);

    // Keyed by the GTIN's digits as a number with its length beside it (an EAN-8 is not the
    // 13-digit code of the same digits): a million products cost a few megabytes, not a string
    // each. Every key holds a length, so none is 0, which marks an empty slot. Open addressing
    // in two arrays, two thirds full at most: each code of a run is looked for once, and a
    // table of nodes took a twentieth of a batch answered from the index.
    std::vector<quint64> m_keys;
    std::vector<int> m_rows;
    std::size_t m_used = 0;
};
