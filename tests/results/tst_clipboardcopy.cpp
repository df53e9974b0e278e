// The clipboard copy of the results table, "Clear Results" and the removal of single rows, run
// against in-memory fakes.
#include "common/ErrorReport.h"
#include "common/Locations.h"
#include "common/PointerCode.h"
#include "results/ClipboardRoutines.h"
#include "results/ResultsTable.h"
#include "results/ResultsTableActions.h"
#include "support/Form1OnFakes.h"

#include <QTest>

class TestClipboardCopy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clipboardText_data();
    void clipboardText();
    void copy_yieldsBeforeEveryMeasuredCellRowAndWrittenCell();
    void emptyTable_leavesTheClipboardAloneAndStillConfirms();
    void noRowTicked_clearsTheClipboardAndConfirms();
    void confirmation_hasBothSentencesSplitByTwoCarriageReturns();
    void failingCopy_isReportedAtItsLineAndStillConfirms();
    void failingConfirmation_isReportedAtItsLine();
    void busyClipboard_isTriedAgainUntilItTakesTheText();
    void clipboardThatNeverTakesTheText_givesUpAfter1000AttemptsSilently();
    void rowsRemovedDuringTheWidthPass_copiesTheRowsThatAreLeft();
    void tableClearedDuringTheTextPass_copiesWhatWasDoneWithoutReports();
    void everyRowRemovedOneByOne_neverReadsPastTheEnd();
    void clearResults_emptiesTheTableOnly();
    void clearResultsFailure_isReportedAtLine100();
    void form1_routesTheButtonsToTheResultsActions();
    void removeRow_deleteInAnyShiftStateAndDoubleClick_data();
    void removeRow_deleteInAnyShiftStateAndDoubleClick();
    void removeRow_onAnEmptyTableDoesNothing();

private:
    // The fakes, the results table filled as FillTable describes it, and the table's actions.
    struct Results : FakePlatform
    {
        explicit Results(const QStringList& headers = {}, const QStringList& rows = {})
        {
            FillTable(listView2, headers, rows);
        }
        // The copy alone, without the confirmation.
        void copy() { CopyListviewToClipboard(listView2, clipboard, eventLoop); }

        ResultsTableActions actions{services()};
    };
};

void TestClipboardCopy::clipboardText_data()
{
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("text");
    QTest::newRow("unticked row still sets the width, padding falls away")
        << QStringList{"Description"} << QStringList{"Apple", "-Banana split"}
        << QStringLiteral("Apple\r\n");
    QTest::newRow("two columns padded to 4 and 2")
        << QStringList{"A", "B"} << QStringList{"ab|x", "abcd|yz"}
        << QStringLiteral("ab  \tx\r\nabcd\tyz\r\n");
    QTest::newRow("short last cell loses its padding")
        << QStringList{"A", "B"} << QStringList{"ab|xyz", "abcd|y"}
        << QStringLiteral("ab  \txyz\r\nabcd\ty\r\n");
    QTest::newRow("empty cells in the middle keep their padding")
        << QStringList{"A", "B", "C"} << QStringList{"|x|1", "abc||2"}
        << QStringLiteral("   \tx\t1\r\nabc\t \t2\r\n");
    QTest::newRow("leading spaces stay, trailing spaces go")
        << QStringList{"A"} << QStringList{"  lead", "trail   "}
        << QStringLiteral("  lead\r\ntrail\r\n");
    QTest::newRow("a TAB inside a text is copied as it is")
        << QStringList{"A"} << QStringList{"a\tb"} << QStringLiteral("a\tb\r\n");
    QTest::newRow("an empty row text gives an empty line")
        << QStringList{"A"} << QStringList{"", "x"} << QStringLiteral("\r\nx\r\n");
    QTest::newRow("no row ticked gives the empty text")
        << QStringList{"A"} << QStringList{"-a", "-b"} << QString();
    QTest::newRow("widths count characters, not bytes")
        << QStringList{"A", "B"} << QStringList{"Käse|1", "Crème brûlée|2"}
        << QStringLiteral("Käse        \t1\r\nCrème brûlée\t2\r\n");
    QTest::newRow("headers do not count") << QStringList{"A very long header", "B"}
                                          << QStringList{"a|b"} << QStringLiteral("a\tb\r\n");
}

void TestClipboardCopy::clipboardText()
{
    QFETCH(QStringList, headers);
    QFETCH(QStringList, rows);
    QFETCH(QString, text);
    Results fake(headers, rows);
    fake.copy();
    QCOMPARE(fake.clipboard.text(), text);
    QCOMPARE(fake.clipboard.lastFormat, 0);
    QCOMPARE(fake.clipboard.clears, 1);
}

void TestClipboardCopy::copy_yieldsBeforeEveryMeasuredCellRowAndWrittenCell()
{
    Results fake({"A", "B"}, {"a|b", "-c|d", "e|f"});
    fake.copy();
    // 3 rows x 2 columns measured, 3 rows, 2 ticked rows x 2 columns written
    QCOMPARE(fake.eventLoop.yields, 6 + 3 + 4);
}

void TestClipboardCopy::emptyTable_leavesTheClipboardAloneAndStillConfirms()
{
    Results fake;
    fake.listView2.addColumnHeader(QStringLiteral("Description"));
    fake.clipboard.preset(QStringLiteral("what the user copied before"));
    fake.actions.PushButton5_Click();
    QCOMPARE(fake.clipboard.text(), QStringLiteral("what the user copied before"));
    QCOMPARE(fake.clipboard.clears, 0);
    QCOMPARE(fake.clipboard.sets, 0);
    QCOMPARE(fake.messageBox.texts(), QStringList{kCopiedMessage.toString()});
}

void TestClipboardCopy::noRowTicked_clearsTheClipboardAndConfirms()
{
    Results fake({"Description"}, {"-a"});
    fake.clipboard.preset(QStringLiteral("old"));
    fake.actions.PushButton5_Click();
    QCOMPARE(fake.clipboard.text(), QString());
    QCOMPARE(fake.clipboard.clears, 1);
    QCOMPARE(fake.messageBox.shown().size(), 1);
}

void TestClipboardCopy::confirmation_hasBothSentencesSplitByTwoCarriageReturns()
{
    Results fake({"Description"}, {"Pen"});
    fake.actions.PushButton5_Click();
    QCOMPARE(fake.messageBox.shown().size(), 1);
    const FakeMessageBox::Shown& box = fake.messageBox.shown().constFirst();
    QCOMPARE(box.text, QStringLiteral("Results have been copied to the clipboard.\r\rClick a "
                                      "text area where you normally type and press Ctrl+V to "
                                      "paste the clipboard."));
    QCOMPARE(box.icon, MessageIcon::None);
    QCOMPARE(box.title, QStringLiteral("Quillfen"));
    QCOMPARE(fake.clipboard.text(), QStringLiteral("Pen\r\n"));
}

void TestClipboardCopy::failingCopy_isReportedAtItsLineAndStillConfirms()
{
    Results fake({"Description"}, {"Pen", "Ink"});
    fake.listView2.hook.fail(u"text", QStringLiteral("Control failed"));
    fake.actions.PushButton5_Click();
    QCOMPARE(fake.messageBox.texts(),
             (QStringList{BuildErrorReportText(QStringLiteral("Control failed"),
                                               Location::PushButton5_Click, 100),
                          kCopiedMessage.toString()}));
    QCOMPARE(fake.clipboard.sets, 0); // the copy was abandoned before the clipboard
}

void TestClipboardCopy::failingConfirmation_isReportedAtItsLine()
{
    Results fake({"Description"}, {"Pen"});
    fake.messageBox.hook.failOnCall(u"show", 1, QStringLiteral("No box"));
    fake.actions.PushButton5_Click();
    QCOMPARE(fake.messageBox.texts(),
             QStringList{
                 BuildErrorReportText(QStringLiteral("No box"), Location::PushButton5_Click, 102)});
}

void TestClipboardCopy::busyClipboard_isTriedAgainUntilItTakesTheText()
{
    Results fake;
    fake.clipboard.hook.failFirstCalls(u"clear", 5, QStringLiteral("Clipboard busy"));
    fake.clipboard.hook.failFirstCalls(u"setText", 7, QStringLiteral("Clipboard busy"));
    ClearClipboard(fake.clipboard);
    QVERIFY(SetClipboardText(fake.clipboard, QStringLiteral("x"), 0));
    QCOMPARE(fake.clipboard.clears, 1);
    QCOMPARE(fake.clipboard.sets, 1);
    QCOMPARE(fake.clipboard.text(), QStringLiteral("x"));
}

void TestClipboardCopy::clipboardThatNeverTakesTheText_givesUpAfter1000AttemptsSilently()
{
    Results fake;
    fake.clipboard.hook.fail(u"clear", QStringLiteral("Clipboard busy"));
    fake.clipboard.dropsText = true; // another program takes it over every time
    ClearClipboard(fake.clipboard);
    QCOMPARE(fake.clipboard.hook.calls(u"clear"), 1000);
    QVERIFY(!SetClipboardText(fake.clipboard, QStringLiteral("x"), 0));
    QCOMPARE(fake.clipboard.sets, 1000);

    FillTable(fake.listView2, {"Description"}, {"Pen"});
    fake.actions.PushButton5_Click();
    QCOMPARE(fake.messageBox.texts(), QStringList{kCopiedMessage.toString()});
}

void TestClipboardCopy::rowsRemovedDuringTheWidthPass_copiesTheRowsThatAreLeft()
{
    Results fake({"A"}, {"a", "bb", "a very long row"});
    fake.eventLoop.onYield = [&] {
        if (fake.eventLoop.yields == 2)
            fake.listView2.remove(3);
    };
    fake.actions.PushButton5_Click();
    QCOMPARE(fake.clipboard.text(), QStringLiteral("a\r\nbb\r\n"));
    QCOMPARE(fake.messageBox.texts(), QStringList{kCopiedMessage.toString()});
}

void TestClipboardCopy::tableClearedDuringTheTextPass_copiesWhatWasDoneWithoutReports()
{
    Results fake({"A", "B"}, {"a|1", "b|2", "c|3"});
    // Measuring takes 6 yields; the text pass yields for row 1, its two cells, then row 2,
    // and the table is cleared in the middle of row 2.
    fake.eventLoop.onYield = [&] {
        if (fake.eventLoop.yields == 6 + 3 + 2)
            fake.listView2.clear();
    };
    fake.actions.PushButton5_Click();
    QCOMPARE(fake.clipboard.text(), QStringLiteral("a\t1\r\n"));
    QCOMPARE(fake.messageBox.texts(), QStringList{kCopiedMessage.toString()});
}

void TestClipboardCopy::everyRowRemovedOneByOne_neverReadsPastTheEnd()
{
    Results fake({"A", "B"}, {"a|1", "b|2", "c|3", "d|4"});
    fake.eventLoop.onYield = [&] {
        if (fake.listView2.count() > 0)
            fake.listView2.remove(fake.listView2.count());
    };
    fake.actions.PushButton5_Click();
    QCOMPARE(fake.messageBox.texts(), QStringList{kCopiedMessage.toString()});
    QCOMPARE(fake.listView2.count(), 0);
}

void TestClipboardCopy::clearResults_emptiesTheTableOnly()
{
    Results fake({"Description"}, {"a", "-b"});
    fake.listView1.add(QStringLiteral("123"));
    fake.progressBar1.setText(QStringLiteral("Writing file: x"));
    fake.window.pointer = PointerCode::Hourglass; // the buttons stay usable during a run
    fake.actions.PushButton2_Click();
    QCOMPARE(fake.listView2.count(), 0);
    QCOMPARE(fake.listView1.count(), 1);
    QCOMPARE(fake.progressBar1.text(), QStringLiteral("Writing file: x"));
    fake.actions.PushButton2_Click(); // an empty table: nothing to see
    QVERIFY(fake.messageBox.shown().isEmpty());
}

void TestClipboardCopy::clearResultsFailure_isReportedAtLine100()
{
    Results fake;
    fake.listView2.hook.fail(u"clear", QStringLiteral("Control failed"));
    fake.actions.PushButton2_Click();
    QCOMPARE(fake.messageBox.texts(),
             QStringList{BuildErrorReportText(QStringLiteral("Control failed"),
                                              Location::PushButton2_Click, 100)});
}

void TestClipboardCopy::form1_routesTheButtonsToTheResultsActions()
{
    Form1OnFakes fake;
    FillTable(fake.listView2, {"Description"}, {"Pen"});
    fake.form.PushButton5_Click();
    QCOMPARE(fake.clipboard.text(), QStringLiteral("Pen\r\n"));
    fake.form.PushButton2_Click();
    QCOMPARE(fake.listView2.count(), 0);
}

void TestClipboardCopy::removeRow_deleteInAnyShiftStateAndDoubleClick_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("shift");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<int>("pointer");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("Delete") << 46 << 0 << false << 0 << 2 << QStringList{"a", "c"};
    QTest::newRow("Shift+Delete") << 46 << 1 << false << 0 << 1 << QStringList{"b", "c"};
    QTest::newRow("Ctrl+Alt+Delete") << 46 << 6 << false << 0 << 3 << QStringList{"a", "b"};
    QTest::newRow("double-click") << 0 << 0 << true << 0 << 2 << QStringList{"a", "c"};
    QTest::newRow("another key") << 8 << 0 << false << 0 << 2 << QStringList{"a", "b", "c"};
    QTest::newRow("Delete under the hourglass")
        << 46 << 0 << false << PointerCode::Hourglass << 2 << QStringList{"a", "b", "c"};
    QTest::newRow("double-click under the hourglass")
        << 0 << 0 << true << PointerCode::Hourglass << 2 << QStringList{"a", "b", "c"};
    QTest::newRow("Delete with the hand pointer")
        << 46 << 0 << false << PointerCode::Custom << 1 << QStringList{"b", "c"};
    QTest::newRow("nothing selected") << 46 << 0 << false << 0 << 0 << QStringList{"a", "b", "c"};
    QTest::newRow("double-click, nothing selected")
        << 0 << 0 << true << 0 << 0 << QStringList{"a", "b", "c"};
}

void TestClipboardCopy::removeRow_deleteInAnyShiftStateAndDoubleClick()
{
    QFETCH(int, keyCode);
    QFETCH(int, shift);
    QFETCH(bool, doubleClick);
    QFETCH(int, pointer);
    QFETCH(int, selected);
    QFETCH(QStringList, left);
    Form1OnFakes fake;
    FillTable(fake.listView2, {"Description"}, {"a", "b", "c"});
    fake.listView2.select(selected);
    fake.window.pointer = pointer;
    if (doubleClick)
        fake.form.ListView2_DblClick();
    else
        fake.form.ListView2_KeyDown(keyCode, shift);
    QCOMPARE(fake.listView2.texts(), left);
    QVERIFY(fake.messageBox.shown().isEmpty());
}

void TestClipboardCopy::removeRow_onAnEmptyTableDoesNothing()
{
    Form1OnFakes fake;
    fake.listView2.select(1);
    fake.form.ListView2_KeyDown(46, 0);
    fake.form.ListView2_DblClick();
    QCOMPARE(fake.listView2.count(), 0);
    QVERIFY(fake.messageBox.shown().isEmpty());
}

QTEST_GUILESS_MAIN(TestClipboardCopy)
#include "tst_clipboardcopy.moc"
