#pragma once

#include "platform/MessageBox.h"

// Messages for nobody at the window: each goes to standard error as one block, "title: text",
// and show() returns at once. For the reports of a program that is ending on a signal, which
// may come from a logout or a job scheduler with no one left to close a box.
class StandardErrorMessageBox final : public MessageBox
{
public:
    explicit StandardErrorMessageBox(QString applicationTitle);
    void show(const QString& text, MessageIcon icon, const QString& title) override;

private:
    QString m_applicationTitle;
};
