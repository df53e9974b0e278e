#include "app/window/StartupRoutines.h"
#include "common/ErrorReport.h"
#include "common/Locations.h"
#include "common/PointerCode.h"
#include "common/ProgramEnding.h"
#include "platform/SystemPing.h"
#include "support/Form1OnFakes.h"

#include <QTest>

class TestForm1Startup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formLoad_runsTheStepsInOrder();
    void formLoad_pingsTheConfiguredHostOnce();
    void formLoad_offlineWarningBearsTheUnshortenedName();
    void formLoad_unreadableSkinIsReportedAtLine100AndStartupGoesOn();
    void formLoad_withoutPointerFileLeavesPointerPictureUnset();
    void formLoad_failingStepIsReportedAndStartupGoesOn();
    void formLoad_filesNamedAtStartupFollowTheSavedList();
    void openWebSite_onlyOnDrawSeven_data();
    void openWebSite_onlyOnDrawSeven();
    void drawOneToHundred_staysInRange();
    void openWebSite_emptyAddressNeverOpens();
    void openWebSite_browserFailureIsReportedByStartup();
    void shortenTitle_data();
    void shortenTitle();
    void setShortTitle_changesTheApplicationTitleForLaterBoxes();
    void close_savesThenEndsTheProgram();
    void close_failingSaveIsReportedAndTheWindowStillCloses();
    void handlers_neverLetAClosingProgramEscape();
    void untrappedFailure_isShownNotThrown();
    void pointerHandlers_neverReplaceTheHourglass();

private:
    static AppConfig config(const QString& webSite = QStringLiteral("https://site.test/"))
    {
        AppConfig c;
        c.applicationFolder = QStringLiteral("/opt/quillfen");
        c.webSiteUrl = webSite;
        return c;
    }

    // Records every operation the start-up makes, in order, across the fakes.
    static void recordCalls(FakePlatform& fake, QStringList& calls)
    {
        auto recorder = [&calls](const QString& who) {
            return [&calls, who](QStringView op) { calls << who + u'.' + op; };
        };
        fake.window.hook.beforeCall = recorder(QStringLiteral("window"));
        fake.listView1.hook.beforeCall = recorder(QStringLiteral("listView1"));
        fake.listView2.hook.beforeCall = recorder(QStringLiteral("listView2"));
        fake.browser.hook.beforeCall = recorder(QStringLiteral("browser"));
        fake.files.hook.beforeCall = recorder(QStringLiteral("files"));
        fake.skin.hook.beforeCall = recorder(QStringLiteral("skin"));
        fake.capture.hook.beforeCall = recorder(QStringLiteral("capture"));
        fake.settings.hook.beforeCall = recorder(QStringLiteral("settings"));
        fake.messageBox.hook.beforeCall = recorder(QStringLiteral("messageBox"));
    }
};

void TestForm1Startup::formLoad_runsTheStepsInOrder()
{
    Form1OnFakes fake(config(), 0.06); // draws 7: the web site opens
    fake.files.existing.insert(QStringLiteral("/opt/quillfen/HAND-M.CUR"));
    fake.files.existing.insert(QStringLiteral("/opt/quillfen/x/o.cjs"));
    fake.capture.chunks = {QStringLiteral("connect: Network is unreachable\n")};
    fake.settings.values.insert(QStringLiteral("Zandrik/Quillfen/Zip Codes"),
                                QStringLiteral("111;222"));
    QStringList calls;
    recordCalls(fake, calls);
    fake.form.Form_Load();
    QCOMPARE(calls,
             (QStringList{// the skin
                          "files.fileFound", "window.setBackColorToButtonFace", "skin.loadSkin",
                          "skin.options", "skin.setOptions", "skin.setSkinDialogs",
                          "skin.setFollowFileChanges", "skin.applyToWindow",
                          // the connectivity check, warning before the window shows
                          "capture.start", "capture.read", "messageBox.show",
                          // titles, pointer, web site, columns
                          "window.setCaption", "window.setApplicationIcon",
                          "files.modificationTimeReadable", "window.loadMouseIcon", "browser.open",
                          "listView1.addColumnHeader", "listView1.setColumnWidth",
                          "listView2.addColumnHeader", "listView2.setColumnWidth",
                          // the saved code list, then what the index holds
                          "settings.getSetting", "listView1.add", "listView1.add",
                          "window.setIndexSummary"}));
    QCOMPARE(fake.window.caption, QStringLiteral("Quillfen"));
    QVERIFY(fake.window.iconSet);
    QCOMPARE(fake.window.mouseIconPath, QStringLiteral("/opt/quillfen/HAND-M.CUR"));
    QCOMPARE(fake.skin.loadedPath, QStringLiteral("/opt/quillfen/x/o.cjs"));
    QCOMPARE(fake.browser.opened, QStringList{"https://site.test/"});
    QCOMPARE(fake.listView1.columnHeader(1), QStringLiteral("EAN Codes"));
    QCOMPARE(fake.listView2.columnHeader(1), QStringLiteral("Description"));
    QCOMPARE(fake.listView1.columnCount(), 1);
    QCOMPARE(fake.listView2.columnCount(), 1);
    QCOMPARE(fake.listView1.columnWidth(1), 7000);
    QCOMPARE(fake.listView2.columnWidth(1), 7000);
    QCOMPARE(fake.listView1.texts(), (QStringList{"111", "222"}));
    QCOMPARE(fake.title.text(), QStringLiteral("Quillfen"));
    QCOMPARE(fake.window.pointer, PointerCode::Default);
    QCOMPARE(fake.messageBox.texts(),
             QStringList{"You must be online to use this software accurately."});
}

void TestForm1Startup::formLoad_pingsTheConfiguredHostOnce()
{
    AppConfig c = config();
    c.pingHost = QStringLiteral("127.0.0.1");
    Form1OnFakes fake(c);
    fake.form.Form_Load();
    QCOMPARE(fake.capture.started.size(), 1);
    QCOMPARE(fake.capture.started[0].commandLine, PingCommandLine(QStringLiteral("127.0.0.1")));
    QVERIFY(fake.messageBox.shown().isEmpty()); // the fake ping replies
}

void TestForm1Startup::formLoad_offlineWarningBearsTheUnshortenedName()
{
    AppConfig c = config();
    c.productName = QStringLiteral("Quillfen EAN Lookup");
    Form1OnFakes fake(c);
    fake.title.setText(c.productName);
    fake.capture.chunks.clear(); // the ping prints nothing
    fake.form.Form_Load();
    QCOMPARE(fake.messageBox.shown().size(), 1);
    QCOMPARE(fake.messageBox.shown()[0].title, QStringLiteral("Quillfen EAN Lookup"));
    QCOMPARE(fake.messageBox.shown()[0].icon, MessageIcon::None);
    QCOMPARE(fake.title.text(), QStringLiteral("Quillfen EAN"));
}

void TestForm1Startup::formLoad_unreadableSkinIsReportedAtLine100AndStartupGoesOn()
{
    Form1OnFakes fake(config());
    fake.files.existing.insert(QStringLiteral("/opt/quillfen/x/o.cjs"));
    fake.skin.hook.fail(u"loadSkin", QStringLiteral("Could not load the skin"));
    fake.settings.values.insert(QStringLiteral("Zandrik/Quillfen/Zip Codes"),
                                QStringLiteral("111"));
    fake.form.Form_Load();
    QCOMPARE(fake.messageBox.texts(),
             QStringList{BuildErrorReportText(QStringLiteral("Could not load the skin"),
                                              Location::Form_Load, 100)});
    QVERIFY(fake.window.backColorIsButtonFace); // changed before the load, and it stays
    QVERIFY(!fake.skin.applied);
    QCOMPARE(fake.capture.started.size(), 1);
    QCOMPARE(fake.window.caption, QStringLiteral("Quillfen"));
    QCOMPARE(fake.listView1.texts(), QStringList{"111"});
}

void TestForm1Startup::formLoad_withoutPointerFileLeavesPointerPictureUnset()
{
    Form1OnFakes fake(config());
    fake.form.Form_Load();
    QVERIFY(!fake.window.hasMouseIcon());
    QVERIFY(fake.messageBox.shown().isEmpty());
}

void TestForm1Startup::formLoad_failingStepIsReportedAndStartupGoesOn()
{
    Form1OnFakes fake(config());
    fake.window.hook.fail(u"setApplicationIcon", QStringLiteral("Invalid picture"));
    fake.listView2.hook.fail(u"setColumnWidth", QStringLiteral("Invalid property value"));
    fake.form.Form_Load();
    QCOMPARE(fake.messageBox.texts(),
             (QStringList{
                 BuildErrorReportText(QStringLiteral("Invalid picture"), Location::Form_Load, 106),
                 BuildErrorReportText(QStringLiteral("Invalid property value"), Location::Form_Load,
                                      122)}));
    QCOMPARE(fake.window.caption, QStringLiteral("Quillfen"));
    QCOMPARE(fake.listView2.columnHeader(1), QStringLiteral("Description"));
}

void TestForm1Startup::formLoad_filesNamedAtStartupFollowTheSavedList()
{
    AppConfig c = config();
    c.openFiles =
        QStringList{"/l/a.txt", "/l/gone.txt", "/l/locked.txt", "/l/b.txt", "/l/zeros.txt"};
    Form1OnFakes fake(c);
    fake.settings.values.insert(QStringLiteral("Zandrik/Quillfen/Zip Codes"),
                                QStringLiteral("111"));
    fake.files.contents.insert(QStringLiteral("/l/a.txt"), "222\r\n333\r\n");
    fake.files.existing.insert(QStringLiteral("/l/locked.txt")); // there, but cannot be read
    fake.files.contents.insert(QStringLiteral("/l/b.txt"), "444");
    fake.files.contents.insert(QStringLiteral("/l/zeros.txt"), QByteArray(8, '\0'));
    fake.form.Form_Load();
    QCOMPARE(fake.listView1.texts(), (QStringList{"111", "222", "333", "444"}));
    // One message at the end names every file that was not loaded, and why.
    QCOMPARE(
        fake.messageBox.texts(),
        QStringList{"3 of the 5 files named on the command line were not loaded:\n"
                    "The file /l/gone.txt was not found.\n"
                    "The file /l/locked.txt cannot be read: Permission denied. No codes were "
                    "loaded from it.\n"
                    "The file /l/zeros.txt is not a text file. No codes were loaded from it."});
}

void TestForm1Startup::openWebSite_onlyOnDrawSeven_data()
{
    QTest::addColumn<double>("fraction");
    QTest::addColumn<bool>("opens");
    QTest::newRow("0.00 draws 1") << 0.0 << false;
    QTest::newRow("0.0599 draws 6") << 0.0599 << false;
    QTest::newRow("0.06 draws 7") << 0.06 << true;
    QTest::newRow("0.0699 draws 7") << 0.0699 << true;
    QTest::newRow("0.07 draws 8") << 0.07 << false;
    QTest::newRow("0.9999 draws 100") << 0.9999 << false;
}

void TestForm1Startup::openWebSite_onlyOnDrawSeven()
{
    QFETCH(double, fraction);
    QFETCH(bool, opens);
    Form1OnFakes fake(config(), fraction);
    fake.form.OpenWebSiteByChance();
    QCOMPARE(fake.chance.seeds, 1);
    QCOMPARE(fake.browser.opened.size(), opens ? 1 : 0);
}

void TestForm1Startup::drawOneToHundred_staysInRange()
{
    FakeChance chance(1.0); // a misbehaving source
    QCOMPARE(DrawOneToHundred(chance), 100);
    chance.fraction = -0.5;
    QCOMPARE(DrawOneToHundred(chance), 1);
}

void TestForm1Startup::openWebSite_emptyAddressNeverOpens()
{
    Form1OnFakes fake(config(QString()), 0.06);
    fake.form.OpenWebSiteByChance();
    QVERIFY(fake.browser.opened.isEmpty());
}

void TestForm1Startup::openWebSite_browserFailureIsReportedByStartup()
{
    Form1OnFakes fake(config(), 0.06);
    fake.browser.hook.failAll(QStringLiteral("File not found"));
    fake.form.Form_Load();
    QCOMPARE(fake.messageBox.texts(),
             QStringList{
                 BuildErrorReportText(QStringLiteral("File not found"), Location::Form_Load, 114)});
    QCOMPARE(fake.listView1.columnCount(), 1);
}

void TestForm1Startup::shortenTitle_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("no space keeps the name") << "Quillfen"
                                             << "Quillfen";
    QTest::newRow("short name still loses its last word") << "Quillfen EAN Lookup"
                                                          << "Quillfen EAN";
    QTest::newRow("long name drops words until 40 or less")
        << "Quillfen Batch EAN Product Code Lookup Tool for Traders"
        << "Quillfen Batch EAN Product Code Lookup";
    QTest::newRow("exactly 41 drops one word")
        << (QString(35, u'a') + u" bcdef") << QString(35, u'a');
    QTest::newRow("runs out of spaces") << (QString(45, u'a') + u" b") << QString(45, u'a');
}

void TestForm1Startup::shortenTitle()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QCOMPARE(ShortenTitle(name), title);
}

void TestForm1Startup::setShortTitle_changesTheApplicationTitleForLaterBoxes()
{
    AppConfig c = config();
    c.productName = QStringLiteral("Quillfen EAN Lookup");
    Form1OnFakes fake(c);
    QCOMPARE(fake.title.text(), QStringLiteral("Quillfen"));
    fake.form.Form_Load();
    QCOMPARE(fake.title.text(), QStringLiteral("Quillfen EAN"));
    QCOMPARE(fake.window.caption, QStringLiteral("Quillfen EAN Lookup"));
}

void TestForm1Startup::close_savesThenEndsTheProgram()
{
    Form1OnFakes fake(config());
    fake.listView1.add(QStringLiteral("4988112412613"));
    fake.listView1.add(QStringLiteral("0823564706221"));
    fake.form.Form_QueryUnload();
    QCOMPARE(fake.settings.values.value(QStringLiteral("Zandrik/Quillfen/Zip Codes")),
             QStringLiteral("4988112412613;0823564706221"));
    QCOMPARE(fake.eventLoop.yields, 1);
    QVERIFY(!fake.eventLoop.isEnding());
    fake.form.Form_Unload();
    QVERIFY(fake.eventLoop.isEnding());
}

void TestForm1Startup::close_failingSaveIsReportedAndTheWindowStillCloses()
{
    Form1OnFakes fake(config());
    fake.settings.hook.failAll(QStringLiteral("Could not save"));
    fake.form.Form_QueryUnload();
    fake.form.Form_Unload();
    QCOMPARE(fake.messageBox.texts(),
             QStringList{BuildErrorReportText(QStringLiteral("Could not save"),
                                              Location::Form_QueryUnload, 100)});
    QVERIFY(fake.eventLoop.isEnding());
}

void TestForm1Startup::handlers_neverLetAClosingProgramEscape()
{
    Form1OnFakes fake(config());
    fake.inputBox.hook.onCall(u"ask", [](int) { throw ProgramEnding{}; });
    fake.form.PushButton6_Click(); // must return normally
    QVERIFY(fake.messageBox.shown().isEmpty());
}

void TestForm1Startup::untrappedFailure_isShownNotThrown()
{
    Form1OnFakes fake(config());
    fake.listView2.add(QStringLiteral("x"));
    fake.listView2.select(1);
    fake.listView2.hook.fail(u"remove", QStringLiteral("Control is busy"));
    fake.form.ListView2_KeyDown(46, 0);
    QCOMPARE(fake.messageBox.shown().size(), 1);
    QCOMPARE(fake.messageBox.shown()[0].title, QStringLiteral("Application Error"));
    QVERIFY(fake.messageBox.shown()[0].text.startsWith(
        QStringLiteral("Control is busy\r\nin Caskwillo2021/08/31.Form1.ListView2_KeyDown \r\r")));
}

void TestForm1Startup::pointerHandlers_neverReplaceTheHourglass()
{
    Form1OnFakes fake(config());
    fake.form.PushButton_MouseMove();
    QCOMPARE(fake.window.pointer, PointerCode::Custom);
    fake.form.PushButton_MouseMove(); // written again even when it holds the value
    QCOMPARE(fake.window.pointerHistory, (QList<int>{99, 99}));
    fake.form.ListView1_MouseMove();
    QCOMPARE(fake.window.pointer, PointerCode::Default);
    fake.form.PushButton_MouseMove();
    fake.form.ListView2_MouseMove();
    QCOMPARE(fake.window.pointer, PointerCode::Default);
    fake.window.pointer = PointerCode::Hourglass;
    fake.form.PushButton_MouseMove();
    fake.form.Form_MouseMove();
    fake.form.ListView1_MouseMove();
    fake.form.ListView2_MouseMove();
    QCOMPARE(fake.window.pointer, PointerCode::Hourglass);
}

QTEST_GUILESS_MAIN(TestForm1Startup)
#include "tst_form1startup.moc"
