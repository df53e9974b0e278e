#pragma once

// Thrown out of a yield, a wait or a modal box once the main window has closed. Closing ends the
// program at once, so whatever handler was running is unwound instead of carrying on against a
// window that no longer exists. Deliberately not a std::exception: no trap may swallow it.
struct ProgramEnding final
{
};
