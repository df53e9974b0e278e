#pragma once

#include "fakes/FakeHook.h"
#include "platform/Clipboard.h"

// A clipboard in memory. Make it busy by failing its operations through the hook; make it lose
// what is put on it (another program taking it over at once) with dropsText.
class FakeClipboard final : public Clipboard
{
public:
    ~FakeClipboard() override;
    void clear() override
    {
        hook(u"clear");
        ++clears;
        m_text.clear();
    }
    void setText(const QString& text, int format) override
    {
        hook(u"setText");
        ++sets;
        lastFormat = format;
        if (!dropsText)
            m_text = text;
    }
    QString text() const override
    {
        hook(u"text");
        return m_text;
    }

    // What another program left on the clipboard.
    void preset(const QString& text) { m_text = text; }

    int clears = 0;
    int sets = 0;
    int lastFormat = -1;
    bool dropsText = false;
    FakeHook hook{"FakeClipboard", {u"clear", u"setText", u"text"}};

private:
    QString m_text;
};
