#pragma once

#include "common/PointerCode.h"
#include "platform/Form1Window.h"

// The hourglass shows while a long operation is under way.
inline bool IsBusy(const Form1Window& window)
{
    return window.mousePointer() == PointerCode::Hourglass;
}

// The hover handlers: the hand over a push button, the arrow over the background and the lists.
// The hourglass of a running operation is never replaced, so the run indicator stays truthful.

inline void SetPointerUnlessBusy(Form1Window& window, int code)
{
    if (!IsBusy(window))
        window.setMousePointer(code);
}

inline void PointerOverButton(Form1Window& window)
{
    SetPointerUnlessBusy(window, PointerCode::Custom);
}

inline void PointerOverArrowArea(Form1Window& window)
{
    SetPointerUnlessBusy(window, PointerCode::Default);
}
