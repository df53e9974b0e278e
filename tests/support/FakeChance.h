#pragma once

#include "app/window/ChanceSource.h"

class FakeChance final : public ChanceSource
{
public:
    explicit FakeChance(double fraction = 0.5)
        : fraction(fraction)
    {}
    void seedFromTimeOfDay() override { ++seeds; }
    double nextFraction() override { return fraction; }

    double fraction;
    int seeds = 0;
};
