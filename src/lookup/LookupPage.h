#pragma once

#include <QString>
#include <QStringView>

// The words the service writes in front of every product it knows.
inline constexpr QStringView kRecordMarker = u"Product name for EAN ";

struct LookupPageResult
{
    bool recordFound = false;
    QString productName; // may be empty even when a record was found
};

// Decides whether the service's page holds a record for the code and cuts the product name out
// of it. The code is taken as the list holds it; surrounding spaces are ignored. The markers are
// matched without regard to letter case, and only their first occurrences count.
LookupPageResult ParseLookupPage(QStringView page, QStringView code);

// Removes every tag of the fragment and decodes "&lt;" and "&nbsp;"; nothing else is decoded.
QString StripMarkup(const QString& fragment);
