#include "app/SkinLoader.h"
#include "common/OperationFailed.h"
#include "platform/fakes/FakePlatform.h"

#include <QTest>

class TestSkinLoader : public QObject
{
    Q_OBJECT

    static QString skinPath() { return SkinFilePath(QStringLiteral("/opt/quillfen")); }

private Q_SLOTS:
    void skinPath_isXSlashOCjsUnderTheApplicationFolder()
    {
#ifdef Q_OS_WIN
        QCOMPARE(SkinFilePath(QStringLiteral("C:/Quillfen")),
                 QStringLiteral(R"(C:\Quillfen\x\o.cjs)"));
#else
        QCOMPARE(skinPath(), QStringLiteral("/opt/quillfen/x/o.cjs"));
#endif
    }

    void noSkinFile_leavesTheWindowAlone()
    {
        FakePlatform fake;
        QStringList calls;
        fake.window.hook.beforeCall = [&](QStringView op) { calls << op.toString(); };
        fake.skin.hook.beforeCall = [&](QStringView op) { calls << op.toString(); };
        SkinLoader(fake.services(), QStringLiteral("/opt/quillfen")).ApplySkin();
        QVERIFY(calls.isEmpty());
        QVERIFY(!fake.window.backColorIsButtonFace);
    }

    void skinFile_backgroundFirstThenLoadOptionsSwitchesApply()
    {
        FakePlatform fake;
        fake.files.existing.insert(skinPath());
        fake.skin.optionWord = 0x140; // bits of the component's own, kept
        QStringList calls;
        fake.window.hook.beforeCall = [&](QStringView op) { calls << u"window." + op; };
        fake.skin.hook.beforeCall = [&](QStringView op) {
            calls << u"skin." + op;
            if (op == u"loadSkin")
                QVERIFY(fake.window.backColorIsButtonFace); // changed before the skin loads
        };
        SkinLoader(fake.services(), QStringLiteral("/opt/quillfen")).ApplySkin();
        QCOMPARE(calls, (QStringList{"window.setBackColorToButtonFace", "skin.loadSkin",
                                     "skin.options", "skin.setOptions", "skin.setSkinDialogs",
                                     "skin.setFollowFileChanges", "skin.applyToWindow"}));
        QCOMPARE(fake.skin.loadedPath, skinPath());
        QCOMPARE(fake.skin.optionWord, 0x141);
        QVERIFY(fake.skin.skinDialogs);
        QVERIFY(fake.skin.followFileChanges);
        QVERIFY(fake.skin.applied);
    }

    void skinThatCannotLoad_throwsAndKeepsTheNewBackground()
    {
        FakePlatform fake;
        fake.files.existing.insert(skinPath());
        fake.skin.hook.beforeCall = [](QStringView op) {
            if (op == u"loadSkin")
                throw OperationFailed(QStringLiteral("Could not load the skin"));
        };
        QVERIFY_THROWS_EXCEPTION(
            OperationFailed,
            SkinLoader(fake.services(), QStringLiteral("/opt/quillfen")).ApplySkin());
        QVERIFY(fake.window.backColorIsButtonFace);
        QVERIFY(!fake.skin.applied);
        QCOMPARE(fake.skin.optionWord, 0);
    }
};

QTEST_GUILESS_MAIN(TestSkinLoader)
#include "tst_skinloader.moc"
