#include "desktop/system/InterruptFlags.h"

#include <csignal>
#include <iterator>

namespace {
std::atomic<bool> g_interrupted{false};
std::atomic<bool> g_terminated{false};
static_assert(std::atomic<bool>::is_always_lock_free);

constexpr int kSignals[] = {SIGINT, SIGTERM};
struct sigaction g_previous[std::size(kSignals)] = {};

extern "C" void OnInterrupt(int signal)
{
    if (signal == SIGTERM)
        g_terminated = true;
    g_interrupted = true;
}
} // namespace

InterruptFlags::InterruptFlags()
{
    g_interrupted = false;
    g_terminated = false;
    struct sigaction action = {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    // The reading thread may be inside a read when the signal comes.
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        sigaction(kSignals[i], &action, &g_previous[i]);
}

InterruptFlags::~InterruptFlags()
{
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        sigaction(kSignals[i], &g_previous[i], nullptr);
}

std::atomic<bool>& InterruptFlags::interrupted()
{
    return g_interrupted;
}

std::atomic<bool>& InterruptFlags::terminated()
{
    return g_terminated;
}
