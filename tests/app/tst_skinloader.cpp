#include "app/window/SkinLoader.h"
#include "common/OperationFailed.h"
#include "fakes/FakePlatform.h"

#include <QTest>

class TestSkinLoader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void skinPath_isXSlashOCjsUnderTheApplicationFolder();
    void noSkinFile_leavesTheWindowAlone();
    void skinFile_backgroundFirstThenLoadOptionsSwitchesApply();
    void skinThatCannotLoad_throwsAndKeepsTheNewBackground();

private:
    static QString skinPath() { return SkinFilePath(QStringLiteral("/opt/quillfen")); }

    // The fakes, with the skin applied from the application folder /opt/quillfen.
    struct Skinning : FakePlatform
    {
        void applySkin() { SkinLoader(services(), QStringLiteral("/opt/quillfen")).ApplySkin(); }
    };
};

void TestSkinLoader::skinPath_isXSlashOCjsUnderTheApplicationFolder()
{
#ifdef Q_OS_WIN
    QCOMPARE(SkinFilePath(QStringLiteral("C:/Quillfen")), QStringLiteral(R"(C:\Quillfen\x\o.cjs)"));
#else
    QCOMPARE(skinPath(), QStringLiteral("/opt/quillfen/x/o.cjs"));
#endif
}

void TestSkinLoader::noSkinFile_leavesTheWindowAlone()
{
    Skinning fake;
    QStringList calls;
    fake.window.hook.beforeCall = [&](QStringView op) { calls << op.toString(); };
    fake.skin.hook.beforeCall = [&](QStringView op) { calls << op.toString(); };
    fake.applySkin();
    QVERIFY(calls.isEmpty());
    QVERIFY(!fake.window.backColorIsButtonFace);
}

void TestSkinLoader::skinFile_backgroundFirstThenLoadOptionsSwitchesApply()
{
    Skinning fake;
    fake.files.existing.insert(skinPath());
    fake.skin.optionWord = 0x140; // bits of the component's own, kept
    QStringList calls;
    fake.window.hook.beforeCall = [&](QStringView op) { calls << u"window." + op; };
    fake.skin.hook.beforeCall = [&](QStringView op) { calls << u"skin." + op; };
    fake.skin.hook.onCall(u"loadSkin", [&](int) {
        QVERIFY(fake.window.backColorIsButtonFace); // changed before the skin loads
    });
    fake.applySkin();
    QCOMPARE(calls, (QStringList{"window.setBackColorToButtonFace", "skin.loadSkin", "skin.options",
                                 "skin.setOptions", "skin.setSkinDialogs",
                                 "skin.setFollowFileChanges", "skin.applyToWindow"}));
    QCOMPARE(fake.skin.loadedPath, skinPath());
    QCOMPARE(fake.skin.optionWord, 0x141);
    QVERIFY(fake.skin.skinDialogs);
    QVERIFY(fake.skin.followFileChanges);
    QVERIFY(fake.skin.applied);
}

void TestSkinLoader::skinThatCannotLoad_throwsAndKeepsTheNewBackground()
{
    Skinning fake;
    fake.files.existing.insert(skinPath());
    fake.skin.hook.fail(u"loadSkin", QStringLiteral("Could not load the skin"));
    QVERIFY_THROWS_EXCEPTION(OperationFailed, fake.applySkin());
    QVERIFY(fake.window.backColorIsButtonFace);
    QVERIFY(!fake.skin.applied);
    QCOMPARE(fake.skin.optionWord, 0);
}

QTEST_GUILESS_MAIN(TestSkinLoader)
#include "tst_skinloader.moc"
