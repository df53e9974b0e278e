#include "results/RecordWriter.h"

#include "lookup/LookupChain.h"
#include "lookup/MarcRecord.h"

#include <QCoreApplication>

namespace {
// A summary names this many codes at most; the count says how many there are.
constexpr qsizetype kCodesNamed = 20;
} // namespace

QString LeftOutSummary(const QStringList& codes)
{
    QString named = codes.mid(0, kCodesNamed).join(QStringLiteral(", "));
    if (codes.size() > kCodesNamed)
        named += QStringLiteral(", \u2026");
    //: %n is how many codes, %1 the codes themselves.
    return QCoreApplication::translate("RecordWriter",
                                       "Left out of the file, without a catalogue record (%n): %1",
                                       nullptr, int(codes.size()))
        .arg(named);
}

RecordWriter::RecordWriter(OutcomeFormat format)
    : m_xml(format == OutcomeFormat::MarcXml)
{}

bool IsRecordFormat(OutcomeFormat format)
{
    return format == OutcomeFormat::Marc || format == OutcomeFormat::MarcXml;
}

QByteArray RecordWriter::begin()
{
    if (!m_xml)
        return {};
    return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<collection xmlns=\"http://www.loc.gov/MARC21/slim\">\n");
}

QByteArray RecordWriter::row(const CodeOutcome& outcome)
{
    const QString& kept = outcome.product.details.record;
    if (outcome.status != CodeOutcome::Status::Found || kept.isEmpty()) {
        m_leftOut.append(outcome.code);
        return {};
    }
    // Read again by YAZ: what was remembered may have been changed on disk since, and is
    // written only if it is still a record.
    const auto record = MarcRecord::fromMarcXml(kept.toUtf8());
    if (!std::holds_alternative<MarcRecord>(record)) {
        m_leftOut.append(outcome.code);
        return {};
    }
    ++m_written;
    const MarcRecord& read = std::get<MarcRecord>(record);
    return m_xml ? read.marcXml().toUtf8() : read.iso2709();
}

QByteArray RecordWriter::end()
{
    return m_xml ? QByteArrayLiteral("</collection>\n") : QByteArray();
}
