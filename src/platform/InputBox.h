#pragma once

#include <QString>

// A modal prompt with one line of text to type.
class InputBox
{
public:
    virtual ~InputBox() = default;

    // Returns the typed text, or the empty text when the user cancels. An empty title stands for
    // the application title.
    virtual QString ask(const QString& prompt, const QString& title = {},
                        const QString& defaultText = {}) = 0;
};
