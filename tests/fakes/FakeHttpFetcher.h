#pragma once

#include "fakes/FakeHook.h"
#include "platform/HttpFetcher.h"

#include <QList>

// Answers every request with the same head and body, handed over in pieces.
class FakeHttpFetcher final : public HttpFetcher
{
public:
    ~FakeHttpFetcher() override;
    QString fetch(const QUrl& url, const HttpHeaders& headers, const Calls& calls) override
    {
        hook(u"fetch");
        requested.append(url);
        requestHeaders.append(headers);
        if (calls.allowed && !calls.allowed(url))
            return QStringLiteral("not a loopback address");
        if (!failure.isEmpty())
            return failure;
        if (calls.onHead && !calls.onHead(head))
            return QStringLiteral("stopped");
        for (qsizetype at = 0; at < body.size(); at += piece) {
            if (calls.keepGoing && !calls.keepGoing())
                return QStringLiteral("stopped");
            if (calls.onData && !calls.onData(QByteArrayView(body).sliced(
                                    at, std::min<qsizetype>(piece, body.size() - at))))
                return QStringLiteral("stopped");
        }
        return {};
    }

    HttpHead head{200, {}};
    QByteArray body;
    qsizetype piece = 4096;
    // When set, every transfer fails with it before any answer.
    QString failure;
    QList<QUrl> requested;
    QList<HttpHeaders> requestHeaders;
    FakeHook hook{"FakeHttpFetcher", {u"fetch"}};
};
