// The clipboard copy of the results table, "Clear Results" and the removal of single rows, run
// against in-memory fakes.
#include "ResultsTable.h"
#include "app/Form1.h"
#include "common/ErrorReport.h"
#include "common/Locations.h"
#include "common/OperationFailed.h"
#include "common/PointerCode.h"
#include "platform/fakes/FakePlatform.h"
#include "results/ClipboardRoutines.h"
#include "results/ResultsTableActions.h"
#include "support/FakeChance.h"

#include <QTest>

class TestClipboardCopy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clipboardText_data()
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
    void clipboardText()
    {
        QFETCH(QStringList, headers);
        QFETCH(QStringList, rows);
        QFETCH(QString, text);
        FakePlatform fake;
        FillTable(fake.listView2, headers, rows);
        CopyListviewToClipboard(fake.listView2, fake.clipboard, fake.eventLoop);
        QCOMPARE(fake.clipboard.text(), text);
        QCOMPARE(fake.clipboard.lastFormat, 0);
        QCOMPARE(fake.clipboard.clears, 1);
    }

    void copy_yieldsBeforeEveryMeasuredCellRowAndWrittenCell()
    {
        FakePlatform fake;
        FillTable(fake.listView2, {"A", "B"}, {"a|b", "-c|d", "e|f"});
        CopyListviewToClipboard(fake.listView2, fake.clipboard, fake.eventLoop);
        // 3 rows x 2 columns measured, 3 rows, 2 ticked rows x 2 columns written
        QCOMPARE(fake.eventLoop.yields, 6 + 3 + 4);
    }

    void emptyTable_leavesTheClipboardAloneAndStillConfirms()
    {
        FakePlatform fake;
        fake.listView2.addColumnHeader(QStringLiteral("Description"));
        fake.clipboard.preset(QStringLiteral("what the user copied before"));
        ResultsTableActions actions(fake.services());
        actions.PushButton5_Click();
        QCOMPARE(fake.clipboard.text(), QStringLiteral("what the user copied before"));
        QCOMPARE(fake.clipboard.clears, 0);
        QCOMPARE(fake.clipboard.sets, 0);
        QCOMPARE(fake.messageBox.texts(), QStringList{kCopiedMessage.toString()});
    }

    void noRowTicked_clearsTheClipboardAndConfirms()
    {
        FakePlatform fake;
        FillTable(fake.listView2, {"Description"}, {"-a"});
        fake.clipboard.preset(QStringLiteral("old"));
        ResultsTableActions actions(fake.services());
        actions.PushButton5_Click();
        QCOMPARE(fake.clipboard.text(), QString());
        QCOMPARE(fake.clipboard.clears, 1);
        QCOMPARE(fake.messageBox.shown().size(), 1);
    }

    void confirmation_hasBothSentencesSplitByTwoCarriageReturns()
    {
        FakePlatform fake;
        FillTable(fake.listView2, {"Description"}, {"Pen"});
        ResultsTableActions actions(fake.services());
        actions.PushButton5_Click();
        QCOMPARE(fake.messageBox.shown().size(), 1);
        const FakeMessageBox::Shown& box = fake.messageBox.shown().constFirst();
        QCOMPARE(box.text, QStringLiteral("Results have been copied to the clipboard.\r\rClick a "
                                          "text area where you normally type and press Ctrl+V to "
                                          "paste the clipboard."));
        QCOMPARE(box.icon, MessageIcon::None);
        QCOMPARE(box.title, QStringLiteral("Quillfen"));
        QCOMPARE(fake.clipboard.text(), QStringLiteral("Pen\r\n"));
    }

    void failingCopy_isReportedAtItsLineAndStillConfirms()
    {
        FakePlatform fake;
        FillTable(fake.listView2, {"Description"}, {"Pen", "Ink"});
        fake.listView2.hook.beforeCall = [](QStringView op) {
            if (op == u"text")
                throw OperationFailed(QStringLiteral("Control failed"));
        };
        ResultsTableActions actions(fake.services());
        actions.PushButton5_Click();
        QCOMPARE(fake.messageBox.texts(),
                 (QStringList{BuildErrorReportText(QStringLiteral("Control failed"),
                                                   Location::PushButton5_Click, 100),
                              kCopiedMessage.toString()}));
        QCOMPARE(fake.clipboard.sets, 0); // the copy was abandoned before the clipboard
    }

    void failingConfirmation_isReportedAtItsLine()
    {
        FakePlatform fake;
        FillTable(fake.listView2, {"Description"}, {"Pen"});
        int shows = 0;
        fake.messageBox.hook.beforeCall = [&](QStringView) {
            if (++shows == 1)
                throw OperationFailed(QStringLiteral("No box"));
        };
        ResultsTableActions actions(fake.services());
        actions.PushButton5_Click();
        QCOMPARE(fake.messageBox.texts(),
                 QStringList{BuildErrorReportText(QStringLiteral("No box"),
                                                  Location::PushButton5_Click, 102)});
    }

    void busyClipboard_isTriedAgainUntilItTakesTheText()
    {
        FakePlatform fake;
        int clearFailures = 5;
        int setFailures = 7;
        fake.clipboard.hook.beforeCall = [&](QStringView op) {
            if (op == u"clear" && clearFailures-- > 0)
                throw OperationFailed(QStringLiteral("Clipboard busy"));
            if (op == u"setText" && setFailures-- > 0)
                throw OperationFailed(QStringLiteral("Clipboard busy"));
        };
        ClearClipboard(fake.clipboard);
        QVERIFY(SetClipboardText(fake.clipboard, QStringLiteral("x"), 0));
        QCOMPARE(fake.clipboard.clears, 1);
        QCOMPARE(fake.clipboard.sets, 1);
        QCOMPARE(fake.clipboard.text(), QStringLiteral("x"));
    }

    void clipboardThatNeverTakesTheText_givesUpAfter1000AttemptsSilently()
    {
        FakePlatform fake;
        int clearAttempts = 0;
        fake.clipboard.hook.beforeCall = [&](QStringView op) {
            if (op == u"clear") {
                ++clearAttempts;
                throw OperationFailed(QStringLiteral("Clipboard busy"));
            }
        };
        fake.clipboard.dropsText = true; // another program takes it over every time
        ClearClipboard(fake.clipboard);
        QCOMPARE(clearAttempts, 1000);
        QVERIFY(!SetClipboardText(fake.clipboard, QStringLiteral("x"), 0));
        QCOMPARE(fake.clipboard.sets, 1000);

        FillTable(fake.listView2, {"Description"}, {"Pen"});
        ResultsTableActions actions(fake.services());
        actions.PushButton5_Click();
        QCOMPARE(fake.messageBox.texts(), QStringList{kCopiedMessage.toString()});
    }

    void rowsRemovedDuringTheWidthPass_copiesTheRowsThatAreLeft()
    {
        FakePlatform fake;
        FillTable(fake.listView2, {"A"}, {"a", "bb", "a very long row"});
        fake.eventLoop.onYield = [&] {
            if (fake.eventLoop.yields == 2)
                fake.listView2.remove(3);
        };
        ResultsTableActions actions(fake.services());
        actions.PushButton5_Click();
        QCOMPARE(fake.clipboard.text(), QStringLiteral("a\r\nbb\r\n"));
        QCOMPARE(fake.messageBox.texts(), QStringList{kCopiedMessage.toString()});
    }

    void tableClearedDuringTheTextPass_copiesWhatWasDoneWithoutReports()
    {
        FakePlatform fake;
        FillTable(fake.listView2, {"A", "B"}, {"a|1", "b|2", "c|3"});
        // Measuring takes 6 yields; the text pass yields for row 1, its two cells, then row 2,
        // and the table is cleared in the middle of row 2.
        fake.eventLoop.onYield = [&] {
            if (fake.eventLoop.yields == 6 + 3 + 2)
                fake.listView2.clear();
        };
        ResultsTableActions actions(fake.services());
        actions.PushButton5_Click();
        QCOMPARE(fake.clipboard.text(), QStringLiteral("a\t1\r\n"));
        QCOMPARE(fake.messageBox.texts(), QStringList{kCopiedMessage.toString()});
    }

    void everyRowRemovedOneByOne_neverReadsPastTheEnd()
    {
        FakePlatform fake;
        FillTable(fake.listView2, {"A", "B"}, {"a|1", "b|2", "c|3", "d|4"});
        fake.eventLoop.onYield = [&] {
            if (fake.listView2.count() > 0)
                fake.listView2.remove(fake.listView2.count());
        };
        ResultsTableActions actions(fake.services());
        actions.PushButton5_Click();
        QCOMPARE(fake.messageBox.texts(), QStringList{kCopiedMessage.toString()});
        QCOMPARE(fake.listView2.count(), 0);
    }

    void clearResults_emptiesTheTableOnly()
    {
        FakePlatform fake;
        FillTable(fake.listView2, {"Description"}, {"a", "-b"});
        fake.listView1.add(QStringLiteral("123"));
        fake.progressBar1.setText(QStringLiteral("Writing file: x"));
        fake.window.pointer = PointerCode::Hourglass; // the buttons stay usable during a run
        ResultsTableActions actions(fake.services());
        actions.PushButton2_Click();
        QCOMPARE(fake.listView2.count(), 0);
        QCOMPARE(fake.listView1.count(), 1);
        QCOMPARE(fake.progressBar1.text(), QStringLiteral("Writing file: x"));
        actions.PushButton2_Click(); // an empty table: nothing to see
        QVERIFY(fake.messageBox.shown().isEmpty());
    }

    void clearResultsFailure_isReportedAtLine100()
    {
        FakePlatform fake;
        fake.listView2.hook.beforeCall = [](QStringView op) {
            if (op == u"clear")
                throw OperationFailed(QStringLiteral("Control failed"));
        };
        ResultsTableActions actions(fake.services());
        actions.PushButton2_Click();
        QCOMPARE(fake.messageBox.texts(),
                 QStringList{BuildErrorReportText(QStringLiteral("Control failed"),
                                                  Location::PushButton2_Click, 100)});
    }

    void form1_routesTheButtonsToTheResultsActions()
    {
        FakePlatform fake;
        FakeChance chance;
        Form1 form(fake.services(), AppConfig{}, chance);
        FillTable(fake.listView2, {"Description"}, {"Pen"});
        form.PushButton5_Click();
        QCOMPARE(fake.clipboard.text(), QStringLiteral("Pen\r\n"));
        form.PushButton2_Click();
        QCOMPARE(fake.listView2.count(), 0);
    }

    void removeRow_deleteInAnyShiftStateAndDoubleClick_data()
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
        QTest::newRow("nothing selected")
            << 46 << 0 << false << 0 << 0 << QStringList{"a", "b", "c"};
        QTest::newRow("double-click, nothing selected")
            << 0 << 0 << true << 0 << 0 << QStringList{"a", "b", "c"};
    }
    void removeRow_deleteInAnyShiftStateAndDoubleClick()
    {
        QFETCH(int, keyCode);
        QFETCH(int, shift);
        QFETCH(bool, doubleClick);
        QFETCH(int, pointer);
        QFETCH(int, selected);
        QFETCH(QStringList, left);
        FakePlatform fake;
        FakeChance chance;
        Form1 form(fake.services(), AppConfig{}, chance);
        FillTable(fake.listView2, {"Description"}, {"a", "b", "c"});
        fake.listView2.select(selected);
        fake.window.pointer = pointer;
        if (doubleClick)
            form.ListView2_DblClick();
        else
            form.ListView2_KeyDown(keyCode, shift);
        QCOMPARE(fake.listView2.texts(), left);
        QVERIFY(fake.messageBox.shown().isEmpty());
    }

    void removeRow_onAnEmptyTableDoesNothing()
    {
        FakePlatform fake;
        FakeChance chance;
        Form1 form(fake.services(), AppConfig{}, chance);
        fake.listView2.select(1);
        form.ListView2_KeyDown(46, 0);
        form.ListView2_DblClick();
        QCOMPARE(fake.listView2.count(), 0);
        QVERIFY(fake.messageBox.shown().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestClipboardCopy)
#include "tst_clipboardcopy.moc"
