#pragma once

#include <QtGlobal>

#include <optional>

// The system's coarse monotonic clock, which costs a fraction of the precise one to read and
// moves in steps of the kernel's tick.
class CoarseClock final
{
public:
    // The clock when it exists here and its steps are no longer than the given nanoseconds.
    static std::optional<CoarseClock> fineEnough(qint64 stepNs);
    qint64 nowNs() const;

private:
    CoarseClock() = default;
};
