#pragma once

#include "app/LookupSetup.h"
#include "platform/ProductIndex.h"

#include <QString>
#include <QStringList>

// Everything the About box tells, gathered by Form1 from the chain, the index and the store.
struct AboutFacts
{
    // A source asked, by the name users see, with the addresses it asks.
    struct Source
    {
        QString displayName;
        QList<AddressInUse> addresses;
        // The terms its answers come under, as a source described in a file gives them.
        QString licence = {};
    };

    QString version;
    QList<Source> sourcesInUse; // in the order they are asked
    IndexInfo index;
    // Where Download Product Database fetches the export from.
    QString indexDownloadUrl;
    QString answersLocation;
    qint64 answersCount = 0;
    // False under --no-cache: this session neither reads nor keeps answers.
    bool answersRemembered = true;
};

inline constexpr QLatin1StringView kAboutTitle{QT_TRANSLATE_NOOP("AboutText", "About Quillfen")};

// Where each database's data comes from and under which licence, with links.
inline constexpr QStringView kOpenFoodFactsSite = u"https://world.openfoodfacts.org";
inline constexpr QStringView kOdblUrl = u"https://opendatacommons.org/licenses/odbl/1-0/";
inline constexpr QStringView kOpenLibrarySite = u"https://openlibrary.org";
inline constexpr QStringView kOpenLibraryDataTerms = u"https://openlibrary.org/help/faq/using";
inline constexpr QStringView kUpcItemDbSite = u"https://www.upcitemdb.com";

// The About box's text, as HTML: the version, the sources in use with their addresses (as plain
// text, never links: they come from the environment and the settings), each database's credit and
// licence, the product index (its exports' dates, its size, its databases) and the remembered
// answers (where, how many). Every text from outside is escaped.
QString AboutText(const AboutFacts& facts);
