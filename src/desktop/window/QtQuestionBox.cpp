#include "desktop/window/QtQuestionBox.h"

#include "common/ApplicationTitle.h"
#include "desktop/system/QtEventLoop.h"
#include "desktop/window/DialogParent.h"

#include <QMessageBox>

QtQuestionBox::QtQuestionBox(QWidget& window, const ApplicationTitle& title, QtEventLoop& loop)
    : m_window(window)
    , m_title(title)
    , m_loop(loop)
{}

bool QtQuestionBox::ask(const QString& question, const QString& title)
{
    m_loop.throwIfEnding();
    QMessageBox box(QMessageBox::Question, title.isEmpty() ? m_title.text() : title, question,
                    QMessageBox::Yes | QMessageBox::No, DialogParent(m_window));
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("QuestionBox"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    const bool yes = box.exec() == QMessageBox::Yes;
    m_loop.throwIfEnding();
    return yes;
}
