#pragma once

#include "platform/Platform.h"
#include "results/OutcomeWriter.h"

#include <QString>
#include <QStringView>

class RunOutcomes;

inline constexpr QStringView kSaveResultsTitle = u"Save Results As";
inline constexpr QStringView kSaveResultsFilter =
    u"CSV (*.csv)|*.csv|Tab-Separated Text (*.tsv)|*.tsv|JSON (*.json)|*.json|"
    u"JSON Lines (*.jsonl)|*.jsonl|Excel Workbook (*.xlsx)|*.xlsx|"
    u"OpenDocument Spreadsheet (*.ods)|*.ods|";
inline constexpr QStringView kSaveResultsColumnsTitle = u"Columns";
inline constexpr QStringView kSaveResultsColumnsQuestion = u"Which columns go into the file?";
inline constexpr QStringView kNoResultsToSaveMessage = u"There are no ticked results to save.";

// "Lookup -> Save Results As...": the ticked rows of the results table, each with everything its
// lookup gave, written as batch mode writes them (the same columns, CSV, TSV, JSON, JSON Lines,
// xlsx or ods by the file's extension; CSV, with ".csv" added, for a name without one). The
// columns are chosen first, as --columns chooses them; the choice is offered again next time.
class ResultsFileSave final
{
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
