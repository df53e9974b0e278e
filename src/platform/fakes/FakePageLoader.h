#pragma once

#include "FakeEventLoop.h"
#include "FakeHook.h"
#include "FakePendingPage.h"
#include "platform/PageLoader.h"

#include <QList>
#include <QUrl>

#include <functional>
#include <memory>

class FakePageLoader final : public PageLoader
{
public:
    explicit FakePageLoader(const FakeEventLoop& loop)
        : m_loop(loop)
    {}

    std::unique_ptr<PendingPage> start(const QUrl& address) override
    {
        hook(u"start");
        requested.append(address);
        return std::make_unique<FakePendingPage>(m_loop, hook,
                                                 respond ? respond(address) : FakeResponse{});
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

    QList<QUrl> requested;
    // The service: by default every page is empty (no record).
    std::function<FakeResponse(const QUrl&)> respond;
    // Called with "start" before a load begins and "text" when a page's text is taken.
    FakeHook hook{"FakePageLoader", {u"start", u"text"}};

private:
    const FakeEventLoop& m_loop;
};
