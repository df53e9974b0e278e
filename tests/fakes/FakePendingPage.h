#pragma once

#include "fakes/FakeEventLoop.h"
#include "fakes/FakeHook.h"
#include "platform/PendingPage.h"

#include <QString>

#include <optional>
#include <utility>

// What the fake service answers for one request.
struct FakeResponse
{
    FakeResponse(QString text = {}, QString failure = {}, int waits = 1)
        : text(std::move(text))
        , failure(std::move(failure))
        , waits(waits)
    {}

    QString text;    // the page, when it arrives: a body in UTF-8 with the status below
    QString failure; // non-empty: no answer arrives, for this reason
    // How many waits for events the page takes to complete; 0 completes it at once.
    int waits;
    int status = 200;
    QList<std::pair<QByteArray, QByteArray>> headers;
    // Bytes that are not text; replaces the text when set.
    std::optional<QByteArray> body;
};

// Pages that complete after a number of event-loop waits, so a caller that spins on yield()
// instead of waiting never sees them arrive.
class FakePendingPage final : public PendingPage
{
public:
    ~FakePendingPage() override;
    FakePendingPage(const FakeEventLoop& loop, const FakeHook& hook, FakeResponse response)
        : m_loop(loop)
        , m_hook(hook)
        , m_response(std::move(response))
        , m_completeAtWait(loop.waits + m_response.waits)
    {}

    bool isComplete() const override { return m_loop.waits >= m_completeAtWait; }
    PageResponse response() const override
    {
        m_hook(u"response");
        PageResponse answer;
        if (!isComplete())
            return answer;
        answer.failure = m_response.failure;
        if (answer.failure.isEmpty()) {
            answer.status = m_response.status;
            answer.headers = m_response.headers;
            answer.body = m_response.body ? *m_response.body : m_response.text.toUtf8();
        }
        return answer;
    }

private:
    const FakeEventLoop& m_loop;
    const FakeHook& m_hook;
    FakeResponse m_response;
    int m_completeAtWait;
};
