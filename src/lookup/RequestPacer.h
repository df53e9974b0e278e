#pragma once

#include <QHash>
#include <QString>

#include <optional>

// Keeps requests to one host apart: one at a time, and the start of each at least a host's
// interval after the start of the one before, so that a service's published rate is never
// exceeded. Times are milliseconds on the caller's clock, handed in.
class RequestPacer final
{
public:
    // Requests a minute the host accepts; 0 (the default for every host) leaves it unpaced.
    void setPerMinute(const QString& host, int perMinute);
    // How long a request to the host must still wait, from now; 0 when it may start at once as
    // far as pacing goes (see inFlight()).
    qint64 waitBeforeStart(const QString& host, qint64 nowMs) const;
    void started(const QString& host, qint64 nowMs);
    void finished(const QString& host);
    // True between started() and finished() for the host: the next request waits for it.
    bool inFlight(const QString& host) const;
    // Nothing starts on the host before this time (a service that asked to be left alone), even
    // if pacing alone would allow it.
    void holdUntil(const QString& host, qint64 untilMs);

private:
    struct Host
    {
        qint64 intervalMs = 0;
        std::optional<qint64> nextStartMs; // the last start and the interval
        std::optional<qint64> heldUntilMs;
        bool inFlight = false;
    };
    // Host names are compared without regard to case.
    QHash<QString, Host> m_hosts;
};
