#include "lookup/LookupPage.h"

#include "common/MainRoutines.h"

#include <optional>

namespace {
// The first position (counting from 1) of `what` in `text` at or after position `start`, or 0
// when there is none. A start beyond the end finds nothing, not even an empty text; an empty text
// is otherwise found at the start itself. Positions count from 1 so that the arithmetic below
// (the marker's position + its length, the code's + its length, "</a>" - start) stays the same
// arithmetic the page format is described in, where an off-by-one would otherwise hide.
qsizetype Find(QStringView text, qsizetype start, QStringView what,
               Qt::CaseSensitivity cs = Qt::CaseSensitive)
{
    if (start < 1 || start > text.size())
        return 0;
    if (what.isEmpty())
        return start;
    const qsizetype at = text.indexOf(what, start - 1, cs);
    return at < 0 ? 0 : at + 1;
}

// The `length` characters of `text` starting at position `start` (from 1).
QStringView Mid(QStringView text, qsizetype start, qsizetype length)
{
    return text.sliced(start - 1, length);
}

// The fragment without its tags in one pass, when no stretch of it before a ">" holds more than
// one "<" since the previous ">"; nothing otherwise. In such a fragment every tag is a separate
// "<...>" stretch, and removing each tag's text everywhere can never join what is left into a new
// tag, so every tag goes and nothing else does: the same text that removing tag after tag gives,
// without going through the whole fragment once per tag. That matters for a long fragment full of
// tags, which would otherwise keep the window busy for minutes.
std::optional<QString> WithoutSeparateTags(QStringView source)
{
    QString result;
    result.reserve(source.size());
    qsizetype kept = 0; // everything before this is in the result or removed
    qsizetype open = -1;
    for (qsizetype i = 0; i < source.size(); ++i) {
        if (source[i] == u'<') {
            if (open >= 0)
                return std::nullopt;
            open = i;
        } else if (source[i] == u'>' && open >= 0) {
            result += source.sliced(kept, open - kept);
            kept = i + 1;
            open = -1;
        }
    }
    result += source.sliced(kept);
    return result;
}

QString DecodeEntities(QString text)
{
    // Only after every tag is gone, so that an encoded tag stays text.
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    return text;
}
} // namespace

LookupPageResult ParseLookupPage(QStringView page, QStringView code)
{
    constexpr auto ci = Qt::CaseInsensitive;
    const QString t = TrimSpaces(code);
    LookupPageResult result;

    const qsizetype P = Find(page, 1, kRecordMarker, ci);
    if (P == 0)
        return result;
    result.recordFound = true;

    const qsizetype Q = Find(page, P + kRecordMarker.size(), t, ci);
    if (Q == 0)
        return result;
    const qsizetype R = Find(page, Q + t.size(), u":", ci);
    if (R == 0)
        return result;
    const qsizetype start = R + 1;
    const qsizetype S = Find(page, start, u"</a>", ci);
    if (S == 0)
        return result;

    QString name = StripMarkup(Mid(page, start, S - start).toString());
    name.remove(u'\n');
    name.remove(u'\r');
    result.productName = TrimSpaces(name);
    return result;
}

QString StripMarkup(const QString& fragment)
{
    if (std::optional<QString> stripped = WithoutSeparateTags(fragment))
        return DecodeEntities(std::move(*stripped));

    // Tags are found in the untouched fragment and removed from the copy by their text, so a tag
    // that occurs several times goes everywhere at its first sighting.
    const QString& source = fragment;
    QString result = source;

    qsizetype a = Find(source, 1, u"<");
    while (a != 0) {
        const qsizetype b = Find(source, a + 1, u">");
        // A "<" that no ">" follows starts no tag, and neither can any "<" after it: the rest of
        // the fragment stays as it is.
        if (b == 0)
            break;
        result.replace(Mid(source, a, b - a + 1).toString(), QString());
        a = Find(source, a + 1, u"<");
    }

    return DecodeEntities(std::move(result));
}
