#include "app/window/Form1.h"

#include "app/LookupSetup.h"
#include "app/window/AboutText.h"
#include "app/window/ConnectivityCheck.h"
#include "app/window/SkinLoader.h"
#include "app/window/StartupRoutines.h"
#include "app/window/UiLanguage.h"
#include "barcodes/ProductBarcodes.h"
#include "common/ApplicationTitle.h"
#include "common/ErrorTrap.h"
#include "common/Locations.h"
#include "common/Loopback.h"
#include "common/MainRoutines.h"
#include "common/NumberText.h"
#include "common/OperationFailed.h"
#include "common/PointerHandlers.h"
#include "common/ProgramEnding.h"
#include "common/RowRemoval.h"
#include "platform/AboutBox.h"
#include "platform/AnswerStore.h"
#include "platform/BrowserOpener.h"
#include "platform/EventLoop.h"
#include "platform/Form1Window.h"
#include "platform/ListControl.h"
#include "platform/MessageBox.h"
#include "platform/PictureFiles.h"
#include "platform/ProductIndex.h"
#include "platform/QuestionBox.h"
#include "platform/SettingsStore.h"
#include "platform/SourcesDialog.h"
#include "platform/SystemPing.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QUrl>

namespace {
ChainOptions ChainOptionsFor(const AppConfig& config)
{
    ChainOptions options;
    options.agent = OpenDatabaseAgent(config.contact);
    options.parallel = config.parallel;
    options.jitter = [] { return QRandomGenerator::global()->generateDouble(); };
    return options;
}
} // namespace

Form1::Form1(const Platform& platform, const AppConfig& config, ChanceSource& chance)
    : m_platform(platform)
    , m_config(config)
    , m_chance(chance)
    , m_codeList(platform)
    , m_codeFiles(platform)
    , m_sheetCodes(platform)
    , m_barcodeCodes(platform)
    , m_savedCodes(platform)
    , m_chain(LookupServices{platform.pageLoader, platform.eventLoop, platform.clock,
                             config.noCache ? nullptr : &platform.answers, &platform.pacing,
                             &platform.catalogue},
              {}, ChainOptionsFor(config))
    , m_lookup(platform, m_chain)
    , m_enrichment(platform, m_lookup)
    , m_results(platform)
    , m_sortBy(platform)
    , m_spreadsheet(platform)
    , m_listingSheets(platform)
    , m_resultsFile(platform, m_runOutcomes, m_listingSheets)
    , m_recordsFile(platform, m_runOutcomes)
    , m_pictureSave(platform, m_runOutcomes,
                    config.perMinute.value(QStringLiteral("pictures"), kPicturesPerMinute),
                    !config.noCache)
    , m_details(platform, m_runOutcomes)
    , m_labels(platform, config)
    , m_scan(MakeWindowScanning(platform, config))
    , m_sources(MakeSourcesEditor(platform))
    , m_database(
          platform, m_config,
          [this](QStringView procedure, const std::function<void()>& body) {
              dispatch(procedure, body);
          },
          // The next run asks the new index too, when the built-in choice now includes it.
          [this] { m_sourcesChosen = false; })
{
    m_codeFiles.loadOtherFilesWith(
        [this](ListControl& list, const QString& path, MessageBox& tell) {
            return m_sheetCodes.load(list, path, &tell);
        });
    m_sheetCodes.onLoaded = [this](const QString& path, const SheetAndColumn& read) {
        m_listingSheets.remember(path, read);
    };
    // One store of outcomes: the details window and Save Results As both read it.
    m_chain.onOutcome = [this](const CodeOutcome& outcome) { m_runOutcomes.add(outcome); };
    m_platform.phoneScans.onScan = [this](const QString& text) {
        return m_scan->TakePhoneScan(text);
    };
    m_platform.phoneScans.afterScan = [this] { PhoneScans_AnswerQueued(); };
    m_codeFiles.loadGroupedFilesWith(
        {.takes =
             [this](const QString& path) {
                 // The pictures the dialog offers, whatever the image plugins installed read.
                 return IsPdfFile(path) || m_platform.pictureFiles.readableExtensions().contains(
                                               QFileInfo(path).suffix().toLower());
             },
         .load = [this](ListControl& list,
                        const QStringList& paths) { m_barcodeCodes.load(list, paths); }});
}

template <typename Body>
void Form1::dispatch(QStringView procedure, Body&& body) noexcept
{
    try {
        body();
    } catch (const ProgramEnding&) {
        // The window has closed; the handler stops where it stood.
    } catch (...) {
        const QString description = DescribeCurrentException();
        try {
            m_platform.messageBox.show(
                BuildUntrappedReportText(description, FormLocation(procedure)),
                MessageIcon::Warning,
                QCoreApplication::translate("ErrorReport", "Application Error"));
        } catch (...) {
            // Nothing more can be shown; the event loop must not see it.
        }
    }
}

void Form1::Form_Load()
{
    dispatch(u"Form_Load", [&] {
        ErrorTrap trap(m_platform.messageBox, Location::Form_Load);
        trap(100, [&] { ApplySkin(); });
        trap(102, [&] { CheckOnline(); });
        trap(104, [&] { m_platform.window.setCaption(m_config.productName); });
        trap(106, [&] { m_platform.window.setApplicationIcon(); });
        trap(108, [&] { SetShortTitle(); });
        QString pointerFile;
        if (trap.holdsOrFails(110, [&] {
                pointerFile =
                    QDir(m_config.applicationFolder).filePath(kPointerFileName.toString());
                return FileExists(m_platform.files, pointerFile);
            }))
            trap(112, [&] { m_platform.window.loadMouseIcon(pointerFile); });
        trap(114, [&] { OpenWebSiteByChance(); });
        trap(116, [&] { m_platform.listView1.addColumnHeader(tr(kCodeListHeader.data())); });
        trap(118, [&] { m_platform.listView1.setColumnWidth(1, kListColumnWidthTwips); });
        trap(120, [&] { m_platform.listView2.addColumnHeader(tr(kResultsHeader.data())); });
        trap(122, [&] { m_platform.listView2.setColumnWidth(1, kListColumnWidthTwips); });
        trap(124, [&] { RestoreCodeList(); });
        // After the saved list, as if chosen with Load EAN Numbers From File; those that cannot
        // be read are listed in one message at the end, and the others still load.
        trap(126, [&] { m_codeFiles.LoadNamedFiles(m_platform.listView1, m_config.openFiles); });
        trap(128, [&] { m_database.showIndexSummary(); });
    });
}

void Form1::Form_QueryUnload()
{
    dispatch(u"Form_QueryUnload", [&] {
        ErrorTrap trap(m_platform.messageBox, Location::Form_QueryUnload);
        trap(100, [&] { SaveCodeList(); });
    });
}

void Form1::QuitOnSignal(MessageBox& reports)
{
    dispatch(u"QuitOnSignal", [&] {
        // A second signal while the first one's save waits changes nothing.
        if (m_platform.eventLoop.isEnding() || m_quitting)
            return;
        m_quitting = true;
        ErrorTrap trap(reports, Location::QuitOnSignal);
        trap(100, [&] { SaveCodeList(); });
        // As the window's closing does: the scan session is over.
        trap(102, [&] { m_scan->EndSession(); });
        // Leaves every loop, that of a box still open included: its handler unwinds.
        trap(104, [&] { m_platform.eventLoop.endProgram(); });
    });
}

void Form1::Form_Unload()
{
    dispatch(u"Form_Unload", [&] {
        // Closed on purpose: the scan session ends with the program, and only one that a crash
        // cut short is offered back at the next start.
        m_scan->EndSession();
        m_platform.eventLoop.endProgram();
    });
}

void Form1::SetShortTitle()
{
    m_platform.title.setText(ShortenTitle(m_config.productName));
}

void Form1::OpenWebSiteByChance()
{
    if (DrawOneToHundred(m_chance) != kWebSiteDraw || m_config.webSiteUrl.isEmpty())
        return;
    // Only this machine may be reached: the browser would carry the request past it.
    if (m_config.loopbackOnly && !IsLoopbackUrl(QUrl(m_config.webSiteUrl)))
        return;
    m_platform.browser.open(m_config.webSiteUrl);
}

void Form1::ApplySkin()
{
    SkinLoader(m_platform, m_config.applicationFolder).ApplySkin();
}

void Form1::CheckOnline()
{
    // Only this machine may be reached: a ping elsewhere is not sent, and the warning is not shown
    // either, since being offline is what was asked for. A modal box nobody can see (a virtual X
    // server, a test) would otherwise hold the start-up.
    if (m_config.loopbackOnly && !IsLoopbackHost(m_config.pingHost))
        return;
    ConnectivityCheck(m_platform, PingCommandLine(m_config.pingHost)).CheckOnline();
}

void Form1::RestoreCodeList()
{
    m_savedCodes.RestoreCodeList();
}

void Form1::SaveCodeList()
{
    m_savedCodes.SaveCodeList();
}

void Form1::AutoSaveCodeList()
{
    dispatch(u"AutoSaveCodeList", [&] { m_savedCodes.AutoSaveCodeList(); });
}

void Form1::PushButton6_Click()
{
    dispatch(u"PushButton6_Click", [&] { m_codeList.PushButton6_Click(); });
}

void Form1::PushButton3_Click()
{
    dispatch(u"PushButton3_Click", [&] { m_codeFiles.PushButton3_Click(); });
}

void Form1::PushButton1_Click()
{
    dispatch(u"PushButton1_Click", [&] {
        m_codeList.PushButton1_Click();
        // The spreadsheets the cleared codes came from are no longer the list's.
        if (m_platform.listView1.count() == 0)
            m_listingSheets.forget();
    });
}

void Form1::PushButton7_Click()
{
    dispatch(u"PushButton7_Click", [&] { m_codeList.PushButton7_Click(); });
}

void Form1::ChooseLookupSources()
{
    if (m_sourcesChosen || m_lookup.isBusy())
        return;
    const auto saved = [this](QStringView name) {
        return m_platform.settings.getSetting(kSettingsApplication.toString(),
                                              kSettingsSection.toString(), name.toString(), {});
    };
    ProductIndex& index = m_platform.productIndex;
    const SourceChoice choice =
        ChooseSources(m_config, saved(kSourcesValueName), index.info().exists);
    m_serviceUrl = ChooseServiceUrl(m_config, saved(kServiceUrlValueName));
    const bool fillGaps = FillGapsFor(m_config, saved(kFillGapsValueName));
    m_chain.setFillGaps(fillGaps);
    m_chain.setSources(
        MakeSources(choice.names, m_config, m_serviceUrl, &index, ContentLanguage(m_config)),
        choice.defaultOrder);
    m_scan->useSources(m_config, choice, m_serviceUrl, fillGaps);
    m_sourcesChosen = true;
}

template <typename Run>
void Form1::RunLookup(Run&& run)
{
    // However the run ends (a second start refused while the first goes on included), the
    // window ends up showing whether one is still under way.
    struct Ended
    {
        Form1& form;
        ~Ended()
        {
            try {
                form.m_platform.window.setLookupUnderWay(form.m_lookup.isBusy() ||
                                                         form.m_pictureSave.isBusy());
            } catch (...) {
                // The window has gone; there is nothing left to show it on.
            }
        }
    };
    m_platform.window.setLookupUnderWay(true);
    const Ended ended{*this};
    run();
}

void Form1::PushButton17_Click()
{
    dispatch(u"PushButton17_Click", [&] {
        if (m_pictureSave.isBusy())
            return;
        ChooseLookupSources();
        if (!m_lookup.isBusy())
            m_runOutcomes.beginRun();
        RunLookup([&] { m_lookup.PushButton17_Click(); });
    });
}

void Form1::StopLookingUp()
{
    dispatch(u"StopLookingUp", [&] {
        m_lookup.requestStop();
        m_pictureSave.requestStop();
    });
}

void Form1::RetryFailedRows()
{
    dispatch(u"RetryFailedRows", [&] {
        if (m_pictureSave.isBusy())
            return;
        ChooseLookupSources();
        if (!m_lookup.isBusy())
            m_runOutcomes.beginRetry();
        RunLookup([&] { m_lookup.RetryFailedRows(); });
    });
}

void Form1::EnrichSpreadsheet()
{
    dispatch(u"EnrichSpreadsheet", [&] {
        if (m_pictureSave.isBusy())
            return;
        ChooseLookupSources();
        if (!m_lookup.isBusy())
            m_runOutcomes.beginRun();
        RunLookup([&] { m_enrichment.EnrichSpreadsheet(); });
    });
}

void Form1::SaveResultsAs()
{
    dispatch(u"SaveResultsAs", [&] { m_resultsFile.SaveResultsAs(); });
}

void Form1::SaveRecordsAs()
{
    dispatch(u"SaveRecordsAs", [&] { m_recordsFile.SaveRecordsAs(); });
}

void Form1::SavePictures()
{
    dispatch(u"SavePictures", [&] {
        if (m_lookup.isBusy()) {
            m_platform.messageBox.show(QCoreApplication::translate(
                "PictureFolderSave", kPicturesAfterLookupMessage.data()));
            return;
        }
        RunLookup([&] { m_pictureSave.SavePictures(); });
    });
}

void Form1::ScanCodes()
{
    dispatch(u"ScanCodes", [&] {
        ChooseLookupSources();
        m_scan->OpenScanWindow();
    });
}

void Form1::PrintLabels()
{
    dispatch(u"PrintLabels", [&] {
        QStringList rows;
        for (int row = 1; row <= m_platform.listView2.count(); ++row)
            rows.append(m_platform.listView2.text(row));
        m_labels.PrintLabels(
            LabelPrinting::CodeListItems(m_platform.listView1, m_runOutcomes.ofRows(rows)),
            m_scan->ScannedLabelItems());
    });
}

void Form1::ScanLine_KeyText(const QString& keys)
{
    dispatch(u"ScanLine_KeyText", [&] {
        ChooseLookupSources();
        m_scan->ScanLine_KeyText(keys);
    });
}

void Form1::ScanWindow_Undo()
{
    dispatch(u"ScanWindow_Undo", [&] { m_scan->Undo(); });
}

void Form1::ScanWindow_SendToCodeList()
{
    dispatch(u"ScanWindow_SendToCodeList", [&] { m_scan->SendToCodeList(); });
}

void Form1::ScanWindow_SaveAs()
{
    dispatch(u"ScanWindow_SaveAs", [&] { m_scan->SaveScansAs(); });
}

void Form1::ScanWindow_MuteClick(bool muted)
{
    dispatch(u"ScanWindow_MuteClick", [&] { m_scan->MuteChanged(muted); });
}

void Form1::ScanWindow_PhoneClick(bool on, const QString& address, quint16 port)
{
    dispatch(u"ScanWindow_PhoneClick", [&] { m_scan->PhoneReceivingChanged(on, address, port); });
}

void Form1::ScanWindow_NewLinkClick()
{
    dispatch(u"ScanWindow_NewLinkClick", [&] { m_scan->NewPhoneLink(); });
}

void Form1::PhoneScans_AnswerQueued()
{
    dispatch(u"PhoneScans_AnswerQueued", [&] {
        ChooseLookupSources();
        m_scan->AnswerQueued();
    });
}

void Form1::ScanWindow_Unload()
{
    dispatch(u"ScanWindow_Unload", [&] { m_scan->ScanWindow_Unload(); });
}

void Form1::OfferLeftScanSession()
{
    dispatch(u"OfferLeftScanSession", [&] {
        ChooseLookupSources();
        m_scan->OfferLeftSession();
    });
}

void Form1::EditSources()
{
    dispatch(u"EditSources", [&] {
        // The next run (not one under way) asks what was chosen.
        if (m_sources->EditSources(m_config))
            m_sourcesChosen = false;
    });
}

void Form1::ForgetRememberedAnswers()
{
    dispatch(u"ForgetRememberedAnswers", [&] {
        const qint64 count = m_platform.answers.count();
        if (count == 0) {
            m_platform.messageBox.show(tr("No answers are remembered."));
            return;
        }
        const int shown = PluralCount(count);
        const QString question =
            count == 1 ? tr("Forget the remembered answer? The open databases will be asked "
                            "again about every code.",
                            nullptr, shown)
                       : tr("Forget the %1 remembered answers? The open databases will be asked "
                            "again about every code.",
                            nullptr, shown)
                             .arg(count);
        if (m_platform.questionBox.ask(question))
            m_platform.answers.forgetAll();
    });
}

void Form1::ImportProductDatabase()
{
    dispatch(u"ImportProductDatabase", [&] { m_database.ImportProductDatabase(); });
}

void Form1::DownloadProductDatabase()
{
    dispatch(u"DownloadProductDatabase", [&] { m_database.DownloadProductDatabase(); });
}

void Form1::UpdateTheIndex()
{
    dispatch(u"UpdateTheIndex", [&] { m_database.UpdateTheIndex(); });
}

void Form1::ShowProductDetails()
{
    dispatch(u"ShowProductDetails", [&] { m_details.ShowProductDetails(); });
}

void Form1::DetailsWindow_KeyDown(int keyCode)
{
    dispatch(u"DetailsWindow_KeyDown", [&] { m_details.DetailsWindow_KeyDown(keyCode); });
}

void Form1::DetailsWindow_LinkClick()
{
    dispatch(u"DetailsWindow_LinkClick", [&] {
        const QString url = m_details.pageUrl();
        if (url.isEmpty())
            return;
        // The address came in a database's answer: the browser would go wherever it says.
        if (const QString refused = m_details.pageRefusal(); !refused.isEmpty()) {
            //: %1 is a web address, %2 why it was refused.
            m_platform.messageBox.show(tr("%1 was not opened: %2.").arg(url, refused),
                                       MessageIcon::Warning);
            return;
        }
        OpenLink(url);
    });
}

void Form1::DetailsWindow_Unload()
{
    dispatch(u"DetailsWindow_Unload", [&] { m_details.DetailsWindow_Unload(); });
}

void Form1::ShowAbout()
{
    dispatch(u"ShowAbout", [&] {
        ChooseLookupSources();
        AboutFacts facts;
        facts.version = QStringLiteral(QUILLFEN_VERSION);
        for (const auto& source : m_chain.sources())
            facts.sourcesInUse.append({source->displayName(),
                                       SourceAddresses(source->name(), m_config, m_serviceUrl),
                                       source->licence()});
        facts.index = m_platform.productIndex.info();
        facts.indexDownloadUrl = m_config.indexUrl;
        facts.answersLocation = m_platform.answers.location();
        facts.answersCount = m_platform.answers.count();
        facts.answersRemembered = !m_config.noCache;
        m_platform.aboutBox.show(
            AboutText(facts), QCoreApplication::translate("AboutText", kAboutTitle.data()),
            [this](const QString& url) { dispatch(u"ShowAbout", [&] { OpenLink(url); }); });
    });
}

void Form1::ChooseLanguage(const QString& language)
{
    dispatch(u"ChooseLanguage",
             [&] { KeepUiLanguage(m_platform.settings, m_platform.messageBox, language); });
}

void Form1::OpenLink(const QString& url)
{
    // Only this machine may be reached: the browser would carry the request past it.
    if (m_config.loopbackOnly && !IsLoopbackUrl(QUrl(url))) {
        m_platform.messageBox.show(tr("%1 was not opened: only this machine may be reached "
                                      "(QUILLFEN_LOOPBACK_ONLY).")
                                       .arg(url));
        return;
    }
    try {
        m_platform.browser.open(url);
    } catch (const OperationFailed& failed) {
        m_platform.messageBox.show(failed.description(), MessageIcon::Warning);
    }
}

void Form1::PushButton4_Click()
{
    dispatch(u"PushButton4_Click", [&] { m_sortBy.PushButton4_Click(); });
}

void Form1::PushButton13_Click()
{
    dispatch(u"PushButton13_Click", [&] { m_spreadsheet.PushButton13_Click(); });
}

bool Form1::SaveResultsAsExcelFileIsExcelInstalled()
{
    bool installed = false;
    dispatch(u"SaveResultsAsExcelFileIsExcelInstalled",
             [&] { installed = m_spreadsheet.SaveResultsAsExcelFileIsExcelInstalled(); });
    return installed;
}

void Form1::PushButton2_Click()
{
    dispatch(u"PushButton2_Click", [&] { m_results.PushButton2_Click(); });
}

void Form1::PushButton5_Click()
{
    dispatch(u"PushButton5_Click", [&] { m_results.PushButton5_Click(); });
}

void Form1::ListView1_KeyDown(int keyCode, int shift)
{
    dispatch(u"ListView1_KeyDown", [&] { m_codeList.ListView1_KeyDown(keyCode, shift); });
}

void Form1::ListView1_DblClick()
{
    dispatch(u"ListView1_DblClick", [&] { m_codeList.ListView1_DblClick(); });
}

void Form1::ListView2_KeyDown(int keyCode, int /*shift*/)
{
    dispatch(u"ListView2_KeyDown", [&] {
        if (keyCode == kKeyCodeEnter)
            m_details.ShowProductDetails();
        else
            RemoveSelectedRowOnKey(m_platform.listView2, m_platform.window, keyCode);
    });
}

void Form1::ListView2_DblClick()
{
    dispatch(u"ListView2_DblClick",
             [&] { RemoveSelectedRowUnlessBusy(m_platform.listView2, m_platform.window); });
}

void Form1::PushButton_MouseMove()
{
    dispatch(u"PushButton_MouseMove", [&] { PointerOverButton(m_platform.window); });
}

void Form1::Form_MouseMove()
{
    dispatch(u"Form_MouseMove", [&] { PointerOverArrowArea(m_platform.window); });
}

void Form1::ListView1_MouseMove()
{
    dispatch(u"ListView1_MouseMove", [&] { PointerOverArrowArea(m_platform.window); });
}

void Form1::ListView2_MouseMove()
{
    dispatch(u"ListView2_MouseMove", [&] { PointerOverArrowArea(m_platform.window); });
}
