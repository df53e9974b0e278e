#include "common/ErrorReport.h"
#include "common/ErrorTrap.h"
#include "common/Locations.h"
#include "common/OperationFailed.h"
#include "common/ProgramEnding.h"
#include "fakes/FakePlatform.h"

#include <QTest>

#include <optional>
#include <stdexcept>

class TestErrorTrap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void reportText_hasFixedLayout();
    void reportText_emptyDescriptionStartsWithLineBreak();
    void failingStatement_isReportedAndProcedureGoesOn();
    void twoFailures_giveTwoReportsInOrder();
    void failureInUntrappedCallee_abandonsCalleeAndReportsLineOfCall();
    void nestedTrap_reportsWithItsOwnLocation();
    void failingCondition_entersTheBranch();
    void failureInsideLoop_goesOnWithNextPass();
    void programEnding_passesThroughEveryTrap();
    void outOfMemory_isDescribed();

private:
    [[noreturn]] static void fail(const QString& description)
    {
        throw OperationFailed(description);
    }

    // The box the reports go to, empty at the start of every case.
    FakeMessageBox& box() { return m_fake->messageBox; }
    std::optional<FakePlatform> m_fake;
};

void TestErrorTrap::init()
{
    m_fake.emplace();
}

void TestErrorTrap::reportText_hasFixedLayout()
{
    QCOMPARE(BuildErrorReportText(QStringLiteral("Disk full"), Location::PushButton2_Click, 100),
             QStringLiteral("Disk full\r\nin Caskwillo2021/08/31.Form1.PushButton2_Click at "
                            "line 100\r\rPlease email screenshot of this message to ") +
                 kSupportAddress);
}

void TestErrorTrap::reportText_emptyDescriptionStartsWithLineBreak()
{
    const QString text = BuildErrorReportText(QString(), Location::Form_Load, 124);
    QVERIFY(text.startsWith(
        QStringLiteral("\r\nin Caskwillo2021/08/31.Form1.Form_Load at line 124\r\r")));
}

void TestErrorTrap::failingStatement_isReportedAndProcedureGoesOn()
{
    QStringList ran;
    {
        ErrorTrap trap(box(), Location::PushButton7_Click);
        trap(100, [&] { ran << QStringLiteral("100"); });
        trap(102, [&] {
            fail(QStringLiteral("Index out of bounds"));
            ran << QStringLiteral("never");
        });
        trap(104, [&] { ran << QStringLiteral("104"); });
    }
    QCOMPARE(ran, (QStringList{QStringLiteral("100"), QStringLiteral("104")}));
    QCOMPARE(box().shown().size(), 1);
    const auto& shown = box().shown().constFirst();
    QCOMPARE(shown.title, QStringLiteral("Application Error"));
    QCOMPARE(shown.icon, MessageIcon::Warning);
    QCOMPARE(shown.text, BuildErrorReportText(QStringLiteral("Index out of bounds"),
                                              Location::PushButton7_Click, 102));
}

void TestErrorTrap::twoFailures_giveTwoReportsInOrder()
{
    ErrorTrap trap(box(), Location::Form_Load);
    trap(100, [&] { fail(QStringLiteral("first")); });
    trap(102, [] {});
    trap(104, [&] { throw std::runtime_error("second"); });
    QCOMPARE(
        box().texts(),
        (QStringList{BuildErrorReportText(QStringLiteral("first"), Location::Form_Load, 100),
                     BuildErrorReportText(QStringLiteral("second"), Location::Form_Load, 104)}));
}

void TestErrorTrap::failureInUntrappedCallee_abandonsCalleeAndReportsLineOfCall()
{
    bool calleeFinished = false;
    bool callerWentOn = false;
    auto callee = [&] {
        fail(QStringLiteral("deep"));
        calleeFinished = true;
    };
    ErrorTrap trap(box(), Location::PushButton5_Click);
    trap(100, [] {});
    trap(102, [&] { callee(); });
    trap(104, [&] { callerWentOn = true; });
    QVERIFY(!calleeFinished);
    QVERIFY(callerWentOn);
    QCOMPARE(box().texts(), QStringList{BuildErrorReportText(QStringLiteral("deep"),
                                                             Location::PushButton5_Click, 102)});
}

void TestErrorTrap::nestedTrap_reportsWithItsOwnLocation()
{
    auto exportRoutine = [&] {
        ErrorTrap inner(box(), Location::SaveListviewProperlySpaced);
        inner(100, [&] { fail(QStringLiteral("inner")); });
        inner(102, [] {});
    };
    ErrorTrap outer(box(), Location::PushButton4_Click);
    outer(100, [] {});
    outer(102, [&] { exportRoutine(); });
    outer(104, [&] { fail(QStringLiteral("outer")); });
    QCOMPARE(box().texts(),
             (QStringList{
                 BuildErrorReportText(QStringLiteral("inner"), Location::SaveListviewProperlySpaced,
                                      100),
                 BuildErrorReportText(QStringLiteral("outer"), Location::PushButton4_Click, 104)}));
}

void TestErrorTrap::failingCondition_entersTheBranch()
{
    ErrorTrap trap(box(), Location::PushButton1_Click);
    bool entered = false;
    if (trap.holdsOrFails(100, [&]() -> bool { fail(QStringLiteral("no pointer")); }))
        entered = true;
    QVERIFY(entered);
    QCOMPARE(box().shown().size(), 1);
    QVERIFY(!trap.holdsOrFails(102, [] { return false; }));
}

void TestErrorTrap::failureInsideLoop_goesOnWithNextPass()
{
    ErrorTrap trap(box(), Location::PushButton17_Click);
    QList<int> done;
    for (int i = 1; i <= 3; ++i)
        trap(100, [&] {
            if (i == 2)
                fail(QStringLiteral("two"));
            done << i;
        });
    QCOMPARE(done, (QList<int>{1, 3}));
    QCOMPARE(box().shown().size(), 1);
}

void TestErrorTrap::programEnding_passesThroughEveryTrap()
{
    bool afterwards = false;
    try {
        ErrorTrap trap(box(), Location::PushButton17_Click);
        trap(100, [] { throw ProgramEnding{}; });
        afterwards = true;
    } catch (const ProgramEnding&) {}
    QVERIFY(!afterwards);
    QVERIFY(box().shown().isEmpty());
}

void TestErrorTrap::outOfMemory_isDescribed()
{
    ErrorTrap trap(box(), Location::PushButton2_Click);
    trap(100, [] { throw std::bad_alloc(); });
    QVERIFY(box().shown().constFirst().text.startsWith(QStringLiteral("Out of memory\r\n")));
}

QTEST_GUILESS_MAIN(TestErrorTrap)
#include "tst_errortrap.moc"
