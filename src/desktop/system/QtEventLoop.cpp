#include "desktop/system/QtEventLoop.h"

#include "common/ProgramEnding.h"
#include "desktop/system/EventWaitHeartbeat.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>

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

namespace {
// The beat of this platform, running as long as the wait that made it.
class Heartbeat
{
public:
    Heartbeat()
    {
        if (const auto every = EventWaitHeartbeat(); every.count() > 0) {
            m_timer.setTimerType(Qt::CoarseTimer);
            m_timer.start(every);
        }
    }

private:
    QTimer m_timer;
};
} // namespace

void QtEventLoop::waitForEvents()
{
    throwIfEnding();
    const Heartbeat beat;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    m_lastPassNs = nowNs();
    throwIfEnding();
}

void QtEventLoop::waitForEvents(std::chrono::milliseconds atMost)
{
    throwIfEnding();
    // The timer's event is what ends the wait when nothing else comes.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(std::max(atMost, std::chrono::milliseconds(0)));
    const Heartbeat beat;
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
