#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <optional>

struct CodeOutcome;

// The files batch mode writes: each code beside its answer; or the catalogue records of the
// found books (Marc: ISO 2709, MarcXml: one MARCXML collection).
enum class OutcomeFormat { Csv, Tsv, Json, Jsonl, Xlsx, Ods, Marc, MarcXml };

// "csv", "tsv", "json", "jsonl", "xlsx", "ods", "marc", "marcxml" (any case), or nothing.
std::optional<OutcomeFormat> OutcomeFormatNamed(const QString& name);
// By the file name's extension (".mrc" for marc, ".xml" for marcxml); nothing for an extension
// of no known format.
std::optional<OutcomeFormat> OutcomeFormatOfFile(const QString& fileName);

// Every column, in its order: code, gtin, status, name, brand, quantity, source, detail,
// categories, kind, gs1_office, image_url (the picture the details window shows), url (the
// product's page), same_as (the row of the first of the same product), inner_gtin (what a case
// holds), the forms of the GTIN people need: upc, isbn10, isbn_hyphenated, issn; and for books
// author, publisher, published and control_number (a catalogue record's 001). The first eight keep
// their places, and later ones come after them, so that scripts that read the first eight by place
// keep working.
QStringList OutcomeColumns();
// What a person is shown for a column when choosing which to save: "Picture address
// (image_url)", the readable name in the user's language and the name files and --columns use.
QString OutcomeColumnLabel(const QString& column);
// One outcome's cells, in the order of the columns.
QStringList OutcomeCells(const CodeOutcome& outcome);

// The columns a file is written with, as places in OutcomeColumns(), in the file's order.
using OutcomeColumnPlaces = QList<qsizetype>;
OutcomeColumnPlaces AllOutcomeColumns();
// The places of a comma-separated list of column names (any case, spaces around them ignored);
// "all" stands for every column. No places, with the name in `unknown`, when a name (an empty
// one too) is no column.
struct OutcomeColumnChoice
{
    OutcomeColumnPlaces places;
    QString unknown;
};
OutcomeColumnChoice ChooseOutcomeColumns(QStringView list);
// The cells at those places.
QStringList PickCells(const QStringList& cells, const OutcomeColumnPlaces& places);

// The place of the column "count" (how many times a scan session read the code), which only scan
// sessions write: it is in no OutcomeColumns() list, and "all" leaves it out.
inline constexpr qsizetype kCountColumnPlace = -1;
// The places with the count column after the code's (first when the code's is not among them).
OutcomeColumnPlaces WithCountAfterCode(OutcomeColumnPlaces places);
// The names, and one outcome's cells, of the columns at those places, the count column among them.
QStringList OutcomeColumnNames(const OutcomeColumnPlaces& places);
QStringList OutcomeCellsAt(const CodeOutcome& outcome, const OutcomeColumnPlaces& places);
// "found", "not found", "failed", "not looked up".
QString OutcomeStatusWord(const CodeOutcome& outcome);

// Turns outcomes into the bytes of a text format, one piece at a time, so that a file of a
// million rows is written as it goes and never held whole.
class OutcomeWriter
{
public:
    virtual ~OutcomeWriter() = default;
    // What comes before the first row (a header line, an opening bracket).
    virtual QByteArray begin() = 0;
    virtual QByteArray row(const CodeOutcome& outcome) = 0;
    // What closes the file; written also when the run was stopped, so the file is whole.
    virtual QByteArray end() = 0;
    // The codes of the rows the file holds nothing for, in order: a file of catalogue records
    // leaves out the rows without one. Empty for every file of rows.
    virtual QStringList leftOut() const { return {}; }
};

// A value from outside (a database's answer) as a cell of CSV or TSV: one that begins with "=",
// "+", "-", "@", a tab or a carriage return gets a leading "'", so that a spreadsheet opening the
// file takes it as text and never as a formula. Workbooks store text as text and need none.
QString SpreadsheetSafe(const QString& value);

// One line of CSV (separator ',') or TSV ('\t') by RFC 4180, ending in CR LF.
QByteArray DelimitedLine(const QStringList& cells, char separator);

// A writer for every format but the workbooks (xlsx, ods), which are not text, of the columns at
// those places (a file of records has no columns). Every cell of a CSV or TSV row is
// SpreadsheetSafe.
std::unique_ptr<OutcomeWriter> MakeOutcomeWriter(OutcomeFormat format,
                                                 OutcomeColumnPlaces places = AllOutcomeColumns());
