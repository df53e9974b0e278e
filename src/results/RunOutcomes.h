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
// A run of a hundred thousand codes keeps a hundred thousand of these, so each is kept compact
// (about a hundred bytes for a product of the index, beside the row text the table holds), and
// the records never move once added (no copy of them all while the store grows).
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
    // and the rest written out in a block of bytes of the run's store. A text a row shows is not
    // written again, only its place in the row text; a text that recurs from row to row (the
    // database, the source, its hosts and licence, the categories) is written once, in the
    // run's words, and each row names it by number; a link is written as what it adds to the
    // one before it or to a site and folder already named.
    struct Kept
    {
        QString rowText;
        const char* packed;
        CodeOutcome::Status status;
        int scanCount;
    };
    Kept compact(const CodeOutcome& outcome);
    CodeOutcome expand(const Kept& kept) const;
    // The run's number for a text many rows share; -1 when it is not to be one (too long, or
    // the run has as many as it keeps).
    qsizetype wordOf(const QString& text);
    // Where a block of `size` bytes goes: after the last block, or in a new piece of store.
    char* placeFor(qsizetype size);
    void forget();
    void place(std::size_t at) const;

    std::deque<Kept> m_outcomes;
    // The blocks of the rows, in pieces that never move once made.
    std::vector<std::unique_ptr<char[]>> m_store;
    qsizetype m_lastPiece = 0;
    qsizetype m_storeFree = 0;
    char* m_storeNext = nullptr;
    QByteArray m_scratch; // a block being written
    QStringList m_words;
    QHash<QString, qsizetype> m_wordNumbers;
    // The last outcome of each row text: the details window finds a row without a search. Made
    // when a row is first shown, not while the run adds its rows, and kept up to date from then.
    mutable QHash<QString, std::size_t> m_lastOfText;
    mutable bool m_indexed = false;
    Mode m_mode = Mode::Adding;
    std::size_t m_retryFrom = 0;
};
