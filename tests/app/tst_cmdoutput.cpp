#include "app/window/CmdOutput.h"
#include "app/window/ConnectivityCheck.h"
#include "common/OperationFailed.h"
#include "common/ProgramEnding.h"
#include "fakes/FakePlatform.h"
#include "platform/SystemPing.h"

#include <QTest>

using namespace std::chrono_literals;

class TestCmdOutput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void neitherStream_isAnInvalidCallAndStartsNothing();
    void cannotStart_returnsTheFailureText();
    void streamsAndConversion_arePassedOn_data();
    void streamsAndConversion_arePassedOn();
    void chunks_areJoinedInOrderWithAYieldBeforeEveryRead();
    void silentCommand_returnsTheEmptyText();
    void endlessCommand_givesUpKillsAndKeepsWhatArrived();
    void closingWindow_unwindsAndEndsTheChild();
    void replyMarker_data();
    void replyMarker();
    void pingCommandLine_isOneRequestToTheHost();
    void checkOnline_replyShowsNothing();
    void checkOnline_noReplyWarnsOnceWithTheApplicationTitle_data();
    void checkOnline_noReplyWarnsOnceWithTheApplicationTitle();
    void checkOnline_pingThatNeverEndsStillLetsStartupGoOn();

private:
    // The fakes, with the capture run on their process and event loop; by default standard output
    // only, converted from the console's code page, as the ping runs.
    struct Console : FakePlatform
    {
        QString run(const QString& commandLine, bool out = true, bool err = false,
                    bool convert = true,
                    std::chrono::milliseconds giveUpAfter = kCaptureGiveUpAfter)
        {
            return CaptureConsoleOutput(capture, eventLoop, commandLine, out, err, convert,
                                        giveUpAfter);
        }
    };
};

void TestCmdOutput::neitherStream_isAnInvalidCallAndStartsNothing()
{
    Console fake;
    try {
        fake.run(QStringLiteral("ping x"), false, false, true);
        QFAIL("no failure");
    } catch (const OperationFailed& failure) {
        QCOMPARE(failure.description(), QStringLiteral("Invalid procedure call or argument"));
    }
    QVERIFY(fake.capture.started.isEmpty());
}

void TestCmdOutput::cannotStart_returnsTheFailureText()
{
    Console fake;
    fake.capture.startFails = true;
    QCOMPARE(fake.run(QStringLiteral("nope")),
             QStringLiteral("Failed to create process, check the path of the command line."));
    QCOMPARE(fake.capture.reads, 0);
}

void TestCmdOutput::streamsAndConversion_arePassedOn_data()
{
    QTest::addColumn<bool>("out");
    QTest::addColumn<bool>("err");
    QTest::addColumn<bool>("convert");
    QTest::newRow("output only, converted") << true << false << true;
    QTest::newRow("error only") << false << true << false;
    QTest::newRow("both") << true << true << true;
}

void TestCmdOutput::streamsAndConversion_arePassedOn()
{
    QFETCH(bool, out);
    QFETCH(bool, err);
    QFETCH(bool, convert);
    Console fake;
    fake.run(QStringLiteral("cmd /c dir"), out, err, convert);
    QCOMPARE(fake.capture.started.size(), 1);
    QCOMPARE(fake.capture.started[0].commandLine, QStringLiteral("cmd /c dir"));
    QCOMPARE(fake.capture.started[0].standardOutput, out);
    QCOMPARE(fake.capture.started[0].standardError, err);
    QCOMPARE(fake.capture.started[0].fromConsoleCodePage, convert);
}

void TestCmdOutput::chunks_areJoinedInOrderWithAYieldBeforeEveryRead()
{
    Console fake;
    fake.capture.chunks = {QStringLiteral("first "), QString(), QStringLiteral("second\r\n"),
                           QStringLiteral("third")};
    QList<int> readsSeenByYields;
    fake.eventLoop.onYield = [&] { readsSeenByYields.append(fake.capture.reads); };
    const QString out = fake.run(QStringLiteral("x"));
    QCOMPARE(out, QStringLiteral("first second\r\nthird"));
    QCOMPARE(readsSeenByYields, (QList<int>{0, 1, 2, 3}));
    QCOMPARE(fake.capture.kills, 0);
}

void TestCmdOutput::silentCommand_returnsTheEmptyText()
{
    Console fake;
    fake.capture.chunks.clear();
    QCOMPARE(fake.run(QStringLiteral("true")), QString());
}

void TestCmdOutput::endlessCommand_givesUpKillsAndKeepsWhatArrived()
{
    Console fake;
    fake.capture.chunks = {QStringLiteral("partial")};
    fake.capture.endless = true;
    const QString out = fake.run(QStringLiteral("sleep"), true, false, true, 50ms);
    QCOMPARE(out, QStringLiteral("partial"));
    QCOMPARE(fake.capture.kills, 1);
    QVERIFY(fake.capture.atEnd());
}

void TestCmdOutput::closingWindow_unwindsAndEndsTheChild()
{
    Console fake;
    fake.capture.endless = true;
    fake.eventLoop.onYield = [&] {
        if (fake.capture.reads == 2)
            fake.eventLoop.endProgram();
    };
    QVERIFY_THROWS_EXCEPTION(ProgramEnding, fake.run(QStringLiteral("sleep")));
    QCOMPARE(fake.capture.kills, 1);
}

void TestCmdOutput::replyMarker_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<bool>("online");
    const QString windows = QStringLiteral("bytes=");
    const QString unix = QStringLiteral("bytes from");
    QTest::newRow("windows reply")
        << "Reply from 8.8.8.8: bytes=32 time=9ms TTL=117" << windows << true;
    QTest::newRow("windows marker, capital B") << "Reply from 8.8.8.8: Bytes=32" << windows << true;
    QTest::newRow("windows marker, all capitals") << "BYTES=32" << windows << true;
    QTest::newRow("windows timeout") << "Request timed out." << windows << false;
    QTest::newRow("linux reply") << "64 bytes from 127.0.0.1: icmp_seq=1 ttl=64 time=0.03 ms"
                                 << unix << true;
    QTest::newRow("linux marker, other case") << "64 Bytes From 127.0.0.1" << unix << true;
    QTest::newRow("linux header line is no reply")
        << "PING 127.0.0.1 (127.0.0.1) 56(84) bytes of data." << unix << false;
    QTest::newRow("linux reply does not carry the windows marker")
        << "64 bytes from 127.0.0.1: icmp_seq=1" << windows << false;
    QTest::newRow("unknown host") << "ping: nohost: Name or service not known" << unix << false;
    QTest::newRow("capture failure text")
        << "Failed to create process, check the path of the command line." << unix << false;
    QTest::newRow("empty") << "" << unix << false;
}

void TestCmdOutput::replyMarker()
{
    QFETCH(QString, output);
    QFETCH(QString, marker);
    QFETCH(bool, online);
    QCOMPARE(HasPingReply(output, marker), online);
}

void TestCmdOutput::pingCommandLine_isOneRequestToTheHost()
{
    const QString line = PingCommandLine(QStringLiteral("127.0.0.1"));
    QVERIFY(line.startsWith(QStringLiteral("ping ")));
    QVERIFY(line.contains(QStringLiteral(" 127.0.0.1")));
#ifdef Q_OS_WIN
    QCOMPARE(line, QStringLiteral("ping 127.0.0.1 -n 1"));
#elif defined(Q_OS_LINUX)
    QCOMPARE(line, QStringLiteral("ping -c 1 -W 2 127.0.0.1"));
#endif
}

void TestCmdOutput::checkOnline_replyShowsNothing()
{
    FakePlatform fake;
    ConnectivityCheck(fake.services(), QStringLiteral("ping -c 1 -W 2 127.0.0.1")).CheckOnline();
    QVERIFY(fake.messageBox.shown().isEmpty());
    QCOMPARE(fake.capture.started.size(), 1);
    QVERIFY(fake.capture.started[0].standardOutput);
    QVERIFY(!fake.capture.started[0].standardError);
    QVERIFY(fake.capture.started[0].fromConsoleCodePage);
}

void TestCmdOutput::checkOnline_noReplyWarnsOnceWithTheApplicationTitle_data()
{
    QTest::addColumn<QStringList>("chunks");
    QTest::addColumn<bool>("startFails");
    QTest::newRow("unreachable") << QStringList{"connect: Network is unreachable\n"} << false;
    QTest::newRow("prints nothing") << QStringList{} << false;
    QTest::newRow("cannot start") << QStringList{} << true;
}

void TestCmdOutput::checkOnline_noReplyWarnsOnceWithTheApplicationTitle()
{
    QFETCH(QStringList, chunks);
    QFETCH(bool, startFails);
    FakePlatform fake;
    fake.capture.chunks = chunks;
    fake.capture.startFails = startFails;
    ConnectivityCheck(fake.services(), QStringLiteral("ping x")).CheckOnline();
    QCOMPARE(fake.messageBox.shown().size(), 1);
    QCOMPARE(fake.messageBox.shown()[0].text,
             QStringLiteral("You must be online to use this software accurately."));
    QCOMPARE(fake.messageBox.shown()[0].title, QStringLiteral("Quillfen"));
    QCOMPARE(fake.messageBox.shown()[0].icon, MessageIcon::None);
}

void TestCmdOutput::checkOnline_pingThatNeverEndsStillLetsStartupGoOn()
{
    FakePlatform fake;
    fake.capture.chunks.clear();
    fake.capture.endless = true;
    ConnectivityCheck(fake.services(), QStringLiteral("ping x"), 30ms).CheckOnline();
    QCOMPARE(fake.capture.kills, 1);
    QCOMPARE(fake.messageBox.shown().size(), 1);
}

QTEST_GUILESS_MAIN(TestCmdOutput)
#include "tst_cmdoutput.moc"
