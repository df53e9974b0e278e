#include "lookup/AnswerFreshness.h"

bool IsFresh(const StoredAnswer& answer, qint64 nowUnixSeconds, qint64 foundLifetime,
             qint64 notFoundLifetime)
{
    if (answer.storedAt > nowUnixSeconds)
        return false;
    const qint64 lifetime = answer.found ? foundLifetime : notFoundLifetime;
    // Compared this way rather than through the age: a stored time read back from a damaged or
    // hand-edited file may be anything, and now minus it could overflow.
    return answer.storedAt > nowUnixSeconds - lifetime;
}
