#pragma once

#include <QString>

#include <memory>

class QUrl;

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

// Fetches web pages by HTTP GET, one request per page. Requests to the same host reuse one
// connection while it stays open.
class PageLoader
{
public:
    virtual ~PageLoader() = default;

    // Starts loading and returns at once. Throws OperationFailed when the address cannot be
    // requested at all (not a web address); everything that goes wrong on the way to the service
    // is reported by the page's failure() instead.
    virtual std::unique_ptr<PendingPage> start(const QUrl& address) = 0;
};
