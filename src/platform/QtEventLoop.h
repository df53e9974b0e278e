#pragma once

#include "EventLoop.h"

#include <QElapsedTimer>

// The application's event loop. A yield runs pending events only when a few milliseconds have
// passed since the last time it did: a pass over the event queue costs microseconds, and long
// operations yield several times per row, so running every yield would spend most of an export
// on empty passes without making the window any more responsive to a person.
class QtEventLoop final : public EventLoop
{
public:
    static constexpr qint64 kYieldIntervalNs = 4'000'000;

    void yield() override;
    void waitForEvents() override;
    void endProgram() override;
    bool isEnding() const override { return m_ending; }
    // Throws ProgramEnding once the program is ending; for dialogs whose own loop just ended.
    void throwIfEnding() const;

private:
    QElapsedTimer m_sinceLastPass;
    bool m_ending = false;
};
