#include "program/QtPlatform.h"

#include "app/window/Form1.h"
#include "app/window/ProductDetailsView.h"
#include "app/window/SavedCodeList.h"
#include "app/window/UiLanguage.h"
#include "program/ConnectionsModule.h"
#include "program/PageLoaders.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QActionGroup>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>

QtPlatform::QtPlatform(const QString& initialTitle, bool loopbackOnly)
    : m_title(initialTitle)
    , m_listView1(*m_window.listView1(), false)
    , m_listView2(*m_window.listView2(), true)
    , m_progressBar1(*m_window.progressBar1())
    , m_commonDialog1(m_window, m_eventLoop, m_settings, kSettingsApplication.toString(),
                      kSettingsSection.toString())
    , m_messageBox(m_window, m_title, m_eventLoop)
    , m_inputBox(m_window, m_title, m_eventLoop)
    , m_skin(m_window)
    , m_pageLoader(
          MakePageLoader(PageLoaderLimits{.loopbackOnly = loopbackOnly}, LinkedConnections()))
    , m_sourcesDialog(m_window, m_eventLoop)
    , m_questionBox(m_window, m_title, m_eventLoop)
    , m_aboutBox(m_window, m_eventLoop)
    , m_progressDialog(m_window)
    , m_downloadStore(QFileInfo(m_productIndex.path()).absolutePath())
    , m_columnChoice(m_window, m_eventLoop)
    , m_detailsWindow(&m_window)
    , m_pictureLoader(MakePageLoader(
          PageLoaderLimits{.maxPageBytes = kLargestPictureBytes, .loopbackOnly = loopbackOnly},
          LinkedConnections()))
    , m_pictures(QtPictureStore::defaultFolder(), QtPictureStore::kDefaultCapBytes,
                 kLargestPictureBytes)
    , m_scanWindow(&m_window)
    , m_shopColumns(m_window, m_eventLoop)
    , m_labelsDialog(m_window, m_eventLoop)
    , m_labelPrinter(&m_window)
    , m_catalogue(loopbackOnly)
{}

Platform QtPlatform::services()
{
    return Platform{
        .window = m_window,
        .listView1 = m_listView1,
        .listView2 = m_listView2,
        .progressBar1 = m_progressBar1,
        .commonDialog1 = m_commonDialog1,
        .messageBox = m_messageBox,
        .inputBox = m_inputBox,
        .eventLoop = m_eventLoop,
        .title = m_title,
        .browser = m_browser,
        .files = m_files,
        .settings = m_settings,
        .capture = m_capture,
        .skin = m_skin,
        .pageLoader = *m_pageLoader,
        .clipboard = m_clipboard,
        .textFiles = m_textFiles,
        .spreadsheet = m_spreadsheet,
        .clock = m_clock,
        .answers = m_answers,
        .pacing = m_pacing,
        .keyring = m_keyring,
        .productIndex = m_productIndex,
        .sourcesDialog = m_sourcesDialog,
        .questionBox = m_questionBox,
        .aboutBox = m_aboutBox,
        .progressDialog = m_progressDialog,
        .inputFiles = m_inputFiles,
        .httpFetcher = m_httpFetcher,
        .downloadStore = m_downloadStore,
        .zips = m_zips,
        .columnChoice = m_columnChoice,
        .outputFiles = m_outputFiles,
        .detailsWindow = m_detailsWindow,
        .pictureLoader = *m_pictureLoader,
        .pictures = m_pictures,
        .pictureFiles = m_pictureFiles,
        .pdfDocument = m_pdfDocument,
        .barcodeScanner = m_barcodeScanner,
        .scanWindow = m_scanWindow,
        .scanJournal = m_scanJournal,
        .phoneScans = m_phoneScans,
        .folderFiles = m_folderFiles,
        .shopColumns = m_shopColumns,
        .labelsDialog = m_labelsDialog,
        .labelPrinter = m_labelPrinter,
        .catalogue = m_catalogue,
        .barcodeFilesAtOnce = BarcodeFilesAtOnceOnThisMachine(),
        .secondPdfDocument = &m_secondPdfDocument,
    };
}

namespace {
// Help → Language: the desktop's language, then each language by its own name, the saved choice
// ticked.
void ConnectLanguageMenu(QtPlatform& platform, Form1& form)
{
    QMenu* const menu = platform.window().languageMenu();
    auto* const choices = new QActionGroup(menu);
    const QString saved = platform.services().settings.getSetting(
        kSettingsApplication.toString(), kSettingsSection.toString(), kLanguageValueName.toString(),
        {});
    QList<ShippedLanguage> languages{
        {QString(), QCoreApplication::translate("QtPlatform", "&Desktop's Language")}};
    languages += ShippedLanguages();
    for (const ShippedLanguage& language : languages) {
        QAction* const action = menu->addAction(language.ownName);
        action->setObjectName(QStringLiteral("Language_") + language.code);
        action->setCheckable(true);
        action->setChecked(language.code == saved);
        choices->addAction(action);
        QObject::connect(action, &QAction::triggered, menu,
                         [&form, code = language.code] { form.ChooseLanguage(code); });
        if (language.code.isEmpty())
            menu->addSeparator();
    }
}
} // namespace

void ConnectForm1(QtPlatform& platform, Form1& form)
{
    QtForm1Window& window = platform.window();
    const std::pair<QPushButton*, void (Form1::*)()> clicks[] = {
        {window.pushButton6(), &Form1::PushButton6_Click},
        {window.pushButton3(), &Form1::PushButton3_Click},
        {window.pushButton1(), &Form1::PushButton1_Click},
        {window.pushButton7(), &Form1::PushButton7_Click},
        {window.pushButton17(), &Form1::PushButton17_Click},
        {window.pushButton4(), &Form1::PushButton4_Click},
        {window.pushButton13(), &Form1::PushButton13_Click},
        {window.pushButton2(), &Form1::PushButton2_Click},
        {window.pushButton5(), &Form1::PushButton5_Click},
    };
    for (const auto& [button, handler] : clicks)
        QObject::connect(button, &QPushButton::clicked, &window,
                         [&form, handler = handler] { (form.*handler)(); });

    const std::pair<QAction*, void (Form1::*)()> items[] = {
        {window.sourcesAction(), &Form1::EditSources},
        {window.forgetAnswersAction(), &Form1::ForgetRememberedAnswers},
        {window.importDatabaseAction(), &Form1::ImportProductDatabase},
        {window.downloadDatabaseAction(), &Form1::DownloadProductDatabase},
        {window.updateIndexAction(), &Form1::UpdateTheIndex},
        {window.stopLookingUpAction(), &Form1::StopLookingUp},
        {window.retryFailedRowsAction(), &Form1::RetryFailedRows},
        {window.productDetailsAction(), &Form1::ShowProductDetails},
        {window.saveResultsAsAction(), &Form1::SaveResultsAs},
        {window.saveRecordsAsAction(), &Form1::SaveRecordsAs},
        {window.savePicturesAction(), &Form1::SavePictures},
        {window.enrichSpreadsheetAction(), &Form1::EnrichSpreadsheet},
        {window.scanAction(), &Form1::ScanCodes},
        {window.printLabelsAction(), &Form1::PrintLabels},
        {window.aboutAction(), &Form1::ShowAbout},
    };
    for (const auto& [action, handler] : items)
        QObject::connect(action, &QAction::triggered, &window,
                         [&form, handler = handler] { (form.*handler)(); });
    ConnectLanguageMenu(platform, form);

    QtScanWindow& scan = platform.scanWindow();
    QObject::connect(&scan, &QtScanWindow::keyText, &window,
                     [&form](const QString& keys) { form.ScanLine_KeyText(keys); });
    QObject::connect(&scan, &QtScanWindow::undoRequested, &window,
                     [&form] { form.ScanWindow_Undo(); });
    QObject::connect(scan.sendToCodeListButton(), &QPushButton::clicked, &window,
                     [&form] { form.ScanWindow_SendToCodeList(); });
    QObject::connect(scan.saveAsButton(), &QPushButton::clicked, &window,
                     [&form] { form.ScanWindow_SaveAs(); });
    QObject::connect(&scan, &QtScanWindow::muteClicked, &window,
                     [&form](bool muted) { form.ScanWindow_MuteClick(muted); });
    QObject::connect(&scan, &QtScanWindow::closed, &window, [&form] { form.ScanWindow_Unload(); });
    QObject::connect(&scan, &QtScanWindow::phoneClicked, &window,
                     [&form](bool on, const QString& address, quint16 port) {
                         form.ScanWindow_PhoneClick(on, address, port);
                     });
    QObject::connect(scan.newLinkButton(), &QPushButton::clicked, &window,
                     [&form] { form.ScanWindow_NewLinkClick(); });

    QtDetailsWindow& details = platform.detailsWindow();
    QObject::connect(&details, &QtDetailsWindow::keyDown, &window,
                     [&form](int keyCode) { form.DetailsWindow_KeyDown(keyCode); });
    QObject::connect(&details, &QtDetailsWindow::linkClicked, &window,
                     [&form] { form.DetailsWindow_LinkClick(); });
    QObject::connect(&details, &QtDetailsWindow::closed, &window,
                     [&form] { form.DetailsWindow_Unload(); });

    QObject::connect(&window, &QtForm1Window::closeRequested, &window, [&form] {
        form.Form_QueryUnload();
        form.Form_Unload();
    });
    QObject::connect(&window, &QtForm1Window::backgroundMouseMoved, &window,
                     [&form] { form.Form_MouseMove(); });
    QObject::connect(&window, &QtForm1Window::buttonMouseMoved, &window,
                     [&form] { form.PushButton_MouseMove(); });
    QObject::connect(&window, &QtForm1Window::listKeyDown, &window,
                     [&form](int list, int keyCode, int shift) {
                         if (list == 1)
                             form.ListView1_KeyDown(keyCode, shift);
                         else
                             form.ListView2_KeyDown(keyCode, shift);
                     });
    QObject::connect(&window, &QtForm1Window::listDoubleClicked, &window, [&form](int list) {
        if (list == 1)
            form.ListView1_DblClick();
        else
            form.ListView2_DblClick();
    });
    QObject::connect(&window, &QtForm1Window::listMouseMoved, &window, [&form](int list) {
        if (list == 1)
            form.ListView1_MouseMove();
        else
            form.ListView2_MouseMove();
    });

    // The first change starts the clock and later ones ride along, so edits that never pause (a
    // long file load) are still saved about once a second.
    auto* const autoSave = new QTimer(&window);
    autoSave->setSingleShot(true);
    autoSave->setInterval(kCodeListAutoSaveDelayMs);
    const auto changed = [autoSave] {
        if (!autoSave->isActive())
            autoSave->start();
    };
    const QAbstractItemModel* const codes = window.listView1()->model();
    QObject::connect(codes, &QAbstractItemModel::rowsInserted, autoSave, changed);
    QObject::connect(codes, &QAbstractItemModel::rowsRemoved, autoSave, changed);
    QObject::connect(codes, &QAbstractItemModel::modelReset, autoSave, changed);
    QObject::connect(codes, &QAbstractItemModel::dataChanged, autoSave, changed);
    QObject::connect(autoSave, &QTimer::timeout, &window, [&form, autoSave] {
        QElapsedTimer took;
        took.start();
        form.AutoSaveCodeList();
        // A list of a million codes takes a good part of a second to save, and the window waits
        // meanwhile: the next save comes no sooner than ten times that, so that saving never
        // takes more than a tenth of the time of a long load.
        autoSave->setInterval(int(std::max<qint64>(kCodeListAutoSaveDelayMs, 10 * took.elapsed())));
    });
}
