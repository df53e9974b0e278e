#include "QtEventLoop.h"

#include "common/ProgramEnding.h"

#include <QCoreApplication>

#include <algorithm>
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

qint64 QtEventLoop::nowNs() const
{
    return m_coarse ? m_coarse->nowNs() : m_precise.nsecsElapsed();
}

void QtEventLoop::yield()
{
    throwIfEnding();
    const qint64 now = nowNs();
    if (!m_lastPassNs || now - *m_lastPassNs >= m_nextPassAfterNs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        m_lastPassNs = nowNs();
        m_nextPassAfterNs =
            std::clamp(*m_lastPassNs - now, kYieldIntervalNs, kLongestYieldIntervalNs);
    }
    throwIfEnding();
}

void QtEventLoop::waitForEvents()
{
    throwIfEnding();
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    m_lastPassNs = nowNs();
    throwIfEnding();
}

void QtEventLoop::endProgram()
{
    m_ending = true;
    // Leaves every running loop, the main one included once control returns to it; loops
    // started later return at once.
    QCoreApplication::exit(0);
}

void QtEventLoop::throwIfEnding() const
{
    if (m_ending)
        throw ProgramEnding{};
}
