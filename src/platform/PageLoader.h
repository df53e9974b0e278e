#pragma once

#include "platform/PageRequest.h"
#include "platform/PendingPage.h"

#include <memory>

// Fetches web pages by HTTP GET, one request per page. Requests to the same host reuse one
// connection while it stays open.
class PageLoader
{
public:
    virtual ~PageLoader() = default;

    // Starts loading and returns at once. Throws OperationFailed when the address cannot be
    // requested at all (not a web address); everything that goes wrong on the way to the service
    // is reported by the response's failure instead.
    virtual std::unique_ptr<PendingPage> start(const PageRequest& request) = 0;

    // Why a request to the address would fail without anything leaving the machine, or an empty
    // text when it would be sent. A caller that paces its requests asks first, so that a request
    // that is never sent does not take a turn.
    virtual QString refusal(const QUrl& /*url*/) const { return {}; }
};
