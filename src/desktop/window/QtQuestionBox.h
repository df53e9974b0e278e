#pragma once

#include "platform/QuestionBox.h"

class ApplicationTitle;
class QtEventLoop;
class QWidget;

// Yes/No questions over the main window; No is the default, so Enter never agrees by accident.
class QtQuestionBox final : public QuestionBox
{
public:
    QtQuestionBox(QWidget& window, const ApplicationTitle& title, QtEventLoop& loop);
    bool ask(const QString& question, const QString& title) override;

private:
    QWidget& m_window;
    const ApplicationTitle& m_title;
    QtEventLoop& m_loop;
};
