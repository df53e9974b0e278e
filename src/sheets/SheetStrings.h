#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// The strings a workbook's cells share, each held once in one buffer: a cell names its string by
// number. Only the strings that hold something take room, so that millions of empty ones cost
// nothing, and a string a million cells name is held once.
class SheetStrings final
{
public:
    // The next string, numbered from 0 in the order given.
    void append(QStringView text);
    // How many strings, empty ones too.
    qsizetype count() const { return m_count; }
    // The string numbered so; empty for an empty one or a number past count().
    QStringView at(qsizetype number) const;
    // Gives back the room the buffers took beyond what they hold.
    void squeeze();

private:
    // 32 bits each: a part within the limits holds fewer strings and characters.
    struct Filled
    {
        quint32 number = 0;
        quint32 start = 0;
    };
    QString m_text;
    // Grown in place where it can be, as the text is.
    QList<Filled> m_filled;
    qsizetype m_count = 0;
};
