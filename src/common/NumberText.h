#pragma once

#include <QString>

// 1234567 -> "1,234,567" in English, whatever the user's locale, so that limits and counts read
// the same in every English message; in a translated run the language's own way ("1.234.567").
QString GroupedNumber(qint64 value);
