#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

// yaz-ztest, YAZ's own Z39.50 and SRU test server (Debian's yaz package), started on a free port
// of 127.0.0.1 for a test, and killed when it goes out of scope. It answers any query with a
// number of hits (the number a term starts with, when it starts with one) from two dozen
// built-in MARC records in MARC-8; its database "Default?search-delay=S" takes S seconds to
// search.
class ZtestProcess final
{
    Q_DISABLE_COPY_MOVE(ZtestProcess)
public:
    ZtestProcess() = default;
    ~ZtestProcess() { kill(); }

    // Starts it, each connection on a thread of its one process (so that killing it closes them
    // all, as a server that closes mid-answer does); true once it accepts connections.
    bool start()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("yaz-ztest"));
        if (program.isEmpty()) {
            m_error =
                QStringLiteral("yaz-ztest is missing: scripts/setup installs the yaz package");
            return false;
        }
        for (int attempt = 0; attempt < 5; ++attempt) {
            {
                QTcpServer probe;
                if (!probe.listen(QHostAddress::LocalHost, 0))
                    continue;
                m_port = probe.serverPort();
            }
            m_process.setProgram(program);
            m_process.setArguments({QStringLiteral("-T"), QStringLiteral("-l"),
                                    QStringLiteral("/dev/null"),
                                    QStringLiteral("tcp:127.0.0.1:%1").arg(m_port)});
            m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            m_process.start();
            if (!m_process.waitForStarted(5000))
                break;
            QElapsedTimer clock;
            clock.start();
            while (clock.elapsed() < 5000 && m_process.state() == QProcess::Running) {
                QTcpSocket socket;
                socket.connectToHost(QHostAddress::LocalHost, m_port);
                if (socket.waitForConnected(200))
                    return true;
                m_process.waitForFinished(50);
            }
            kill();
        }
        m_error = QStringLiteral("yaz-ztest did not start listening");
        return false;
    }

    // Kills it at once, as a crash would; its connections close.
    void kill()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    quint16 port() const { return m_port; }
    QString errorString() const { return m_error; }

private:
    QProcess m_process;
    quint16 m_port = 0;
    QString m_error;
};
