// The page parser and the markup stripper on any text. The input's first line is the code, the
// rest the page; its pieces between U+0001 characters also build a page whose answer is known.
#include "common/MainRoutines.h"
#include "fuzz/FuzzSupport.h"
#include "lookup/LookupPage.h"

namespace {
using fuzz::Quoted;

char16_t AsciiLower(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') ? char16_t(u + (u'a' - u'A')) : u;
}

// Letter case ignored for ASCII letters only: the markers are ASCII, so this needs nothing of
// Qt's case folding to say where they are.
bool ContainsCaseless(QStringView text, QStringView what)
{
    for (qsizetype at = 0; at + what.size() <= text.size(); ++at) {
        qsizetype i = 0;
        while (i < what.size() && AsciiLower(text[at + i]) == AsciiLower(what[i]))
            ++i;
        if (i == what.size())
            return true;
    }
    return false;
}

QString DecodeOnly(QString text)
{
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    return text;
}

// The rule itself, tag after tag: the text of each tag, found in the untouched fragment, goes
// everywhere from the copy; then the two entities are decoded.
QString StripTagAfterTag(const QString& fragment)
{
    QString result = fragment;
    for (qsizetype open = fragment.indexOf(u'<'); open >= 0;
         open = fragment.indexOf(u'<', open + 1)) {
        const qsizetype close = fragment.indexOf(u'>', open + 1);
        if (close < 0)
            break;
        result.replace(fragment.sliced(open, close - open + 1), QString());
    }
    return DecodeOnly(result);
}

bool IsSubsequence(QStringView part, QStringView whole)
{
    qsizetype i = 0;
    for (qsizetype j = 0; i < part.size() && j < whole.size(); ++j) {
        if (part[i] == whole[j])
            ++i;
    }
    return i == part.size();
}

QString Without(QString text, QStringView characters)
{
    for (const QChar c : characters)
        text.remove(c);
    return text;
}

void CheckStripMarkup(const QString& fragment)
{
    const QString stripped = StripMarkup(fragment);
    const QString context = QStringLiteral("fragment ") + Quoted(fragment) +
                            QStringLiteral("\nstripped ") + Quoted(stripped);

    FUZZ_CHECK(stripped == StripTagAfterTag(fragment),
               context + QStringLiteral("\ntag after tag ") + Quoted(StripTagAfterTag(fragment)));
    FUZZ_CHECK(stripped.size() <= fragment.size(), context);
    if (!fragment.contains(u'<'))
        FUZZ_CHECK(stripped == DecodeOnly(fragment), context);
    // Without entities, stripping only ever removes characters.
    if (!fragment.contains(u'&'))
        FUZZ_CHECK(IsSubsequence(stripped, fragment), context);

    // Text whose "<" are all encoded comes back as it was, tags and all.
    const QString plain = Without(fragment, u"&");
    QString encoded = plain;
    encoded.replace(u'<', QStringLiteral("&lt;"));
    FUZZ_CHECK(StripMarkup(encoded) == plain, QStringLiteral("plain ") + Quoted(plain) +
                                                  QStringLiteral("\ngot ") +
                                                  Quoted(StripMarkup(encoded)));

    // One tag between plain text goes, and only the tag.
    const QString bare = Without(fragment, u"<>&");
    const qsizetype third = bare.size() / 3;
    const QString before = bare.first(third);
    const QString inside = bare.sliced(third, third);
    const QString after = bare.sliced(2 * third);
    const QString tagged = before + u'<' + inside + u'>' + after;
    FUZZ_CHECK(StripMarkup(tagged) == before + after, QStringLiteral("tagged ") + Quoted(tagged) +
                                                          QStringLiteral("\ngot ") +
                                                          Quoted(StripMarkup(tagged)));
}

QString Describe(const LookupPageResult& result)
{
    return (result.recordFound ? QStringLiteral("record ") : QStringLiteral("no record ")) +
           Quoted(result.productName);
}

void CheckParse(const QString& page, const QString& code)
{
    const LookupPageResult result = ParseLookupPage(page, code);
    const QString& name = result.productName;
    const QString context = QStringLiteral("code ") + Quoted(code) + QStringLiteral("\npage ") +
                            Quoted(page) + QStringLiteral("\nresult ") + Describe(result);

    FUZZ_CHECK(result.recordFound == ContainsCaseless(page, kRecordMarker), context);
    FUZZ_CHECK(result.recordFound || name.isEmpty(), context);
    FUZZ_CHECK(!name.contains(u'\n') && !name.contains(u'\r'), context);
    FUZZ_CHECK(!name.startsWith(u' ') && !name.endsWith(u' '), context);
    FUZZ_CHECK(name.size() <= page.size(), context);
    if (!name.isEmpty())
        FUZZ_CHECK(page.contains(TrimSpaces(code), Qt::CaseInsensitive), context);

    const LookupPageResult padded =
        ParseLookupPage(page, QString(QStringLiteral("  ") + code + u' '));
    FUZZ_CHECK(padded.recordFound == result.recordFound && padded.productName == name,
               context + QStringLiteral("\nwith spaces around the code ") + Describe(padded));

    // Only the first marker, code, colon and closing tag count: once a name has been cut out,
    // nothing appended to the page changes it.
    if (!name.isEmpty()) {
        const LookupPageResult doubled = ParseLookupPage(QString(page + page), code);
        FUZZ_CHECK(doubled.recordFound && doubled.productName == name,
                   context + QStringLiteral("\npage twice ") + Describe(doubled));
    }
}

// A page made to hold exactly one answer: prefix, marker, code, colon, name, closing tag, rest.
void CheckBuiltPage(const QString& text)
{
    const QStringList pieces = text.split(u'\x01');
    const QString prefix = pieces.value(0);
    const QString code = pieces.value(1);
    const QString name = pieces.value(2);
    const QString rest = pieces.value(3);
    // The marker has no border (no proper prefix that is also a suffix), and neither has the
    // closing tag, so the first of each is the one placed here unless an earlier piece holds it.
    if (ContainsCaseless(prefix, kRecordMarker) || ContainsCaseless(name, u"</a>"))
        return;
    const QString marker =
        name.size() % 2 ? kRecordMarker.toString().toUpper() : kRecordMarker.toString();
    const QString page =
        prefix + marker + TrimSpaces(code) + u':' + name + QStringLiteral("</a>") + rest;

    QString expected = StripMarkup(name);
    expected.remove(u'\n');
    expected.remove(u'\r');
    expected = TrimSpaces(expected);
    const LookupPageResult result = ParseLookupPage(page, code);
    FUZZ_CHECK(result.recordFound && result.productName == expected,
               QStringLiteral("code ") + Quoted(code) + QStringLiteral("\npage ") + Quoted(page) +
                   QStringLiteral("\nexpected ") + Quoted(expected) + QStringLiteral("\ngot ") +
                   Describe(result));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const QString& text : fuzz::Readings(data, size)) {
        const qsizetype lineEnd = text.indexOf(u'\n');
        const QString code = lineEnd < 0 ? QString() : text.first(lineEnd);
        const QString page = lineEnd < 0 ? text : text.sliced(lineEnd + 1);
        CheckParse(page, code);
        CheckStripMarkup(text);
        CheckBuiltPage(text);
    }
    return 0;
}
