#include "desktop/window/QtMessageBox.h"

#include "common/ApplicationTitle.h"
#include "desktop/system/QtEventLoop.h"
#include "desktop/window/DialogParent.h"

#include <QMessageBox>

namespace {
// The texts keep their CR and CR LF breaks for whoever reads them; a label wants LF.
QString forDisplay(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}
} // namespace

QtMessageBox::QtMessageBox(QWidget& window, const ApplicationTitle& title, QtEventLoop& loop)
    : m_window(window)
    , m_title(title)
    , m_loop(loop)
{}

void QtMessageBox::show(const QString& text, MessageIcon icon, const QString& title)
{
    m_loop.throwIfEnding();
    QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    title.isEmpty() ? m_title.text() : title, forDisplay(text), QMessageBox::Ok,
                    DialogParent(m_window));
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
    m_loop.throwIfEnding();
}
