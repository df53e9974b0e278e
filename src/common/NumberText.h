#pragma once

#include <QString>

// 1234567 -> "1,234,567", whatever the user's locale: limits and counts read the same in every
// message.
QString GroupedNumber(qint64 value);
