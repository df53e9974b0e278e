#include "SampleService.h"

#include <QStringEncoder>
#include <QTcpSocket>
#include <QTimer>

#include <optional>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#endif

namespace {
constexpr QByteArrayView kLookupPath = "/perl/ean-search.pl";
constexpr qsizetype kMaxHeaderBytes = 64 * 1024;
// What the invalid-utf8 fault puts after the product name: a lone 0xFF, an overlong "/" (0xC0
// 0xAF), an encoded surrogate (0xED 0xA0 0x80) and a sequence cut short (0xE2 0x82), each after
// a space.
constexpr QByteArrayView kInvalidUtf8Tail = " \xFF \xC0\xAF \xED\xA0\x80 \xE2\x82";
// Stands for that tail in the page text until the page is encoded.
constexpr QStringView kInvalidUtf8Mark = u"@@invalid-utf8@@";

QString EscapeHtml(const QString& text)
{
    return text.toHtmlEscaped();
}

QByteArray ReasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
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

QByteArray ResponseHead(int status, const QByteArray& contentType, qint64 length, bool keepAlive)
{
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + ReasonPhrase(status) +
           "\r\nContent-Type: " + contentType +
           "\r\nContent-Length: " + QByteArray::number(length) +
           "\r\nConnection: " + (keepAlive ? "keep-alive" : "close") + "\r\n\r\n";
}

// The value of "q" as a CGI script sees it: "+" is a space, %XX a byte, the bytes UTF-8.
std::optional<QString> QueryValue(QByteArrayView query)
{
    for (const QByteArray& pair : query.toByteArray().split('&')) {
        if (!pair.startsWith("q="))
            continue;
        QByteArray value = pair.mid(2);
        value.replace('+', ' ');
        return QString::fromUtf8(QByteArray::fromPercentEncoding(value));
    }
    return std::nullopt;
}

QString PageHead(const QString& title, const QByteArray& metaCharset)
{
    QString head = QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n");
    if (!metaCharset.isEmpty())
        head += QStringLiteral("<meta charset=\"") + QString::fromLatin1(metaCharset) +
                QStringLiteral("\">\n");
    head += QStringLiteral("<title>") + EscapeHtml(title) +
            QStringLiteral("</title>\n</head>\n<body>\n<h1>EAN search</h1>\n");
    return head;
}

// One client connection: requests are answered one after the other, in order.
class Connection final : public QObject
{
public:
    Connection(QTcpSocket* socket, const SampleService::Settings& settings)
        : QObject(socket)
        , m_socket(socket)
        , m_settings(settings)
    {
        connect(socket, &QTcpSocket::readyRead, this, [this] { serveNext(); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

private:
    struct Request
    {
        QByteArray target;
        bool keepAlive = true;
    };

    // Takes the next complete request from the buffer, if there is one.
    std::optional<Request> nextRequest()
    {
        const qsizetype end = m_buffer.indexOf("\r\n\r\n");
        if (end < 0) {
            if (m_buffer.size() > kMaxHeaderBytes)
                m_socket->abort();
            return std::nullopt;
        }
        const QList<QByteArray> lines = m_buffer.left(end).split('\n');
        const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
        Request request;
        request.target = requestLine.value(1);
        const bool http11 = requestLine.value(2) == "HTTP/1.1";
        QByteArray connection;
        qint64 bodyLength = 0;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon < 0)
                continue;
            const QByteArray name = lines[i].left(colon).trimmed().toLower();
            const QByteArray value = lines[i].mid(colon + 1).trimmed();
            if (name == "connection")
                connection = value.toLower();
            else if (name == "content-length")
                bodyLength = value.toLongLong();
        }
        if (m_buffer.size() < end + 4 + bodyLength)
            return std::nullopt;
        m_buffer.remove(0, end + 4 + bodyLength);
        request.keepAlive = http11 ? connection != "close" : connection == "keep-alive";
        return request;
    }

    void serveNext()
    {
        m_buffer += m_socket->readAll();
        while (!m_busy) {
            const std::optional<Request> request = nextRequest();
            if (!request)
                return;
            m_busy = true;
            if (m_settings.delayMs > 0) {
                QTimer::singleShot(m_settings.delayMs, this, [this, request = *request] {
                    if (answer(request)) {
                        m_busy = false;
                        serveNext();
                    }
                });
                return;
            }
            if (!answer(*request))
                return;
            m_busy = false;
        }
    }

    // Answers one request; false when the connection takes no further requests.
    bool answer(const Request& request)
    {
        const qsizetype question = request.target.indexOf('?');
        const QByteArray path = request.target.left(question);
        const std::optional<QString> value =
            question < 0 ? std::nullopt : QueryValue(request.target.mid(question + 1));
        if (path != kLookupPath || !value) {
            const QByteArray page =
                "<!DOCTYPE html>\n<html><body><h1>Not Found</h1></body></html>\n";
            send(ResponseHead(404, "text/html; charset=utf-8", page.size(), request.keepAlive) +
                 page);
            return finish(request.keepAlive);
        }
        if (m_settings.onQuery)
            m_settings.onQuery(*value);

        const QString code = value->trimmed();
        const Fault* fault = nullptr;
        if (auto it = m_settings.faults.constFind(code); it != m_settings.faults.cend())
            fault = &it.value();
        else if (it = m_settings.faults.constFind(QStringLiteral("*"));
                 it != m_settings.faults.cend())
            fault = &it.value();

        if (fault && fault->kind == Fault::Kind::NoAnswer)
            return false;
        if (fault && fault->kind == Fault::Kind::Reset) {
            reset();
            return false;
        }
        if (fault && fault->kind == Fault::Kind::CloseBeforeAnswer) {
            m_socket->disconnectFromHost();
            return false;
        }
        if (fault && fault->kind == Fault::Kind::EmptyBody) {
            send(ResponseHead(200, "text/html; charset=utf-8", 0, request.keepAlive));
            return finish(request.keepAlive);
        }
        if (fault && fault->kind == Fault::Kind::Status) {
            const QByteArray page = "<!DOCTYPE html>\n<html><body><h1>" +
                                    QByteArray::number(fault->status) + ' ' +
                                    ReasonPhrase(fault->status) + "</h1></body></html>\n";
            send(ResponseHead(fault->status, "text/html; charset=utf-8", page.size(),
                              request.keepAlive) +
                 page);
            return finish(request.keepAlive);
        }

        // By default the charset is declared twice, as most sites do; the charset faults
        // declare theirs in one place only, to show that either is read.
        QByteArray charset = "utf-8";
        bool inHeader = true;
        bool inMeta = true;
        if (fault && fault->kind == Fault::Kind::Charset) {
            charset = fault->charset;
            inMeta = false;
        } else if (fault && fault->kind == Fault::Kind::MetaCharset) {
            charset = fault->charset;
            inHeader = false;
        }
        const bool invalidUtf8 = fault && fault->kind == Fault::Kind::InvalidUtf8;
        const QString text = pageFor(code, inMeta ? charset : QByteArray(),
                                     fault && fault->kind == Fault::Kind::Large ? fault->size : 0,
                                     invalidUtf8 ? kInvalidUtf8Mark : QStringView());
        QStringEncoder encoder(charset.constData());
        QByteArray body = encoder.isValid() ? QByteArray(encoder(text)) : text.toUtf8();
        if (invalidUtf8)
            body.replace(kInvalidUtf8Mark.toUtf8(), kInvalidUtf8Tail.toByteArray());
        const QByteArray contentType =
            inHeader ? "text/html; charset=" + charset : QByteArray("text/html");
        const QByteArray head = ResponseHead(200, contentType, body.size(), request.keepAlive);

        if (fault &&
            (fault->kind == Fault::Kind::CloseMidBody || fault->kind == Fault::Kind::ResetMidBody ||
             fault->kind == Fault::Kind::StallMidBody)) {
            send(head + body.left(body.size() / 2));
            if (fault->kind == Fault::Kind::CloseMidBody) {
                m_socket->disconnectFromHost();
            } else if (fault->kind == Fault::Kind::ResetMidBody) {
                // What was sent must leave before the reset, or the reset would overtake it.
                m_socket->waitForBytesWritten(5000);
                reset();
            }
            return false;
        }
        send(head + body);
        return finish(request.keepAlive);
    }

    // The service's page for the code; `afterName` goes right after the product name, unescaped.
    QString pageFor(const QString& code, const QByteArray& metaCharset, qint64 padTo,
                    QStringView afterName) const
    {
        const auto product = m_settings.catalog.constFind(code);
        QString page = PageHead(QStringLiteral("EAN search: ") + code, metaCharset);
        if (padTo > 0) {
            const QString line = QStringLiteral("<!-- catalogue index padding -->\n");
            page.reserve(padTo + 1024);
            while (page.size() < padTo)
                page += line;
        }
        if (product == m_settings.catalog.cend()) {
            page += QStringLiteral("<p class=\"none\">No product found for EAN ") +
                    EscapeHtml(code) + QStringLiteral(".</p>\n");
        } else {
            page += QStringLiteral("<p class=\"result\">Product name for EAN ") + code +
                    QStringLiteral(": <a href=\"/product/") + code + QStringLiteral("\">") +
                    EscapeHtml(product.value()) + afterName + QStringLiteral("</a></p>\n");
        }
        page += QStringLiteral("<p>Sample catalogue, not real products.</p>\n</body>\n</html>\n");
        return page;
    }

    void send(const QByteArray& bytes) { m_socket->write(bytes); }

    // Ends the connection with a reset instead of the orderly close.
    void reset()
    {
#ifdef Q_OS_UNIX
        // Linger 0: closing sends a reset instead of the orderly end of the connection.
        const linger abortive{1, 0};
        ::setsockopt(int(m_socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &abortive,
                     sizeof abortive);
#endif
        m_socket->abort();
    }

    bool finish(bool keepAlive)
    {
        if (keepAlive)
            return true;
        m_socket->disconnectFromHost();
        return false;
    }

    QTcpSocket* m_socket;
    const SampleService::Settings& m_settings;
    QByteArray m_buffer;
    bool m_busy = false;
};
} // namespace

bool ParseFault(const QString& text, Fault& fault)
{
    const QString kind = text.section(u':', 0, 0);
    const QString argument = text.section(u':', 1);
    fault = Fault{};
    bool ok = true;
    if (kind == u"status") {
        fault.kind = Fault::Kind::Status;
        fault.status = argument.toInt(&ok);
        return ok && fault.status >= 100 && fault.status <= 999;
    }
    if (kind == u"large") {
        fault.kind = Fault::Kind::Large;
        if (!argument.isEmpty())
            fault.size = argument.toLongLong(&ok);
        return ok && fault.size > 0;
    }
    if (kind == u"charset" || kind == u"meta-charset") {
        fault.kind = kind == u"charset" ? Fault::Kind::Charset : Fault::Kind::MetaCharset;
        fault.charset = argument.toLatin1();
        return QStringEncoder(fault.charset.constData()).isValid();
    }
    static const QHash<QString, Fault::Kind> plain{
        {QStringLiteral("close-mid-body"), Fault::Kind::CloseMidBody},
        {QStringLiteral("reset-mid-body"), Fault::Kind::ResetMidBody},
        {QStringLiteral("stall-mid-body"), Fault::Kind::StallMidBody},
        {QStringLiteral("reset"), Fault::Kind::Reset},
        {QStringLiteral("close-before-answer"), Fault::Kind::CloseBeforeAnswer},
        {QStringLiteral("no-answer"), Fault::Kind::NoAnswer},
        {QStringLiteral("empty-body"), Fault::Kind::EmptyBody},
        {QStringLiteral("invalid-utf8"), Fault::Kind::InvalidUtf8},
    };
    const auto found = plain.constFind(kind);
    if (found == plain.cend())
        return false;
    fault.kind = found.value();
    return argument.isEmpty();
}

QHash<QString, QString> ParseCatalog(const QString& text)
{
    QHash<QString, QString> catalog;
    for (const QString& line : text.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        const qsizetype tab = trimmed.indexOf(u'\t');
        if (tab > 0)
            catalog.insert(trimmed.left(tab).trimmed(), trimmed.mid(tab + 1).trimmed());
    }
    return catalog;
}

SampleService::SampleService(Settings settings, QObject* parent)
    : QObject(parent)
    , m_settings(std::move(settings))
{
    connect(&m_server, &QTcpServer::newConnection, this, &SampleService::accept);
}

bool SampleService::listen(quint16 port)
{
    return m_server.listen(QHostAddress::LocalHost, port);
}

void SampleService::accept()
{
    while (QTcpSocket* const socket = m_server.nextPendingConnection()) {
        if (m_settings.onConnection)
            m_settings.onConnection();
        new Connection(socket, m_settings);
    }
}
