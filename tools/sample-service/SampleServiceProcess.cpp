#include "SampleServiceProcess.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QUrl>

SampleServiceProcess::~SampleServiceProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool SampleServiceProcess::start(const QStringList& options)
{
    m_process.setProgram(QStringLiteral(QUILLFEN_SAMPLE_SERVICE_PATH));
    m_process.setArguments(QStringList{QStringLiteral("--port"), QStringLiteral("0")} + options);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start();
    if (!m_process.waitForStarted(10000)) {
        m_error = m_process.errorString();
        return false;
    }
    static const QRegularExpression listening(
        QStringLiteral(R"(^listening on http://127\.0\.0\.1:(\d+)$)"),
        QRegularExpression::MultilineOption);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        if (!m_process.waitForReadyRead(1000) && m_process.state() == QProcess::NotRunning)
            break;
        m_output += m_process.readAllStandardOutput();
        const QRegularExpressionMatch match = listening.match(QString::fromUtf8(m_output));
        if (match.hasMatch()) {
            m_port = quint16(match.captured(1).toUInt());
            return true;
        }
    }
    m_error = QStringLiteral("the sample service did not start listening");
    return false;
}

void SampleServiceProcess::kill()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(5000);
}

QString SampleServiceProcess::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:") + QString::number(m_port);
}

QList<QByteArray> SampleServiceProcess::logLines()
{
    // The service logs a request before answering it, so whatever the client has seen answered
    // is in the pipe already; a short wait collects it.
    while (m_process.waitForReadyRead(100))
        m_output += m_process.readAllStandardOutput();
    m_output += m_process.readAllStandardOutput();
    return m_output.split('\n');
}

QStringList SampleServiceProcess::queries()
{
    QStringList values;
    for (const QByteArray& line : logLines()) {
        if (line.startsWith("query "))
            values.append(QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(6))));
    }
    return values;
}

QList<SampleServiceProcess::Arrival> SampleServiceProcess::arrivals()
{
    QList<Arrival> arrivals;
    for (const QByteArray& line : logLines()) {
        if (!line.startsWith("request "))
            continue;
        // "request MS API TARGET AGENT"; the agent is percent-encoded and may be empty.
        const QList<QByteArray> fields = line.split(' ');
        arrivals.append({fields.value(1).toLongLong(), QString::fromUtf8(fields.value(2)),
                         fields.value(3), QByteArray::fromPercentEncoding(fields.value(4))});
    }
    return arrivals;
}

int SampleServiceProcess::connections()
{
    int count = 0;
    for (const QByteArray& line : logLines())
        count += line == "connection" ? 1 : 0;
    return count;
}
