#include "results/FaithfulTextCopy.h"

#include "platform/OutputFile.h"
#include "results/OutcomeWriter.h"
#include "results/SheetAnswers.h"
#include "sheets/DelimitedTextReader.h"

#include <QStringEncoder>

#include <vector>

namespace {
using Encoding = DelimitedTextReader::Encoding;
constexpr qsizetype kCopyBlockBytes = 64 * 1024;

// One row of the text: where its fields end and its line break begins, the break, and how many
// fields it has, quoted line breaks inside it read as the reader reads them.
struct Record
{
    qsizetype start = 0;
    qsizetype end = 0;  // before the line break
    qsizetype next = 0; // after it
    qsizetype fields = 1;
    bool allQuoted = true;
};

Record NextRecord(QStringView text, qsizetype from, QChar separator)
{
    Record record;
    record.start = from;
    bool quoted = false;
    bool fieldStart = true;
    qsizetype i = from;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"')
                    ++i;
                else
                    quoted = false;
            }
            continue;
        }
        if (c == u'\r' || c == u'\n')
            break;
        if (c == u'"' && fieldStart) {
            quoted = true;
        } else if (c == separator) {
            ++record.fields;
            if (fieldStart)
                record.allQuoted = false;
            fieldStart = true;
            continue;
        } else if (fieldStart) {
            record.allQuoted = false;
        }
        fieldStart = false;
    }
    if (fieldStart)
        record.allQuoted = false;
    record.end = i;
    if (i < text.size() && text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
        record.next = i + 2;
    else
        record.next = std::min(i + 1, text.size());
    return record;
}

QString Field(const QString& value, QChar separator, bool quoteAll)
{
    const QString safe = SpreadsheetSafe(value);
    if (!quoteAll && !safe.contains(separator) && !safe.contains(u'"') && !safe.contains(u'\r') &&
        !safe.contains(u'\n'))
        return safe;
    QString quoted = safe;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

class Encoder
{
public:
    explicit Encoder(Encoding encoding)
        : m_encoding(encoding)
    {
        if (encoding == Encoding::Utf16LEWithMark)
            m_utf16.emplace(QStringConverter::Utf16LE);
        else if (encoding == Encoding::Utf16BEWithMark)
            m_utf16.emplace(QStringConverter::Utf16BE);
    }

    QByteArray mark() const
    {
        switch (m_encoding) {
        case Encoding::Utf8WithMark:
            return "\xEF\xBB\xBF";
        case Encoding::Utf16LEWithMark:
            return "\xFF\xFE";
        case Encoding::Utf16BEWithMark:
            return "\xFE\xFF";
        case Encoding::Utf8:
        case Encoding::Windows1252:
            break;
        }
        return {};
    }

    QByteArray encode(QStringView text)
    {
        if (m_encoding == Encoding::Windows1252)
            return DelimitedTextReader::toWindows1252(text, m_unencodable);
        if (m_utf16)
            return m_utf16->encode(text);
        return text.toUtf8();
    }

    qsizetype unencodable() const { return m_unencodable; }

private:
    Encoding m_encoding;
    std::optional<QStringEncoder> m_utf16;
    qsizetype m_unencodable = 0;
};
} // namespace

qsizetype FaithfulTextCopy::write(const QByteArray& bytes, QChar separator,
                                  const SheetAnswers& answers, OutputFile& out)
{
    Encoder encoder(DelimitedTextReader::encodingOf(bytes));
    const QString text = DelimitedTextReader::decode(bytes);
    // Every row is filled out to the widest, so that the answers line up in their columns.
    qsizetype width = std::max<qsizetype>(answers.sheetWidth(), 1);
    bool quoteAll = false;
    for (qsizetype at = 0, row = 0; at < text.size(); ++row) {
        const Record record = NextRecord(text, at, separator);
        width = std::max(width, record.fields);
        if (row == std::max<qsizetype>(answers.headerRow(), 0))
            quoteAll = record.allQuoted;
        at = record.next;
    }
    QByteArray block = encoder.mark();
    std::size_t next = 0;
    const QString empties(answers.answerColumns(), separator);
    for (qsizetype at = 0, row = 0; at < text.size(); ++row) {
        const Record record = NextRecord(text, at, separator);
        QString line = text.mid(record.start, record.end - record.start);
        line += QString(width - record.fields, separator);
        const QStringList* cells =
            row == answers.headerRow() ? &answers.header() : answers.answersOf(row, next);
        if (cells) {
            for (const QString& cell : *cells)
                line += separator + Field(cell, separator, quoteAll);
        } else {
            line += empties;
        }
        line += QStringView(text).mid(record.end, record.next - record.end);
        block += encoder.encode(line);
        if (block.size() >= kCopyBlockBytes) {
            out.write(block);
            block.clear();
        }
        at = record.next;
    }
    out.write(block);
    return encoder.unencodable();
}
