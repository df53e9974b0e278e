// SIGINT and SIGTERM caught for a batch run: which came first, a wait woken at once, and the
// handlers that were there before put back.
#include "desktop/system/QtEventLoop.h"
#include "desktop/system/QtStopSignals.h"
#include "desktop/system/QuitSignalWatcher.h"

#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <csignal>
#include <thread>
#include <unistd.h>

class TestQtStopSignals : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void signal_isReceivedAndTheFirstOneCounts_data();
    void signal_isReceivedAndTheFirstOneCounts();
    void signal_wakesAWaitForEvents();
    void afterwards_theEarlierHandlersAreBack();
    // Last: ending the program leaves every later loop of this process at once.
    void quitSignal_endsTheLoopOfABoxThatIsOpen();

private:
    static void noteSignal(int signal) { s_noted = signal; }
    static inline volatile std::sig_atomic_t s_noted = 0;
};

void TestQtStopSignals::signal_isReceivedAndTheFirstOneCounts_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("received");
    QTest::newRow("SIGINT") << SIGINT << SIGTERM << int(StopSignal::Interrupt);
    QTest::newRow("SIGTERM") << SIGTERM << SIGINT << int(StopSignal::Terminate);
}

void TestQtStopSignals::signal_isReceivedAndTheFirstOneCounts()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, received);
    const QtStopSignals caught;
    QCOMPARE(caught.received(), StopSignal::None);
    QCOMPARE(std::raise(first), 0);
    QCOMPARE(int(caught.received()), received);
    QCOMPARE(std::raise(second), 0);
    QCOMPARE(int(caught.received()), received);
}

void TestQtStopSignals::signal_wakesAWaitForEvents()
{
    const QtStopSignals caught;
    QtEventLoop loop;
    // From another thread, while this one waits for events with nothing else to come for
    // minutes: only the signal's wake-up can end the wait before the suite's time limit.
    std::thread sender([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ::kill(::getpid(), SIGTERM);
    });
    loop.waitForEvents(std::chrono::minutes(5));
    sender.join();
    QCOMPARE(caught.received(), StopSignal::Terminate);
}

void TestQtStopSignals::afterwards_theEarlierHandlersAreBack()
{
    struct sigaction noting = {};
    noting.sa_handler = noteSignal;
    sigemptyset(&noting.sa_mask);
    struct sigaction before[2] = {};
    QCOMPARE(::sigaction(SIGINT, &noting, &before[0]), 0);
    QCOMPARE(::sigaction(SIGTERM, &noting, &before[1]), 0);
    {
        const QtStopSignals caught;
        QCOMPARE(std::raise(SIGINT), 0);
        QCOMPARE(s_noted, 0);
    }
    QCOMPARE(std::raise(SIGTERM), 0);
    QCOMPARE(s_noted, SIGTERM);
    ::sigaction(SIGINT, &before[0], nullptr);
    ::sigaction(SIGTERM, &before[1], nullptr);
}

void TestQtStopSignals::quitSignal_endsTheLoopOfABoxThatIsOpen()
{
    QtEventLoop loop;
    int calls = 0;
    QuitSignalWatcher watcher([&] {
        ++calls;
        loop.endProgram();
    });
    QVERIFY(watcher.install());
    // A modal box runs a loop of its own inside the handler that showed it; the signal must end
    // it without anyone closing the box. Left alone, the box's loop returns 1 after 30 s.
    QEventLoop box;
    QTimer::singleShot(0, [] { ::kill(::getpid(), SIGTERM); });
    QTimer::singleShot(30'000, &box, [&box] { box.exit(1); });
    QCOMPARE(box.exec(), 0);
    QCOMPARE(calls, 1);
    QVERIFY(loop.isEnding());
}

QTEST_GUILESS_MAIN(TestQtStopSignals)
#include "tst_qtstopsignals.moc"
