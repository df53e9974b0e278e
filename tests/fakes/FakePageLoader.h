#pragma once

#include "common/Loopback.h"
#include "fakes/FakeEventLoop.h"
#include "fakes/FakeHook.h"
#include "fakes/FakePendingPage.h"
#include "platform/PageLoader.h"

#include <QList>
#include <QUrl>

#include <functional>
#include <memory>

class FakePageLoader final : public PageLoader
{
public:
    ~FakePageLoader() override;
    explicit FakePageLoader(const FakeEventLoop& loop)
        : m_loop(loop)
    {}

    std::unique_ptr<PendingPage> start(const PageRequest& request) override
    {
        hook(u"start");
        requested.append(request.url);
        requests.append(request);
        if (const QString refused = refusal(request.url); !refused.isEmpty()) {
            FakeResponse failed{{}, refused, 0};
            return std::make_unique<FakePendingPage>(m_loop, hook, failed);
        }
        return std::make_unique<FakePendingPage>(
            m_loop, hook, respond ? respond(request.url) : FakeResponse{kNoRecordPage.toString()});
    }

    QString refusal(const QUrl& url) const override
    {
        hook(u"refusal");
        return loopbackOnly && !IsLoopbackUrl(url) ? NotLoopbackFailure(url.host()) : QString();
    }

    // The value of "q" in an address, decoded as a web server decodes it.
    static QString queryValue(const QUrl& address)
    {
        const QByteArray query = address.query(QUrl::FullyEncoded).toLatin1();
        for (QByteArray pair : query.split('&')) {
            if (!pair.startsWith("q="))
                continue;
            pair = pair.mid(2).replace('+', ' ');
            return QString::fromUtf8(QByteArray::fromPercentEncoding(pair));
        }
        return {};
    }

    // What a service without the code answers, unless a test says otherwise.
    static constexpr QStringView kNoRecordPage = u"<p>No product found.</p>";

    QList<QUrl> requested;
    QList<PageRequest> requests;
    // The service: by default every page holds no record.
    std::function<FakeResponse(const QUrl&)> respond;
    // Refuses every address but loopback ones, as QUILLFEN_LOOPBACK_ONLY makes the real loader.
    bool loopbackOnly = false;
    // Called with "start" before a load begins, "refusal" when asked whether an address would be
    // refused, and "response" when a page's answer is taken.
    FakeHook hook{"FakePageLoader", {u"start", u"refusal", u"response"}};

private:
    const FakeEventLoop& m_loop;
};
