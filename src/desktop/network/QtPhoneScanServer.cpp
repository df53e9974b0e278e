#include "desktop/network/QtPhoneScanServer.h"

#include "common/OperationFailed.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#endif

namespace {
QByteArray Reason(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 413:
        return "Content Too Large";
    case 429:
        return "Too Many Requests";
    case 431:
        return "Request Header Fields Too Large";
    default:
        return "Service Unavailable";
    }
}

// Compares without stopping at the first difference, so that the time a refusal takes tells
// nothing about how much of the token was right.
bool SameToken(QByteArrayView given, QByteArrayView token)
{
    if (token.isEmpty() || given.size() != token.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < token.size(); ++i)
        difference |= static_cast<unsigned char>(given[i] ^ token[i]);
    return difference == 0;
}

QByteArray HeaderValue(QByteArrayView header, QByteArrayView name)
{
    for (QByteArrayView line : QByteArray(header.toByteArray()).split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.first(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return line.sliced(colon + 1).trimmed().toByteArray();
    }
    return {};
}

qint64 NowMs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.elapsed();
}
} // namespace

QtPhoneScanServer::QtPhoneScanServer(Limits limits)
    : m_limits(limits)
{
    m_server.setMaxPendingConnections(m_limits.connections);
    connect(&m_server, &QTcpServer::newConnection, this, &QtPhoneScanServer::accept);
}

QtPhoneScanServer::QtPhoneScanServer()
    : QtPhoneScanServer(Limits{})
{}

QtPhoneScanServer::~QtPhoneScanServer()
{
    stop();
}

void QtPhoneScanServer::start(const QString& address, quint16 port)
{
    stop();
    const QHostAddress host(address);
    if (host.isNull())
        throw OperationFailed(tr("not an address of this machine: %1").arg(address));
    if (!m_server.listen(host, port)) {
        // In the user's words: Qt's ("The bound address is already in use") name neither the port
        // nor what to do.
        if (m_server.serverError() == QAbstractSocket::AddressInUseError)
            throw OperationFailed(tr("port %1 is in use; choose another port").arg(port));
        if (m_server.serverError() == QAbstractSocket::SocketAddressNotAvailableError)
            throw OperationFailed(tr("not an address of this machine: %1").arg(address));
        throw OperationFailed(m_server.errorString());
    }
}

void QtPhoneScanServer::stop()
{
    m_server.close();
    const QList<QTcpSocket*> open = m_connections.keys();
    m_connections.clear();
    m_silent.clear();
    m_speaking = 0;
    for (QTcpSocket* socket : open) {
        socket->abort();
        socket->deleteLater();
    }
}

bool QtPhoneScanServer::isListening() const
{
    return m_server.isListening();
}

quint16 QtPhoneScanServer::port() const
{
    return m_server.serverPort();
}

void QtPhoneScanServer::setToken(const QString& token)
{
    m_token = token;
}

void QtPhoneScanServer::accept()
{
    while (QTcpSocket* const socket = m_server.nextPendingConnection()) {
        // A crowd of connections that say nothing cannot keep a new one out: the oldest goes.
        if (m_silent.size() >= m_limits.silentConnections)
            drop(m_silent.front());
        // Bytes past what a request may hold wait in the system, not in our memory.
        socket->setReadBufferSize(m_limits.headerBytes + 4 + m_limits.bodyBytes + 1);
        Connection& connection = m_connections[socket];
        m_silent.append(socket);
        connection.whole.setRemainingTime(m_limits.requestMs);
        connection.deadline = new QTimer(socket);
        connection.deadline->setSingleShot(true);
        connect(connection.deadline, &QTimer::timeout, this, [this, socket] {
            const auto found = m_connections.find(socket);
            if (found == m_connections.end())
                return;
            if (found->silent)
                drop(socket);
            else if (found->waitingFor.isEmpty())
                reply(socket, 408);
            else
                reply(socket, 200, R"({"status":"queued"})");
        });
        connection.deadline->start(std::min(m_limits.silentMs, m_limits.requestMs));
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            if (const auto found = m_connections.find(socket); found != m_connections.end())
                forget(found);
            socket->deleteLater();
        });
        read(socket);
    }
}

void QtPhoneScanServer::forget(QHash<QTcpSocket*, Connection>::iterator connection)
{
    if (connection->silent)
        m_silent.removeOne(connection.key());
    else
        --m_speaking;
    m_connections.erase(connection);
}

void QtPhoneScanServer::drop(QTcpSocket* socket)
{
    if (const auto found = m_connections.find(socket); found != m_connections.end())
        forget(found);
    socket->abort();
    socket->deleteLater();
}

void QtPhoneScanServer::read(QTcpSocket* socket)
{
    const auto found = m_connections.find(socket);
    if (found == m_connections.end()) {
        // Answered: what the client still sends is read and dropped until it closes, so that it
        // gets its reply rather than a reset.
        socket->readAll();
        return;
    }
    Connection& connection = *found;
    if (connection.silent) {
        if (socket->bytesAvailable() == 0)
            return;
        // Past the connections open at once, closed without a word, as a full server does.
        if (m_speaking >= m_limits.connections) {
            drop(socket);
            return;
        }
        connection.silent = false;
        m_silent.removeOne(socket);
        ++m_speaking;
        connection.deadline->start(int(std::max<qint64>(0, connection.whole.remainingTime())));
    }
    if (!connection.waitingFor.isEmpty()) {
        socket->readAll(); // one request per connection: anything after it is dropped
        return;
    }
    // Read no further than the request may be: what a client sends past it is never held.
    const qsizetype most = m_limits.headerBytes + 4 + m_limits.bodyBytes;
    connection.bytes += socket->read(most + 1 - connection.bytes.size());
    if (connection.headerEnd < 0) {
        const qsizetype end = connection.bytes.indexOf("\r\n\r\n");
        if (end < 0) {
            if (connection.bytes.size() > m_limits.headerBytes)
                reply(socket, 431);
            return;
        }
        if (end > m_limits.headerBytes) {
            reply(socket, 431);
            return;
        }
        connection.headerEnd = end + 4;
        const QByteArray header = connection.bytes.first(end);
        if (!HeaderValue(header, "Transfer-Encoding").isEmpty()) {
            reply(socket, 413);
            return;
        }
        const QByteArray length = HeaderValue(header, "Content-Length");
        bool number = true;
        connection.bodyLength = length.isEmpty() ? 0 : length.toLongLong(&number);
        if (!number || connection.bodyLength < 0) {
            reply(socket, 400);
            return;
        }
        // Refused on what it says, before a byte of it is read.
        if (connection.bodyLength > m_limits.bodyBytes) {
            reply(socket, 413);
            return;
        }
    }
    if (connection.bytes.size() - connection.headerEnd < connection.bodyLength)
        return;
    handle(socket, connection);
}

bool QtPhoneScanServer::overRate(Allowance& allowance, int perSecond)
{
    // A bucket of perSecond requests, filled again at perSecond a second. A count over the last
    // second alone refused a phone scanning steadily at the limit whenever one request came a
    // little late and the next on time: 21 in a second, the scan lost.
    const qint64 now = m_limits.clock ? m_limits.clock() : NowMs();
    const double full = perSecond;
    allowance.left =
        allowance.countedAt
            ? std::min(full, allowance.left + double(now - *allowance.countedAt) * full / 1000.0)
            : full;
    allowance.countedAt = now;
    if (allowance.left < 1)
        return true;
    allowance.left -= 1;
    return false;
}

void QtPhoneScanServer::handle(QTcpSocket* socket, Connection& connection)
{
    const QByteArray header = connection.bytes.first(connection.headerEnd);
    const QByteArray body = connection.bytes.sliced(connection.headerEnd, connection.bodyLength);
    const QList<QByteArray> requestLine = header.first(header.indexOf("\r\n")).split(' ');
    const bool http = requestLine.size() == 3 && requestLine[2].startsWith("HTTP/1.");
    const QByteArray method = http ? requestLine[0] : QByteArray();
    const QByteArray target = http ? requestLine[1] : QByteArray();
    const qsizetype queryAt = target.indexOf('?');
    const QByteArray path = queryAt < 0 ? target : target.first(queryAt);
    // The path as sent, never decoded or resolved: "/scan/<token>" exactly, or nothing.
    static constexpr QByteArrayView kPrefix = "/scan/";
    const bool atTheLink =
        path.startsWith(kPrefix) &&
        SameToken(QByteArrayView(path).sliced(kPrefix.size()), m_token.toLatin1());
    // The token first: a flood at any other path spends its own budget, never the phone's.
    if (atTheLink ? overRate(m_atTheLink, m_limits.perSecond)
                  : overRate(m_elsewhere, m_limits.wrongPerSecond)) {
        reply(socket, 429);
        return;
    }
    if (!http) {
        reply(socket, 400);
        return;
    }
    if (!atTheLink) {
        reply(socket, 404);
        return;
    }
    QString text;
    if (method == "GET") {
        text =
            QUrlQuery(QString::fromLatin1(queryAt < 0 ? QByteArray() : target.sliced(queryAt + 1)))
                .queryItemValue(QStringLiteral("code"), QUrl::FullyDecoded);
    } else if (method == "POST") {
        const QByteArray type = HeaderValue(header, "Content-Type").toLower();
        if (type.startsWith("application/json")) {
            const QJsonDocument json = QJsonDocument::fromJson(body);
            text = json.object().value(QStringLiteral("code")).toString();
        } else {
            text = QUrlQuery(QString::fromUtf8(QByteArray(body).replace('+', ' ')))
                       .queryItemValue(QStringLiteral("code"), QUrl::FullyDecoded);
        }
    } else {
        reply(socket, 405);
        return;
    }
    if (text.isEmpty() || text.size() > 200 || !onScan) {
        reply(socket, 400);
        return;
    }
    const PhoneScanAnswer answer = onScan(text);
    switch (answer.kind) {
    case PhoneScanAnswer::Kind::NotACode:
        reply(socket, 400);
        break;
    case PhoneScanAnswer::Kind::NotTaken:
        reply(socket, 503);
        break;
    case PhoneScanAnswer::Kind::Answered:
        replyAnswer(socket, answer);
        break;
    case PhoneScanAnswer::Kind::Queued:
        connection.waitingFor = answer.code;
        connection.deadline->start(m_limits.answerWaitMs);
        break;
    }
    if (afterScan && answer.kind != PhoneScanAnswer::Kind::NotACode &&
        answer.kind != PhoneScanAnswer::Kind::NotTaken)
        QTimer::singleShot(0, this, [this] {
            if (afterScan)
                afterScan();
        });
}

void QtPhoneScanServer::answered(const PhoneScanAnswer& answer)
{
    QList<QTcpSocket*> waiting;
    for (auto it = m_connections.begin(); it != m_connections.end(); ++it) {
        if (it->waitingFor == answer.code)
            waiting.append(it.key());
    }
    for (QTcpSocket* socket : waiting)
        replyAnswer(socket, answer);
}

void QtPhoneScanServer::replyAnswer(QTcpSocket* socket, const PhoneScanAnswer& answer)
{
    const QJsonObject object{{QStringLiteral("code"), answer.code},
                             {QStringLiteral("status"), answer.status},
                             {QStringLiteral("name"), answer.name}};
    reply(socket, 200, QJsonDocument(object).toJson(QJsonDocument::Compact));
}

void QtPhoneScanServer::reply(QTcpSocket* socket, int status, const QByteArray& body)
{
    const auto found = m_connections.find(socket);
    if (found == m_connections.end())
        return;
    if (found->deadline)
        found->deadline->stop();
    forget(found);
    QByteArray response = "HTTP/1.1 " + QByteArray::number(status) + ' ' + Reason(status) +
                          "\r\nConnection: close\r\nCache-Control: no-store\r\n";
    if (!body.isEmpty())
        response += "Content-Type: application/json\r\n";
    response += "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
    socket->write(response);
#ifdef Q_OS_UNIX
    // The reply, then the end of our side only: a client still sending (a body too large) reads
    // the reply, and a reset would have thrown it away.
    socket->flush();
    if (socket->bytesToWrite() == 0 && ::shutdown(int(socket->socketDescriptor()), SHUT_WR) == 0) {
        QTimer::singleShot(m_limits.requestMs, socket, [socket] { socket->abort(); });
        return;
    }
#endif
    socket->disconnectFromHost();
    // A client that never reads its reply is not waited for.
    QTimer::singleShot(m_limits.requestMs, socket, [socket] { socket->abort(); });
}
