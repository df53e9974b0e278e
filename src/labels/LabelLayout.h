#pragma once

#include "platform/LabelDrawing.h"

#include <QByteArray>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <variant>

// A sheet of labels, or a label printer's roll, as a layout file describes it (docs/labels.md):
// the page, the labels' size, how many across and down, where the first one starts and how far
// apart they are. Lengths are kept in millimetres whatever the file's unit.
struct LabelLayout
{
    QString name;        // as --labels names it: "avery-l7160"
    QString description; // "Avery L7160"; may be empty
    bool inches = false; // the file gave its lengths in inches, and the listing does too
    QString pageName;    // "A4", "Letter"; empty for a page given by its size
    QSizeF page;
    QSizeF label;
    int columns = 1;
    int rows = 1;
    double topMargin = 0;
    double leftMargin = 0;
    double horizontalPitch = 0;
    double verticalPitch = 0;
    // Only the preview draws the corners: the labels are cut already.
    double cornerRadius = 0;

    int perPage() const { return columns * rows; }
    // The place of the label in the row and column (from 0) on the page.
    QRectF cell(int row, int column) const;
    // Every place on a page, for the preview.
    LabelPaper paper() const;
};

// A layout file is small; a larger one is refused unread.
inline constexpr qint64 kLargestLayoutFile = 64 * 1024;
inline constexpr int kMostColumnsOrRows = 100;

// Reads a layout file. Every field is checked, and a refusal names the file and the field and
// says why ("tiny.json: columns: 0 is not a whole number from 1 to 100"), as do labels that do
// not fit on the page or overlap.
std::variant<LabelLayout, QString> ReadLabelLayout(const QString& fileName,
                                                   const QByteArray& content);

// "A4, 3 × 7 labels of 63.5 × 38.1 mm" in the file's unit, for listings and the dialog.
QString LayoutSummary(const LabelLayout& layout);
