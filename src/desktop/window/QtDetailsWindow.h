#pragma once

#include "platform/DetailsWindow.h"

#include <QWidget>

class QFormLayout;
class QLabel;

// The product details window: the picture on the left, the name and the facts beside it, and a
// link to the product's page below. A window of its own over the main window, which stays usable
// meanwhile. Its keys, its link and its closing are signalled for Form1.
class QtDetailsWindow final : public QWidget, public DetailsWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtDetailsWindow)
public:
    explicit QtDetailsWindow(QWidget* mainWindow);
    ~QtDetailsWindow() override;

    void show(const ProductSheet& sheet) override;
    bool showPicture(const QByteArray& bytes) override;
    void showNoPicture() override;
    bool isOpen() const override { return isVisible(); }
    void close() override { QWidget::close(); }

    // For tests and screenshots: what the window shows.
    QLabel* picture() const { return m_picture; }
    QLabel* title() const { return m_title; }
    QLabel* link() const { return m_link; }
    QFormLayout* facts() const { return m_facts; }

Q_SIGNALS:
    // Key codes as Form1 takes them: Esc 27, Up 38, Down 40.
    void keyDown(int keyCode);
    void linkClicked();
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_picture;
    QLabel* m_title;
    QFormLayout* m_facts;
    QLabel* m_link;
    // The product's name as shown, for the picture's accessible name.
    QString m_name;
};
