// The menus' commands on the fakes: stopping a run, and retrying its failed rows.
#include "support/Form1OnFakes.h"
#include "support/LoopbackConfig.h"

#include <QTest>

namespace {
const QString kCode = QStringLiteral("4006381333931");
} // namespace

class TestMenuCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // ---- Runs ----
    void run_theWindowKnowsWhileOneIsUnderWay();
    void stop_endsTheRunAfterTheCodeUnderWay();
};

// ---- Runs ----

void TestMenuCommands::run_theWindowKnowsWhileOneIsUnderWay()
{
    Form1OnFakes fake(LoopbackConfigForService(QStringLiteral("http://127.0.0.1:5")));
    fake.form.PushButton17_Click(); // no codes: refused at once
    QCOMPARE(fake.window.lookupUnderWayHistory, (QList<bool>{true, false}));

    fake.listView1.add(kCode);
    QList<bool> duringRequests;
    fake.pageLoader.hook.onCall(u"start",
                                [&](int) { duringRequests.append(fake.window.lookupUnderWay); });
    fake.form.PushButton17_Click();
    QCOMPARE(duringRequests, QList<bool>{true});
    QVERIFY(!fake.window.lookupUnderWay);
    fake.listView2.setText(1, kCode + QStringLiteral(" - lookup failed: HTTP 503"));
    fake.form.RetryFailedRows();
    QCOMPARE(duringRequests, (QList<bool>{true, true}));
    QVERIFY(!fake.window.lookupUnderWay);
}

void TestMenuCommands::stop_endsTheRunAfterTheCodeUnderWay()
{
    Form1OnFakes fake(LoopbackConfigForService(QStringLiteral("http://127.0.0.1:5")));
    for (const QString& code : QStringList{"1", "2", "3"})
        fake.listView1.add(code);
    fake.pageLoader.hook.onCall(u"start", [&](int call) {
        if (call == 2)
            fake.form.StopLookingUp();
    });
    fake.form.PushButton17_Click();
    QCOMPARE(fake.pageLoader.requested.size(), 2);
    QCOMPARE(fake.listView2.count(), 2);
    QCOMPARE(fake.messageBox.texts(), QStringList{"Stopped after 2 of 3 codes."});
    QVERIFY(!fake.window.lookupUnderWay);

    // Stopping when nothing runs does nothing, and the next run goes to its end.
    fake.form.StopLookingUp();
    fake.pageLoader.hook.disarm();
    fake.form.PushButton17_Click();
    QCOMPARE(fake.listView2.count(), 3);
    QCOMPARE(fake.messageBox.texts().last(), QStringLiteral("Done."));
}

QTEST_GUILESS_MAIN(TestMenuCommands)
#include "tst_menucommands.moc"
