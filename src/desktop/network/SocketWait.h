#pragma once

#include <chrono>

// Waiting on one socket a library opened (YAZ's ZOOM), in the operating system's own form: poll()
// and FIONREAD here, WSAPoll() and ioctlsocket() on Windows (SocketWait_win.cpp).
struct SocketEvents
{
    bool readable = false; // data, or the peer's end
    bool writable = false;
    bool exceptional = false; // an error, a hang-up or urgent data
};

// Waits until the socket is ready for any of the events asked, or `timeout` passes. Returns
// what it is ready for; none when the time ran out or the wait failed.
SocketEvents WaitOnSocket(long long socket, SocketEvents wanted, std::chrono::milliseconds timeout);

// The bytes waiting to be read from the socket, before anyone reads them; 0 when unknown.
long long BytesWaiting(long long socket);
