#pragma once

#include "platform/MessageBox.h"

class ApplicationTitle;
class QtEventLoop;
class QWidget;

// Message boxes over the main window. The text is shown as plain text, so a product name with
// markup in it shows as typed.
class QtMessageBox final : public MessageBox
{
public:
    QtMessageBox(QWidget& window, const ApplicationTitle& title, QtEventLoop& loop);
    void show(const QString& text, MessageIcon icon, const QString& title) override;

private:
    QWidget& m_window;
    const ApplicationTitle& m_title;
    QtEventLoop& m_loop;
};
