#include "desktop/window/QtAboutBox.h"

#include "desktop/system/QtEventLoop.h"
#include "desktop/window/DialogParent.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

QtAboutBox::QtAboutBox(QWidget& window, QtEventLoop& loop)
    : m_window(window)
    , m_loop(loop)
{}

void QtAboutBox::show(const QString& html, const QString& title, const LinkHandler& openLink)
{
    m_loop.throwIfEnding();
    QDialog dialog(DialogParent(m_window));
    dialog.setObjectName(QStringLiteral("AboutBox"));
    dialog.setWindowTitle(title);
    auto* const text = new QTextBrowser(&dialog);
    text->setObjectName(QStringLiteral("AboutText"));
    text->setAccessibleName(title);
    // A followed link goes to the handler alone: the view never loads it itself.
    text->setOpenLinks(false);
    text->setOpenExternalLinks(false);
    text->setHtml(html);
    QObject::connect(text, &QTextBrowser::anchorClicked, &dialog,
                     [&openLink](const QUrl& url) { openLink(url.toString()); });
    auto* const buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* const layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog.resize(560, 480);
    buttons->button(QDialogButtonBox::Close)->setFocus();
    dialog.exec();
    m_loop.throwIfEnding();
}
