#pragma once

#include "platform/StopSignals.h"

#include <QtGlobal>

#include <memory>

class QSocketNotifier;

// Catches SIGINT and SIGTERM for as long as it lives, and puts the handlers that were there back
// when it goes. The first signal is the one received; the handler also writes a byte into a
// socket pair, which wakes the event loop out of any wait (a paced pause, a slow service) so
// that the run notices at once. Needs a QCoreApplication. One at a time per process. On Windows
// (QtStopSignals_win.cpp) the console's control events stand for the signals.
class QtStopSignals final : public StopSignals
{
    Q_DISABLE_COPY_MOVE(QtStopSignals)
public:
    QtStopSignals();
    ~QtStopSignals() override;

    StopSignal received() const override;
    // Waits until the descriptor has something to read (or its end, or an error) and says true,
    // or until a stop signal arrives, and says false. Without an event loop, for a read that
    // would otherwise block through the signal.
    bool waitUntilReadable(int descriptor) const;

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
    bool m_installed = false;
};
