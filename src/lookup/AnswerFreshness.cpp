#include "lookup/AnswerFreshness.h"

bool IsFresh(const StoredAnswer& answer, qint64 nowUnixSeconds)
{
    if (answer.storedAt > nowUnixSeconds)
        return false;
    const qint64 lifetime = answer.found ? kFoundAnswerLifetime : kNotFoundAnswerLifetime;
    // Compared this way rather than through the age: a stored time read back from a damaged or
    // hand-edited file may be anything, and now minus it could overflow.
    return answer.storedAt > nowUnixSeconds - lifetime;
}
