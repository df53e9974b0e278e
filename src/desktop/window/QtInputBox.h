#pragma once

#include "platform/InputBox.h"

class ApplicationTitle;
class QtEventLoop;
class QWidget;

// The input box over the window: a prompt and a line of text, as long as the user types it.
class QtInputBox final : public InputBox
{
public:
    QtInputBox(QWidget& window, const ApplicationTitle& title, QtEventLoop& loop);
    QString ask(const QString& prompt, const QString& title, const QString& defaultText) override;

private:
    QWidget& m_window;
    const ApplicationTitle& m_title;
    QtEventLoop& m_loop;
};
