#pragma once

#include "platform/Platform.h"

#include <QString>
#include <QStringView>

// Shown by the availability test, then by the button, when no spreadsheet application starts.
inline constexpr QStringView kSpreadsheetMissingMessage =
    u"Excel is not installed on this computer. You need to have it installed to use this "
    u"software without error.";
inline constexpr QStringView kSpreadsheetMissingForFeatureMessage =
    u"Excel is not installed on this computer. You need to have it installed to use this "
    u"feature.";

// Every "=" taken out, so that a sub-item cannot arrive in the sheet as a formula.
QString WithoutEqualsSigns(QString text);

// "Save Results As Excel File": the results table in a new workbook of the user's spreadsheet
// application, left open and unsaved for the user.
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
    Platform m_platform;
};
