#include "app/window/ResultsFileSave.h"

#include "app/BatchOutput.h"
#include "app/SaveUntilSaved.h"
#include "app/window/ListingSheets.h"
#include "common/MainRoutines.h"
#include "common/PointerCode.h"
#include "listings/ShopFile.h"
#include "platform/ColumnChoiceDialog.h"
#include "platform/FileDialog.h"
#include "platform/Form1Window.h"
#include "platform/ListControl.h"
#include "platform/MessageBox.h"
#include "results/RunOutcomes.h"
#include "results/SameProductRows.h"

#include <QLocale>

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

// Every row into the file, each later row of a product numbered after its first, then the file
// completed.
void WriteRows(BatchOutput& output, const std::vector<CodeOutcome>& rows)
{
    SameProductRows firstRows;
    int row = 0;
    for (CodeOutcome outcome : rows) {
        outcome.sameAs = firstRows.sameAs(outcome.gtin, ++row);
        output.add(outcome);
    }
    output.finish();
}
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

    FileDialog& dialog = m_platform.commonDialog1;
    // Not the dialog's last name, which may be a code list the user loaded.
    dialog.setFolderKind(FolderKind::Results);
    dialog.setFileName(m_lastFileName.isEmpty() ? QStringLiteral("results.csv") : m_lastFileName);
    dialog.setFlags(FileDialogFlag::LongNames | FileDialogFlag::Explorer);
    dialog.setDialogTitle(tr(kSaveResultsTitle.data()));
    dialog.setFilter(tr(kSaveResultsFilter.data()) + tr(kSaveShopFilesFilter.data()));
    dialog.setFilterIndex(m_lastFilterIndex);
    bool columnsChosen = false;
    SaveUntilSaved(dialog, m_platform.messageBox, {}, [&](const QString& named) {
        const int filter = dialog.filterIndex();
        const std::optional<OutcomeFormat> shop =
            filter == kShopifyFilterIndex       ? std::optional(OutcomeFormat::Shopify)
            : filter == kWooCommerceFilterIndex ? std::optional(OutcomeFormat::WooCommerce)
            : filter == kMerchantFilterIndex    ? std::optional(OutcomeFormat::Merchant)
                                                : std::nullopt;
        const QString path =
            WithDefaultExtension(named, shop == OutcomeFormat::Merchant ? u"tsv" : u"csv");
        dialog.setFileName(path);
        if (shop) {
            if (saveShopFile(path, *shop, rows)) {
                m_lastFileName = path;
                m_lastFilterIndex = filter;
            }
            return;
        }
        // The columns once, when the file is named; a name offered again keeps them.
        if (!columnsChosen) {
            QStringList labels;
            for (const QString& column : OutcomeColumns())
                labels.append(OutcomeColumnLabel(column));
            const std::optional<QList<qsizetype>> columns = m_platform.columnChoice.chooseSeveral(
                tr(kSaveResultsColumnsTitle.data()), tr(kSaveResultsColumnsQuestion.data()), labels,
                m_columns);
            if (!columns || columns->isEmpty())
                return;
            m_columns = *columns;
            columnsChosen = true;
        }
        const HourglassWhile busy(m_platform.window);
        const OutcomeFormat format = OutcomeFormatOfFile(path).value_or(OutcomeFormat::Csv);
        const std::unique_ptr<BatchOutput> output =
            BatchOutput::openFile(path, format, m_columns, m_platform.outputFiles);
        WriteRows(*output, rows);
        m_lastFileName = path;
        m_lastFilterIndex = filter;
    });
}

bool ResultsFileSave::saveShopFile(const QString& path, OutcomeFormat format,
                                   const std::vector<CodeOutcome>& rows)
{
    const std::optional<ShopFileWriter::UserValues> values = m_sheets.userValues();
    if (!values)
        return false;
    ShopTally tally;
    {
        const HourglassWhile busy(m_platform.window);
        auto writer = std::make_unique<ShopFileWriter>(
            format, ShopFileOptions{{}, QLocale::system().currencySymbol(QLocale::CurrencyIsoCode)},
            *values);
        const ShopFileWriter& written = *writer;
        const std::unique_ptr<BatchOutput> output =
            BatchOutput::openFileWithWriter(path, std::move(writer), m_platform.outputFiles);
        WriteRows(*output, rows);
        tally = written.tally();
    }
    m_platform.messageBox.show(ShopSummary(tally));
    return true;
}
