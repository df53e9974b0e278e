#pragma once

#include "app/AppConfig.h"
#include "app/LocalNames.h"
#include "labels/LabelItems.h"
#include "lookup/LookupChain.h"
#include "platform/LabelsDialog.h"
#include "platform/Platform.h"
#include "sheets/CodeColumn.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class ListControl;

inline constexpr char kPrintLabelsTitle[] = QT_TRANSLATE_NOOP("LabelPrinting", "Print Labels");

// "Lookup -> Print Labels...": the dialog with its live preview, then the labels printed on one of
// the system's printers or saved as a PDF. The codes come from the code list (with the names the
// last run found), the scan session (with its counts) or a spreadsheet the user picks (with its
// names, prices and copies); a name no one gave is taken from what this machine knows.
class LabelPrinting final
{
    Q_DECLARE_TR_FUNCTIONS(LabelPrinting)

public:
    LabelPrinting(const Platform& platform, const AppConfig& config);
    LabelPrinting(const LabelPrinting&) = delete;
    LabelPrinting& operator=(const LabelPrinting&) = delete;

    void PrintLabels(std::vector<LabelItem> codeList, std::vector<LabelItem> scans);

    // The code list's codes, one label each, with the names the outcomes of the last run give
    // them (by the code as the list holds it, or its checked form).
    static std::vector<LabelItem> CodeListItems(const ListControl& codes,
                                                const std::vector<CodeOutcome>& outcomes);

private:
    struct Items
    {
        std::vector<LabelItem> items;
        QString problem;     // stops the job
        QStringList refused; // rows left out
    };
    Items itemsFor(const LabelsDialogState& state, LabelsPreview* columns);
    LabelsPreview preview(const LabelsDialogState& state);
    // Names the items up to `upTo` labels from the start that have none, from this machine.
    void fillNames(std::vector<LabelItem>& items, qsizetype upTo);
    void print(const LabelsChoice& choice);
    LabelsDialogState savedState(const LabelsDialogOffer& offer) const;
    void keep(const LabelsDialogState& state);
    const LayoutEntry* layoutOf(const LabelsDialogState& state) const;

    Platform m_platform;
    AppConfig m_config;
    std::vector<LabelItem> m_codeList;
    std::vector<LabelItem> m_scans;
    // The spreadsheet chosen last, read once.
    QString m_sheetPath;
    std::optional<SheetAndColumn> m_sheet;
    std::unique_ptr<LocalNames> m_names;
    QHash<QString, QString> m_namesKnown;
};
