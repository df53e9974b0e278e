// The menus in the real window: reached by keyboard, stopping and retrying real runs against the
// sample service, importing the product database while the window goes on answering, and the
// choice of columns of Save Results As.
#include "ExportMaker.h"
#include "SampleServiceProcess.h"
#include "desktop/window/QtScanWindow.h"
#include "platform/AnswerStore.h"
#include "platform/ColumnChoiceDialog.h"
#include "support/GzipBytes.h"
#include "support/ModalDialogs.h"
#include "support/RangeFileServer.h"
#include "support/RealWindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {
// Known to the sample service's catalog.
const QStringList kKnownCodes{"4988112412613", "8712601815908", "5698301661317", "3006091390997",
                              "5900308246283"};

// The real window, active so that its shortcuts and mnemonics take keys, with codes in its list.
struct Window : RealWindow
{
    explicit Window(const AppConfig& config = LoopbackConfig())
        : RealWindow(config)
    {
        QApplication::setActiveWindow(&window());
    }

    void addCodes(const QStringList& codes)
    {
        for (const QString& code : codes)
            platform.services().listView1.add(code);
    }
    QStringList results() const
    {
        QStringList rows;
        QTreeWidget* const list = const_cast<Window*>(this)->window().listView2();
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows << list->topLevelItem(i)->text(0);
        return rows;
    }
    bool ticked(int row) { return window().listView2()->topLevelItem(row)->checkState(0); }

    // Presses Start Looking Up and returns the message the run ends with, answered with OK.
    // `meanwhile` runs (once) as soon as the first result row is in.
    QString runToTheEnd(const std::function<void()>& meanwhile = {})
    {
        QString said;
        whenDialogOpens([&](QWidget* dialog) {
            if (auto* const box = qobject_cast<QMessageBox*>(dialog)) {
                said = box->text();
                box->accept();
            }
        });
        QTimer watch;
        bool done = false;
        watch.callOnTimeout([&] {
            if (!done && meanwhile && window().listView2()->topLevelItemCount() > 0) {
                done = true;
                meanwhile();
            }
        });
        watch.start(5);
        window().pushButton17()->click();
        return said;
    }
};

// The message the next modal box shows, answered with OK; the action that opens it runs here.
QString MessageAfter(const std::function<void()>& action)
{
    QString said;
    whenDialogOpens([&](QWidget* dialog) {
        if (auto* const box = qobject_cast<QMessageBox*>(dialog)) {
            said = box->text();
            box->accept();
        }
    });
    action();
    return said;
}

// Waits for the message that ends an import or a download and answers it; empty if none came.
QString MessageAtTheEnd()
{
    QString said;
    whenDialogOpens([&](QWidget* dialog) {
        if (auto* const box = qobject_cast<QMessageBox*>(dialog)) {
            said = box->text();
            box->accept();
        }
    });
    if (!QTest::qWaitFor([&] { return !said.isEmpty(); }, 60000))
        return QStringLiteral("(no message)");
    return said;
}

QString AccessibleName(QObject* object, int child)
{
    QAccessibleInterface* const item = QAccessible::queryAccessibleInterface(object)->child(child);
    return item ? item->text(QAccessible::Name) : QString();
}
} // namespace

class TestMenusWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void keyboard_altOpensTheMenusAndEveryItemHasItsKey();
    void escape_stopsARealRunAfterTheRequestUnderWay();
    void retryFailedRows_replacesThemInPlaceKeepingTheirTicks();
    void sameProduct_askedOnceInTheSourcesOwnForm();
    void sources_refusesAnUnusableAddressInTheDialogThenSaves();
    void sources_addASourceTakesATypedPathAsAFileAndTicksNothingElse();
    void forget_enterSaysNoAndYesForgets();
    void import_fromTheMenu_thenACancelLeavesTheIndexAsItWas();
    void download_brokenOff_keepsItsPartAndTheNextOneResumes();
    void columnsChoice_okOnlyWhileOneIsTicked();
    void scan_ctrlShiftS_scannerKeysFillTheTableThenTheCodeList();

private:
    // The settings, the index and the remembered answers, away from the user's own.
    QTemporaryDir m_home;
};

void TestMenusWindow::initTestCase()
{
    QVERIFY(m_home.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home.path());
    qputenv("XDG_DATA_HOME", m_home.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", m_home.filePath(QStringLiteral("cache")).toLocal8Bit());
}

// Every case starts without the code list an earlier one kept.
void TestMenusWindow::init()
{
    QFile::remove(m_home.filePath(QStringLiteral("Zandrik/Quillfen.conf")));
}

// A case that ended with the window's close leaves the program ending; one pass of the
// application's loop clears that for the next case.
void TestMenusWindow::cleanup()
{
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

void TestMenusWindow::keyboard_altOpensTheMenusAndEveryItemHasItsKey()
{
    Window app;
    QtForm1Window& w = app.window();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.menuBar()->y() + w.menuBar()->height(), w.clientArea()->y());

    // Alt+L opens Lookup; the items are listed by their names for a screen reader, each with
    // a key of its own.
    QTest::keyClick(w.listView1(), Qt::Key_L, Qt::AltModifier);
    QTRY_VERIFY(w.lookupMenu()->isVisible());
    const QStringList expected{"Sources\u2026",
                               "Forget Remembered Answers",
                               "",
                               "Import Product Database\u2026",
                               "Download Product Database",
                               "Update the Index",
                               "No product index",
                               "",
                               "Stop Looking Up",
                               "Retry Failed Rows",
                               "Product Details\u2026",
                               "",
                               "Save Results As\u2026",
                               "Save Records As\u2026",
                               "Enrich a Spreadsheet\u2026",
                               "",
                               "Scan\u2026"};
    QStringList names;
    QSet<QChar> keys;
    int keyed = 0;
    const QList<QAction*> items = w.lookupMenu()->actions();
    for (int i = 0; i < items.size(); ++i) {
        names << (items[i]->isSeparator() ? QString() : AccessibleName(w.lookupMenu(), i));
        const qsizetype amp = items[i]->text().indexOf(u'&');
        // The index's line is read, not chosen: it has no key.
        if (!items[i]->isSeparator() && items[i] != w.indexSummaryAction()) {
            QVERIFY2(amp >= 0, qPrintable(items[i]->text()));
            keys.insert(items[i]->text().at(amp + 1).toLower());
            ++keyed;
        }
    }
    QCOMPARE(names, expected);
    // No two items share a key.
    QCOMPARE(keys.size(), keyed);
    QVERIFY(!w.indexSummaryAction()->isEnabled());
    QTest::keyClick(w.lookupMenu(), Qt::Key_Escape);
    QTRY_VERIFY(!w.lookupMenu()->isVisible());
    // Esc closed the menu, not a run: there is none.
    QVERIFY(!w.stopLookingUpAction()->isEnabled());

    // Alt+H, then A: the About box, with the sources in use.
    QString aboutTitle;
    QString aboutText;
    whenDialogOpens([&](QWidget* dialog) {
        aboutTitle = dialog->windowTitle();
        aboutText = dialog->accessibleName() +
                    dialog->findChild<QWidget*>("AboutText")->property("plainText").toString();
    });
    QTest::keyClick(w.listView1(), Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(w.helpMenu()->isVisible());
    QTest::keyClick(w.helpMenu(), Qt::Key_A);
    QTRY_COMPARE(aboutTitle, QStringLiteral("About Quillfen"));
    QVERIFY2(aboutText.contains(u"Sources in use"), qPrintable(aboutText));
}

void TestMenusWindow::escape_stopsARealRunAfterTheRequestUnderWay()
{
    SampleServiceProcess service;
    QVERIFY2(service.start({"--delay-ms", "150"}), qPrintable(service.errorString()));
    Window app(LoopbackConfigForService(service.baseUrl()));
    QVERIFY(QTest::qWaitForWindowActive(&app.window()));
    app.addCodes(kKnownCodes);

    bool stopOffered = false;
    const QString said = app.runToTheEnd([&] {
        stopOffered = app.window().stopLookingUpAction()->isEnabled();
        // Esc with the focus in a list of the window.
        app.window().listView1()->setFocus();
        QTest::keyClick(app.window().listView1(), Qt::Key_Escape);
    });

    QVERIFY(stopOffered);
    const QRegularExpressionMatch stopped =
        QRegularExpression(QStringLiteral("^Stopped after (\\d) of 5 codes\\.$")).match(said);
    QVERIFY2(stopped.hasMatch(), qPrintable(said));
    // The request under way when Esc came was answered; nothing was asked after it.
    const int done = stopped.captured(1).toInt();
    QVERIFY2(done >= 1 && done < 5, qPrintable(said));
    QCOMPARE(app.results().size(), done);
    QCOMPARE(app.results().constFirst(), QStringLiteral("Harbour Lantern Green Tea, 20 bags"));
    // The end of a finished run: the pointer, the progress bar's caption, nothing under way.
    QCOMPARE(app.window().mousePointer(), 0);
    QCOMPARE(app.platform.services().progressBar1.text(), QStringLiteral("Progress Bar"));
    QVERIFY(!app.window().stopLookingUpAction()->isEnabled());
    QVERIFY(app.window().retryFailedRowsAction()->isEnabled());
    QCOMPARE(app.runToTheEnd(), QStringLiteral("Done."));
}

// The forms of one product, a UPC-E its database keeps as its UPC-A, and a case of the first: one
// row a code, as ever, and each product asked once in UPCitemdb's own 12-digit form.
void TestMenusWindow::sameProduct_askedOnceInTheSourcesOwnForm()
{
    SampleServiceProcess service;
    QVERIFY2(
        service.start({QStringLiteral("--log-queries"), QStringLiteral("--open-catalog"),
                       QStringLiteral(QUILLFEN_SOURCE_DIR "/tests/batch/data/forms-catalog.json")}),
        qPrintable(service.errorString()));
    AppConfig config = LoopbackConfig();
    config.sources = QStringList{QStringLiteral("upcitemdb")};
    config.upcItemDbUrl = service.baseUrl();
    config.perMinute.insert(QStringLiteral("upcitemdb"), 60000);
    config.noCache = true;
    Window app(config);
    app.addCodes({"036000291452", "0036000291452", "00036000291452", "04252614", "10036000291459"});
    QCOMPARE(app.runToTheEnd(), QStringLiteral("Done.\n5 found, 0 not found, 0 failed"));
    QCOMPARE(app.results(), (QStringList{"Harbour Lantern Tea Bags", "Harbour Lantern Tea Bags",
                                         "Harbour Lantern Tea Bags", "Slate Pencils",
                                         "Harbour Lantern Tea Bags (case of 0036000291452)"}));
    QStringList asked;
    for (const SampleServiceProcess::Arrival& arrival : service.arrivals())
        asked.append(QString::fromLatin1(arrival.target));
    QCOMPARE(asked,
             (QStringList{"/prod/trial/lookup?upc=036000291452", "/prod/trial/lookup?upc=04252614",
                          "/prod/trial/lookup?upc=042100005264",
                          "/prod/trial/lookup?upc=10036000291459"}));
}

void TestMenusWindow::retryFailedRows_replacesThemInPlaceKeepingTheirTicks()
{
    SampleServiceProcess failing;
    QVERIFY2(failing.start({"--fault", kKnownCodes[1] + QStringLiteral("=status:503")}),
             qPrintable(failing.errorString()));
    Window app(LoopbackConfigForService(failing.baseUrl()));
    app.addCodes(kKnownCodes.mid(0, 3));
    QCOMPARE(
        app.runToTheEnd(),
        QStringLiteral("Done.\n1 of 3 lookups failed; Lookup → Retry Failed Rows asks again."));
    QCOMPARE(app.results().size(), 3);
    QVERIFY2(app.results()[1].startsWith(kKnownCodes[1] + QStringLiteral(" - lookup failed")),
             qPrintable(app.results()[1]));
    app.window().listView2()->topLevelItem(1)->setCheckState(0, Qt::Unchecked);

    // The service answers again, at the same address.
    const quint16 port = failing.port();
    failing.kill();
    SampleServiceProcess answering;
    QVERIFY2(answering.start({"--port", QString::number(port)}),
             qPrintable(answering.errorString()));
    QCOMPARE(MessageAfter([&] { app.window().retryFailedRowsAction()->trigger(); }),
             QStringLiteral("Done."));
    QCOMPARE(app.results(),
             (QStringList{"Harbour Lantern Green Tea, 20 bags", "Millbrook Oat Biscuits, 300 g",
                          "Tarnwick Sea Salt Crisps, 150 g"}));
    QVERIFY(app.ticked(0));
    QVERIFY(!app.ticked(1));
    QVERIFY(app.ticked(2));
}

void TestMenusWindow::import_fromTheMenu_thenACancelLeavesTheIndexAsItWas()
{
    QTemporaryDir dir;
    const QString small = dir.filePath(QStringLiteral("en.openfoodfacts.org.products.csv.gz"));
    const QString large = dir.filePath(QStringLiteral("en.openbeautyfacts.org.products.csv.gz"));
    QString problem;
    QVERIFY2(WriteExportFile(ExportShape{.rows = 200}, small, 6, &problem), qPrintable(problem));
    QVERIFY2(WriteExportFile(ExportShape{.rows = 40000}, large, 1, &problem), qPrintable(problem));
    Window app;
    const QString firstCode = QString::fromLatin1(ExportMaker::productCode(1, 0));

    // Chooses the file in the file dialog, then, with the import under way, uses the window;
    // the message at the end goes to `said`.
    QString said;
    const auto import = [&](const QString& path, const std::function<void()>& meanwhile) {
        said.clear();
        whenDialogOpens([&](QWidget* dialog) {
            auto* const files = qobject_cast<QFileDialog*>(dialog);
            QVERIFY(files);
            // Typed into the name field, as a user would.
            files->setDirectory(QFileInfo(path).absolutePath());
            auto* const name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(QFileInfo(path).fileName());
            static_cast<QDialog*>(files)->accept(); // the dialog's own checks run
        });
        app.window().importDatabaseAction()->trigger();
        // The handler has returned: the window is the application's loop's again.
        QVERIFY(app.platform.progressDialog().dialog());
        meanwhile();
        said = MessageAtTheEnd();
        QVERIFY(!app.platform.progressDialog().dialog());
    };

    int codesMeanwhile = 0;
    import(small, [&] {
        app.window().pushButton7()->click(); // the window answers meanwhile
    codesMeanwhile = app.window().listView1()->topLevelItemCount();
});
QCOMPARE(codesMeanwhile, 2);
QVERIFY2(said.startsWith(u"Imported "), qPrintable(said));
ProductIndex& index = app.platform.services().productIndex;
const IndexInfo before = index.info();
QVERIFY(before.products > 150);
QCOMPARE(before.databases(), QStringList{"Open Food Facts"});
QVERIFY(index.find(firstCode).has_value());

// Esc in the progress dialog: it cancels as the button does (Qt's dialog only rejects).
    import(large, [&] { QTest::keyClick(app.platform.progressDialog().dialog(), Qt::Key_Escape);
    });
    QVERIFY2(said.startsWith(u"Import cancelled after "), qPrintable(said));
    const IndexInfo after = index.info();
    QCOMPARE(after.databases(), QStringList{"Open Food Facts"});
    QCOMPARE(after.products, before.products);
    QVERIFY(index.find(firstCode).has_value());
    }

    void TestMenusWindow::sources_refusesAnUnusableAddressInTheDialogThenSaves()
    {
        Window app;
        QStringList problems;
        whenDialogOpens([&](QWidget* dialog) {
            auto* const list = dialog->findChild<QListWidget*>(QStringLiteral("SourceList"));
            auto* const address = dialog->findChild<QLineEdit*>(QStringLiteral("ServiceUrl"));
            auto* const problem = dialog->findChild<QLabel*>(QStringLiteral("Problem"));
            QPushButton* const ok =
                dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            QCOMPARE(list->count(), 5);
            // The page service alone, moved to the top with the keyboard.
            for (int i = 0; i < list->count(); ++i)
                list->item(i)->setCheckState(
                    list->item(i)->text() == u"Page service" ? Qt::Checked : Qt::Unchecked);
            list->setCurrentRow(list->count() - 1);
            QCOMPARE(list->currentItem()->text(), QStringLiteral("Page service"));
            for (int i = 0; i < 4; ++i)
                QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
            address->setText(QStringLiteral("127.0.0.1:8080"));
            ok->click();
            problems << (problem->isVisible() ? problem->text() : QString());
            QVERIFY(dialog->isVisible()); // refused: the dialog stays open
            address->setText(QStringLiteral("http://127.0.0.1:8080"));
            ok->click();
        });
        app.window().sourcesAction()->trigger();
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems[0].contains(u"\"127.0.0.1:8080\" cannot be used"),
                 qPrintable(problems[0]));
        const auto saved = [&](const char* name) {
            return app.platform.services().settings.getSetting(QStringLiteral("Zandrik"),
                                                               QStringLiteral("Quillfen"),
                                                               QString::fromLatin1(name), {});
        };
        QCOMPARE(saved("Sources"), QStringLiteral("page"));
        QCOMPARE(saved("Source Order").section(u',', 0, 0), QStringLiteral("page"));
        QCOMPARE(saved("Service URL"), QStringLiteral("http://127.0.0.1:8080"));
    }

    void TestMenusWindow::sources_addASourceTakesATypedPathAsAFileAndTicksNothingElse()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("mine.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"name": "mine", "displayName": "Mine",
                       "request": {"url": "https://m.example/{gtin}"}, "answer": {"name": "/n"}})");
        file.close();
        Window app;
        QString offered;
        QStringList items;
        QStringList tickedBefore;
        QStringList tickedAfter;
        QString told;
        const auto ticked = [](QListWidget* list) {
            QStringList names;
            for (int i = 0; i < list->count(); ++i)
                if (list->item(i)->checkState() == Qt::Checked)
                    names.append(list->item(i)->text());
            return names;
        };
        whenDialogOpens([&](QWidget* dialog) {
            auto* const list = dialog->findChild<QListWidget*>(QStringLiteral("SourceList"));
            tickedBefore = ticked(list);
            whenDialogOpens([&](QWidget* inner) {
                auto* const ask = qobject_cast<QInputDialog*>(inner);
                QVERIFY(ask);
                offered = ask->labelText();
                items = ask->comboBoxItems();
                // What the source was kept as is told once it is added.
                whenDialogOpens([&](QWidget* box) {
                    told = qobject_cast<QMessageBox*>(box)->text();
                    qobject_cast<QMessageBox*>(box)->accept();
                });
                ask->setTextValue(folder.filePath(QStringLiteral("mine.json")));
                ask->accept();
            });
            dialog->findChild<QPushButton*>(QStringLiteral("AddSource"))->click();
            tickedAfter = ticked(list);
        });
        app.window().sourcesAction()->trigger();
        QVERIFY2(offered.contains(u"From a file..."), qPrintable(offered));
        QCOMPARE(items.constLast(), QStringLiteral("From a file..."));
        QVERIFY2(told.contains(u"Mine"), qPrintable(told));
        QCOMPARE(tickedAfter, tickedBefore + QStringList{"Mine"});
    }

    void TestMenusWindow::forget_enterSaysNoAndYesForgets()
    {
        Window app;
        AnswerStore& answers = app.platform.services().answers;
        answers.forgetAll();
        answers.store(QStringLiteral("openfoodfacts"),
                      QStringLiteral("https://world.openfoodfacts.org"),
                      QStringLiteral("4006381333931"), {});
        answers.store(QStringLiteral("openlibrary"),
                      QStringLiteral("https://world.openfoodfacts.org"),
                      QStringLiteral("9780140449136"), {});

        // Enter takes the default, which is No: nothing is forgotten by accident.
        QString asked;
        whenDialogOpens([&](QWidget* dialog) {
            auto* const box = qobject_cast<QMessageBox*>(dialog);
            QVERIFY(box);
            asked = box->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        app.window().forgetAnswersAction()->trigger();
        QVERIFY2(asked.startsWith(u"Forget the 2 remembered answers?"), qPrintable(asked));
        QCOMPARE(answers.count(), 2);

        whenDialogOpens([](QWidget* dialog) {
            auto* const box = qobject_cast<QMessageBox*>(dialog);
            QVERIFY(box);
            box->button(QMessageBox::Yes)->click();
        });
        app.window().forgetAnswersAction()->trigger();
        QCOMPARE(answers.count(), 0);
    }

    void TestMenusWindow::download_brokenOff_keepsItsPartAndTheNextOneResumes()
    {
        QByteArray text;
        ExportMaker(ExportShape{.rows = 300}).write([&](QByteArrayView piece) { text += piece; });
        RangeFileServer server(GzipBytes(text));
        server.dropAfter(20000);
        AppConfig config = LoopbackConfig();
        config.indexUrl = server.url();
        Window app(config);
        const QDir indexFolder(QFileInfo(app.platform.services().productIndex.info().path).path());

        app.window().downloadDatabaseAction()->trigger();
        QVERIFY(app.platform.progressDialog().dialog());
        const QString failed = MessageAtTheEnd();
        QVERIFY2(failed.startsWith(u"The download failed: "), qPrintable(failed));
        QVERIFY(indexFolder.exists(QStringLiteral("index-download.csv.gz.part")));

        app.window().downloadDatabaseAction()->trigger();
        const QString imported = MessageAtTheEnd();
        QVERIFY2(imported.startsWith(u"Imported 300 products from 1 file"), qPrintable(imported));
        QCOMPARE(server.requests().size(), 2);
        QCOMPARE(server.requests()[1].headers.value("range"), QByteArray("bytes=20000-"));
        QCOMPARE(server.requests()[1].headers.value("user-agent").left(9), QByteArray("Quillfen/"));
        // Imported, the export is gone; only the index is left.
        QCOMPARE(indexFolder.entryList({QStringLiteral("*.gz*")}, QDir::Files), QStringList());
        QCOMPARE(app.platform.services().productIndex.info().products, 300);
    }

    void TestMenusWindow::columnsChoice_okOnlyWhileOneIsTicked()
    {
        Window w;
        bool okWithNone = true;
        whenDialogOpens([&](QWidget* dialog) {
            auto* const list = dialog->findChild<QTreeWidget*>(QStringLiteral("ColumnList"));
            QPushButton* const ok =
                dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            list->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
            okWithNone = ok->isEnabled();
            list->topLevelItem(2)->setCheckState(0, Qt::Checked);
            ok->click();
        });
        const std::optional<QList<qsizetype>> chosen =
            w.platform.services().columnChoice.chooseSeveral(
                QStringLiteral("Columns"), QStringLiteral("Which?"),
                {QStringLiteral("code"), QStringLiteral("gtin"), QStringLiteral("name")},
                QList<qsizetype>{1});
        QVERIFY(!okWithNone);
        QCOMPARE(chosen, std::optional(QList<qsizetype>{2}));
    }

    void TestMenusWindow::scan_ctrlShiftS_scannerKeysFillTheTableThenTheCodeList()
    {
        SampleServiceProcess service;
        QVERIFY2(service.start(), qPrintable(service.errorString()));
        Window app(LoopbackConfigForService(service.baseUrl()));
        QVERIFY(QTest::qWaitForWindowActive(&app.window()));
        QTest::keyClick(app.window().listView1(), Qt::Key_S,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QtScanWindow& scan = app.platform.scanWindow();
        QTRY_VERIFY(scan.isVisible());
        QCOMPARE(scan.findChild<QLabel*>(QStringLiteral("ScanAnswer"))->textFormat(),
                 Qt::PlainText);
        // Muted, and kept so: this suite runs where there is no sound device, sanitizers too.
        QVERIFY(!scan.muteBox()->isChecked());
        QTest::mouseClick(scan.muteBox(), Qt::LeftButton);
        QVERIFY(scan.muteBox()->isChecked());
        QCOMPARE(
            app.platform.services().settings.getSetting("Zandrik", "Quillfen", "Scan Mute", {}),
            QStringLiteral("1"));

        // As a scanner types: the digits, then Enter or Tab; a repeat, and one that is no code.
        const auto scanned = [&](const QString& code, Qt::Key end) {
            QTest::keyClicks(scan.line(), code);
            QTest::keyClick(scan.line(), end);
        };
        scanned(kKnownCodes[0], Qt::Key_Return);
        scanned(kKnownCodes[1], Qt::Key_Tab);
        scanned(kKnownCodes[0], Qt::Key_Return);
        scanned(QStringLiteral("12345"), Qt::Key_Return);
        QCOMPARE(scan.line()->text(), QString());
        const auto table = [&] {
            auto* const rows = scan.findChild<QTreeWidget*>(QStringLiteral("ScanTable"));
            QStringList shown;
            for (int i = 0; i < rows->topLevelItemCount(); ++i)
                shown << rows->topLevelItem(i)->text(0) + u' ' + rows->topLevelItem(i)->text(1) +
                             u' ' + rows->topLevelItem(i)->text(4);
            return shown;
        };
        QTRY_COMPARE(table(),
                     (QStringList{"1 12345 not a valid code", "2 " + kKnownCodes[0] + " found",
                                  "1 " + kKnownCodes[1] + " found"}));

        // Ctrl+Z takes the last scan back, then the one before counts down.
        QTest::keyClick(scan.line(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(scan.line(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(table(),
                 (QStringList{"1 " + kKnownCodes[0] + " found", "1 " + kKnownCodes[1] + " found"}));
        QTest::mouseClick(scan.sendToCodeListButton(), Qt::LeftButton);
        QCOMPARE(app.platform.services().listView1.count(), 2);
        QCOMPARE(app.platform.services().listView1.text(1), kKnownCodes[0]);
        QCOMPARE(app.platform.services().listView1.text(2), kKnownCodes[1]);

        // A scan while another window is active goes to that window: the scanner types into
        // whatever has the focus, and the scan window takes nothing. Active again, its line has
        // the focus back and takes the next scan.
        const auto scannedIntoFocus = [&](const QString& code) {
            QTest::keyClicks(nullptr, code);
            QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return);
        };
        QWidget other;
        auto* const otherLine = new QLineEdit(&other);
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        otherLine->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), otherLine);
        const QStringList before = table();
        scannedIntoFocus(kKnownCodes[2]);
        QCOMPARE(otherLine->text(), kKnownCodes[2]);
        QCOMPARE(scan.line()->text(), QString());
        QCOMPARE(table(), before);
        QApplication::setActiveWindow(&scan);
        QVERIFY(QTest::qWaitForWindowActive(&scan));
        QTRY_COMPARE(QApplication::focusWidget(), scan.line());
        scannedIntoFocus(kKnownCodes[2]);
        QTRY_COMPARE(table().value(0), "1 " + kKnownCodes[2] + " found");
        QCOMPARE(table().size(), before.size() + 1);
        scan.close();
    }

    QTEST_MAIN(TestMenusWindow)
#include "tst_menuswindow.moc"
