// Ctrl+C on Windows: the console's control event caught for a batch run (QtStopSignals) and for
// the index commands (InterruptFlags), a wait for events woken by it, and the handlers that were
// there before put back. Needs a console to send the event in: tests/windows/wine-run --console
// gives the suite one.
#include "desktop/system/InterruptFlags.h"
#include "desktop/system/QtEventLoop.h"
#include "desktop/system/QtStopSignals.h"

#include <QTest>

#include <atomic>
#include <chrono>
#include <thread>
#include <windows.h>

namespace {
std::atomic<int> g_noted{0};

BOOL WINAPI NoteEvent(DWORD event)
{
    g_noted = int(event) + 1;
    return TRUE;
}

bool SendCtrlC()
{
    return GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0) != FALSE;
}
} // namespace

class TestConsoleStops : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void ctrlC_isAnInterruptForTheBatchRun();
    void ctrlC_wakesAWaitForEvents();
    void ctrlC_setsTheIndexCommandsFlag();
    void afterwards_theEarlierHandlerIsBack();
};

void TestConsoleStops::initTestCase()
{
    DWORD processes[1] = {};
    QVERIFY2(GetConsoleProcessList(processes, 1) > 0,
             "no console: run the suite through tests/windows/wine-run --console");
    // Under everything the suite installs: what reaches it was not caught above it.
    QVERIFY(SetConsoleCtrlHandler(NoteEvent, TRUE));
}

void TestConsoleStops::cleanupTestCase()
{
    SetConsoleCtrlHandler(NoteEvent, FALSE);
}

void TestConsoleStops::ctrlC_isAnInterruptForTheBatchRun()
{
    g_noted = 0;
    const QtStopSignals caught;
    QCOMPARE(caught.received(), StopSignal::None);
    QVERIFY2(SendCtrlC(), "the console refused to send Ctrl+C");
    // Windows calls the handlers on a thread of its own.
    QTRY_COMPARE(caught.received(), StopSignal::Interrupt);
    QCOMPARE(g_noted.load(), 0);
}

void TestConsoleStops::ctrlC_wakesAWaitForEvents()
{
    const QtStopSignals caught;
    QtEventLoop loop;
    // While this thread waits for events with nothing else to come for minutes: only the
    // handler's wake-up can end the wait before the suite's time limit.
    std::thread sender([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        SendCtrlC();
    });
    while (caught.received() == StopSignal::None)
        loop.waitForEvents(std::chrono::minutes(5));
    sender.join();
    QCOMPARE(caught.received(), StopSignal::Interrupt);
}

void TestConsoleStops::ctrlC_setsTheIndexCommandsFlag()
{
    g_noted = 0;
    const InterruptFlags flags;
    QVERIFY(!InterruptFlags::interrupted().load());
    QVERIFY(SendCtrlC());
    QTRY_VERIFY(InterruptFlags::interrupted().load());
    QVERIFY(!InterruptFlags::terminated().load());
    QCOMPARE(g_noted.load(), 0);
}

void TestConsoleStops::afterwards_theEarlierHandlerIsBack()
{
    {
        const QtStopSignals caught;
        const InterruptFlags flags;
    }
    g_noted = 0;
    QVERIFY(SendCtrlC());
    QTRY_COMPARE(g_noted.load(), int(CTRL_C_EVENT) + 1);
}

QTEST_GUILESS_MAIN(TestConsoleStops)
#include "tst_consolestops.moc"
