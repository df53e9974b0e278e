#include "scanning/ScanSession.h"

#include "common/OperationFailed.h"
#include "lookup/ProductCode.h"
#include "platform/AnswerStore.h"
#include "platform/ScanJournal.h"

#include <QCoreApplication>
#include <QSet>

#include <vector>

namespace {
// The session file's lines: "S", the code and its add-on for a scan, separated by tabs; "U" for
// an undo. Codes hold neither tabs nor line breaks (ReadScan keeps to one line).
constexpr QStringView kScanLine = u"S";
constexpr QStringView kUndoLine = u"U";

QString ScanLineOf(const Scan& scan)
{
    return kScanLine + u'\t' + scan.code + u'\t' + scan.addOn;
}

// A line of the file back into a scan, not yet checked (see restore()); nothing for a line that
// is not one this program wrote (a damaged file), which is skipped. Read without splitting: a
// file holds up to a million of them.
std::optional<Scan> ScanOfLine(const QString& line)
{
    if (!line.startsWith(kScanLine + u'\t'))
        return std::nullopt;
    const qsizetype from = kScanLine.size() + 1;
    const qsizetype tab = line.indexOf(u'\t', from);
    if (tab <= from || tab - from > kLongestScan || line.size() - tab - 1 > 5 ||
        line.indexOf(u'\t', tab + 1) >= 0)
        return std::nullopt;
    return Scan{line.mid(from, tab - from), line.sliced(tab + 1), false};
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

const ScanRow* ScanSession::row(const QString& code) const
{
    const auto found = m_places.constFind(code);
    return found == m_places.cend() ? nullptr : &*found.value();
}

ScanRow* ScanSession::find(const QString& code)
{
    const auto found = m_places.constFind(code);
    return found == m_places.cend() ? nullptr : &*found.value();
}

const ScanRow& ScanSession::add(const Scan& scan)
{
    add({scan}, nullptr);
    return m_rows.front();
}

void ScanSession::add(const QList<Scan>& scans, const std::function<void(const ScanRow&)>& each)
{
    if (scans.isEmpty())
        return;
    // On the disk before anything else: a crash from here on loses nothing, and none of them
    // has been answered yet, so none is answered twice after a restart.
    QStringList lines;
    lines.reserve(scans.size());
    for (const Scan& scan : scans)
        lines.append(ScanLineOf(scan));
    m_journal.append(lines);
    // One run for the scans of one arrival: preparing a run looks at the index again.
    bool newRun = true;
    for (qsizetype i = 0; i < scans.size(); ++i) {
        const Scan& scan = scans[i];
        count(scan);
        ScanRow& row = m_rows.front();
        if (row.count == 1) {
            // The scans that arrived with it are found in the index while it is answered: a
            // file piped in arrives in blocks of thousands.
            answerLocally(row, newRun, [&scans, i](int k) -> std::optional<QString> {
                if (i + k >= scans.size())
                    return std::nullopt;
                return scans[i + k].code;
            });
            newRun = false;
        }
        changed(scan.code);
        if (each)
            each(m_rows.front());
    }
}

void ScanSession::count(const Scan& scan)
{
    if (const auto found = m_places.constFind(scan.code); found != m_places.cend()) {
        m_rows.splice(m_rows.begin(), m_rows, found.value());
        ScanRow& row = m_rows.front();
        // The row's own text, shared: a million scans of few codes hold few texts.
        m_scans.append(row.code);
        ++row.count;
        if (!scan.addOn.isEmpty())
            row.addOn = scan.addOn;
        return;
    }
    m_scans.append(scan.code);
    ScanRow& row = m_rows.emplace_front();
    row.code = scan.code;
    row.addOn = scan.addOn;
    row.count = 1;
    row.state = scan.valid ? ScanRow::State::Queued : ScanRow::State::Invalid;
    row.outcome.code = scan.code;
    if (!scan.valid)
        row.outcome = NotLookedUp(scan.code);
    m_places.insert(scan.code, m_rows.begin());
}

void ScanSession::uncount(const QString& code)
{
    const auto found = m_places.find(code);
    if (found == m_places.end() || --found.value()->count > 0)
        return;
    m_rows.erase(found.value());
    m_places.erase(found);
}

void ScanSession::answerLocally(ScanRow& row, bool newRun, const CodesAhead& ahead)
{
    if (row.state == ScanRow::State::Invalid) {
        if (onAnswered)
            onAnswered(row);
        return;
    }
    std::optional<CodeOutcome> known;
    try {
        // A fresh run for each scan: this chain must not keep "ask online" as the answer for a
        // code the online sources have answered since.
        if (newRun)
            m_local.startRun();
        known = m_local.lookUp(row.code, ahead);
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
    ScanRow* const found = find(code);
    if (!found)
        return; // taken back while it was being looked up
    ScanRow& row = *found;
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
        if (const ScanRow* const row = find(code); !row || row->state != ScanRow::State::Queued) {
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
    m_journal.append({kUndoLine.toString()});
    const QString code = m_scans.takeLast();
    uncount(code);
    changed(code);
    return true;
}

bool ScanSession::hasLeftSession()
{
    // Kept for restore(), which follows at once when the user says yes: a file of a million
    // lines is read once.
    m_leftLines = m_journal.read();
    return std::any_of(m_leftLines->begin(), m_leftLines->end(),
                       [](const QString& line) { return ScanOfLine(line).has_value(); });
}

void ScanSession::restore()
{
    const QStringList lines =
        m_leftLines ? *std::exchange(m_leftLines, std::nullopt) : m_journal.read();
    for (const QString& line : lines) {
        if (line == kUndoLine) {
            if (!m_scans.isEmpty())
                uncount(m_scans.takeLast());
        } else if (std::optional<Scan> scan = ScanOfLine(line)) {
            // Checked once, when the code is new to the session.
            if (!m_places.contains(scan->code))
                scan->valid = CheckCode(scan->code).isValid();
            count(*scan);
        }
    }
    // Answered once each, after the whole file: a code scanned ten times is asked once. One run
    // for them all, as nothing is asked online meanwhile: preparing a run looks at the index
    // again, which cost more than the answers.
    bool newRun = true;
    const AnswerFindsTogether together(m_local.answerStore());
    std::vector<ScanRow*> queued;
    for (ScanRow& row : m_rows)
        if (row.state == ScanRow::State::Queued)
            queued.push_back(&row);
    for (std::size_t i = 0; i < queued.size(); ++i) {
        answerLocally(*queued[i], newRun, [&queued, i](int k) -> std::optional<QString> {
            if (i + std::size_t(k) >= queued.size())
                return std::nullopt;
            return queued[i + std::size_t(k)]->code;
        });
        newRun = false;
    }
    changed({});
}

void ScanSession::clear()
{
    m_leftLines.reset();
    m_journal.clear();
    m_rows.clear();
    m_places.clear();
    m_scans.clear();
    m_queue.clear();
    changed({});
}

QStringList ScanSession::codesInScanOrder() const
{
    QStringList codes;
    QSet<QString> seen;
    for (const QString& code : m_scans) {
        if (m_places.contains(code) && !seen.contains(code)) {
            codes.append(code);
            seen.insert(code);
        }
    }
    return codes;
}

void ScanSession::changed(const QString& code)
{
    if (onRowChanged)
        onRowChanged(code);
}
