#include "index/ImportText.h"

#include <algorithm>
#include <cmath>

QString MegabytesText(qint64 bytes)
{
    return QString::number(double(bytes) / 1e6, 'f', 1) + QStringLiteral(" MB");
}

QString DurationText(double seconds)
{
    const qint64 whole = std::llround(std::max(0.0, seconds));
    const auto twoDigits = [](qint64 n) { return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0')); };
    if (whole < 60)
        return QString::number(whole) + QStringLiteral(" s");
    if (whole < 3600)
        return QString::number(whole / 60) + QStringLiteral(" min ") + twoDigits(whole % 60) +
               QStringLiteral(" s");
    return QString::number(whole / 3600) + QStringLiteral(" h ") + twoDigits(whole / 60 % 60) +
           QStringLiteral(" min");
}
