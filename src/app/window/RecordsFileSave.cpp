#include "app/window/RecordsFileSave.h"

#include "app/BatchOutput.h"
#include "app/SaveUntilSaved.h"
#include "common/PointerCode.h"
#include "platform/FileDialog.h"
#include "platform/Form1Window.h"
#include "platform/ListControl.h"
#include "platform/MessageBox.h"
#include "results/RecordWriter.h"
#include "results/RunOutcomes.h"

#include <QScopeGuard>

#include <algorithm>

void RecordsFileSave::SaveRecordsAs()
{
    const ListControl& table = m_platform.listView2;
    QStringList ticked;
    for (int row = 1; row <= table.count(); ++row) {
        if (table.isChecked(row))
            ticked.append(table.text(row));
    }
    const std::vector<CodeOutcome> rows = m_outcomes.ofRows(ticked);
    const bool anyRecord = std::any_of(rows.begin(), rows.end(), [](const CodeOutcome& outcome) {
        return outcome.status == CodeOutcome::Status::Found &&
               !outcome.product.details.record.isEmpty();
    });
    if (!anyRecord) {
        m_platform.messageBox.show(tr(kNoRecordsToSaveMessage.data()));
        return;
    }

    FileDialog& dialog = m_platform.commonDialog1;
    dialog.setFolderKind(FolderKind::Results);
    dialog.setFileName(m_lastFileName.isEmpty() ? QStringLiteral("records.mrc") : m_lastFileName);
    dialog.setFlags(FileDialogFlag::LongNames | FileDialogFlag::Explorer);
    dialog.setDialogTitle(tr(kSaveRecordsTitle.data()));
    dialog.setFilter(tr(kSaveRecordsFilter.data()));
    QStringList leftOut;
    QString savedTo;
    const bool saved =
        SaveUntilSaved(dialog, m_platform.messageBox, u"mrc", [&](const QString& path) {
            m_platform.window.setMousePointer(PointerCode::Hourglass);
            const auto restore =
                qScopeGuard([this] { m_platform.window.setMousePointer(PointerCode::Default); });
            const OutcomeFormat format = OutcomeFormatOfFile(path) == OutcomeFormat::MarcXml
                                             ? OutcomeFormat::MarcXml
                                             : OutcomeFormat::Marc;
            const std::unique_ptr<BatchOutput> output =
                BatchOutput::openFile(path, format, {}, m_platform.outputFiles);
            for (const CodeOutcome& outcome : rows)
                output->add(outcome);
            output->finish();
            leftOut = output->leftOut();
            savedTo = path;
            m_lastFileName = path;
        });
    if (!saved)
        return;
    //: %1 is the file, %n how many records it holds.
    QString said =
        tr("Catalogue records saved in %1: %n.", nullptr, int(rows.size() - leftOut.size()))
            .arg(savedTo);
    if (!leftOut.isEmpty())
        said += u'\n' + LeftOutSummary(leftOut);
    m_platform.messageBox.show(said);
}
