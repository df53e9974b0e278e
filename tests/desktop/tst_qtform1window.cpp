// The real window on the offscreen platform: layout, captions, the events the handlers see, and
// outside text in every window and dialog.
#include "app/window/AboutText.h"
#include "app/window/Form1.h"
#include "common/ErrorReport.h"
#include "common/Locations.h"
#include "common/OperationFailed.h"
#include "common/PointerCode.h"
#include "common/ProgramEnding.h"
#include "desktop/barcodes/QtPictureFiles.h"
#include "desktop/storage/QtSettingsStore.h"
#include "program/QtPlatform.h"
#include "support/LoopbackConfig.h"
#include "support/ModalDialogs.h"
#include "support/RealWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QTreeWidget>

#include <cstddef>
#include <cstring>
#include <functional>
#include <new>
#include <sys/inotify.h>
#include <unistd.h>

namespace {
QRect twips(int left, int top, int width, int height)
{
    auto px = [](int t) { return (t + 7) / 15; };
    return QRect(px(left), px(top), px(width), px(height));
}

// Whether any file in a folder was opened since the watch began. A widget that takes text for
// HTML loads the pictures it names; one that reads a plain file says nothing, and could not be
// caught otherwise (a FIFO or /dev/zero would hang the test instead).
class OpenedFiles
{
public:
    explicit OpenedFiles(const QString& folder)
        : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        if (m_fd >= 0)
            m_watching =
                inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_OPEN) >= 0;
    }
    ~OpenedFiles()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    OpenedFiles(const OpenedFiles&) = delete;
    OpenedFiles& operator=(const OpenedFiles&) = delete;

    bool isWatching() const { return m_watching; }
    // True when something was opened since the last call.
    bool anyOpened()
    {
        alignas(inotify_event) char events[4096];
        bool opened = false;
        while (::read(m_fd, events, sizeof events) > 0)
            opened = true;
        return opened;
    }

private:
    int m_fd;
    bool m_watching = false;
};

// Where in the widget the text is shown, and how: "plain" when a plain-text label shows it whole,
// else what the widget made of it. Paints the widget, so that any picture it names is loaded.
QString HowShown(QWidget* widget, const QString& text)
{
    widget->grab();
    QList<QLabel*> labels = widget->findChildren<QLabel*>();
    if (auto* const label = qobject_cast<QLabel*>(widget))
        labels.prepend(label);
    for (const QLabel* label : labels)
        if (label->text().contains(text))
            return label->textFormat() == Qt::PlainText ? QStringLiteral("plain")
                                                        : QStringLiteral("guessed");
    return QStringLiteral("missing");
}
} // namespace

class TestQtForm1Window : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void layout_matchesTheControlTable();
    void captions_andAccessibleNamesAreExact();
    void lists_haveOneColumnTheirTooltipAndCheckBoxesOnlyInResults();
    void window_isAFrameNamedAfterTheProduct();
    void eventsWhileTheWindowIsBuilt_reachTheFilterSafely();
    void tabOrder_followsTheTable();
    void listControl_operationsAndBounds();
    void listControl_bringsTheLatestRowAskedIntoViewSoonAfter();
    void listControl_rowsMadeWhereOthersWereDroppedKeepTheirOwn();
    void sampleButton_clickAddsBothCodes();
    void addButton_typedCodesArriveThroughTheInputBox();
    void addButton_aLongPastedListArrivesWhole();
    void deleteKeyAndDoubleClick_removeTheSelectedRow();
    void doubleClickOnACheckBox_leavesTheNextRowsTickAlone();
    void pointer_waitCursorOverEverythingHandOnlyWithAPicture();
    void trapReport_showsAsWarningTitledApplicationError();
    void closing_endsTheProgramAndUnwindsDialogs();
    void fileDialog_filtersAndSelectionForm();
    void fileDialogs_listTheirOwnFilesAndNoOthers_data();
    void fileDialogs_listTheirOwnFilesAndNoOthers();
    void pointer_overAButtonStaysTheHandAsTheMouseMoves();
    void pointer_shippedHandLoadsAtStartupAndShowsOverButtonsOnly();
    void pointer_hoverDuringARunKeepsTheHourglass();
    void codeList_isSavedShortlyAfterItChanges();
    void closing_savesTheListAndTheNextStartRestoresIt();
    void loadButton_picksSeveralFilesAndAppendsThemInOrder();
    void fileDialogs_openInTheFolderLastUsedForTheirKind();
    void outsideText_isShownVerbatimAndNothingItNamesIsRead_data();
    void outsideText_isShownVerbatimAndNothingItNamesIsRead();

private:
    struct App : RealWindow
    {
        explicit App(const QString& applicationFolder = {})
            : RealWindow(LoopbackConfig(applicationFolder))
        {}
    };

    QTemporaryDir m_settingsFolder;

    static QString savedCodes()
    {
        return QtSettingsStore().getSetting(QStringLiteral("Zandrik"), QStringLiteral("Quillfen"),
                                            QStringLiteral("Zip Codes"), QStringLiteral("<none>"));
    }
};

void TestQtForm1Window::initTestCase()
{
    // The saved code list goes to a folder of this run's own.
    QVERIFY(m_settingsFolder.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsFolder.path());
}

// Every window starts without a saved list.
void TestQtForm1Window::init()
{
    QFile::remove(m_settingsFolder.filePath(QStringLiteral("Zandrik/Quillfen.conf")));
}

// A test that closed its window ended the program outside the application's own loop, which
// would make every later dialog return at once; one pass of that loop clears it.
void TestQtForm1Window::cleanup()
{
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

void TestQtForm1Window::layout_matchesTheControlTable()
{
    App app;
    QtForm1Window& w = app.window();
    QCOMPARE(w.windowTitle(), QStringLiteral("Quillfen"));
    // The client area under the menu bar is the window as it always was; the window grows by the
    // menu bar's height.
    QCOMPARE(w.clientArea()->size(), QSize(536, 564));
    QCOMPARE(w.menuBar()->geometry().topLeft(), QPoint(0, 0));
    QVERIFY(w.menuBar()->height() > 0);
    QCOMPARE(w.clientArea()->geometry().topLeft(), QPoint(0, w.menuBar()->height()));
    QCOMPARE(w.size(), QSize(536, 564 + w.menuBar()->height()));
    QCOMPARE(w.listView1()->geometry(), twips(120, 120, 7800, 2535));
    QCOMPARE(w.pushButton6()->geometry(), twips(120, 2745, 3840, 405));
    QCOMPARE(w.pushButton3()->geometry(), twips(4080, 2745, 3840, 405));
    QCOMPARE(w.pushButton1()->geometry(), twips(120, 3255, 3840, 405));
    QCOMPARE(w.pushButton7()->geometry(), twips(4080, 3255, 3840, 405));
    QCOMPARE(w.pushButton17()->geometry(), twips(120, 3765, 7800, 405));
    QCOMPARE(w.listView2()->geometry(), twips(120, 4275, 7800, 2535));
    QCOMPARE(w.pushButton4()->geometry(), twips(120, 6900, 3840, 405));
    QCOMPARE(w.pushButton13()->geometry(), twips(4080, 6900, 3840, 405));
    QCOMPARE(w.pushButton5()->geometry(), twips(120, 7410, 3840, 405));
    QCOMPARE(w.pushButton2()->geometry(), twips(4080, 7410, 3840, 405));
    QCOMPARE(w.progressBar1()->geometry(), twips(120, 7935, 7800, 405));
    QVERIFY(!w.windowIcon().isNull());
    QVERIFY(w.windowIcon().availableSizes().contains(QSize(256, 256)));
    QVERIFY(w.windowIcon().availableSizes().contains(QSize(32, 32)));
}

void TestQtForm1Window::captions_andAccessibleNamesAreExact()
{
    App app;
    const QStringList captions{"Add EAN Number or Numbers",
                               "Load EAN Numbers From File",
                               "Clear List",
                               "Load Sample/Example EANs",
                               "Start Looking Up",
                               "Save Results As Text File",
                               "Save Results As Excel File",
                               "Clear Results",
                               "Copy Results To Clipboard"};
    const QList<QPushButton*> buttons = app.window().pushButtons();
    QCOMPARE(buttons.size(), captions.size());
    for (int i = 0; i < buttons.size(); ++i) {
        QCOMPARE(buttons[i]->text(), captions[i]);
        QCOMPARE(buttons[i]->accessibleName(), captions[i]);
        QCOMPARE(buttons[i]->font().family(), QStringLiteral("Arial"));
        QCOMPARE(buttons[i]->font().pointSizeF(), 11.25);
        QVERIFY(buttons[i]->font().bold());
    }
    QCOMPARE(app.window().progressBar1()->text(), QStringLiteral("Progress Bar"));
    QCOMPARE(app.window().progressBar1()->accessibleName(), QStringLiteral("Progress Bar"));
    QCOMPARE(app.window().listView1()->accessibleName(), QStringLiteral("EAN Codes"));
    QCOMPARE(app.window().listView2()->accessibleName(), QStringLiteral("Description"));
    QCOMPARE(app.window().font().pointSizeF(), 9.0);
}

void TestQtForm1Window::lists_haveOneColumnTheirTooltipAndCheckBoxesOnlyInResults()
{
    App app;
    QTreeWidget* codes = app.window().listView1();
    QTreeWidget* results = app.window().listView2();
    for (QTreeWidget* list : {codes, results}) {
        QCOMPARE(list->columnCount(), 1);
        QCOMPARE(list->columnWidth(0), 467);
        QVERIFY(!list->isHeaderHidden());
        QCOMPARE(list->toolTip(),
                 QStringLiteral("Double-click item to remove it. Move | line to right and out "
                                "of window to reveal full names."));
    }
    QCOMPARE(codes->headerItem()->text(0), QStringLiteral("EAN Codes"));
    QCOMPARE(results->headerItem()->text(0), QStringLiteral("Description"));
    app.platform.services().listView1.add(QStringLiteral("1"));
    app.platform.services().listView2.add(QStringLiteral("2"));
    QVERIFY(!codes->topLevelItem(0)->data(0, Qt::CheckStateRole).isValid());
    QVERIFY(!(codes->topLevelItem(0)->flags() & Qt::ItemIsUserCheckable));
    QVERIFY(results->topLevelItem(0)->data(0, Qt::CheckStateRole).isValid());
    QVERIFY(results->topLevelItem(0)->flags() & Qt::ItemIsUserCheckable);
}

void TestQtForm1Window::window_isAFrameNamedAfterTheProduct()
{
    App app;
    QAccessibleInterface* const window = QAccessible::queryAccessibleInterface(&app.window());
    QVERIFY(window);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Quillfen"));
}

// Each control gets the window's event filter as it is built, and the filter looks at the
// other controls, some of which do not exist yet. The window is built in memory filled with
// a pattern, so that a control pointer nobody set points nowhere, and every control built so
// far is sent an event each time the client area gets another.
void TestQtForm1Window::eventsWhileTheWindowIsBuilt_reachTheFilterSafely()
{
    struct Prodder final : QObject
    {
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() != QEvent::ChildAdded || watched->objectName() != u"Form1Client")
                return false;
            const auto controls = watched->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (QWidget* const control : controls) {
                // The child being added is not a button or list yet: only finished ones.
                if (!qobject_cast<QPushButton*>(control) && !qobject_cast<QTreeWidget*>(control))
                    continue;
                QEvent enter(QEvent::Enter);
                QCoreApplication::sendEvent(control, &enter);
                ++sent;
            }
            return false;
        }
        int sent = 0;
    } prodder;
    alignas(QtForm1Window) std::byte storage[sizeof(QtForm1Window)];
    std::memset(storage, 0xA5, sizeof storage);
    qApp->installEventFilter(&prodder);
    auto* const window = new (storage) QtForm1Window;
    qApp->removeEventFilter(&prodder);
    QVERIFY(prodder.sent >= 10); // the buttons built before the second list among them
    int buttonMoves = 0;
    connect(window, &QtForm1Window::buttonMouseMoved, [&] { ++buttonMoves; });
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(window->pushButton2(), &enter);
    QCOMPARE(buttonMoves, 1);
    window->~QtForm1Window();
}

void TestQtForm1Window::tabOrder_followsTheTable()
{
    App app;
    QtForm1Window& w = app.window();
    const QList<QWidget*> order{w.listView1(),   w.listView2(),    w.pushButton6(),
                                w.pushButton3(), w.pushButton1(),  w.pushButton17(),
                                w.pushButton4(), w.pushButton13(), w.pushButton2(),
                                w.pushButton5(), w.pushButton7()};
    for (int i = 1; i < order.size(); ++i) {
        QWidget* next = order[i - 1]->nextInFocusChain();
        while (next && next != order[i] && !order.contains(next))
            next = next->nextInFocusChain();
        QCOMPARE(next, order[i]);
    }
}

void TestQtForm1Window::listControl_operationsAndBounds()
{
    App app;
    ListControl& results = app.platform.services().listView2;
    QCOMPARE(results.add(QStringLiteral("a")), 1);
    QCOMPARE(results.add(QStringLiteral("b")), 2);
    results.setChecked(2, true);
    QVERIFY(!results.isChecked(1));
    QVERIFY(results.isChecked(2));
    results.setSubItem(1, 2, QStringLiteral("x"));
    QCOMPARE(results.subItem(1, 2), QStringLiteral("x"));
    QCOMPARE(results.subItem(1, 1), QString());
    QCOMPARE(results.columnWidth(1), 7005); // 467 px back in twips
    QVERIFY_THROWS_EXCEPTION(OperationFailed, results.text(3));
    QVERIFY_THROWS_EXCEPTION(OperationFailed, results.remove(0));
    QVERIFY_THROWS_EXCEPTION(OperationFailed, results.columnHeader(2));
    results.ensureVisible(2);
    results.remove(1);
    QCOMPARE(results.text(1), QStringLiteral("b"));
    QVERIFY(results.isChecked(1)); // the tick went up with its row
    QVERIFY_THROWS_EXCEPTION(OperationFailed, results.text(2));
    QTreeWidget* tree = app.window().listView2();
    QCOMPARE(tree->topLevelItemCount(), 1);
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("b"));
    results.clear();
    QCOMPARE(results.count(), 0);
    QCOMPARE(tree->topLevelItemCount(), 0);
    QVERIFY_THROWS_EXCEPTION(OperationFailed, results.isChecked(1));
    QCOMPARE(results.add(QStringLiteral("c")), 1);
    QCOMPARE(tree->topLevelItem(0)->checkState(0), Qt::Unchecked);
}

void TestQtForm1Window::listControl_bringsTheLatestRowAskedIntoViewSoonAfter()
{
    App app;
    ListControl& results = app.platform.services().listView2;
    QTreeWidget* const tree = app.window().listView2();
    for (int row = 1; row <= 500; ++row)
        results.add(QStringLiteral("row %1").arg(row));
    const auto inView = [tree](int row) {
        return tree->viewport()->rect().intersects(
            tree->visualItemRect(tree->topLevelItem(row - 1)));
    };
    results.ensureVisible(250);
    results.ensureVisible(490);
    results.setText(490, QStringLiteral("renamed"));
    QCoreApplication::processEvents();
    QVERIFY(inView(490));
    QVERIFY(!inView(250));
    QCOMPARE(tree->topLevelItem(489)->text(0), QStringLiteral("renamed"));
    // Asked again right after a scroll, the row still comes into view a moment later.
    results.ensureVisible(100);
    QTRY_VERIFY(inView(100));
    // A row removed before its turn came is simply not scrolled to.
    results.ensureVisible(450);
    results.remove(450);
    QTest::qWait(100);
    QVERIFY(inView(100));
    results.ensureVisible(20);
    results.clear();
    QCoreApplication::processEvents();
}

void TestQtForm1Window::listControl_rowsMadeWhereOthersWereDroppedKeepTheirOwn()
{
    App app;
    ListControl& results = app.platform.services().listView2;
    QList<int> numbers; // the number in each row's text, row by row
    const auto add = [&](int from, int to) {
        for (int n = from; n < to; ++n) {
            results.setChecked(results.add(QStringLiteral("row %1").arg(n)), n % 3 == 0);
            numbers.append(n);
        }
    };
    const auto verifyRows = [&] {
        QCOMPARE(results.count(), numbers.size());
        for (int r = 1; r <= results.count(); ++r) {
            const int n = numbers[r - 1];
            if (results.text(r) != QStringLiteral("row %1").arg(n) ||
                results.isChecked(r) != (n % 3 == 0))
                QFAIL(
                    qPrintable(QStringLiteral("row %1 reads \"%2\"").arg(r).arg(results.text(r))));
        }
    };
    // Rows enough to fill several of the blocks rows are made in; then a run of them dropped in
    // the middle, and new rows made in the places they left.
    add(0, 20'000);
    for (int i = 0; i < 2'000; ++i)
        results.remove(5'001);
    numbers.remove(5'000, 2'000);
    add(20'000, 23'000);
    verifyRows();
    results.clear();
    numbers.clear();
    add(0, 100);
    verifyRows();
}

void TestQtForm1Window::sampleButton_clickAddsBothCodes()
{
    App app;
    QTest::mouseClick(app.window().pushButton7(), Qt::LeftButton);
    QTreeWidget* codes = app.window().listView1();
    QCOMPARE(codes->topLevelItemCount(), 2);
    QCOMPARE(codes->topLevelItem(0)->text(0), QStringLiteral("4988112412613"));
    QCOMPARE(codes->topLevelItem(1)->text(0), QStringLiteral("0823564706221"));
}

void TestQtForm1Window::addButton_typedCodesArriveThroughTheInputBox()
{
    App app;
    QString title;
    QString prompt;
    whenDialogOpens([&](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        QVERIFY(input);
        title = input->windowTitle();
        prompt = input->labelText();
        input->setTextValue(QStringLiteral(" 12 , 34,"));
        input->accept();
    });
    QTest::mouseClick(app.window().pushButton6(), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Quillfen"));
    QCOMPARE(prompt, QStringLiteral("Enter EAN number or numbers (use commas): "));
    QTreeWidget* codes = app.window().listView1();
    QCOMPARE(codes->topLevelItemCount(), 3);
    QCOMPARE(codes->topLevelItem(0)->text(0), QStringLiteral("12"));
    QCOMPARE(codes->topLevelItem(2)->text(0), QString());
}

void TestQtForm1Window::addButton_aLongPastedListArrivesWhole()
{
    App app;
    QStringList typed;
    for (int i = 0; i < 3000; ++i)
        typed.append(QStringLiteral("%1").arg(4000000000000LL + i));
    whenDialogOpens([&](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        QVERIFY(input);
        input->setTextValue(typed.join(u',')); // 41,999 characters
        input->accept();
    });
    QTest::mouseClick(app.window().pushButton6(), Qt::LeftButton);
    QTreeWidget* codes = app.window().listView1();
    QCOMPARE(codes->topLevelItemCount(), 3000);
    QCOMPARE(codes->topLevelItem(2999)->text(0), typed.constLast());
}

void TestQtForm1Window::deleteKeyAndDoubleClick_removeTheSelectedRow()
{
    App app;
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(app.window().pushButton7(), Qt::LeftButton);
    QTreeWidget* codes = app.window().listView1();
    codes->setFocus();
    codes->setCurrentItem(codes->topLevelItem(1));
    QTest::keyClick(codes, Qt::Key_Backspace);
    QCOMPARE(codes->topLevelItemCount(), 4);
    QTest::keyClick(codes, Qt::Key_Delete);
    QCOMPARE(codes->topLevelItemCount(), 3);
    QCOMPARE(codes->topLevelItem(1)->text(0), QStringLiteral("4988112412613"));

    const QRect row = codes->visualItemRect(codes->topLevelItem(2));
    QTest::mouseClick(codes->viewport(), Qt::LeftButton, {}, row.center());
    // Only the left button's double-click removes. (QTest leaves the button down after a
    // double-click; the release ends it as the window system would.)
    for (const Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mouseDClick(codes->viewport(), other, {}, row.center());
        QTest::mouseRelease(codes->viewport(), other, {}, row.center());
    }
    QCOMPARE(codes->topLevelItemCount(), 3);
    QTest::mouseDClick(codes->viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(codes->topLevelItemCount(), 2);

    app.window().setMousePointer(PointerCode::Hourglass);
    codes->setCurrentItem(codes->topLevelItem(0));
    QTest::keyClick(codes, Qt::Key_Delete);
    QTest::mouseClick(app.window().pushButton1(), Qt::LeftButton);
    QCOMPARE(codes->topLevelItemCount(), 2);
    app.window().setMousePointer(PointerCode::Default);
    QTest::mouseClick(app.window().pushButton1(), Qt::LeftButton);
    QCOMPARE(codes->topLevelItemCount(), 0);
}

void TestQtForm1Window::doubleClickOnACheckBox_leavesTheNextRowsTickAlone()
{
    App app;
    ListControl& results = app.platform.services().listView2;
    results.add(QStringLiteral("first"));
    results.add(QStringLiteral("second"));
    results.setChecked(1, true);
    results.setChecked(2, true);
    QTreeWidget* tree = app.window().listView2();
    tree->setCurrentItem(tree->topLevelItem(1));
    // On the check box itself, where a stray release would toggle a tick.
    const QRect rect = tree->visualItemRect(tree->topLevelItem(0));
    const QPoint onRow(rect.left() + 10, rect.center().y());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, onRow);
    QVERIFY(!results.isChecked(1)); // the click itself unticks as usual
    // The tail of a double-click as the window system delivers it: the double-click, then
    // the release, which lands on the row that has moved up into the removed row's place.
    const QPointF global = tree->viewport()->mapToGlobal(QPointF(onRow));
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(onRow), global, Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree->viewport(), &dbl);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(onRow), global, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(tree->viewport(), &release);
    QCOMPARE(results.count(), 1);
    QCOMPARE(results.text(1), QStringLiteral("second"));
    QVERIFY(results.isChecked(1));
}

void TestQtForm1Window::pointer_waitCursorOverEverythingHandOnlyWithAPicture()
{
    App app;
    QtForm1Window& w = app.window();
    w.setMousePointer(PointerCode::Hourglass);
    QCOMPARE(w.cursor().shape(), Qt::WaitCursor);
    QCOMPARE(w.pushButton17()->cursor().shape(), Qt::WaitCursor);
    w.setMousePointer(PointerCode::Custom);
    QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(w.pushButton17()->cursor().shape(), Qt::ArrowCursor); // no picture loaded
    QVERIFY_THROWS_EXCEPTION(OperationFailed,
                             w.loadMouseIcon(QStringLiteral("/nonexistent/HAND-M.CUR")));
    QVERIFY(!w.hasMouseIcon());
}

void TestQtForm1Window::trapReport_showsAsWarningTitledApplicationError()
{
    App app;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenDialogOpens([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->accept();
    });
    ShowErrorReport(app.platform.services().messageBox, QStringLiteral("Disk full"),
                    Location::PushButton2_Click, 100);
    QCOMPARE(title, QStringLiteral("Application Error"));
    QCOMPARE(icon, QMessageBox::Warning);
    // The report's CR LF and CR CR shown as the line breaks they stand for.
    QCOMPARE(text, QStringLiteral("Disk full\nin Caskwillo2021/08/31.Form1.PushButton2_Click at "
                                  "line 100\n\nPlease email screenshot of this message to ") +
                       kSupportAddress);
}

void TestQtForm1Window::closing_endsTheProgramAndUnwindsDialogs()
{
    App app;
    bool returned = false;
    whenDialogOpens([&](QWidget*) { app.window().close(); });
    try {
        app.platform.services().messageBox.show(QStringLiteral("Done."));
        returned = true;
    } catch (const ProgramEnding&) {}
    QVERIFY(!returned);
    QVERIFY(app.platform.eventLoop().isEnding());
    QVERIFY(!app.window().isVisible());
}

void TestQtForm1Window::fileDialog_filtersAndSelectionForm()
{
    QCOMPARE(
        QtFileDialog::qtFilters(QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|")),
        (QStringList{"Text Files (*.txt)", "All Files (*)"}));
    // Qt reads space-separated patterns; these, as typed in a description, would list no file.
    QCOMPARE(QtFileDialog::qtFilters(QStringLiteral("Exports (*.csv.gz;*.csv)|*.csv.gz;*.csv|")),
             QStringList{"Exports (*.csv.gz *.csv)"});
    QCOMPARE(QtFileDialog::selectionText({QStringLiteral("/a/b/one.txt")}),
             QStringLiteral("/a/b/one.txt"));
    QCOMPARE(QtFileDialog::selectionText(
                 {QStringLiteral("/a/b/one.txt"), QStringLiteral("/a/b/two.txt")}),
             QStringLiteral("/a/b") + QChar(u'\0') + u"one.txt" + QChar(u'\0') + u"two.txt");
}

void TestQtForm1Window::fileDialogs_listTheirOwnFilesAndNoOthers_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("notListed");
    QtPictureFiles pictures;
    QTest::newRow("Load EAN Numbers From File")
        << LoadListsFilter(pictures.readableExtensions())
        << QStringList{"codes.txt", "sheet.xlsx", "sheet.ods", "sheet.csv",
                       "sheet.tsv", "shelf.png",  "shelf.jpg", "shelf.jpeg",
                       "shelf.gif", "shelf.bmp",  "scan.pdf"}
        << QStringList{"export.csv.gz", "export.jsonl.gz", "letter.doc", "shelf.heic"};
    QTest::newRow("Import Product Database")
        << ImportDatabaseFilter() << QStringList{"export.csv.gz", "sheet.csv", "export.jsonl.gz"}
        << QStringList{"codes.txt", "sheet.xlsx", "shelf.png"};
    QTest::newRow("Enrich a Spreadsheet")
        << kEnrichOpenFilter.toString()
        << QStringList{"sheet.xlsx", "sheet.ods", "sheet.csv", "sheet.tsv"}
        << QStringList{"codes.txt", "export.csv.gz", "shelf.png", "scan.pdf"};
    QTest::newRow("Save Results As Text File")
        << kSaveDialogFilter.toString() << QStringList{"codes.txt"}
        << QStringList{"sheet.csv", "shelf.png", "letter.doc"};
}

void TestQtForm1Window::fileDialogs_listTheirOwnFilesAndNoOthers()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, notListed);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    for (const QStringList& names : {listed, notListed}) {
        for (const QString& name : names) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }
    // The dialog's first filter, read as Qt's file dialog reads it: the patterns between the
    // last parentheses, separated by spaces.
    const QString first = QtFileDialog::qtFilters(filter).value(0);
    static const QRegularExpression patternsAtEnd(QStringLiteral("\\(([^()]*)\\)$"));
    const QRegularExpressionMatch match = patternsAtEnd.match(first);
    QVERIFY2(match.hasMatch(), qPrintable(first));
    const QStringList shown =
        QDir(folder.path())
            .entryList(match.captured(1).split(u' ', Qt::SkipEmptyParts), QDir::Files, QDir::Name);
    for (const QString& name : listed)
        QVERIFY2(shown.contains(name), qPrintable(name + u" not listed by " + first));
    for (const QString& name : notListed)
        QVERIFY2(!shown.contains(name), qPrintable(name + u" listed by " + first));
}

void TestQtForm1Window::pointer_overAButtonStaysTheHandAsTheMouseMoves()
{
    App app(QStringLiteral(QUILLFEN_BINARY_DIR "/src"));
    QtForm1Window& w = app.window();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QPushButton* const button = w.pushButton17();
    QTest::mouseMove(button, button->rect().center());
    QTest::mouseMove(button, button->rect().center() + QPoint(5, 1));
    QCOMPARE(w.mousePointer(), PointerCode::Custom);
    // No handler of its own: the progress bar keeps what the button set.
    QTest::mouseMove(w.progressBar1(), w.progressBar1()->rect().center());
    QCOMPARE(w.mousePointer(), PointerCode::Custom);
    QTest::mouseMove(w.listView1()->viewport(), QPoint(20, 20));
    QCOMPARE(w.mousePointer(), PointerCode::Default);
    QTest::mouseMove(button, button->rect().center());
    QCOMPARE(w.mousePointer(), PointerCode::Custom);
    QTest::mouseMove(w.clientArea(), QPoint(3, 3)); // the margin: the window's own background
    QCOMPARE(w.mousePointer(), PointerCode::Default);
}

void TestQtForm1Window::pointer_shippedHandLoadsAtStartupAndShowsOverButtonsOnly()
{
    // The build puts the hand pointer next to the program, where start-up looks for it.
    App app(QStringLiteral(QUILLFEN_BINARY_DIR "/src"));
    QtForm1Window& w = app.window();
    QVERIFY(w.hasMouseIcon());
    QCOMPARE(w.mousePointer(), PointerCode::Default); // loading does not switch to it
    w.setMousePointer(PointerCode::Custom);
    for (QPushButton* button : w.pushButtons()) {
        QCOMPARE(button->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(button->cursor().pixmap().size(), QSize(32, 32));
        QCOMPARE(button->cursor().hotSpot(), QPoint(5, 0)); // the fingertip
    }
    QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(w.listView1()->viewport()->cursor().shape(), Qt::ArrowCursor);
    w.setMousePointer(PointerCode::Hourglass);
    QCOMPARE(w.cursor().shape(), Qt::WaitCursor);
    for (QPushButton* button : w.pushButtons())
        QCOMPARE(button->cursor().shape(), Qt::WaitCursor);
    QCOMPARE(w.listView1()->viewport()->cursor().shape(), Qt::WaitCursor);
    QCOMPARE(w.progressBar1()->cursor().shape(), Qt::WaitCursor);
    w.setMousePointer(PointerCode::Default);
    QCOMPARE(w.pushButton6()->cursor().shape(), Qt::ArrowCursor);
}

void TestQtForm1Window::pointer_hoverDuringARunKeepsTheHourglass()
{
    App app(QStringLiteral(QUILLFEN_BINARY_DIR "/src"));
    QtForm1Window& w = app.window();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.setMousePointer(PointerCode::Hourglass);
    QTest::mouseMove(w.pushButton3(), w.pushButton3()->rect().center());
    QTest::mouseMove(w.listView2()->viewport(), QPoint(20, 20));
    QTest::mouseMove(w.clientArea(), QPoint(3, 3));
    QCOMPARE(w.mousePointer(), PointerCode::Hourglass);
    QCOMPARE(w.pushButton3()->cursor().shape(), Qt::WaitCursor);
}

void TestQtForm1Window::codeList_isSavedShortlyAfterItChanges()
{
    App app;
    ListControl& codes = app.platform.services().listView1;
    codes.add(QStringLiteral("4988112412613"));
    codes.add(QStringLiteral("0823564706221"));
    QTRY_COMPARE_WITH_TIMEOUT(savedCodes(), QStringLiteral("4988112412613;0823564706221"), 5000);
    codes.remove(1);
    QTRY_COMPARE_WITH_TIMEOUT(savedCodes(), QStringLiteral("0823564706221"), 5000);
    codes.clear();
    QTRY_COMPARE_WITH_TIMEOUT(savedCodes(), QString(), 5000);
}

void TestQtForm1Window::closing_savesTheListAndTheNextStartRestoresIt()
{
    {
        App app;
        ListControl& codes = app.platform.services().listView1;
        for (const char* code : {"3", "1", "3", ""})
            codes.add(QString::fromLatin1(code));
        app.window().close();
        QCOMPARE(savedCodes(), QStringLiteral("3;1;3;"));
    }
    App next;
    QTreeWidget* list = next.window().listView1();
    QCOMPARE(list->topLevelItemCount(), 3); // the empty row does not come back
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("3"));
    QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral("1"));
    QCOMPARE(list->topLevelItem(2)->text(0), QStringLiteral("3"));
}

void TestQtForm1Window::loadButton_picksSeveralFilesAndAppendsThemInOrder()
{
    QTemporaryDir folder;
    auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write(QStringLiteral("a.txt"), "111\r\n222\r\n");
    write(QStringLiteral("b.txt"), "\xEF\xBB\xBF"
                                   "333\n");
    App app;
    QString title;
    QStringList filters;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    int pointerWhileOpen = -1;
    whenDialogOpens([&](QWidget* dialog) {
        auto* const files = qobject_cast<QFileDialog*>(dialog);
        QVERIFY(files);
        title = files->windowTitle();
        filters = files->nameFilters();
        mode = files->fileMode();
        pointerWhileOpen = app.window().mousePointer();
        files->setDirectory(folder.path());
        auto* const name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(QStringLiteral("\"a.txt\" \"b.txt\""));
        QMetaObject::invokeMethod(files, "accept");
    });
    QTest::mouseClick(app.window().pushButton3(), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Load List(s) - Hold Ctrl to select multiple list files"));
    // Which pictures are offered depends on the image plugins installed; the files each filter
    // lists are held by fileDialogs_listTheirOwnFilesAndNoOthers.
    QCOMPARE(filters.size(), 5);
    QVERIFY(filters[0].startsWith(u"Code Lists, Spreadsheets, Pictures and PDFs (*.txt "));
    QCOMPARE(filters.mid(1, 2),
             (QStringList{"Text Files (*.txt)", "Spreadsheets (*.xlsx *.ods *.csv *.tsv)"}));
    QCOMPARE(filters[4], QStringLiteral("All Files (*)"));
    QCOMPARE(mode, QFileDialog::ExistingFiles);
    QCOMPARE(pointerWhileOpen, PointerCode::Default); // the hourglass comes after the dialog
    QTreeWidget* list = app.window().listView1();
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        rows.append(list->topLevelItem(i)->text(0));
    QCOMPARE(rows, (QStringList{"111", "222", "333"}));
    QCOMPARE(app.window().mousePointer(), PointerCode::Default);
}

void TestQtForm1Window::fileDialogs_openInTheFolderLastUsedForTheirKind()
{
    QTemporaryDir codes;
    QFile file(codes.filePath(QStringLiteral("a.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("111\n");
    file.close();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString start = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    QVERIFY(QDir::currentPath() != start); // else the first case could not tell them apart

    // The dialog's folder when it opens, then the file chosen (empty: cancelled).
    const auto opensIn = [](const std::function<void()>& press, const QString& choose) {
        QString folder;
        whenDialogOpens([&](QWidget* dialog) {
            auto* const files = qobject_cast<QFileDialog*>(dialog);
            folder = files ? files->directory().absolutePath() : QStringLiteral("(no dialog)");
            if (choose.isEmpty()) {
                QMetaObject::invokeMethod(files, "reject");
                return;
            }
            files->selectFile(choose);
            QMetaObject::invokeMethod(files, "accept");
        });
        press();
        return folder;
    };
    {
        App app;
        QCOMPARE(opensIn([&] { app.window().pushButton3()->click(); },
                         codes.filePath(QStringLiteral("a.txt"))),
                 start);
    }
    // Another start: codes open where codes were chosen; results are another kind.
    App next;
    QCOMPARE(opensIn([&] { next.window().pushButton3()->click(); }, {}),
             QDir(codes.path()).absolutePath());
    QCOMPARE(opensIn([&] { next.window().pushButton4()->click(); }, {}), start);
}

void TestQtForm1Window::outsideText_isShownVerbatimAndNothingItNamesIsRead_data()
{
    QTest::addColumn<QString>("text"); // BAIT stands for a picture's path
    QTest::newRow("heading") << "<h1>x</h1>";
    QTest::newRow("picture") << "<img src=\"BAIT\">";
    QTest::newRow("link") << "<a href=\"file:///etc/passwd\">x</a> <img src=BAIT>";
    QTest::newRow("entity") << "&lt;b&gt; & <b>BAIT</b>";
}

void TestQtForm1Window::outsideText_isShownVerbatimAndNothingItNamesIsRead()
{
    QFETCH(QString, text);
    QTemporaryDir folder;
    const QString bait = folder.filePath(QStringLiteral("bait.png"));
    QImage(4, 4, QImage::Format_RGB32).save(bait);
    text.replace(QStringLiteral("BAIT"), bait);
    OpenedFiles opened(folder.path());
    QVERIFY(opened.isWatching());
    App app;
    const Platform services = app.platform.services();
    QMap<QString, QString> shown; // where -> how

    QtDetailsWindow& details = app.platform.detailsWindow();
    const QString page = QStringLiteral("http://127.0.0.1:9/product?name=") + text;
    details.show(ProductSheet{text, {{QStringLiteral("Brand"), text}}, page});
    details.showNoPicture();
    shown[QStringLiteral("details: name")] = HowShown(details.title(), text);
    shown[QStringLiteral("details: fact")] =
        HowShown(details.facts()->itemAt(0, QFormLayout::FieldRole)->widget(), text);
    QTextDocument tip;
    tip.setHtml(details.link()->toolTip());
    shown[QStringLiteral("details: page's tooltip")] =
        Qt::mightBeRichText(details.link()->toolTip()) && tip.toPlainText() == page
            ? QStringLiteral("plain")
            : details.link()->toolTip();
    details.close();

    const auto inDialog = [&](const QString& where, const std::function<void()>& open) {
        whenDialogOpens([&](QWidget* dialog) {
            shown[where] = HowShown(dialog, text);
            dialog->close();
        });
        open();
    };
    inDialog(QStringLiteral("message box"), [&] { services.messageBox.show(text); });
    inDialog(QStringLiteral("question box"), [&] { services.questionBox.ask(text); });
    inDialog(QStringLiteral("input box"), [&] { services.inputBox.ask(text, {}, {}); });
    inDialog(QStringLiteral("column choice"), [&] {
        services.columnChoice.choose(text, {SheetColumnSummary{QStringLiteral("A"), text, {text}}});
    });
    inDialog(QStringLiteral("sources: note"), [&] {
        services.sourcesDialog.ask({{{QStringLiteral("page"), text, true}}, text}, text, {});
    });
    whenDialogOpens([&](QWidget* dialog) {
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        shown[QStringLiteral("sources: problem")] =
            HowShown(dialog->findChild<QLabel*>(QStringLiteral("Problem")), text);
        dialog->close();
    });
    services.sourcesDialog.ask({}, {}, [&](const SourcesDialogState&) { return text; });

    services.progressDialog.open(text, text, {});
    services.progressDialog.setProgress(text, 10);
    shown[QStringLiteral("progress dialog")] =
        HowShown(app.window().findChild<QProgressDialog*>(QStringLiteral("ProgressDialog")), text);
    services.progressDialog.close();
    services.progressBar1.setText(text);
    app.window().progressBar1()->grab();
    shown[QStringLiteral("progress bar")] =
        app.window().progressBar1()->text() == text ? QStringLiteral("plain") : QString();
    services.window.setCaption(text);
    shown[QStringLiteral("caption")] =
        app.window().windowTitle() == text ? QStringLiteral("plain") : QString();

    AboutFacts facts;
    facts.sourcesInUse = {{text, {{text, text}}}};
    facts.index.exists = true;
    facts.index.path = text;
    facts.index.exports = {IndexedExport{text, text, {}, 1}};
    facts.answersLocation = text;
    facts.indexDownloadUrl = text;
    whenDialogOpens([&](QWidget* dialog) {
        auto* const about = dialog->findChild<QWidget*>(QStringLiteral("AboutText"));
        about->grab();
        const QString plain = about->property("plainText").toString();
        shown[QStringLiteral("about box")] =
            plain.count(text) >= 7 ? QStringLiteral("plain") : plain;
        dialog->close();
    });
    services.aboutBox.show(AboutText(facts), QStringLiteral("About"), {});

    const bool read = opened.anyOpened();
    QStringList wrong;
    for (auto it = shown.cbegin(); it != shown.cend(); ++it)
        if (it->compare(u"plain") != 0)
            wrong.append(it.key() + u": " + *it);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    QCOMPARE(shown.size(), 13);
    QVERIFY2(!read, "a picture the text names was read");
    // The watch sees a label that guesses reading the picture.
    QLabel guessing(QStringLiteral("<img src=\"%1\">").arg(bait));
    guessing.grab();
    QVERIFY(opened.anyOpened());
}

QTEST_MAIN(TestQtForm1Window)
#include "tst_qtform1window.moc"
