#pragma once

#include "platform/AnswerStore.h"

#include <QtGlobal>

// How long a remembered answer may be used instead of asking its database again. A product that
// was found rarely changes; one that was not found may be added any day, so it is asked about
// again sooner. Failures are never remembered.
inline constexpr qint64 kSecondsPerDay = 24 * 60 * 60;
inline constexpr qint64 kFoundAnswerLifetime = 30 * kSecondsPerDay;
inline constexpr qint64 kNotFoundAnswerLifetime = 7 * kSecondsPerDay;

// Whether the answer is young enough to be used at nowUnixSeconds: younger than its lifetime.
// An answer stored "in the future" (the clock has since moved back) is not fresh: its age cannot
// be known, and asking once more costs one request, while trusting it could keep an answer
// stored under a clock set years ahead for years.
bool IsFresh(const StoredAnswer& answer, qint64 nowUnixSeconds);
