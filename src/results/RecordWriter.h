#pragma once

#include "results/OutcomeWriter.h"

#include <QStringList>

#include <memory>

// The catalogue records of the found rows, one after the other, exactly as their libraries sent
// them (in UTF-8; a record in MARC-8 converted by YAZ, leader position 09 'a'): --format marc as
// MARC 21 in ISO 2709 (.mrc), --format marcxml as one <collection> in the MARC 21 slim namespace.
// A row without a record (not found, failed, or found by a source that sends none, such as Open
// Library) adds nothing to the file and is counted among leftOut().
class RecordWriter final : public OutcomeWriter
{
public:
    explicit RecordWriter(OutcomeFormat format);

    QByteArray begin() override;
    QByteArray row(const CodeOutcome& outcome) override;
    QByteArray end() override;
    QStringList leftOut() const override { return m_leftOut; }
    qsizetype written() const { return m_written; }

private:
    bool m_xml;
    QStringList m_leftOut;
    qsizetype m_written = 0;
};

// Whether the format is a file of catalogue records rather than of rows.
bool IsRecordFormat(OutcomeFormat format);

// What a summary says of the rows a file of records left out: how many, and their codes (the
// first twenty).
QString LeftOutSummary(const QStringList& codes);
