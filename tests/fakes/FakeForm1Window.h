#pragma once

#include "fakes/FakeHook.h"
#include "platform/Form1Window.h"

#include <QList>
#include <QString>

class FakeForm1Window final : public Form1Window
{
public:
    ~FakeForm1Window() override;
    void setCaption(const QString& caption) override
    {
        hook(u"setCaption");
        this->caption = caption;
    }
    void setApplicationIcon() override
    {
        hook(u"setApplicationIcon");
        iconSet = true;
    }
    void setBackColorToButtonFace() override
    {
        hook(u"setBackColorToButtonFace");
        backColorIsButtonFace = true;
    }
    void loadMouseIcon(const QString& path) override
    {
        hook(u"loadMouseIcon");
        mouseIconPath = path;
    }
    bool hasMouseIcon() const override { return !mouseIconPath.isEmpty(); }
    int mousePointer() const override { return pointer; }
    void setMousePointer(int code) override
    {
        hook(u"setMousePointer");
        pointer = code;
        pointerHistory.append(code);
    }

    void setLookupUnderWay(bool underWay) override
    {
        hook(u"setLookupUnderWay");
        lookupUnderWay = underWay;
        lookupUnderWayHistory.append(underWay);
    }

    void setIndexSummary(const QString& text) override
    {
        hook(u"setIndexSummary");
        indexSummary = text;
    }

    QString caption;
    QString indexSummary;
    bool iconSet = false;
    bool backColorIsButtonFace = false;
    QString mouseIconPath;
    int pointer = 0;
    QList<int> pointerHistory;
    bool lookupUnderWay = false;
    QList<bool> lookupUnderWayHistory;
    FakeHook hook{"FakeForm1Window",
                  {u"setCaption", u"setApplicationIcon", u"setBackColorToButtonFace",
                   u"loadMouseIcon", u"setMousePointer", u"setLookupUnderWay", u"setIndexSummary"}};
};
