#include "lookup/RequestPacer.h"

#include <algorithm>

void RequestPacer::setPerMinute(const QString& host, int perMinute)
{
    // Rounded up, so that whole milliseconds never let one request too many through.
    m_hosts[host.toLower()].intervalMs = perMinute > 0 ? (60'000 + perMinute - 1) / perMinute : 0;
}

qint64 RequestPacer::waitBeforeStart(const QString& host, qint64 nowMs) const
{
    const auto it = m_hosts.constFind(host.toLower());
    if (it == m_hosts.cend())
        return 0;
    qint64 wait = 0;
    for (const std::optional<qint64>& earliest : {it->nextStartMs, it->heldUntilMs}) {
        if (earliest)
            wait = std::max(wait, *earliest - nowMs);
    }
    return wait;
}

void RequestPacer::started(const QString& host, qint64 nowMs)
{
    Host& entry = m_hosts[host.toLower()];
    entry.inFlight = true;
    entry.nextStartMs = nowMs + entry.intervalMs;
}

void RequestPacer::finished(const QString& host)
{
    const auto it = m_hosts.find(host.toLower());
    if (it != m_hosts.end())
        it->inFlight = false;
}

bool RequestPacer::inFlight(const QString& host) const
{
    return m_hosts.value(host.toLower()).inFlight;
}

void RequestPacer::holdUntil(const QString& host, qint64 untilMs)
{
    Host& entry = m_hosts[host.toLower()];
    entry.heldUntilMs = std::max(entry.heldUntilMs.value_or(untilMs), untilMs);
}
