#pragma once

#include "common/ApplicationTitle.h"
#include "desktop/barcodes/PopplerPdfDocument.h"
#include "desktop/barcodes/QtPictureFiles.h"
#include "desktop/barcodes/ZbarBarcodeScanner.h"
#include "desktop/files/LibzipArchives.h"
#include "desktop/files/QtDownloadStore.h"
#include "desktop/files/QtFileSystem.h"
#include "desktop/files/QtFolderFiles.h"
#include "desktop/files/QtInputFiles.h"
#include "desktop/files/QtOutputFiles.h"
#include "desktop/files/QtTextFileWriter.h"
#include "desktop/files/QtWorkbookFiles.h"
#include "desktop/files/XlsxSpreadsheetTarget.h"
#include "desktop/labels/QtLabelPrinter.h"
#include "desktop/network/QtHttpFetcher.h"
#include "desktop/network/QtPhoneScanServer.h"
#include "desktop/network/YazCatalogueConnection.h"
#include "desktop/storage/QtPictureStore.h"
#include "desktop/storage/QtScanJournal.h"
#include "desktop/storage/QtSettingsStore.h"
#include "desktop/storage/SqliteAnswerStore.h"
#include "desktop/storage/SqlitePacingStore.h"
#include "desktop/storage/SqliteProductIndex.h"
#include "desktop/storage/SystemKeyStore.h"
#include "desktop/system/QtBrowserOpener.h"
#include "desktop/system/QtClock.h"
#include "desktop/system/QtEventLoop.h"
#include "desktop/system/QtProcessCapture.h"
#include "desktop/window/QtAboutBox.h"
#include "desktop/window/QtClipboard.h"
#include "desktop/window/QtColumnChoiceDialog.h"
#include "desktop/window/QtDetailsWindow.h"
#include "desktop/window/QtFileDialog.h"
#include "desktop/window/QtForm1Window.h"
#include "desktop/window/QtInputBox.h"
#include "desktop/window/QtLabelsDialog.h"
#include "desktop/window/QtListControl.h"
#include "desktop/window/QtMessageBox.h"
#include "desktop/window/QtProgressDialog.h"
#include "desktop/window/QtProgressDisplay.h"
#include "desktop/window/QtQuestionBox.h"
#include "desktop/window/QtScanWindow.h"
#include "desktop/window/QtShopColumnsDialog.h"
#include "desktop/window/QtSkinComponent.h"
#include "desktop/window/QtSourcesDialog.h"
#include "platform/PageLoader.h"
#include "platform/Platform.h"

#include <memory>

// The Qt implementation of every service, built around one main window. Needs a QApplication.
class QtPlatform final
{
    Q_DISABLE_COPY_MOVE(QtPlatform)
public:
    // loopbackOnly: no request of the page loader leaves this machine (QUILLFEN_LOOPBACK_ONLY).
    explicit QtPlatform(const QString& initialTitle, bool loopbackOnly = false);

    Platform services();
    QtForm1Window& window() { return m_window; }
    QtDetailsWindow& detailsWindow() { return m_detailsWindow; }
    QtScanWindow& scanWindow() { return m_scanWindow; }
    QtEventLoop& eventLoop() { return m_eventLoop; }
    QtProgressDialog& progressDialog() { return m_progressDialog; }
    // Tests and benchmarks point it at a folder and an opener of their own.
    XlsxSpreadsheetTarget& spreadsheetTarget() { return m_spreadsheet; }

private:
    ApplicationTitle m_title;
    QtForm1Window m_window;
    QtEventLoop m_eventLoop;
    QtListControl m_listView1;
    QtListControl m_listView2;
    QtProgressDisplay m_progressBar1;
    QtFileDialog m_commonDialog1;
    QtMessageBox m_messageBox;
    QtInputBox m_inputBox;
    QtBrowserOpener m_browser;
    QtFileSystem m_files;
    QtSettingsStore m_settings;
    QtProcessCapture m_capture;
    QtSkinComponent m_skin;
    std::unique_ptr<PageLoader> m_pageLoader;
    QtClipboard m_clipboard;
    QtTextFileWriter m_textFiles;
    XlsxSpreadsheetTarget m_spreadsheet;
    QtClock m_clock;
    SqliteAnswerStore m_answers;
    SqlitePacingStore m_pacing;
    SystemKeyStore m_keyring;
    SqliteProductIndex m_productIndex;
    QtSourcesDialog m_sourcesDialog;
    QtQuestionBox m_questionBox;
    QtAboutBox m_aboutBox;
    QtProgressDialog m_progressDialog;
    QtInputFiles m_inputFiles;
    QtHttpFetcher m_httpFetcher;
    QtDownloadStore m_downloadStore;
    LibzipArchives m_zips;
    QtColumnChoiceDialog m_columnChoice;
    QtOutputFiles m_outputFiles{&MakeQtWorkbookFile};
    QtDetailsWindow m_detailsWindow;
    std::unique_ptr<PageLoader> m_pictureLoader;
    QtPictureStore m_pictures;
    QtPictureFiles m_pictureFiles;
    PopplerPdfDocument m_pdfDocument;
    PopplerPdfDocument m_secondPdfDocument;
    ZbarBarcodeScanner m_barcodeScanner;
    QtScanWindow m_scanWindow;
    QtScanJournal m_scanJournal;
    QtPhoneScanServer m_phoneScans;
    QtFolderFiles m_folderFiles;
    QtShopColumnsDialog m_shopColumns;
    QtLabelsDialog m_labelsDialog;
    QtLabelPrinter m_labelPrinter;
    YazCatalogueConnection m_catalogue;
};

class Form1;

// How long the code list waits after a change before it is saved, so that a crash or a kill
// loses at most about this much of the user's edits.
inline constexpr int kCodeListAutoSaveDelayMs = 1000;

// Routes the window's events, and the details window's, to the handlers of Form1, and saves the
// code list shortly after it changes.
void ConnectForm1(QtPlatform& platform, Form1& form);
