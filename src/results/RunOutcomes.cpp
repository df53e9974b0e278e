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

namespace {

// A length below 255 takes one byte; a longer one, 255 and then four bytes.
void PutLength(QByteArray& out, quint32 length)
{
    if (length < 255) {
        out.append(char(length));
        return;
    }
    out.append(char(255));
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((length >> shift) & 0xff));
}

void Put(QByteArray& out, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    PutLength(out, quint32(utf8.size()));
    out.append(utf8);
}

// Reads back what Put wrote, in the same order.
class Reader
{
public:
    explicit Reader(const QByteArray& packed)
        : m_data(packed)
    {}
    quint32 length()
    {
        const auto byte = [this] { return quint32(quint8(m_data.at(m_at++))); };
        quint32 length = byte();
        if (length == 255) {
            length = 0;
            for (int shift = 0; shift < 32; shift += 8)
                length |= byte() << shift;
        }
        return length;
    }
    QString text()
    {
        const quint32 size = length();
        const QString text = QString::fromUtf8(m_data.constData() + m_at, qsizetype(size));
        m_at += qsizetype(size);
        return text;
    }

private:
    const QByteArray& m_data;
    qsizetype m_at = 0;
};

} // namespace

RunOutcomes::Kept RunOutcomes::Compact(const CodeOutcome& outcome)
{
    QByteArray packed;
    packed.reserve(256);
    Put(packed, outcome.code);
    // Most checked codes read as the list holds them: written once.
    const bool sameGtin = outcome.gtin == outcome.code;
    packed.append(char(sameGtin));
    if (!sameGtin)
        Put(packed, outcome.gtin);
    const ProductAnswer& product = outcome.product;
    const ProductDetails& details = product.details;
    for (const QString* text :
         {&product.name, &product.brand, &product.quantity, &product.database, &details.categories,
          &details.countries, &details.imageUrl, &details.thumbnailUrl, &details.pageUrl,
          &details.publishers, &details.published, &details.description, &outcome.source,
          &outcome.licence, &outcome.detail})
        Put(packed, *text);
    PutLength(packed, quint32(outcome.sourceHosts.size()));
    for (const QString& host : outcome.sourceHosts)
        Put(packed, host);
    PutLength(packed, quint32(outcome.filledFrom.size()));
    for (const auto& [field, source] : outcome.filledFrom) {
        Put(packed, field);
        Put(packed, source);
    }
    packed.squeeze();
    return Kept{outcome.status, outcome.scanCount, outcome.rowText, packed};
}

CodeOutcome RunOutcomes::Expand(const Kept& kept)
{
    CodeOutcome outcome;
    outcome.status = kept.status;
    outcome.scanCount = kept.scanCount;
    outcome.rowText = kept.rowText;
    Reader read(kept.packed);
    outcome.code = read.text();
    outcome.gtin = read.length() != 0 ? outcome.code : read.text();
    ProductAnswer& product = outcome.product;
    ProductDetails& details = product.details;
    for (QString* text :
         {&product.name, &product.brand, &product.quantity, &product.database, &details.categories,
          &details.countries, &details.imageUrl, &details.thumbnailUrl, &details.pageUrl,
          &details.publishers, &details.published, &details.description, &outcome.source,
          &outcome.licence, &outcome.detail})
        *text = read.text();
    for (quint32 hosts = read.length(); hosts > 0; --hosts)
        outcome.sourceHosts.append(read.text());
    for (quint32 fields = read.length(); fields > 0; --fields) {
        QString field = read.text();
        outcome.filledFrom.append({field, read.text()});
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
                Reader(m_outcomes[i].packed).text() == outcome.code) {
                m_outcomes[i] = Compact(outcome);
                if (m_indexed)
                    place(i);
                m_retryFrom = i + 1;
                return;
            }
        }
        return; // a row that was not in the last run
    }
    m_outcomes.push_back(Compact(outcome));
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
