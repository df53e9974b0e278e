#include "app/labels/LabelsCommand.h"

#include "app/TerminalSafeConsole.h"
#include "codes/CodeFileLoader.h"
#include "common/OperationFailed.h"
#include "labels/LabelItems.h"
#include "labels/LabelJob.h"
#include "labels/LabelLayouts.h"
#include "platform/BatchConsole.h"
#include "platform/FileSystem.h"
#include "platform/LabelPrinter.h"
#include "sheets/CodeColumn.h"
#include "sheets/SheetFile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// A column named by an option: its header, letter or number; -1 and a problem when none is so.
qsizetype NamedColumn(const CodeColumnChoice& choice, const QString& named, const QString& option,
                      QString& problem)
{
    if (named.isEmpty())
        return -1;
    const qsizetype column = ColumnNamed(choice, named);
    if (column < 0)
        //: %1 is the option, %2 the column it names.
        problem = QCoreApplication::translate("LabelsCommand",
                                              "%1 names no column of the spreadsheet: \"%2\".")
                      .arg(option, named);
    return column;
}

// The items of one spreadsheet input.
QString ReadSheet(const QString& path, SheetFormat format, const LabelOptions& options,
                  const LabelServices& services, std::vector<LabelItem>& items,
                  QStringList& rowProblems)
{
    const Sheet sheet =
        ReadSheetFile(path, format, options.sheet, SheetServices{services.files, services.zips});
    if (!sheet.hasData())
        return QCoreApplication::translate("LabelsCommand", "the sheet holds nothing");
    CodeColumnChoice choice;
    if (!options.column.isEmpty()) {
        const std::optional<CodeColumnChoice> named = NamedCodeColumn(sheet, options.column);
        if (!named)
            return QCoreApplication::translate(
                       "LabelsCommand", "--column names no column of the spreadsheet: \"%1\".")
                .arg(options.column);
        choice = *named;
    } else {
        choice = ChooseCodeColumn(sheet);
        if (choice.column < 0) {
            QStringList columns;
            for (const SheetColumnSummary& column : choice.columns)
                columns.append(column.header.isEmpty() ? column.letter
                                                       : column.letter + u' ' + column.header);
            //: %1 lists the sheet's columns.
            return QCoreApplication::translate(
                       "LabelsCommand", "which column holds the codes? Name it with --column: %1")
                .arg(columns.join(QStringLiteral(", ")));
        }
    }
    LabelSheetColumns columns;
    columns.code = choice.column;
    columns.firstRow = choice.firstRow;
    QString problem;
    columns.name = options.nameColumn.isEmpty()
                       ? NameColumnOf(choice, sheet)
                       : NamedColumn(choice, options.nameColumn,
                                     QStringLiteral("--label-name-column"), problem);
    columns.price = options.priceColumn.isEmpty()
                        ? PriceColumnOf(choice, sheet)
                        : NamedColumn(choice, options.priceColumn,
                                      QStringLiteral("--label-price-column"), problem);
    columns.copies =
        NamedColumn(choice, options.copiesColumn, QStringLiteral("--label-copies-column"), problem);
    if (!problem.isEmpty())
        return problem;
    SheetLabelItems read = LabelItemsOfSheet(sheet, columns);
    for (LabelItem& item : read.items) {
        if (columns.copies < 0)
            item.copies = options.copies;
        items.push_back(std::move(item));
    }
    for (const QString& rowProblem : read.problems)
        rowProblems.append(QFileInfo(path).fileName() + u", " + rowProblem);
    return {};
}

// The codes of a text file or of standard input, one a line.
QString ReadCodes(const FileSystem::Contents& contents, const LabelOptions& options,
                  std::vector<LabelItem>& items)
{
    if (contents.overLimit)
        return QCoreApplication::translate("LabelsCommand", "larger than 100 MB");
    const std::optional<QString> text = CodeFileText(contents.bytes);
    if (!text)
        return QCoreApplication::translate("LabelsCommand", "not a text file");
    for (const QString& row : CodeFileRows(*text)) {
        const QString code = row.trimmed();
        if (!code.isEmpty())
            items.push_back(LabelItem{code, {}, {}, options.copies});
    }
    return {};
}

// Whether a command-line argument that names no file was meant as one: a path, or a name with
// the extension of a code list or a spreadsheet. Anything else is a code to print.
bool LooksLikeFile(const QString& argument)
{
    static const QStringList extensions{QStringLiteral("txt"), QStringLiteral("csv"),
                                        QStringLiteral("tsv"), QStringLiteral("xlsx"),
                                        QStringLiteral("ods"), QStringLiteral("xls")};
    return argument.contains(u'/') || argument.contains(u'\\') ||
           extensions.contains(QFileInfo(argument).suffix().toLower());
}
} // namespace

int ListLayouts(const AppConfig& config, BatchConsole& console)
{
    // The files refused were named at start-up.
    TerminalSafeConsole safe(console);
    safe.writeStandardOutput(LayoutListing(config.layouts).toUtf8());
    return config.layouts.fatal.isEmpty() ? kLabelsPrinted : kLabelsBadUsage;
}

int RunLabels(const AppConfig& config, const LabelServices& services)
{
    TerminalSafeConsole console(services.console);
    const LabelOptions& options = config.labels;
    if (!config.layouts.fatal.isEmpty())
        return kLabelsBadUsage;
    const LayoutEntry* const layout = config.layouts.find(options.layout);
    if (!layout) {
        QStringList names;
        for (const LayoutEntry& entry : config.layouts.entries)
            names.append(entry.layout.name);
        //: %1 is the name given, %2 the layouts there are.
        console.writeStandardError(CommandProblem(
            QCoreApplication::translate(
                "LabelsCommand",
                "No label layout \"%1\": choose from %2 (--list-layouts), or give your own with "
                "--layout-file.")
                .arg(options.layout, names.join(QStringLiteral(", ")))));
        return kLabelsBadUsage;
    }

    std::vector<LabelItem> items;
    QStringList rowProblems;
    bool sheetRead = false;
    for (const QString& input : options.inputs) {
        QString problem;
        try {
            if (input == u"-") {
                problem = ReadCodes(services.console.readStandardInput(kMaxCodeFileBytes), options,
                                    items);
            } else if (services.files.fileFound(input)) {
                if (const std::optional<SheetFormat> format = SheetFormatOfFile(input)) {
                    problem = ReadSheet(input, *format, options, services, items, rowProblems);
                    sheetRead = true;
                } else {
                    problem = ReadCodes(services.files.readFile(input, kMaxCodeFileBytes), options,
                                        items);
                }
            } else if (LooksLikeFile(input)) {
                problem = QCoreApplication::translate("LabelsCommand", "no such file");
            } else {
                items.push_back(LabelItem{input, {}, {}, options.copies});
            }
        } catch (const OperationFailed& failure) {
            problem = failure.description();
        }
        if (!problem.isEmpty()) {
            //: %1 is an input (a file's name), %2 what is wrong with it.
            console.writeStandardError(CommandProblem(
                QCoreApplication::translate("LabelsCommand", "%1: %2").arg(input, problem)));
            return kLabelsBadUsage;
        }
    }
    if (!options.copiesColumn.isEmpty() && !sheetRead) {
        console.writeStandardError(CommandProblem(QCoreApplication::translate(
            "LabelsCommand", "--label-copies-column needs a spreadsheet among the inputs.")));
        return kLabelsBadUsage;
    }
    if (options.content.name && services.nameOf) {
        for (LabelItem& item : items) {
            if (item.name.isEmpty() && item.copies > 0)
                item.name = services.nameOf(item.code);
        }
    }

    LabelJob job(layout->layout, options.content, options.start, services.printer);
    const LabelJobPlan plan = job.plan(items);
    if (!plan.problem.isEmpty()) {
        console.writeStandardError(CommandProblem(plan.problem));
        return kLabelsBadUsage;
    }
    for (const QString& problem : rowProblems)
        //: %1 is a row of a spreadsheet and why it is not printed.
        console.writeStandardError(CommandProblem(
            QCoreApplication::translate("LabelsCommand", "not printed: %1").arg(problem)));
    for (const QString& refused : plan.refused)
        //: %1 is a code and why it is not printed ("4006381333932: check digit should be 1").
        console.writeStandardError(CommandProblem(
            QCoreApplication::translate("LabelsCommand", "not printed: %1").arg(refused)));
    if (plan.labelCount == 0) {
        console.writeStandardError(CommandProblem(
            QCoreApplication::translate("LabelsCommand", "no label to print; %1 was not written.")
                .arg(options.output)));
        return kLabelsSomeRefused;
    }
    try {
        const std::unique_ptr<LabelPages> pages =
            services.printer.openPdf(options.output, layout->layout.paper());
        job.print(plan, *pages);
    } catch (const OperationFailed& failure) {
        //: %1 is the file, %2 why it could not be written.
        console.writeStandardError(
            CommandProblem(QCoreApplication::translate("LabelsCommand", "%1 was not written: %2")
                               .arg(options.output, failure.description())));
        return kLabelsSomeRefused;
    }
    //: %1 says how many labels on how many pages ("42 labels on 2 pages"), %2 is the file.
    console.writeStandardError(
        CommandProblem(QCoreApplication::translate("LabelsCommand", "%1: %2")
                           .arg(LabelsOnPages(plan.labelCount, plan.pageCount), options.output)));
    return plan.refused.isEmpty() && rowProblems.isEmpty() ? kLabelsPrinted : kLabelsSomeRefused;
}
