#pragma once

#include "app/SettingsNames.h"
#include "platform/Platform.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// How the code list is kept between runs (under kCodeListValueName). Between neighbouring codes;
// nothing before the first or after the last, no quoting.
inline constexpr QChar kCodeListSeparator = u';';

// The texts of every row, top to bottom, joined with the separator; empty for an empty list.
QString JoinCodeList(const ListControl& list);

// The codes of a saved text: the pieces between separators, in order, empty pieces skipped,
// nothing trimmed. A code that held the separator comes back as several.
QStringList SplitSavedCodeList(const QString& saved);

// Saving the code list on every close and restoring it at start-up; also saving it shortly after
// each change, so that a crash or a kill loses next to nothing.
class SavedCodeList final
{
public:
    explicit SavedCodeList(const Platform& platform)
        : m_platform(platform)
    {}

    // Writes the list, also when it is empty, then lets pending events run once.
    void SaveCodeList();
    // Appends the saved codes to the code list.
    void RestoreCodeList();
    // Writes the list when it differs from what was last written. A failure is thrown the first
    // time only, until a save succeeds again, so a store that stays unwritable is not reported
    // after every edit.
    void AutoSaveCodeList();

private:
    void write(const QString& text);

    Platform m_platform;
    // What the store holds as far as this program knows; nothing before the first read or write.
    std::optional<QString> m_lastWritten;
    bool m_autoSaveFailing = false;
};
