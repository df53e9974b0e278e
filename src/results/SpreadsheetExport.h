#pragma once

#include "platform/Platform.h"

#include <QString>
#include <QStringView>

// Shown by the availability test when no spreadsheet application starts.
inline constexpr QStringView kSpreadsheetMissingMessage =
    u"Excel is not installed on this computer. You need to have it installed to use this "
    u"software without error.";
inline constexpr char kSpreadsheetMissingMessageText[] =
    QT_TRANSLATE_NOOP("SpreadsheetExport",
                      "Excel is not installed on this computer. You need to have it installed to "
                      "use this software without error.");

// Without a spreadsheet application the button offers to save the workbook instead.
inline constexpr QStringView kWorkbookSaveTitle = u"Save the Workbook";
inline constexpr QStringView kWorkbookSaveFilter = u"Excel Workbook (*.xlsx)|*.xlsx|";
// The title and filter for translating where they are shown:
// QCoreApplication::translate("SpreadsheetExport", kWorkbookSaveTitleText).
inline constexpr char kWorkbookSaveTitleText[] =
    QT_TRANSLATE_NOOP("SpreadsheetExport", "Save the Workbook");
//: A description and its pattern, followed by "|": translate the description only.
inline constexpr char kWorkbookSaveFilterText[] =
    QT_TRANSLATE_NOOP("SpreadsheetExport", "Excel Workbook (*.xlsx)|*.xlsx|");
inline constexpr QStringView kWorkbookSuggestedName = u"results.xlsx";

// Every "=" taken out, so that a sub-item cannot arrive in the sheet as a formula.
QString WithoutEqualsSigns(QString text);

// "Save Results As Excel File": the results table in a new workbook of the user's spreadsheet
// application, left open and unsaved for the user. Where no application opens workbooks, the same
// workbook is saved to a file the user names (".xlsx" added to a name without an extension).
class SpreadsheetExport final
{
public:
    explicit SpreadsheetExport(const Platform& platform)
        : m_platform(platform)
    {}

    // Whether a spreadsheet application can be started. Says so when it cannot, and never
    // reports a failure otherwise.
    bool SaveResultsAsExcelFileIsExcelInstalled();

    void PushButton13_Click();

private:
    // Whether a spreadsheet application starts, without a word either way.
    bool SpreadsheetApplicationStarts();
    // The file the user names for the workbook; empty when there is nothing to save or the user
    // cancels.
    QString AskWhereToSaveWorkbook();

    Platform m_platform;
};
