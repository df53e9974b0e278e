#include "desktop/files/XlsxWorkbook.h"

#include "common/OperationFailed.h"
#include "desktop/files/StandardErrorCapture.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <xlsxwriter.h>

namespace {
// Excel's own limit on a column's width, in characters.
constexpr double kMaxColumnWidth = 255;

// The library prints its own error lines to standard error, naming the file it was given (for a
// batch run a hidden temporary one) and its source lines. They are kept off the terminal; the
// system's reason they carry ("System error = No space left on device") goes into the failure
// instead. Whatever else was written meanwhile goes on to standard error.
template <typename Call>
auto Quietly(QString& systemError, Call call)
{
    StandardErrorCapture capture;
    auto result = call();
    const QString captured = capture.finish();
    static constexpr QStringView kSystemError = u"System error = ";
    for (const QString& line : captured.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u"[ERROR]") || line.startsWith(u"[WARNING]")) {
            const qsizetype at = line.indexOf(kSystemError);
            if (at >= 0)
                systemError = line.mid(at + kSystemError.size()).trimmed();
        } else {
            std::fputs(qPrintable(line + u'\n'), stderr);
        }
    }
    return result;
}

[[noreturn]] void Fail(const QString& what, lxw_error error, const QString& systemError = {})
{
    throw OperationFailed(
        what + QStringLiteral(": ") +
        (systemError.isEmpty() ? QString::fromUtf8(lxw_strerror(error)) : systemError));
}
} // namespace

XlsxWorkbook::XlsxWorkbook(const QString& path, Rows rows, const QString& shownPath)
    : m_shownPath(shownPath.isEmpty() ? path : shownPath)
{
    lxw_workbook_options settings{};
    settings.constant_memory = rows == Rows::InOrder ? LXW_TRUE : LXW_FALSE;
    settings.use_zip64 = LXW_TRUE; // a large table must not fail at the last step
    QString systemError;
    const QByteArray encoded = QFile::encodeName(path);
    m_workbook =
        Quietly(systemError, [&] { return workbook_new_opt(encoded.constData(), &settings); });
    if (m_workbook)
        m_sheet = Quietly(systemError, [&] { return workbook_add_worksheet(m_workbook, nullptr); });
    if (!m_sheet) {
        if (m_workbook)
            lxw_workbook_free(std::exchange(m_workbook, nullptr));
        throw OperationFailed(systemError.isEmpty()
                                  ? tr("Cannot create a new workbook")
                                  : tr("Cannot create a new workbook: %1").arg(systemError));
    }
}

XlsxWorkbook::~XlsxWorkbook()
{
    if (m_workbook)
        lxw_workbook_free(m_workbook);
}

void XlsxWorkbook::setCellText(int row, int column, const QString& text)
{
    requireOpen();
    if (row < 1 || row > LXW_ROW_MAX || column < 1 || column > LXW_COL_MAX)
        throw OperationFailed(tr("There is no cell %1, %2 on a sheet")
                                  .arg(QString::number(row), QString::number(column)));
    const QByteArray utf8 = text.toUtf8();
    // A string cell and no number format: the text stays text, and what the user's spreadsheet
    // makes of a text that looks like a number is left to it.
    const lxw_error error = worksheet_write_string(
        m_sheet, lxw_row_t(row - 1), lxw_col_t(column - 1), utf8.constData(), nullptr);
    if (error != LXW_NO_ERROR)
        Fail(tr("Cannot set cell %1, %2").arg(QString::number(row), QString::number(column)),
             error);
    if (std::size_t(column) > m_longest.size()) {
        m_longest.resize(std::size_t(column), 0);
        m_widths.resize(std::size_t(column), 0);
    }
    m_longest[std::size_t(column) - 1] = std::max(m_longest[std::size_t(column) - 1], text.size());
}

void XlsxWorkbook::setCellNumber(int row, int column, double value, const QString& format)
{
    requireCell(row, column);
    const lxw_error error = worksheet_write_number(
        m_sheet, lxw_row_t(row - 1), lxw_col_t(column - 1), value, numberFormat(format));
    if (error != LXW_NO_ERROR)
        Fail(tr("Cannot set cell %1, %2").arg(QString::number(row), QString::number(column)),
             error);
}

void XlsxWorkbook::setCellBoolean(int row, int column, bool value)
{
    requireCell(row, column);
    const lxw_error error = worksheet_write_boolean(m_sheet, lxw_row_t(row - 1),
                                                    lxw_col_t(column - 1), value ? 1 : 0, nullptr);
    if (error != LXW_NO_ERROR)
        Fail(tr("Cannot set cell %1, %2").arg(QString::number(row), QString::number(column)),
             error);
}

lxw_format* XlsxWorkbook::numberFormat(const QString& format)
{
    if (format.isEmpty())
        return nullptr;
    lxw_format*& made = m_formats[format];
    if (!made) {
        made = workbook_add_format(m_workbook);
        if (!made)
            throw OperationFailed(tr("Cannot add the number format %1").arg(format));
        format_set_num_format(made, format.toUtf8().constData());
    }
    return made;
}

void XlsxWorkbook::requireCell(int row, int column) const
{
    requireOpen();
    if (row < 1 || row > LXW_ROW_MAX || column < 1 || column > LXW_COL_MAX)
        throw OperationFailed(tr("There is no cell %1, %2 on a sheet")
                                  .arg(QString::number(row), QString::number(column)));
}

void XlsxWorkbook::fitColumn(int column)
{
    requireOpen();
    if (column < 1 || column > LXW_COL_MAX)
        throw OperationFailed(tr("There is no cell 1, %1 on a sheet").arg(column));
    fit(std::size_t(column) - 1);
}

void XlsxWorkbook::fitAllColumns()
{
    requireOpen();
    for (std::size_t c = 0; c < m_longest.size(); ++c)
        fit(c);
}

void XlsxWorkbook::close()
{
    requireOpen();
    // Widths go in once, at the end: the library keeps one setting per column.
    for (std::size_t c = 0; c < m_widths.size(); ++c) {
        if (m_widths[c] > 0)
            worksheet_set_column(m_sheet, lxw_col_t(c), lxw_col_t(c), m_widths[c], nullptr);
    }
    QString systemError;
    const lxw_error error = Quietly(systemError, [this] {
        return workbook_close(std::exchange(m_workbook, nullptr)); // frees it
    });
    if (error != LXW_NO_ERROR)
        Fail(tr("Cannot write the workbook %1").arg(QDir::toNativeSeparators(m_shownPath)), error,
             systemError);
}

double XlsxWorkbook::fittedWidth(qsizetype characters)
{
    // One character's room beside the text, as a fitted column has.
    return std::min(kMaxColumnWidth, double(characters) + 1);
}

void XlsxWorkbook::requireOpen() const
{
    if (!m_workbook)
        throw OperationFailed(tr("No workbook is open"));
}

void XlsxWorkbook::fit(std::size_t column)
{
    if (column < m_longest.size())
        m_widths[column] = m_longest[column] > 0 ? fittedWidth(m_longest[column]) : 0;
}
