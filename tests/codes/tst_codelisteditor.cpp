#include "codes/CodeListEditor.h"
#include "common/ErrorReport.h"
#include "common/Locations.h"
#include "common/PointerCode.h"
#include "common/RowRemoval.h"
#include "fakes/FakePlatform.h"

#include <QTest>

class TestCodeListEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void splitTypedCodes_data();
    void splitTypedCodes();
    void addTyped_appendsEveryPieceAfterExistingRows();
    void addTyped_cancelOrEmptyAddsNothing();
    void addTyped_manyPiecesHaveNoLimit();
    void addTyped_failingAddIsReportedPerPieceAndGoesOn();
    void samples_addBothCodesEveryTime();
    void clear_emptiesListUnlessHourglass();
    void remove_data();
    void remove();
    void remove_onEmptyListDoesNothing();
    void removeGuard_isSharedWithResultsTable();

private:
    // The fakes with the editor working on them.
    struct Editing : FakePlatform
    {
        CodeListEditor editor{services()};
    };
};

void TestCodeListEditor::splitTypedCodes_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("two codes, spaces around the comma")
        << "4988112412613 , 0823564706221" << QStringList{"4988112412613", "0823564706221"};
    QTest::newRow("trailing comma gives an empty row") << "123," << QStringList{"123", ""};
    QTest::newRow("single comma gives two empty rows") << "," << QStringList{"", ""};
    QTest::newRow("double comma keeps the empty piece") << "1,,2" << QStringList{"1", "", "2"};
    QTest::newRow("letters are taken as they are") << "  abc  " << QStringList{"abc"};
    QTest::newRow("only spaces are trimmed") << " 1 2 " << QStringList{"1 2"};
    QTest::newRow("a pasted column, its last break adding nothing")
        << "111\r\n 222\n333\r444\n"
        << QStringList{"111", "222", "333", "444"};
    QTest::newRow("a pasted row, an empty cell kept")
        << "111\t\t222" << QStringList{"111", "", "222"};
    QTest::newRow("two breaks at the end: one empty piece") << "1\n\n" << QStringList{"1", ""};
}

void TestCodeListEditor::splitTypedCodes()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, rows);
    QCOMPARE(SplitTypedCodes(answer), rows);
}

void TestCodeListEditor::addTyped_appendsEveryPieceAfterExistingRows()
{
    Editing fake;
    fake.listView1.add(QStringLiteral("old"));
    fake.inputBox.answers << QStringLiteral(" 1 ,2,");
    fake.editor.PushButton6_Click();
    QCOMPARE(fake.listView1.texts(), (QStringList{"old", "1", "2", ""}));
    QCOMPARE(fake.inputBox.asked().size(), 1);
    QCOMPARE(fake.inputBox.asked()[0].prompt,
             QStringLiteral("Enter EAN number or numbers (use commas): "));
    QCOMPARE(fake.inputBox.asked()[0].title, QStringLiteral("Quillfen"));
    QCOMPARE(fake.inputBox.asked()[0].defaultText, QString());
    QVERIFY(fake.messageBox.shown().isEmpty());
}

void TestCodeListEditor::addTyped_cancelOrEmptyAddsNothing()
{
    Editing fake;
    fake.editor.PushButton6_Click(); // cancelled: no answers queued
    fake.inputBox.answers << QString();
    fake.editor.PushButton6_Click();
    QCOMPARE(fake.listView1.count(), 0);
    QVERIFY(fake.messageBox.shown().isEmpty());
}

void TestCodeListEditor::addTyped_manyPiecesHaveNoLimit()
{
    Editing fake;
    fake.inputBox.answers << QString(40000, u',');
    fake.editor.PushButton6_Click();
    QCOMPARE(fake.listView1.count(), 40001);
}

void TestCodeListEditor::addTyped_failingAddIsReportedPerPieceAndGoesOn()
{
    Editing fake;
    fake.listView1.hook.failOnCall(u"add", 1, QStringLiteral("Out of memory"));
    fake.inputBox.answers << QStringLiteral("a,b");
    fake.editor.PushButton6_Click();
    QCOMPARE(fake.listView1.texts(), QStringList{"b"});
    QCOMPARE(fake.messageBox.texts(),
             QStringList{BuildErrorReportText(QStringLiteral("Out of memory"),
                                              Location::PushButton6_Click, 106)});
}

void TestCodeListEditor::samples_addBothCodesEveryTime()
{
    Editing fake;
    fake.editor.PushButton7_Click();
    fake.editor.PushButton7_Click();
    QCOMPARE(fake.listView1.texts(),
             (QStringList{"4988112412613", "0823564706221", "4988112412613", "0823564706221"}));
}

void TestCodeListEditor::clear_emptiesListUnlessHourglass()
{
    Editing fake;
    fake.editor.PushButton7_Click();
    fake.window.pointer = PointerCode::Hourglass;
    fake.editor.PushButton1_Click();
    QCOMPARE(fake.listView1.count(), 2);
    fake.window.pointer = PointerCode::Custom;
    fake.editor.PushButton1_Click();
    QCOMPARE(fake.listView1.count(), 0);
}

void TestCodeListEditor::remove_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<int>("pointer");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("left");
    const QStringList all{"a", "b", "c"};
    QTest::newRow("delete removes the selected row")
        << 46 << false << 0 << 2 << QStringList{"a", "c"};
    QTest::newRow("double-click removes the selected row")
        << 0 << true << 99 << 3 << QStringList{"a", "b"};
    QTest::newRow("backspace does nothing") << 8 << false << 0 << 2 << all;
    QTest::newRow("a letter does nothing") << 65 << false << 0 << 2 << all;
    QTest::newRow("delete under the hourglass does nothing") << 46 << false << 11 << 2 << all;
    QTest::newRow("double-click under the hourglass does nothing") << 0 << true << 11 << 2 << all;
    QTest::newRow("nothing selected, nothing removed") << 46 << false << 0 << 0 << all;
}

void TestCodeListEditor::remove()
{
    QFETCH(int, keyCode);
    QFETCH(bool, doubleClick);
    QFETCH(int, pointer);
    QFETCH(int, selected);
    QFETCH(QStringList, left);
    Editing fake;
    for (const char* text : {"a", "b", "c"})
        fake.listView1.add(QString::fromLatin1(text));
    fake.listView1.select(selected);
    fake.window.pointer = pointer;
    if (doubleClick)
        fake.editor.ListView1_DblClick();
    else
        fake.editor.ListView1_KeyDown(keyCode, 0);
    QCOMPARE(fake.listView1.texts(), left);
}

void TestCodeListEditor::remove_onEmptyListDoesNothing()
{
    Editing fake;
    fake.editor.ListView1_KeyDown(kKeyCodeDelete, 0);
    fake.editor.ListView1_DblClick();
    QCOMPARE(fake.listView1.count(), 0);
    QVERIFY(fake.messageBox.shown().isEmpty());
}

void TestCodeListEditor::removeGuard_isSharedWithResultsTable()
{
    FakePlatform fake;
    fake.listView2.add(QStringLiteral("x"));
    fake.listView2.select(1);
    fake.window.pointer = PointerCode::Hourglass;
    RemoveSelectedRowUnlessBusy(fake.listView2, fake.window);
    QCOMPARE(fake.listView2.count(), 1);
    fake.window.pointer = PointerCode::Default;
    RemoveSelectedRowUnlessBusy(fake.listView2, fake.window);
    QCOMPARE(fake.listView2.count(), 0);
}

QTEST_GUILESS_MAIN(TestCodeListEditor)
#include "tst_codelisteditor.moc"
