#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// One cell as the spreadsheet stored it.
struct SheetCell
{
    enum class Kind : quint8 { Empty, Text, Number, Boolean, Date };
    Kind kind = Kind::Empty;
    // Text: the text. Number: its exact decimal digits ("4006381333931", "12.5"), never in E
    // notation. Boolean: "TRUE" or "FALSE". Date: ISO 8601 ("2024-03-01", "2024-03-01 08:30:00").
    QString text;
    // Number and Date: the number format the spreadsheet shows it with ("0.00", "yyyy-mm-dd");
    // empty for the general one. Workbooks written from this sheet keep it.
    QString format;
    // Number and Date: the stored value (a date as a day count from 1899-12-30, as workbooks
    // store it).
    double number = 0;

    bool isEmpty() const { return kind == Kind::Empty; }
};

// One row of a sheet: only the cells that hold something, by column, so that a row whose one
// cell stands in the last column costs one cell and not sixteen thousand. Rows are shared when
// copied, so a row a file repeats a thousand times is held once.
class SheetRow
{
public:
    struct Filled
    {
        qsizetype column = 0;
        SheetCell cell;
    };

    // The columns up to the last that holds something.
    std::size_t size() const
    {
        return m_cells.isEmpty() ? 0 : std::size_t(m_cells.back().column) + 1;
    }
    bool empty() const { return m_cells.isEmpty(); }
    // The cell, or an empty one.
    const SheetCell& operator[](std::size_t column) const;
    // The cells that hold something, by column.
    const QList<Filled>& filled() const { return m_cells; }
    QList<Filled>& filled() { return m_cells; }

    // Puts a cell that holds something at the column; true when the place was empty. Cells set
    // out of order are put in order by settle(), which must come before the row is read.
    bool set(qsizetype column, SheetCell cell);
    // Puts the cells in column order; of two at one place, the later stays. Gives how many
    // places were given twice.
    qsizetype settle();

    // Every column from A to the last that holds something, empty ones included.
    class const_iterator
    {
    public:
        const_iterator(const SheetRow& row, std::size_t column)
            : m_row(&row)
            , m_column(column)
        {}
        const SheetCell& operator*() const { return (*m_row)[m_column]; }
        const_iterator& operator++()
        {
            ++m_column;
            return *this;
        }
        bool operator!=(const const_iterator& other) const { return m_column != other.m_column; }

    private:
        const SheetRow* m_row;
        std::size_t m_column;
    };
    const_iterator begin() const { return {*this, 0}; }
    const_iterator end() const { return {*this, size()}; }

private:
    QList<Filled> m_cells;
    bool m_inOrder = true;
};

// One sheet of a spreadsheet file: rows from the top, each from column A. Trailing empty rows
// are not kept.
struct Sheet
{
    QString name;
    // Every sheet of the file, in order, this one among them.
    QStringList sheetNames;
    std::vector<SheetRow> rows;
    // How many columns, from A, the file's cells reach: empty cells with a style too, which the
    // rows leave out, so that columns added to the file's own copy take no place it uses. At
    // least the size of every row.
    qsizetype reachedColumns = 0;

    bool hasData() const { return !rows.empty(); }
    // The cell, or an empty one past the end of its row or of the sheet.
    const SheetCell& cell(std::size_t row, std::size_t column) const;
};

// What a spreadsheet may cost to read; a file that needs more is refused, never cut short.
struct SheetLimits
{
    // Any entry of a workbook's container, inflated.
    qint64 maxEntryBytes = qint64(1024) * 1024 * 1024;
    // Inflated size against the size the entry takes in the container.
    int maxEntryRatio = 100;
    // A .csv or .tsv file.
    qint64 maxTextBytes = qint64(100) * 1024 * 1024;
    // The largest sheet Excel and LibreOffice make.
    qsizetype maxRows = 1048576;
    qsizetype maxColumns = 16384;
    // Cells that hold something, over the sheet: a few repeated cells of an .ods could
    // otherwise stand for billions.
    qsizetype maxCells = 20'000'000;
    // Spaces that an .ods writes as a count (<text:s text:c="16384"/>), over the sheet: each
    // such tag of a few bytes could otherwise stand for thousands of characters.
    qsizetype maxCountedSpaces = 16 * 1024 * 1024;
};
