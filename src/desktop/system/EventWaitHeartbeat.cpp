#include "desktop/system/EventWaitHeartbeat.h"

std::chrono::milliseconds EventWaitHeartbeat()
{
    return std::chrono::milliseconds(0);
}
