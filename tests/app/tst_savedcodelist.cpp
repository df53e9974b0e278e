#include "app/window/SavedCodeList.h"
#include "common/OperationFailed.h"
#include "fakes/FakePlatform.h"

#include <QTest>

namespace {
const QString kAddress = QStringLiteral("Zandrik/Quillfen/Zip Codes");
} // namespace

class TestSavedCodeList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void save_data();
    void save();
    void restore_data();
    void restore();
    void restore_neverSavedLeavesTheListEmpty();
    void roundTrip_codeWithSeparatorComesBackAsTwo();
    void roundTrip_100000CodesBeyondTheOld32767Limit();
    void autoSave_writesOnlyWhenTheListDiffersFromTheStore();
    void autoSave_failureIsThrownOnceUntilASaveSucceeds();

private:
    // The fakes, with the saved list's routines working on them.
    struct Storing : FakePlatform
    {
        SavedCodeList store{services()};
    };
};

void TestSavedCodeList::save_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("saved");
    QTest::newRow("two codes, one separator between")
        << QStringList{"4988112412613", "0823564706221"} << "4988112412613;0823564706221";
    QTest::newRow("empty list is the empty text") << QStringList{} << "";
    QTest::newRow("one code") << QStringList{"111"} << "111";
    QTest::newRow("texts exactly as shown, duplicates and empty rows included")
        << QStringList{" 1 ", "", "1", "1"} << " 1 ;;1;1";
}

void TestSavedCodeList::save()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, saved);
    Storing fake;
    for (const QString& row : rows)
        fake.listView1.add(row);
    fake.store.SaveCodeList();
    QVERIFY(fake.settings.values.contains(kAddress)); // written also when empty
    QCOMPARE(fake.settings.values.value(kAddress), saved);
    QCOMPARE(fake.eventLoop.yields, 1);
}

void TestSavedCodeList::restore_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("two codes") << "4988112412613;0823564706221"
                               << QStringList{"4988112412613", "0823564706221"};
    QTest::newRow("double separator gives no empty row") << "1;;2" << QStringList{"1", "2"};
    QTest::newRow("leading and trailing separators") << ";1;2;" << QStringList{"1", "2"};
    QTest::newRow("only separators") << ";;;" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("order and duplicates kept") << "3;1;3;2" << QStringList{"3", "1", "3", "2"};
    QTest::newRow("nothing trimmed") << " 1 ;\t2" << QStringList{" 1 ", "\t2"};
}

void TestSavedCodeList::restore()
{
    QFETCH(QString, saved);
    QFETCH(QStringList, rows);
    Storing fake;
    fake.settings.values.insert(kAddress, saved);
    fake.listView1.add(QStringLiteral("typed before"));
    fake.store.RestoreCodeList();
    QCOMPARE(fake.listView1.texts(), QStringList{"typed before"} + rows);
}

void TestSavedCodeList::restore_neverSavedLeavesTheListEmpty()
{
    Storing fake;
    fake.store.RestoreCodeList();
    QCOMPARE(fake.listView1.count(), 0);
}

void TestSavedCodeList::roundTrip_codeWithSeparatorComesBackAsTwo()
{
    Storing fake;
    fake.listView1.add(QStringLiteral("12;34"));
    fake.store.SaveCodeList();
    Storing next;
    next.settings.values = fake.settings.values;
    next.store.RestoreCodeList();
    QCOMPARE(next.listView1.texts(), (QStringList{"12", "34"}));
}

void TestSavedCodeList::roundTrip_100000CodesBeyondTheOld32767Limit()
{
    Storing fake;
    QStringList codes;
    for (int i = 0; i < 100'000; ++i)
        codes.append(QString::number(4000000000000LL + i));
    for (const QString& code : codes)
        fake.listView1.add(code);
    fake.store.SaveCodeList();
    Storing next;
    next.settings.values = fake.settings.values;
    next.store.RestoreCodeList();
    QCOMPARE(next.listView1.count(), 100'000);
    QCOMPARE(next.listView1.texts(), codes);
}

void TestSavedCodeList::autoSave_writesOnlyWhenTheListDiffersFromTheStore()
{
    Storing fake;
    fake.settings.values.insert(kAddress, QStringLiteral(";1;;2"));
    fake.store.RestoreCodeList();
    fake.store.AutoSaveCodeList();
    QCOMPARE(fake.settings.saves, 0); // restored and unchanged
    fake.listView1.add(QStringLiteral("3"));
    fake.store.AutoSaveCodeList();
    QCOMPARE(fake.settings.values.value(kAddress), QStringLiteral("1;2;3"));
    QCOMPARE(fake.settings.saves, 1);
    fake.store.AutoSaveCodeList();
    QCOMPARE(fake.settings.saves, 1);
    fake.listView1.clear();
    fake.store.AutoSaveCodeList();
    QCOMPARE(fake.settings.values.value(kAddress), QString());
    QCOMPARE(fake.eventLoop.yields, 0); // runs from a timer; nothing to let through
}

void TestSavedCodeList::autoSave_failureIsThrownOnceUntilASaveSucceeds()
{
    Storing fake;
    bool failing = true;
    fake.settings.hook.onCall(u"saveSetting", [&](int) {
        if (failing)
            throw OperationFailed(QStringLiteral("Disk full"));
    });
    fake.listView1.add(QStringLiteral("1"));
    QVERIFY_THROWS_EXCEPTION(OperationFailed, fake.store.AutoSaveCodeList());
    fake.listView1.add(QStringLiteral("2"));
    fake.store.AutoSaveCodeList(); // still failing: not reported again
    failing = false;
    fake.store.AutoSaveCodeList();
    QCOMPARE(fake.settings.values.value(kAddress), QStringLiteral("1;2"));
    failing = true;
    fake.listView1.add(QStringLiteral("3"));
    QVERIFY_THROWS_EXCEPTION(OperationFailed, fake.store.AutoSaveCodeList());
}

QTEST_GUILESS_MAIN(TestSavedCodeList)
#include "tst_savedcodelist.moc"
