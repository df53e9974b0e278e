#include "app/window/LabelPrinting.h"

#include "app/LabelOptions.h"
#include "app/SaveUntilSaved.h"
#include "app/SettingsNames.h"
#include "common/NumberText.h"
#include "common/OperationFailed.h"
#include "labels/LabelJob.h"
#include "platform/EventLoop.h"
#include "platform/FileDialog.h"
#include "platform/LabelPrinter.h"
#include "platform/ListControl.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "sheets/SheetCodeLoader.h"
#include "sheets/SheetFile.h"

#include <QFileInfo>

#include <algorithm>

namespace {
// The dialog names this many refused codes, the message after printing more; the rest are
// counted.
constexpr qsizetype kRefusedShownInDialog = 5;
constexpr qsizetype kRefusedShownAfter = 20;
constexpr QStringView kNoColumn = u"-";

LabelContent ContentOf(const LabelsDialogState& state)
{
    LabelContent content;
    content.barcode = state.barcode;
    content.name = state.name;
    content.price = state.price;
    content.digits = state.digits;
    content.ownText = state.ownText;
    content.text = state.text;
    content.currency = state.currency;
    return content;
}

// The first refused codes, one a line, and how many more there are.
QString RefusedList(const QStringList& refused, qsizetype shown)
{
    QStringList lines = refused.mid(0, shown);
    if (refused.size() > shown)
        //: After a list of codes: how many more are not listed.
        lines.append(QCoreApplication::translate("LabelPrinting", "and %1 more", nullptr,
                                                 PluralCount(refused.size() - shown))
                         .arg(GroupedNumber(refused.size() - shown)));
    return lines.join(u'\n');
}

// The column a choice names: "" as Quillfen chooses (`automatic`), "-" none, else a letter.
qsizetype ColumnOfChoice(const QString& chosen, const CodeColumnChoice& choice, qsizetype automatic)
{
    if (chosen.isEmpty())
        return automatic;
    if (chosen == kNoColumn)
        return -1;
    return ColumnNamed(choice, chosen);
}

QString LetterOf(qsizetype column)
{
    return column < 0 ? kNoColumn.toString() : ColumnLetter(column);
}
} // namespace

LabelPrinting::LabelPrinting(const Platform& platform, const AppConfig& config)
    : m_platform(platform)
    , m_config(config)
{}

std::vector<LabelItem> LabelPrinting::CodeListItems(const ListControl& codes,
                                                    const std::vector<CodeOutcome>& outcomes)
{
    QHash<QString, QString> names;
    for (const CodeOutcome& outcome : outcomes) {
        if (outcome.status != CodeOutcome::Status::Found || outcome.product.name.isEmpty())
            continue;
        names.insert(outcome.code.trimmed(), outcome.product.name);
        if (!outcome.gtin.isEmpty())
            names.insert(outcome.gtin, outcome.product.name);
    }
    std::vector<LabelItem> items;
    items.reserve(std::size_t(codes.count()));
    for (int row = 1; row <= codes.count(); ++row) {
        const QString code = codes.text(row).trimmed();
        if (code.isEmpty())
            continue;
        QString name = names.value(code);
        if (name.isEmpty())
            name = names.value(CheckCode(code).gtin);
        items.push_back(LabelItem{code, name, {}, 1});
    }
    return items;
}

const LayoutEntry* LabelPrinting::layoutOf(const LabelsDialogState& state) const
{
    return m_config.layouts.find(state.layout);
}

LabelsDialogState LabelPrinting::savedState(const LabelsDialogOffer& offer) const
{
    const auto saved = [this](QStringView name) {
        return m_platform.settings.getSetting(kSettingsApplication.toString(),
                                              kSettingsSection.toString(), name.toString(), {});
    };
    LabelsDialogState state;
    state.layout = saved(kLabelLayoutValueName);
    if (!m_config.layouts.find(state.layout))
        state.layout = m_config.layouts.find(QStringLiteral("avery-l7160"))
                           ? QStringLiteral("avery-l7160")
                           : (offer.layouts.isEmpty() ? QString() : offer.layouts.front().name);
    if (const QString fields = saved(kLabelFieldsValueName); !fields.isEmpty()) {
        LabelContent content;
        if (ParseLabelFields(fields, content).isEmpty()) {
            state.barcode = content.barcode;
            state.digits = content.digits;
            state.name = content.name;
            state.price = content.price;
            state.ownText = content.ownText;
        }
    }
    state.currency = saved(kLabelCurrencyValueName);
    state.text = saved(kLabelTextValueName);
    if (m_codeList.empty() && !m_scans.empty()) {
        state.codesFrom = LabelCodesFrom::ScanSession;
        state.copiesFrom = LabelCopiesFrom::ScanCount;
    }
    return state;
}

void LabelPrinting::keep(const LabelsDialogState& state)
{
    QStringList fields;
    const std::pair<bool, QString> chosen[] = {{state.barcode, QStringLiteral("barcode")},
                                               {state.digits, QStringLiteral("digits")},
                                               {state.name, QStringLiteral("name")},
                                               {state.price, QStringLiteral("price")},
                                               {state.ownText, QStringLiteral("text")}};
    for (const auto& [on, field] : chosen) {
        if (on)
            fields.append(field);
    }
    const std::pair<QStringView, QString> values[] = {{kLabelLayoutValueName, state.layout},
                                                      {kLabelFieldsValueName, fields.join(u',')},
                                                      {kLabelCurrencyValueName, state.currency},
                                                      {kLabelTextValueName, state.text}};
    try {
        for (const auto& [name, value] : values)
            m_platform.settings.saveSetting(kSettingsApplication.toString(),
                                            kSettingsSection.toString(), name.toString(), value);
    } catch (const OperationFailed&) {
        // The choice is a convenience for next time; the labels are printed without it.
    }
}

LabelPrinting::Items LabelPrinting::itemsFor(const LabelsDialogState& state, LabelsPreview* columns)
{
    Items chosen;
    switch (state.codesFrom) {
    case LabelCodesFrom::CodeList:
        chosen.items = m_codeList;
        break;
    case LabelCodesFrom::ScanSession:
        chosen.items = m_scans;
        if (state.copiesFrom != LabelCopiesFrom::ScanCount) {
            for (LabelItem& item : chosen.items)
                item.copies = 1;
        }
        break;
    case LabelCodesFrom::Sheet: {
        if (state.sheetPath.isEmpty()) {
            chosen.problem = tr("Choose the spreadsheet the codes are in.");
            return chosen;
        }
        if (state.sheetPath != m_sheetPath) {
            m_sheetPath = state.sheetPath;
            m_sheet.reset();
            if (const std::optional<SheetFormat> format = SheetFormatOfFile(m_sheetPath))
                m_sheet = SheetCodeLoader(m_platform).read(m_sheetPath, *format);
        }
        if (!m_sheet) {
            //: %1 is the file's name.
            chosen.problem =
                tr("No codes could be read from %1.").arg(QFileInfo(state.sheetPath).fileName());
            return chosen;
        }
        const CodeColumnChoice& choice = m_sheet->choice;
        LabelSheetColumns sheetColumns;
        sheetColumns.code = choice.column;
        sheetColumns.firstRow = choice.firstRow;
        sheetColumns.name =
            ColumnOfChoice(state.nameColumn, choice, NameColumnOf(choice, m_sheet->sheet));
        sheetColumns.price =
            ColumnOfChoice(state.priceColumn, choice, PriceColumnOf(choice, m_sheet->sheet));
        if (state.copiesFrom == LabelCopiesFrom::SheetColumn) {
            sheetColumns.copies = ColumnOfChoice(state.copiesColumn, choice, -1);
            if (sheetColumns.copies < 0) {
                chosen.problem = tr("Choose the column that says how many labels of each code.");
            }
        }
        if (columns) {
            for (const SheetColumnSummary& column : choice.columns) {
                columns->sheetColumns.append(column.header.isEmpty()
                                                 ? column.letter
                                                 : column.letter + u": " + column.header);
                columns->sheetColumnLetters.append(column.letter);
            }
            columns->nameColumn = LetterOf(sheetColumns.name);
            columns->priceColumn = LetterOf(sheetColumns.price);
            columns->copiesColumn = LetterOf(sheetColumns.copies);
        }
        if (!chosen.problem.isEmpty())
            return chosen;
        SheetLabelItems read = LabelItemsOfSheet(m_sheet->sheet, sheetColumns);
        chosen.items = std::move(read.items);
        chosen.refused = read.problems;
        break;
    }
    }
    return chosen;
}

void LabelPrinting::fillNames(std::vector<LabelItem>& items, qsizetype upTo)
{
    qsizetype labels = 0;
    for (LabelItem& item : items) {
        if (labels >= upTo)
            return;
        if (item.copies <= 0)
            continue;
        labels += item.copies;
        if (!item.name.isEmpty())
            continue;
        const auto known = m_namesKnown.constFind(item.code);
        if (known != m_namesKnown.constEnd()) {
            item.name = *known;
            continue;
        }
        if (!m_names)
            m_names = std::make_unique<LocalNames>(m_config, m_platform.settings,
                                                   m_platform.productIndex, &m_platform.answers,
                                                   m_platform.eventLoop, m_platform.clock);
        item.name = m_names->nameOf(item.code);
        m_namesKnown.insert(item.code, item.name);
    }
}

LabelsPreview LabelPrinting::preview(const LabelsDialogState& state)
{
    LabelsPreview shown;
    const LayoutEntry* const entry = layoutOf(state);
    if (!entry) {
        shown.problems = tr("Choose a layout.");
        return shown;
    }
    const LabelLayout& layout = entry->layout;
    shown.paper = layout.paper();
    Items items = itemsFor(state, &shown);
    if (!items.problem.isEmpty()) {
        shown.problems = items.problem;
        return shown;
    }
    const LabelContent content = ContentOf(state);
    if (content.name)
        fillNames(items.items, layout.perPage());
    LabelJob job(layout, content, LabelStart{state.startRow, state.startColumn},
                 m_platform.labelPrinter);
    const LabelJobPlan plan = job.preview(items.items);
    shown.firstPage = job.firstPage(plan);
    QStringList problems;
    if (!plan.problem.isEmpty())
        problems.append(plan.problem);
    if (content.barcode) {
        if (const QString tooSmall = LayoutSizeProblem(layout, content, m_platform.labelPrinter);
            !tooSmall.isEmpty())
            problems.append(tooSmall);
    }
    const QStringList refused = items.refused + plan.refused;
    if (!refused.isEmpty())
        problems.append(tr("Not printed:") + u'\n' + RefusedList(refused, kRefusedShownInDialog));
    shown.problems = problems.join(u'\n');
    if (plan.labelCount == 0 && plan.problem.isEmpty())
        shown.summary = tr("No label to print.");
    else if (plan.problem.isEmpty())
        shown.summary = plan.smallestScale > 0
                            //: %1 says how many labels on how many pages, %2 is a percentage.
                            ? tr("%1, barcodes at %2% of their size or more.")
                                  .arg(LabelsOnPages(plan.labelCount, plan.pageCount),
                                       QString::number(qRound(plan.smallestScale * 100)))
                            : LabelsOnPages(plan.labelCount, plan.pageCount);
    shown.printable = plan.problem.isEmpty() && plan.labelCount > 0;
    return shown;
}

void LabelPrinting::PrintLabels(std::vector<LabelItem> codeList, std::vector<LabelItem> scans)
{
    m_codeList = std::move(codeList);
    m_scans = std::move(scans);
    m_namesKnown.clear();
    m_names.reset();
    if (m_config.layouts.entries.isEmpty()) {
        m_platform.messageBox.show(tr("No label layout was found. Reinstall Quillfen, or put a "
                                      "layout file into %1.")
                                       .arg(m_config.userLayoutFolder),
                                   MessageIcon::Warning);
        return;
    }
    LabelsDialogOffer offer;
    for (const LayoutEntry& entry : m_config.layouts.entries) {
        const LabelLayout& layout = entry.layout;
        offer.layouts.append(LabelsDialogLayout{
            layout.name, layout.name + u": " + LayoutSummary(layout), layout.rows, layout.columns});
    }
    offer.codeListCount = int(m_codeList.size());
    offer.scanCount = int(m_scans.size());
    const std::optional<LabelsChoice> choice = m_platform.labelsDialog.ask(
        savedState(offer), offer,
        [this](const LabelsDialogState& state) { return preview(state); });
    if (!choice)
        return;
    keep(choice->state);
    print(*choice);
}

void LabelPrinting::print(const LabelsChoice& choice)
{
    const LabelsDialogState& state = choice.state;
    const LayoutEntry* const entry = layoutOf(state);
    if (!entry)
        return;
    const LabelLayout& layout = entry->layout;
    Items items = itemsFor(state, nullptr);
    if (!items.problem.isEmpty()) {
        m_platform.messageBox.show(items.problem);
        return;
    }
    const LabelContent content = ContentOf(state);
    const auto pace = [this] { m_platform.eventLoop.yield(); };
    if (content.name)
        fillNames(items.items, kMostLabels);
    LabelJob job(layout, content, LabelStart{state.startRow, state.startColumn},
                 m_platform.labelPrinter);
    const LabelJobPlan plan = job.plan(items.items, pace);
    if (!plan.problem.isEmpty() || plan.labelCount == 0) {
        m_platform.messageBox.show(plan.problem.isEmpty() ? tr("No label to print.")
                                                          : plan.problem);
        return;
    }
    QString done;
    if (choice.action == LabelsAction::SavePdf) {
        FileDialog& dialog = m_platform.commonDialog1;
        dialog.setFolderKind(FolderKind::Exports);
        dialog.setFileName(QStringLiteral("labels.pdf"));
        dialog.setFlags(FileDialogFlag::LongNames | FileDialogFlag::Explorer);
        dialog.setDialogTitle(tr("Save the Labels as PDF"));
        //: A file dialog's filter: the description, "|", the pattern, "|".
        dialog.setFilter(tr("PDF (*.pdf)|*.pdf|"));
        const bool saved =
            SaveUntilSaved(dialog, m_platform.messageBox, u"pdf", [&](const QString& path) {
                const std::unique_ptr<LabelPages> pages =
                    m_platform.labelPrinter.openPdf(path, layout.paper());
                job.print(plan, *pages, pace);
                //: %1 is the file, %2 says how many labels on how many pages ("42 labels on
                //: 2 pages").
                done = tr("Saved in %1: %2.")
                           .arg(QFileInfo(path).fileName(),
                                LabelsOnPages(plan.labelCount, plan.pageCount));
            });
        if (!saved)
            return;
    } else {
        try {
            const std::unique_ptr<LabelPages> pages =
                m_platform.labelPrinter.openPrinter(layout.paper(), int(plan.pageCount));
            if (!pages)
                return;
            job.print(plan, *pages, pace);
        } catch (const OperationFailed& failure) {
            //: %1 is why.
            m_platform.messageBox.show(
                tr("The labels were not printed: %1").arg(failure.description()),
                MessageIcon::Warning);
            return;
        }
        //: %1 says how many labels on how many pages.
        done = tr("%1 went to the printer.").arg(LabelsOnPages(plan.labelCount, plan.pageCount));
    }
    const QStringList refused = items.refused + plan.refused;
    if (!refused.isEmpty())
        done += u"\n\n" + tr("These codes were not printed:") + u'\n' +
                RefusedList(refused, kRefusedShownAfter);
    m_platform.messageBox.show(done);
}
