#pragma once

#include "platform/ExportRow.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// A name, brand or quantity is kept up to this many characters. Real ones are a few dozen; a
// longer one is damage or a paste gone wrong, and kept whole it would make the index (and the
// import's memory) as large as the export's text.
inline constexpr qsizetype kLongestIndexedText = 1000;
// A real product line is a few kilobytes; a "line" longer than this is damage, and is skipped
// as it comes instead of held.
inline constexpr qsizetype kLongestExportLine = 16 * 1024 * 1024;
// A line whose code is longer than this holds no product code: codes are at most 14 digits, and
// stores' own codes a few more characters.
inline constexpr qsizetype kLongestCode = 100;

// The languages an index keeps names in, of those asked for: lower case, without English (the
// index keeps that name anyway) or a repeat, at most kMostIndexLanguages, in the order given.
QStringList IndexLanguages(const QStringList& asked);

// Lines that were not taken, by reason.
struct ExportSkips
{
    qint64 wrongFieldCount = 0; // more or fewer fields than the header names
    qint64 emptyCode = 0;       // nothing (or only spaces) in the code column
    qint64 longCode = 0;        // more than kLongestCode characters in the code column
    qint64 notJson = 0;         // in JSON Lines: a line that is not one JSON object
    qint64 longLine = 0;        // more than kLongestExportLine bytes

    qint64 total() const { return wrongFieldCount + emptyCode + longCode + notJson + longLine; }
    ExportSkips& operator+=(const ExportSkips& other)
    {
        notJson += other.notJson;
        longLine += other.longLine;
        wrongFieldCount += other.wrongFieldCount;
        emptyCode += other.emptyCode;
        longCode += other.longCode;
        return *this;
    }
};

// Reads the text of a product export (tab-separated, one header line naming the columns, lines
// ending in LF or CR LF) as it is decompressed, in chunks of any size, without a copy of the
// lines except the one cut by the end of a chunk. Columns are found by their names in the
// header, in any order, among any others. Fields are not quoted in these exports (they hold no
// tab and no line break), so quotes are read as part of the text.
//
// The same databases also publish their products as JSON Lines (the full export and the daily
// change files): one JSON object a line, no header. Such a text is told by its first line, which
// starts with "{" where a header names columns. Its fields are read by their JSON names; one
// that is missing or of another type than expected (a newer schema) leaves that field empty.
class ExportReader final
{
public:
    using RowSink = std::function<void(const ExportRow& row)>;

    // localLanguage: "de" takes product_name_de as the local name; empty (or "en") takes none.
    explicit ExportReader(QByteArrayView localLanguage = {});
    // The names of these languages ("de", "fr"), the first as the local name, the others as the
    // row's further names; English and languages past kMostIndexLanguages are not taken.
    explicit ExportReader(const QList<QByteArray>& languages);

    // Reads the text, handing every complete product line to the sink. Returns false, and reads
    // nothing more, once the header turns out not to be an export's (problem() says why).
    bool feed(QByteArrayView text, const RowSink& sink);
    // The end of the text: reads a last line that has no line break. Returns false when the
    // text held no header or not an export's.
    bool finish(const RowSink& sink);

    // Empty while all is well: "the first line names no \"code\" column".
    QString problem() const { return m_problem; }
    qint64 rows() const { return m_rows; }
    const ExportSkips& skips() const { return m_skips; }
    // Text fields of the rows taken that were cut to kLongestIndexedText characters.
    qint64 fieldsCut() const { return m_fieldsCut; }

private:
    enum Slot {
        Code,
        ProductName,
        LocalName,
        EnglishName,
        GenericName,
        Brands,
        Quantity,
        MainCategory,
        Countries,
        Image,
        MoreName1,
        MoreName2,
        MoreName3,
        Slots
    };

    void line(QByteArrayView text, const RowSink& sink);
    // A line past kLongestExportLine, of which `start` is the beginning, is being skipped. As
    // the first line it tells the kind of text too: a product of JSON Lines is skipped like any
    // other, a header line that long is no export's.
    void startSkipping(QByteArrayView start);
    void header(QByteArrayView text);
    void jsonLine(QByteArrayView text, const RowSink& sink);
    void take(ExportRow& row, const QByteArrayView (&fields)[Slots], const RowSink& sink);

    bool m_json = false;
    // The text of a JSON line's fields, which the row's views point into during the sink's call.
    QByteArray m_jsonText[Slots];

    QByteArray m_localColumns[kMostIndexLanguages]; // product_name_<language>, by slot
    QByteArray m_carry; // the start of a line that the previous chunk cut
    // A line longer than any product line is dropped as it comes rather than held in memory.
    bool m_discardingLine = false;
    bool m_headerRead = false;
    QString m_problem;
    qsizetype m_fieldCount = 0;
    // For each column of the header, the slot it fills, or -1.
    std::vector<signed char> m_slotOfColumn;
    qsizetype m_lastKeptColumn = 0;
    qint64 m_rows = 0;
    ExportSkips m_skips;
    qint64 m_fieldsCut = 0;
};
