#include "desktop/system/StandardErrorMessageBox.h"

#include <cstdio>
#include <utility>

StandardErrorMessageBox::StandardErrorMessageBox(QString applicationTitle)
    : m_applicationTitle(std::move(applicationTitle))
{}

void StandardErrorMessageBox::show(const QString& text, MessageIcon /*icon*/, const QString& title)
{
    QString block = (title.isEmpty() ? m_applicationTitle : title) + u": " + text;
    block.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    block.replace(u'\r', u'\n');
    if (!block.endsWith(u'\n'))
        block += u'\n';
    std::fputs(block.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}
