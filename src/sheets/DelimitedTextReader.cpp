#include "sheets/DelimitedTextReader.h"

#include "sheets/SheetBuilder.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace {
// The characters Windows-1252 puts at 0x80 to 0x9F, where Latin-1 has control characters; the
// five bytes it leaves undefined keep their Latin-1 meaning, as Windows itself decodes them.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString FromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kWindows1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

QString Decoded(QStringConverter::Encoding encoding, QByteArrayView bytes, bool* valid = nullptr)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (valid)
        *valid = !decoder.hasError();
    return text;
}

// Counts of each candidate separator on one line, outside quotes; the position after the line.
struct LineCounts
{
    std::array<int, 3> counts{};
    qsizetype next = 0;
};

constexpr std::array<char16_t, 3> kSeparators = {u',', u';', u'\t'};

LineCounts CountLine(QStringView text, qsizetype from)
{
    LineCounts line;
    bool quoted = false;
    qsizetype i = from;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && (c == u'\n' || c == u'\r')) {
            break;
        } else if (!quoted) {
            for (std::size_t s = 0; s < kSeparators.size(); ++s)
                line.counts[s] += c == kSeparators[s] ? 1 : 0;
        }
    }
    if (i < text.size() && text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
        ++i;
    line.next = i + 1;
    return line;
}
} // namespace

DelimitedTextReader::Encoding DelimitedTextReader::encodingOf(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return Encoding::Utf8WithMark;
    if (bytes.startsWith("\xFF\xFE"))
        return Encoding::Utf16LEWithMark;
    if (bytes.startsWith("\xFE\xFF"))
        return Encoding::Utf16BEWithMark;
    bool valid = false;
    Decoded(QStringConverter::Utf8, bytes, &valid);
    return valid ? Encoding::Utf8 : Encoding::Windows1252;
}

QString DelimitedTextReader::decode(const QByteArray& bytes)
{
    const QByteArrayView all(bytes);
    if (all.startsWith("\xEF\xBB\xBF"))
        return Decoded(QStringConverter::Utf8, all.sliced(3));
    if (all.startsWith("\xFF\xFE"))
        return Decoded(QStringConverter::Utf16LE, all.sliced(2));
    if (all.startsWith("\xFE\xFF"))
        return Decoded(QStringConverter::Utf16BE, all.sliced(2));
    bool valid = false;
    QString text = Decoded(QStringConverter::Utf8, all, &valid);
    return valid ? text : FromWindows1252(all);
}

QByteArray DelimitedTextReader::toWindows1252(QStringView text, qsizetype& unencodable)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *out++ = char(u);
            continue;
        }
        const auto* high = std::find(kWindows1252High.begin(), kWindows1252High.end(), u);
        if (high != kWindows1252High.end()) {
            *out++ = char(0x80 + (high - kWindows1252High.begin()));
        } else if (!c.isLowSurrogate()) { // a pair is one character, one "?"
            *out++ = '?';
            ++unencodable;
        }
    }
    bytes.resize(out - bytes.data());
    return bytes;
}

QChar DelimitedTextReader::guessSeparator(QStringView text)
{
    constexpr int kLinesLooked = 10;
    std::vector<LineCounts> lines;
    for (qsizetype at = 0; at < text.size() && int(lines.size()) < kLinesLooked;) {
        LineCounts line = CountLine(text, at);
        at = line.next;
        lines.push_back(line);
    }
    // For each separator: on how many lines it splits as it splits the first line.
    std::size_t best = 0;
    int bestScore = 0;
    for (std::size_t s = 0; s < kSeparators.size(); ++s) {
        if (lines.empty() || lines.front().counts[s] == 0)
            continue;
        int score = 0;
        for (const LineCounts& line : lines)
            score += line.counts[s] == lines.front().counts[s] ? 1 : 0;
        if (score > bestScore ||
            (score == bestScore && lines.front().counts[s] > lines.front().counts[best])) {
            best = s;
            bestScore = score;
        }
    }
    return QChar(kSeparators[best]);
}

Sheet DelimitedTextReader::read(QStringView text, QChar separator, const SheetLimits& limits)
{
    SheetBuilder sheet(limits);
    qsizetype row = 0;
    qsizetype column = 0;
    QString field;
    bool quoted = false;    // inside a quoted field
    bool wasQuoted = false; // the field began with a quote
    const auto endField = [&] {
        if (!field.isEmpty())
            sheet.set(row, column, SheetCell{SheetCell::Kind::Text, field, {}, 0});
        field.clear();
        wasQuoted = false;
        ++column;
    };
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"') {
                field += c;
            } else if (i + 1 < size && text[i + 1] == u'"') {
                field += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == u'"' && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (c == separator) {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            endField();
            if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
                ++i;
            ++row;
            column = 0;
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || column > 0)
        endField();
    return sheet.take();
}
