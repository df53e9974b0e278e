#pragma once

#include <QString>
#include <QtGlobal>

#include <chrono>
#include <optional>

// However long a service asks for, one code waits no longer than this before its next try, and
// no hold a store keeps lasts longer.
inline constexpr std::chrono::seconds kLongestRetryAfter{300};

// When each host may next be asked, shared by every Quillfen of the user (the window and any
// number of batch runs), so that all of them together keep a host's published pace rather than
// each keeping it alone. Times are unix milliseconds, the one clock every process shares.
//
// Nothing here throws, and nothing depends on it working: a store that cannot do its work says so
// once through takeProblem() and answers nothing, and each process then keeps its own pace.
class PacingStore
{
public:
    virtual ~PacingStore() = default;

    // Takes the host's turn when it is free at `nowMs`: the next one is then `intervalMs` later,
    // and the answer is 0. Otherwise nothing is taken and the answer is how long from now the turn
    // (or a hold, see holdUntil) keeps the host. Nothing when the store cannot say.
    virtual std::optional<qint64> takeTurn(const QString& host, qint64 nowMs,
                                           qint64 intervalMs) = 0;
    // Nothing starts on the host before `untilMs` (a service that asked to be left alone until
    // then); an earlier hold never shortens a later one.
    virtual void holdUntil(const QString& host, qint64 untilMs) = 0;
    // Takes one request from the daily allowance named `name` (a source's): true when one of
    // `perDay` was left on the UTC day of `nowMs`, false when all are taken; nothing when the
    // store cannot say.
    virtual std::optional<bool> takeFromAllowance(const QString& name, qint64 nowMs,
                                                  int perDay) = 0;
    // Where the pacing is kept, as the user can find it.
    virtual QString location() const = 0;
    // A message for the user about a problem met so far, each problem once, then an empty text.
    virtual QString takeProblem() = 0;
};
