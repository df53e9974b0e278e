#include "desktop/window/QtProgressDialog.h"

#include "desktop/window/DialogParent.h"

#include <QLabel>
#include <QProgressDialog>

QtProgressDialog::QtProgressDialog(QWidget& window)
    : m_window(window)
{}

QtProgressDialog::~QtProgressDialog()
{
    close();
}

void QtProgressDialog::open(const QString& title, const QString& text,
                            const std::function<void()>& onCancel)
{
    close();
    auto* const dialog = new QProgressDialog(DialogParent(m_window));
    dialog->setObjectName(QStringLiteral("ProgressDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::NonModal);
    dialog->setWindowTitle(title);
    dialog->setAccessibleName(title);
    // The text names the file or the address at work: plain, since a label left to guess would
    // take one named like HTML for HTML.
    auto* const label = new QLabel(dialog);
    label->setTextFormat(Qt::PlainText);
    dialog->setLabel(label);
    dialog->setLabelText(text);
    dialog->setCancelButtonText(tr("&Cancel"));
    // Only the task decides when it is over; Cancel asks it to stop and waits for its word.
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setMinimumDuration(0);
    dialog->setRange(0, 0);
    dialog->setMinimumWidth(460);
    // Cancel, the window's close button, and Esc (which only rejects) all ask the task to stop.
    const auto cancel = [onCancel] {
        if (onCancel)
            onCancel();
    };
    QObject::connect(dialog, &QProgressDialog::canceled, dialog, cancel);
    QObject::connect(dialog, &QDialog::rejected, dialog, cancel);
    m_dialog = dialog;
    dialog->show();
}

void QtProgressDialog::setProgress(const QString& text, int permille)
{
    if (!m_dialog)
        return;
    m_dialog->setLabelText(text);
    if (permille < 0) {
        m_dialog->setRange(0, 0);
    } else {
        m_dialog->setRange(0, 1000);
        m_dialog->setValue(std::min(permille, 1000));
    }
}

void QtProgressDialog::close()
{
    if (!m_dialog)
        return;
    // Closed by the task, not by the user: no cancel follows.
    QObject::disconnect(m_dialog, nullptr, nullptr, nullptr);
    m_dialog->close();
    m_dialog = nullptr;
}
