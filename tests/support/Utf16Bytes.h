#pragma once

#include <QByteArray>
#include <QString>

// The text in UTF-16 of the given byte order, with or without its byte-order mark, as another
// program would write a code file.
inline QByteArray Utf16Bytes(const QString& text, bool littleEndian, bool mark)
{
    QByteArray bytes;
    if (mark)
        bytes = littleEndian ? QByteArray("\xFF\xFE", 2) : QByteArray("\xFE\xFF", 2);
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xff);
        bytes.append(littleEndian ? low : high);
        bytes.append(littleEndian ? high : low);
    }
    return bytes;
}
