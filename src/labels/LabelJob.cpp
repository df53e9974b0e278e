#include "labels/LabelJob.h"

#include "common/NumberText.h"
#include "labels/LabelSymbols.h"
#include "platform/LabelPrinter.h"

#include <algorithm>

QString LabelsOnPages(qsizetype labels, qsizetype pages)
{
    const int many = PluralCount(labels);
    if (labels == 1)
        return QCoreApplication::translate("LabelJob", "1 label on 1 page", nullptr, 1);
    if (pages == 1)
        //: %1 is a number of labels, more than one.
        return QCoreApplication::translate("LabelJob", "%1 labels on 1 page", nullptr, many)
            .arg(GroupedNumber(labels));
    //: %1 and %2 are numbers of labels and pages, more than one each.
    return QCoreApplication::translate("LabelJob", "%1 labels on %2 pages", nullptr, many)
        .arg(GroupedNumber(labels), GroupedNumber(pages));
}

LabelJob::LabelJob(const LabelLayout& layout, const LabelContent& content, LabelStart start,
                   LabelPrinter& printer)
    : m_layout(layout)
    , m_content(content)
    , m_start(start)
    , m_printer(printer)
{}

LabelJob::Place LabelJob::place(qsizetype index) const
{
    const qsizetype perPage = m_layout.perPage();
    const qsizetype at =
        index + qsizetype(m_start.row - 1) * m_layout.columns + (m_start.column - 1);
    const qsizetype slot = at % perPage;
    return Place{at / perPage,
                 m_layout.cell(int(slot / m_layout.columns), int(slot % m_layout.columns))};
}

QString LabelJob::startProblem() const
{
    if (m_start.row >= 1 && m_start.row <= m_layout.rows && m_start.column >= 1 &&
        m_start.column <= m_layout.columns)
        return {};
    //: %1 and %2 are the row and column asked for, %3 the layout, %4 and %5 its rows and
    //: columns.
    return tr("The first label cannot go to row %1, column %2: %3 has %4 rows of %5.")
        .arg(QString::number(m_start.row), QString::number(m_start.column), m_layout.name,
             QString::number(m_layout.rows), QString::number(m_layout.columns));
}

LabelJobPlan LabelJob::plan(const std::vector<LabelItem>& items, const std::function<void()>& pace)
{
    return layOut(items, pace, false);
}

LabelJobPlan LabelJob::preview(const std::vector<LabelItem>& items)
{
    return layOut(items, {}, true);
}

LabelJobPlan LabelJob::layOut(const std::vector<LabelItem>& items,
                              const std::function<void()>& pace, bool firstPageOnly)
{
    LabelJobPlan plan;
    plan.problem = startProblem();
    if (!plan.problem.isEmpty())
        return plan;
    // The places left on the first page.
    const qsizetype firstPage =
        m_layout.perPage() - (qsizetype(m_start.row - 1) * m_layout.columns + m_start.column - 1);
    LabelDesigner designer(m_layout, m_content, m_printer);
    qsizetype done = 0;
    qsizetype laidOut = 0;
    for (const LabelItem& item : items) {
        if (pace && ++done % 256 == 0)
            pace();
        if (item.copies <= 0)
            continue;
        std::optional<DesignedLabel> designed;
        if (!firstPageOnly || laidOut < firstPage) {
            designed = designer.design(item);
        } else if (const SymbolChoice choice = ChooseSymbol(item.code); !choice.refusal.isEmpty()) {
            designed = DesignedLabel{};
            designed->refusal = choice.refusal;
        }
        if (designed && !designed->label) {
            plan.refused.append(PlainLabelText(item.code).left(60) + u": " + designed->refusal);
            continue;
        }
        plan.labelCount += item.copies;
        if (plan.labelCount > kMostLabels) {
            //: %1 is the most labels a job prints.
            plan.problem = tr("More than %1 labels: print them in several jobs.")
                               .arg(QString::number(kMostLabels));
            plan.labels.clear();
            return plan;
        }
        if (!designed)
            continue;
        if (designed->scale > 0)
            plan.smallestScale = plan.smallestScale == 0
                                     ? designed->scale
                                     : std::min(plan.smallestScale, designed->scale);
        const int copies = firstPageOnly
                               ? int(std::min<qsizetype>(item.copies, firstPage - laidOut))
                               : item.copies;
        laidOut += copies;
        plan.labels.push_back({std::move(*designed->label), copies});
    }
    if (plan.labelCount > 0)
        plan.pageCount = place(plan.labelCount - 1).page + 1;
    return plan;
}

namespace {
// Calls `each` with every label of the plan and its place, in order, while it returns true.
template <typename Each>
void ForEachPlaced(const LabelJob& job, const LabelJobPlan& plan, Each&& each)
{
    qsizetype index = 0;
    for (const LabelJobPlan::Planned& planned : plan.labels) {
        for (int copy = 0; copy < planned.copies; ++copy) {
            if (!each(planned.label, job.place(index++)))
                return;
        }
    }
}

DrawnLabel Placed(const DrawnLabel& label, const QRectF& cell)
{
    DrawnLabel placed = label;
    placed.cell = cell;
    return placed;
}
} // namespace

LabelPage LabelJob::firstPage(const LabelJobPlan& plan) const
{
    LabelPage page;
    ForEachPlaced(*this, plan, [&](const DrawnLabel& label, const Place& place) {
        if (place.page > 0)
            return false;
        page.labels.append(Placed(label, place.cell));
        return true;
    });
    return page;
}

void LabelJob::print(const LabelJobPlan& plan, LabelPages& pages,
                     const std::function<void()>& pace) const
{
    LabelPage page;
    qsizetype pageNumber = 0;
    ForEachPlaced(*this, plan, [&](const DrawnLabel& label, const Place& place) {
        if (place.page != pageNumber) {
            pages.add(page);
            page.labels.clear();
            pageNumber = place.page;
            if (pace)
                pace();
        }
        page.labels.append(Placed(label, place.cell));
        return true;
    });
    if (!page.labels.isEmpty())
        pages.add(page);
    pages.finish();
}
