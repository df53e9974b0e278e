#pragma once

#include "fakes/FakeHook.h"
#include "platform/DetailsWindow.h"

#include <QStringList>

// The details window in memory: what it shows, and the picture's place as a word ("loading",
// "no picture", or the bytes shown). Bytes starting "PNG" or "JPEG" count as pictures.
class FakeDetailsWindow final : public DetailsWindow
{
public:
    ~FakeDetailsWindow() override;
    void show(const ProductSheet& shown) override
    {
        hook(u"show");
        sheet = shown;
        picture = QStringLiteral("loading");
        open = true;
        ++showings;
    }
    bool showPicture(const QByteArray& bytes) override
    {
        hook(u"showPicture");
        if (!bytes.startsWith("PNG") && !bytes.startsWith("JPEG")) {
            picture = QStringLiteral("no picture");
            return false;
        }
        picture = QString::fromLatin1(bytes);
        return true;
    }
    void showNoPicture() override
    {
        hook(u"showNoPicture");
        picture = QStringLiteral("no picture");
    }
    bool isOpen() const override { return open; }
    void close() override
    {
        hook(u"close");
        open = false;
    }

    // "Title | Label: value | ... | page" of what is shown.
    QString text() const
    {
        QStringList parts{sheet.title};
        for (const auto& [label, value] : sheet.facts)
            parts.append(label + QStringLiteral(": ") + value);
        if (!sheet.pageUrl.isEmpty())
            parts.append(sheet.pageUrl);
        return parts.join(QStringLiteral(" | "));
    }

    ProductSheet sheet;
    QString picture;
    bool open = false;
    int showings = 0;
    FakeHook hook{"FakeDetailsWindow", {u"show", u"showPicture", u"showNoPicture", u"close"}};
};
