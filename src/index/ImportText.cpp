#include "index/ImportText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

QString MegabytesText(qint64 bytes)
{
    //: A size in megabytes.
    return QCoreApplication::translate("ImportText", "%1 MB")
        .arg(QString::number(double(bytes) / 1e6, 'f', 1));
}

QString DurationText(double seconds)
{
    const qint64 whole = std::llround(std::max(0.0, seconds));
    const auto twoDigits = [](qint64 n) { return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0')); };
    if (whole < 60)
        //: A time in seconds.
        return QCoreApplication::translate("ImportText", "%1 s").arg(whole);
    if (whole < 3600)
        //: A time in minutes and seconds.
        return QCoreApplication::translate("ImportText", "%1 min %2 s")
            .arg(QString::number(whole / 60), twoDigits(whole % 60));
    //: A time in hours and minutes.
    return QCoreApplication::translate("ImportText", "%1 h %2 min")
        .arg(QString::number(whole / 3600), twoDigits(whole / 60 % 60));
}
