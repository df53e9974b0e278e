#pragma once

#include "fakes/FakeHook.h"
#include "platform/SkinComponent.h"

class FakeSkinComponent final : public SkinComponent
{
public:
    ~FakeSkinComponent() override;
    void loadSkin(const QString& path) override
    {
        hook(u"loadSkin");
        loadedPath = path;
    }
    int options() const override
    {
        hook(u"options");
        return optionWord;
    }
    void setOptions(int options) override
    {
        hook(u"setOptions");
        optionWord = options;
    }
    void setSkinDialogs(bool on) override
    {
        hook(u"setSkinDialogs");
        skinDialogs = on;
    }
    void setFollowFileChanges(bool on) override
    {
        hook(u"setFollowFileChanges");
        followFileChanges = on;
    }
    void applyToWindow() override
    {
        hook(u"applyToWindow");
        applied = true;
    }

    QString loadedPath;
    int optionWord = 0;
    bool skinDialogs = false;
    bool followFileChanges = false;
    bool applied = false;
    FakeHook hook{"FakeSkinComponent",
                  {u"loadSkin", u"options", u"setOptions", u"setSkinDialogs",
                   u"setFollowFileChanges", u"applyToWindow"}};
};
