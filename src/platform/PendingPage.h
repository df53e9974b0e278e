#pragma once

#include "platform/PageResponse.h"

// A page on its way from a web service. It completes exactly once, either with an HTTP answer
// (whatever its status) or with a short reason why none came.
class PendingPage
{
public:
    virtual ~PendingPage() = default;

    // True once the answer has arrived or failed. Completion is announced by an event of the
    // event loop, so a caller waits with EventLoop::waitForEvents() between looks.
    virtual bool isComplete() const = 0;
    // The answer: empty until complete.
    virtual PageResponse response() const = 0;
};
