#include "desktop/window/QtForm1Window.h"

#include "common/OperationFailed.h"
#include "common/PointerCode.h"
#include "desktop/window/Twips.h"
#include "platform/ProgressDisplay.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QHeaderView>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kClientWidthTwips = 8040;
constexpr int kClientHeightTwips = 8460;

QString listToolTip()
{
    return QCoreApplication::translate(
        "QtForm1Window",
        "Double-click item to remove it. Move | line to right and out of window to reveal full "
        "names.");
}

QFont boldArial(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

// A cursor file keeps its hot spot in the first directory entry (bytes 10 to 13); Qt's image
// reader drops it.
QPoint cursorHotSpot(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(14);
    if (head.size() < 14 || head[2] != 2) // type 2 is a cursor, 1 an icon
        return {};
    auto word = [&](int at) { return int(uchar(head[at])) | int(uchar(head[at + 1])) << 8; };
    return QPoint(word(10), word(12));
}
} // namespace

QtForm1Window::QtForm1Window(QWidget* parent)
    : QWidget(parent)
{
    // A plain widget is a "filler" to assistive technology; screen readers announce the program's
    // window only when it says it is one.
    static const bool windowRoleInstalled = [] {
        QAccessible::installFactory([](const QString& className, QObject* object) {
            QAccessibleInterface* window = nullptr;
            if (className == u"QtForm1Window" && object->isWidgetType())
                window = new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
            return window;
        });
        return true;
    }();
    Q_UNUSED(windowRoleInstalled);
    setObjectName(QStringLiteral("Form1"));
    // A placeholder until start-up sets the product name.
    setWindowTitle(QStringLiteral("Form1"));
    setFont(boldArial(9));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    setMouseTracking(true);

    // The menu bar goes on top and the window grows by its height: the client area below keeps
    // the size and every control the place they have always had.
    auto* const layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    buildMenus();
    layout->setMenuBar(m_menuBar);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("Form1Client"));
    m_client->setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
    m_client->setMouseTracking(true);
    layout->addWidget(m_client);

    m_listView1 =
        makeList(QStringLiteral("ListView1"), tr("EAN Codes"), TwipsRect(120, 120, 7800, 2535));
    m_pushButton6 =
        makeButton(QStringLiteral("PushButton6"), QT_TR_NOOP("Add EAN Number or Numbers"),
                   TwipsRect(120, 2745, 3840, 405));
    m_pushButton3 =
        makeButton(QStringLiteral("PushButton3"), QT_TR_NOOP("Load EAN Numbers From File"),
                   TwipsRect(4080, 2745, 3840, 405));
    m_pushButton1 = makeButton(QStringLiteral("PushButton1"), QT_TR_NOOP("Clear List"),
                               TwipsRect(120, 3255, 3840, 405));
    m_pushButton7 =
        makeButton(QStringLiteral("PushButton7"), QT_TR_NOOP("Load Sample/Example EANs"),
                   TwipsRect(4080, 3255, 3840, 405));
    m_pushButton17 = makeButton(QStringLiteral("PushButton17"), QT_TR_NOOP("Start Looking Up"),
                                TwipsRect(120, 3765, 7800, 405));
    m_listView2 =
        makeList(QStringLiteral("ListView2"), tr("Description"), TwipsRect(120, 4275, 7800, 2535));
    m_pushButton4 =
        makeButton(QStringLiteral("PushButton4"), QT_TR_NOOP("Save Results As Text File"),
                   TwipsRect(120, 6900, 3840, 405));
    m_pushButton13 =
        makeButton(QStringLiteral("PushButton13"), QT_TR_NOOP("Save Results As Excel File"),
                   TwipsRect(4080, 6900, 3840, 405));
    m_pushButton5 =
        makeButton(QStringLiteral("PushButton5"), QT_TR_NOOP("Copy Results To Clipboard"),
                   TwipsRect(120, 7410, 3840, 405));
    m_pushButton2 = makeButton(QStringLiteral("PushButton2"), QT_TR_NOOP("Clear Results"),
                               TwipsRect(4080, 7410, 3840, 405));

    m_progressBar1 = new CaptionProgressBar(m_client);
    m_progressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar1->setAccessibleName(tr("Progress Bar"));
    m_progressBar1->setGeometry(TwipsRect(120, 7935, 7800, 405));
    m_progressBar1->setCaption(kIdleProgressCaption.toString());

    // Tab order as the window has always had it.
    const QList<QWidget*> tabOrder{m_listView1,   m_listView2,    m_pushButton6, m_pushButton3,
                                   m_pushButton1, m_pushButton17, m_pushButton4, m_pushButton13,
                                   m_pushButton2, m_pushButton5,  m_pushButton7, m_progressBar1};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    // The window's size is settled now, while it is only a widget: a size fixed once it is on
    // the screen is a request to the window system, which some platforms decline with a warning.
    ensurePolished();
    widenForCaptions();
    layout->activate();
}

void QtForm1Window::widenForCaptions()
{
    // The buttons stand in two columns under full-width lists. A caption longer than its button
    // (a longer language's) widens both columns alike, and the lists and the window with them, so
    // that nothing is cut off and the window keeps its shape. English fits as it always has.
    const QList<QPushButton*> left{m_pushButton6, m_pushButton1, m_pushButton4, m_pushButton5};
    const QList<QPushButton*> right{m_pushButton3, m_pushButton7, m_pushButton13, m_pushButton2};
    int extra = 0;
    for (QPushButton* const button : left + right)
        extra = std::max(extra, button->sizeHint().width() - button->width());
    extra = std::max(extra, m_pushButton17->sizeHint().width() - m_pushButton17->width());
    if (extra <= 0)
        return;
    for (QPushButton* const button : left)
        button->resize(button->width() + extra, button->height());
    for (QPushButton* const button : right)
        button->setGeometry(button->x() + extra, button->y(), button->width() + extra,
                            button->height());
    for (QWidget* const wide :
         std::initializer_list<QWidget*>{m_listView1, m_pushButton17, m_listView2, m_progressBar1})
        wide->resize(wide->width() + 2 * extra, wide->height());
    m_client->setFixedSize(m_client->width() + 2 * extra, m_client->height());
}

void QtForm1Window::buildMenus()
{
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("MenuBar"));
    m_menuBar->setAccessibleName(tr("Menu bar"));
    // The controls' bold Arial is theirs; the menus read like every other program's.
    m_menuBar->setFont(QFont());

    m_lookupMenu = m_menuBar->addMenu(tr("&Lookup"));
    m_lookupMenu->setObjectName(QStringLiteral("LookupMenu"));
    m_lookupMenu->setAccessibleName(tr("Lookup"));
    m_sourcesAction = addItem(m_lookupMenu, QStringLiteral("Sources"), tr("&Sources\u2026"));
    m_forgetAnswersAction = addItem(m_lookupMenu, QStringLiteral("ForgetRememberedAnswers"),
                                    tr("&Forget Remembered Answers"));
    m_lookupMenu->addSeparator();
    m_importDatabaseAction = addItem(m_lookupMenu, QStringLiteral("ImportProductDatabase"),
                                     tr("&Import Product Database\u2026"));
    m_downloadDatabaseAction = addItem(m_lookupMenu, QStringLiteral("DownloadProductDatabase"),
                                       tr("&Download Product Database"));
    m_updateIndexAction =
        addItem(m_lookupMenu, QStringLiteral("UpdateTheIndex"), tr("&Update the Index"));
    // A line of information rather than a command: read, not chosen.
    m_indexSummaryAction =
        addItem(m_lookupMenu, QStringLiteral("IndexSummary"), tr("No product index"));
    m_indexSummaryAction->setEnabled(false);
    m_lookupMenu->addSeparator();
    m_stopLookingUpAction =
        addItem(m_lookupMenu, QStringLiteral("StopLookingUp"), tr("S&top Looking Up"));
    // Esc works wherever the focus is in the window (a list, a button) but not in a dialog, which
    // is a window of its own and takes Esc for itself.
    m_stopLookingUpAction->setShortcut(QKeySequence(Qt::Key_Escape));
    m_stopLookingUpAction->setShortcutContext(Qt::WindowShortcut);
    m_stopLookingUpAction->setEnabled(false);
    m_retryFailedRowsAction =
        addItem(m_lookupMenu, QStringLiteral("RetryFailedRows"), tr("&Retry Failed Rows"));
    m_productDetailsAction =
        addItem(m_lookupMenu, QStringLiteral("ProductDetails"), tr("&Product Details\u2026"));
    m_lookupMenu->addSeparator();
    m_saveResultsAsAction =
        addItem(m_lookupMenu, QStringLiteral("SaveResultsAs"), tr("Save Results &As\u2026"));
    m_saveRecordsAsAction =
        addItem(m_lookupMenu, QStringLiteral("SaveRecordsAs"), tr("Save Rec&ords As\u2026"));
    m_enrichSpreadsheetAction = addItem(m_lookupMenu, QStringLiteral("EnrichSpreadsheet"),
                                        tr("&Enrich a Spreadsheet\u2026"));
    m_lookupMenu->addSeparator();
    m_scanAction = addItem(m_lookupMenu, QStringLiteral("Scan"), tr("S&can\u2026"));
    m_scanAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_scanAction->setShortcutContext(Qt::WindowShortcut);

    m_helpMenu = m_menuBar->addMenu(tr("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("HelpMenu"));
    m_helpMenu->setAccessibleName(tr("Help"));
    // Filled by whoever knows the languages there are and which one is chosen.
    m_languageMenu = m_helpMenu->addMenu(tr("&Language"));
    m_languageMenu->setObjectName(QStringLiteral("LanguageMenu"));
    m_aboutAction = addItem(m_helpMenu, QStringLiteral("AboutQuillfen"), tr("&About Quillfen"));
}

QAction* QtForm1Window::addItem(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* const action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QTreeWidget* QtForm1Window::makeList(const QString& name, const QString& accessibleName,
                                     const QRect& place)
{
    auto* const list = new QTreeWidget(m_client);
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->setGeometry(place);
    list->setToolTip(listToolTip());
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true); // keeps lists of 100,000 rows quick
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setAllColumnsShowFocus(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    list->setMouseTracking(true);
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
    return list;
}

QPushButton* QtForm1Window::makeButton(const QString& name, const char* caption, const QRect& place)
{
    auto* const button = new QPushButton(tr(caption), m_client);
    button->setObjectName(name);
    // A screen reader says what the button shows, in the language it shows it in.
    button->setAccessibleName(button->text());
    button->setGeometry(place);
    button->setFont(boldArial(11.25));
    button->setAutoDefault(false);
    button->setMouseTracking(true);
    button->installEventFilter(this);
    return button;
}

QList<QPushButton*> QtForm1Window::pushButtons() const
{
    return {m_pushButton6, m_pushButton3,  m_pushButton1, m_pushButton7, m_pushButton17,
            m_pushButton4, m_pushButton13, m_pushButton2, m_pushButton5};
}

void QtForm1Window::showCentred()
{
    if (const QScreen* const display = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(display->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
}

void QtForm1Window::setCaption(const QString& caption)
{
    setWindowTitle(caption);
}

void QtForm1Window::setApplicationIcon()
{
    QIcon icon;
    for (const int size : {32, 48, 128, 256})
        icon.addFile(QStringLiteral(":/quillfen/icons/quillfen-%1.png").arg(size),
                     QSize(size, size));
    setWindowIcon(icon);
}

void QtForm1Window::setBackColorToButtonFace()
{
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
}

void QtForm1Window::loadMouseIcon(const QString& path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        throw OperationFailed(tr("Invalid picture: %1").arg(reader.errorString()));
    const QPoint hotSpot = cursorHotSpot(path);
    m_handCursor = QCursor(QPixmap::fromImage(image), hotSpot.x(), hotSpot.y());
    applyPointer();
}

void QtForm1Window::setMousePointer(int code)
{
    // A run sets the hourglass again for every code; the window's and every button's pointer
    // only change when the code does.
    if (code == m_pointer)
        return;
    m_pointer = code;
    applyPointer();
}

void QtForm1Window::setLookupUnderWay(bool underWay)
{
    m_stopLookingUpAction->setEnabled(underWay);
    m_retryFailedRowsAction->setEnabled(!underWay);
    m_enrichSpreadsheetAction->setEnabled(!underWay);
}

void QtForm1Window::setIndexSummary(const QString& text)
{
    // An ampersand in it (a database's name) is text, not an access key.
    QString shown = text;
    m_indexSummaryAction->setText(shown.replace(u'&', QStringLiteral("&&")));
}

void QtForm1Window::applyPointer()
{
    // The hourglass covers the whole window, buttons included; the hand shows over the buttons
    // only, and only when a pointer picture was loaded.
    if (m_pointer == PointerCode::Hourglass)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
    for (QPushButton* button : pushButtons()) {
        if (m_pointer == PointerCode::Custom && m_handCursor)
            button->setCursor(*m_handCursor);
        else
            button->unsetCursor();
    }
}

int QtForm1Window::windowsKeyCode(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey; // Windows uses the same codes for letters and digits
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

int QtForm1Window::listNumber(QObject* watched) const
{
    auto isPartOf = [watched](const QTreeWidget* list) {
        return list && (watched == list || watched == list->viewport());
    };
    if (isPartOf(m_listView1))
        return 1;
    if (isPartOf(m_listView2))
        return 2;
    return 0;
}

bool QtForm1Window::eventFilter(QObject* watched, QEvent* event)
{
    if (const int list = listNumber(watched)) {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            // Windows' shift state: 1 Shift, 2 Ctrl, 4 Alt.
            const Qt::KeyboardModifiers mods = key->modifiers();
            const int shift = (mods & Qt::ShiftModifier ? 1 : 0) |
                              (mods & Qt::ControlModifier ? 2 : 0) |
                              (mods & Qt::AltModifier ? 4 : 0);
            Q_EMIT listKeyDown(list, windowsKeyCode(key->key()), shift);
            break;
        }
        case QEvent::MouseButtonDblClick: {
            // Only the left button's double-click removes a row; one with another button is
            // left to the list.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton)
                break;
            // The row double-clicked is the row meant, even when the click landed on its check
            // box, which does not select.
            QTreeWidget* const tree = list == 1 ? m_listView1 : m_listView2;
            const QPoint at = mouse->position().toPoint();
            if (QTreeWidgetItem* const hit = tree->itemAt(at))
                tree->setCurrentItem(hit);
            Q_EMIT listDoubleClicked(list);
            return true;
        }
        case QEvent::MouseMove:
            if (watched != m_listView1 && watched != m_listView2)
                Q_EMIT listMouseMoved(list);
            break;
        default:
            break;
        }
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
        Q_EMIT buttonMouseMoved();
    return QWidget::eventFilter(watched, event);
}

void QtForm1Window::closeEvent(QCloseEvent* event)
{
    // Closing never asks and is never refused; the handler saves what must survive.
    Q_EMIT closeRequested();
    event->accept();
}

void QtForm1Window::mouseMoveEvent(QMouseEvent* event)
{
    // A control that leaves a move unhandled (a button, the progress bar) passes it up to the
    // window; only a move over no control at all is a move over the background.
    const QWidget* const under = childAt(event->position().toPoint());
    if (!under || under == m_client)
        Q_EMIT backgroundMouseMoved();
    QWidget::mouseMoveEvent(event);
}
