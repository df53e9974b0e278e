// How a page service answer is read: the charset a page declares, and what counts as a page that
// could not be had, between the Qt page loader and the page service; the caps on what an answer
// may bring, however it says how long it is; and what of an answer reaches the caller. Every case
// runs with both page loaders, Qt's and curl's.
#include "app/window/ProductDetailsView.h"
#include "common/NamedCharsets.h"
#include "common/OperationFailed.h"
#include "desktop/system/QtEventLoop.h"
#include "desktop/system/SystemCharsets.h"
#include "lookup/PageServiceSource.h"
#include "support/PageLoaderKinds.h"

#include <QFile>
#include <QStringEncoder>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUrl>

#include <algorithm>

namespace {
QByteArray encoded(const char* charset, const QString& text)
{
    QStringEncoder encoder(charset);
    return encoder(text);
}

// Answers every request with a 200 whose body never ends, in 64 KB pieces as fast as the client
// takes them, and counts what left: with `declaredLength` -1 chunked, -2 with no length (the end
// of the connection would end it), else a Content-Length of that many bytes, a lie.
class EndlessServer final : public QObject
{
public:
    explicit EndlessServer(qint64 declaredLength)
        : m_declared(declaredLength)
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* const socket = m_server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                if (socket->readAll().contains("\r\n\r\n"))
                    answer(socket);
            });
            connect(socket, &QTcpSocket::bytesWritten, socket, [this, socket](qint64 bytes) {
                m_sent += bytes;
                more(socket);
            });
        });
    }
    QUrl url() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/endless").arg(m_server.serverPort()));
    }
    qint64 sent() const { return m_sent; }

private:
    void answer(QTcpSocket* socket)
    {
        QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: image/jpeg\r\n";
        if (m_declared == -1)
            head += "Transfer-Encoding: chunked\r\n";
        else if (m_declared == -2)
            head += "Connection: close\r\n";
        else
            head += "Content-Length: " + QByteArray::number(m_declared) + "\r\n";
        socket->write(head + "\r\n");
        more(socket);
    }
    void more(QTcpSocket* socket)
    {
        static const QByteArray piece(64 * 1024, 'x');
        while (socket->state() == QAbstractSocket::ConnectedState &&
               socket->bytesToWrite() < 4 * piece.size())
            socket->write(m_declared == -1 ? "10000\r\n" + piece + "\r\n" : piece);
    }

    qint64 m_declared;
    qint64 m_sent = 0;
    QTcpServer m_server;
};

// Answers on keep-alive connections by path: "/busy" a 503 with Retry-After and a repeated
// header, "/hop?n=N" a redirection to "/hop?n=N-1" down to a 200 at 0, "/agent" the request's
// User-Agent as the page.
class ScriptedServer final : public QObject
{
public:
    ScriptedServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* const socket = m_server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                // What came of the next request so far rides on the socket.
                QByteArray pending = socket->property("pending").toByteArray() + socket->readAll();
                for (qsizetype end; (end = pending.indexOf("\r\n\r\n")) >= 0;) {
                    socket->write(answer(pending.first(end)));
                    pending.remove(0, end + 4);
                }
                socket->setProperty("pending", pending);
            });
        });
    }
    QUrl url(const QString& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()) + path);
    }

private:
    static QByteArray answer(const QByteArray& head)
    {
        const QByteArray path = head.split(' ').value(1);
        auto page = [](const QByteArray& status, const QByteArray& headers,
                       const QByteArray& body) -> QByteArray {
            return "HTTP/1.1 " + status + "\r\n" + headers +
                   "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
        };
        if (path == "/busy")
            return page("503 Busy", "Retry-After: 7\r\nX-Twice: a\r\nX-Twice: b\r\n", "busy");
        if (path.startsWith("/hop?n=")) {
            const int left = path.mid(7).toInt();
            return left == 0
                       ? page("200 OK", {}, "arrived")
                       : page("302 Found",
                              "Location: /hop?n=" + QByteArray::number(left - 1) + "\r\n", {});
        }
        for (const QByteArray& line : head.split('\n')) {
            if (line.toLower().startsWith("user-agent:"))
                return page("200 OK", {}, line.mid(11).trimmed());
        }
        return page("404 Not Found", {}, {});
    }

    QTcpServer m_server;
};
} // namespace

class TestQtPageLoader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data();
    void initTestCase();
    void decodePageBody_data();
    void decodePageBody();
    void describeFailedReply_data();
    void describeFailedReply();
    void start_refusesWhatIsNotAWebAddress_data();
    void start_refusesWhatIsNotAWebAddress();
    void endlessAnswer_stopsAtItsCap_data();
    void endlessAnswer_stopsAtItsCap();
    void answer_reachesTheCallerAsItCame_data();
    void answer_reachesTheCallerAsItCame();
};

void TestQtPageLoader::initTestCase_data()
{
    AddPageLoaderRows();
}

void TestQtPageLoader::initTestCase()
{
    // As the program does first thing: on Windows the system reads what Qt cannot.
    UseNamedCharsetFallback(&DecodeWithSystemCharsets);
}

void TestQtPageLoader::decodePageBody_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QString>("text");
    const QString russian = QStringLiteral("<p>Чай «Лес»</p>");
    // The same in windows-1251, written out: the Windows build's Qt has no encoder for it.
    const QByteArray russian1251("<p>\xD7\xE0\xE9 \xAB\xCB\xE5\xF1\xBB</p>");
    const QString german = QStringLiteral("<p>Kräuter für Groß</p>");

    QTest::newRow("no declaration: UTF-8")
        << russian.toUtf8() << QByteArray("text/html") << russian;
    QTest::newRow("no header at all: UTF-8") << russian.toUtf8() << QByteArray() << russian;
    QTest::newRow("header charset")
        << russian1251 << QByteArray("text/html; charset=windows-1251") << russian;
    QTest::newRow("header charset quoted, odd case and spacing")
        << russian1251 << QByteArray("text/html ;  Charset = \"Windows-1251\"") << russian;
    QTest::newRow("header charset after another parameter")
        << encoded("ISO-8859-1", german) << QByteArray("text/html; q=1; charset=iso-8859-1")
        << german;
    const QByteArray metaHead("<html><head><meta charset=\"windows-1251\"></head><body>");
    QTest::newRow("meta charset") << (metaHead + russian1251 + "</body></html>")
                                  << QByteArray("text/html")
                                  << (QString::fromLatin1(metaHead) + russian + u"</body></html>");
    const QString httpEquiv = QStringLiteral("<html><head><meta http-equiv=\"Content-Type\" "
                                             "content=\"text/html; charset=ISO-8859-1\"></head>") +
                              german;
    QTest::newRow("meta http-equiv")
        << encoded("ISO-8859-1", httpEquiv) << QByteArray("text/html") << httpEquiv;
    QTest::newRow("header wins over meta")
        << ("<meta charset=\"utf-8\">" + russian1251)
        << QByteArray("text/html; charset=windows-1251")
        << (QStringLiteral("<meta charset=\"utf-8\">") + russian);
    QTest::newRow("byte-order mark wins over the header")
        << QByteArray("\xEF\xBB\xBF") + russian.toUtf8()
        << QByteArray("text/html; charset=windows-1251") << russian;
    QTest::newRow("unknown header charset falls back to meta, then UTF-8")
        << russian.toUtf8() << QByteArray("text/html; charset=x-no-such-charset") << russian;
    QTest::newRow("empty body") << QByteArray() << QByteArray("text/html") << QString();
}

void TestQtPageLoader::decodePageBody()
{
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, contentType);
    QFETCH(QString, text);
    QCOMPARE(DecodePageBody(body, contentType), text);
}

void TestQtPageLoader::describeFailedReply_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("failure");
    QTest::newRow("page") << int(QNetworkReply::NoError) << 200 << "";
    QTest::newRow("404 page is a page") << int(QNetworkReply::ContentNotFoundError) << 404 << "";
    QTest::newRow("410 page is a page") << int(QNetworkReply::ContentGoneError) << 410 << "";
    QTest::newRow("403 is a refusal, not an answer")
        << int(QNetworkReply::ContentAccessDenied) << 403 << "HTTP 403";
    QTest::newRow("401 is a refusal, not an answer")
        << int(QNetworkReply::AuthenticationRequiredError) << 401 << "HTTP 401";
    QTest::newRow("400") << int(QNetworkReply::ProtocolInvalidOperationError) << 400 << "HTTP 400";
    QTest::newRow("301 that cannot be followed")
        << int(QNetworkReply::ProtocolUnknownError) << 301 << "HTTP 301";
    QTest::newRow("429") << int(QNetworkReply::UnknownContentError) << 429 << "HTTP 429";
    QTest::newRow("500") << int(QNetworkReply::InternalServerError) << 500 << "HTTP 500";
    QTest::newRow("503") << int(QNetworkReply::ServiceUnavailableError) << 503 << "HTTP 503";
    QTest::newRow("599") << int(QNetworkReply::UnknownServerError) << 599 << "HTTP 599";
    QTest::newRow("refused") << int(QNetworkReply::ConnectionRefusedError) << 0
                             << "connection refused";
    QTest::newRow("closed or reset")
        << int(QNetworkReply::RemoteHostClosedError) << 0 << "connection closed";
    QTest::newRow("closed in the middle of a 200 page")
        << int(QNetworkReply::RemoteHostClosedError) << 200 << "connection closed";
    QTest::newRow("name lookup") << int(QNetworkReply::HostNotFoundError) << 0 << "host not found";
    QTest::newRow("network timeout") << int(QNetworkReply::TimeoutError) << 0 << "timed out";
    QTest::newRow("TLS") << int(QNetworkReply::SslHandshakeFailedError) << 0
                         << "secure connection failed";
    QTest::newRow("proxy") << int(QNetworkReply::ProxyNotFoundError) << 0 << "proxy error";
    QTest::newRow("content error without a status uses Qt's text")
        << int(QNetworkReply::UnknownContentError) << 0 << "Qt's text";
}

void TestQtPageLoader::describeFailedReply()
{
    QFETCH(int, error);
    QFETCH(int, status);
    QFETCH(QString, failure);
    // What the loader says of the reply, then what the page service makes of an answer.
    SourceResponse response;
    response.failure = DescribeNetworkFailure(QNetworkReply::NetworkError(error), status,
                                              QStringLiteral("Qt's text"));
    if (response.failure.isEmpty()) {
        response.status = status;
        response.body = "<p>a page</p>";
    }
    QCOMPARE(PageServiceFailure(response), failure);
}

void TestQtPageLoader::start_refusesWhatIsNotAWebAddress_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("file") << "file:///etc/passwd";
    QTest::newRow("no host") << "http:///perl/ean-search.pl?q=1";
    QTest::newRow("no scheme") << "127.0.0.1/perl/ean-search.pl?q=1";
    QTest::newRow("empty") << "";
}

void TestQtPageLoader::start_refusesWhatIsNotAWebAddress()
{
    QFETCH(QString, address);
    const auto loader = MakeGlobalPageLoader();
    QVERIFY_THROWS_EXCEPTION(OperationFailed, loader->start(PageRequest{QUrl(address), {}, 0}));
}

void TestQtPageLoader::endlessAnswer_stopsAtItsCap_data()
{
    QTest::addColumn<qint64>("cap");
    QTest::addColumn<qint64>("declaredLength");
    QTest::addColumn<bool>("tooLarge");
    const std::pair<const char*, qint64> caps[] = {
        {"page", PageLoaderLimits{}.maxPageBytes},
        {"picture", kLargestPictureBytes},
    };
    for (const auto& [what, cap] : caps) {
        QTest::addRow("%s, chunked", what) << cap << qint64(-1) << true;
        QTest::addRow("%s, no length", what) << cap << qint64(-2) << true;
        QTest::addRow("%s, length past the cap", what) << cap << cap + 1 << true;
        // A length that fits ends the answer there, whatever comes after it.
        QTest::addRow("%s, length under the cap", what) << cap << cap / 2 << false;
    }
}

namespace {
// What the kernel may hold between the two ends of a loopback connection: the receiving and the
// sending socket's buffers at their largest (the third fields of net.ipv4.tcp_rmem and tcp_wmem).
qint64 KernelBufferBytes()
{
    qint64 total = 0;
    for (const char* path : {"/proc/sys/net/ipv4/tcp_rmem", "/proc/sys/net/ipv4/tcp_wmem"}) {
        QFile file(QString::fromLatin1(path));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> fields = file.readAll().simplified().split(' ');
        if (fields.size() == 3)
            total += fields[2].toLongLong();
    }
    return total;
}
} // namespace

// Whatever the head says, the bytes are counted as they arrive: the answer fails "page too
// large" once past the cap, before twice the cap has left the server. On a busy machine the
// kernel's buffers fill while the loader waits its turn; a kernel that lets them grow past the
// cap (some let a loopback receive buffer reach 32 MB) moves the bound by what they hold.
void TestQtPageLoader::endlessAnswer_stopsAtItsCap()
{
    QFETCH(qint64, cap);
    QFETCH(qint64, declaredLength);
    QFETCH(bool, tooLarge);
    EndlessServer server(declaredLength);
    const auto loader = MakeGlobalPageLoader({.maxPageBytes = cap, .loopbackOnly = true});
    QtEventLoop loop;
    const auto page = loader->start(PageRequest{server.url(), {}, 0});
    while (!page->isComplete())
        loop.waitForEvents();
    const PageResponse response = page->response();
    QCOMPARE(response.failure, tooLarge ? QStringLiteral("page too large") : QString());
    QCOMPARE(response.body.size(), tooLarge ? 0 : declaredLength);
    const qint64 bound = std::max(2 * cap, cap + KernelBufferBytes());
    QVERIFY2(server.sent() <= bound, qPrintable(QString::number(server.sent())));
}

void TestQtPageLoader::answer_reachesTheCallerAsItCame_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("maxRedirects");
    QTest::addColumn<QByteArray>("userAgent");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("header"); // "Name: value" that must have come, or empty
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("error status with its wait and a repeated header")
        << "/busy" << 3 << QByteArray() << "" << 503 << QByteArray("Retry-After: 7")
        << QByteArray("busy");
    QTest::newRow("a repeated header, joined") << "/busy" << 3 << QByteArray() << "" << 503
                                               << QByteArray("X-Twice: a, b") << QByteArray("busy");
    QTest::newRow("redirection not to be followed is the answer")
        << "/hop?n=1" << 0 << QByteArray() << "" << 302 << QByteArray("Location: /hop?n=0")
        << QByteArray();
    QTest::newRow("a redirection followed")
        << "/hop?n=1" << 3 << QByteArray() << "" << 200 << QByteArray() << QByteArray("arrived");
    QTest::newRow("one redirection past the limit")
        << "/hop?n=2" << 1 << QByteArray() << "too many redirects" << 0 << QByteArray()
        << QByteArray();
    QTest::newRow("the agent asked for")
        << "/agent" << 3 << QByteArray("Tester/1 (a@example.org)") << "" << 200 << QByteArray()
        << QByteArray("Tester/1 (a@example.org)");
    QTest::newRow("the loader's own agent")
        << "/agent" << 3 << QByteArray() << "" << 200 << QByteArray()
        << QByteArray("Quillfen/" QUILLFEN_VERSION);
}

// Status, headers and page as the service sent them, redirections followed as far as asked, and
// the agent: what pacing (Retry-After), the page service and the open databases read.
void TestQtPageLoader::answer_reachesTheCallerAsItCame()
{
    QFETCH(QString, path);
    QFETCH(int, maxRedirects);
    QFETCH(QByteArray, userAgent);
    QFETCH(QString, failure);
    QFETCH(int, status);
    QFETCH(QByteArray, header);
    QFETCH(QByteArray, body);
    ScriptedServer server;
    const auto loader = MakeGlobalPageLoader({.loopbackOnly = true});
    QtEventLoop loop;
    // Twice over: the second request goes over the connection the first one left open.
    for (int round = 0; round < 2; ++round) {
        const auto page = loader->start(PageRequest{server.url(path), userAgent, maxRedirects});
        while (!page->isComplete())
            loop.waitForEvents();
        const PageResponse response = page->response();
        QCOMPARE(response.failure, failure);
        QCOMPARE(response.body, body);
        QCOMPARE(response.status, status);
        if (!header.isEmpty()) {
            const qsizetype colon = header.indexOf(':');
            QCOMPARE(response.header(header.first(colon)), header.sliced(colon + 2));
        }
    }
}

QTEST_GUILESS_MAIN(TestQtPageLoader)
#include "tst_qtpageloader.moc"
