#pragma once

#include "platform/Platform.h"

#include <QString>
#include <QStringView>

class LookupRun;

inline constexpr QStringView kEnrichOpenTitle = u"Enrich a Spreadsheet";
inline constexpr QStringView kEnrichSaveTitle = u"Save the Enriched Spreadsheet";
inline constexpr QStringView kEnrichOpenFilter =
    u"Spreadsheets (*.xlsx *.ods *.csv *.tsv)|*.xlsx;*.ods;*.csv;*.tsv|";
inline constexpr QStringView kEnrichSameFileReason =
    u"The enriched copy cannot replace the spreadsheet it comes from";

// Said after saving a text file whose encoding could not hold characters of the answers.
QString EnrichUnencodableMessage(qsizetype lost);

// Asked before the lookup when the spreadsheet cannot be copied as it is, for the reason.
QString EnrichValuesOnlyQuestion(const QString& path, const QString& reason);

// Said after saving when cells of an .xlsx were cut to Excel's limit (kMostCellCharacters).
QString EnrichCutCellsMessage(qsizetype cut);

// "Lookup -> Enrich a Spreadsheet...": one spreadsheet is picked, its code column chosen, its
// codes looked up as in any run, and the sheet saved under a new name with the answers beside
// every row, in the source's format by default: in that format the copy is the user's own file
// with the answers added, every other part kept. The source file is never written; a copy that
// cannot be saved is offered another name, without looking the codes up again.
class SheetEnrichment final
{
public:
    SheetEnrichment(const Platform& platform, LookupRun& run)
        : m_platform(platform)
        , m_run(run)
    {}

    void EnrichSpreadsheet();

private:
    Platform m_platform;
    LookupRun& m_run;
};
