#pragma once

#include <QStringView>

#include <optional>

// Steps through the rows of a code file's text one at a time, by the rules of CodeFileRows
// (codes/CodeFileLoader.h), without making a list of them: a file of a million codes is read
// without a million strings. A copy goes on from where the original stood, which is how the
// rows ahead are looked at without losing the place.
class CodeFileRowReader final
{
public:
    explicit CodeFileRowReader(QStringView text)
        : m_text(text)
    {}

    // The next row, a view into the text, or nothing after the last one.
    std::optional<QStringView> next();

private:
    QStringView m_text;
    qsizetype m_start = 0;
    bool m_done = false;
};
