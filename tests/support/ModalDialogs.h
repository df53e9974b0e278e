#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs the action on the next modal dialog that opens, from inside the dialog's own loop. A
// dialog the action leaves open (a check inside it failed) is closed, so that a failing case
// fails instead of waiting for ever.
inline void whenDialogOpens(std::function<void(QWidget*)> action)
{
    auto* const timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget* const dialog = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
            if (QApplication::activeModalWidget() == dialog)
                dialog->close();
        }
    });
    timer->start();
}
