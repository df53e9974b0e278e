#include "desktop/system/QuitSignalWatcher.h"

#include <QSocketNotifier>

#include <cerrno>
#include <utility>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#ifdef Q_OS_UNIX
namespace {
constexpr int kQuitSignals[] = {SIGTERM, SIGINT, SIGHUP};
// The socket pair the handler writes into: [0] is written by the handler, [1] read by the loop.
int g_pipe[2] = {-1, -1};

extern "C" void onQuitSignal(int signal)
{
    const int savedErrno = errno;
    const char byte = char(signal);
    // Nothing else is safe in a signal handler; a full socket means a close is already pending.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[0], &byte, 1);
    errno = savedErrno;
}

bool prepareDescriptor(int fd)
{
    return ::fcntl(fd, F_SETFD, FD_CLOEXEC) == 0 &&
           ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK) == 0;
}
} // namespace
#endif

QuitSignalWatcher::QuitSignalWatcher(std::function<void()> onQuit)
    : m_onQuit(std::move(onQuit))
{}

QuitSignalWatcher::~QuitSignalWatcher()
{
#ifdef Q_OS_UNIX
    if (!m_installed)
        return;
    for (const int signal : kQuitSignals)
        std::signal(signal, SIG_DFL);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
#endif
}

bool QuitSignalWatcher::install()
{
#ifdef Q_OS_UNIX
    if (m_installed || g_pipe[0] != -1)
        return m_installed;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pipe) != 0)
        return false;
    // Children (the ping) must not inherit the pair, and the handler must never block.
    if (!prepareDescriptor(g_pipe[0]) || !prepareDescriptor(g_pipe[1])) {
        ::close(g_pipe[0]);
        ::close(g_pipe[1]);
        g_pipe[0] = g_pipe[1] = -1;
        return false;
    }
    m_notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitSignalWatcher::signalArrived);

    struct sigaction action = {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kQuitSignals)
        ::sigaction(signal, &action, nullptr);
    m_installed = true;
    return true;
#else
    return false;
#endif
}

void QuitSignalWatcher::signalArrived()
{
#ifdef Q_OS_UNIX
    char bytes[64];
    while (::read(g_pipe[1], bytes, sizeof bytes) > 0) {}
#endif
    m_onQuit();
}
