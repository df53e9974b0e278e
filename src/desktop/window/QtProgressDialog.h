#pragma once

#include "platform/ProgressDialog.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProgressDialog>

class QWidget;

// A QProgressDialog over the main window, modeless: the window under it keeps taking clicks and
// keys while the task goes on.
class QtProgressDialog final : public ProgressDialog
{
    Q_DECLARE_TR_FUNCTIONS(QtProgressDialog)
public:
    explicit QtProgressDialog(QWidget& window);
    ~QtProgressDialog() override;
    QtProgressDialog(const QtProgressDialog&) = delete;
    QtProgressDialog& operator=(const QtProgressDialog&) = delete;

    void open(const QString& title, const QString& text,
              const std::function<void()>& onCancel) override;
    void setProgress(const QString& text, int permille) override;
    void close() override;

    // The dialog while it is open (for tests), else null.
    QProgressDialog* dialog() const { return m_dialog; }

private:
    QWidget& m_window;
    QPointer<QProgressDialog> m_dialog;
};
