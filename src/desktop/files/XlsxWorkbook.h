#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QString>

#include <vector>

struct lxw_format;
struct lxw_workbook;
struct lxw_worksheet;

// One workbook of one sheet, written to a file with libxlsxwriter. Text cells stay text, so codes
// keep their leading zeros and all their digits. Nothing is written to the path until
// close(); a workbook destroyed before that leaves no file of its own (the path is left as it
// was). Rows and columns count from 1. Every operation throws OperationFailed.
class XlsxWorkbook final
{
    Q_DECLARE_TR_FUNCTIONS(XlsxWorkbook)
public:
    enum class Rows {
        AnyOrder,
        // Given in order, each one whole before the next: the library then writes each row out as
        // the next begins, and a workbook of a million rows needs no more memory than one of ten.
        // A cell for an earlier row is then refused.
        InOrder,
    };

    // Failures name shownPath, when given, rather than the path written to (a temporary name).
    explicit XlsxWorkbook(const QString& path, Rows rows = Rows::AnyOrder,
                          const QString& shownPath = {});
    ~XlsxWorkbook();
    XlsxWorkbook(const XlsxWorkbook&) = delete;
    XlsxWorkbook& operator=(const XlsxWorkbook&) = delete;

    void setCellText(int row, int column, const QString& text);
    void setCellNumber(int row, int column, double value, const QString& numberFormat);
    void setCellBoolean(int row, int column, bool value);
    // Makes a column as wide as its longest text so far (at most Excel's limit).
    void fitColumn(int column);
    void fitAllColumns();
    // Writes the file. Afterwards the workbook takes nothing more.
    void close();

    // The width, in the sheet's character units, that shows a text of that many characters.
    static double fittedWidth(qsizetype characters);

private:
    void requireOpen() const;
    void requireCell(int row, int column) const;
    lxw_format* numberFormat(const QString& format);
    void fit(std::size_t column);

    QString m_shownPath; // the path failures name
    lxw_workbook* m_workbook = nullptr;
    lxw_worksheet* m_sheet = nullptr;
    std::vector<qsizetype> m_longest;      // characters, per column
    std::vector<double> m_widths;          // fitted widths, 0 for the sheet's default
    QHash<QString, lxw_format*> m_formats; // by number format, owned by the workbook
};
