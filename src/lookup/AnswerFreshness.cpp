#include "AnswerFreshness.h"
bool IsFresh(const StoredAnswer& answer, qint64 nowUnixSeconds)
{
    const qint64 days = answer.found ? 30 : 7;
    return nowUnixSeconds - answer.storedAt < days * 24 * 3600;
}
