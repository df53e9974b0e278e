#pragma once

#include "app/AppConfig.h"
#include "platform/SourcesDialog.h"

#include <QString>

class SettingsStore;

// What the Sources dialog saved, as the settings store keeps it beside the code list (the value
// names are in LookupSetup.h).
struct SavedSources
{
    QString sources;    // the ticked sources in the order they are asked: "index,openfoodfacts"
    QString order;      // every source in the dialog's order, ticked or not
    QString serviceUrl; // the page service's address
    // Whether to fill the gaps: "1", "0", or empty when never saved.
    QString fillGaps = {};
};

SavedSources ReadSavedSources(const SettingsStore& settings);
// Throws OperationFailed when the store cannot be written.
void SaveSources(SettingsStore& settings, const SourcesDialogState& state);
// Saves what the user changed in the dialog, and only that: the sources (ticks and order) when
// they differ from what it opened with, the page service's address when it does. What the dialog
// opened with is the saved choice, or the one in effect for this session alone (named on the
// command line or in the environment, or built in), which must not become the user's choice by an
// OK that changed nothing. True when anything was written; throws as SaveSources does.
bool SaveSourceChanges(SettingsStore& settings, const SourcesDialogState& opened,
                       const SourcesDialogState& chosen);

// The name the user sees for a source ("Open Food Facts" for "openfoodfacts").
QString SourceDisplayName(const QString& name);

// What the dialog opens with: the saved choice when there is one, else the choice in effect
// (named on the command line or in the environment, or the built-in one). Every source is listed,
// the ticked ones in the order they are asked; the unticked ones keep their saved places.
SourcesDialogState SourcesDialogStateFor(const AppConfig& config, const SavedSources& saved,
                                         bool indexPresent);

// What keeps a state from being saved, in words for the dialog; empty when it may be saved: at
// least one source must be ticked, and an address the page service cannot be asked at is refused.
QString SourcesProblem(const SourcesDialogState& state);

// When the command line or the environment chose the sources or the page service's address, a
// note that says so: they go on deciding while the program runs with them, and what the dialog
// saves applies to later runs without them. Empty otherwise.
QString SourcesOverrideNote(const AppConfig& config);
