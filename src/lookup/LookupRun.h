#pragma once

#include "platform/Platform.h"

#include <QString>
#include <QStringView>
#include <QUrl>

inline constexpr QStringView kNoItemsMessage = u"No items added to list.";
inline constexpr QStringView kLookupDoneMessage = u"Done.";
inline constexpr QStringView kProcessingCaption = u"Processing: ";
inline constexpr QStringView kNoRecordSuffix = u" - no record found";
inline constexpr QStringView kLookupFailedSuffix = u" - lookup failed: ";
inline constexpr QStringView kLookupPath = u"/perl/ean-search.pl";

// The address that asks the service about one code: the service's base address, the lookup
// path, and the code as the whole value of "q". The code is sent exactly as the list holds it,
// spaces included, percent-encoded so that "&", "#", "+" and the like arrive as themselves.
QUrl LookupAddress(const QString& serviceBase, const QString& code);

// "Start Looking Up": visits every code of the code list in order, one request at a time, and
// fills the results table with one ticked row per code.
class LookupRun final
{
public:
    LookupRun(const Platform& platform, QString serviceBase)
        : m_platform(platform)
        , m_serviceBase(std::move(serviceBase))
    {}
    LookupRun(const LookupRun&) = delete;
    LookupRun& operator=(const LookupRun&) = delete;

    void PushButton17_Click();

    // True exactly while a run is under way; a second start is refused meanwhile.
    bool isBusy() const { return m_busy; }

private:
    Platform m_platform;
    QString m_serviceBase;
    bool m_busy = false;
};
