#include "desktop/system/EventWaitHeartbeat.h"

std::chrono::milliseconds EventWaitHeartbeat()
{
    // A wait for events is woken by a Qt timer only if Windows may coalesce it: under wine, a
    // precise one (every QTimer under two seconds, Qt's own included) fires when the loop looks
    // but never ends a wait, and a lookup waiting for a pace or a socket's timer stood still for
    // good. A coarse beat ends every wait soon enough, at a cost Windows itself hardly notices.
    return std::chrono::milliseconds(25);
}
