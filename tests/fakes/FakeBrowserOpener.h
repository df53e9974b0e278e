#pragma once

#include "fakes/FakeHook.h"
#include "platform/BrowserOpener.h"

#include <QStringList>

class FakeBrowserOpener final : public BrowserOpener
{
public:
    ~FakeBrowserOpener() override;
    void open(const QString& url) override
    {
        hook(u"open");
        opened.append(url);
    }

    QStringList opened;
    FakeHook hook{"FakeBrowserOpener", {u"open"}};
};
