#include "app/Form1.h"
#include "app/StartupRoutines.h"
#include "common/ErrorReport.h"
#include "common/Locations.h"
#include "common/OperationFailed.h"
#include "common/PointerCode.h"
#include "common/ProgramEnding.h"
#include "platform/SystemPing.h"
#include "platform/fakes/FakePlatform.h"
#include "support/FakeChance.h"

#include <QTest>

class TestForm1Startup : public QObject
{
    Q_OBJECT

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

private Q_SLOTS:
    void formLoad_runsTheStepsInOrder()
    {
        FakePlatform fake;
        FakeChance chance(0.06); // draws 7: the web site opens
        Form1 form(fake.services(), config(), chance);
        fake.files.existing.insert(QStringLiteral("/opt/quillfen/HAND-M.CUR"));
        fake.files.existing.insert(QStringLiteral("/opt/quillfen/x/o.cjs"));
        fake.capture.chunks = {QStringLiteral("connect: Network is unreachable\n")};
        fake.settings.values.insert(QStringLiteral("Zandrik/Quillfen/Zip Codes"),
                                    QStringLiteral("111;222"));
        QStringList calls;
        recordCalls(fake, calls);
        form.Form_Load();
        QCOMPARE(
            calls,
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
                         // the saved code list, last
                         "settings.getSetting", "listView1.add", "listView1.add"}));
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

    void formLoad_pingsTheConfiguredHostOnce()
    {
        FakePlatform fake;
        FakeChance chance;
        AppConfig c = config();
        c.pingHost = QStringLiteral("127.0.0.1");
        Form1 form(fake.services(), c, chance);
        form.Form_Load();
        QCOMPARE(fake.capture.started.size(), 1);
        QCOMPARE(fake.capture.started[0].commandLine, PingCommandLine(QStringLiteral("127.0.0.1")));
        QVERIFY(fake.messageBox.shown().isEmpty()); // the fake ping replies
    }

    void formLoad_offlineWarningBearsTheUnshortenedName()
    {
        FakePlatform fake;
        FakeChance chance;
        AppConfig c = config();
        c.productName = QStringLiteral("Quillfen EAN Lookup");
        fake.title.setText(c.productName);
        fake.capture.chunks.clear(); // the ping prints nothing
        Form1 form(fake.services(), c, chance);
        form.Form_Load();
        QCOMPARE(fake.messageBox.shown().size(), 1);
        QCOMPARE(fake.messageBox.shown()[0].title, QStringLiteral("Quillfen EAN Lookup"));
        QCOMPARE(fake.messageBox.shown()[0].icon, MessageIcon::None);
        QCOMPARE(fake.title.text(), QStringLiteral("Quillfen EAN"));
    }

    void formLoad_unreadableSkinIsReportedAtLine100AndStartupGoesOn()
    {
        FakePlatform fake;
        FakeChance chance;
        Form1 form(fake.services(), config(), chance);
        fake.files.existing.insert(QStringLiteral("/opt/quillfen/x/o.cjs"));
        fake.skin.hook.beforeCall = [](QStringView op) {
            if (op == u"loadSkin")
                throw OperationFailed(QStringLiteral("Could not load the skin"));
        };
        fake.settings.values.insert(QStringLiteral("Zandrik/Quillfen/Zip Codes"),
                                    QStringLiteral("111"));
        form.Form_Load();
        QCOMPARE(fake.messageBox.texts(),
                 QStringList{BuildErrorReportText(QStringLiteral("Could not load the skin"),
                                                  Location::Form_Load, 100)});
        QVERIFY(fake.window.backColorIsButtonFace); // changed before the load, and it stays
        QVERIFY(!fake.skin.applied);
        QCOMPARE(fake.capture.started.size(), 1);
        QCOMPARE(fake.window.caption, QStringLiteral("Quillfen"));
        QCOMPARE(fake.listView1.texts(), QStringList{"111"});
    }

    void formLoad_withoutPointerFileLeavesPointerPictureUnset()
    {
        FakePlatform fake;
        FakeChance chance;
        Form1 form(fake.services(), config(), chance);
        form.Form_Load();
        QVERIFY(!fake.window.hasMouseIcon());
        QVERIFY(fake.messageBox.shown().isEmpty());
    }

    void formLoad_failingStepIsReportedAndStartupGoesOn()
    {
        FakePlatform fake;
        FakeChance chance;
        Form1 form(fake.services(), config(), chance);
        fake.window.hook.beforeCall = [](QStringView op) {
            if (op == u"setApplicationIcon")
                throw OperationFailed(QStringLiteral("Invalid picture"));
        };
        fake.listView2.hook.beforeCall = [](QStringView op) {
            if (op == u"setColumnWidth")
                throw OperationFailed(QStringLiteral("Invalid property value"));
        };
        form.Form_Load();
        QCOMPARE(fake.messageBox.texts(),
                 (QStringList{BuildErrorReportText(QStringLiteral("Invalid picture"),
                                                   Location::Form_Load, 106),
                              BuildErrorReportText(QStringLiteral("Invalid property value"),
                                                   Location::Form_Load, 122)}));
        QCOMPARE(fake.window.caption, QStringLiteral("Quillfen"));
        QCOMPARE(fake.listView2.columnHeader(1), QStringLiteral("Description"));
    }

    void openWebSite_onlyOnDrawSeven_data()
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
    void openWebSite_onlyOnDrawSeven()
    {
        QFETCH(double, fraction);
        QFETCH(bool, opens);
        FakePlatform fake;
        FakeChance chance(fraction);
        Form1 form(fake.services(), config(), chance);
        form.OpenWebSiteByChance();
        QCOMPARE(chance.seeds, 1);
        QCOMPARE(fake.browser.opened.size(), opens ? 1 : 0);
    }

    void drawOneToHundred_staysInRange()
    {
        FakeChance chance(1.0); // a misbehaving source
        QCOMPARE(DrawOneToHundred(chance), 100);
        chance.fraction = -0.5;
        QCOMPARE(DrawOneToHundred(chance), 1);
    }

    void openWebSite_emptyAddressNeverOpens()
    {
        FakePlatform fake;
        FakeChance chance(0.06);
        Form1 form(fake.services(), config(QString()), chance);
        form.OpenWebSiteByChance();
        QVERIFY(fake.browser.opened.isEmpty());
    }

    void openWebSite_browserFailureIsReportedByStartup()
    {
        FakePlatform fake;
        FakeChance chance(0.06);
        Form1 form(fake.services(), config(), chance);
        fake.browser.hook.beforeCall = [](QStringView) {
            throw OperationFailed(QStringLiteral("File not found"));
        };
        form.Form_Load();
        QCOMPARE(fake.messageBox.texts(),
                 QStringList{BuildErrorReportText(QStringLiteral("File not found"),
                                                  Location::Form_Load, 114)});
        QCOMPARE(fake.listView1.columnCount(), 1);
    }

    void shortenTitle_data()
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
    void shortenTitle()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QCOMPARE(ShortenTitle(name), title);
    }

    void setShortTitle_changesTheApplicationTitleForLaterBoxes()
    {
        FakePlatform fake;
        FakeChance chance;
        AppConfig c = config();
        c.productName = QStringLiteral("Quillfen EAN Lookup");
        Form1 form(fake.services(), c, chance);
        QCOMPARE(fake.title.text(), QStringLiteral("Quillfen"));
        form.Form_Load();
        QCOMPARE(fake.title.text(), QStringLiteral("Quillfen EAN"));
        QCOMPARE(fake.window.caption, QStringLiteral("Quillfen EAN Lookup"));
    }

    void close_savesThenEndsTheProgram()
    {
        FakePlatform fake;
        FakeChance chance;
        Form1 form(fake.services(), config(), chance);
        fake.listView1.add(QStringLiteral("4988112412613"));
        fake.listView1.add(QStringLiteral("0823564706221"));
        form.Form_QueryUnload();
        QCOMPARE(fake.settings.values.value(QStringLiteral("Zandrik/Quillfen/Zip Codes")),
                 QStringLiteral("4988112412613;0823564706221"));
        QCOMPARE(fake.eventLoop.yields, 1);
        QVERIFY(!fake.eventLoop.isEnding());
        form.Form_Unload();
        QVERIFY(fake.eventLoop.isEnding());
    }

    void close_failingSaveIsReportedAndTheWindowStillCloses()
    {
        FakePlatform fake;
        FakeChance chance;
        Form1 form(fake.services(), config(), chance);
        fake.settings.hook.beforeCall = [](QStringView) {
            throw OperationFailed(QStringLiteral("Could not save"));
        };
        form.Form_QueryUnload();
        form.Form_Unload();
        QCOMPARE(fake.messageBox.texts(),
                 QStringList{BuildErrorReportText(QStringLiteral("Could not save"),
                                                  Location::Form_QueryUnload, 100)});
        QVERIFY(fake.eventLoop.isEnding());
    }

    void handlers_neverLetAClosingProgramEscape()
    {
        FakePlatform fake;
        FakeChance chance;
        Form1 form(fake.services(), config(), chance);
        fake.inputBox.hook.beforeCall = [](QStringView) { throw ProgramEnding{}; };
        form.PushButton6_Click(); // must return normally
        QVERIFY(fake.messageBox.shown().isEmpty());
    }

    void untrappedFailure_isShownNotThrown()
    {
        FakePlatform fake;
        FakeChance chance;
        Form1 form(fake.services(), config(), chance);
        fake.listView2.add(QStringLiteral("x"));
        fake.listView2.select(1);
        fake.listView2.hook.beforeCall = [](QStringView op) {
            if (op == u"remove")
                throw OperationFailed(QStringLiteral("Control is busy"));
        };
        form.ListView2_KeyDown(46, 0);
        QCOMPARE(fake.messageBox.shown().size(), 1);
        QCOMPARE(fake.messageBox.shown()[0].title, QStringLiteral("Application Error"));
        QVERIFY(fake.messageBox.shown()[0].text.startsWith(QStringLiteral(
            "Control is busy\r\nin Caskwillo2021/08/31.Form1.ListView2_KeyDown \r\r")));
    }

    void pointerHandlers_neverReplaceTheHourglass()
    {
        FakePlatform fake;
        FakeChance chance;
        Form1 form(fake.services(), config(), chance);
        form.PushButton_MouseMove();
        QCOMPARE(fake.window.pointer, PointerCode::Custom);
        form.PushButton_MouseMove(); // written again even when it holds the value
        QCOMPARE(fake.window.pointerHistory, (QList<int>{99, 99}));
        form.ListView1_MouseMove();
        QCOMPARE(fake.window.pointer, PointerCode::Default);
        form.PushButton_MouseMove();
        form.ListView2_MouseMove();
        QCOMPARE(fake.window.pointer, PointerCode::Default);
        fake.window.pointer = PointerCode::Hourglass;
        form.PushButton_MouseMove();
        form.Form_MouseMove();
        form.ListView1_MouseMove();
        form.ListView2_MouseMove();
        QCOMPARE(fake.window.pointer, PointerCode::Hourglass);
    }
};

QTEST_GUILESS_MAIN(TestForm1Startup)
#include "tst_form1startup.moc"
