// Code files: how their bytes become text and how the text becomes rows, down to the rows that
// loading the file adds to the list. The input is the file; its bytes read as UTF-8 and as
// UTF-16 also go through the row splitting directly.
#include "codes/CodeFileLoader.h"
#include "fakes/FakePlatform.h"
#include "fuzz/FuzzSupport.h"

#include <algorithm>

namespace {
using fuzz::Quoted;

// The rows by another road: every break made a line feed, split there, and a break at the very
// end ends the last row instead of starting one.
QStringList ExpectedRows(const QString& text)
{
    if (text.isEmpty())
        return {};
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(u'\r', u'\n');
    QStringList rows = unified.split(u'\n');
    if (text.endsWith(u'\r') || text.endsWith(u'\n'))
        rows.removeLast();
    return rows;
}

void CheckRows(const QString& text)
{
    const QStringList rows = CodeFileRows(text);
    const QString context =
        QStringLiteral("text ") + Quoted(text) + QStringLiteral("\nrows ") + Quoted(rows);

    for (const QString& row : rows) {
        FUZZ_CHECK(!row.contains(u'\r') && !row.contains(u'\n'), context);
        FUZZ_CHECK(text.contains(row), context);
    }
    FUZZ_CHECK(rows == ExpectedRows(text),
               context + QStringLiteral("\nexpected ") + Quoted(ExpectedRows(text)));

    // The rows, each followed by the break that ended it, give back the text: every row but the
    // last is followed by a break, and the last may be.
    qsizetype at = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        FUZZ_CHECK(QStringView(text).sliced(at).startsWith(rows[i]), context);
        at += rows[i].size();
        const bool last = i + 1 == rows.size();
        if (at < text.size() && text[at] == u'\r') {
            at += (at + 1 < text.size() && text[at + 1] == u'\n') ? 2 : 1;
        } else if (at < text.size() && text[at] == u'\n') {
            ++at;
        } else {
            FUZZ_CHECK(last, context);
        }
    }
    FUZZ_CHECK(at == text.size(), context);
}

bool HasNul(QByteArrayView bytes)
{
    return bytes.first(std::min(bytes.size(), kTextSniffBytes)).contains('\0');
}

QString Utf16Units(QByteArrayView bytes, bool littleEndian)
{
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const auto low = uchar(bytes[littleEndian ? i : i + 1]);
        const auto high = uchar(bytes[littleEndian ? i + 1 : i]);
        text += QChar(char16_t(low | (high << 8)));
    }
    // An odd byte at the end is no whole character, but it was there.
    if (bytes.size() % 2 == 1)
        text += QChar(QChar::ReplacementCharacter);
    return text;
}

// UTF-8 with any mark at the start kept as text: fromUtf8 drops one.
QString Utf8KeepingMarks(QByteArrayView bytes)
{
    QString text;
    while (bytes.startsWith("\xEF\xBB\xBF")) {
        text += QChar(0xFEFF);
        bytes = bytes.sliced(3);
    }
    return text + QString::fromUtf8(bytes);
}

// How the bytes ought to read: a byte-order mark chooses the encoding and goes; a NUL byte (a NUL
// character for UTF-16) near the start makes the file no text.
std::optional<QString> ExpectedText(const QByteArray& bytes)
{
    const QByteArrayView all(bytes);
    if (all.startsWith("\xEF\xBB\xBF")) {
        if (HasNul(all.sliced(3)))
            return std::nullopt;
        return Utf8KeepingMarks(all.sliced(3));
    }
    const bool littleEndian = all.startsWith("\xFF\xFE");
    if (littleEndian || all.startsWith("\xFE\xFF")) {
        const QString text = Utf16Units(all.sliced(2), littleEndian);
        if (QStringView(text).first(std::min(text.size(), kTextSniffBytes / 2)).contains(u'\0'))
            return std::nullopt;
        return text;
    }
    if (HasNul(all))
        return std::nullopt;
    return Utf8KeepingMarks(all);
}

void CheckFile(const QByteArray& bytes)
{
    const std::optional<QString> text = CodeFileText(bytes);
    const std::optional<QString> expected = ExpectedText(bytes);
    const QString context = QStringLiteral("file ") + Quoted(QString::fromLatin1(bytes)) +
                            QStringLiteral("\ntext ") +
                            (text ? Quoted(*text) : QStringLiteral("(not text)"));
    FUZZ_CHECK(text.has_value() == expected.has_value(), context);
    if (text)
        FUZZ_CHECK(*text == *expected, context + QStringLiteral("\nexpected ") + Quoted(*expected));

    FakePlatform platform;
    const QString path = QStringLiteral("/codes/list.txt");
    platform.files.contents.insert(path, bytes);
    CodeFileLoader loader(platform.services());
    loader.LoadListFile(platform.listView1, path);
    const QStringList added = platform.listView1.texts();
    const QStringList shown = platform.messageBox.texts();
    if (!text) {
        FUZZ_CHECK(added.isEmpty(), context);
        FUZZ_CHECK(shown == QStringList{NotATextFileMessage(path)}, context);
        return;
    }
    FUZZ_CHECK(shown.isEmpty(), context);
    FUZZ_CHECK(added == CodeFileRows(*text), context + QStringLiteral("\nadded ") + Quoted(added));
    for (const QString& row : added)
        FUZZ_CHECK(text->contains(row), context + QStringLiteral("\nrow ") + Quoted(row));
    CheckRows(*text);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (const QString& text : fuzz::Readings(data, size))
        CheckRows(text);
    return 0;
}
