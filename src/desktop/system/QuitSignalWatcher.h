#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Tells the program, from its event loop, that the process was asked to quit with SIGTERM,
// SIGINT or SIGHUP (a logout, a shutdown, Ctrl+C in the terminal, kill). The signal handler only
// writes a byte into a socket pair; the callback runs when the loop reads it, also the loop of a
// modal box that is open at the time, so that nobody has to close that box first.
class QuitSignalWatcher final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QuitSignalWatcher)
public:
    explicit QuitSignalWatcher(std::function<void()> onQuit);
    ~QuitSignalWatcher() override;

    // Starts catching the signals. Returns false, leaving them as they were, when that is not
    // possible (or on a system without them).
    bool install();

private:
    void signalArrived();

    std::function<void()> m_onQuit;
    QSocketNotifier* m_notifier = nullptr;
    bool m_installed = false;
};
