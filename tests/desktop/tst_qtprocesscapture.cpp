// Real processes through QProcess, with the capture routine on top. Every command runs on this
// machine; the only host pinged is 127.0.0.1.
#include "app/window/CmdOutput.h"
#include "desktop/system/QtEventLoop.h"
#include "desktop/system/QtProcessCapture.h"
#include "platform/SystemPing.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTest>

using namespace std::chrono_literals;

class TestQtProcessCapture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void longOutput_arrivesWholeAndInOrder();
    void silentCommand_givesTheEmptyText();
    void missingProgram_givesTheFailureText();
    void endlessCommand_isEndedAfterTheTimeLimit();
    void streams_onlyTheOnesAskedFor_data();
    void streams_onlyTheOnesAskedFor();
    void characterSplitBetweenReads_comesOutWhole();
    void completeUtf8Prefix_data();
    void completeUtf8Prefix();
    void pingOfThisMachine_carriesTheReplyMarker();

private:
    QtProcessCapture m_capture;
    QtEventLoop m_loop;

    QString capture(const QString& commandLine, bool out = true, bool err = false,
                    std::chrono::milliseconds giveUpAfter = kCaptureGiveUpAfter)
    {
        return CaptureConsoleOutput(m_capture, m_loop, commandLine, out, err, true, giveUpAfter);
    }
};

void TestQtProcessCapture::longOutput_arrivesWholeAndInOrder()
{
    // About 49 KB, far more than one read or one pipe buffer.
    const QString out = capture(QStringLiteral("seq 1 10000"));
    QStringList expected;
    for (int i = 1; i <= 10000; ++i)
        expected.append(QString::number(i));
    QCOMPARE(out, expected.join(u'\n') + u'\n');
}

void TestQtProcessCapture::silentCommand_givesTheEmptyText()
{
    QCOMPARE(capture(QStringLiteral("true")), QString());
}

void TestQtProcessCapture::missingProgram_givesTheFailureText()
{
    QCOMPARE(capture(QStringLiteral("/nonexistent/quillfen-no-such-program --x")),
             kCaptureFailureText.toString());
    QCOMPARE(capture(QString()), kCaptureFailureText.toString());
}

void TestQtProcessCapture::endlessCommand_isEndedAfterTheTimeLimit()
{
    QElapsedTimer clock;
    clock.start();
    const QString out =
        capture(QStringLiteral("sh -c \"echo started; exec sleep 60\""), true, false, 500ms);
    QCOMPARE(out, QStringLiteral("started\n"));
    QVERIFY2(clock.elapsed() < 10'000, "the capture waited for the child");
    QVERIFY(m_capture.atEnd());
}

void TestQtProcessCapture::streams_onlyTheOnesAskedFor_data()
{
    QTest::addColumn<bool>("out");
    QTest::addColumn<bool>("err");
    QTest::addColumn<QString>("expected");
    QTest::newRow("output") << true << false << "o1\no2\n";
    QTest::newRow("error") << false << true << "e1\n";
    QTest::newRow("both, in the order written") << true << true << "o1\ne1\no2\n";
}

void TestQtProcessCapture::streams_onlyTheOnesAskedFor()
{
    QFETCH(bool, out);
    QFETCH(bool, err);
    QFETCH(QString, expected);
    QCOMPARE(capture(QStringLiteral("sh -c \"echo o1; echo e1 >&2; echo o2\""), out, err),
             expected);
}

void TestQtProcessCapture::characterSplitBetweenReads_comesOutWhole()
{
    // "é" is C3 A9: its first byte arrives alone, the second after a pause.
    QCOMPARE(
        capture(QStringLiteral(
            R"(sh -c "printf 'caf\303'; sleep 0.3; printf '\251 ok\342\202'; sleep 0.3; printf '\254'")")),
        QStringLiteral("café ok€"));
}

void TestQtProcessCapture::completeUtf8Prefix_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("complete");
    QTest::newRow("ascii") << QByteArray("abc") << 3;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("whole two-byte") << QByteArray("a\xC3\xA9") << 3;
    QTest::newRow("lead byte alone") << QByteArray("a\xC3") << 1;
    QTest::newRow("three-byte missing one") << QByteArray("a\xE2\x82") << 1;
    QTest::newRow("whole three-byte") << QByteArray("\xE2\x82\xAC") << 3;
    QTest::newRow("four-byte missing one") << QByteArray("\xF0\x9F\x99") << 0;
    QTest::newRow("whole four-byte") << QByteArray("\xF0\x9F\x99\x82") << 4;
    QTest::newRow("stray continuation bytes") << QByteArray("a\x80\x80\x80\x80") << 5;
}

void TestQtProcessCapture::completeUtf8Prefix()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, complete);
    QCOMPARE(QtProcessCapture::completeUtf8Prefix(bytes), qsizetype(complete));
}

void TestQtProcessCapture::pingOfThisMachine_carriesTheReplyMarker()
{
    if (QStandardPaths::findExecutable(QStringLiteral("ping")).isEmpty())
        QSKIP("ping is not installed (scripts/setup installs it)");
    const QString out = capture(PingCommandLine(QStringLiteral("127.0.0.1")));
    QVERIFY2(out.contains(kPingReplyMarker, Qt::CaseInsensitive), qPrintable(out));
}

QTEST_GUILESS_MAIN(TestQtProcessCapture)
#include "tst_qtprocesscapture.moc"
