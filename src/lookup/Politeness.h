#pragma once

#include "platform/PacingStore.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QStringView>

#include <chrono>
#include <optional>

// How long to leave a busy service alone. Everything here works on times handed in, so that the
// caller's clock (a fake one in tests) is the only clock.

// A busy answer is asked again at most this many times for one code.
inline constexpr int kMaxRetries = 3;
// The wait before the first retry when the service does not say, doubled for every later one.
inline constexpr std::chrono::seconds kFirstBackoff{2};
inline constexpr std::chrono::seconds kLongestBackoff{120};
// A service that is busy for everyone (Open Food Facts' global limits answer 503) is left alone
// longer than one busy for us: this long first, doubled for every later retry.
inline constexpr std::chrono::seconds kFirstBusyForEveryoneWait{30};
// After this many such answers in one run, the user is told once that large lists belong to the
// database's export.
inline constexpr int kBusyForEveryoneAdviceAfter = 3;
inline constexpr QStringView kUseTheExportAdvice =
    u"Open Food Facts is busy for everyone and asks that large lists be looked up in its export "
    u"instead: Lookup \u2192 Download Product Database (quillfen --download-index) imports it once "
    u"for answers offline.";
// The same advice for translating where it is told: QCoreApplication::translate("Politeness", ...).
inline constexpr char kUseTheExportAdviceText[] = QT_TRANSLATE_NOOP(
    "Politeness",
    "Open Food Facts is busy for everyone and asks that large lists be looked up in its export "
    "instead: Lookup → Download Product Database (quillfen --download-index) imports it once "
    "for answers offline.");

// An HTTP date in any of its three forms ("Sun, 06 Nov 1994 08:49:37 GMT", "Sunday, 06-Nov-94
// 08:49:37 GMT", "Sun Nov  6 08:49:37 1994"), in UTC. A two-digit year is placed in the century
// that puts it at most 50 years after `referenceUtc`; without a valid reference, 70-99 are taken
// as 19xx and the rest as 20xx. Nothing for anything else.
std::optional<QDateTime> ParseHttpDate(QByteArrayView value, const QDateTime& referenceUtc);

// A Retry-After value: a number of seconds, or an HTTP date, from which the wait from `nowUtc`
// is worked out (rounded up to whole seconds, 0 for a date already past). Nothing for anything
// else.
std::optional<std::chrono::seconds> ParseRetryAfter(QByteArrayView value, const QDateTime& nowUtc);

// The wait before retry number `retry` (1 for the first) of a busy answer: what the service asked
// for, up to kLongestRetryAfter; otherwise kFirstBackoff doubled for each retry after the first,
// up to kLongestBackoff, spread by ±10% so that clients turned away together do not come back
// together. `jitter` is a random number from 0 (10% shorter) to 1 (10% longer).
std::chrono::milliseconds RetryWait(int retry, std::optional<std::chrono::seconds> retryAfter,
                                    double jitter);
// The same for a service busy for everyone that gives no Retry-After: 30, 60, 120 s, ...
std::chrono::milliseconds BusyForEveryoneWait(int retry);
