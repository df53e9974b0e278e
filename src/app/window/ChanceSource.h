#pragma once

// Random fractions for the one-in-a-hundred chance at start-up; replaceable so tests can pick
// the draw.
class ChanceSource
{
public:
    virtual ~ChanceSource() = default;
    virtual void seedFromTimeOfDay() = 0;
    // A fraction of at least 0 and below 1.
    virtual double nextFraction() = 0;
};
