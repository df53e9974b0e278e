#pragma once

#include "sheets/Sheet.h"

#include <QByteArray>
#include <QChar>
#include <QStringView>

// Reads the text of a .csv or .tsv file: quoted fields (with doubled quotes and line breaks
// inside), rows ending in CR LF, LF or CR. Every cell that holds something is text: a CSV file
// does not say which cells were numbers.
class DelimitedTextReader final
{
public:
    // How the bytes of a text file are encoded, as decode() tells it.
    enum class Encoding { Utf8, Utf8WithMark, Utf16LEWithMark, Utf16BEWithMark, Windows1252 };
    static Encoding encodingOf(QByteArrayView bytes);

    // The file's text. A UTF-8 or UTF-16 byte-order mark says how it is encoded; without one it
    // is UTF-8 when it is valid UTF-8, and otherwise Windows-1252, which is what Excel on Windows
    // saves as "CSV".
    static QString decode(const QByteArray& bytes);
    // The text as Windows-1252, which gives back the bytes decode() read; a character it cannot
    // hold becomes "?", and is counted.
    static QByteArray toWindows1252(QStringView text, qsizetype& unencodable);
    // The separator the first lines use: comma, semicolon or tab, whichever splits them into the
    // same number of fields most often, quoted fields not counted; a comma when none does.
    static QChar guessSeparator(QStringView text);
    // The sheet, named after nothing. Throws OperationFailed when it passes the limits.
    static Sheet read(QStringView text, QChar separator, const SheetLimits& limits);
};
