#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

#include <memory>
#include <utility>

// One GET to send.
struct PageRequest
{
    QUrl url;
    // The User-Agent header; empty: the loader's own ("Quillfen/<version>").
    QByteArray userAgent;
    // How many redirections the loader follows on the way to the answer; a redirection past
    // that arrives as the answer itself (status 3xx), or fails with "too many redirects".
    int maxRedirects = 50;
};

// What came back for a request.
struct PageResponse
{
    // Non-empty when no HTTP answer arrived at all, in a few words for the user: "timed out",
    // "connection refused", "host not found", "page too large", "too many redirects", "not a
    // loopback address". status, headers and body are then empty.
    QString failure;
    int status = 0;
    QList<std::pair<QByteArray, QByteArray>> headers; // as received, names in any case
    QByteArray body;

    // The value of the first header of that name (compared without regard to case), or an empty
    // array.
    QByteArray header(QByteArrayView name) const
    {
        for (const auto& [key, value] : headers)
            if (QByteArrayView(key).compare(name, Qt::CaseInsensitive) == 0)
                return value;
        return {};
    }
};

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
};
