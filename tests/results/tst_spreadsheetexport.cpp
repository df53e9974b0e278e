// The spreadsheet export against a spreadsheet application that writes down every call.
#include "app/window/Form1.h"
#include "common/ErrorReport.h"
#include "common/Locations.h"
#include "common/OperationFailed.h"
#include "common/PointerCode.h"
#include "fakes/FakePlatform.h"
#include "results/ResultsTable.h"
#include "results/SpreadsheetExport.h"
#include "support/Form1OnFakes.h"

#include <QTest>

class TestSpreadsheetExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void export_callsInOrderWithUntickedRowsLeftEmpty();
    void export_equalsSignsGoFromSubItemsOnly();
    void export_resultsTableOfOneColumnKeepsCodesAsTheyAre();
    void emptyTable_onlyTheAvailabilityTestRuns();
    void noSpreadsheetApplication_offersToSaveTheWorkbookInstead();
    void noSpreadsheetApplication_cancelOrEmptyTableSavesNothing();
    void availabilityTest_returnsWhetherItStartsAndNeverReports();
    void applicationFailingToStartForTheExport_oneReportAndThePointerBack();
    void workbookRefused_oneReportAndTheExportStops();
    void failingCell_costsOneReportAndTheExportGoesOn();
    void hourglass_showsWhileTheSheetIsFilled();
    void rowsRemovedWhileFilling_theRowsLeftAreWrittenWithoutReports();
    void withoutEqualsSigns_data();
    void withoutEqualsSigns();
    void form1_routesTheButtonToTheExport();

private:
    // The fakes, the results table filled as FillTable describes it, and the export run on them.
    struct Exporting : FakePlatform
    {
        explicit Exporting(const QStringList& headers = {}, const QStringList& rows = {})
        {
            FillTable(listView2, headers, rows);
        }
        void exportResults() { SpreadsheetExport(services()).PushButton13_Click(); }
    };
};

void TestSpreadsheetExport::export_callsInOrderWithUntickedRowsLeftEmpty()
{
    Exporting fake({"A", "B"}, {"r1|x1", "-r2|x2", "r3|x3"});
    fake.exportResults();
    QCOMPARE(fake.spreadsheet.calls,
             (QStringList{"start", "release", // the availability test
                          "start", "addWorkbook", "setCellText 1 1 A", "fitColumn 1",
                          "setCellText 1 2 B", "fitColumn 2", "setCellText 2 1 r1",
                          "setCellText 2 2 x1", "setCellText 4 1 r3", "setCellText 4 2 x3",
                          "fitAllColumns", "show", "release"}));
    QVERIFY(fake.messageBox.shown().isEmpty());
    QCOMPARE(fake.window.pointerHistory, (QList<int>{PointerCode::Hourglass, 0}));
    // 2 headers, 3 rows, 2 ticked rows of 2 cells
    QCOMPARE(fake.eventLoop.yields, 2 + 3 + 4);
}

void TestSpreadsheetExport::export_equalsSignsGoFromSubItemsOnly()
{
    Exporting fake({"=Head", "Formula"}, {"=SUM(A1)|=HYPERLINK(\"x\")", "a=b|==1=="});
    fake.exportResults();
    const auto& cells = fake.spreadsheet.cells;
    QCOMPARE(cells.value({1, 1}), QStringLiteral("=Head"));
    QCOMPARE(cells.value({2, 1}), QStringLiteral("=SUM(A1)"));
    QCOMPARE(cells.value({2, 2}), QStringLiteral("HYPERLINK(\"x\")"));
    QCOMPARE(cells.value({3, 1}), QStringLiteral("a=b"));
    QCOMPARE(cells.value({3, 2}), QStringLiteral("1"));
}

void TestSpreadsheetExport::export_resultsTableOfOneColumnKeepsCodesAsTheyAre()
{
    Exporting fake({"Description"}, {"Pen", "0823564706221 - no record found"});
    fake.exportResults();
    QCOMPARE(fake.spreadsheet.cells.value({1, 1}), QStringLiteral("Description"));
    QCOMPARE(fake.spreadsheet.cells.value({2, 1}), QStringLiteral("Pen"));
    QCOMPARE(fake.spreadsheet.cells.value({3, 1}),
             QStringLiteral("0823564706221 - no record found"));
    QCOMPARE(fake.spreadsheet.cells.size(), 3);
}

void TestSpreadsheetExport::emptyTable_onlyTheAvailabilityTestRuns()
{
    Exporting fake;
    fake.listView2.addColumnHeader(QStringLiteral("Description"));
    fake.exportResults();
    QCOMPARE(fake.spreadsheet.calls, (QStringList{"start", "release"}));
    QVERIFY(fake.messageBox.shown().isEmpty());
    QVERIFY(fake.window.pointerHistory.isEmpty());
}

void TestSpreadsheetExport::noSpreadsheetApplication_offersToSaveTheWorkbookInstead()
{
    Exporting fake({"A", "B"}, {"r1|x=1", "-r2|x2"});
    fake.spreadsheet.available = false;
    fake.commonDialog1.setFileName(QStringLiteral("/d/codes.txt")); // a loaded list
    fake.commonDialog1.choices = {QStringLiteral("/d/results")};
    fake.exportResults();
    QCOMPARE(fake.commonDialog1.showings().size(), 1);
    const FakeFileDialog::Showing& shown = fake.commonDialog1.showings().constFirst();
    QVERIFY(shown.save);
    QCOMPARE(shown.title, kWorkbookSaveTitle.toString());
    QCOMPARE(shown.filter, kWorkbookSaveFilter.toString());
    QCOMPARE(shown.fileNameShown, kWorkbookSuggestedName.toString());
    // The same workbook as for an application, saved where the user said.
    QCOMPARE(
        fake.spreadsheet.calls,
        (QStringList{"start", "startSaving /d/results.xlsx", "addWorkbook", "setCellText 1 1 A",
                     "fitColumn 1", "setCellText 1 2 B", "fitColumn 2", "setCellText 2 1 r1",
                     "setCellText 2 2 x1", "fitAllColumns", "show", "release"}));
    QVERIFY(fake.messageBox.shown().isEmpty());
    QCOMPARE(fake.window.pointerHistory, (QList<int>{PointerCode::Hourglass, 0}));
}

void TestSpreadsheetExport::noSpreadsheetApplication_cancelOrEmptyTableSavesNothing()
{
    Exporting cancelled({"Description"}, {"Pen"});
    cancelled.spreadsheet.available = false;
    cancelled.exportResults();
    QCOMPARE(cancelled.commonDialog1.showings().size(), 1);
    QCOMPARE(cancelled.spreadsheet.calls, QStringList{"start"});
    QVERIFY(cancelled.messageBox.shown().isEmpty());
    QVERIFY(cancelled.window.pointerHistory.isEmpty());

    Exporting empty;
    empty.spreadsheet.available = false;
    empty.exportResults();
    QVERIFY(empty.commonDialog1.showings().isEmpty());
    QCOMPARE(empty.spreadsheet.calls, QStringList{"start"});
    QVERIFY(empty.messageBox.shown().isEmpty());
}

void TestSpreadsheetExport::availabilityTest_returnsWhetherItStartsAndNeverReports()
{
    Form1OnFakes fake;
    QVERIFY(fake.form.SaveResultsAsExcelFileIsExcelInstalled());
    QVERIFY(fake.messageBox.shown().isEmpty());
    fake.spreadsheet.available = false;
    fake.messageBox.hook.failAll(QStringLiteral("No box"));
    QVERIFY(!fake.form.SaveResultsAsExcelFileIsExcelInstalled());
    QVERIFY(fake.messageBox.shown().isEmpty()); // the failing box was skipped, not reported
}

void TestSpreadsheetExport::applicationFailingToStartForTheExport_oneReportAndThePointerBack()
{
    Exporting fake({"Description"}, {"a", "b"});
    fake.spreadsheet.hook.failOnCall(u"start", 2, QStringLiteral("Server busy"));
    fake.exportResults();
    QCOMPARE(fake.messageBox.texts(),
             QStringList{BuildErrorReportText(QStringLiteral("Server busy"),
                                              Location::PushButton13_Click, 108)});
    QCOMPARE(fake.spreadsheet.calls, (QStringList{"start", "release", "start"}));
    QCOMPARE(fake.window.pointerHistory, (QList<int>{PointerCode::Hourglass, 0}));
}

void TestSpreadsheetExport::workbookRefused_oneReportAndTheExportStops()
{
    Exporting fake({"Description"}, {"a", "b"});
    fake.spreadsheet.hook.fail(u"addWorkbook", QStringLiteral("Refused"));
    fake.exportResults();
    QCOMPARE(fake.messageBox.texts(),
             QStringList{BuildErrorReportText(QStringLiteral("Refused"),
                                              Location::PushButton13_Click, 110)});
    QCOMPARE(fake.spreadsheet.calls.constLast(), QStringLiteral("release"));
    QVERIFY(!fake.spreadsheet.calls.contains(QStringLiteral("show")));
    QCOMPARE(fake.window.pointer, PointerCode::Default);
}

void TestSpreadsheetExport::failingCell_costsOneReportAndTheExportGoesOn()
{
    Exporting fake({"A", "B"}, {"a|1", "b|2"});
    fake.spreadsheet.hook.failOnCall(u"setCellText", 3, QStringLiteral("Cell refused"));
    fake.exportResults();
    QCOMPARE(fake.messageBox.texts(),
             QStringList{BuildErrorReportText(QStringLiteral("Cell refused"),
                                              Location::PushButton13_Click, 134)});
    // The third cell written, after the two headers, is the one refused.
    QCOMPARE(fake.spreadsheet.calls.filter(QStringLiteral("setCellText")).value(2),
             QStringLiteral("setCellText 2 1 a"));
    QVERIFY(!fake.spreadsheet.cells.contains({2, 1}));
    // The next cell still lands in column 2.
    QCOMPARE(fake.spreadsheet.cells.value({2, 2}), QStringLiteral("1"));
    QCOMPARE(fake.spreadsheet.cells.value({3, 1}), QStringLiteral("b"));
    QVERIFY(fake.spreadsheet.calls.contains(QStringLiteral("show")));
}

void TestSpreadsheetExport::hourglass_showsWhileTheSheetIsFilled()
{
    Exporting fake({"Description"}, {"a"});
    QList<int> pointers;
    fake.spreadsheet.hook.beforeCall = [&](QStringView) { pointers.append(fake.window.pointer); };
    fake.exportResults();
    // The availability test runs before the hourglass, everything after it under it.
    QCOMPARE(pointers.constFirst(), PointerCode::Default);
    QVERIFY(std::all_of(pointers.cbegin() + 1, pointers.cend(),
                        [](int p) { return p == PointerCode::Hourglass; }));
    QCOMPARE(fake.window.pointer, PointerCode::Default);
}

void TestSpreadsheetExport::rowsRemovedWhileFilling_theRowsLeftAreWrittenWithoutReports()
{
    Exporting fake({"A", "B"}, {"a|1", "b|2", "c|3"});
    // 2 header yields, then row 1 and its two cells; row 2 then disappears mid-row.
    fake.eventLoop.onYield = [&] {
        if (fake.eventLoop.yields == 2 + 3 + 2)
            fake.listView2.clear();
    };
    fake.exportResults();
    QVERIFY(fake.messageBox.shown().isEmpty());
    QCOMPARE(fake.spreadsheet.cells.value({2, 2}), QStringLiteral("1"));
    QVERIFY(!fake.spreadsheet.cells.contains({3, 1}));
    QVERIFY(fake.spreadsheet.calls.contains(QStringLiteral("show")));
    QCOMPARE(fake.window.pointer, PointerCode::Default);
}

void TestSpreadsheetExport::withoutEqualsSigns_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("none") << "abc"
                          << "abc";
    QTest::newRow("leading") << "=1+1"
                             << "1+1";
    QTest::newRow("everywhere") << "a=b==c="
                                << "abc";
    QTest::newRow("only signs") << "==="
                                << "";
    QTest::newRow("look-alikes stay") << "≠＝"
                                      << "≠＝";
}

void TestSpreadsheetExport::withoutEqualsSigns()
{
    QFETCH(QString, text);
    QFETCH(QString, result);
    QCOMPARE(WithoutEqualsSigns(text), result);
}

void TestSpreadsheetExport::form1_routesTheButtonToTheExport()
{
    Form1OnFakes fake;
    FillTable(fake.listView2, {"Description"}, {"Pen"});
    fake.form.PushButton13_Click();
    QVERIFY(fake.spreadsheet.calls.contains(QStringLiteral("setCellText 2 1 Pen")));
}

QTEST_GUILESS_MAIN(TestSpreadsheetExport)
#include "tst_spreadsheetexport.moc"
