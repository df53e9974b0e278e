#include "desktop/system/CoarseClock.h"

#include <ctime>

std::optional<CoarseClock> CoarseClock::fineEnough(qint64 stepNs)
{
#if defined(CLOCK_MONOTONIC_COARSE)
    timespec resolution{};
    if (clock_getres(CLOCK_MONOTONIC_COARSE, &resolution) == 0 && resolution.tv_sec == 0 &&
        resolution.tv_nsec <= stepNs)
        return CoarseClock();
#else
    Q_UNUSED(stepNs);
#endif
    return std::nullopt;
}

qint64 CoarseClock::nowNs() const
{
#if defined(CLOCK_MONOTONIC_COARSE)
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
#else
    return 0; // never made: fineEnough() says there is no such clock
#endif
}
