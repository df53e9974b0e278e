#include "app/ScanMode.h"

#include "app/BatchOutput.h"
#include "app/SaveUntilSaved.h"
#include "app/SavedCodeList.h"
#include "common/OperationFailed.h"
#include "platform/FileDialog.h"
#include "platform/ListControl.h"
#include "platform/MessageBox.h"
#include "platform/QuestionBox.h"
#include "platform/ScanWindow.h"
#include "platform/SettingsStore.h"

namespace {
QString StatusText(const ScanRow& row)
{
    switch (row.state) {
    case ScanRow::State::Queued:
        return QStringLiteral("queued");
    case ScanRow::State::Invalid:
        return QStringLiteral("not a valid code");
    case ScanRow::State::Answered:
        break;
    }
    return OutcomeStatusWord(row.outcome);
}

ScanTableRow TableRow(const ScanRow& row)
{
    return ScanTableRow{QString::number(row.count), row.code, row.outcome.product.name,
                        row.outcome.product.brand, StatusText(row)};
}

// What the large line says of a scan: the product's name, else what became of it.
QString AnswerText(const ScanRow& row)
{
    if (row.state == ScanRow::State::Answered && row.outcome.status == CodeOutcome::Status::Found) {
        const QString& name = row.outcome.product.name;
        return name.isEmpty() ? row.code : name;
    }
    return row.code + QStringLiteral(" \u2014 ") + StatusText(row);
}

ScanSignal SignalOf(const ScanRow& row)
{
    switch (VerdictOf(row)) {
    case ScanVerdict::Found:
        return ScanSignal::Found;
    case ScanVerdict::Invalid:
        return ScanSignal::Invalid;
    case ScanVerdict::NotFound:
        break;
    }
    return ScanSignal::NotFound;
}
} // namespace

ScanMode::ScanMode(const Platform& platform, LookupChain& local, LookupChain& online)
    : m_platform(platform)
    , m_session(platform.scanJournal, local, online)
{
    m_session.stopRequested = [this] { return m_closed; };
    m_session.onAnswered = [this](const ScanRow& row) {
        // Answers from the queue come after their scan's own signal; the table tells them.
        if (m_session.answering())
            m_platform.scanWindow.showAnswer(AnswerText(row));
    };
    m_session.onRowChanged = [this](const QString&) { showAll(); };
}

void ScanMode::OpenScanWindow()
{
    m_closed = false;
    ScanWindow& window = m_platform.scanWindow;
    window.setMuted(m_platform.settings.getSetting(kSettingsApplication.toString(),
                                                   kSettingsSection.toString(),
                                                   kScanMuteValueName.toString(), {}) == u"1");
    window.open();
    showAll();
    m_session.answerQueued();
}

void ScanMode::OfferLeftSession()
{
    if (!m_session.hasLeftSession())
        return;
    if (!m_platform.questionBox.ask(kRestoreScanSessionQuestion.toString())) {
        m_session.clear();
        return;
    }
    m_session.restore();
    OpenScanWindow();
}

void ScanMode::ScanLine_KeyText(const QString& keys)
{
    for (const Scan& scan : m_input.take(keys)) {
        try {
            tell(m_session.add(scan));
        } catch (const OperationFailed& failure) {
            m_platform.scanWindow.signal(ScanSignal::Invalid);
            m_platform.messageBox.show(kScanNotTakenMessage + failure.description());
        }
    }
    m_session.answerQueued();
}

void ScanMode::tell(const ScanRow& row)
{
    m_platform.scanWindow.showAnswer(AnswerText(row));
    m_platform.scanWindow.signal(SignalOf(row));
}

void ScanMode::Undo()
{
    m_session.undo();
}

void ScanMode::SendToCodeList()
{
    ListControl& codes = m_platform.listView1;
    QSet<QString> listed;
    for (int row = 1; row <= codes.count(); ++row)
        listed.insert(codes.text(row));
    for (const QString& code : m_session.codesInScanOrder()) {
        if (!listed.contains(code))
            codes.add(code);
        listed.insert(code);
    }
}

void ScanMode::SaveScansAs()
{
    if (m_session.rows().isEmpty()) {
        m_platform.messageBox.show(kNoScansMessage.toString());
        return;
    }
    FileDialog& dialog = m_platform.commonDialog1;
    dialog.setFileName(QStringLiteral("scans.csv"));
    dialog.setFlags(FileDialogFlag::LongNames | FileDialogFlag::Explorer);
    dialog.setDialogTitle(kSaveScansTitle.toString());
    dialog.setFilter(
        QStringLiteral("CSV (*.csv)|*.csv|Tab-Separated Text (*.tsv)|*.tsv|JSON (*.json)|*.json|"
                       "JSON Lines (*.jsonl)|*.jsonl|Excel Workbook (*.xlsx)|*.xlsx|"
                       "OpenDocument Spreadsheet (*.ods)|*.ods|"));
    SaveUntilSaved(dialog, m_platform.messageBox, u"csv", [&](const QString& path) {
        const OutcomeFormat format = OutcomeFormatOfFile(path).value_or(OutcomeFormat::Csv);
        const std::unique_ptr<BatchOutput> output = BatchOutput::openFile(
            path, format, WithCountAfterCode(AllOutcomeColumns()), m_platform.outputFiles);
        // In the order of their first scan, as the code list gets them.
        const QStringList order = m_session.codesInScanOrder();
        for (const QString& code : order) {
            for (const ScanRow& row : m_session.rows()) {
                if (row.code == code)
                    output->add(RowOutcome(row));
            }
        }
        output->finish();
    });
}

void ScanMode::MuteChanged(bool muted)
{
    m_platform.scanWindow.setMuted(muted);
    m_platform.settings.saveSetting(kSettingsApplication.toString(), kSettingsSection.toString(),
                                    kScanMuteValueName.toString(),
                                    muted ? QStringLiteral("1") : QStringLiteral("0"));
}

void ScanMode::ScanWindow_Unload()
{
    m_closed = true;
    m_input.clear();
}

void ScanMode::showAll()
{
    QList<ScanTableRow> rows;
    rows.reserve(m_session.rows().size());
    for (const ScanRow& row : m_session.rows())
        rows.append(TableRow(row));
    m_platform.scanWindow.showRows(rows);
}
