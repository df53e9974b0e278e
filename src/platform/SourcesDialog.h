#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

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
    // A found product that lacks a brand, a quantity or a picture is completed from the next
    // sources that know the code.
    bool fillGaps = false;

    bool operator==(const SourcesDialogState&) const = default;
};

// What came of adding a source described in a file: its row when it was taken, and what to tell
// the user (why it was refused, or where the file was kept).
struct SourceAdded
{
    std::optional<SourceRow> row;
    QString message;
};

// What the dialog's source buttons do, for the source of that name; each answers with what to
// tell the user (plain text), empty for nothing. Unset: the buttons are not shown.
struct SourceActions
{
    // Keeps the key the user typed for the source.
    std::function<QString(const QString& name, const QString& key)> setKey;
    std::function<QString(const QString& name)> forgetKey;
    // Asks the source about a code the user typed: what was read from the answer, and the answer
    // itself, to be shown side by side.
    std::function<std::pair<QString, QString>(const QString& name, const QString& code)> test;
    // Takes the source the file at the path describes.
    std::function<SourceAdded(const QString& path)> addFile;
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
    // What "Add a Source…", "Set Key…", "Forget Key" and "Test…" do in the next ask().
    virtual void setActions(SourceActions actions) { m_actions = std::move(actions); }

protected:
    SourceActions m_actions;
};
