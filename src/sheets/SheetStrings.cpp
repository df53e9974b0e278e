#include "sheets/SheetStrings.h"

#include <algorithm>

void SheetStrings::append(QStringView text)
{
    if (!text.isEmpty()) {
        m_filled.push_back(Filled{m_count, m_text.size()});
        m_text.append(text);
    }
    ++m_count;
}

QStringView SheetStrings::at(qsizetype number) const
{
    const auto found = std::lower_bound(
        m_filled.cbegin(), m_filled.cend(), number,
        [](const Filled& filled, qsizetype wanted) { return filled.number < wanted; });
    if (found == m_filled.cend() || found->number != number)
        return {};
    const qsizetype end = found + 1 == m_filled.cend() ? m_text.size() : (found + 1)->start;
    return QStringView(m_text).sliced(found->start, end - found->start);
}

void SheetStrings::squeeze()
{
    m_text.squeeze();
    m_filled.shrink_to_fit();
}
