#include "desktop/system/QtStopSignals.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {
// The first signal caught, 0 until then. Lock-free, so the handler may set it.
std::atomic<int> g_received{0};
static_assert(std::atomic<int>::is_always_lock_free);

#ifdef Q_OS_UNIX
constexpr int kStopSignals[] = {SIGINT, SIGTERM};
struct sigaction g_previousStop[2] = {};
// [0] is written by the handler, [1] read by the event loop.
int g_wake[2] = {-1, -1};

extern "C" void onStopSignal(int signal)
{
    const int savedErrno = errno;
    int none = 0;
    g_received.compare_exchange_strong(none, signal);
    const char byte = 1;
    // A full socket already holds a wake-up that has not been read yet.
    [[maybe_unused]] const ssize_t written = ::write(g_wake[0], &byte, 1);
    errno = savedErrno;
}

bool PrepareDescriptor(int fd)
{
    return ::fcntl(fd, F_SETFD, FD_CLOEXEC) == 0 &&
           ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK) == 0;
}

void CloseWake()
{
    for (int& fd : g_wake) {
        if (fd != -1)
            ::close(fd);
        fd = -1;
    }
}
#endif
} // namespace

QtStopSignals::QtStopSignals()
{
    g_received = 0;
#ifdef Q_OS_UNIX
    if (g_wake[0] != -1)
        return; // another one is installed; it goes on catching for this one
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_wake) != 0)
        return;
    if (!PrepareDescriptor(g_wake[0]) || !PrepareDescriptor(g_wake[1])) {
        CloseWake();
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(g_wake[1], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [] {
        // Having woken the loop is all it was for; the flag says which signal.
        char bytes[64];
        while (::read(g_wake[1], bytes, sizeof bytes) > 0) {}
    });
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 2; ++i)
        ::sigaction(kStopSignals[i], &action, &g_previousStop[i]);
    m_installed = true;
#endif
}

QtStopSignals::~QtStopSignals()
{
#ifdef Q_OS_UNIX
    if (!m_installed)
        return;
    for (int i = 0; i < 2; ++i)
        ::sigaction(kStopSignals[i], &g_previousStop[i], nullptr);
    m_notifier.reset();
    CloseWake();
#endif
}

StopSignal QtStopSignals::received() const
{
    switch (g_received.load()) {
    case 0:
        return StopSignal::None;
#ifdef Q_OS_UNIX
    case SIGTERM:
        return StopSignal::Terminate;
#endif
    default:
        break;
    }
    return StopSignal::Interrupt;
}

bool QtStopSignals::waitUntilReadable(int descriptor) const
{
#ifdef Q_OS_UNIX
    for (;;) {
        if (g_received.load() != 0)
            return false;
        // The handler writes into the wake socket, so a signal that comes between the check above
        // and the wait still ends it; a wait that a signal interrupts is never restarted.
        pollfd watched[2] = {{descriptor, POLLIN, 0}, {g_wake[1], POLLIN, 0}};
        const int ready = ::poll(watched, 2, -1);
        if (ready < 0 && errno != EINTR)
            return g_received.load() == 0; // the read reports what is wrong
        if (ready > 0 && watched[0].revents != 0)
            return g_received.load() == 0;
    }
#else
    Q_UNUSED(descriptor);
    return received() == StopSignal::None;
#endif
}
