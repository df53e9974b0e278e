// The real program, offscreen, asked to quit by a signal: it must close as if the window were
// closed, saving the code list, and exit normally; a save that fails is told on standard error,
// never in a box that nobody is there to close.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {
// Whether the process has installed a handler for the signal, from the caught-signals mask
// the kernel shows in /proc.
bool catches(qint64 pid, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) {
            bool ok = false;
            const qulonglong mask = line.mid(7).trimmed().toULongLong(&ok, 16);
            return ok && (mask & (qulonglong(1) << (signal - 1)));
        }
    }
    return false;
}
} // namespace

class TestQuitSignals : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void signal_closesTheWindowSavesTheListAndExitsZero_data();
    void signal_closesTheWindowSavesTheListAndExitsZero();
};

void TestQuitSignals::signal_closesTheWindowSavesTheListAndExitsZero_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("savable");
    QTest::newRow("SIGTERM") << int(SIGTERM) << true;
    QTest::newRow("SIGINT") << int(SIGINT) << true;
    QTest::newRow("SIGHUP") << int(SIGHUP) << true;
    QTest::newRow("SIGTERM, settings cannot be saved") << int(SIGTERM) << false;
    QTest::newRow("SIGINT, settings cannot be saved") << int(SIGINT) << false;
}

void TestQuitSignals::signal_closesTheWindowSavesTheListAndExitsZero()
{
    QFETCH(int, signal);
    QFETCH(bool, savable);
    if (!QFile::exists(QStringLiteral("/proc/self/status")))
        QSKIP("needs /proc to see when the program has started catching signals");
    QTemporaryDir config;
    QVERIFY(config.isValid());
    const QString store = config.filePath(QStringLiteral("Zandrik/Quillfen.conf"));
    if (!savable) {
        // A file where the settings' folder should be: nothing can be written there.
        QFile blocker(config.filePath(QStringLiteral("Zandrik")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    } else {
        // Empty pieces that a restore drops and the next save leaves out: a rewritten value
        // shows that the close saved the list the window held.
        QSettings seeded(store, QSettings::IniFormat);
        seeded.setValue(QStringLiteral("Quillfen/Zip Codes"), QStringLiteral(";111;;222;333;"));
    }

    QProcess app;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    env.insert(QStringLiteral("QUILLFEN_WEBSITE_URL"), QString());
    app.setProcessEnvironment(env);
    app.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    app.start(QStringLiteral(QUILLFEN_BINARY_DIR "/src/quillfen"),
              {QStringLiteral("--ping-host"), QStringLiteral("127.0.0.1")});
    QVERIFY(app.waitForStarted());
    // The handlers go in once start-up has restored the list.
    QTRY_VERIFY_WITH_TIMEOUT(catches(app.processId(), signal), 30'000);

    QVERIFY(::kill(pid_t(app.processId()), signal) == 0);
    QVERIFY(app.waitForFinished(30'000));
    QCOMPARE(app.exitStatus(), QProcess::NormalExit);
    QCOMPARE(app.exitCode(), 0);
    const QString errors = QString::fromLocal8Bit(app.readAllStandardError());
    if (!savable) {
        QVERIFY2(errors.contains(QStringLiteral("Could not save the setting \"Zip Codes\"")) &&
                     errors.contains(QStringLiteral("Form1.QuitOnSignal at line 100")),
                 qPrintable(errors));
        return;
    }
    QSettings saved(store, QSettings::IniFormat);
    QCOMPARE(saved.value(QStringLiteral("Quillfen/Zip Codes")).toString(),
             QStringLiteral("111;222;333"));
}

QTEST_GUILESS_MAIN(TestQuitSignals)
#include "tst_quitsignals.moc"
