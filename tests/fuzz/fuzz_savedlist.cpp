// The saved code list: splitting a stored text, joining a list, and a restore followed by saves,
// through the fake settings store. The input is the stored text; its lines are also a list.
#include "app/window/SavedCodeList.h"
#include "fakes/FakePlatform.h"
#include "fuzz/FuzzSupport.h"

namespace {
using fuzz::Quoted;

// The stored text with every run of separators made one and those at both ends dropped.
QString Normalised(QStringView saved)
{
    QString out;
    bool pending = false;
    for (const QChar c : saved) {
        if (c == kCodeListSeparator) {
            pending = !out.isEmpty();
            continue;
        }
        if (pending)
            out += kCodeListSeparator;
        pending = false;
        out += c;
    }
    return out;
}

void CheckSplit(const QString& saved)
{
    const QStringList codes = SplitSavedCodeList(saved);
    const QString context =
        QStringLiteral("saved ") + Quoted(saved) + QStringLiteral("\ncodes ") + Quoted(codes);
    for (const QString& code : codes)
        FUZZ_CHECK(!code.isEmpty() && !code.contains(kCodeListSeparator), context);
    FUZZ_CHECK(codes.join(kCodeListSeparator) == Normalised(saved), context);
}

// A list of the given codes, joined and split again, gives back each code's non-empty pieces:
// a code without a separator exactly, an empty one not at all.
void CheckListRoundTrip(const QStringList& rows)
{
    FakeListControl list;
    for (const QString& row : rows)
        list.add(row);
    const QString joined = JoinCodeList(list);
    QStringList pieces;
    for (const QString& row : rows)
        pieces += row.split(kCodeListSeparator, Qt::SkipEmptyParts);
    const QStringList back = SplitSavedCodeList(joined);
    const QString context = QStringLiteral("rows ") + Quoted(rows) + QStringLiteral("\njoined ") +
                            Quoted(joined) + QStringLiteral("\nback ") + Quoted(back);
    FUZZ_CHECK(joined.count(kCodeListSeparator) >= qsizetype(rows.size()) - 1, context);
    FUZZ_CHECK(back == pieces, context);
}

void CheckStore(const QString& saved)
{
    const QString key =
        FakeSettingsStore::key(kSettingsApplication.toString(), kSettingsSection.toString(),
                               kCodeListValueName.toString());
    const QStringList codes = SplitSavedCodeList(saved);
    const QString context = QStringLiteral("saved ") + Quoted(saved);

    FakePlatform platform;
    platform.settings.values.insert(key, saved);
    SavedCodeList store(platform.services());
    store.RestoreCodeList();
    FUZZ_CHECK(platform.listView1.texts() == codes,
               context + QStringLiteral("\nrestored ") + Quoted(platform.listView1.texts()));
    // What was just restored needs no saving.
    store.AutoSaveCodeList();
    FUZZ_CHECK(platform.settings.saves == 0, context);
    store.SaveCodeList();
    const QString written = platform.settings.values.value(key);
    FUZZ_CHECK(written == Normalised(saved),
               context + QStringLiteral("\nwritten ") + Quoted(written));

    // The next start sees the same codes, and one more round changes nothing.
    FakePlatform next;
    next.settings.values.insert(key, written);
    SavedCodeList nextStore(next.services());
    nextStore.RestoreCodeList();
    nextStore.SaveCodeList();
    FUZZ_CHECK(next.listView1.texts() == codes && next.settings.values.value(key) == written,
               context + QStringLiteral("\nsecond restore ") + Quoted(next.listView1.texts()));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const QString& text : fuzz::Readings(data, size)) {
        CheckSplit(text);
        CheckListRoundTrip(text.split(u'\n'));
        CheckStore(text);
    }
    return 0;
}
