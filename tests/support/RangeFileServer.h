#pragma once

// A tiny HTTP server on 127.0.0.1 that serves one file at any path, with Range requests
// (206), If-Range checked against its ETag, and two faults: the connection dropped after some
// bytes of the body, or kept open with nothing more sent. For tests of downloads that resume; it
// runs on the test's event loop.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>
#include <utility>

class RangeFileServer final
{
public:
    struct Request
    {
        QByteArray path;
        QHash<QByteArray, QByteArray> headers; // names in lower case
    };

    explicit RangeFileServer(QByteArray body, QByteArray etag = "\"v1\"")
        : m_body(std::move(body))
        , m_etag(std::move(etag))
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                auto buffer = std::make_shared<QByteArray>();
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                    *buffer += socket->readAll();
                    if (buffer->contains("\r\n\r\n"))
                        answer(socket, *buffer);
                });
            }
        });
    }

    QString
    url(const QString& path = QStringLiteral("/data/en.openfoodfacts.org.products.csv.gz")) const
    {
        return QStringLiteral("http://127.0.0.1:") + QString::number(m_server.serverPort()) + path;
    }

    // The next `times` answers stop after this many bytes of their body.
    void dropAfter(qint64 bytes, int times = 1)
    {
        m_dropAfter = bytes;
        m_dropsLeft = times;
    }
    // The next answer sends this many bytes of its body, then nothing, and keeps the connection.
    void stallAfter(qint64 bytes)
    {
        dropAfter(bytes);
        m_stall = true;
    }
    // The file changes: another body under another ETag.
    void replace(QByteArray body, QByteArray etag)
    {
        m_body = std::move(body);
        m_etag = std::move(etag);
    }
    // From now on the server holds several files, each at its own path; any other path is not
    // found (404).
    void serve(const QByteArray& path, QByteArray body) { m_files.insert(path, std::move(body)); }

    // Answer every request with the whole file, as servers without range support do.
    void ignoreRanges() { m_ignoreRanges = true; }

    const QList<Request>& requests() const { return m_requests; }

private:
    void answer(QTcpSocket* socket, const QByteArray& request)
    {
        Request seen;
        const QList<QByteArray> lines = request.left(request.indexOf("\r\n\r\n")).split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        seen.path = first.value(1);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon > 0)
                seen.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                    lines[i].mid(colon + 1).trimmed());
        }
        m_requests.append(seen);

        if (!m_files.isEmpty() && !m_files.contains(seen.path)) {
            socket->write(
                "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            socket->disconnectFromHost();
            return;
        }
        const QByteArray& body = m_files.isEmpty() ? m_body : m_files[seen.path];
        const qint64 size = body.size();
        qint64 from = 0;
        QByteArray status = "200 OK";
        QByteArray extra;
        const QByteArray range = seen.headers.value("range");
        const QByteArray ifRange = seen.headers.value("if-range");
        if (!m_ignoreRanges && range.startsWith("bytes=") && range.endsWith('-') &&
            (ifRange.isEmpty() || ifRange == m_etag)) {
            from = range.mid(6, range.size() - 7).toLongLong();
            if (from >= size) {
                socket->write("HTTP/1.1 416 Range Not Satisfiable\r\nContent-Range: bytes */" +
                              QByteArray::number(size) +
                              "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
                socket->disconnectFromHost();
                return;
            }
            status = "206 Partial Content";
            extra = "Content-Range: bytes " + QByteArray::number(from) + '-' +
                    QByteArray::number(size - 1) + '/' + QByteArray::number(size) + "\r\n";
        }
        QByteArray head =
            "HTTP/1.1 " + status + "\r\nContent-Type: application/gzip\r\n" +
            "Content-Length: " + QByteArray::number(size - from) + "\r\n" +
            "Accept-Ranges: bytes\r\nLast-Modified: Sat, 01 Jun 2024 02:30:00 GMT\r\n" + extra +
            "Connection: close\r\n";
        if (!m_etag.isEmpty())
            head += "ETag: " + m_etag + "\r\n";
        socket->write(head + "\r\n");
        qint64 sending = size - from;
        if (m_dropsLeft > 0) {
            --m_dropsLeft;
            sending = std::min(sending, m_dropAfter);
        }
        socket->write(body.constData() + from, sending);
        if (std::exchange(m_stall, false))
            return;
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QByteArray m_body;
    QHash<QByteArray, QByteArray> m_files; // by path, once serve() is called
    QByteArray m_etag;
    qint64 m_dropAfter = 0;
    int m_dropsLeft = 0;
    bool m_ignoreRanges = false;
    bool m_stall = false;
    QList<Request> m_requests;
};
