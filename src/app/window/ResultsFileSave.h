#pragma once

#include "platform/Platform.h"
#include "results/OutcomeWriter.h"

#include <QCoreApplication>
#include <QString>
#include <QStringView>

class RunOutcomes;

inline constexpr QLatin1StringView kSaveResultsTitle{
    QT_TRANSLATE_NOOP("ResultsFileSave", "Save Results As")};
//: A file dialog's choices: a name, then after "|" the files it shows, each ending in "|".
//: Translate the names only; keep every "|" and pattern.
inline constexpr QLatin1StringView kSaveResultsFilter{QT_TRANSLATE_NOOP(
    "ResultsFileSave", "CSV (*.csv)|*.csv|Tab-Separated Text (*.tsv)|*.tsv|JSON (*.json)|*.json|"
                       "JSON Lines (*.jsonl)|*.jsonl|Excel Workbook (*.xlsx)|*.xlsx|"
                       "OpenDocument Spreadsheet (*.ods)|*.ods|")};
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
// columns are chosen first, as --columns chooses them; the choice is offered again next time.
class ResultsFileSave final
{
    Q_DECLARE_TR_FUNCTIONS(ResultsFileSave)

public:
    ResultsFileSave(const Platform& platform, const RunOutcomes& outcomes)
        : m_platform(platform)
        , m_outcomes(outcomes)
    {}

    void SaveResultsAs();

private:
    Platform m_platform;
    const RunOutcomes& m_outcomes;
    OutcomeColumnPlaces m_columns = AllOutcomeColumns();
    QString m_lastFileName;
};
