#include "desktop/files/QtWorkbookFiles.h"

#include "common/OperationFailed.h"
#include "desktop/files/OdsWorkbook.h"
#include "desktop/files/PartFiles.h"
#include "desktop/files/XlsxWorkbook.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <optional>
#include <type_traits>

namespace {
// Both libraries write a workbook by its name when it is closed, so it is written under a name of
// its own beside the path and renamed over it: a run stopped or failed halfway leaves the path as
// it was. Book is XlsxWorkbook or OdsWorkbook.
template <typename Book>
class QtWorkbookFile final : public WorkbookFile
{
    static constexpr bool kXlsx = std::is_same_v<Book, XlsxWorkbook>;

public:
    explicit QtWorkbookFile(const QString& path)
        : m_path(path)
        , m_partPath(ReservePartFile(path))
    {
        try {
            if constexpr (kXlsx)
                m_workbook.emplace(m_partPath, XlsxWorkbook::Rows::InOrder, m_path);
            else
                m_workbook.emplace(m_partPath, m_path);
        } catch (const OperationFailed&) {
            QFile::remove(m_partPath);
            throw;
        }
    }

    ~QtWorkbookFile() override
    {
        if (!m_committed) {
            m_workbook.reset();
            QFile::remove(m_partPath);
        }
    }

    void setCellText(int row, int column, const QString& text) override
    {
        workbook().setCellText(row, column, text);
    }

    void setCellNumber(int row, int column, double value, const QString& numberFormat) override
    {
        if constexpr (kXlsx)
            workbook().setCellNumber(row, column, value, numberFormat);
        else
            workbook().setCellNumber(row, column, value); // shown by its digits
    }

    void setCellDate(int row, int column, double serial, const QString& numberFormat) override
    {
        if constexpr (kXlsx)
            workbook().setCellNumber(row, column, serial, numberFormat);
        else
            workbook().setCellDate(row, column, serial); // shown as an ISO date
    }

    void setCellBoolean(int row, int column, bool value) override
    {
        workbook().setCellBoolean(row, column, value);
    }

    void commit() override
    {
        Book& written = workbook();
        if constexpr (kXlsx)
            written.fitAllColumns();
        written.close();
        PutPartInPlace(m_partPath, m_path);
        m_committed = true;
    }

private:
    Book& workbook()
    {
        if (!m_workbook || m_committed)
            throw OperationFailed(
                QCoreApplication::translate("QtOutputFiles", "The workbook %1 is already written")
                    .arg(QDir::toNativeSeparators(m_path)));
        return *m_workbook;
    }

    QString m_path;
    QString m_partPath;
    std::optional<Book> m_workbook;
    bool m_committed = false;
};
} // namespace

std::unique_ptr<WorkbookFile> MakeQtWorkbookFile(const QString& path, WorkbookFormat format)
{
    if (format == WorkbookFormat::Ods)
        return std::make_unique<QtWorkbookFile<OdsWorkbook>>(path);
    return std::make_unique<QtWorkbookFile<XlsxWorkbook>>(path);
}
