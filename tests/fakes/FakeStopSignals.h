#pragma once

#include "platform/StopSignals.h"

// A signal arrives when a test sets `signal` (from a hook of another fake, to have it arrive in
// the middle of a run).
class FakeStopSignals final : public StopSignals
{
public:
    ~FakeStopSignals() override;
    StopSignal received() const override { return signal; }

    StopSignal signal = StopSignal::None;
};
