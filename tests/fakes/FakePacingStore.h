#pragma once

#include "fakes/FakeHook.h"
#include "platform/PacingStore.h"

#include <QHash>
#include <QStringList>

#include <algorithm>

// The pacing every process shares, in memory. A test stands in for another process by taking a
// turn itself, or by setting `nextStart` and `heldUntil` directly; `silent` makes it answer
// nothing, as a store that cannot be written does.
class FakePacingStore final : public PacingStore
{
public:
    ~FakePacingStore() override;
    std::optional<qint64> takeTurn(const QString& host, qint64 nowMs, qint64 intervalMs) override
    {
        hook(u"takeTurn");
        if (silent)
            return std::nullopt;
        const qint64 free = std::max(nextStart.value(host), heldUntil.value(host));
        if (free > nowMs)
            return free - nowMs;
        nextStart.insert(host, nowMs + intervalMs);
        turns.append(host);
        return 0;
    }
    void holdUntil(const QString& host, qint64 untilMs) override
    {
        hook(u"holdUntil");
        if (!silent)
            heldUntil.insert(host, std::max(heldUntil.value(host), untilMs));
    }
    std::optional<bool> takeFromAllowance(const QString& name, qint64 nowMs, int perDay) override
    {
        hook(u"takeFromAllowance");
        if (silent)
            return std::nullopt;
        auto& [day, used] = allowances[name];
        const qint64 today = nowMs / (24 * 60 * 60 * 1000);
        if (day != today) {
            day = today;
            used = 0;
        }
        if (used >= perDay)
            return false;
        ++used;
        return true;
    }
    QString location() const override { return QStringLiteral("/fake/cache/pacing.sqlite"); }
    QString takeProblem() override
    {
        hook(u"takeProblem");
        return problems.isEmpty() ? QString() : problems.takeFirst();
    }

    // By host: unix milliseconds.
    QHash<QString, qint64> nextStart;
    QHash<QString, qint64> heldUntil;
    // The hosts of the turns taken, in order.
    QStringList turns;
    // By allowance name: the UTC day (days since 1970) and the requests taken on it.
    QHash<QString, std::pair<qint64, int>> allowances;
    QStringList problems;
    bool silent = false;
    FakeHook hook{"FakePacingStore",
                  {u"takeTurn", u"holdUntil", u"takeFromAllowance", u"takeProblem"}};
};
