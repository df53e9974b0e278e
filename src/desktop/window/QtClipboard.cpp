#include "desktop/window/QtClipboard.h"

#include "common/OperationFailed.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

namespace {
// The format numbers callers may pass for text: none given, and the three text formats
// programs have always known by number (ANSI, OEM and Unicode text). Here they all mean the
// clipboard's plain text.
constexpr int kTextFormats[] = {0, 1, 7, 13};

QClipboard& SystemClipboard()
{
    QClipboard* const clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw OperationFailed(
            QCoreApplication::translate("QtClipboard", "The clipboard is not available"));
    return *clipboard;
}
} // namespace

void QtClipboard::clear()
{
    SystemClipboard().clear(QClipboard::Clipboard);
}

void QtClipboard::setText(const QString& text, int format)
{
    if (std::find(std::begin(kTextFormats), std::end(kTextFormats), format) ==
        std::end(kTextFormats))
        throw OperationFailed(tr("Clipboard format %1 is not available").arg(format));
    SystemClipboard().setText(text, QClipboard::Clipboard);
}

QString QtClipboard::text() const
{
    return SystemClipboard().text(QClipboard::Clipboard);
}
