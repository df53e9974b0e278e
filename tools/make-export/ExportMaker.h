#pragma once

// Makes product exports shaped like the open databases' (tab-separated, a header naming about
// 200 columns, about a kilobyte a line, names in many scripts), of any size, the same for the
// same seed. For the tests, the benchmarks, and trying an import without downloading anything.

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <cstdint>
#include <functional>

struct ExportShape
{
    qint64 rows = 1000;
    std::uint64_t seed = 1;
    bool shuffleColumns = false;
    int extraColumns = 0;            // made-up columns beyond the usual ones
    double badLineShare = 0;         // lines with a field too few or too many
    double emptyCodeShare = 0;       // lines with an empty code
    bool crlf = false;               // CR LF line ends
    bool lastLineUnfinished = false; // no line break after the last line
    // JSON Lines, as the full JSON export and the daily change files are: one object a line,
    // no header.
    bool jsonLines = false;
};

class ExportMaker final
{
public:
    explicit ExportMaker(const ExportShape& shape);

    const QByteArrayList& columns() const { return m_columns; }
    // The header line, with its line break; none for JSON Lines.
    QByteArray header() const;
    // Appends line `row` (0-based), with its line break unless it is the unfinished last one.
    void appendLine(qint64 row, QByteArray& out) const;
    // What kind of line `row` is.
    enum class LineKind { Product, BadFieldCount, EmptyCode };
    LineKind kindOf(qint64 row) const;

    // The 13-digit code of product `row`, the same whatever else the shape says. The export
    // writes some of those that start with zeros without them, as the real ones do.
    static QByteArray productCode(std::uint64_t seed, qint64 row);
    // Code `i` of a list to look up in the export, of which `missingShare` are in no product,
    // spread evenly over the list (of 100 codes with a share of 0.1, every tenth one).
    static QByteArray codeToLookUp(const ExportShape& shape, qint64 i, double missingShare);
    // The product name line `row` gets (for product lines).
    QByteArray productName(qint64 row) const;

    // Writes the whole export through `write`, in pieces of about a megabyte.
    void write(const std::function<void(QByteArrayView piece)>& write) const;

private:
    ExportShape m_shape;
    QByteArrayList m_columns;
    std::vector<int> m_kindOfColumn; // what each column holds, by position
};

// Writes an export to a file, gzip-compressed (level 1-9) or, with level 0, as plain text.
// Returns false with a reason when the file cannot be written.
bool WriteExportFile(const ExportShape& shape, const QString& path, int gzipLevel,
                     QString* problem = nullptr);
