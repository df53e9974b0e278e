#pragma once

#include <QString>

// Form1, the program's one window: its own properties, as the handlers reach them. The real
// window is QtForm1Window, the tests' stand-in FakeForm1Window; Form1 (src/app) is its behaviour.
class Form1Window
{
public:
    virtual ~Form1Window() = default;

    virtual void setCaption(const QString& caption) = 0;
    // Sets the window icon to the application's own multi-size icon.
    virtual void setApplicationIcon() = 0;
    // Changes the background from white to the user's button-face colour.
    virtual void setBackColorToButtonFace() = 0;
    // Loads the custom pointer picture shown for pointer code 99. Throws OperationFailed when the
    // file cannot be read as a pointer.
    virtual void loadMouseIcon(const QString& path) = 0;
    virtual bool hasMouseIcon() const = 0;

    // The pointer code: 0 arrow, 11 hourglass, 99 the custom picture (see PointerCode).
    virtual int mousePointer() const = 0;
    virtual void setMousePointer(int code) = 0;

    // A lookup run is under way (or is over): what only makes sense during one, such as stopping
    // it, is offered only then.
    virtual void setLookupUnderWay(bool underWay) = 0;

    // What the product database items say of the index, as one line of text: "Index of
    // 2026-12-08, 3,214,554 products".
    virtual void setIndexSummary(const QString& text) = 0;
};
