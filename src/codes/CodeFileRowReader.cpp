#include "codes/CodeFileRowReader.h"

std::optional<QStringView> CodeFileRowReader::next()
{
    if (m_done)
        return std::nullopt;
    const qsizetype size = m_text.size();
    for (qsizetype i = m_start; i < size; ++i) {
        const QChar c = m_text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        const QStringView row = m_text.sliced(m_start, i - m_start);
        if (c == u'\r' && i + 1 < size && m_text[i + 1] == u'\n')
            ++i;
        m_start = i + 1;
        return row;
    }
    m_done = true;
    // The text after the last break is a row only when it holds something: a break at the very
    // end, whichever kind, closes the last line rather than opening an empty one, as every Unix
    // text file ends with a line feed.
    if (m_start < size)
        return m_text.sliced(m_start);
    return std::nullopt;
}
