#pragma once

#include <QWidget>

// The parent of a modal box or dialog. Before the window shows (the connectivity warning) the box
// stands alone on the screen.
inline QWidget* DialogParent(QWidget& window)
{
    return window.isVisible() ? &window : nullptr;
}
