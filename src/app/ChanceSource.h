#pragma once

#include <random>

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

class TimeSeededChance final : public ChanceSource
{
public:
    void seedFromTimeOfDay() override;
    double nextFraction() override;

private:
    std::mt19937 m_engine;
};
