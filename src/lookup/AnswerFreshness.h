#pragma once

#include "platform/AnswerStore.h"

#include <QtGlobal>

// Whether the answer is young enough to be used at nowUnixSeconds: younger than its lifetime.
// An answer stored "in the future" (the clock has since moved back) is not fresh: its age cannot
// be known, and asking once more costs one request, while trusting it could keep an answer
// stored under a clock set years ahead for years.
bool IsFresh(const StoredAnswer& answer, qint64 nowUnixSeconds,
             qint64 foundLifetime = kFoundAnswerLifetime,
             qint64 notFoundLifetime = kNotFoundAnswerLifetime);
