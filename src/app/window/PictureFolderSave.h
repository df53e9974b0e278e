#pragma once

#include "listings/PictureFetch.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QString>

class RunOutcomes;

inline constexpr QLatin1StringView kSavePicturesTitle{
    QT_TRANSLATE_NOOP("PictureFolderSave", "Save Pictures")};
inline constexpr QLatin1StringView kNoPicturesToSaveMessage{QT_TRANSLATE_NOOP(
    "PictureFolderSave", "No product found in the results has a picture to save.")};
inline constexpr QLatin1StringView kPicturesAfterLookupMessage{QT_TRANSLATE_NOOP(
    "PictureFolderSave", "Pictures are saved once the lookup is over: wait for it, or stop it.")};

// "Lookup -> Save Pictures...": asks for a folder and saves there the picture of every found row
// of the results table, one file each named by its GTIN, with the list of them (pictures.csv), as
// batch mode's --pictures-dir does. The progress bar follows the pictures; Stop Looking Up ends
// the saving after the picture under way, and only whole files are left. At the end a message
// says what became of them.
class PictureFolderSave final
{
    Q_DECLARE_TR_FUNCTIONS(PictureFolderSave)

public:
    // `perMinute`: the pictures a host is asked for in a minute; `remembered`: whether the
    // pictures the details window remembered are taken (not with --no-cache).
    PictureFolderSave(const Platform& platform, const RunOutcomes& outcomes, int perMinute,
                      bool remembered);

    void SavePictures();
    // Stop Looking Up: the saving ends after the picture under way.
    void requestStop() { m_stopAsked = true; }
    bool isBusy() const { return m_busy; }

private:
    Platform m_platform;
    const RunOutcomes& m_outcomes;
    // Kept from one saving to the next, with its hosts' pace.
    PictureFetch m_fetch;
    bool m_busy = false;
    bool m_stopAsked = false;
};
