#pragma once

#include "FakeEventLoop.h"
#include "FakeHook.h"
#include "platform/PendingPage.h"

#include <QString>

#include <utility>

// What the fake service answers for one address.
struct FakeResponse
{
    QString text;    // the page, when it arrives
    QString failure; // non-empty: the page cannot be had, for this reason
    // How many waits for events the page takes to complete; 0 completes it at once.
    int waits = 1;
};

// Pages that complete after a number of event-loop waits, so a caller that spins on yield()
// instead of waiting never sees them arrive.
class FakePendingPage final : public PendingPage
{
public:
    FakePendingPage(const FakeEventLoop& loop, const FakeHook& hook, FakeResponse response)
        : m_loop(loop)
        , m_hook(hook)
        , m_response(std::move(response))
        , m_completeAtWait(loop.waits + m_response.waits)
    {}

    bool isComplete() const override { return m_loop.waits >= m_completeAtWait; }
    QString text() const override
    {
        m_hook(u"text");
        return isComplete() && m_response.failure.isEmpty() ? m_response.text : QString();
    }
    QString failure() const override { return isComplete() ? m_response.failure : QString(); }

private:
    const FakeEventLoop& m_loop;
    const FakeHook& m_hook;
    FakeResponse m_response;
    int m_completeAtWait;
};
