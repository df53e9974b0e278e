#pragma once
#include "platform/AnswerStore.h"
bool IsFresh(const StoredAnswer& answer, qint64 nowUnixSeconds);
