#include "desktop/system/InterruptFlags.h"

#include <windows.h>

namespace {
std::atomic<bool> g_interrupted{false};
std::atomic<bool> g_terminated{false};
static_assert(std::atomic<bool>::is_always_lock_free);

// Called by Windows on a thread of its own. Ctrl+C counts as SIGINT, everything else as SIGTERM.
BOOL WINAPI OnConsoleControl(DWORD event)
{
    if (event != CTRL_C_EVENT)
        g_terminated = true;
    g_interrupted = true;
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
        // Windows ends the process as soon as a handler returns from these: the import gets the
        // time to remove its unfinished files.
        Sleep(10'000);
    }
    return TRUE;
}
} // namespace

InterruptFlags::InterruptFlags()
{
    g_interrupted = false;
    g_terminated = false;
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

InterruptFlags::~InterruptFlags()
{
    SetConsoleCtrlHandler(OnConsoleControl, FALSE);
}

std::atomic<bool>& InterruptFlags::interrupted()
{
    return g_interrupted;
}

std::atomic<bool>& InterruptFlags::terminated()
{
    return g_terminated;
}
