#include "app/SheetEnrichment.h"

#include "app/BatchOutput.h"
#include "app/SaveUntilSaved.h"
#include "common/CellText.h"
#include "common/NumberText.h"
#include "common/OperationFailed.h"
#include "lookup/LookupChain.h"
#include "lookup/LookupRun.h"
#include "platform/FileDialog.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "results/OutcomeWriter.h"
#include "sheets/SheetCodeLoader.h"
#include "sheets/SheetCodes.h"

#include <QFileInfo>

namespace {
// The formats an enriched copy is saved in, the source's own first.
QString SaveFilter(SheetFormat source)
{
    const QString workbook = QStringLiteral("Excel Workbook (*.xlsx)|*.xlsx|");
    const QString openDocument = QStringLiteral("OpenDocument Spreadsheet (*.ods)|*.ods|");
    const QString csv = QStringLiteral("CSV (*.csv)|*.csv|");
    const QString tsv = QStringLiteral("Tab-Separated Text (*.tsv)|*.tsv|");
    switch (source) {
    case SheetFormat::Csv:
        return csv + workbook + openDocument + tsv;
    case SheetFormat::Tsv:
        return tsv + workbook + openDocument + csv;
    case SheetFormat::Ods:
        return openDocument + workbook + csv + tsv;
    case SheetFormat::Xlsx:
        break;
    }
    return workbook + openDocument + csv + tsv;
}

// "supplier.xlsx" gives "supplier with names.xlsx" beside it.
QString SuggestedName(const QString& source)
{
    const QFileInfo info(source);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(" with names.") +
                               info.suffix());
}
} // namespace

QString EnrichCutCellsMessage(qsizetype cut)
{
    return QStringLiteral("The enriched spreadsheet was saved. %1 longer than Excel's limit of "
                          "%2 characters %3 cut, ending in \u2026.")
        .arg(cut == 1 ? QStringLiteral("One cell") : GroupedNumber(cut) + QStringLiteral(" cells"),
             GroupedNumber(kMostCellCharacters),
             cut == 1 ? QStringLiteral("was") : QStringLiteral("were"));
}

void SheetEnrichment::EnrichSpreadsheet()
{
    if (m_run.isBusy())
        return;
    FileDialog& dialog = m_platform.commonDialog1;
    dialog.setFileName(QString());
    dialog.setFlags(FileDialogFlag::LongNames | FileDialogFlag::Explorer);
    dialog.setDialogTitle(kEnrichOpenTitle.toString());
    dialog.setFilter(kEnrichOpenFilter.toString());
    dialog.showOpen();
    const QString source = dialog.fileName();
    const std::optional<SheetFormat> format = SheetFormatOfFile(source);
    if (source.isEmpty() || !format)
        return;
    SheetCodeLoader reader(m_platform);
    const std::optional<SheetAndColumn> read = reader.read(source, *format);
    if (!read)
        return;
    QStringList codes;
    for (const SheetCode& code :
         CodesOfColumn(read->sheet, read->choice.column, read->choice.firstRow))
        codes.append(code.code);
    std::vector<CodeOutcome> outcomes;
    if (!m_run.LookUpCodes(codes, [&](const CodeOutcome& outcome) { outcomes.push_back(outcome); }))
        return;

    dialog.setFileName(SuggestedName(source));
    dialog.setDialogTitle(kEnrichSaveTitle.toString());
    dialog.setFilter(SaveFilter(*format));
    // A name that cannot be written to is offered again: the lookup is not run again.
    SaveUntilSaved(dialog, m_platform.messageBox, {}, [&](const QString& target) {
        if (m_platform.files.sameFile(source, target))
            throw OperationFailed(kEnrichSameFileReason.toString());
        const OutcomeFormat written = OutcomeFormatOfFile(target).value_or(OutcomeFormat::Xlsx);
        BatchOptions options;
        options.output = target;
        const std::unique_ptr<BatchOutput> output = BatchOutput::openEnriched(
            options, written, read->sheet, read->choice, m_platform.outputFiles, nullptr);
        for (const CodeOutcome& outcome : outcomes)
            output->add(outcome);
        output->finish();
        if (const qsizetype cut = output->cutCells(); cut > 0)
            m_platform.messageBox.show(EnrichCutCellsMessage(cut));
    });
}
