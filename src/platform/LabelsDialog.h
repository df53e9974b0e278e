#pragma once

#include "platform/LabelDrawing.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Where the codes of a label job come from, and how many labels each gets.
enum class LabelCodesFrom { CodeList, ScanSession, Sheet };
enum class LabelCopiesFrom { One, ScanCount, SheetColumn };

// What the Print Labels dialog shows and gives back.
struct LabelsDialogState
{
    QString layout; // the layout's name
    // What goes on each label.
    bool barcode = true;
    bool name = true;
    bool price = false;
    bool digits = true;
    bool ownText = false;
    QString text;
    QString currency;

    LabelCodesFrom codesFrom = LabelCodesFrom::CodeList;
    // The spreadsheet the codes come from, and its columns that hold the names, the prices and
    // the copies, by letter ("C"); empty for the ones Quillfen chooses, "-" for none.
    QString sheetPath;
    QString nameColumn;
    QString priceColumn;
    LabelCopiesFrom copiesFrom = LabelCopiesFrom::One;
    QString copiesColumn;
    // The first free place on a sheet used before, from 1.
    int startRow = 1;
    int startColumn = 1;

    bool operator==(const LabelsDialogState&) const = default;
};

// One layout the dialog offers.
struct LabelsDialogLayout
{
    QString name;
    QString text; // "avery-l7160: A4, 3 × 7 labels of 63.5 × 38.1 mm"
    int rows = 1;
    int columns = 1;
};

// What the dialog offers to choose from.
struct LabelsDialogOffer
{
    QList<LabelsDialogLayout> layouts;
    int codeListCount = 0;
    // The codes of the scan session; none: the choice is not offered.
    int scanCount = 0;
};

// What the dialog shows for a state.
struct LabelsPreview
{
    LabelPaper paper;
    LabelPage firstPage;
    // "42 labels on 2 pages", and anything the user should know before printing: the codes that
    // will not be printed and why, labels too small for their barcode. Plain text.
    QString summary;
    QString problems;
    // Nothing would be printed, or something stops the job: Print and Save PDF are off.
    bool printable = false;
    // The chosen spreadsheet's columns ("C: Price"), by letter, and the ones in effect for the
    // names, prices and copies ("-": none).
    QStringList sheetColumns;
    QStringList sheetColumnLetters;
    QString nameColumn;
    QString priceColumn;
    QString copiesColumn;
};

enum class LabelsAction { Print, SavePdf };

struct LabelsChoice
{
    LabelsDialogState state;
    LabelsAction action = LabelsAction::SavePdf;
};

// The modal Print Labels dialog: the layout, what goes on each label, where the codes come from
// and how many of each, the first free place on the sheet, and a live preview of the first page.
// Every text from outside (names, problems) is shown as plain text.
class LabelsDialog
{
public:
    using Preview = std::function<LabelsPreview(const LabelsDialogState&)>;

    virtual ~LabelsDialog() = default;

    // Shows the dialog; `preview` is asked again whenever the state changes. "Print..." and "Save
    // PDF..." close it with the state; Cancel gives nothing.
    virtual std::optional<LabelsChoice> ask(const LabelsDialogState& initial,
                                            const LabelsDialogOffer& offer,
                                            const Preview& preview) = 0;
};
