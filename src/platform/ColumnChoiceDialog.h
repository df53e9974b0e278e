#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One column of a sheet as the user is shown it, to say which holds the codes.
struct SheetColumnSummary
{
    QString letter;          // "A", "AB"
    QString header;          // the header row's cell; empty when the sheet has none
    QStringList firstValues; // up to three values below the header

    bool operator==(const SheetColumnSummary&) const = default;
};

// The small modal dialog that asks which column of a spreadsheet holds the codes, when no column
// is named like a code column and no single column is mostly codes; and which columns go into a
// file of results.
class ColumnChoiceDialog
{
public:
    virtual ~ColumnChoiceDialog() = default;

    // The index in `columns` of the one chosen, or nothing when the user cancels. `fileName` is
    // the file the codes come from, as the dialog names it.
    virtual std::optional<qsizetype> choose(const QString& fileName,
                                            const QList<SheetColumnSummary>& columns) = 0;

    // The columns, by name, each with a tick box, those at the places `ticked` ticked. The places
    // ticked when the user says OK, in the columns' order (never none), or nothing when the user
    // cancels.
    virtual std::optional<QList<qsizetype>> chooseSeveral(const QString& title,
                                                          const QString& question,
                                                          const QStringList& columns,
                                                          const QList<qsizetype>& ticked) = 0;
};
