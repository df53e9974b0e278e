#include "app/window/StartupRoutines.h"

#include "app/window/ChanceSource.h"

#include <algorithm>

QString ShortenTitle(const QString& productName)
{
    QString title = productName;
    do {
        const qsizetype space = title.lastIndexOf(u' ');
        if (space < 0)
            break;
        title.truncate(space);
    } while (title.size() > kShortTitleLength);
    return title;
}

int DrawOneToHundred(ChanceSource& chance)
{
    chance.seedFromTimeOfDay();
    // A source that strays outside [0, 1) must not make the draw do so.
    const double fraction = std::clamp(chance.nextFraction(), 0.0, 0.999999999);
    return int(fraction * 100) + 1;
}
