#include "QtEventLoop.h"

#include "common/Failure.h"

#include <QCoreApplication>

void QtEventLoop::yield()
{
    throwIfEnding();
    if (!m_sinceLastPass.isValid() || m_sinceLastPass.nsecsElapsed() >= kYieldIntervalNs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        m_sinceLastPass.start();
    }
    throwIfEnding();
}

void QtEventLoop::waitForEvents()
{
    throwIfEnding();
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    m_sinceLastPass.start();
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
