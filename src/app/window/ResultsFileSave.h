#pragma once

#include "platform/Platform.h"
#include "results/OutcomeWriter.h"

#include <QCoreApplication>
#include <QString>
#include <QStringView>

#include <vector>

class ListingSheets;
class RunOutcomes;
struct CodeOutcome;

inline constexpr QLatin1StringView kSaveResultsTitle{
    QT_TRANSLATE_NOOP("ResultsFileSave", "Save Results As")};
//: A file dialog's choices: a name, then after "|" the files it shows, each ending in "|".
//: Translate the names only; keep every "|" and pattern.
inline constexpr QLatin1StringView kSaveResultsFilter{QT_TRANSLATE_NOOP(
    "ResultsFileSave", "CSV (*.csv)|*.csv|Tab-Separated Text (*.tsv)|*.tsv|JSON (*.json)|*.json|"
                       "JSON Lines (*.jsonl)|*.jsonl|Excel Workbook (*.xlsx)|*.xlsx|"
                       "OpenDocument Spreadsheet (*.ods)|*.ods|")};
//: The shops' import files, offered after the formats above in the same dialog.
inline constexpr QLatin1StringView kSaveShopFilesFilter{QT_TRANSLATE_NOOP(
    "ResultsFileSave", "Shopify Products (*.csv)|*.csv|WooCommerce Products (*.csv)|*.csv|"
                       "Google Merchant Center Feed (*.tsv)|*.tsv|")};
// The places of the shops' filters among the dialog's (from 1), after the six formats'.
inline constexpr int kShopifyFilterIndex = 7;
inline constexpr int kWooCommerceFilterIndex = 8;
inline constexpr int kMerchantFilterIndex = 9;
//: The title of the box that asks which columns a saved file holds.
inline constexpr QLatin1StringView kSaveResultsColumnsTitle{
    QT_TRANSLATE_NOOP("ResultsFileSave", "Columns")};
inline constexpr QLatin1StringView kSaveResultsColumnsQuestion{
    QT_TRANSLATE_NOOP("ResultsFileSave", "Which columns go into the file?")};
inline constexpr QLatin1StringView kNoResultsToSaveMessage{
    QT_TRANSLATE_NOOP("ResultsFileSave", "There are no ticked results to save.")};

// "Lookup -> Save Results As...": the ticked rows of the results table, each with everything its
// lookup gave, written as batch mode writes them (the same columns, CSV, TSV, JSON, JSON Lines,
// xlsx or ods by the file's extension; CSV, with ".csv" added, for a name without one). The
// columns are chosen once the file is named, as --columns chooses them; the choice is offered
// again next time. Or, chosen among the dialog's kinds of file, a shop's import file of the
// ticked products found, with the user's own columns of the spreadsheets the codes came from.
class ResultsFileSave final
{
    Q_DECLARE_TR_FUNCTIONS(ResultsFileSave)

public:
    ResultsFileSave(const Platform& platform, const RunOutcomes& outcomes, ListingSheets& sheets)
        : m_platform(platform)
        , m_outcomes(outcomes)
        , m_sheets(sheets)
    {}

    void SaveResultsAs();

private:
    // Writes the shop's file; false, with nothing written, when the user cancels a question.
    bool saveShopFile(const QString& path, OutcomeFormat format,
                      const std::vector<CodeOutcome>& rows);

    Platform m_platform;
    const RunOutcomes& m_outcomes;
    ListingSheets& m_sheets;
    OutcomeColumnPlaces m_columns = AllOutcomeColumns();
    QString m_lastFileName;
    int m_lastFilterIndex = 1;
};
