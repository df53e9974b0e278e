#pragma once

#include "AppConfig.h"
#include "SavedCodeList.h"
#include "codes/CodeFileLoader.h"
#include "codes/CodeListEditor.h"
#include "lookup/LookupChain.h"
#include "lookup/LookupRun.h"
#include "platform/Platform.h"
#include "results/ResultsTableActions.h"
#include "results/SortBy.h"
#include "results/SpreadsheetExport.h"

#include <QStringView>

class ChanceSource;

inline constexpr QStringView kCodeListHeader = u"EAN Codes";
inline constexpr QStringView kResultsHeader = u"Description";
inline constexpr int kListColumnWidthTwips = 7000;
inline constexpr QStringView kPointerFileName = u"HAND-M.CUR";

// The main window's behaviour: start-up, closing, and one method per event of the window and its
// controls. It reaches the window only through the platform services, so it runs the same
// against the real widgets and against fakes. Every event method is safe to call from the event
// loop: nothing thrown inside ever escapes into it.
class Form1 final
{
public:
    Form1(const Platform& platform, const AppConfig& config, ChanceSource& chance);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    void Form_Load();
    void Form_QueryUnload();
    void Form_Unload();

    void PushButton6_Click();
    void PushButton3_Click();
    void PushButton1_Click();
    void PushButton7_Click();
    void PushButton17_Click();
    void PushButton4_Click();
    void PushButton13_Click();
    void PushButton2_Click();
    void PushButton5_Click();

    // The Lookup menu.
    void StopLookingUp();
    void RetryFailedRows();

    void ListView1_KeyDown(int keyCode, int shift);
    void ListView1_DblClick();
    void ListView2_KeyDown(int keyCode, int shift);
    void ListView2_DblClick();

    // Pointer movement over a push button, the window's background, and the two lists.
    void PushButton_MouseMove();
    void Form_MouseMove();
    void ListView1_MouseMove();
    void ListView2_MouseMove();

    // The code list changed a moment ago; keeps the saved copy up to date between closes.
    void AutoSaveCodeList();
    // Whether a spreadsheet application can be started; says so when it cannot.
    bool SaveResultsAsExcelFileIsExcelInstalled();

    // Module Main's start-up steps.
    void SetShortTitle();
    void OpenWebSiteByChance();

private:
    void ApplySkin();
    void CheckOnline();
    void RestoreCodeList();
    void SaveCodeList();
    // Settles the sources the next run asks, once, and again after the Sources dialog.
    void ChooseLookupSources();

    // Runs one event's body so that nothing escapes into the event loop: a closing program
    // unwinds quietly, and a failure of a procedure without a trap is still shown to the user.
    template <typename Body>
    void dispatch(QStringView procedure, Body&& body) noexcept;

    Platform m_platform;
    AppConfig m_config;
    ChanceSource& m_chance;
    CodeListEditor m_codeList;
    CodeFileLoader m_codeFiles;
    SavedCodeList m_savedCodes;
    LookupChain m_chain;
    bool m_sourcesChosen = false;
    LookupRun m_lookup;
    ResultsTableActions m_results;
    SortBy m_sortBy;
    SpreadsheetExport m_spreadsheet;
};
