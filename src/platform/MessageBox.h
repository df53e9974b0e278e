#pragma once

#include <QString>

enum class MessageIcon { None, Warning };

// A modal message box with an OK button only.
class MessageBox
{
public:
    virtual ~MessageBox() = default;

    // Shows the text and returns when the user has closed the box. An empty title stands for the
    // application title.
    virtual void show(const QString& text, MessageIcon icon = MessageIcon::None,
                      const QString& title = {}) = 0;
};
