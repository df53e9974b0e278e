// The menus' commands on the fakes: the Sources dialog, forgetting answers, the About box,
// importing and downloading the product database, stopping a run, and saving the results with
// every column.
#include "app/window/AboutText.h"
#include "app/window/ResultsFileSave.h"
#include "app/window/UiLanguage.h"
#include "lookup/LookupRun.h"
#include "lookup/Politeness.h"
#include "support/Form1OnFakes.h"
#include "support/GzipBytes.h"
#include "support/LoopbackConfig.h"

#include <QSemaphore>
#include <QTest>

namespace {
const QString kCode = QStringLiteral("4006381333931");
const QString kSettings = QStringLiteral("Zandrik/Quillfen/");

// An index already in use, of one product, from one export.
FakeProductIndex::Table OldIndex()
{
    FakeProductIndex::Table table;
    table.exports.append(IndexedExport{QStringLiteral("Open Food Facts"),
                                       QStringLiteral("en.openfoodfacts.org.products.csv.gz"),
                                       QDateTime(QDate(2024, 6, 1), QTime(2, 30), Qt::UTC), 1200});
    table.exports.append(IndexedExport{QStringLiteral("Open Beauty Facts"),
                                       QStringLiteral("en.openbeautyfacts.org.products.csv.gz"),
                                       QDateTime(QDate(2024, 5, 17), QTime(3, 4), Qt::UTC), 34});
    ProductFields fields;
    fields.productName = QStringLiteral("Old Tea");
    table.products.insert(kCode,
                          IndexedProduct{kCode, fields, QStringLiteral("Open Food Facts"), {}});
    return table;
}

// A small export: the code of the old index with a new name, and a line without a code.
QByteArray NewExport()
{
    const QByteArray text =
        "code\tproduct_name\n" + kCode.toLatin1() + "\tNew Tea\n\tNo Code\n5000112637922\tCola\n";
    return GzipBytes(text);
}

// As a lookup run asks: the index put in place last.
QString NameOf(FakeProductIndex& index, const QString& code)
{
    index.reopenIfReplaced();
    const std::optional<IndexedProduct> found = index.find(code);
    return found ? found->fields.productName : QStringLiteral("(none)");
}

// Form1 on the fakes with the old index in place and a new export to import.
struct Importing : Form1OnFakes
{
    explicit Importing(const AppConfig& config = LoopbackConfig())
        : Form1OnFakes(config)
    {
        productIndex.place(OldIndex());
        inputFiles.files.insert(kExportPath, NewExport());
    }
    // Lets the import's thread finish and its end reach the window.
    void waitForTheEnd() { QTRY_VERIFY_WITH_TIMEOUT(!progressDialog.isOpen, 20000); }

    const QString kExportPath = QStringLiteral("/in/en.openfoodfacts.org.products.csv.gz");
};

void TickOnly(SourcesDialogState& state, const QStringList& names)
{
    for (SourceRow& row : state.rows)
        row.ticked = names.contains(row.name);
}
} // namespace

class TestMenuCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void language_keptForTheNextStartWhichReadsIt();
    // ---- Sources ----
    void sources_okSavesTheChoiceAndTheNextRunAsksIt();
    void sources_cancelSavesNothing();
    void sources_commandLineWinsAndTheDialogSaysSo();
    // ---- Forget Remembered Answers ----
    void forget_asksThenForgets();
    void forget_noForgetsNothing();
    void forget_nothingRemembered_asksNothing();
    // ---- About ----
    void about_listsSourcesInUseLicencesIndexAndAnswers();
    void about_withoutAnIndex_saysNoneImportedAndNamesTheAddressesInEffect();
    void about_linksOpenOnlyWhenFollowedAndStayOnThisMachine();
    // ---- Product database ----
    void import_chosenFilesReplaceTheIndexAndTheSummaryTellsTheSkips();
    void import_cancelled_leavesTheOldIndex();
    void download_fetchesTheExportImportsItThenRemovesIt();
    void download_refusedAddress_saysWhyAndKeepsTheIndex();
    void download_cancelled_keepsWhatArrivedAndTheIndex();
    void update_indexOlderThanTheFilesKept_offersTheFullDownload();
    // ---- Runs ----
    void run_theWindowKnowsWhileOneIsUnderWay();
    void stop_endsTheRunAfterTheCodeUnderWay();
    void importedIndex_answersFirstWithoutAskingAnyone();
    void busyForEveryone_theRunGoesOnAndTheAdviceEndsInTheDoneBox();

    void saveResultsAs_tickedRowsWithTheChosenColumnsInTheFormatNamed();
};

// ---- Sources ----

void TestMenuCommands::sources_okSavesTheChoiceAndTheNextRunAsksIt()
{
    Form1OnFakes fake(LoopbackConfig());
    fake.listView1.add(kCode);
    fake.form.PushButton17_Click(); // settles the built-in sources
    QCOMPARE(fake.pageLoader.requested.size(), 1);
    QCOMPARE(fake.pageLoader.requested[0].path(), QStringLiteral("/api/v3/product/4006381333931"));

    fake.sourcesDialog.tries = {[](SourcesDialogState& state) {
        TickOnly(state, {"page"});
        state.serviceUrl = QStringLiteral("http://127.0.0.1:7/svc");
    }};
    fake.form.EditSources();
    QCOMPARE(fake.settings.values.value(kSettings + "Sources"), QStringLiteral("page"));
    QCOMPARE(fake.settings.values.value(kSettings + "Service URL"),
             QStringLiteral("http://127.0.0.1:7/svc"));
    QVERIFY(fake.settings.values.value(kSettings + "Source Order").startsWith(u"openfoodfacts,"));

    fake.form.PushButton17_Click();
    QCOMPARE(fake.pageLoader.requested.size(), 2);
    QCOMPARE(fake.pageLoader.requested[1],
             QUrl(QStringLiteral("http://127.0.0.1:7/svc/perl/ean-search.pl?q=4006381333931")));

    // Opened again, the dialog shows what was saved.
    fake.form.EditSources();
    const SourcesDialogState shown = fake.sourcesDialog.asked()[1].initial;
    QCOMPARE(shown.rows[0].name, QStringLiteral("openfoodfacts"));
    QVERIFY(!shown.rows[0].ticked);
    QCOMPARE(shown.serviceUrl, QStringLiteral("http://127.0.0.1:7/svc"));
    QCOMPARE(fake.sourcesDialog.asked()[1].note, QString());
}

void TestMenuCommands::sources_cancelSavesNothing()
{
    Form1OnFakes fake(LoopbackConfig());
    // The user unticks everything, is told why that cannot be, and cancels.
    fake.sourcesDialog.tries = {[](SourcesDialogState& state) { TickOnly(state, {}); }};
    fake.form.EditSources();
    QCOMPARE(fake.sourcesDialog.asked().size(), 1);
    QCOMPARE(fake.sourcesDialog.problems.size(), 1);
    QCOMPARE(fake.settings.saves, 0);
}

void TestMenuCommands::sources_commandLineWinsAndTheDialogSaysSo()
{
    Form1OnFakes fake(LoopbackConfigForService(QStringLiteral("http://127.0.0.1:5")));
    fake.sourcesDialog.tries = {[](SourcesDialogState& state) { TickOnly(state, {"upcitemdb"}); }};
    fake.form.EditSources();
    QVERIFY(fake.sourcesDialog.asked()[0].note.contains(u"page service alone, at "
                                                        u"http://127.0.0.1:5"));
    QCOMPARE(fake.settings.values.value(kSettings + "Sources"), QStringLiteral("upcitemdb"));

    fake.listView1.add(kCode);
    fake.form.PushButton17_Click();
    QCOMPARE(fake.pageLoader.requested,
             QList<QUrl>{QUrl(QStringLiteral("http://127.0.0.1:5/perl/ean-search.pl?q=") + kCode)});
}

// ---- Forget Remembered Answers ----

void TestMenuCommands::forget_asksThenForgets()
{
    Form1OnFakes fake(LoopbackConfig());
    for (const QString& code : QStringList{"1", "2", "3"})
        fake.answers.answers.insert({QStringLiteral("openfoodfacts"), QString(), code},
                                    StoredAnswer{});
    fake.questionBox.answers = {true};
    fake.form.ForgetRememberedAnswers();
    QCOMPARE(fake.questionBox.questions(),
             QStringList{"Forget the 3 remembered answers? The open databases will be asked "
                         "again about every code."});
    QCOMPARE(fake.questionBox.asked()[0].title, QStringLiteral("Quillfen"));
    QVERIFY(fake.answers.answers.isEmpty());
}

void TestMenuCommands::forget_noForgetsNothing()
{
    Form1OnFakes fake(LoopbackConfig());
    fake.answers.answers.insert({QStringLiteral("openlibrary"), QString(), QStringLiteral("1")},
                                {});
    fake.questionBox.answers = {false};
    fake.form.ForgetRememberedAnswers();
    QCOMPARE(fake.questionBox.questions().size(), 1);
    QVERIFY(fake.questionBox.questions()[0].startsWith(u"Forget the remembered answer?"));
    QCOMPARE(fake.answers.hook.calls(u"forgetAll"), 0);
    QCOMPARE(fake.answers.answers.size(), 1);
}

void TestMenuCommands::forget_nothingRemembered_asksNothing()
{
    Form1OnFakes fake(LoopbackConfig());
    fake.form.ForgetRememberedAnswers();
    QVERIFY(fake.questionBox.asked().isEmpty());
    QCOMPARE(fake.messageBox.texts(), QStringList{"No answers are remembered."});
}

// ---- About ----

void TestMenuCommands::about_listsSourcesInUseLicencesIndexAndAnswers()
{
    Form1OnFakes fake(LoopbackConfig());
    fake.productIndex.place(OldIndex());
    fake.answers.answers.insert({QStringLiteral("openfoodfacts"), QString(), QStringLiteral("1")},
                                {});
    fake.answers.answers.insert({QStringLiteral("openlibrary"), QString(), QStringLiteral("2")},
                                {});
    fake.form.ShowAbout();

    QCOMPARE(fake.aboutBox.titles, QStringList{"About Quillfen"});
    const QString html = fake.aboutBox.shown.value(0);
    const QStringList expected{
        "Quillfen " QUILLFEN_VERSION,
        // the built-in order with an index, each with the addresses it asks
        "<li>Product index<br>pictures: https://images.openfoodfacts.org<br>product pages: "
        "http://127.0.0.1:9</li><li>Open Food Facts<br>http://127.0.0.1:9</li><li>Open "
        "Library<br>http://127.0.0.1:9<br>covers: https://covers.openlibrary.org</li></ol>",
        "Open Food Facts, Open Beauty Facts, Open Pet Food Facts and Open Products Facts",
        "Open Food Facts contributors",
        "<a href=\"https://world.openfoodfacts.org\">",
        "Open Database Licence",
        "<a href=\"https://opendatacommons.org/licenses/odbl/1-0/\">ODbL 1.0</a>",
        "<a href=\"https://openlibrary.org\">",
        "public domain",
        "<a href=\"https://www.upcitemdb.com\">",
        "subject to its terms of service",
        "1,234 products",
        "Databases: Open Food Facts, Open Beauty Facts.",
        "en.openfoodfacts.org.products.csv.gz, exported 1 June 2024, 1,200 products",
        "en.openbeautyfacts.org.products.csv.gz, exported 17 May 2024, 34 products",
        "2 answers of the open databases remembered in /fake/cache/lookups.sqlite",
    };
    for (const QString& piece : expected)
        QVERIFY2(html.contains(piece), qPrintable(piece));
    QVERIFY(fake.browser.opened.isEmpty()); // nothing opens by itself
}

void TestMenuCommands::about_withoutAnIndex_saysNoneImportedAndNamesTheAddressesInEffect()
{
    AppConfig config = LoopbackConfig();
    config.noCache = true;
    config.sources = QStringList{"upcitemdb", "page"};
    config.upcItemDbUrl = QStringLiteral("http://127.0.0.1:8");
    config.indexUrl = QStringLiteral("http://127.0.0.1:6/export.csv.gz");
    Form1OnFakes fake(config);
    // The page service's address in effect is the one the Sources dialog saved.
    fake.settings.values.insert(kSettings + "Service URL",
                                QStringLiteral("http://127.0.0.1:7/ean"));
    fake.form.ShowAbout();
    const QString html = fake.aboutBox.shown.value(0);
    QVERIFY2(html.contains(u"<li>UPCitemdb<br>http://127.0.0.1:8</li><li>Page service<br>"
                           u"http://127.0.0.1:7/ean</li></ol>"),
             qPrintable(html));
    QVERIFY(html.contains(u"fetches the export from http://127.0.0.1:6/export.csv.gz."));
    QVERIFY(html.contains(u"No product index imported."));
    QVERIFY(html.contains(u"neither uses nor keeps remembered answers (--no-cache). 0 answers"));
}

void TestMenuCommands::about_linksOpenOnlyWhenFollowedAndStayOnThisMachine()
{
    {
        Form1OnFakes fake(LoopbackConfig());
        fake.aboutBox.linksToFollow = {QStringLiteral("http://127.0.0.1:8/terms"),
                                       kOdblUrl.toString()};
        fake.form.ShowAbout();
        QCOMPARE(fake.browser.opened, QStringList{"http://127.0.0.1:8/terms"});
        QCOMPARE(fake.messageBox.texts(),
                 QStringList{kOdblUrl + QStringLiteral(" was not opened: only this machine may be "
                                                       "reached (QUILLFEN_LOOPBACK_ONLY).")});
    }
    AppConfig config = LoopbackConfig();
    config.loopbackOnly = false;
    Form1OnFakes fake(config);
    fake.browser.hook.failOnCall(u"open", 1, QStringLiteral("No browser"));
    fake.aboutBox.linksToFollow = {kOdblUrl.toString(), kOpenLibrarySite.toString()};
    fake.form.ShowAbout();
    // The fake only records: nothing is opened for real.
    QCOMPARE(fake.browser.opened, QStringList{"https://openlibrary.org"});
    QCOMPARE(fake.messageBox.texts(), QStringList{"No browser"});
    QCOMPARE(fake.messageBox.shown()[0].icon, MessageIcon::Warning);
}

// ---- Product database ----

void TestMenuCommands::import_chosenFilesReplaceTheIndexAndTheSummaryTellsTheSkips()
{
    Importing fake;
    // Several files come back as the folder, then the names.
    fake.commonDialog1.choices = {QStringLiteral("/in") + QChar(u'\0') +
                                  QStringLiteral("en.openfoodfacts.org.products.csv.gz")};
    fake.form.ImportProductDatabase();
    QCOMPARE(fake.commonDialog1.showings().value(0).title,
             QStringLiteral("Import Product Database"));
    QVERIFY(fake.commonDialog1.showings().value(0).filter.startsWith(u"Product database exports"));
    QVERIFY(fake.progressDialog.isOpen);
    // Meanwhile the old index answers, and a second import is refused.
    QCOMPARE(NameOf(fake.productIndex, kCode), QStringLiteral("Old Tea"));
    fake.form.ImportProductDatabase();
    QCOMPARE(fake.commonDialog1.showings().size(), 1);

    fake.waitForTheEnd();
    QCOMPARE(fake.progressDialog.titles, QStringList{"Import Product Database"});
    QCOMPARE(NameOf(fake.productIndex, kCode), QStringLiteral("New Tea"));
    QCOMPARE(NameOf(fake.productIndex, QStringLiteral("5000112637922")), QStringLiteral("Cola"));
    const QStringList texts = fake.messageBox.texts();
    QCOMPARE(texts.size(), 2);
    QVERIFY(texts[0].startsWith(u"The product database is being imported"));
    QVERIFY2(texts[1].startsWith(u"Imported 2 products from 1 file in "), qPrintable(texts[1]));
    QVERIFY2(texts[1].contains(u"Skipped 1 lines: 0 with a wrong number of fields, 1 with an "
                               u"empty code."),
             qPrintable(texts[1]));
}

void TestMenuCommands::import_cancelled_leavesTheOldIndex()
{
    Importing fake;
    QSemaphore reading;
    QSemaphore goOn;
    fake.inputFiles.readPiece = 16;
    fake.inputFiles.beforeRead = [&](const QString&, qint64 offset) {
        if (offset == 16) {
            reading.release();
            goOn.acquire();
        }
    };
    fake.commonDialog1.choices = {fake.kExportPath};
    fake.form.ImportProductDatabase();
    reading.acquire();
    fake.progressDialog.pressCancel();
    QCOMPARE(fake.progressDialog.texts.last(), QStringLiteral("Cancelling\u2026"));
    goOn.release();
    fake.waitForTheEnd();
    QCOMPARE(NameOf(fake.productIndex, kCode), QStringLiteral("Old Tea"));
    QVERIFY2(fake.messageBox.texts().value(0).startsWith(u"Import cancelled after "),
             qPrintable(fake.messageBox.texts().value(0)));
}

void TestMenuCommands::download_fetchesTheExportImportsItThenRemovesIt()
{
    AppConfig config = LoopbackConfig();
    config.indexUrl =
        QStringLiteral("http://127.0.0.1:9/data/en.openfoodfacts.org.products.csv.gz");
    Importing fake(config);
    fake.httpFetcher.body = NewExport();
    fake.httpFetcher.head.headers = {{"Content-Length", QByteArray::number(NewExport().size())}};
    fake.form.DownloadProductDatabase();
    QCOMPARE(fake.progressDialog.titles, QStringList{"Download Product Database"});
    fake.waitForTheEnd();
    QCOMPARE(fake.httpFetcher.requested, QList<QUrl>{QUrl(config.indexUrl)});
    QCOMPARE(NameOf(fake.productIndex, kCode), QStringLiteral("New Tea"));
    QCOMPARE(fake.downloadStore.removed,
             QStringList{"/fake/index/en.openfoodfacts.org.products.csv.gz"});
    QVERIFY2(fake.messageBox.texts().value(0).startsWith(u"Imported 2 products"),
             qPrintable(fake.messageBox.texts().value(0)));
}

void TestMenuCommands::download_refusedAddress_saysWhyAndKeepsTheIndex()
{
    const AppConfig config = LoopbackConfig(); // loopback only, and the export's public address
    Importing fake(config);
    fake.form.DownloadProductDatabase();
    fake.waitForTheEnd();
    QVERIFY(fake.httpFetcher.requested.isEmpty());
    QCOMPARE(fake.messageBox.texts(),
             QStringList{"The download failed: " + config.indexUrl +
                         ": not a loopback address.\nThe product index is as it was."});
    QCOMPARE(fake.messageBox.shown()[0].icon, MessageIcon::Warning);
    QCOMPARE(NameOf(fake.productIndex, kCode), QStringLiteral("Old Tea"));
}

void TestMenuCommands::update_indexOlderThanTheFilesKept_offersTheFullDownload()
{
    AppConfig config = LoopbackConfig();
    config.indexUrl =
        QStringLiteral("http://127.0.0.1:9/data/en.openfoodfacts.org.products.csv.gz");
    config.indexChangesUrl = QStringLiteral("http://127.0.0.1:9/data/delta/index.txt");
    Importing fake(config);
    // Files of December 2025 only, for an index of June 2024.
    fake.httpFetcher.body = "openfoodfacts_products_1765238400_1765324800.json.gz\n"
                            "openfoodfacts_products_1765152000_1765238400.json.gz\n";
    fake.questionBox.answers = {true};
    fake.form.UpdateTheIndex();
    QCOMPARE(fake.progressDialog.titles.value(0), QStringLiteral("Update the Index"));
    fake.waitForTheEnd();
    QCOMPARE(fake.questionBox.questions().size(), 1);
    QVERIFY2(fake.questionBox.questions()[0].startsWith(
                 u"The product index (of 2024-06-01 02:30 UTC) is older than the oldest daily "
                 u"change file kept (from 2025-12-08 00:00 UTC): nothing was applied."),
             qPrintable(fake.questionBox.questions()[0]));
    // Yes: the full download starts (and fails here: the stand-in answers it with the list).
    QCOMPARE(fake.httpFetcher.requested,
             (QList<QUrl>{QUrl(config.indexChangesUrl), QUrl(config.indexUrl)}));
    QCOMPARE(NameOf(fake.productIndex, kCode), QStringLiteral("Old Tea"));
    QCOMPARE(fake.window.indexSummary, QStringLiteral("Index of 2024-06-01, 1,234 products"));
}

void TestMenuCommands::download_cancelled_keepsWhatArrivedAndTheIndex()
{
    AppConfig config = LoopbackConfig();
    config.indexUrl =
        QStringLiteral("http://127.0.0.1:9/data/en.openfoodfacts.org.products.csv.gz");
    Importing fake(config);
    fake.httpFetcher.body = NewExport();
    fake.httpFetcher.piece = 8;
    QSemaphore fetching;
    QSemaphore goOn;
    fake.httpFetcher.hook.onCall(u"fetch", [&](int) {
        fetching.release();
        goOn.acquire();
    });
    fake.form.DownloadProductDatabase();
    fetching.acquire();
    fake.progressDialog.pressCancel();
    goOn.release();
    fake.waitForTheEnd();
    QCOMPARE(fake.messageBox.texts(),
             QStringList{"Download cancelled. What has arrived is kept, and the next download "
                         "goes on from there. The product index is as it was."});
    QVERIFY(fake.downloadStore.removed.isEmpty());
    QCOMPARE(NameOf(fake.productIndex, kCode), QStringLiteral("Old Tea"));
}

// ---- Runs ----

void TestMenuCommands::run_theWindowKnowsWhileOneIsUnderWay()
{
    Form1OnFakes fake(LoopbackConfigForService(QStringLiteral("http://127.0.0.1:5")));
    fake.form.PushButton17_Click(); // no codes: refused at once
    QCOMPARE(fake.window.lookupUnderWayHistory, (QList<bool>{true, false}));

    fake.listView1.add(kCode);
    QList<bool> duringRequests;
    fake.pageLoader.hook.onCall(u"start",
                                [&](int) { duringRequests.append(fake.window.lookupUnderWay); });
    fake.form.PushButton17_Click();
    QCOMPARE(duringRequests, QList<bool>{true});
    QVERIFY(!fake.window.lookupUnderWay);
    fake.listView2.setText(1, kCode + QStringLiteral(" - lookup failed: HTTP 503"));
    fake.form.RetryFailedRows();
    QCOMPARE(duringRequests, (QList<bool>{true, true}));
    QVERIFY(!fake.window.lookupUnderWay);
}

void TestMenuCommands::stop_endsTheRunAfterTheCodeUnderWay()
{
    Form1OnFakes fake(LoopbackConfigForService(QStringLiteral("http://127.0.0.1:5")));
    for (const QString& code : QStringList{"1", "2", "3"})
        fake.listView1.add(code);
    fake.pageLoader.hook.onCall(u"start", [&](int call) {
        if (call == 2)
            fake.form.StopLookingUp();
    });
    fake.form.PushButton17_Click();
    QCOMPARE(fake.pageLoader.requested.size(), 2);
    QCOMPARE(fake.listView2.count(), 2);
    QCOMPARE(fake.messageBox.texts(), QStringList{"Stopped after 2 of 3 codes."});
    QVERIFY(!fake.window.lookupUnderWay);

    // Stopping when nothing runs does nothing, and the next run goes to its end.
    fake.form.StopLookingUp();
    fake.pageLoader.hook.disarm();
    fake.form.PushButton17_Click();
    QCOMPARE(fake.listView2.count(), 3);
    QCOMPARE(fake.messageBox.texts().last(), QStringLiteral("Done."));
}

void TestMenuCommands::busyForEveryone_theRunGoesOnAndTheAdviceEndsInTheDoneBox()
{
    AppConfig config = LoopbackConfig();
    config.sources = QStringList{QStringLiteral("openfoodfacts")};
    Form1OnFakes fake(config);
    fake.pageLoader.respond = [](const QUrl&) {
        FakeResponse busy{QStringLiteral("{}"), {}, 1};
        busy.status = 503;
        return busy;
    };
    fake.answers.problems = {QStringLiteral("The remembered answers cannot be written.")};
    for (const QString& code : {kCode, QStringLiteral("5449000000996")})
        fake.listView1.add(code);
    fake.form.PushButton17_Click();

    // Nobody had to click on the way: one box, at the end, each notice in it once.
    const QString advice = QString::fromUtf8(kUseTheExportAdviceText);
    QCOMPARE(fake.messageBox.texts(),
             QStringList{"Done.\n0 found, 0 not found, 2 failed\nLookup → Retry Failed Rows asks "
                         "again about the failed ones.\nThe remembered answers cannot be "
                         "written.\n" +
                         advice});
    QCOMPARE(fake.listView2.count(), 2);
    // Meanwhile the caption said so.
    QVERIFY(fake.progressBar1.history.contains(
        u"text " + CaptionWithNotice(QStringLiteral("Processing: 5449000000996"), advice)));
}

void TestMenuCommands::importedIndex_answersFirstWithoutAskingAnyone()
{
    Form1OnFakes fake(LoopbackConfig());
    fake.productIndex.place(OldIndex());
    fake.listView1.add(kCode);
    fake.form.PushButton17_Click();
    QVERIFY(fake.pageLoader.requested.isEmpty());
    QCOMPARE(fake.listView2.count(), 1);
    QVERIFY2(fake.listView2.text(1).contains(u"Old Tea"), qPrintable(fake.listView2.text(1)));
}

void TestMenuCommands::saveResultsAs_tickedRowsWithTheChosenColumnsInTheFormatNamed()
{
    AppConfig config = LoopbackConfig();
    config.serviceUrlNamed = true;
    Form1OnFakes fake(config);
    // Two codes under one name: each row keeps its own code. The second fails at first, and
    // its retried row is what is saved.
    int secondAsked = 0;
    fake.pageLoader.respond = [&secondAsked](const QUrl& address) {
        const QString code = FakePageLoader::queryValue(address);
        if (code == u"40172637" && ++secondAsked == 1)
            return FakeResponse{QString(), QStringLiteral("HTTP 503")};
        if (code == kCode || code == u"40172637")
            return FakeResponse{QStringLiteral("<p>Product name for EAN ") + code +
                                QStringLiteral(": <a href=\"/p\">=Pen</a></p>")};
        return FakeResponse{FakePageLoader::kNoRecordPage.toString()};
    };
    for (const QString& code : {kCode, QStringLiteral("40172637"), QStringLiteral("5000112637922")})
        fake.listView1.add(code);
    fake.form.PushButton17_Click();
    fake.form.RetryFailedRows();
    QCOMPARE(fake.listView2.texts().mid(0, 2), (QStringList{"=Pen", "=Pen"}));
    fake.listView2.setChecked(3, false);

    fake.columnChoice.severalAnswers = {QList<qsizetype>{0, 2, 3}};
    fake.commonDialog1.choices = {QStringLiteral("/d/results")};
    fake.form.SaveResultsAs();
    // Readable names, with the name files and --columns use beside each.
    const QStringList shown = fake.columnChoice.askedSeveral.constFirst().columns;
    QCOMPARE(shown.size(), OutcomeColumns().size());
    QCOMPARE(shown.mid(0, 2), (QStringList{"Code as typed (code)", "GTIN (gtin)"}));
    QVERIFY(shown.contains(u"GS1 office (gs1_office)"));
    QVERIFY(shown.contains(u"Picture address (image_url)"));
    QCOMPARE(fake.columnChoice.askedSeveral.constFirst().ticked, AllOutcomeColumns());
    QCOMPARE(fake.outputFiles.texts.value(QStringLiteral("/d/results.csv")),
             QByteArray("code,status,name\r\n" + kCode.toLatin1() +
                        ",found,'=Pen\r\n40172637,found,'=Pen\r\n"));

    // The last choice of columns and name is offered again; a workbook by its extension.
    fake.columnChoice.severalAnswers = {QList<qsizetype>{0}};
    fake.commonDialog1.choices = {QStringLiteral("/d/results.ods")};
    fake.form.SaveResultsAs();
    QCOMPARE(fake.columnChoice.askedSeveral.last().ticked, (QList<qsizetype>{0, 2, 3}));
    QCOMPARE(fake.commonDialog1.showings().last().fileNameShown, QStringLiteral("/d/results.csv"));
    QCOMPARE(fake.commonDialog1.showings().last().filter, kSaveResultsFilter.toString());
    QCOMPARE(fake.outputFiles.workbookFormats.value(QStringLiteral("/d/results.ods")),
             WorkbookFormat::Ods);
    QCOMPARE(fake.outputFiles.workbooks.value(QStringLiteral("/d/results.ods")),
             (FakeOutputFiles::Cells{{{1, 1}, QStringLiteral("code")},
                                     {{2, 1}, kCode},
                                     {{3, 1}, QStringLiteral("40172637")}}));

    fake.form.PushButton2_Click(); // Clear Results
    fake.form.SaveResultsAs();
    QCOMPARE(fake.messageBox.texts().last(), kNoResultsToSaveMessage.toString());
    QCOMPARE(fake.columnChoice.askedSeveral.size(), 2);
}

void TestMenuCommands::language_keptForTheNextStartWhichReadsIt()
{
    Form1OnFakes fake;
    fake.form.ChooseLanguage(QStringLiteral("fr"));
    QCOMPARE(fake.messageBox.texts(),
             QStringList{"The language you chose takes effect when Quillfen is next started."});
    const QString saved = fake.settings.values.value(kSettings + "Language");
    QCOMPARE(ChooseUiLanguage({QStringLiteral("quillfen")}, {}, saved, {QStringLiteral("de")}),
             QStringLiteral("fr"));
    fake.form.ChooseLanguage({});
    QCOMPARE(fake.settings.values.value(kSettings + "Language"), QString());
}

QTEST_GUILESS_MAIN(TestMenuCommands)
#include "tst_menucommands.moc"
