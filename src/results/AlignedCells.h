#pragma once

#include <QList>
#include <QString>

#include <algorithm>

// The column alignment shared by the clipboard copy and the text export: every cell padded with
// spaces to its column's widest text and followed by a TAB.

// The measured width of a column; a column that appeared after the measuring has none, so its
// cells go in unpadded.
inline qsizetype MeasuredWidth(const QList<qsizetype>& widths, int column)
{
    return column <= widths.size() ? widths[column - 1] : 0;
}

// Appends the cell's text, the spaces that pad it to the width, and a TAB. A text wider than the
// width (it grew after the columns were measured) goes in whole, followed by its TAB. The line
// grows once per cell and is filled in place: an export does this for every cell of every row.
inline void AppendPaddedCell(QString& line, const QString& text, qsizetype width)
{
    const qsizetype start = line.size();
    const qsizetype length = text.size();
    const qsizetype padded = std::max(width, length);
    line.resize(start + padded + 1);
    QChar* const out = line.data() + start;
    std::copy_n(text.constData(), length, out);
    std::fill(out + length, out + padded, QChar(u' '));
    out[padded] = u'\t';
}
