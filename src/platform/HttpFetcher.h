#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QUrl>

#include <functional>
#include <utility>

using HttpHeaders = QList<std::pair<QByteArray, QByteArray>>;

// The status line and headers of an answer.
struct HttpHead
{
    int status = 0;
    HttpHeaders headers;

    // The first header of that name, compared without regard to case; empty when none.
    QByteArray header(QByteArrayView name) const
    {
        for (const auto& [key, value] : headers)
            if (key.compare(name, Qt::CaseInsensitive) == 0)
                return value;
        return {};
    }
};

// One large download over HTTP, streamed: the body is handed over as it arrives and never held
// whole. One connection at a time.
class HttpFetcher
{
public:
    struct Calls
    {
        // Whether an address may be asked at all (the first one and every redirection), decided
        // before any name lookup.
        std::function<bool(const QUrl&)> allowed;
        // Once the status and headers are in; false ends the transfer.
        std::function<bool(const HttpHead&)> onHead;
        // For every piece of the body; false ends the transfer.
        std::function<bool(QByteArrayView)> onData;
        // Asked a few times a second, even while nothing arrives; false ends the transfer.
        std::function<bool()> keepGoing;
    };

    virtual ~HttpFetcher() = default;

    // Sends a GET and blocks (running an event loop) until the transfer ends. Returns an empty
    // text when the whole body arrived, else a few words: "not a loopback address" (for an
    // address `allowed` refused), "connection closed", "no data for 60 s" (a stall), "insecure
    // redirect" (from https to http), "stopped" (a call returned false), "host not found". What
    // a call throws is thrown on once the transfer has ended.
    virtual QString fetch(const QUrl& url, const HttpHeaders& headers, const Calls& calls) = 0;
};
