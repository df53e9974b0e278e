#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTemporaryFile>
#include <QXmlStreamWriter>

#include <vector>

// One sheet written as an OpenDocument spreadsheet (.ods), rows in order: each row is written out
// as the next begins, so a sheet of a million rows needs no more memory than one of ten. Cells
// keep their kind: text is a string, a number a float by its shortest exact digits, a date a
// date. The rows gather in a scratch file beside the path; the container goes to the path only on
// close(), and a workbook destroyed before that leaves the path as it was. Rows and columns count
// from 1. Every operation throws OperationFailed.
class OdsWorkbook final
{
    Q_DECLARE_TR_FUNCTIONS(OdsWorkbook)
public:
    // Failures name shownPath, when given, rather than the path written to (a temporary name).
    explicit OdsWorkbook(const QString& path, const QString& shownPath = {});
    OdsWorkbook(const OdsWorkbook&) = delete;
    OdsWorkbook& operator=(const OdsWorkbook&) = delete;

    void setCellText(int row, int column, const QString& text);
    void setCellNumber(int row, int column, double value);
    // A date as workbooks store it: days from 1899-12-30, the fraction the time of day.
    void setCellDate(int row, int column, double serial);
    void setCellBoolean(int row, int column, bool value);
    // Writes the container. Afterwards the workbook takes nothing more.
    void close();

private:
    struct Cell
    {
        enum class Kind : quint8 { Empty, Text, Number, Date, Boolean };
        Kind kind = Kind::Empty;
        QString text; // Text: the text; Number, Date: the value as written
        bool withTime = false;
        bool truth = false;
    };

    void place(int row, int column, Cell cell);
    void writeRow();
    void writeCell(const Cell& cell, int repeated);
    void writeContent(QIODevice& content);
    void writeContainer(const QString& contentPath);
    [[noreturn]] void fail(const QString& why) const;

    QString m_path;
    QString m_shownPath;
    QTemporaryFile m_rows; // the table's rows, the content's middle
    QXmlStreamWriter m_xml;
    int m_row = 0;         // the row m_cells belongs to; 0 before the first
    int m_rowsWritten = 0; // rows out in m_rows, empty ones included
    int m_width = 0;       // the widest row's count of cells
    std::vector<Cell> m_cells;
    bool m_closed = false;
};
