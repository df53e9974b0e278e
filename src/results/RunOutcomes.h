#pragma once

#include "lookup/LookupChain.h"

#include <QHash>
#include <QStringList>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

// What became of each row of the last lookup run beyond the text the results table shows (brand,
// source, categories, ...), in the order the run gave it, so that the results can be saved with
// every column and a row's details shown again. The table's rows are matched to these in order,
// by their text: rows the user removed are simply not there, and rows of the same text (two codes
// found under one name) keep their own outcomes.
//
// A run of a hundred thousand codes keeps a hundred thousand of these, so each is kept compact,
// and the records never move once added (no copy of them all while the store grows).
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
    // The latest outcome of a row of that text, if the run gave one.
    std::optional<CodeOutcome> ofRow(const QString& rowText) const;

private:
    enum class Mode { Adding, Fresh, Retrying };

    // A row as kept: its text (the table holds the same string, so it costs nothing more here)
    // and the rest written out in UTF-8, one block a row, which is a third of the strings and
    // records a CodeOutcome is made of.
    struct Kept
    {
        CodeOutcome::Status status;
        int scanCount;
        QString rowText;
        QByteArray packed;
    };
    static Kept Compact(const CodeOutcome& outcome);
    static CodeOutcome Expand(const Kept& kept);
    void place(std::size_t at) const;

    std::deque<Kept> m_outcomes;
    // The last outcome of each row text: the details window finds a row without a search. Made
    // when a row is first shown, not while the run adds its rows, and kept up to date from then.
    mutable QHash<QString, std::size_t> m_lastOfText;
    mutable bool m_indexed = false;
    Mode m_mode = Mode::Adding;
    std::size_t m_retryFrom = 0;
};
