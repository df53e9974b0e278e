#include "desktop/network/SocketWait.h"

#include <algorithm>
#include <poll.h>
#include <sys/ioctl.h>

SocketEvents WaitOnSocket(long long socket, SocketEvents wanted, std::chrono::milliseconds timeout)
{
    pollfd watched{int(socket), 0, 0};
    if (wanted.readable)
        watched.events |= POLLIN;
    if (wanted.writable)
        watched.events |= POLLOUT;
    if (wanted.exceptional)
        watched.events |= POLLPRI;
    if (poll(&watched, 1, int(timeout.count())) <= 0)
        return {};
    return {(watched.revents & (POLLIN | POLLHUP | POLLERR)) != 0, (watched.revents & POLLOUT) != 0,
            (watched.revents & (POLLERR | POLLHUP | POLLPRI)) != 0};
}

long long BytesWaiting(long long socket)
{
    int waiting = 0;
    return ioctl(int(socket), FIONREAD, &waiting) == 0 ? std::max(waiting, 0) : 0;
}
