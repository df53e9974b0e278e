#pragma once

#include "common/Loopback.h"
#include "fakes/FakeEventLoop.h"
#include "fakes/FakeHook.h"
#include "platform/CatalogueConnection.h"

#include <QList>

#include <functional>
#include <memory>

// A catalogue's answer that completes after one wait for events, so that a caller that never
// waits never sees it.
class FakePendingCatalogueAnswer final : public PendingCatalogueAnswer
{
public:
    ~FakePendingCatalogueAnswer() override;
    FakePendingCatalogueAnswer(const FakeEventLoop& loop, const FakeHook& hook,
                               CatalogueAnswer answer)
        : m_loop(loop)
        , m_hook(hook)
        , m_answer(std::move(answer))
        , m_completeAtWait(loop.waits + 1)
    {}

    bool isComplete() const override { return m_loop.waits >= m_completeAtWait; }
    CatalogueAnswer answer() const override
    {
        m_hook(u"answer");
        return isComplete() ? m_answer : CatalogueAnswer{};
    }

private:
    const FakeEventLoop& m_loop;
    const FakeHook& m_hook;
    CatalogueAnswer m_answer;
    int m_completeAtWait;
};

// Library catalogues in memory: each search is kept, and answered by `respond` (by default,
// nothing found).
class FakeCatalogueConnection final : public CatalogueConnection
{
public:
    ~FakeCatalogueConnection() override;
    explicit FakeCatalogueConnection(const FakeEventLoop& loop)
        : m_loop(loop)
    {}

    std::unique_ptr<PendingCatalogueAnswer> search(const CatalogueSearch& search) override
    {
        hook(u"search");
        searches.append(search);
        CatalogueAnswer answer;
        if (const QString refused = refusal(search); !refused.isEmpty())
            answer.failure = refused;
        else if (respond)
            answer = respond(search);
        return std::make_unique<FakePendingCatalogueAnswer>(m_loop, hook, std::move(answer));
    }

    QString refusal(const CatalogueSearch& search) const override
    {
        hook(u"refusal");
        return loopbackOnly && !IsLoopbackHost(search.host) ? NotLoopbackFailure(search.host)
                                                            : QString();
    }

    QList<CatalogueSearch> searches;
    std::function<CatalogueAnswer(const CatalogueSearch&)> respond;
    // Refuses every host but loopback addresses, as QUILLFEN_LOOPBACK_ONLY makes the real one.
    bool loopbackOnly = false;
    // Called with "search" as a search starts, "refusal" when asked whether one would be refused,
    // and "answer" when an answer is taken.
    FakeHook hook{"FakeCatalogueConnection", {u"search", u"refusal", u"answer"}};

private:
    const FakeEventLoop& m_loop;
};
