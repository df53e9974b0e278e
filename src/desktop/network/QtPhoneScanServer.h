#pragma once

#include "platform/PhoneScanReceiver.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTcpServer>

#include <functional>
#include <optional>

class QTcpSocket;
class QTimer;

// The phone scanner's server on QTcpServer: one request per connection, read as bytes arrive and
// bounded as they are counted (the header, a small body, a deadline for the whole request), no
// more than a few connections at once and no more than 20 requests a second at the link (20 at
// once at most, and 20 more each second, so that a phone's steady 20 a second is never refused).
// Takes GET /scan/<token>?code=..., and POST /scan/<token> with a form (code=...) or a JSON
// object ({"code": "..."}). Every refusal is a bare status line without a word of why.
//
// Nobody without the token can keep the phone out: requests at any other path are paced apart,
// on a smaller budget of their own, and a connection that has sent nothing is closed after a
// moment and holds none of the places of those that have.
class QtPhoneScanServer final : public QObject, public PhoneScanReceiver
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtPhoneScanServer)
public:
    struct Limits
    {
        int requestMs = 5000;        // the whole request, from the connection on
        int answerWaitMs = 2000;     // how long a reply waits for the answer before "queued"
        int perSecond = 20;          // requests at the link taken a second, and at once
        int wrongPerSecond = 5;      // the same for requests at any other path, or none
        int connections = 32;        // open at once that have sent something
        int silentMs = 2000;         // how long a connection may stay without sending a byte
        int silentConnections = 128; // open at once that have sent nothing: the oldest goes
        qsizetype headerBytes = 8 * 1024;
        qsizetype bodyBytes = 1024;
        // Milliseconds on a steady clock, for the rate; null: the system's.
        std::function<qint64()> clock = {};
    };

    explicit QtPhoneScanServer(Limits limits);
    QtPhoneScanServer();
    ~QtPhoneScanServer() override;

    void start(const QString& address, quint16 port) override;
    void stop() override;
    bool isListening() const override;
    quint16 port() const override;
    void setToken(const QString& token) override;
    void answered(const PhoneScanAnswer& answer) override;

private:
    struct Connection
    {
        // Nothing received yet: closed after silentMs, and not among the `connections`.
        bool silent = true;
        // The whole request's time, from the connection on.
        QDeadlineTimer whole;
        QByteArray bytes;
        qsizetype headerEnd = -1;
        qint64 bodyLength = 0;
        QTimer* deadline = nullptr;
        // Waiting for this code's answer; empty while the request is still being read.
        QString waitingFor;
    };

    void accept();
    void read(QTcpSocket* socket);
    void handle(QTcpSocket* socket, Connection& connection);
    // A bucket of requests a second, filled again as time passes.
    struct Allowance
    {
        double left = 0;
        std::optional<qint64> countedAt;
    };
    bool overRate(Allowance& allowance, int perSecond);
    // The connection takes no place from now on.
    void forget(QHash<QTcpSocket*, Connection>::iterator connection);
    // Closed without a reply.
    void drop(QTcpSocket* socket);
    void reply(QTcpSocket* socket, int status, const QByteArray& body = {});
    void replyAnswer(QTcpSocket* socket, const PhoneScanAnswer& answer);

    Limits m_limits;
    QTcpServer m_server;
    QString m_token;
    QHash<QTcpSocket*, Connection> m_connections;
    // The connections that have sent nothing yet, oldest first.
    QList<QTcpSocket*> m_silent;
    qsizetype m_speaking = 0;
    // Requests that may still be taken now: at the link, and at any other path.
    Allowance m_atTheLink;
    Allowance m_elsewhere;
};
