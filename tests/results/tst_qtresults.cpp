// The results' ways out on the real platform: the desktop clipboard (offscreen), text files on
// disk, and .xlsx workbooks read back by an independent reader. Nothing is ever opened in a
// desktop application: the spreadsheet target's opener is replaced in every case.
#include "app/window/Form1.h"
#include "common/OperationFailed.h"
#include "common/PointerCode.h"
#include "desktop/files/XlsxSpreadsheetTarget.h"
#include "desktop/window/QtClipboard.h"
#include "fakes/FakeEventLoop.h"
#include "fakes/FakeListControl.h"
#include "platform/ProgressDisplay.h"
#include "program/QtPlatform.h"
#include "results/ClipboardRoutines.h"
#include "results/ResultsTable.h"
#include "results/SpreadsheetExport.h"
#include "support/LoopbackConfig.h"
#include "support/ModalDialogs.h"
#include "support/RealWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {
// A desktop that has a spreadsheet application, writes into the folder, and only notes what it
// was asked to open.
SpreadsheetDesktop RecordingDesktop(const QString& folder, QStringList& opened, bool opens = true)
{
    SpreadsheetDesktop desktop;
    desktop.folder = folder;
    desktop.hasApplication = [] { return true; };
    desktop.open = [&opened, opens](const QString& path) {
        opened.append(path);
        return opens;
    };
    return desktop;
}

// The workbook as Debian's openpyxl reads it: every cell with its value, type and number
// format, and the column widths.
QJsonObject ReadWorkbook(const QString& path)
{
    static const char script[] = R"(
import json, sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
sheet = book.active
cells = [[c.row, c.column, c.value, c.data_type, c.number_format]
         for row in sheet.iter_rows() for c in row if c.value is not None]
widths = {key: dim.width for key, dim in sheet.column_dimensions.items() if dim.customWidth}
print(json.dumps({"sheets": book.sheetnames, "cells": cells, "widths": widths}))
)";
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromUtf8(script), path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        qWarning("openpyxl could not read the workbook (scripts/setup installs "
                 "python3-openpyxl): %s",
                 python.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

QJsonArray Cell(int row, int column, const QString& value)
{
    // A string cell, without a number format of its own.
    return QJsonArray{row, column, value, QStringLiteral("s"), QStringLiteral("General")};
}
} // namespace

class TestQtResults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void clipboardCopy_readsBackFromTheDesktopClipboard_data();
    void clipboardCopy_readsBackFromTheDesktopClipboard();
    void qtClipboard_takesTextFormatsAndRefusesOthers();
    void copyButton_putsTheTicksOnTheClipboardThenConfirms();
    void saveButton_writesTheChosenFileWithProgressOnTheBar();
    void progressBar_stepsWaitForTheEventLoopEndsShowAtOnce();
    void xlsx_everyCellIsTextReadBackByAnotherReader();
    void xlsx_workbookNeverShownLeavesNoFile();
    void xlsx_twoWorkbooksOfOneSecondGetTheirOwnFiles();
    void xlsx_refusals();
    void excelButton_fillsAWorkbookAndHandsItToTheDesktop();
    void excelButton_withoutApplicationSavesTheWorkbookWhereTheUserSays();
    void leftWorkbooks_olderThanAWeekGoByTheirNamesAlone();
    void queryDefaultApplication_readsTheAnswerOfTheQueryProgram();
    void associationFiles_data();
    void associationFiles();

private:
    struct App : RealWindow
    {
        ListControl& results() { return platform.services().listView2; }
    };

    // Workbooks written to a folder of their own, by a desktop that only notes what it opens.
    struct Workbooks
    {
        QTemporaryDir folder;
        QStringList opened;
        XlsxSpreadsheetTarget target{RecordingDesktop(folder.path(), opened)};
    };
};

void TestQtResults::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestQtResults::clipboardCopy_readsBackFromTheDesktopClipboard_data()
{
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("text");
    QTest::newRow("Apple, and an unticked Banana split")
        << QStringList{"Description"} << QStringList{"Apple", "-Banana split"}
        << QStringLiteral("Apple\r\n");
    QTest::newRow("two columns") << QStringList{"A", "B"} << QStringList{"ab|x", "abcd|yz"}
                                 << QStringLiteral("ab  \tx\r\nabcd\tyz\r\n");
    QTest::newRow("non-ASCII") << QStringList{"A"} << QStringList{"Crème brûlée", "日本茶"}
                               << QStringLiteral("Crème brûlée\r\n日本茶\r\n");
}

void TestQtResults::clipboardCopy_readsBackFromTheDesktopClipboard()
{
    QFETCH(QStringList, headers);
    QFETCH(QStringList, rows);
    QFETCH(QString, text);
    FakeListControl list(true);
    FillTable(list, headers, rows);
    QtClipboard clipboard;
    FakeEventLoop loop;
    CopyListviewToClipboard(list, clipboard, loop);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
}

void TestQtResults::qtClipboard_takesTextFormatsAndRefusesOthers()
{
    QtClipboard clipboard;
    QVERIFY(SetClipboardText(clipboard, QStringLiteral("unicode"), 13));
    QCOMPARE(clipboard.text(), QStringLiteral("unicode"));
    QVERIFY_THROWS_EXCEPTION(OperationFailed, clipboard.setText(QStringLiteral("x"), 2));
    ClearClipboard(clipboard);
    QCOMPARE(clipboard.text(), QString());
}

void TestQtResults::copyButton_putsTheTicksOnTheClipboardThenConfirms()
{
    App app;
    FillTable(app.results(), {}, {"Pen", "-Ink", "Blue ink cartridge"});
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QString shown;
    QString clipboardWhileShown;
    whenDialogOpens([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        QVERIFY(box);
        shown = box->text();
        clipboardWhileShown = QGuiApplication::clipboard()->text();
        box->accept();
    });
    QTest::mouseClick(app.window().pushButton5(), Qt::LeftButton);
    QCOMPARE(clipboardWhileShown, QStringLiteral("Pen\r\nBlue ink cartridge\r\n"));
    QCOMPARE(shown, QStringLiteral("Results have been copied to the clipboard.\n\nClick a "
                                   "text area where you normally type and press Ctrl+V to "
                                   "paste the clipboard."));
}

void TestQtResults::saveButton_writesTheChosenFileWithProgressOnTheBar()
{
    App app;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("results.txt"));
    FillTable(app.results(), {}, {"Pen", "4988112412613 - no record found"});
    whenDialogOpens([&](QWidget* dialog) {
        auto* fileDialog = qobject_cast<QFileDialog*>(dialog);
        QVERIFY(fileDialog);
        QCOMPARE(fileDialog->windowTitle(), QStringLiteral("Save"));
        // Typed into the name field, as a user would: selectFile() leaves the field alone
        // once it has the focus, which it gets only when the dialog has become active.
        fileDialog->setDirectory(folder.path());
        auto* const name = fileDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(QStringLiteral("results.txt"));
        static_cast<QDialog*>(fileDialog)->accept(); // the dialog's own checks run
    });
    QTest::mouseClick(app.window().pushButton4(), Qt::LeftButton);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
             (QStringLiteral("Description") + QString(20, u' ') + QStringLiteral("\t\r\nPen") +
              QString(28, u' ') + QStringLiteral("\t\r\n4988112412613 - no record found\t\r\n"))
                 .toUtf8());
    QCOMPARE(app.window().progressBar1()->text(), QStringLiteral("Progress Bar"));
    QCOMPARE(app.window().progressBar1()->value(), 0);
    QCOMPARE(app.window().mousePointer(), PointerCode::Default);
}

void TestQtResults::progressBar_stepsWaitForTheEventLoopEndsShowAtOnce()
{
    App app;
    ProgressDisplay& progress = app.platform.services().progressBar1;
    CaptionProgressBar* bar = app.window().progressBar1();
    QCoreApplication::processEvents();
    progress.setPosition(25);
    progress.setPosition(33.33);
    QCOMPARE(progress.position(), 33.33);
    QCOMPARE(bar->value(), 0); // not painted yet
    QCoreApplication::processEvents();
    QCOMPARE(bar->value(), 3333); // the latest step only

    progress.setPosition(100.04); // past the end shows as full, at once
    QCOMPARE(bar->value(), 10000);
    QCOMPARE(progress.position(), 100.04);
    progress.setPosition(50);
    progress.setPosition(0); // an end point overtakes the step still waiting
    QCOMPARE(bar->value(), 0);
    QCoreApplication::processEvents();
    QCOMPARE(bar->value(), 0);
}

void TestQtResults::xlsx_everyCellIsTextReadBackByAnotherReader()
{
    Workbooks books;
    {
        std::unique_ptr<Spreadsheet> sheet = books.target.start();
        sheet->addWorkbook();
        sheet->setCellText(1, 1, QStringLiteral("Code"));
        sheet->setCellText(1, 2, QStringLiteral("Description"));
        sheet->fitColumn(1);
        sheet->setCellText(2, 1, QStringLiteral("0823564706221"));
        sheet->setCellText(2, 2, QStringLiteral("Crème brûlée, 日本茶"));
        sheet->setCellText(4, 1, QStringLiteral("4988112412613"));
        sheet->setCellText(4, 2, QStringLiteral("1e5"));
        sheet->fitAllColumns();
        sheet->show();
    }
    QCOMPARE(books.opened.size(), 1);
    QCOMPARE(QFileInfo(books.opened[0]).absolutePath(),
             QFileInfo(books.folder.path()).absoluteFilePath());
    QVERIFY(QFileInfo(books.opened[0]).fileName().startsWith(QStringLiteral("Quillfen results ")));
    QVERIFY(books.opened[0].endsWith(QStringLiteral(".xlsx")));

    const QJsonObject book = ReadWorkbook(books.opened[0]);
    QVERIFY(!book.isEmpty());
    QCOMPARE(book[u"sheets"].toArray().size(), 1);
    const QJsonArray expected{
        Cell(1, 1, QStringLiteral("Code")),
        Cell(1, 2, QStringLiteral("Description")),
        Cell(2, 1, QStringLiteral("0823564706221")),
        Cell(2, 2, QStringLiteral("Crème brûlée, 日本茶")),
        Cell(4, 1, QStringLiteral("4988112412613")),
        Cell(4, 2, QStringLiteral("1e5")),
    };
    QCOMPARE(book[u"cells"].toArray(), expected);
    // Each column as wide as its longest text (13 and 17 characters), give or take the
    // padding the sheet adds.
    const double widthA = book[u"widths"][u"A"].toDouble();
    const double widthB = book[u"widths"][u"B"].toDouble();
    QVERIFY2(widthA >= XlsxSpreadsheetTarget::fittedWidth(13) &&
                 widthA < XlsxSpreadsheetTarget::fittedWidth(13) + 1,
             qPrintable(QString::number(widthA)));
    QVERIFY2(widthB >= XlsxSpreadsheetTarget::fittedWidth(17) &&
                 widthB < XlsxSpreadsheetTarget::fittedWidth(17) + 1,
             qPrintable(QString::number(widthB)));
}

void TestQtResults::xlsx_workbookNeverShownLeavesNoFile()
{
    Workbooks books;
    {
        std::unique_ptr<Spreadsheet> sheet = books.target.start();
        sheet->addWorkbook();
        sheet->setCellText(1, 1, QStringLiteral("x"));
    }
    QVERIFY(QDir(books.folder.path()).isEmpty());
    QVERIFY(books.opened.isEmpty());
}

void TestQtResults::xlsx_twoWorkbooksOfOneSecondGetTheirOwnFiles()
{
    Workbooks books;
    std::unique_ptr<Spreadsheet> first = books.target.start();
    std::unique_ptr<Spreadsheet> second = books.target.start();
    first->addWorkbook();
    second->addWorkbook();
    first->setCellText(1, 1, QStringLiteral("first"));
    second->setCellText(1, 1, QStringLiteral("second"));
    second->show();
    first->show();
    QCOMPARE(books.opened.size(), 2);
    QVERIFY(books.opened[0] != books.opened[1]);
    // One cell, wrapped explicitly: braces around a lone QJsonArray copy it with clang and
    // nest it with GCC.
    QCOMPARE(ReadWorkbook(books.opened[0])[u"cells"].toArray(),
             (QJsonArray{QJsonValue(Cell(1, 1, QStringLiteral("second")))}));
    QCOMPARE(ReadWorkbook(books.opened[1])[u"cells"].toArray(),
             (QJsonArray{QJsonValue(Cell(1, 1, QStringLiteral("first")))}));
}

void TestQtResults::xlsx_refusals()
{
    QTemporaryDir folder;
    QStringList opened;
    SpreadsheetDesktop none = RecordingDesktop(folder.path(), opened);
    none.hasApplication = [] { return false; };
    QVERIFY_THROWS_EXCEPTION(OperationFailed, XlsxSpreadsheetTarget(none).start());

    XlsxSpreadsheetTarget target(RecordingDesktop(folder.path(), opened, false));
    std::unique_ptr<Spreadsheet> sheet = target.start();
    QVERIFY_THROWS_EXCEPTION(OperationFailed, sheet->setCellText(1, 1, QStringLiteral("x")));
    sheet->addWorkbook();
    QVERIFY_THROWS_EXCEPTION(OperationFailed, sheet->addWorkbook());
    QVERIFY_THROWS_EXCEPTION(OperationFailed, sheet->setCellText(0, 1, QStringLiteral("x")));
    QVERIFY_THROWS_EXCEPTION(OperationFailed, sheet->setCellText(1, 16385, QStringLiteral("x")));
    QVERIFY_THROWS_EXCEPTION(OperationFailed, sheet->setCellText(1, 1, QString(40000, u'x')));
    sheet->setCellText(1, 1, QStringLiteral("kept"));
    // Written, but no application took it: that is a failure the user hears of.
    QVERIFY_THROWS_EXCEPTION(OperationFailed, sheet->show());
    QCOMPARE(opened.size(), 1);
    QVERIFY(QFile::exists(opened[0]));

    SpreadsheetDesktop missingFolder =
        RecordingDesktop(folder.filePath(QStringLiteral("gone")), opened);
    std::unique_ptr<Spreadsheet> nowhere = XlsxSpreadsheetTarget(missingFolder).start();
    QVERIFY_THROWS_EXCEPTION(OperationFailed, nowhere->addWorkbook());
}

void TestQtResults::excelButton_fillsAWorkbookAndHandsItToTheDesktop()
{
    App app;
    QTemporaryDir folder;
    QStringList opened;
    app.platform.spreadsheetTarget().setDesktop(RecordingDesktop(folder.path(), opened));
    FillTable(app.results(), {}, {"Pen", "-Ink", "0823564706221 - no record found"});
    QTest::mouseClick(app.window().pushButton13(), Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(
        ReadWorkbook(opened[0])[u"cells"].toArray(),
        (QJsonArray{Cell(1, 1, QStringLiteral("Description")), Cell(2, 1, QStringLiteral("Pen")),
                    Cell(4, 1, QStringLiteral("0823564706221 - no record found"))}));
    QCOMPARE(app.window().mousePointer(), PointerCode::Default);
}

void TestQtResults::excelButton_withoutApplicationSavesTheWorkbookWhereTheUserSays()
{
    App app;
    QTemporaryDir folder;
    QStringList opened;
    SpreadsheetDesktop none = RecordingDesktop(folder.path(), opened);
    none.hasApplication = [] { return false; };
    app.platform.spreadsheetTarget().setDesktop(none);
    FillTable(app.results(), {}, {"Pen", "=1+1"});
    QString title;
    whenDialogOpens([&](QWidget* dialog) {
        auto* fileDialog = qobject_cast<QFileDialog*>(dialog);
        QVERIFY(fileDialog);
        title = fileDialog->windowTitle();
        fileDialog->setDirectory(folder.path());
        auto* const name = fileDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(QStringLiteral("results"));
        static_cast<QDialog*>(fileDialog)->accept();
    });
    QTest::mouseClick(app.window().pushButton13(), Qt::LeftButton);
    QCOMPARE(title, kWorkbookSaveTitle.toString());
    QVERIFY(opened.isEmpty());
    // The workbook alone, nothing of its writing left beside it.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"results.xlsx"});
    QCOMPARE(ReadWorkbook(folder.filePath(QStringLiteral("results.xlsx")))[u"cells"].toArray(),
             (QJsonArray{Cell(1, 1, QStringLiteral("Description")),
                         Cell(2, 1, QStringLiteral("Pen")), Cell(3, 1, QStringLiteral("=1+1"))}));
    QCOMPARE(app.window().mousePointer(), PointerCode::Default);
}

void TestQtResults::leftWorkbooks_olderThanAWeekGoByTheirNamesAlone()
{
    QTemporaryDir folder;
    QStringList opened;
    const XlsxSpreadsheetTarget target(RecordingDesktop(folder.path(), opened));
    const QDateTime now = QDateTime::currentDateTime();
    const auto make = [&](const QString& name, int daysOld) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.setFileTime(now.addDays(-daysOld), QFileDevice::FileModificationTime));
    };
    make(QStringLiteral("Quillfen results 2026-01-01 10-00-00.xlsx"), 8);
    make(QStringLiteral("Quillfen results 2026-01-01 10-00-00 (2).xlsx"), 8);
    make(QStringLiteral("Quillfen results 2026-01-08 10-00-00.xlsx"), 6);
    make(QStringLiteral("Quillfen results for the shop.xlsx"), 30);
    make(QStringLiteral("prices.xlsx"), 30);
    QCOMPARE(target.removeLeftWorkbooks(now), 2);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
             (QStringList{"prices.xlsx", "Quillfen results 2026-01-08 10-00-00.xlsx",
                          "Quillfen results for the shop.xlsx"}));
}

void TestQtResults::queryDefaultApplication_readsTheAnswerOfTheQueryProgram()
{
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("xdg-mime"));
    QFile script(program);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n"
                 "if [ \"$1 $2\" = 'query default' ] && [ \"$3\" = "
                 "'application/vnd.openxmlformats-officedocument.spreadsheetml.sheet' ]; "
                 "then echo 'calc.desktop'; fi\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(QueryDefaultApplication(program, kXlsxMimeType), QStringLiteral("calc.desktop"));
    QCOMPARE(QueryDefaultApplication(program, u"text/plain"), QString());
    QCOMPARE(QueryDefaultApplication(folder.filePath(QStringLiteral("missing")), kXlsxMimeType),
             QString());
}

void TestQtResults::associationFiles_data()
{
    QTest::addColumn<QString>("configList");
    QTest::addColumn<QString>("cache");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<bool>("found");
    const QString type = kXlsxMimeType.toString();
    QTest::newRow("default application installed")
        << "[Default Applications]\n" + type + "=calc.desktop\n"
        << QString() << QStringList{"calc.desktop"} << true;
    QTest::newRow("default application not installed")
        << "[Default Applications]\n" + type + "=calc.desktop\n"
        << QString() << QStringList{} << false;
    QTest::newRow("added association, second of two")
        << "[Added Associations]\n" + type + "=gone.desktop;calc.desktop;\n"
        << QString() << QStringList{"calc.desktop"} << true;
    QTest::newRow("named by the applications' cache")
        << QString() << "[MIME Cache]\n" + type + "=calc.desktop;\n"
        << QStringList{"calc.desktop"} << true;
    QTest::newRow("cache entry removed by the user")
        << "[Removed Associations]\n" + type + "=calc.desktop\n"
        << "[MIME Cache]\n" + type + "=calc.desktop;\n"
        << QStringList{"calc.desktop"} << false;
    QTest::newRow("only other types") << "[Default Applications]\ntext/plain=calc.desktop\n"
                                      << QString() << QStringList{"calc.desktop"} << false;
    QTest::newRow("entry in a vendor subfolder")
        << "[Default Applications]\n" + type + "=office-calc.desktop\n"
        << QString() << QStringList{"office/calc.desktop"} << true;
    QTest::newRow("nothing at all") << QString() << QString() << QStringList{} << false;
}

void TestQtResults::associationFiles()
{
    QFETCH(QString, configList);
    QFETCH(QString, cache);
    QFETCH(QStringList, installed);
    QFETCH(bool, found);
    QTemporaryDir config;
    QTemporaryDir data;
    auto write = [](const QString& path, const QString& text) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    };
    if (!configList.isEmpty())
        write(config.filePath(QStringLiteral("mimeapps.list")), configList);
    if (!cache.isEmpty())
        write(data.filePath(QStringLiteral("applications/mimeinfo.cache")), cache);
    for (const QString& entry : installed)
        write(data.filePath(QStringLiteral("applications/") + entry), "[Desktop Entry]\n");
    QCOMPARE(AssociationFilesNameApplication({config.path()}, {data.path()}, kXlsxMimeType), found);
}

QTEST_MAIN(TestQtResults)
#include "tst_qtresults.moc"
