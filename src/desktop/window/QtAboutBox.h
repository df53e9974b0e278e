#pragma once

#include "platform/AboutBox.h"

class QtEventLoop;
class QWidget;

// The About box over the main window: the text in a scrolling view whose links can be followed
// with the mouse or, after Tab, with Enter.
class QtAboutBox final : public AboutBox
{
public:
    QtAboutBox(QWidget& window, QtEventLoop& loop);
    void show(const QString& html, const QString& title, const LinkHandler& openLink) override;

private:
    QWidget& m_window;
    QtEventLoop& m_loop;
};
