#include "desktop/window/QtAboutBox.h"

#include "desktop/system/QtEventLoop.h"
#include "desktop/window/DialogParent.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
// The text is built with every outside value escaped; should one slip through all the same, an
// <img> in it still loads nothing: the box has no pictures of its own to show.
class TextWithoutResources final : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int /*type*/, const QUrl& /*name*/) override { return {}; }
};
} // namespace

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
    auto* const text = new TextWithoutResources(&dialog);
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
