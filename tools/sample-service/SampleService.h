#pragma once

#include "HttpConnection.h"
#include "OpenCatalog.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTcpServer>

#include <deque>
#include <functional>
#include <optional>

// What the service does instead of answering normally, for one code or for every code.
struct Fault
{
    enum class Kind {
        Status,            // answer with this HTTP status and a short error page
        CloseMidBody,      // send the headers and half the page, then close the connection
        ResetMidBody,      // send the headers and half the page, then reset the connection
        StallMidBody,      // send the headers and half the page, then nothing more
        Reset,             // reset the connection instead of answering
        CloseBeforeAnswer, // close the connection without a byte of answer
        NoAnswer,          // read the request and never answer
        EmptyBody,         // answer 200 with no page at all (Content-Length: 0)
        InvalidUtf8,       // a page that says it is UTF-8, with bytes after the name that are not
        Large,             // pad the page to `size` bytes before the record
        Charset,           // encode the page in `charset`, declared in the Content-Type header
        MetaCharset,       // encode the page in `charset`, declared only in a <meta> tag
        Html,              // the open databases: a web page (200) instead of their JSON
        MalformedJson,     // the open databases: their JSON, cut off halfway
        ResultShape,       // Open Food Facts: the newer answer, with "result" and "errors"
        NotFoundCode,      // UPCitemdb: an unknown code as 404 with "code": "NOT_FOUND"
    };
    Kind kind = Kind::Status;
    int status = 503;
    qint64 size = 4 * 1024 * 1024;
    QByteArray charset;
    // A Retry-After header in the answer: that many seconds, or the HTTP date that many seconds
    // ahead; none when negative.
    int retryAfterSeconds = -1;
    bool retryAfterAsDate = false;
    // Only the first this many requests for a code (on each API) see the fault, the later ones
    // are answered normally; 0: every request.
    int firstRequests = 0;
};

// Reads a mode, "status:503", "close-mid-body", "reset-mid-body", "stall-mid-body", "reset",
// "close-before-answer", "no-answer", "empty-body", "invalid-utf8", "large[:bytes]",
// "charset:NAME", "meta-charset:NAME", "html", "malformed-json", "result-shape" or
// "not-found-code", optionally followed by ",retry-after:SECONDS" or ",retry-after-date:SECONDS"
// and ",first:N"; false when the text is none of them.
bool ParseFault(const QString& text, Fault& fault);

// The names of the APIs the service stands in for, as faults, limits and the log name them:
// "page" (the page service), "openfoodfacts", "openbeautyfacts", "openpetfoodfacts",
// "openproductsfacts", "openlibrary", "upcitemdb" and "sru" (a library catalogue, SruStandIn.h).
const QStringList& ApiNames();

// One request as the log reports it.
struct Arrival
{
    qint64 ms = 0;     // on the service's monotonic clock
    QString api;       // one of ApiNames(), or "none" for a path the service does not know
    QByteArray target; // path and query as sent
    QByteArray userAgent;
};

// Reads "code<TAB>name" lines; blank lines and lines starting with "#" are skipped.
QHash<QString, QString> ParseCatalog(const QString& text);

// A small HTTP/1.1 server that answers the lookup path from a catalog and, as stand-ins for the
// open product databases, their API paths from another, keeps connections alive and answers
// requests on one connection in order.
class SampleService final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SampleService)
public:
    struct Settings
    {
        QHash<QString, QString> catalog;
        OpenCatalog openCatalog;
        // By "CODE" or "API:CODE"; "*" for every code. Without an API, every API. The most
        // specific applies: API and code, code, API, everything.
        QHash<QString, Fault> faults;
        int delayMs = 0;
        // Requests a window accepts, by API name; "*" for each API that has none of its own.
        QHash<QString, int> perMinute;
        int windowMs = 60'000;
        // UPCitemdb's allowance of requests a day, and how long its day lasts.
        int upcitemdbDaily = 100;
        qint64 upcitemdbDaySeconds = 24 * 60 * 60;
        // Called with every decoded value of "q", before the request is answered.
        std::function<void(const QString&)> onQuery;
        // Called for every connection a client opens.
        std::function<void()> onConnection;
        // Called for every request, the moment it is complete.
        std::function<void(const Arrival&)> onRequest;
    };

    explicit SampleService(Settings settings, QObject* parent = nullptr);

    bool listen(quint16 port);
    quint16 port() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }

private:
    void accept();
    HttpAnswer respond(const HttpRequest& request);
    // The fault for this code on this API, if one applies to this request; counts the requests
    // of faults that apply to the first few only.
    const Fault* faultFor(const QString& api, const QString& code);
    // The 429 answer when the API's window is full; otherwise counts the request in it.
    std::optional<HttpAnswer> overPerMinute(const QString& api, qint64 nowMs);
    // Starts a new UPCitemdb day, with the whole allowance, once the last one is over.
    void refreshUpcitemdbDay();
    HttpHeaders upcitemdbLimitHeaders() const;

    Settings m_settings;
    QElapsedTimer m_clock; // before the server: its connections read it until they go
    QTcpServer m_server;
    QHash<QString, int> m_faultRequests;
    QHash<QString, std::deque<qint64>> m_windows; // by API: when accepted requests arrived
    int m_upcitemdbUsed = 0;
    qint64 m_upcitemdbResetAt = 0; // unix time
};
