#pragma once

#include "fakes/FakeHook.h"
#include "platform/AboutBox.h"

#include <QStringList>

#include <utility>

class FakeAboutBox final : public AboutBox
{
public:
    ~FakeAboutBox() override;
    void show(const QString& html, const QString& title, const LinkHandler& openLink) override
    {
        hook(u"show");
        shown.append(html);
        titles.append(title);
        // The links the user follows while the box is open, in turn.
        for (const QString& url : std::as_const(linksToFollow))
            openLink(url);
        linksToFollow.clear();
    }

    QStringList shown;
    QStringList titles;
    QStringList linksToFollow;
    FakeHook hook{"FakeAboutBox", {u"show"}};
};
