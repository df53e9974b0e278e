// The real scan window on a machine without sound: it stays silent, and says nothing about it.
#include "desktop/window/QtScanWindow.h"

#include <QApplication>
#include <QTest>

namespace {
QStringList gSaid;

void Record(QtMsgType, const QMessageLogContext&, const QString& message)
{
    gSaid.append(message);
}
} // namespace

class TestQtScanWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noSoundServer_silentWithoutAWord();
};

void TestQtScanWindow::noSoundServer_silentWithoutAWord()
{
    // No sound server to be found, whatever this machine has.
    qputenv("PULSE_SERVER", "unix:/nonexistent/quillfen-no-sound-server");
    QtScanWindow window(nullptr);
    const QtMessageHandler previous = qInstallMessageHandler(&Record);
    for (const ScanSignal signal : {ScanSignal::Found, ScanSignal::NotFound, ScanSignal::Invalid})
        window.signal(signal);
    qInstallMessageHandler(previous);
    QVERIFY2(gSaid.isEmpty(), qPrintable(gSaid.join(u'\n')));
}

QTEST_MAIN(TestQtScanWindow)
#include "tst_qtscanwindow.moc"
