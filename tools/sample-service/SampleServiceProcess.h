#pragma once

#include <QProcess>
#include <QStringList>

// Starts the sample service as a child process on a free loopback port, for tests and
// benchmarks, and stops it again when it goes out of scope.
class SampleServiceProcess final
{
    Q_DISABLE_COPY_MOVE(SampleServiceProcess)
public:
    SampleServiceProcess() = default;
    ~SampleServiceProcess();

    // Starts the service with these options (the port is always chosen by the service) and
    // waits until it listens. With "--log-queries" among them, queries() reports what arrived.
    bool start(const QStringList& options = {});
    QString errorString() const { return m_error; }

    quint16 port() const { return m_port; }
    // "http://127.0.0.1:PORT", ready for --service-url.
    QString baseUrl() const;

    // Kills the service at once, as a crash would, and returns once it is gone: the system closes
    // its connections and nothing listens on its port any more.
    void kill();

    // The decoded value of q of every page service request so far, in order of arrival.
    QStringList queries();

    // A request as the service saw it arrive (with "--log-queries").
    struct Arrival
    {
        qint64 ms = 0;     // on the service's monotonic clock
        QString api;       // "page", "openfoodfacts", ..., "upcitemdb"; "none": unknown path
        QByteArray target; // path and query as sent
        QByteArray userAgent;
    };
    // Every request so far, of every API, in order of arrival.
    QList<Arrival> arrivals();
    // How many connections clients have opened so far.
    int connections();

private:
    QList<QByteArray> logLines();

    QProcess m_process;
    QByteArray m_output;
    quint16 m_port = 0;
    QString m_error;
};
