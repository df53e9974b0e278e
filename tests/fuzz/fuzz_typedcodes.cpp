// Typed codes: SplitTypedCodes on any answer, and the answer given to the "add codes" box.
#include "codes/CodeListEditor.h"
#include "fakes/FakePlatform.h"
#include "fuzz/FuzzSupport.h"

#include <algorithm>

namespace {
using fuzz::Quoted;

// The answer with every space dropped that a run of spaces joins to a comma or to either end.
QString WithoutSpacesAroundPieces(QStringView answer)
{
    QString out;
    qsizetype i = 0;
    while (i < answer.size()) {
        if (answer[i] != u' ') {
            out += answer[i++];
            continue;
        }
        const qsizetype start = i;
        while (i < answer.size() && answer[i] == u' ')
            ++i;
        const bool atEdge =
            start == 0 || i == answer.size() || answer[start - 1] == u',' || answer[i] == u',';
        if (!atEdge)
            out += answer.sliced(start, i - start);
    }
    return out;
}

// The answer by another road: its last line break dropped, and every other separator (a
// carriage return with its line feed as one) made a comma.
QString WithCommasOnly(QString answer)
{
    if (answer.endsWith(QStringLiteral("\r\n")))
        answer.chop(2);
    else if (answer.endsWith(u'\n') || answer.endsWith(u'\r'))
        answer.chop(1);
    answer.replace(QStringLiteral("\r\n"), QStringLiteral(","));
    for (const QChar separator : {u'\r', u'\n', u'\t'})
        answer.replace(separator, u',');
    return answer;
}

void CheckSplit(const QString& answer)
{
    const QStringList pieces = SplitTypedCodes(answer);
    const QString context =
        QStringLiteral("answer ") + Quoted(answer) + QStringLiteral("\npieces ") + Quoted(pieces);
    const QString commas = WithCommasOnly(answer);

    FUZZ_CHECK(pieces.size() == commas.count(u',') + 1, context);
    for (const QString& piece : pieces) {
        FUZZ_CHECK(std::none_of(piece.begin(), piece.end(), IsTypedCodeSeparator), context);
        FUZZ_CHECK(!piece.startsWith(u' ') && !piece.endsWith(u' '), context);
    }
    FUZZ_CHECK(pieces.join(u',') == WithoutSpacesAroundPieces(commas), context);
}

void CheckAddCodes(const QString& answer)
{
    FakePlatform platform;
    platform.inputBox.answers = QStringList{answer};
    CodeListEditor editor(platform.services());
    editor.PushButton6_Click();
    const QStringList added = platform.listView1.texts();
    const QString context =
        QStringLiteral("answer ") + Quoted(answer) + QStringLiteral("\nadded ") + Quoted(added);
    FUZZ_CHECK(platform.messageBox.texts().isEmpty(), context);
    FUZZ_CHECK(added == (answer.isEmpty() ? QStringList() : SplitTypedCodes(answer)), context);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const QString& text : fuzz::Readings(data, size)) {
        CheckSplit(text);
        CheckAddCodes(text);
    }
    return 0;
}
