#pragma once

#include "common/ProgramEnding.h"
#include "fakes/FakeClock.h"
#include "platform/EventLoop.h"

#include <functional>

class FakeEventLoop final : public EventLoop
{
public:
    ~FakeEventLoop() override;
    void yield() override
    {
        ++yields;
        if (onYield)
            onYield();
        if (ending)
            throw ProgramEnding{};
    }
    void waitForEvents() override
    {
        ++waits;
        if (onWait)
            onWait();
        if (ending)
            throw ProgramEnding{};
    }
    // Nothing else happens meanwhile: the clock, when there is one, moves on by the whole time.
    void waitForEvents(std::chrono::milliseconds atMost) override
    {
        ++timedWaits;
        waited += atMost.count();
        if (clock)
            clock->advance(atMost.count());
        if (onTimedWait)
            onTimedWait(atMost);
        if (ending)
            throw ProgramEnding{};
    }
    void endProgram() override { ending = true; }
    bool isEnding() const override { return ending; }

    int yields = 0;
    int waits = 0;
    int timedWaits = 0;
    qint64 waited = 0; // ms, over every timed wait
    FakeClock* clock = nullptr;
    std::function<void(std::chrono::milliseconds)> onTimedWait;
    bool ending = false;
    // What "the user" does while the program lets events run.
    std::function<void()> onYield;
    std::function<void()> onWait;
};
