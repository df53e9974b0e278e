// The skin component on a real widget, offscreen.
#include "common/OperationFailed.h"
#include "desktop/window/QtForm1Window.h"
#include "desktop/window/QtSkinComponent.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace {
bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QByteArray kSheet = "QPushButton { color: rgb(10, 20, 30); }\n";
} // namespace

class TestQtSkinComponent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void applied_setsTheStyleSheetOnTheWindowAndItsControls();
    void skinDialogs_skinsTheWholeApplication();
    void withoutTheWindowOption_theWindowStaysPlain();
    void unreadableSkin_throws_data();
    void unreadableSkin_throws();
    void followingFileChanges_reappliesAnEditedSkin();
    void exampleSkin_appliesToTheRealWindowWithoutComplaint();

private:
    QTemporaryDir m_folder;
};

void TestQtSkinComponent::cleanup()
{
    qApp->setStyleSheet(QString());
}

void TestQtSkinComponent::applied_setsTheStyleSheetOnTheWindowAndItsControls()
{
    QWidget window;
    auto* const button = new QPushButton(QStringLiteral("b"), &window);
    const QString path = m_folder.filePath(QStringLiteral("o.cjs"));
    QVERIFY(writeFile(path, kSheet));
    QtSkinComponent skin(window);
    skin.loadSkin(path);
    QVERIFY(window.styleSheet().isEmpty()); // loading alone changes nothing
    skin.setOptions(skin.options() | SkinOption::SkinWindow);
    skin.applyToWindow();
    QCOMPARE(window.styleSheet(), QString::fromUtf8(kSheet));
    QVERIFY(qApp->styleSheet().isEmpty());
    button->ensurePolished();
    QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(10, 20, 30));
}

void TestQtSkinComponent::skinDialogs_skinsTheWholeApplication()
{
    QWidget window;
    const QString path = m_folder.filePath(QStringLiteral("o.cjs"));
    QVERIFY(writeFile(path, kSheet));
    QtSkinComponent skin(window);
    skin.loadSkin(path);
    skin.setOptions(SkinOption::SkinWindow);
    skin.setSkinDialogs(true);
    skin.applyToWindow();
    QCOMPARE(qApp->styleSheet(), QString::fromUtf8(kSheet));
    skin.setSkinDialogs(false);
    skin.applyToWindow();
    QVERIFY(qApp->styleSheet().isEmpty());
}

void TestQtSkinComponent::withoutTheWindowOption_theWindowStaysPlain()
{
    QWidget window;
    const QString path = m_folder.filePath(QStringLiteral("o.cjs"));
    QVERIFY(writeFile(path, kSheet));
    QtSkinComponent skin(window);
    skin.loadSkin(path);
    skin.setOptions(0x100);
    skin.applyToWindow();
    QVERIFY(window.styleSheet().isEmpty());
    QCOMPARE(skin.options(), 0x100);
}

void TestQtSkinComponent::unreadableSkin_throws_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing") << "none.cjs";
    QTest::newRow("a folder") << "folder.cjs";
    QTest::newRow("binary") << "binary.cjs";
}

void TestQtSkinComponent::unreadableSkin_throws()
{
    QFETCH(QString, name);
    QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("folder.cjs")));
    QVERIFY(writeFile(m_folder.filePath(QStringLiteral("binary.cjs")), QByteArray("\0\1", 2)));
    QWidget window;
    QtSkinComponent skin(window);
    QVERIFY_THROWS_EXCEPTION(OperationFailed, skin.loadSkin(m_folder.filePath(name)));
}

void TestQtSkinComponent::followingFileChanges_reappliesAnEditedSkin()
{
    QWidget window;
    const QString path = m_folder.filePath(QStringLiteral("edited.cjs"));
    QVERIFY(writeFile(path, kSheet));
    QtSkinComponent skin(window);
    skin.loadSkin(path);
    skin.setOptions(SkinOption::SkinWindow);
    skin.setFollowFileChanges(true);
    skin.applyToWindow();
    const QByteArray edited = "QWidget { background: rgb(1, 2, 3); }\n";
    QVERIFY(writeFile(path, edited));
    QTRY_COMPARE_WITH_TIMEOUT(window.styleSheet(), QString::fromUtf8(edited), 5000);
}

void TestQtSkinComponent::exampleSkin_appliesToTheRealWindowWithoutComplaint()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    QtForm1Window window;
    QtSkinComponent skin(window);
    skin.loadSkin(QStringLiteral(QUILLFEN_SOURCE_DIR "/assets/skin/x/o.cjs"));
    skin.setOptions(SkinOption::SkinWindow);
    skin.setSkinDialogs(true);
    skin.applyToWindow();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.grab().isNull()); // draws every control with the skin
    window.pushButton6()->ensurePolished();
    QCOMPARE(window.pushButton6()->palette().color(QPalette::ButtonText), QColor(0xf5f8fb));
}

QTEST_MAIN(TestQtSkinComponent)
#include "tst_qtskincomponent.moc"
