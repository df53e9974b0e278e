#include "desktop/window/QtInputBox.h"

#include "common/ApplicationTitle.h"
#include "desktop/system/QtEventLoop.h"
#include "desktop/window/DialogParent.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>

#include <limits>

QtInputBox::QtInputBox(QWidget& window, const ApplicationTitle& title, QtEventLoop& loop)
    : m_window(window)
    , m_title(title)
    , m_loop(loop)
{}

QString QtInputBox::ask(const QString& prompt, const QString& title, const QString& defaultText)
{
    m_loop.throwIfEnding();
    QInputDialog dialog(DialogParent(m_window));
    dialog.setObjectName(QStringLiteral("InputBox"));
    dialog.setWindowTitle(title.isEmpty() ? m_title.text() : title);
    dialog.setLabelText(prompt);
    // The prompt may name a file; a label left to guess would take one named like HTML for HTML.
    if (auto* const label = dialog.findChild<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    dialog.setInputMode(QInputDialog::TextInput);
    // A pasted list of a few thousand codes is longer than a line edit takes by default, and
    // the field would cut it short without a word.
    if (auto* const field = dialog.findChild<QLineEdit*>())
        field->setMaxLength(std::numeric_limits<int>::max());
    dialog.setTextValue(defaultText);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_loop.throwIfEnding();
    return accepted ? dialog.textValue() : QString();
}
