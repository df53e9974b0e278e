#pragma once

#include "platform/CatalogueSearch.h"

// A catalogue's answer on its way. It completes exactly once, with records or with a reason why
// none came.
class PendingCatalogueAnswer
{
public:
    virtual ~PendingCatalogueAnswer() = default;

    // True once the answer has arrived or failed. Completion is announced by an event of the
    // event loop, so a caller waits with EventLoop::waitForEvents() between looks.
    virtual bool isComplete() const = 0;
    // The answer: empty until complete.
    virtual CatalogueAnswer answer() const = 0;
};
