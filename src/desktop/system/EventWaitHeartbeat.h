#pragma once

#include <chrono>

// How often a wait for events wakes of itself, as a coarse timer beside whatever it waits for;
// zero: never, it waits for its events alone. Windows has one (EventWaitHeartbeat_win.cpp).
std::chrono::milliseconds EventWaitHeartbeat();
