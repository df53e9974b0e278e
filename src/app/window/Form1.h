#pragma once

// The main window's face: its presenter, Form1, one handler per event, and what only it uses.

#include "app/AppConfig.h"
#include "app/ScanFace.h"
#include "app/SourcesFace.h"
#include "app/window/ProductDatabaseMenu.h"
#include "app/window/ProductDetailsView.h"
#include "app/window/RecordsFileSave.h"
#include "app/window/ResultsFileSave.h"
#include "app/window/SavedCodeList.h"
#include "app/window/SheetEnrichment.h"
#include "barcodes/BarcodeCodeLoader.h"
#include "codes/CodeFileLoader.h"
#include "codes/CodeListEditor.h"
#include "lookup/LookupChain.h"
#include "lookup/LookupRun.h"
#include "platform/Platform.h"
#include "results/ResultsTableActions.h"
#include "results/RunOutcomes.h"
#include "results/SortBy.h"
#include "results/SpreadsheetExport.h"
#include "sheets/SheetCodeLoader.h"

#include <QCoreApplication>
#include <QString>
#include <QStringView>

#include <memory>

class ChanceSource;

// The two lists' column headers: shown as the window's language has them.
inline constexpr QLatin1StringView kCodeListHeader{QT_TRANSLATE_NOOP("Form1", "EAN Codes")};
//: The header of the results list: each row describes the product of a code.
inline constexpr QLatin1StringView kResultsHeader{QT_TRANSLATE_NOOP("Form1", "Description")};
inline constexpr int kListColumnWidthTwips = 7000;
inline constexpr QStringView kPointerFileName = u"HAND-M.CUR";

// Form1's behaviour: start-up, closing, and one method per event of the window and its
// controls. It reaches the window only through the platform services, so it runs the same
// against the real widgets and against fakes. Every event method is safe to call from the event
// loop: nothing thrown inside ever escapes into it.
class Form1 final
{
    Q_DECLARE_TR_FUNCTIONS(Form1)

public:
    Form1(const Platform& platform, const AppConfig& config, ChanceSource& chance);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // The handlers: the caption or event, then the module that does the work.
    // start-up, here, step by step: skin -> app/window/SkinLoader, online check ->
    // app/window/ConnectivityCheck, title and web site -> app/window/StartupRoutines, the code list
    // kept from last time -> app/window/SavedCodeList, code files named on the command line ->
    // codes/CodeFileLoader
    void Form_Load();
    void Form_QueryUnload(); // closing: keep the code list -> app/window/SavedCodeList
    // closed: end the scan session and the program -> app/scan/ScanMode, platform/EventLoop
    void Form_Unload();
    // SIGTERM, SIGINT, SIGHUP: keep the code list and end the scan session as a close does, and
    // end the program, even with a box open; whatever fails goes to `reports`, which asks nobody
    // to close anything -> app/window/SavedCodeList, app/scan/ScanMode, platform/EventLoop
    void QuitOnSignal(MessageBox& reports);

    void PushButton6_Click();  // "Add EAN Number or Numbers" -> codes/CodeListEditor
    void PushButton3_Click();  // "Load EAN Numbers From File" -> codes/CodeFileLoader
    void PushButton1_Click();  // "Clear List" -> codes/CodeListEditor
    void PushButton7_Click();  // "Load Sample/Example EANs" -> codes/CodeListEditor
    void PushButton17_Click(); // "Start Looking Up" -> lookup/LookupRun
    void PushButton4_Click();  // "Save Results As Text File" -> results/SortBy
    void PushButton13_Click(); // "Save Results As Excel File" -> results/SpreadsheetExport
    void PushButton2_Click();  // "Clear Results" -> results/ResultsTableActions
    void PushButton5_Click();  // "Copy Results To Clipboard" -> results/ResultsTableActions

    void EditSources();             // "Lookup -> Sources..." -> app/sources/SourcesEditor
    void ForgetRememberedAnswers(); // "Lookup -> Forget Remembered Answers" -> platform/AnswerStore
    void ImportProductDatabase();   // "Lookup -> Import Product Database..." ->
                                    // app/window/ProductDatabaseMenu
    void DownloadProductDatabase(); // "Lookup -> Download Product Database" ->
                                    // app/window/ProductDatabaseMenu
    void UpdateTheIndex();  // "Lookup -> Update the Index" -> app/window/ProductDatabaseMenu
    void StopLookingUp();   // "Lookup -> Stop Looking Up", Esc -> lookup/LookupRun
    void RetryFailedRows(); // "Lookup -> Retry Failed Rows" -> lookup/LookupRun
    // "Lookup -> Enrich a Spreadsheet..." -> app/window/SheetEnrichment
    void EnrichSpreadsheet();
    // "Lookup -> Save Results As..." -> app/window/ResultsFileSave
    void SaveResultsAs();
    // "Lookup -> Save Records As..." -> app/window/RecordsFileSave
    void SaveRecordsAs();
    // "Lookup -> Scan...", Ctrl+Shift+S -> app/scan/ScanMode
    void ScanCodes();
    // The scan window: keys into its line, Ctrl+Z, "Send to Code List", "Save As...", "Mute",
    // its closing; at start-up, a session a crash left -> app/scan/ScanMode
    void ScanLine_KeyText(const QString& keys);
    void ScanWindow_Undo();
    void ScanWindow_SendToCodeList();
    void ScanWindow_SaveAs();
    void ScanWindow_MuteClick(bool muted);
    // "Receive Scans From a Phone", "New Link", and the queue after a phone's scan
    void ScanWindow_PhoneClick(bool on, const QString& address, quint16 port);
    void ScanWindow_NewLinkClick();
    void PhoneScans_AnswerQueued();
    void ScanWindow_Unload();
    void OfferLeftScanSession();
    void ShowAbout(); // "Help -> About Quillfen" -> app/window/AboutText
    // "Help -> Language -> ..." -> app/window/UiLanguage; empty: the desktop's language.
    void ChooseLanguage(const QString& language);
    // "Lookup -> Product Details...", Enter on a results row -> app/window/ProductDetailsView
    void ShowProductDetails();
    // The details window: Esc, Up and Down; its link to the product's page; its closing
    // -> app/window/ProductDetailsView
    void DetailsWindow_KeyDown(int keyCode);
    void DetailsWindow_LinkClick();
    void DetailsWindow_Unload();

    void ListView1_KeyDown(int keyCode, int shift); // "EAN Codes", Delete -> common/RowRemoval
    void ListView1_DblClick();                      // "EAN Codes" -> common/RowRemoval
    // "Description", Delete -> common/RowRemoval, Enter -> app/window/ProductDetailsView
    void ListView2_KeyDown(int keyCode, int shift);
    void ListView2_DblClick(); // "Description" -> common/RowRemoval

    // Pointer movement over a push button, the window's background, and the two lists
    // -> common/PointerHandlers.
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
    // Runs a lookup run, telling the window while it is under way.
    template <typename Run>
    void RunLookup(Run&& run);
    // A link the user followed in the About box.
    void OpenLink(const QString& url);

    // Runs one event's body so that nothing escapes into the event loop: a closing program
    // unwinds quietly, and a failure of a procedure without a trap is still shown to the user.
    template <typename Body>
    void dispatch(QStringView procedure, Body&& body) noexcept;

    Platform m_platform;
    AppConfig m_config;
    ChanceSource& m_chance;
    CodeListEditor m_codeList;
    CodeFileLoader m_codeFiles;
    SheetCodeLoader m_sheetCodes;
    BarcodeCodeLoader m_barcodeCodes;
    SavedCodeList m_savedCodes;
    LookupChain m_chain;
    bool m_sourcesChosen = false;
    bool m_quitting = false;
    // The page service's address the chosen sources ask.
    QString m_serviceUrl;
    LookupRun m_lookup;
    // What each row of the last run holds beyond its text, for Save Results As.
    RunOutcomes m_runOutcomes;
    SheetEnrichment m_enrichment;
    ResultsTableActions m_results;
    SortBy m_sortBy;
    SpreadsheetExport m_spreadsheet;
    ResultsFileSave m_resultsFile;
    RecordsFileSave m_recordsFile;
    ProductDetailsView m_details;
    // The scan window's side (app/scan) and the Sources dialog's (app/sources).
    std::unique_ptr<ScanFace> m_scan;
    std::unique_ptr<SourcesFace> m_sources;
    // Last, so that an import or download still under way ends before anything it uses.
    ProductDatabaseMenu m_database;
};
