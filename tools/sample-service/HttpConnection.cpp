#include "HttpConnection.h"

#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#endif

namespace {
constexpr qsizetype kMaxHeaderBytes = 64 * 1024;
// How long a reset after half a body waits for that half to leave, at most.
constexpr int kResetAfterSendLimitMs = 5000;

QByteArray ResponseHead(const HttpReply& reply, qint64 length, bool keepAlive)
{
    QByteArray head =
        "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + ReasonPhrase(reply.status) + "\r\n";
    if (!reply.contentType.isEmpty())
        head += "Content-Type: " + reply.contentType + "\r\n";
    head += "Content-Length: " + QByteArray::number(length) + "\r\n";
    for (const auto& [name, value] : reply.headers)
        head += name + ": " + value + "\r\n";
    head += QByteArray("Connection: ") + (keepAlive ? "keep-alive" : "close") + "\r\n\r\n";
    return head;
}
} // namespace

QByteArray HttpRequest::header(QByteArrayView name) const
{
    for (const auto& [key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

QString HttpRequest::queryItem(const QString& name) const
{
    return QUrlQuery(QString::fromUtf8(query)).queryItemValue(name, QUrl::FullyDecoded);
}

QByteArray ReasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 302:
        return "Found";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 429:
        return "Too Many Requests";
    case 500:
        return "Internal Server Error";
    case 502:
        return "Bad Gateway";
    case 503:
        return "Service Unavailable";
    case 504:
        return "Gateway Timeout";
    default:
        return "Status " + QByteArray::number(status);
    }
}

HttpConnection::HttpConnection(QTcpSocket* socket, const QElapsedTimer& clock, int delayMs,
                               Responder responder)
    : QObject(socket)
    , m_socket(socket)
    , m_clock(clock)
    , m_delayMs(delayMs)
    , m_responder(std::move(responder))
{
    connect(socket, &QTcpSocket::readyRead, this, &HttpConnection::readRequests);
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
}

void HttpConnection::readRequests()
{
    m_buffer += m_socket->readAll();
    HttpRequest request;
    while (!m_ending && takeRequest(request)) {
        HttpAnswer answer = m_responder(request);
        m_ending = answer.delivery != Delivery::Whole || !request.keepAlive;
        m_pending.emplace_back(std::move(answer), request.keepAlive);
    }
    if (m_ending)
        m_buffer.clear();
    sendNext();
}

// Takes the next complete request from the buffer, if there is one.
bool HttpConnection::takeRequest(HttpRequest& request)
{
    const qsizetype end = m_buffer.indexOf("\r\n\r\n");
    if (end < 0) {
        if (m_buffer.size() > kMaxHeaderBytes) {
            m_ending = true;
            m_socket->abort();
        }
        return false;
    }
    const QList<QByteArray> lines = m_buffer.left(end).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request = HttpRequest{};
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    const qsizetype question = request.target.indexOf('?');
    request.hasQuery = question >= 0;
    request.path = request.hasQuery ? request.target.left(question) : request.target;
    if (request.hasQuery)
        request.query = request.target.mid(question + 1);
    const bool http11 = requestLine.value(2) == "HTTP/1.1";
    QByteArray connection;
    qint64 bodyLength = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon < 0)
            continue;
        const QByteArray name = lines[i].left(colon).trimmed();
        const QByteArray value = lines[i].mid(colon + 1).trimmed();
        request.headers.append({name, value});
        if (name.compare("connection", Qt::CaseInsensitive) == 0)
            connection = value.toLower();
        else if (name.compare("content-length", Qt::CaseInsensitive) == 0)
            bodyLength = value.toLongLong();
    }
    if (m_buffer.size() < end + 4 + bodyLength)
        return false;
    m_buffer.remove(0, end + 4 + bodyLength);
    request.keepAlive = http11 ? connection != "close" : connection == "keep-alive";
    request.arrivalMs = m_clock.elapsed();
    return true;
}

void HttpConnection::sendNext()
{
    while (!m_sending && !m_pending.empty()) {
        if (m_delayMs > 0) {
            m_sending = true;
            QTimer::singleShot(m_delayMs, this, [this] {
                m_sending = false;
                auto [answer, keepAlive] = std::move(m_pending.front());
                m_pending.pop_front();
                if (deliver(answer, keepAlive))
                    sendNext();
            });
            return;
        }
        auto [answer, keepAlive] = std::move(m_pending.front());
        m_pending.pop_front();
        if (!deliver(answer, keepAlive))
            return;
    }
}

bool HttpConnection::deliver(const HttpAnswer& answer, bool keepAlive)
{
    const HttpReply& reply = answer.reply;
    switch (answer.delivery) {
    case Delivery::NoAnswer:
        return false;
    case Delivery::Reset:
        reset();
        return false;
    case Delivery::CloseBeforeAnswer:
        m_socket->disconnectFromHost();
        return false;
    case Delivery::Whole:
        m_socket->write(ResponseHead(reply, reply.body.size(), keepAlive) + reply.body);
        if (keepAlive)
            return true;
        m_socket->disconnectFromHost();
        return false;
    case Delivery::CloseMidBody:
    case Delivery::ResetMidBody:
    case Delivery::StallMidBody:
        m_socket->write(ResponseHead(reply, reply.body.size(), keepAlive) +
                        reply.body.left(reply.body.size() / 2));
        if (answer.delivery == Delivery::CloseMidBody)
            m_socket->disconnectFromHost();
        else if (answer.delivery == Delivery::ResetMidBody)
            resetWhenSent();
        return false;
    case Delivery::Endless:
        sendEndlessly(reply);
        return false;
    }
    return false;
}

void HttpConnection::sendEndlessly(const HttpReply& reply)
{
    QByteArray head =
        "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + ReasonPhrase(reply.status) + "\r\n";
    if (!reply.contentType.isEmpty())
        head += "Content-Type: " + reply.contentType + "\r\n";
    head += "Transfer-Encoding: chunked\r\nConnection: close\r\n\r\n";
    m_socket->write(head);
    const QByteArray chunk =
        QByteArray::number(reply.body.size(), 16) + "\r\n" + reply.body + "\r\n";
    // A little ahead of what has left, never more: the client sets the pace, and may go.
    const auto topUp = [this, chunk] {
        while (m_socket->state() == QAbstractSocket::ConnectedState &&
               m_socket->bytesToWrite() < 4 * chunk.size())
            m_socket->write(chunk);
    };
    connect(m_socket, &QTcpSocket::bytesWritten, this, topUp);
    topUp();
}

// What was written must leave before the reset, or the reset would overtake it. Waiting for it
// is a signal, not a blocking wait, so that other connections are served meanwhile.
void HttpConnection::resetWhenSent()
{
    if (m_socket->bytesToWrite() == 0) {
        reset();
        return;
    }
    connect(m_socket, &QTcpSocket::bytesWritten, this, [this] {
        if (m_socket->bytesToWrite() == 0)
            reset();
    });
    QTimer::singleShot(kResetAfterSendLimitMs, this, &HttpConnection::reset);
}

// Ends the connection with a reset instead of the orderly close.
void HttpConnection::reset()
{
    if (m_socket->state() == QAbstractSocket::UnconnectedState)
        return;
#ifdef Q_OS_UNIX
    // Linger 0: closing sends a reset instead of the orderly end of the connection.
    const linger abortive{1, 0};
    ::setsockopt(int(m_socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &abortive,
                 sizeof abortive);
#endif
    m_socket->abort();
}
