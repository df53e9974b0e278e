#pragma once

#include <QtGlobal>

// The time, as the lookups need it: a steady count for pacing and waiting, and the calendar for
// remembering answers and reading the dates services send.
class Clock
{
public:
    virtual ~Clock() = default;

    // Milliseconds since some fixed moment; never goes back.
    virtual qint64 steadyMs() const = 0;
    // Seconds since 1970-01-01 00:00 UTC.
    virtual qint64 unixSeconds() const = 0;
    // Milliseconds since 1970-01-01 00:00 UTC: the one clock every process of the user shares.
    virtual qint64 unixMs() const = 0;
};
