#include "results/RunOutcomes.h"

#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace {

// How a text is written in a row's block: one of these bytes, then what it says.
enum Form : char {
    kEmpty,     // nothing follows
    kLiteral,   // its length in bytes, then its UTF-8
    kWord,      // the number of one of the run's words
    kPartOfRow, // where it starts in the row text and how long it is, in UTF-16 units
    kAfterWord, // a word (a site and the first folder of its path), then the rest as a literal
    kAfterLast, // how much of the text before it it starts with, then the rest as a literal
};

// What a text is likely to be, and so how it is best written.
enum class Kind {
    Shown,  // part of what the row reads (the name, the brand, the quantity)
    Shared, // the same in many rows (the database, the source, the categories, ...)
    Link,   // an address, most of which the one before it or many others share
    Own,    // its row's alone (a description): written as it is, taking no word
};

// A run keeps at most this many words, each at most this long: what is left out is written in
// full, so that a run of texts that never recur costs no more than the texts.
constexpr qsizetype kMostWords = 4096;
constexpr qsizetype kLongestWord = 200;
// A run's first piece of store, and the largest: each is twice the one before, so a run of a
// few codes takes a few kilobytes.
constexpr qsizetype kFirstPiece = 4096;
constexpr qsizetype kLargestPiece = 256 * 1024;
// A link starting with this much of the text before it is written as the rest alone.
constexpr qsizetype kLongestSharedStart = 8;

// The texts of an outcome after its code, in the order they are written, and what each is.
template <typename Outcome>
auto TextsOf(Outcome& outcome)
{
    auto& product = outcome.product;
    auto& details = product.details;
    using Text = decltype(&product.name);
    return std::array<std::pair<Text, Kind>, 20>{
        {{&product.name, Kind::Shown},        {&product.brand, Kind::Shown},
         {&product.quantity, Kind::Shown},    {&product.database, Kind::Shared},
         {&details.categories, Kind::Shared}, {&details.countries, Kind::Shared},
         {&details.imageUrl, Kind::Link},     {&details.thumbnailUrl, Kind::Link},
         {&details.pageUrl, Kind::Link},      {&details.publishers, Kind::Shared},
         {&details.published, Kind::Shared},  {&details.description, Kind::Own},
         {&details.author, Kind::Shared},     {&details.controlNumber, Kind::Own},
         {&details.subjects, Kind::Shared},   {&details.record, Kind::Own},
         {&outcome.source, Kind::Shared},     {&outcome.licence, Kind::Shared},
         {&outcome.detail, Kind::Shared},     {&outcome.innerGtin, Kind::Own}}};
}

// Seven bits a byte, the lowest first; the top bit says another byte follows.
int NumberBytes(char* out, quint64 number)
{
    int n = 0;
    while (number >= 0x80) {
        out[n++] = char(0x80 | (number & 0x7f));
        number >>= 7;
    }
    out[n++] = char(number);
    return n;
}

void PutNumber(QByteArray& out, quint64 number)
{
    char bytes[10];
    out.append(bytes, NumberBytes(bytes, number));
}

// Its length in bytes, then its UTF-8, written straight into the block.
void PutLiteral(QByteArray& out, QStringView text)
{
    constexpr qsizetype kLongestLength = 10;
    const qsizetype at = out.size();
    out.resize(at + kLongestLength + 3 * text.size());
    char* const utf8 = out.data() + at + kLongestLength;
    // Stateless: half a surrogate pair at a text's end is replaced (U+FFFD), as one elsewhere
    // is, rather than held back for a next call that never comes and lost.
    QStringEncoder toUtf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    const qsizetype bytes = toUtf8.appendToBuffer(utf8, text) - utf8;
    char length[kLongestLength];
    const int lengthBytes = NumberBytes(length, quint64(bytes));
    std::memmove(out.data() + at + lengthBytes, utf8, std::size_t(bytes));
    std::memcpy(out.data() + at, length, std::size_t(lengthBytes));
    out.resize(at + lengthBytes + bytes);
}

qsizetype SharedStart(const QString& text, const QString& before)
{
    const qsizetype most = std::min(text.size(), before.size());
    qsizetype n = 0;
    while (n < most && text[n] == before[n])
        ++n;
    return n;
}

// Reads back what a block holds, in the order it was written.
class Reader
{
public:
    Reader(const char* block, const QString& rowText, const QStringList& words)
        : m_at(block)
        , m_rowText(rowText)
        , m_words(words)
    {}
    quint64 number()
    {
        quint64 number = 0;
        for (int shift = 0;; shift += 7) {
            const auto byte = quint8(*m_at++);
            number |= quint64(byte & 0x7f) << shift;
            if (!(byte & 0x80))
                return number;
        }
    }
    bool flag() { return *m_at++ != 0; }
    QString literal()
    {
        const auto size = qsizetype(number());
        const QString text = QString::fromUtf8(m_at, size);
        m_at += size;
        return text;
    }
    QString text()
    {
        QString text;
        switch (Form(*m_at++)) {
        case kEmpty:
            return text;
        case kLiteral:
            text = literal();
            break;
        case kWord:
            text = m_words.at(qsizetype(number()));
            break;
        case kPartOfRow: {
            const auto start = qsizetype(number());
            text = m_rowText.mid(start, qsizetype(number()));
            break;
        }
        case kAfterWord:
            text = m_words.at(qsizetype(number()));
            text += literal();
            break;
        case kAfterLast:
            text = m_last.left(qsizetype(number()));
            text += literal();
            break;
        }
        m_last = text;
        return text;
    }

private:
    const char* m_at;
    const QString& m_rowText;
    const QStringList& m_words;
    QString m_last; // the last text read that was not empty
};

} // namespace

void RunOutcomes::beginRun()
{
    m_mode = Mode::Fresh;
}

void RunOutcomes::beginRetry()
{
    m_mode = Mode::Retrying;
    m_retryFrom = 0;
}

qsizetype RunOutcomes::wordOf(const QString& text)
{
    if (text.size() > kLongestWord)
        return -1;
    const auto found = m_wordNumbers.constFind(text);
    if (found != m_wordNumbers.constEnd())
        return *found;
    if (m_words.size() >= kMostWords)
        return -1;
    m_wordNumbers.insert(text, m_words.size());
    m_words.append(text);
    return m_words.size() - 1;
}

char* RunOutcomes::placeFor(qsizetype size)
{
    if (size > m_storeFree) {
        m_lastPiece = std::clamp(m_lastPiece * 2, kFirstPiece, kLargestPiece);
        const qsizetype piece = std::max(m_lastPiece, size);
        m_store.emplace_back(new char[std::size_t(piece)]);
        m_storeNext = m_store.back().get();
        m_storeFree = piece;
    }
    char* const at = m_storeNext;
    m_storeNext += size;
    m_storeFree -= size;
    return at;
}

RunOutcomes::Kept RunOutcomes::compact(const CodeOutcome& outcome)
{
    QByteArray& out = m_scratch;
    out.resize(0); // keeps what the last block made room for
    PutLiteral(out, outcome.code);
    // Most checked codes read as the list holds them: written once.
    const bool sameGtin = outcome.gtin == outcome.code;
    out.append(char(sameGtin));
    if (!sameGtin)
        PutLiteral(out, outcome.gtin);
    const QString* last = nullptr; // the last text written that was not empty
    const auto put = [&](const QString& text, Kind kind) {
        if (text.isEmpty()) {
            out.append(char(kEmpty));
            return;
        }
        const QString* const before = std::exchange(last, &text);
        if (kind == Kind::Shown) {
            if (const qsizetype start = outcome.rowText.indexOf(text); start >= 0) {
                out.append(char(kPartOfRow));
                PutNumber(out, quint64(start));
                PutNumber(out, quint64(text.size()));
                return;
            }
        } else if (kind == Kind::Shared) {
            if (const qsizetype word = wordOf(text); word >= 0) {
                out.append(char(kWord));
                PutNumber(out, quint64(word));
                return;
            }
        } else if (kind == Kind::Link) {
            // Most of a thumbnail's address is its picture's; else the site and the first
            // folder are those of many rows: "https://images.example.org/images/".
            if (const qsizetype shared = before ? SharedStart(text, *before) : 0;
                shared >= kLongestSharedStart) {
                out.append(char(kAfterLast));
                PutNumber(out, quint64(shared));
                PutLiteral(out, QStringView(text).sliced(shared));
                return;
            }
            const qsizetype host = text.indexOf(u"//");
            const qsizetype path = host < 0 ? -1 : text.indexOf(u'/', host + 2);
            const qsizetype folder = path < 0 ? -1 : text.indexOf(u'/', path + 1);
            if (const qsizetype word = folder < 0 ? -1 : wordOf(text.first(folder + 1));
                word >= 0) {
                out.append(char(kAfterWord));
                PutNumber(out, quint64(word));
                PutLiteral(out, QStringView(text).sliced(folder + 1));
                return;
            }
        }
        out.append(char(kLiteral));
        PutLiteral(out, text);
    };
    for (const auto& [text, kind] : TextsOf(outcome))
        put(*text, kind);
    PutNumber(out, quint64(outcome.sourceHosts.size()));
    for (const QString& host : outcome.sourceHosts)
        put(host, Kind::Shared);
    // Nearly always the finding source gave the picture too: 0 says so in one byte.
    const bool samePictureHosts = outcome.pictureHosts == outcome.sourceHosts;
    PutNumber(out, samePictureHosts ? 0 : quint64(outcome.pictureHosts.size()) + 1);
    if (!samePictureHosts) {
        for (const QString& host : outcome.pictureHosts)
            put(host, Kind::Shared);
    }
    PutNumber(out, quint64(outcome.filledFrom.size()));
    for (const auto& [field, source] : outcome.filledFrom) {
        put(field, Kind::Shared);
        put(source, Kind::Shared);
    }
    char* const block = placeFor(out.size());
    std::memcpy(block, out.constData(), std::size_t(out.size()));
    return Kept{outcome.rowText, block, outcome.status, outcome.scanCount};
}

CodeOutcome RunOutcomes::expand(const Kept& kept) const
{
    CodeOutcome outcome;
    outcome.status = kept.status;
    outcome.scanCount = kept.scanCount;
    outcome.rowText = kept.rowText;
    Reader read(kept.packed, kept.rowText, m_words);
    outcome.code = read.literal();
    outcome.gtin = read.flag() ? outcome.code : read.literal();
    for (const auto& [text, kind] : TextsOf(outcome))
        *text = read.text();
    for (quint64 hosts = read.number(); hosts > 0; --hosts)
        outcome.sourceHosts.append(read.text());
    if (const quint64 pictureHosts = read.number(); pictureHosts == 0) {
        outcome.pictureHosts = outcome.sourceHosts;
    } else {
        for (quint64 hosts = pictureHosts - 1; hosts > 0; --hosts)
            outcome.pictureHosts.append(read.text());
    }
    for (quint64 fields = read.number(); fields > 0; --fields) {
        QString field = read.text();
        outcome.filledFrom.append({field, read.text()});
    }
    return outcome;
}

void RunOutcomes::forget()
{
    m_outcomes.clear();
    m_store.clear();
    m_lastPiece = 0;
    m_storeFree = 0;
    m_storeNext = nullptr;
    m_words.clear();
    m_wordNumbers.clear();
    m_lastOfText.clear();
    m_indexed = false;
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
        forget();
        m_mode = Mode::Adding;
    }
    if (m_mode == Mode::Retrying) {
        for (std::size_t i = m_retryFrom; i < m_outcomes.size(); ++i) {
            const Kept& kept = m_outcomes[i];
            if (kept.status == CodeOutcome::Status::Failed &&
                Reader(kept.packed, kept.rowText, m_words).literal() == outcome.code) {
                // The old block stays where it is, unread: retries are few.
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
        return expand(m_outcomes[*found]);
    // The row it named was retried since and reads otherwise now: an earlier one may still.
    for (std::size_t i = m_outcomes.size(); i-- > 0;) {
        if (m_outcomes[i].rowText == rowText)
            return expand(m_outcomes[i]);
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
        rows.push_back(expand(m_outcomes[*at]));
        next = *at + 1;
    }
    return rows;
}
