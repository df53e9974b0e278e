#pragma once

#include <QByteArrayView>

// One product line of an export, reduced to what the index keeps. The views point into the
// reader's buffers and are valid during the sink's call only; the text is UTF-8 as the export
// has it, untrimmed, except the code, and no text field is longer than kLongestIndexedText.
struct ExportRow
{
    QByteArrayView code; // as given, surrounding spaces dropped
    QByteArrayView key;  // the code as the index is searched by it: see IndexKey()
    QByteArrayView productName;
    QByteArrayView localName; // product_name_<local language>, when asked for and present
    QByteArrayView englishName;
    QByteArrayView genericName;
    QByteArrayView brands;
    QByteArrayView quantity;
};

// The form of a code the index is keyed by. The exports write codes as digit strings, some with
// the leading zeros of their 13-digit form, some without ("0012345678905", "012345678905" and
// "12345678905" are the same product), so a code of digits is keyed without its leading zeros
// ("0" for a code of zeros only); any other code (a few stores' own codes have letters) is keyed
// as given. Spaces around the code are dropped first. Returns a part of the view it is given.
inline QByteArrayView IndexKey(QByteArrayView code)
{
    code = code.trimmed();
    for (const char c : code) {
        if (c < '0' || c > '9')
            return code;
    }
    qsizetype zeros = 0;
    while (zeros + 1 < code.size() && code[zeros] == '0')
        ++zeros;
    return code.sliced(zeros);
}
