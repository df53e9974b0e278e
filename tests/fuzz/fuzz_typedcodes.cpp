// Typed codes: SplitTypedCodes on any answer, and the answer given to the "add codes" box.
#include "codes/CodeListEditor.h"
#include "fakes/FakePlatform.h"
#include "fuzz/FuzzSupport.h"

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

void CheckSplit(const QString& answer)
{
    const QStringList pieces = SplitTypedCodes(answer);
    const QString context =
        QStringLiteral("answer ") + Quoted(answer) + QStringLiteral("\npieces ") + Quoted(pieces);

    FUZZ_CHECK(pieces.size() == answer.count(u',') + 1, context);
    for (const QString& piece : pieces) {
        FUZZ_CHECK(!piece.contains(u','), context);
        FUZZ_CHECK(!piece.startsWith(u' ') && !piece.endsWith(u' '), context);
    }
    FUZZ_CHECK(pieces.join(u',') == WithoutSpacesAroundPieces(answer), context);
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
