#pragma once

#include <QString>

// The main window's skin: a look read from a file and applied to the window on request.
class SkinComponent
{
public:
    virtual ~SkinComponent() = default;

    // Reads the skin from the file. Throws OperationFailed when the file cannot be read as a skin.
    virtual void loadSkin(const QString& path) = 0;

    // The option word (see SkinOption); bits the component does not know are kept as written.
    virtual int options() const = 0;
    virtual void setOptions(int options) = 0;

    // When on, the boxes and dialogs the program opens wear the skin too, also those shown before
    // the window is.
    virtual void setSkinDialogs(bool on) = 0;
    // When on, the skin is read again and reapplied whenever its file changes on disk.
    virtual void setFollowFileChanges(bool on) = 0;

    // Applies the loaded skin to the main window as the options and switches say.
    virtual void applyToWindow() = 0;
};

namespace SkinOption {
// The main window and its controls wear the skin.
inline constexpr int SkinWindow = 0x1;
} // namespace SkinOption
