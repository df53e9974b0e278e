#pragma once

#include "desktop/window/CaptionProgressBar.h"
#include "platform/Form1Window.h"

#include <QCursor>
#include <QList>
#include <QWidget>

#include <optional>

class QAction;
class QMenu;
class QMenuBar;
class QPushButton;
class QTreeWidget;

// Form1 on Qt widgets: two lists, nine push buttons and the progress bar, placed as the program has
// always placed them in the client area, and the menu bar above it. Events the handlers care about
// leave it as signals or actions; its pointer code and background are reached through the
// Form1Window interface.
class QtForm1Window final : public QWidget, public Form1Window
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtForm1Window)
public:
    explicit QtForm1Window(QWidget* parent = nullptr);

    void setCaption(const QString& caption) override;
    void setApplicationIcon() override;
    void setBackColorToButtonFace() override;
    void loadMouseIcon(const QString& path) override;
    bool hasMouseIcon() const override { return m_handCursor.has_value(); }
    int mousePointer() const override { return m_pointer; }
    void setMousePointer(int code) override;
    void setLookupUnderWay(bool underWay) override;
    void setIndexSummary(const QString& text) override;

    // Shows the window in the middle of the screen it is on.
    void showCentred();

    QTreeWidget* listView1() const { return m_listView1; }
    QTreeWidget* listView2() const { return m_listView2; }
    CaptionProgressBar* progressBar1() const { return m_progressBar1; }
    QPushButton* pushButton6() const { return m_pushButton6; }
    QPushButton* pushButton3() const { return m_pushButton3; }
    QPushButton* pushButton1() const { return m_pushButton1; }
    QPushButton* pushButton7() const { return m_pushButton7; }
    QPushButton* pushButton17() const { return m_pushButton17; }
    QPushButton* pushButton4() const { return m_pushButton4; }
    QPushButton* pushButton13() const { return m_pushButton13; }
    QPushButton* pushButton2() const { return m_pushButton2; }
    QPushButton* pushButton5() const { return m_pushButton5; }
    QList<QPushButton*> pushButtons() const;

    // The area under the menu bar that holds every control, as large as the whole window once was.
    QWidget* clientArea() const { return m_client; }
    QMenuBar* menuBar() const { return m_menuBar; }
    QMenu* lookupMenu() const { return m_lookupMenu; }
    QMenu* helpMenu() const { return m_helpMenu; }
    QMenu* languageMenu() const { return m_languageMenu; }
    QAction* sourcesAction() const { return m_sourcesAction; }
    QAction* forgetAnswersAction() const { return m_forgetAnswersAction; }
    QAction* importDatabaseAction() const { return m_importDatabaseAction; }
    QAction* downloadDatabaseAction() const { return m_downloadDatabaseAction; }
    QAction* updateIndexAction() const { return m_updateIndexAction; }
    QAction* indexSummaryAction() const { return m_indexSummaryAction; }
    QAction* stopLookingUpAction() const { return m_stopLookingUpAction; }
    QAction* retryFailedRowsAction() const { return m_retryFailedRowsAction; }
    QAction* productDetailsAction() const { return m_productDetailsAction; }
    QAction* saveResultsAsAction() const { return m_saveResultsAsAction; }
    QAction* saveRecordsAsAction() const { return m_saveRecordsAsAction; }
    QAction* enrichSpreadsheetAction() const { return m_enrichSpreadsheetAction; }
    QAction* scanAction() const { return m_scanAction; }
    QAction* aboutAction() const { return m_aboutAction; }

    // Windows' key codes for the keys a list reports (Delete is 46); 0 for keys without one.
    static int windowsKeyCode(int qtKey);

Q_SIGNALS:
    void closeRequested();
    void backgroundMouseMoved();
    void buttonMouseMoved();
    // list is 1 for the code list, 2 for the results table
    void listKeyDown(int list, int keyCode, int shift);
    void listDoubleClicked(int list);
    void listMouseMoved(int list);

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void widenForCaptions();
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption);
    QTreeWidget* makeList(const QString& name, const QString& accessibleName, const QRect& place);
    // `caption` is the English text, marked with QT_TR_NOOP: the button shows its translation and
    // keeps the English one as its accessible name.
    QPushButton* makeButton(const QString& name, const char* caption, const QRect& place);
    int listNumber(QObject* watched) const;
    void applyPointer();

    QMenuBar* m_menuBar = nullptr;
    QMenu* m_lookupMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QMenu* m_languageMenu = nullptr;
    QAction* m_sourcesAction = nullptr;
    QAction* m_forgetAnswersAction = nullptr;
    QAction* m_importDatabaseAction = nullptr;
    QAction* m_downloadDatabaseAction = nullptr;
    QAction* m_updateIndexAction = nullptr;
    QAction* m_indexSummaryAction = nullptr;
    QAction* m_stopLookingUpAction = nullptr;
    QAction* m_retryFailedRowsAction = nullptr;
    QAction* m_productDetailsAction = nullptr;
    QAction* m_saveResultsAsAction = nullptr;
    QAction* m_saveRecordsAsAction = nullptr;
    QAction* m_enrichSpreadsheetAction = nullptr;
    QAction* m_scanAction = nullptr;
    QAction* m_aboutAction = nullptr;
    QWidget* m_client = nullptr;
    // Set one by one as the controls are built, while the event filter already runs for the
    // ones built before: it finds the others null until they exist.
    QTreeWidget* m_listView1 = nullptr;
    QTreeWidget* m_listView2 = nullptr;
    QPushButton* m_pushButton6 = nullptr;
    QPushButton* m_pushButton3 = nullptr;
    QPushButton* m_pushButton1 = nullptr;
    QPushButton* m_pushButton7 = nullptr;
    QPushButton* m_pushButton17 = nullptr;
    QPushButton* m_pushButton4 = nullptr;
    QPushButton* m_pushButton13 = nullptr;
    QPushButton* m_pushButton2 = nullptr;
    QPushButton* m_pushButton5 = nullptr;
    CaptionProgressBar* m_progressBar1 = nullptr;

    int m_pointer = 0;
    std::optional<QCursor> m_handCursor;
};
