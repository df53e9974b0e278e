#pragma once

#include "labels/LabelDesigner.h"
#include "labels/LabelItems.h"
#include "labels/LabelLayout.h"
#include "platform/LabelDrawing.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class LabelPages;
class LabelPrinter;

// Where the first label of a job goes on the first page: a sheet used before has its first
// labels gone. Row and column count from 1.
struct LabelStart
{
    int row = 1;
    int column = 1;
};

// A job laid out: every label in order (a code's copies one after another), and the codes that
// are not printed, each with why ("4006381333932: check digit should be 1").
struct LabelJobPlan
{
    // One designed label for each code; `copies` says how many times it is printed.
    struct Planned
    {
        DrawnLabel label;
        int copies = 1;
    };
    std::vector<Planned> labels;
    qsizetype labelCount = 0;
    qsizetype pageCount = 0;
    QStringList refused;
    // What stops the whole job (a start outside the sheet, too many labels); empty when it can
    // be printed.
    QString problem;
    // The smallest scale any barcode got, for the dialog to say; 0 without barcodes.
    double smallestScale = 0;
};

// "42 labels on 2 pages", "1 label on 1 page".
QString LabelsOnPages(qsizetype labels, qsizetype pages);

// A label job: the codes laid out on a layout's labels, from the start position on, page after
// page to the pages it is printed on.
class LabelJob final
{
    Q_DECLARE_TR_FUNCTIONS(LabelJob)

public:
    LabelJob(const LabelLayout& layout, const LabelContent& content, LabelStart start,
             LabelPrinter& printer);

    // Lays out the items: each code's label once, however many copies it asks for. `pace` is
    // called every so many codes (the window's events run; it may throw to stop).
    LabelJobPlan plan(const std::vector<LabelItem>& items, const std::function<void()>& pace = {});
    // The same for the preview: counts and codes refused for the whole job, but only the labels
    // of the first page laid out, so that a job of a hundred thousand codes is previewed as
    // quickly as one of ten. A barcode too large for its label is found on the first page only.
    LabelJobPlan preview(const std::vector<LabelItem>& items);
    // The first page of a plan, for the preview.
    LabelPage firstPage(const LabelJobPlan& plan) const;
    // Every page of the plan, one after another, then finish(). `pace` is called after each
    // page.
    void print(const LabelJobPlan& plan, LabelPages& pages,
               const std::function<void()>& pace = {}) const;

    // The place of the label numbered so (from 0) of the job: its page and its cell there.
    struct Place
    {
        qsizetype page = 0;
        QRectF cell;
    };
    Place place(qsizetype index) const;

    const LabelLayout& layout() const { return m_layout; }

private:
    QString startProblem() const;
    LabelJobPlan layOut(const std::vector<LabelItem>& items, const std::function<void()>& pace,
                        bool firstPageOnly);

    LabelLayout m_layout;
    LabelContent m_content;
    LabelStart m_start;
    LabelPrinter& m_printer;
};
