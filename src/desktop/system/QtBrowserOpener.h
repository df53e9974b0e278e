#pragma once

#include "platform/BrowserOpener.h"

#include <QCoreApplication>

// Opens addresses with the desktop's default browser (xdg-open and friends), never through a
// shell.
class QtBrowserOpener final : public BrowserOpener
{
    Q_DECLARE_TR_FUNCTIONS(QtBrowserOpener)
public:
    void open(const QString& url) override;
};
