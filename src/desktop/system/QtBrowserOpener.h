#pragma once

#include "platform/BrowserOpener.h"

// Opens addresses with the desktop's default browser (xdg-open and friends), never through a
// shell.
class QtBrowserOpener final : public BrowserOpener
{
public:
    void open(const QString& url) override;
};
