#pragma once

#include <QString>

// A page on its way from a web service. It completes exactly once, either with the page's text
// or with a short reason why the page could not be had.
class PendingPage
{
public:
    virtual ~PendingPage() = default;

    // True once the page has arrived or failed. Completion is announced by an event of the event
    // loop, so a caller waits with EventLoop::waitForEvents() between looks.
    virtual bool isComplete() const = 0;
    // The page decoded to text: empty until complete, and after a failure.
    virtual QString text() const = 0;
    // Empty when the page arrived; otherwise a few words for the user: "timed out", "HTTP 503",
    // "connection refused".
    virtual QString failure() const = 0;
};
