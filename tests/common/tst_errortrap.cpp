#include "common/ErrorReport.h"
#include "common/ErrorTrap.h"
#include "common/Locations.h"
#include "common/OperationFailed.h"
#include "common/ProgramEnding.h"
#include "platform/fakes/FakePlatform.h"

#include <QTest>

#include <stdexcept>

class TestErrorTrap : public QObject
{
    Q_OBJECT

private:
    [[noreturn]] static void fail(const QString& description)
    {
        throw OperationFailed(description);
    }

private Q_SLOTS:
    void reportText_hasFixedLayout()
    {
        QCOMPARE(
            BuildErrorReportText(QStringLiteral("Disk full"), Location::PushButton2_Click, 100),
            QStringLiteral("Disk full\r\nin Caskwillo2021/08/31.Form1.PushButton2_Click at "
                           "line 100\r\rPlease email screenshot of this message to ") +
                kSupportAddress);
    }

    void reportText_emptyDescriptionStartsWithLineBreak()
    {
        const QString text = BuildErrorReportText(QString(), Location::Form_Load, 124);
        QVERIFY(text.startsWith(
            QStringLiteral("\r\nin Caskwillo2021/08/31.Form1.Form_Load at line 124\r\r")));
    }

    void failingStatement_isReportedAndProcedureGoesOn()
    {
        FakePlatform fake;
        QStringList ran;
        {
            ErrorTrap trap(fake.messageBox, Location::PushButton7_Click);
            trap(100, [&] { ran << QStringLiteral("100"); });
            trap(102, [&] {
                fail(QStringLiteral("Index out of bounds"));
                ran << QStringLiteral("never");
            });
            trap(104, [&] { ran << QStringLiteral("104"); });
        }
        QCOMPARE(ran, (QStringList{QStringLiteral("100"), QStringLiteral("104")}));
        QCOMPARE(fake.messageBox.shown().size(), 1);
        const auto& shown = fake.messageBox.shown().constFirst();
        QCOMPARE(shown.title, QStringLiteral("Application Error"));
        QCOMPARE(shown.icon, MessageIcon::Warning);
        QCOMPARE(shown.text, BuildErrorReportText(QStringLiteral("Index out of bounds"),
                                                  Location::PushButton7_Click, 102));
    }

    void twoFailures_giveTwoReportsInOrder()
    {
        FakePlatform fake;
        ErrorTrap trap(fake.messageBox, Location::Form_Load);
        trap(100, [&] { fail(QStringLiteral("first")); });
        trap(102, [] {});
        trap(104, [&] { throw std::runtime_error("second"); });
        QCOMPARE(fake.messageBox.texts(),
                 (QStringList{
                     BuildErrorReportText(QStringLiteral("first"), Location::Form_Load, 100),
                     BuildErrorReportText(QStringLiteral("second"), Location::Form_Load, 104)}));
    }

    void failureInUntrappedCallee_abandonsCalleeAndReportsLineOfCall()
    {
        FakePlatform fake;
        bool calleeFinished = false;
        bool callerWentOn = false;
        auto callee = [&] {
            fail(QStringLiteral("deep"));
            calleeFinished = true;
        };
        ErrorTrap trap(fake.messageBox, Location::PushButton5_Click);
        trap(100, [] {});
        trap(102, [&] { callee(); });
        trap(104, [&] { callerWentOn = true; });
        QVERIFY(!calleeFinished);
        QVERIFY(callerWentOn);
        QCOMPARE(fake.messageBox.texts(),
                 QStringList{BuildErrorReportText(QStringLiteral("deep"),
                                                  Location::PushButton5_Click, 102)});
    }

    void nestedTrap_reportsWithItsOwnLocation()
    {
        FakePlatform fake;
        auto exportRoutine = [&] {
            ErrorTrap inner(fake.messageBox, Location::SaveListviewProperlySpaced);
            inner(100, [&] { fail(QStringLiteral("inner")); });
            inner(102, [] {});
        };
        ErrorTrap outer(fake.messageBox, Location::PushButton4_Click);
        outer(100, [] {});
        outer(102, [&] { exportRoutine(); });
        outer(104, [&] { fail(QStringLiteral("outer")); });
        QCOMPARE(fake.messageBox.texts(),
                 (QStringList{BuildErrorReportText(QStringLiteral("inner"),
                                                   Location::SaveListviewProperlySpaced, 100),
                              BuildErrorReportText(QStringLiteral("outer"),
                                                   Location::PushButton4_Click, 104)}));
    }

    void failingCondition_entersTheBranch()
    {
        FakePlatform fake;
        ErrorTrap trap(fake.messageBox, Location::PushButton1_Click);
        bool entered = false;
        if (trap.holdsOrFails(100, [&]() -> bool { fail(QStringLiteral("no pointer")); }))
            entered = true;
        QVERIFY(entered);
        QCOMPARE(fake.messageBox.shown().size(), 1);
        QVERIFY(!trap.holdsOrFails(102, [] { return false; }));
    }

    void failureInsideLoop_goesOnWithNextPass()
    {
        FakePlatform fake;
        ErrorTrap trap(fake.messageBox, Location::PushButton17_Click);
        QList<int> done;
        for (int i = 1; i <= 3; ++i)
            trap(100, [&] {
                if (i == 2)
                    fail(QStringLiteral("two"));
                done << i;
            });
        QCOMPARE(done, (QList<int>{1, 3}));
        QCOMPARE(fake.messageBox.shown().size(), 1);
    }

    void programEnding_passesThroughEveryTrap()
    {
        FakePlatform fake;
        bool afterwards = false;
        try {
            ErrorTrap trap(fake.messageBox, Location::PushButton17_Click);
            trap(100, [] { throw ProgramEnding{}; });
            afterwards = true;
        } catch (const ProgramEnding&) {}
        QVERIFY(!afterwards);
        QVERIFY(fake.messageBox.shown().isEmpty());
    }

    void outOfMemory_isDescribed()
    {
        FakePlatform fake;
        ErrorTrap trap(fake.messageBox, Location::PushButton2_Click);
        trap(100, [] { throw std::bad_alloc(); });
        QVERIFY(fake.messageBox.shown().constFirst().text.startsWith(
            QStringLiteral("Out of memory\r\n")));
    }
};

QTEST_GUILESS_MAIN(TestErrorTrap)
#include "tst_errortrap.moc"
