#include "scanning/ScanSession.h"

#include "common/OperationFailed.h"
#include "lookup/ProductCode.h"
#include "platform/ScanJournal.h"

#include <QCoreApplication>
#include <QSet>

namespace {
// The session file's lines: "S", the code and its add-on for a scan, separated by tabs; "U" for
// an undo. Codes hold neither tabs nor line breaks (ReadScan keeps to one line).
constexpr QStringView kScanLine = u"S";
constexpr QStringView kUndoLine = u"U";

QString ScanLineOf(const Scan& scan)
{
    return kScanLine + u'\t' + scan.code + u'\t' + scan.addOn;
}

// A line of the file back into a scan; nothing for a line that is not one this program wrote
// (a damaged file), which is skipped.
std::optional<Scan> ScanOfLine(const QString& line)
{
    const QStringList parts = line.split(u'\t');
    if (parts.size() != 3 || parts[0] != kScanLine || parts[1].isEmpty() ||
        parts[1].size() > kLongestScan || parts[2].size() > 5)
        return std::nullopt;
    Scan scan{parts[1], parts[2], CheckCode(parts[1]).isValid()};
    return scan;
}

CodeOutcome NotLookedUp(const QString& code)
{
    const CheckedCode checked = CheckCode(code);
    CodeOutcome outcome;
    outcome.status = CodeOutcome::Status::NotLookedUp;
    outcome.code = code;
    outcome.detail = NotLookedUpReason(checked);
    // The detail stays English for the files scripts read; the row is read by people.
    outcome.rowText = code + QCoreApplication::translate("LookupChain", " - not looked up: ") +
                      NotLookedUpReasonShown(checked);
    return outcome;
}
} // namespace

CodeOutcome RowOutcome(const ScanRow& row)
{
    CodeOutcome outcome = row.outcome;
    outcome.scanCount = row.count;
    if (!row.addOn.isEmpty())
        outcome.detail =
            QStringLiteral("add-on ") + row.addOn +
            (outcome.detail.isEmpty() ? QString() : QStringLiteral("; ") + outcome.detail);
    return outcome;
}

ScanVerdict VerdictOf(const ScanRow& row)
{
    if (row.state == ScanRow::State::Invalid)
        return ScanVerdict::Invalid;
    if (row.state == ScanRow::State::Answered && row.outcome.status == CodeOutcome::Status::Found)
        return ScanVerdict::Found;
    return ScanVerdict::NotFound;
}

ScanSession::ScanSession(ScanJournal& journal, LookupChain& local, LookupChain& online)
    : m_journal(journal)
    , m_local(local)
    , m_online(online)
{}

qsizetype ScanSession::placeOf(const QString& code) const
{
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].code == code)
            return i;
    }
    return -1;
}

const ScanRow& ScanSession::add(const Scan& scan)
{
    // On the disk before anything else: a crash from here on loses nothing.
    m_journal.append(ScanLineOf(scan));
    count(scan);
    ScanRow& row = m_rows.front();
    if (row.count == 1)
        answerLocally(row);
    changed(scan.code);
    return m_rows.front();
}

void ScanSession::count(const Scan& scan)
{
    m_scans.append(scan.code);
    const qsizetype place = placeOf(scan.code);
    if (place >= 0) {
        m_rows.move(place, 0);
        ScanRow& row = m_rows.front();
        ++row.count;
        if (!scan.addOn.isEmpty())
            row.addOn = scan.addOn;
        return;
    }
    ScanRow row;
    row.code = scan.code;
    row.addOn = scan.addOn;
    row.count = 1;
    row.state = scan.valid ? ScanRow::State::Queued : ScanRow::State::Invalid;
    row.outcome.code = scan.code;
    if (!scan.valid)
        row.outcome = NotLookedUp(scan.code);
    m_rows.prepend(row);
}

void ScanSession::answerLocally(ScanRow& row)
{
    if (row.state == ScanRow::State::Invalid) {
        if (onAnswered)
            onAnswered(row);
        return;
    }
    std::optional<CodeOutcome> known;
    try {
        // A fresh run each time: this chain must not keep "ask online" as the answer for a code
        // the online sources have answered since.
        m_local.startRun();
        known = m_local.lookUp(row.code);
    } catch (const OperationFailed&) {
        known.reset();
    }
    if (known && known->status != CodeOutcome::Status::Failed) {
        row.outcome = *known;
        row.state = ScanRow::State::Answered;
        if (onAnswered)
            onAnswered(row);
        return;
    }
    m_queue.push_back(row.code);
}

void ScanSession::answer(const QString& code, const CodeOutcome& outcome)
{
    const qsizetype place = placeOf(code);
    if (place < 0)
        return; // taken back while it was being looked up
    ScanRow& row = m_rows[place];
    row.outcome = outcome;
    row.state = ScanRow::State::Answered;
    if (onAnswered)
        onAnswered(row);
    changed(code);
}

void ScanSession::answerQueued()
{
    if (m_answering)
        return;
    m_answering = true;
    struct Done
    {
        bool& flag;
        ~Done() { flag = false; }
    } done{m_answering};
    m_online.stopRequested = stopRequested;
    while (!m_queue.empty() && !(stopRequested && stopRequested())) {
        const QString code = m_queue.front();
        if (const qsizetype place = placeOf(code);
            place < 0 || m_rows[place].state != ScanRow::State::Queued) {
            m_queue.pop_front();
            continue;
        }
        std::optional<CodeOutcome> outcome;
        try {
            m_online.startRun();
            outcome = m_online.lookUp(code);
        } catch (const OperationFailed& failure) {
            outcome = CodeOutcome{};
            outcome->code = code;
            outcome->gtin = code;
            outcome->detail = failure.description();
            outcome->rowText = code + LookupFailedSuffixShown() + failure.description();
        }
        if (!outcome)
            break; // stopped: the code stays queued for the next time
        m_queue.pop_front();
        answer(code, *outcome);
    }
}

bool ScanSession::undo()
{
    if (m_scans.isEmpty())
        return false;
    m_journal.append(kUndoLine.toString());
    const QString code = m_scans.takeLast();
    const qsizetype place = placeOf(code);
    if (place >= 0 && --m_rows[place].count == 0)
        m_rows.removeAt(place);
    changed(code);
    return true;
}

bool ScanSession::hasLeftSession()
{
    const QStringList lines = m_journal.read();
    return std::any_of(lines.begin(), lines.end(),
                       [](const QString& line) { return ScanOfLine(line).has_value(); });
}

void ScanSession::restore()
{
    const QStringList lines = m_journal.read();
    for (const QString& line : lines) {
        if (line == kUndoLine) {
            if (m_scans.isEmpty())
                continue;
            const QString code = m_scans.takeLast();
            if (const qsizetype place = placeOf(code); place >= 0 && --m_rows[place].count == 0)
                m_rows.removeAt(place);
        } else if (const std::optional<Scan> scan = ScanOfLine(line)) {
            count(*scan);
        }
    }
    // Answered once each, after the whole file: a code scanned ten times is asked once.
    for (ScanRow& row : m_rows) {
        if (row.state == ScanRow::State::Queued)
            answerLocally(row);
    }
    changed({});
}

void ScanSession::clear()
{
    m_journal.clear();
    m_rows.clear();
    m_scans.clear();
    m_queue.clear();
    changed({});
}

QStringList ScanSession::codesInScanOrder() const
{
    QStringList codes;
    QSet<QString> seen;
    for (const QString& code : m_scans) {
        if (!seen.contains(code) && placeOf(code) >= 0)
            codes.append(code);
        seen.insert(code);
    }
    return codes;
}

void ScanSession::changed(const QString& code)
{
    if (onRowChanged)
        onRowChanged(code);
}
