#include "desktop/network/SocketWait.h"

#include <winsock2.h>

SocketEvents WaitOnSocket(long long socket, SocketEvents wanted, std::chrono::milliseconds timeout)
{
    // WSAPoll takes only POLLRDNORM, POLLRDBAND and POLLWRNORM as events (POLLPRI makes it
    // fail); errors and hang-ups come back whatever was asked.
    WSAPOLLFD watched{SOCKET(socket), 0, 0};
    if (wanted.readable || wanted.exceptional)
        watched.events |= POLLRDNORM;
    if (wanted.writable)
        watched.events |= POLLWRNORM;
    if (WSAPoll(&watched, 1, int(timeout.count())) <= 0)
        return {};
    return {(watched.revents & (POLLRDNORM | POLLHUP | POLLERR)) != 0,
            (watched.revents & POLLWRNORM) != 0,
            (watched.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0};
}

long long BytesWaiting(long long socket)
{
    u_long waiting = 0;
    return ioctlsocket(SOCKET(socket), FIONREAD, &waiting) == 0 ? (long long)(waiting) : 0;
}
