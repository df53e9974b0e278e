#pragma once

#include <QString>

#include <functional>

// A window that follows a long task going on in the background, with a Cancel button. It does
// not block: the main window stays usable while it is open, so a lookup can run meanwhile.
class ProgressDialog
{
public:
    virtual ~ProgressDialog() = default;

    // Shows the dialog (one at a time: opening again replaces what it showed). onCancel is
    // called when the user presses Cancel or closes the dialog; the dialog stays open until
    // close(), so the task can say how it ended.
    virtual void open(const QString& title, const QString& text,
                      const std::function<void()>& onCancel) = 0;
    // The text, and how far the task has come in thousandths (-1 while nobody knows).
    virtual void setProgress(const QString& text, int permille) = 0;
    virtual void close() = 0;
};
