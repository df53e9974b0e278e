#pragma once

#include "platform/Clock.h"

// A clock that moves only when told to: by a test, or by the fake event loop's timed waits.
class FakeClock final : public Clock
{
public:
    ~FakeClock() override;
    qint64 steadyMs() const override { return steady; }
    qint64 unixSeconds() const override { return unix + steady / 1000; }
    qint64 unixMs() const override { return unix * 1000 + steady; }

    void advance(qint64 ms) { steady += ms; }

    qint64 steady = 0;
    // The calendar at steady 0; 2026-12-08 00:00 UTC.
    qint64 unix = 1796688000;
};
