#pragma once

#include "platform/Platform.h"

#include <QCoreApplication>
#include <QString>
#include <QStringView>

class RunOutcomes;

inline constexpr QLatin1StringView kSaveRecordsTitle{
    QT_TRANSLATE_NOOP("RecordsFileSave", "Save Records As")};
//: A file dialog's choices: a name, then after "|" the files it shows, each ending in "|".
//: Translate the names only; keep every "|" and pattern.
inline constexpr QLatin1StringView kSaveRecordsFilter{QT_TRANSLATE_NOOP(
    "RecordsFileSave", "MARC 21 Records (*.mrc)|*.mrc|MARCXML Records (*.xml)|*.xml|")};
inline constexpr QLatin1StringView kNoRecordsToSaveMessage{QT_TRANSLATE_NOOP(
    "RecordsFileSave",
    "None of the ticked results holds a catalogue record. Records come from the library "
    "catalogues (loc, dnb, k10plus or one of your own), chosen in Lookup > Sources.")};

// "Lookup -> Save Records As...": the catalogue records of the ticked rows that have one, exactly
// as their libraries sent them, as MARC 21 (.mrc, and for a name without an extension) or
// MARCXML (.xml), as batch mode's --format marc and marcxml write them. A box then says how many
// were saved and which rows had none.
class RecordsFileSave final
{
    Q_DECLARE_TR_FUNCTIONS(RecordsFileSave)

public:
    RecordsFileSave(const Platform& platform, const RunOutcomes& outcomes)
        : m_platform(platform)
        , m_outcomes(outcomes)
    {}

    void SaveRecordsAs();

private:
    Platform m_platform;
    const RunOutcomes& m_outcomes;
    QString m_lastFileName;
};
