#include "results/RunOutcomes.h"

#include <QHash>

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

void RunOutcomes::add(const CodeOutcome& outcome)
{
    if (m_mode == Mode::Fresh) {
        m_outcomes.clear();
        m_mode = Mode::Adding;
    }
    if (m_mode == Mode::Retrying) {
        for (std::size_t i = m_retryFrom; i < m_outcomes.size(); ++i) {
            if (m_outcomes[i].status == CodeOutcome::Status::Failed &&
                m_outcomes[i].code == outcome.code) {
                m_outcomes[i] = outcome;
                m_retryFrom = i + 1;
                return;
            }
        }
        return; // a row that was not in the last run
    }
    m_outcomes.push_back(outcome);
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
        rows.push_back(m_outcomes[*at]);
        next = *at + 1;
    }
    return rows;
}
