#pragma once

#include <chrono>

// The one user-interface event loop, as long operations see it.
class EventLoop
{
public:
    virtual ~EventLoop() = default;

    // Lets pending window events run, then returns. Throws ProgramEnding once the program is
    // ending, so that a long operation stops instead of working on for a closed window.
    virtual void yield() = 0;

    // Blocks until at least one event has arrived and been handled; used while waiting for
    // something that announces itself with an event, so that waiting costs no processor time.
    // Throws ProgramEnding like yield().
    virtual void waitForEvents() = 0;
    // The same, but returns after the given time at the latest even when nothing happened; used
    // to wait for a moment (a service's turn) without spending processor time meanwhile.
    virtual void waitForEvents(std::chrono::milliseconds atMost) = 0;

    // Ends the whole program: every window closes and no further handler runs.
    virtual void endProgram() = 0;
    virtual bool isEnding() const = 0;
};
