#include "results/SpreadsheetExport.h"

#include "common/ErrorTrap.h"
#include "common/Locations.h"
#include "common/MainRoutines.h"
#include "common/OperationFailed.h"
#include "common/PointerCode.h"
#include "common/ProgramEnding.h"
#include "platform/EventLoop.h"
#include "platform/FileDialog.h"
#include "platform/Form1Window.h"
#include "platform/ListControl.h"
#include "platform/MessageBox.h"
#include "platform/SpreadsheetTarget.h"

#include <QCoreApplication>

#include <memory>

namespace {
// An application object that does not arrive counts as one that did not start.
std::unique_ptr<Spreadsheet> StartSpreadsheet(SpreadsheetTarget& target)
{
    std::unique_ptr<Spreadsheet> application = target.start();
    if (!application)
        throw OperationFailed(QCoreApplication::translate(
            "SpreadsheetExport", "The spreadsheet application did not start"));
    return application;
}
} // namespace

QString WithoutEqualsSigns(QString text)
{
    text.remove(u'=');
    return text;
}

bool SpreadsheetExport::SpreadsheetApplicationStarts()
{
    try {
        // Only to see that it starts; it goes again at once.
        StartSpreadsheet(m_platform.spreadsheet);
        return true;
    } catch (const ProgramEnding&) {
        throw;
    } catch (...) {}
    return false;
}

bool SpreadsheetExport::SaveResultsAsExcelFileIsExcelInstalled()
{
    const bool started = SpreadsheetApplicationStarts();
    if (!started) {
        try {
            m_platform.messageBox.show(
                QCoreApplication::translate("SpreadsheetExport", kSpreadsheetMissingMessageText));
        } catch (const ProgramEnding&) {
            throw;
        } catch (...) {}
    }
    return started;
}

void SpreadsheetExport::PushButton13_Click()
{
    ErrorTrap trap(m_platform.messageBox, Location::PushButton13_Click);
    const ListControl& list = m_platform.listView2;
    EventLoop& loop = m_platform.eventLoop;
    std::unique_ptr<Spreadsheet> sheet;
    bool workbookAdded = false;
    int columns = 0;
    int rows = 0;
    int sheetColumn = 0;
    int sheetRow = 0;

    QString savePath;
    if (trap.holdsOrFails(100, [&] { return !SpreadsheetApplicationStarts(); })) {
        // Telling the user that no application is installed would leave them nothing: the
        // workbook is saved where they say instead.
        trap(102, [&] { savePath = AskWhereToSaveWorkbook(); });
        if (savePath.isEmpty())
            return;
    }
    if (trap.holdsOrFails(104, [&] { return list.count() == 0; }))
        return;
    trap(106, [&] { m_platform.window.setMousePointer(PointerCode::Hourglass); });
    trap(108, [&] {
        sheet = savePath.isEmpty() ? StartSpreadsheet(m_platform.spreadsheet)
                                   : m_platform.spreadsheet.startSaving(savePath);
    });
    // Without an application or a workbook every cell would fail on its own; one report is
    // enough, and the export stops there.
    if (sheet)
        trap(110, [&] {
            sheet->addWorkbook();
            workbookAdded = true;
        });

    if (workbookAdded) {
        sheetColumn = 1;
        trap(112, [&] { columns = list.columnCount(); });
        for (int k = 1; k <= columns; ++k) {
            trap(114, [&] { loop.yield(); });
            trap(116, [&] { sheet->setCellText(1, sheetColumn, list.columnHeader(k)); });
            ++sheetColumn;
            trap(118, [&] { sheet->fitColumn(k); });
        }

        // Table row r lands on sheet row r + 1 whether it is ticked or not; unticked rows leave
        // their sheet row empty. Rows removed while the export yields are no longer written.
        sheetRow = 2;
        trap(120, [&] { rows = list.count(); });
        for (int r = 1; r <= rows; ++r) {
            trap(122, [&] { loop.yield(); });
            if (trap.holdsOrFails(124, [&] { return r > list.count(); }))
                break;
            if (trap.holdsOrFails(126, [&] { return list.isChecked(r); })) {
                sheetColumn = 1;
                trap(128, [&] { columns = list.columnCount(); });
                bool rowGone = false;
                for (int k = 1; k <= columns; ++k) {
                    trap(130, [&] { loop.yield(); });
                    if (trap.holdsOrFails(132, [&] { return r > list.count(); })) {
                        rowGone = true;
                        break;
                    }
                    trap(134, [&] {
                        const QString cell = CellText(list, r, k);
                        const QString value = k == 1 ? cell : WithoutEqualsSigns(cell);
                        sheet->setCellText(sheetRow, sheetColumn, value);
                    });
                    ++sheetColumn;
                }
                if (rowGone)
                    break;
            }
            ++sheetRow;
        }

        trap(136, [&] { sheet->fitAllColumns(); });
        trap(138, [&] { sheet->show(); });
    }
    trap(140, [&] { m_platform.window.setMousePointer(PointerCode::Default); });
}

QString SpreadsheetExport::AskWhereToSaveWorkbook()
{
    if (m_platform.listView2.count() == 0)
        return {};
    FileDialog& dialog = m_platform.commonDialog1;
    // Not the dialog's last name, which may be a code list the user loaded.
    dialog.setFolderKind(FolderKind::Results);
    dialog.setFileName(kWorkbookSuggestedName.toString());
    dialog.setFlags(FileDialogFlag::LongNames | FileDialogFlag::Explorer);
    dialog.setDialogTitle(QCoreApplication::translate("SpreadsheetExport", kWorkbookSaveTitleText));
    dialog.setFilter(QCoreApplication::translate("SpreadsheetExport", kWorkbookSaveFilterText));
    dialog.showSave();
    return WithDefaultExtension(dialog.fileName(), u"xlsx");
}
