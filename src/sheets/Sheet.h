#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
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

class SheetStrings;

// One row of a sheet: only the cells that hold something, by column, so that a row whose one
// cell stands in the last column costs one cell and not sixteen thousand. A cell is a small
// record; the texts of the row are held in one buffer (a text the cell before holds too is held
// once), and a workbook's shared strings by their number. Rows are shared when copied, so a row a
// file repeats a thousand times is held once.
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
    SheetCell operator[](std::size_t column) const;
    // How many cells hold something; the column and the cell of each, from 0 in column order.
    qsizetype filledCount() const { return m_cells.size(); }
    qsizetype columnAt(qsizetype index) const { return m_cells[index].column; }
    SheetCell cellAt(qsizetype index) const { return cellOf(m_cells[index]); }

    // The cells that hold something, by column, each made as it is reached.
    class Cells
    {
    public:
        class const_iterator
        {
        public:
            const_iterator(const SheetRow& row, qsizetype index)
                : m_row(&row)
                , m_index(index)
            {}
            Filled operator*() const
            {
                return Filled{m_row->columnAt(m_index), m_row->cellAt(m_index)};
            }
            const_iterator& operator++()
            {
                ++m_index;
                return *this;
            }
            bool operator!=(const const_iterator& other) const { return m_index != other.m_index; }

        private:
            const SheetRow* m_row;
            qsizetype m_index;
        };
        explicit Cells(const SheetRow& row)
            : m_row(row)
        {}
        qsizetype size() const { return m_row.filledCount(); }
        const_iterator begin() const { return {m_row, 0}; }
        const_iterator end() const { return {m_row, size()}; }

    private:
        const SheetRow& m_row;
    };
    Cells filled() const { return Cells(*this); }

    // Puts a cell that holds something at the column; true when the place was empty. Cells set
    // out of order are put in order by settle(), which must come before the row is read.
    bool set(qsizetype column, const SheetCell& cell);
    // Puts a text cell that holds the string numbered so among the strings its workbook shares,
    // read once share() gives them; as set() otherwise.
    bool setShared(qsizetype column, qsizetype number);
    // Each cell of the other row put here as set() puts it; `added` is called for each that took
    // an empty place, and may throw.
    template <typename Added>
    void setAll(const SheetRow& other, Added&& added)
    {
        for (const Stored& one : other.m_cells) {
            if (one.shared ? setShared(one.column, one.text) : set(one.column, other.cellOf(one)))
                added();
        }
    }
    // Gives the row the strings its shared cells name; a cell that names an empty string holds
    // nothing and goes. The column of a cell that names a string past the last, or -1.
    qsizetype share(const std::shared_ptr<const SheetStrings>& strings);
    // Room for so many cells and as much text as the other row holds, at once: rows mostly
    // hold as much as the one before.
    void reserveLike(const SheetRow& other);
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
        SheetCell operator*() const { return (*m_row)[m_column]; }
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
    // 24 bytes a cell, where a cell of its own strings took 72 and the strings' own allocations.
    struct Stored
    {
        double number = 0;
        qint32 column = 0;
        // Where the text starts in m_text, the format right after it; or, shared, the string's
        // number.
        quint32 text = 0;
        quint32 textLength = 0;
        quint32 formatLength : 27 = 0;
        quint32 kind : 4 = 0;
        quint32 shared : 1 = 0;
    };
    SheetCell cellOf(const Stored& stored) const;
    bool put(const Stored& stored);
    // Puts the texts of the kept cells in a new buffer, when places given twice left some unused.
    void pack();

    QList<Stored> m_cells;
    QString m_text;
    std::shared_ptr<const SheetStrings> m_strings;
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
    SheetCell cell(std::size_t row, std::size_t column) const;
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
