#include "common/NumberText.h"

#include <QLocale>

#include <algorithm>
#include <limits>

QString GroupedNumber(qint64 value)
{
    // A translated run makes its language's locale the default; English runs keep the C locale.
    const QLocale locale;
    if (locale.language() != QLocale::C)
        return locale.toString(value);
    const bool negative = value < 0;
    QString digits = QString::number(negative ? -value : value);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return negative ? u'-' + digits : digits;
}

int PluralCount(qint64 count)
{
    return int(std::min<qint64>(count, std::numeric_limits<int>::max()));
}

bool AllDigits(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), IsAsciiDigit);
}
