#pragma once

#include "app/window/ChanceSource.h"

#include <random>

// Draws from a Mersenne Twister seeded with the second of the day, so two starts in the same
// second draw alike.
class TimeSeededChance final : public ChanceSource
{
public:
    void seedFromTimeOfDay() override;
    double nextFraction() override;

private:
    std::mt19937 m_engine;
};
