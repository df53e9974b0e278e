#pragma once

#include <QObject>

class QSocketNotifier;
class QWidget;

// Closes the main window, just as if the user had, when the process is asked to quit with
// SIGTERM, SIGINT or SIGHUP (a logout, a shutdown, Ctrl+C in the terminal, kill). The window's
// close handlers then save the code list and the program exits normally. The signal handler only
// writes a byte into a socket pair; the window is closed from the event loop.
class QuitSignalWatcher final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QuitSignalWatcher)
public:
    explicit QuitSignalWatcher(QWidget& window);
    ~QuitSignalWatcher() override;

    // Starts catching the signals. Returns false, leaving them as they were, when that is not
    // possible (or on a system without them).
    bool install();

private:
    void signalArrived();

    QWidget& m_window;
    QSocketNotifier* m_notifier = nullptr;
    bool m_installed = false;
};
