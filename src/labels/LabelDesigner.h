#pragma once

#include "labels/LabelItems.h"
#include "labels/LabelLayout.h"
#include "platform/LabelDrawing.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class LabelPrinter;

// What goes on each label of a job.
struct LabelContent
{
    bool barcode = true;
    bool name = true;
    bool price = false;
    // The code in digits: under the bars when there are bars (with "ISBN 978-..." above an
    // ISBN's), else a line of its own.
    bool digits = true;
    // A line of the user's own text, the same on every label.
    bool ownText = false;
    QString text;
    // Put beside every price where given ("€", "EUR").
    QString currency;
};

// One label laid out, or why its code cannot be printed on it.
struct DesignedLabel
{
    // The cell is the label's own rectangle at the page's top-left corner.
    std::optional<DrawnLabel> label;
    QString refusal;
    // The barcode's size against its nominal size (0.8 to 2.0); 0 without a barcode.
    double scale = 0;
    // How much of its nominal height the bars keep (0.5 to 1).
    double barHeight = 0;
};

// Lays out the labels of one layout: the lines of text at the top and the bottom of the label,
// the barcode as large as the room between them allows (80% to 200%), its bars shortened to no
// less than half their height when that is what it takes, every line elided with "…" to the
// label's width in the font it is printed in.
class LabelDesigner final
{
    Q_DECLARE_TR_FUNCTIONS(LabelDesigner)

public:
    LabelDesigner(const LabelLayout& layout, const LabelContent& content, LabelPrinter& printer);

    DesignedLabel design(const LabelItem& item);

    // The label's edge that stays free of ink, and the height of the text lines, in mm.
    double padding() const { return m_padding; }
    double textSize() const { return m_textSize; }

private:
    QString elided(const QString& text, double sizeMm, bool bold);
    void addLine(DrawnLabel& label, const QString& text, double top, double sizeMm, bool bold);

    LabelLayout m_layout;
    LabelContent m_content;
    LabelPrinter& m_printer;
    double m_padding = 0;
    double m_textSize = 0;
};

// The first problem of the layout for this content: labels too small for an EAN-13 at 80% with
// the lines chosen, said with the sizes; empty when a usual label fits.
QString LayoutSizeProblem(const LabelLayout& layout, const LabelContent& content,
                          LabelPrinter& printer);
