#include "results/RunOutcomes.h"

#include <algorithm>

void RunOutcomes::beginRun()
{
    m_mode = Mode::Fresh;
}

void RunOutcomes::beginRetry()
{
    m_mode = Mode::Retrying;
    m_retryFrom = 0;
}

RunOutcomes::Kept RunOutcomes::compact(const CodeOutcome& outcome)
{
    if (outcome.sourceHosts != m_lastHosts)
        m_lastHosts = outcome.sourceHosts;
    Kept kept{outcome.status, outcome.scanCount, outcome.code,
              // Most checked codes read as the list holds them: one string serves both.
              outcome.gtin == outcome.code ? outcome.code : outcome.gtin, outcome.product.name,
              outcome.product.brand, outcome.product.quantity, outcome.source, outcome.rowText,
              nullptr};
    if (!outcome.product.database.isEmpty() || !outcome.product.details.isEmpty() ||
        !outcome.sourceHosts.isEmpty() || !outcome.licence.isEmpty() || !outcome.detail.isEmpty())
        kept.rarer =
            std::make_unique<Rarer>(Rarer{outcome.product.database, outcome.product.details,
                                          m_lastHosts, outcome.licence, outcome.detail});
    return kept;
}

CodeOutcome RunOutcomes::Expand(const Kept& kept)
{
    CodeOutcome outcome;
    outcome.status = kept.status;
    outcome.scanCount = kept.scanCount;
    outcome.code = kept.code;
    outcome.gtin = kept.gtin;
    outcome.product.name = kept.name;
    outcome.product.brand = kept.brand;
    outcome.product.quantity = kept.quantity;
    outcome.source = kept.source;
    outcome.rowText = kept.rowText;
    if (kept.rarer) {
        outcome.product.database = kept.rarer->database;
        outcome.product.details = kept.rarer->details;
        outcome.sourceHosts = kept.rarer->sourceHosts;
        outcome.licence = kept.rarer->licence;
        outcome.detail = kept.rarer->detail;
    }
    return outcome;
}

void RunOutcomes::place(std::size_t at) const
{
    const QString& text = m_outcomes[at].rowText;
    std::size_t& last = m_lastOfText[text];
    // A retried row replaces one in the middle: a later row of the same text still comes last.
    if (last < at || m_outcomes[last].rowText != text)
        last = at;
}

void RunOutcomes::add(const CodeOutcome& outcome)
{
    if (m_mode == Mode::Fresh) {
        m_outcomes.clear();
        m_lastOfText.clear();
        m_indexed = false;
        m_mode = Mode::Adding;
    }
    if (m_mode == Mode::Retrying) {
        for (std::size_t i = m_retryFrom; i < m_outcomes.size(); ++i) {
            if (m_outcomes[i].status == CodeOutcome::Status::Failed &&
                m_outcomes[i].code == outcome.code) {
                m_outcomes[i] = compact(outcome);
                if (m_indexed)
                    place(i);
                m_retryFrom = i + 1;
                return;
            }
        }
        return; // a row that was not in the last run
    }
    m_outcomes.push_back(compact(outcome));
    if (m_indexed)
        place(m_outcomes.size() - 1);
}

std::optional<CodeOutcome> RunOutcomes::ofRow(const QString& rowText) const
{
    if (!m_indexed) {
        m_lastOfText.reserve(qsizetype(m_outcomes.size()));
        for (std::size_t i = 0; i < m_outcomes.size(); ++i)
            place(i);
        m_indexed = true;
    }
    const auto found = m_lastOfText.constFind(rowText);
    if (found == m_lastOfText.constEnd())
        return std::nullopt;
    if (m_outcomes[*found].rowText == rowText)
        return Expand(m_outcomes[*found]);
    // The row it named was retried since and reads otherwise now: an earlier one may still.
    for (std::size_t i = m_outcomes.size(); i-- > 0;) {
        if (m_outcomes[i].rowText == rowText)
            return Expand(m_outcomes[i]);
    }
    return std::nullopt;
}

std::vector<CodeOutcome> RunOutcomes::ofRows(const QStringList& rowTexts) const
{
    // Where each text occurs, in order, so that a table of rows without outcomes costs no more
    // than one of matched rows.
    QHash<QString, std::vector<std::size_t>> places;
    for (std::size_t i = 0; i < m_outcomes.size(); ++i)
        places[m_outcomes[i].rowText].push_back(i);
    std::vector<CodeOutcome> rows;
    std::size_t next = 0;
    for (const QString& text : rowTexts) {
        const auto found = places.constFind(text);
        if (found == places.constEnd())
            continue;
        const auto at = std::lower_bound(found->cbegin(), found->cend(), next);
        if (at == found->cend())
            continue;
        rows.push_back(Expand(m_outcomes[*at]));
        next = *at + 1;
    }
    return rows;
}
