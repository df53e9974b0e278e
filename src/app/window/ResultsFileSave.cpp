#include "app/window/ResultsFileSave.h"

#include "app/BatchOutput.h"
#include "app/SaveUntilSaved.h"
#include "common/PointerCode.h"
#include "platform/ColumnChoiceDialog.h"
#include "platform/FileDialog.h"
#include "platform/Form1Window.h"
#include "platform/ListControl.h"
#include "platform/MessageBox.h"
#include "results/RunOutcomes.h"
#include "results/SameProductRows.h"

namespace {
// The hourglass while a file is written, the arrow again however the writing ends.
class HourglassWhile final
{
public:
    explicit HourglassWhile(Form1Window& window)
        : m_window(window)
    {
        m_window.setMousePointer(PointerCode::Hourglass);
    }
    ~HourglassWhile()
    {
        try {
            m_window.setMousePointer(PointerCode::Default);
        } catch (...) {
            // The window has gone; there is no pointer left to restore.
        }
    }
    HourglassWhile(const HourglassWhile&) = delete;
    HourglassWhile& operator=(const HourglassWhile&) = delete;

private:
    Form1Window& m_window;
};
} // namespace

void ResultsFileSave::SaveResultsAs()
{
    const ListControl& table = m_platform.listView2;
    QStringList ticked;
    for (int row = 1; row <= table.count(); ++row) {
        if (table.isChecked(row))
            ticked.append(table.text(row));
    }
    const std::vector<CodeOutcome> rows = m_outcomes.ofRows(ticked);
    if (rows.empty()) {
        m_platform.messageBox.show(tr(kNoResultsToSaveMessage.data()));
        return;
    }

    QStringList labels;
    for (const QString& column : OutcomeColumns())
        labels.append(OutcomeColumnLabel(column));
    const std::optional<QList<qsizetype>> columns = m_platform.columnChoice.chooseSeveral(
        tr(kSaveResultsColumnsTitle.data()), tr(kSaveResultsColumnsQuestion.data()), labels,
        m_columns);
    if (!columns || columns->isEmpty())
        return;
    m_columns = *columns;

    FileDialog& dialog = m_platform.commonDialog1;
    // Not the dialog's last name, which may be a code list the user loaded.
    dialog.setFolderKind(FolderKind::Results);
    dialog.setFileName(m_lastFileName.isEmpty() ? QStringLiteral("results.csv") : m_lastFileName);
    dialog.setFlags(FileDialogFlag::LongNames | FileDialogFlag::Explorer);
    dialog.setDialogTitle(tr(kSaveResultsTitle.data()));
    dialog.setFilter(tr(kSaveResultsFilter.data()));
    SaveUntilSaved(dialog, m_platform.messageBox, u"csv", [&](const QString& path) {
        const HourglassWhile busy(m_platform.window);
        const OutcomeFormat format = OutcomeFormatOfFile(path).value_or(OutcomeFormat::Csv);
        const std::unique_ptr<BatchOutput> output =
            BatchOutput::openFile(path, format, m_columns, m_platform.outputFiles);
        SameProductRows firstRows;
        int row = 0;
        for (CodeOutcome outcome : rows) {
            outcome.sameAs = firstRows.sameAs(outcome.gtin, ++row);
            output->add(outcome);
        }
        output->finish();
        m_lastFileName = path;
    });
}
