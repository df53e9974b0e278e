#pragma once

#include <QString>

#include <functional>

// A modal box of rich text with links in it.
class AboutBox
{
public:
    using LinkHandler = std::function<void(const QString& url)>;

    virtual ~AboutBox() = default;

    // Shows the text (HTML) and returns when the user closes the box. A link the user follows is
    // handed to openLink while the box stays open; nothing is opened by itself.
    virtual void show(const QString& html, const QString& title, const LinkHandler& openLink) = 0;
};
