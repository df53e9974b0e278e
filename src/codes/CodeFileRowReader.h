#pragma once

#include <QByteArrayView>
#include <QStringView>

#include <optional>

// Steps through the rows of a code file's text one at a time, by the rules of CodeFileRows
// (codes/CodeFileLoader.h), without making a list of them: a file of a million codes is read
// without a million strings. A copy goes on from where the original stood, which is how the
// rows ahead are looked at without losing the place. View: the text (QStringView), or the bytes
// of a UTF-8 text (QByteArrayView), whose line breaks are the same bytes.
template <typename View>
class BasicCodeFileRowReader final
{
public:
    explicit BasicCodeFileRowReader(View text)
        : m_text(text)
    {}

    // The next row, a view into the text, or nothing after the last one.
    std::optional<View> next()
    {
        if (m_done)
            return std::nullopt;
        const qsizetype size = m_text.size();
        for (qsizetype i = m_start; i < size; ++i) {
            const char16_t c = unit(i);
            if (c != u'\r' && c != u'\n')
                continue;
            const View row = m_text.sliced(m_start, i - m_start);
            if (c == u'\r' && i + 1 < size && unit(i + 1) == u'\n')
                ++i;
            m_start = i + 1;
            return row;
        }
        m_done = true;
        // The text after the last break is a row only when it holds something: a break at the
        // very end, whichever kind, closes the last line rather than opening an empty one, as
        // every Unix text file ends with a line feed.
        if (m_start < size)
            return m_text.sliced(m_start);
        return std::nullopt;
    }

private:
    char16_t unit(qsizetype i) const
    {
        if constexpr (std::is_same_v<View, QStringView>)
            return m_text[i].unicode();
        else
            return char16_t(uchar(m_text[i]));
    }

    View m_text;
    qsizetype m_start = 0;
    bool m_done = false;
};

using CodeFileRowReader = BasicCodeFileRowReader<QStringView>;
using Utf8CodeFileRowReader = BasicCodeFileRowReader<QByteArrayView>;
