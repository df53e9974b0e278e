#pragma once

// The main window's pointer setting. It doubles as the run indicator: while it shows the
// hourglass a long operation is under way, and the remove and clear actions refuse to act.
namespace PointerCode {
inline constexpr int Default = 0;
inline constexpr int Hourglass = 11;
inline constexpr int Custom = 99; // the hand picture loaded from the pointer file
} // namespace PointerCode
