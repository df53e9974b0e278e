#pragma once

// The requests to stop that a program run from a shell receives: Ctrl+C, or a polite kill.
enum class StopSignal {
    None,
    Interrupt, // SIGINT: Ctrl+C in the terminal
    Terminate, // SIGTERM: kill, a shutdown, a job scheduler's time limit
};

class StopSignals
{
public:
    virtual ~StopSignals() = default;

    // The first request received so far, or None. Cheap enough to ask between any two steps.
    virtual StopSignal received() const = 0;
};
