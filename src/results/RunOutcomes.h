#pragma once

#include "lookup/LookupChain.h"

#include <QStringList>

#include <vector>

// What became of each row of the last lookup run beyond the text the results table shows (brand,
// source, categories, ...), in the order the run gave it, so that the results can be saved with
// every column. The table's rows are matched to these in order, by their text: rows the user
// removed are simply not there, and rows of the same text (two codes found under one name) keep
// their own outcomes.
class RunOutcomes final
{
public:
    // A run that fills the results table afresh is starting. What the last one gave is forgotten
    // with its first outcome, so that a run that never gets as far as one (no codes, a cancelled
    // dialog) leaves the table and its outcomes matched.
    void beginRun();
    // Failed rows are being asked again: each outcome replaces the next failed one of its code,
    // as the rows are replaced in the table.
    void beginRetry();
    void add(const CodeOutcome& outcome);

    // The outcomes of rows of those texts, in order; a text without one is left out.
    std::vector<CodeOutcome> ofRows(const QStringList& rowTexts) const;

private:
    enum class Mode { Adding, Fresh, Retrying };

    std::vector<CodeOutcome> m_outcomes;
    Mode m_mode = Mode::Adding;
    std::size_t m_retryFrom = 0;
};
