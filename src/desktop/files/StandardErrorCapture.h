#pragma once

#include <QString>

// Keeps what the process writes to its standard error (file descriptor 2) while it lives out of
// the terminal and hands it back: for a library that prints its own error lines there, naming
// files the user never asked for. Anything else written meanwhile (another thread's warning) is
// handed back too, for the caller to pass on. When standard error cannot be redirected, nothing is
// captured and the lines go through as before.
class StandardErrorCapture final
{
public:
    StandardErrorCapture();
    ~StandardErrorCapture();
    StandardErrorCapture(const StandardErrorCapture&) = delete;
    StandardErrorCapture& operator=(const StandardErrorCapture&) = delete;

    // Puts standard error back and returns what was written to it meanwhile. Later calls return
    // nothing.
    QString finish();

private:
    int m_saved = -1;
    void* m_file = nullptr; // the std::FILE the text goes to
};
