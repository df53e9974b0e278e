#include "desktop/system/QtStopSignals.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSocketNotifier>

#include <atomic>
#include <mutex>
#include <windows.h>

// Windows has no SIGINT or SIGTERM for a console program: it calls the console's control
// handlers, each time on a thread of its own. Ctrl+C counts as SIGINT; Ctrl+Break and the
// console window's closing, a log-off and a shut-down as SIGTERM.
namespace {
// The first request caught as a StopSignal, None until then.
std::atomic<int> g_received{int(StopSignal::None)};
static_assert(std::atomic<int>::is_always_lock_free);

// Guards `g_installed` against a handler still running while the object goes.
std::mutex g_mutex;
bool g_installed = false;

// A posted event wakes the main thread's event loop out of any wait, as the wake socket does on
// Linux; nothing handles it.
void WakeEventLoop()
{
    const std::lock_guard lock(g_mutex);
    if (g_installed && QCoreApplication::instance())
        QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::None));
}

BOOL WINAPI OnConsoleControl(DWORD event)
{
    const StopSignal signal = event == CTRL_C_EVENT ? StopSignal::Interrupt : StopSignal::Terminate;
    int none = int(StopSignal::None);
    g_received.compare_exchange_strong(none, int(signal));
    WakeEventLoop();
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
        // Windows ends the process as soon as a handler returns from these (and a few seconds
        // after them at the latest): waiting here gives the run that time to write what it has.
        Sleep(10'000);
    }
    return TRUE;
}
} // namespace

QtStopSignals::QtStopSignals()
{
    g_received = int(StopSignal::None);
    const std::lock_guard lock(g_mutex);
    if (g_installed)
        return; // another one is installed; it goes on catching for this one
    if (!SetConsoleCtrlHandler(OnConsoleControl, TRUE))
        return;
    g_installed = true;
    m_installed = true;
}

QtStopSignals::~QtStopSignals()
{
    if (!m_installed)
        return;
    SetConsoleCtrlHandler(OnConsoleControl, FALSE);
    const std::lock_guard lock(g_mutex);
    g_installed = false;
}

StopSignal QtStopSignals::received() const
{
    return StopSignal(g_received.load());
}

bool QtStopSignals::waitUntilReadable(int descriptor) const
{
    // Windows' console reads return by themselves on Ctrl+C; nothing to wait for here.
    Q_UNUSED(descriptor);
    return received() == StopSignal::None;
}
