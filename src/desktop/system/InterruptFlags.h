#pragma once

#include <QtGlobal>

#include <atomic>

// Ctrl+C and a polite request to end (SIGINT and SIGTERM; on Windows, the console's Ctrl+C and
// its Ctrl+Break, close, log-off and shut-down events) as two flags that a worker thread reads
// between pieces of work. Caught for as long as the object lives; the handlers that were there
// before come back after. One at a time per process.
class InterruptFlags final
{
    Q_DISABLE_COPY_MOVE(InterruptFlags)
public:
    InterruptFlags();
    ~InterruptFlags();

    // Set by any request to stop.
    static std::atomic<bool>& interrupted();
    // Set, besides `interrupted`, when the request was to end (SIGTERM) rather than Ctrl+C.
    static std::atomic<bool>& terminated();
};
