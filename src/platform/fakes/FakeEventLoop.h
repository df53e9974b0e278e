#pragma once

#include "common/ProgramEnding.h"
#include "platform/EventLoop.h"

#include <functional>

class FakeEventLoop final : public EventLoop
{
public:
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
    void endProgram() override { ending = true; }
    bool isEnding() const override { return ending; }

    int yields = 0;
    int waits = 0;
    bool ending = false;
    // What "the user" does while the program lets events run.
    std::function<void()> onYield;
    std::function<void()> onWait;
};
