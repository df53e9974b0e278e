#pragma once

#include "platform/Platform.h"

#include <QCoreApplication>
#include <QString>
#include <QStringView>

class LookupRun;

inline constexpr QLatin1StringView kEnrichOpenTitle{
    QT_TRANSLATE_NOOP("SheetEnrichment", "Enrich a Spreadsheet")};
inline constexpr QLatin1StringView kEnrichSaveTitle{
    QT_TRANSLATE_NOOP("SheetEnrichment", "Save the Enriched Spreadsheet")};
//: A file dialog's choice: a name, then after "|" the files it shows, ending in "|". Translate
//: the name only; keep every "|" and pattern.
inline constexpr QLatin1StringView kEnrichOpenFilter{QT_TRANSLATE_NOOP(
    "SheetEnrichment", "Spreadsheets (*.xlsx *.ods *.csv *.tsv)|*.xlsx;*.ods;*.csv;*.tsv|")};
inline constexpr QLatin1StringView kEnrichSameFileReason{QT_TRANSLATE_NOOP(
    "SheetEnrichment", "The enriched copy cannot replace the spreadsheet it comes from")};

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
    Q_DECLARE_TR_FUNCTIONS(SheetEnrichment)

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
