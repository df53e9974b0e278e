#pragma once

#include <QString>

// The system clipboard. Another program may hold it at any moment, so every operation may fail
// with OperationFailed; callers that care retry.
class Clipboard
{
public:
    virtual ~Clipboard() = default;

    // Empties the clipboard.
    virtual void clear() = 0;
    // Puts the text on the clipboard in the given format number, or as plain text when the
    // format is 0. A format the platform cannot offer fails.
    virtual void setText(const QString& text, int format) = 0;
    // The plain text the clipboard holds now, empty when it holds none.
    virtual QString text() const = 0;
};
