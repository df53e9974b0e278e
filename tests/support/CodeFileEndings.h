#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The ways a code file's lines may end, with the rows the window's list gains from each. Batch
// mode reads the same file to the same codes, less the rows that hold none, so both suites run
// this one table and cannot drift apart.
struct CodeFileEnding
{
    const char* name;
    QByteArray bytes;
    QStringList rows;
};

inline QList<CodeFileEnding> CodeFileEndings()
{
    const QStringList two{QStringLiteral("111"), QStringLiteral("222")};
    return {
        {"LF after every line", "111\n222\n", two},
        {"CR LF after every line", "111\r\n222\r\n", two},
        {"CR after every line", "111\r222\r", two},
        {"no break after the last line", "111\n222", two},
        {"UTF-8 mark and LF",
         "\xEF\xBB\xBF"
         "111\n222\n",
         two},
        {"blank line in the middle is a row", "111\n\n222\n", {"111", "", "222"}},
        {"blank CR LF line in the middle is a row", "111\r\n\r\n222\r\n", {"111", "", "222"}},
        {"two breaks at the end: one blank row", "111\n\n", {"111", ""}},
        {"a lone LF is one blank row", "\n", {""}},
        {"empty file", "", {}},
    };
}

// A file without a byte-order mark is in the system's code page: UTF-8 on Linux, the ANSI code
// page on Windows. Rows about how UTF-8 goes wrong only mean something where it is UTF-8.
inline bool SystemCodePageIsUtf8()
{
    return QString::fromLocal8Bit("\xC3\xA9") == QStringLiteral("\u00E9");
}
