#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// One source as the Sources dialog lists it.
struct SourceRow
{
    QString name;        // as --sources and the settings know it: "openfoodfacts"
    QString displayName; // as the user sees it: "Open Food Facts"
    bool ticked = false;

    bool operator==(const SourceRow&) const = default;
};

// What the Sources dialog shows and gives back: every source in the order they are asked, and
// the page service's address.
struct SourcesDialogState
{
    QList<SourceRow> rows;
    QString serviceUrl;

    bool operator==(const SourcesDialogState&) const = default;
};

// The modal dialog in which the user ticks the sources to ask, puts them in order and names the
// page service's address.
class SourcesDialog
{
public:
    // What is wrong with a state the user wants to keep, in a few words; empty when nothing is.
    using Check = std::function<QString(const SourcesDialogState&)>;

    virtual ~SourcesDialog() = default;

    // Shows the dialog with the state and a note above the buttons (empty: none). On OK the
    // state is checked: a problem is shown in the dialog, which stays open; else the state is
    // returned. Cancel returns nothing.
    virtual std::optional<SourcesDialogState> ask(const SourcesDialogState& initial,
                                                  const QString& note, const Check& check) = 0;
};
