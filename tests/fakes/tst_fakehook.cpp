// The hook every fake calls before an operation: failures armed by operation name and call
// number, and names the fake does not have stopping the test with the names it does have.
#include "common/OperationFailed.h"
#include "fakes/FakeClipboard.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

class TestFakeHook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void failures_fireOnTheCallsTheyWereArmedFor();
    void onCall_countsFromArmingBeforeCallAndCallsSeeEveryCall();
    void unknownOperation_stopsTheTestNamingTheRightOnes();
};

namespace {
// Whether each of n calls of the operation went through.
QList<bool> Outcomes(const FakeHook& hook, QStringView operation, int n)
{
    QList<bool> outcomes;
    for (int i = 0; i < n; ++i) {
        try {
            hook(operation);
            outcomes.append(true);
        } catch (const OperationFailed&) {
            outcomes.append(false);
        }
    }
    return outcomes;
}
} // namespace

void TestFakeHook::failures_fireOnTheCallsTheyWereArmedFor()
{
    FakeClipboard clipboard;
    clipboard.hook(u"clear"); // calls before arming do not count
    clipboard.hook.failOnCall(u"clear", 2, QStringLiteral("busy"));
    clipboard.hook.failFirstCalls(u"setText", 2, QStringLiteral("busy"));
    clipboard.hook.fail(u"text", QStringLiteral("busy"));
    QCOMPARE(Outcomes(clipboard.hook, u"clear", 3), (QList<bool>{true, false, true}));
    QCOMPARE(Outcomes(clipboard.hook, u"setText", 3), (QList<bool>{false, false, true}));
    QCOMPARE(Outcomes(clipboard.hook, u"text", 2), (QList<bool>{false, false}));
    clipboard.hook.disarm();
    QCOMPARE(Outcomes(clipboard.hook, u"text", 1), QList<bool>{true});
}

void TestFakeHook::onCall_countsFromArmingBeforeCallAndCallsSeeEveryCall()
{
    FakeClipboard clipboard;
    QStringList seen;
    clipboard.hook.beforeCall = [&](QStringView operation) { seen << operation.toString(); };
    QList<int> calls;
    clipboard.hook.onCall(u"setText", [&](int call) { calls << call; });
    clipboard.setText(QStringLiteral("a"), 13);
    clipboard.clear();
    clipboard.setText(QStringLiteral("b"), 13);
    QCOMPARE(calls, (QList<int>{1, 2}));
    QCOMPARE(seen, (QStringList{"setText", "clear", "setText"}));
    QCOMPARE(clipboard.hook.calls(u"setText"), 2);
}

void TestFakeHook::unknownOperation_stopsTheTestNamingTheRightOnes()
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--arm-unknown")});
    QVERIFY(child.waitForFinished(30000));
    QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);
    const QByteArray said = child.readAllStandardError();
    QVERIFY2(said.contains("FakeClipboard has no operation \"paste\"; its operations are: clear, "
                           "setText, text"),
             QByteArray("the message names the fake, the wrong name and the right ones; it said: " +
                        said)
                 .constData());
}

int main(int argc, char* argv[])
{
    // The child of the last case: a test that arms a name the clipboard does not have.
    if (argc == 2 && qstrcmp(argv[1], "--arm-unknown") == 0) {
        FakeClipboard clipboard;
        clipboard.hook.fail(u"paste", QStringLiteral("never"));
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestFakeHook test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fakehook.moc"
