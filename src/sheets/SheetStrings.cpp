#include "sheets/SheetStrings.h"

#include "common/OperationFailed.h"
#include "sheets/SheetNumbers.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace {
// No strings part within the limits comes near: counted in 32 bits.
constexpr qsizetype kMost = std::numeric_limits<quint32>::max();
} // namespace

void SheetStrings::append(QStringView text)
{
    if (!text.isEmpty()) {
        if (m_count > kMost || m_text.size() + text.size() > kMost)
            throw OperationFailed(
                QCoreApplication::translate("SheetFile", "it is larger than the limit of %1")
                    .arg(SizeText(kMost * 2)));
        m_filled.append(Filled{quint32(m_count), quint32(m_text.size())});
        m_text.append(text);
    }
    ++m_count;
}

QStringView SheetStrings::at(qsizetype number) const
{
    const auto found = std::lower_bound(
        m_filled.cbegin(), m_filled.cend(), number,
        [](const Filled& filled, qsizetype wanted) { return qsizetype(filled.number) < wanted; });
    if (found == m_filled.cend() || qsizetype(found->number) != number)
        return {};
    const qsizetype end =
        found + 1 == m_filled.cend() ? m_text.size() : qsizetype((found + 1)->start);
    return QStringView(m_text).sliced(found->start, end - qsizetype(found->start));
}

void SheetStrings::squeeze()
{
    m_text.squeeze();
    m_filled.squeeze();
}
