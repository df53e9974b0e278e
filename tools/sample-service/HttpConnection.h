#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>

#include <deque>
#include <functional>
#include <utility>

class QTcpSocket;

using HttpHeaders = QList<std::pair<QByteArray, QByteArray>>;

// One request as it arrived.
struct HttpRequest
{
    QByteArray method;
    QByteArray target; // as sent: path and query, still percent-encoded
    QByteArray path;   // the target up to "?"
    QByteArray query;  // after "?", without it; empty when there is none
    bool hasQuery = false;
    HttpHeaders headers;
    bool keepAlive = true;
    // Milliseconds on the service's monotonic clock when the request was complete.
    qint64 arrivalMs = 0;

    // The first header of that name, compared without regard to case; empty when absent.
    QByteArray header(QByteArrayView name) const;
    // The decoded value of the query's first item of that name; empty when absent.
    QString queryItem(const QString& name) const;
};

struct HttpReply
{
    int status = 200;
    QByteArray contentType; // no Content-Type header when empty
    HttpHeaders headers;    // sent after Content-Length
    QByteArray body;
};

// How a reply reaches the client, or how the connection fails instead.
enum class Delivery {
    Whole,             // the reply, then the connection stays open if the request allows
    NoAnswer,          // nothing at all, and the connection takes no further requests
    Reset,             // a reset instead of the reply
    CloseBeforeAnswer, // an orderly close without a byte of reply
    CloseMidBody,      // the head and half the body, then an orderly close
    ResetMidBody,      // the head and half the body, then a reset
    StallMidBody,      // the head and half the body, then silence
    Endless,           // the head, then the body again and again in chunks, until the client goes
};

struct HttpAnswer
{
    HttpReply reply;
    Delivery delivery = Delivery::Whole;
};

QByteArray ReasonPhrase(int status);

// One client connection of a small HTTP/1.1 server. Each request is handed to the responder the
// moment it is complete, in order of arrival, so that whatever the responder counts or logs
// follows the clients' own timing; the answers then leave one after the other, each `delayMs`
// after the previous one was sent (or after its request arrived, when the connection was idle).
// Waiting is a timer, never a blocking call, so no connection holds up another.
class HttpConnection final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HttpConnection)
public:
    using Responder = std::function<HttpAnswer(const HttpRequest&)>;

    // Owned by the socket; the clock is the service's, started before the first connection.
    HttpConnection(QTcpSocket* socket, const QElapsedTimer& clock, int delayMs,
                   Responder responder);

private:
    void readRequests();
    bool takeRequest(HttpRequest& request);
    void sendNext();
    // Sends one answer; false when the connection takes no further requests.
    bool deliver(const HttpAnswer& answer, bool keepAlive);
    void resetWhenSent();
    void reset();
    // Sends the body as the next chunk whenever the last ones have left.
    void sendEndlessly(const HttpReply& reply);

    QTcpSocket* m_socket;
    const QElapsedTimer& m_clock;
    int m_delayMs;
    Responder m_responder;
    QByteArray m_buffer;
    std::deque<std::pair<HttpAnswer, bool>> m_pending; // the answer, and keep-alive
    bool m_sending = false;
    // After an answer that ends the connection, later requests are neither read nor answered.
    bool m_ending = false;
};
