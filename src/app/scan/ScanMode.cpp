#include "app/scan/ScanMode.h"

#include "app/BatchOutput.h"
#include "app/SaveUntilSaved.h"
#include "app/SettingsNames.h"
#include "common/NumberText.h"
#include "common/OperationFailed.h"
#include "lookup/ProductCode.h"
#include "platform/FileDialog.h"
#include "platform/ListControl.h"
#include "platform/MessageBox.h"
#include "platform/QuestionBox.h"
#include "platform/ScanWindow.h"
#include "platform/SettingsStore.h"

#include <QRandomGenerator>

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

// StatusText as the window shows it, in the user's language; the phone app and the results
// files get the English words, which scripts read.
QString ShownStatusText(const ScanRow& row)
{
    switch (row.state) {
    case ScanRow::State::Queued:
        return QCoreApplication::translate("ScanMode", "queued");
    case ScanRow::State::Invalid:
        return QCoreApplication::translate("ScanMode", "not a valid code");
    case ScanRow::State::Answered:
        break;
    }
    switch (row.outcome.status) {
    case CodeOutcome::Status::Found:
        return QCoreApplication::translate("ScanMode", "found");
    case CodeOutcome::Status::NotFound:
        return QCoreApplication::translate("ScanMode", "not found");
    case CodeOutcome::Status::Failed:
        return QCoreApplication::translate("ScanMode", "failed");
    case CodeOutcome::Status::NotLookedUp:
        break;
    }
    return QCoreApplication::translate("ScanMode", "not looked up");
}

ScanTableRow TableRow(const ScanRow& row)
{
    return ScanTableRow{QString::number(row.count), row.code, row.outcome.product.name,
                        row.outcome.product.brand, ShownStatusText(row)};
}

// What the large line says of a scan: the product's name, else what became of it; for a code
// that is not valid, why ("check digit should be 4").
QString AnswerText(const ScanRow& row)
{
    if (row.state == ScanRow::State::Answered && row.outcome.status == CodeOutcome::Status::Found) {
        const QString& name = row.outcome.product.name;
        return name.isEmpty() ? row.code : name;
    }
    const QString what = row.state == ScanRow::State::Invalid
                             ? NotLookedUpReasonShown(CheckCode(row.code))
                             : ShownStatusText(row);
    return row.code + QStringLiteral(" \u2014 ") + what;
}

// 32 random bytes from the system's source, as URL-safe Base64: nobody guesses the link.
QString NewToken()
{
    QByteArray bytes(32, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(bytes.data()),
                                          bytes.size() / int(sizeof(quint32)));
    return QString::fromLatin1(
        bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

PhoneScanAnswer PhoneAnswerOf(const ScanRow& row)
{
    PhoneScanAnswer answer;
    answer.code = row.code;
    answer.kind = row.state == ScanRow::State::Queued ? PhoneScanAnswer::Kind::Queued
                                                      : PhoneScanAnswer::Kind::Answered;
    answer.status = StatusText(row);
    answer.name = row.outcome.product.name;
    return answer;
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

QStringList ScanStatusWords()
{
    QStringList words;
    ScanRow row;
    for (const ScanRow::State state : {ScanRow::State::Queued, ScanRow::State::Invalid}) {
        row.state = state;
        words.append(ShownStatusText(row));
    }
    row.state = ScanRow::State::Answered;
    for (const CodeOutcome::Status status :
         {CodeOutcome::Status::Found, CodeOutcome::Status::NotFound, CodeOutcome::Status::Failed,
          CodeOutcome::Status::NotLookedUp}) {
        row.outcome.status = status;
        words.append(ShownStatusText(row));
    }
    return words;
}

ScanMode::ScanMode(const Platform& platform, LookupChain& local, LookupChain& online)
    : m_platform(platform)
    , m_session(platform.scanJournal, local, online)
{
    m_session.stopRequested = [this] { return m_closed; };
    m_session.onAnswered = [this](const ScanRow& row) {
        // Answers from the queue come after their scan's own signal; the table tells them.
        if (!m_session.answering())
            return;
        // The large line is the last scan's: an older one's answer shows in its row alone.
        if (!m_session.rows().empty() && m_session.rows().front().code == row.code)
            m_platform.scanWindow.showAnswer(AnswerText(row));
        // A phone may still be waiting for it.
        if (m_platform.phoneScans.isListening())
            m_platform.phoneScans.answered(PhoneAnswerOf(row));
    };
    m_session.onRowChanged = [this](const QString&) { showAll(); };
    // Said in the window, where the scans go on: a box would wait for a click, and take the
    // scanner's next Enter for it.
    const auto notice = [this](const QString& problem) {
        m_platform.scanWindow.showNotice(problem);
    };
    local.onStoreProblem = notice;
    online.onStoreProblem = notice;
}

void ScanMode::OpenScanWindow()
{
    m_closed = false;
    ScanWindow& window = m_platform.scanWindow;
    window.setMuted(m_platform.settings.getSetting(kSettingsApplication.toString(),
                                                   kSettingsSection.toString(),
                                                   kScanMuteValueName.toString(), {}) == u"1");
    const bool phone = setting(kPhoneScansValueName) == u"1";
    const QString address = setting(kPhoneAddressValueName);
    const quint16 port = quint16(setting(kPhonePortValueName).toUInt());
    window.setPhoneChoice(phone, address, port == 0 ? kDefaultPhonePort : port);
    window.setStatusWords(ScanStatusWords());
    window.open();
    showAll();
    if (phone && !m_platform.phoneScans.isListening())
        startPhoneReceiving(address, port == 0 ? kDefaultPhonePort : port);
    m_session.answerQueued();
}

QString ScanMode::setting(QStringView name) const
{
    return m_platform.settings.getSetting(kSettingsApplication.toString(),
                                          kSettingsSection.toString(), name.toString(), {});
}

void ScanMode::saveSetting(QStringView name, const QString& value)
{
    m_platform.settings.saveSetting(kSettingsApplication.toString(), kSettingsSection.toString(),
                                    name.toString(), value);
}

void ScanMode::PhoneReceivingChanged(bool on, const QString& address, quint16 port)
{
    saveSetting(kPhoneScansValueName, on ? QStringLiteral("1") : QStringLiteral("0"));
    if (!on) {
        m_platform.phoneScans.stop();
        m_platform.scanWindow.showPhoneLink({});
        return;
    }
    saveSetting(kPhoneAddressValueName, address);
    saveSetting(kPhonePortValueName, QString::number(port));
    startPhoneReceiving(address, port);
}

void ScanMode::startPhoneReceiving(const QString& address, quint16 port)
{
    PhoneScanReceiver& phone = m_platform.phoneScans;
    QString token = setting(kPhoneTokenValueName);
    if (token.size() < 40) {
        token = NewToken();
        saveSetting(kPhoneTokenValueName, token);
    }
    phone.setToken(token);
    try {
        phone.start(address, port);
    } catch (const OperationFailed& failure) {
        m_platform.scanWindow.setPhoneChoice(false, address, port);
        m_platform.scanWindow.showPhoneLink({});
        m_platform.scanWindow.showNotice(
            QCoreApplication::translate("ScanMode", kPhoneNotStartedMessage)
                .arg(failure.description()));
        return;
    }
    m_platform.scanWindow.showNotice({});
    const QString host = address.contains(u':') ? u'[' + address + u']' : address;
    m_platform.scanWindow.showPhoneLink(QStringLiteral("http://") + host + u':' +
                                        QString::number(phone.port()) + QStringLiteral("/scan/") +
                                        token + QStringLiteral("?code="));
}

void ScanMode::NewPhoneLink()
{
    const QString token = NewToken();
    saveSetting(kPhoneTokenValueName, token);
    // At once: a request at the old link from now on is refused.
    m_platform.phoneScans.setToken(token);
    if (m_platform.phoneScans.isListening()) {
        const QString address = setting(kPhoneAddressValueName);
        const QString host = address.contains(u':') ? u'[' + address + u']' : address;
        m_platform.scanWindow.showPhoneLink(QStringLiteral("http://") + host + u':' +
                                            QString::number(m_platform.phoneScans.port()) +
                                            QStringLiteral("/scan/") + token +
                                            QStringLiteral("?code="));
    }
}

PhoneScanAnswer ScanMode::TakePhoneScan(const QString& text)
{
    const Scan scan = ReadScan(text);
    PhoneScanAnswer answer;
    if (!scan.valid)
        return answer;
    try {
        const ScanRow& row = m_session.add(scan);
        tell(row);
        return PhoneAnswerOf(row);
    } catch (...) {
        answer.kind = PhoneScanAnswer::Kind::NotTaken;
        return answer;
    }
}

void ScanMode::AnswerQueued()
{
    m_session.answerQueued();
}

void ScanMode::OfferLeftSession()
{
    if (!m_session.hasLeftSession())
        return;
    if (!m_platform.questionBox.ask(
            QCoreApplication::translate("ScanMode", kRestoreScanSessionQuestion))) {
        m_session.clear();
        return;
    }
    m_session.restore();
    OpenScanWindow();
}

void ScanMode::ScanLine_KeyText(const QString& keys)
{
    // The keys of one event-loop turn are written down together.
    try {
        m_session.add(m_input.take(keys), [this](const ScanRow& row) { tell(row); });
    } catch (const OperationFailed& failure) {
        m_platform.scanWindow.signal(ScanSignal::Invalid);
        m_platform.scanWindow.showNotice(
            QCoreApplication::translate("ScanMode", kScanNotTakenMessage)
                .arg(failure.description()));
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
    if (m_session.undo())
        showTop();
}

void ScanMode::showTop()
{
    const std::list<ScanRow>& rows = m_session.rows();
    m_platform.scanWindow.showAnswer(rows.empty() ? QString() : AnswerText(rows.front()));
}

void ScanMode::SendToCodeList()
{
    ListControl& codes = m_platform.listView1;
    QSet<QString> listed;
    for (int row = 1; row <= codes.count(); ++row)
        listed.insert(codes.text(row));
    qsizetype sent = 0;
    qsizetype there = 0;
    for (const QString& code : m_session.codesInScanOrder()) {
        if (listed.contains(code)) {
            ++there;
            continue;
        }
        codes.add(code);
        listed.insert(code);
        ++sent;
    }
    m_platform.scanWindow.showNotice(QCoreApplication::translate("ScanMode", kSentToCodeListMessage)
                                         .arg(GroupedNumber(sent), GroupedNumber(there)));
}

void ScanMode::SaveScansAs()
{
    if (m_session.rows().empty()) {
        m_platform.messageBox.show(QCoreApplication::translate("ScanMode", kNoScansMessage));
        return;
    }
    FileDialog& dialog = m_platform.commonDialog1;
    dialog.setFolderKind(FolderKind::Results);
    dialog.setFileName(QStringLiteral("scans.csv"));
    dialog.setFlags(FileDialogFlag::LongNames | FileDialogFlag::Explorer);
    dialog.setDialogTitle(QCoreApplication::translate("ScanMode", kSaveScansTitle));
    //: File types: a name, "|", its patterns, "|", and so on; translate only the names.
    dialog.setFilter(tr("CSV (*.csv)|*.csv|Tab-Separated Text (*.tsv)|*.tsv|JSON (*.json)|*.json|"
                        "JSON Lines (*.jsonl)|*.jsonl|Excel Workbook (*.xlsx)|*.xlsx|"
                        "OpenDocument Spreadsheet (*.ods)|*.ods|"));
    SaveUntilSaved(dialog, m_platform.messageBox, u"csv", [&](const QString& path) {
        const OutcomeFormat format = OutcomeFormatOfFile(path).value_or(OutcomeFormat::Csv);
        const std::unique_ptr<BatchOutput> output = BatchOutput::openFile(
            path, format, WithCountAfterCode(AllOutcomeColumns()), m_platform.outputFiles);
        // In the order of their first scan, as the code list gets them.
        const QStringList order = m_session.codesInScanOrder();
        for (const QString& code : order) {
            if (const ScanRow* const row = m_session.row(code))
                output->add(RowOutcome(*row));
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
    // The server takes scans for the window: closed, it stops, and the setting stays.
    m_platform.phoneScans.stop();
}

void ScanMode::EndSession()
{
    ScanWindow_Unload();
    try {
        m_session.clear();
    } catch (const OperationFailed&) {
        // Nobody is left to tell: the file stays, and the next start offers its scans back.
    }
}

void ScanMode::showAll()
{
    QList<ScanTableRow> rows;
    rows.reserve(qsizetype(m_session.rows().size()));
    for (const ScanRow& row : m_session.rows())
        rows.append(TableRow(row));
    m_platform.scanWindow.showRows(rows);
}
