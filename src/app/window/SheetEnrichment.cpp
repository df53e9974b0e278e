#include "app/window/SheetEnrichment.h"

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
#include "platform/QuestionBox.h"
#include "results/OutcomeWriter.h"
#include "sheets/SheetCodeLoader.h"
#include "sheets/SheetCodes.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace {
// The formats an enriched copy is saved in, the source's own first.
QString SaveFilter(SheetFormat source)
{
    const QString workbook =
        QCoreApplication::translate("SheetEnrichment", "Excel Workbook (*.xlsx)") +
        QStringLiteral("|*.xlsx|");
    const QString openDocument =
        QCoreApplication::translate("SheetEnrichment", "OpenDocument Spreadsheet (*.ods)") +
        QStringLiteral("|*.ods|");
    const QString csv = QStringLiteral("CSV (*.csv)|*.csv|");
    const QString tsv =
        QCoreApplication::translate("SheetEnrichment", "Tab-Separated Text (*.tsv)") +
        QStringLiteral("|*.tsv|");
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
    //: A file name offered for the enriched copy; %1 is the spreadsheet's own name.
    return info.dir().filePath(QCoreApplication::translate("SheetEnrichment", "%1 with names")
                                   .arg(info.completeBaseName()) +
                               u'.' + info.suffix());
}
} // namespace

QString EnrichCutCellsMessage(qsizetype cut)
{
    const QString limit = GroupedNumber(kMostCellCharacters);
    if (cut == 1)
        //: %1 is how many characters a cell may hold.
        return QCoreApplication::translate("SheetEnrichment",
                                           "The enriched spreadsheet was saved. One cell longer "
                                           "than Excel's limit of %1 characters was cut, ending "
                                           "in \u2026.",
                                           nullptr, 1)
            .arg(limit);
    //: %1 is how many cells, %2 how many characters a cell may hold.
    return QCoreApplication::translate("SheetEnrichment",
                                       "The enriched spreadsheet was saved. %1 cells longer than "
                                       "Excel's limit of %2 characters were cut, ending in "
                                       "\u2026.",
                                       nullptr, PluralCount(cut))
        .arg(GroupedNumber(cut), limit);
}

QString EnrichValuesOnlyQuestion(const QString& path, const QString& reason)
{
    //: %1 is the spreadsheet's file name, %2 why it cannot be copied.
    return QCoreApplication::translate("SheetEnrichment",
                                       "%1 cannot be copied as it is: %2.\n\nSave a copy of its "
                                       "values instead, without its formulas, formats and other "
                                       "sheets?")
        .arg(QFileInfo(path).fileName(), reason);
}

QString EnrichUnencodableMessage(qsizetype lost)
{
    if (lost == 1)
        return QCoreApplication::translate("SheetEnrichment",
                                           "The enriched spreadsheet was saved. One character of "
                                           "the answers is not in its encoding (Windows-1252) and "
                                           "was written as \"?\".",
                                           nullptr, 1);
    //: %1 is how many characters.
    return QCoreApplication::translate("SheetEnrichment",
                                       "The enriched spreadsheet was saved. %1 characters of the "
                                       "answers are not in its encoding (Windows-1252) and were "
                                       "written as \"?\".",
                                       nullptr, PluralCount(lost))
        .arg(GroupedNumber(lost));
}

void SheetEnrichment::EnrichSpreadsheet()
{
    if (m_run.isBusy())
        return;
    FileDialog& dialog = m_platform.commonDialog1;
    dialog.setFolderKind(FolderKind::Workbooks);
    dialog.setFileName(QString());
    dialog.setFlags(FileDialogFlag::LongNames | FileDialogFlag::Explorer);
    dialog.setDialogTitle(tr(kEnrichOpenTitle.data()));
    dialog.setFilter(tr(kEnrichOpenFilter.data()));
    dialog.showOpen();
    const QString source = dialog.fileName();
    const std::optional<SheetFormat> format = SheetFormatOfFile(source);
    if (source.isEmpty() || !format)
        return;
    SheetCodeLoader reader(m_platform);
    const std::optional<SheetAndColumn> read = reader.read(source, *format);
    if (!read)
        return;
    // A workbook that cannot be copied as it is says so now, not after the lookup.
    const EnrichedSource own{source, m_platform.zips, m_platform.files};
    const std::optional<OutcomeFormat> ownFormat = OutcomeFormatOfFile(source);
    if (ownFormat) {
        const FaithfulCopyCheck check = CheckFaithfulCopy(own, *ownFormat);
        if (!check.problem.isEmpty() &&
            !m_platform.questionBox.ask(EnrichValuesOnlyQuestion(source, check.problem)))
            return;
    }
    QStringList codes;
    for (const SheetCode& code :
         CodesOfColumn(read->sheet, read->choice.column, read->choice.firstRow))
        codes.append(code.code);
    std::vector<CodeOutcome> outcomes;
    if (!m_run.LookUpCodes(codes, [&](const CodeOutcome& outcome) { outcomes.push_back(outcome); }))
        return;

    dialog.setFileName(SuggestedName(source));
    dialog.setDialogTitle(tr(kEnrichSaveTitle.data()));
    dialog.setFilter(SaveFilter(*format));
    // A name that cannot be written to is offered again: the lookup is not run again.
    SaveUntilSaved(dialog, m_platform.messageBox, {}, [&](const QString& target) {
        if (m_platform.files.sameFile(source, target))
            throw OperationFailed(tr(kEnrichSameFileReason.data()));
        const OutcomeFormat written = OutcomeFormatOfFile(target).value_or(OutcomeFormat::Xlsx);
        BatchOptions options;
        options.output = target;
        const std::unique_ptr<BatchOutput> output = BatchOutput::openEnriched(
            options, written, read->sheet, read->choice, m_platform.outputFiles, nullptr, &own);
        for (const CodeOutcome& outcome : outcomes)
            output->add(outcome);
        output->finish();
        if (const qsizetype cut = output->cutCells(); cut > 0)
            m_platform.messageBox.show(EnrichCutCellsMessage(cut));
        if (const qsizetype lost = output->unencodableCharacters(); lost > 0)
            m_platform.messageBox.show(EnrichUnencodableMessage(lost));
    });
}
