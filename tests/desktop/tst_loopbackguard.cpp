// Only this machine: with QUILLFEN_LOOPBACK_ONLY every request to another host, the first one or
// one a redirection points to, fails before its name is looked up, and the start-up neither pings
// nor opens anything elsewhere. And only public hosts for an address that came in an answer: a
// picture elsewhere than its source's own host is refused on this machine or the user's network,
// once its name is looked up and at every redirection. The suite runs in a network namespace of
// its own with loopback alone, so that nothing could leave even if a guard failed. Every case runs
// with both page loaders, Qt's and curl's.
#include "app/LookupSetup.h"
#include "common/Loopback.h"
#include "common/PublicAddress.h"
#include "desktop/network/PageLoaderChecks.h"
#include "desktop/system/QtClock.h"
#include "desktop/system/QtEventLoop.h"
#include "lookup/LookupChain.h"
#include "support/Form1OnFakes.h"
#include "support/PageLoaderKinds.h"

#include <QHostAddress>
#include <QNetworkProxyFactory>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {
// Answers every request with a redirection to the given address.
class Redirector final : public QObject
{
public:
    explicit Redirector(QByteArray location)
        : m_location(std::move(location))
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* const socket = m_server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                if (!socket->readAll().contains("\r\n\r\n"))
                    return;
                socket->write("HTTP/1.1 302 Found\r\nLocation: " + m_location +
                              "\r\nContent-Length: 0\r\n\r\n");
            });
        });
    }
    QUrl url() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/start").arg(m_server.serverPort()));
    }

private:
    QByteArray m_location;
    QTcpServer m_server;
};

// "/picture" is a picture; "/redirect?to=ADDRESS" redirects there.
class PictureServer final : public QObject
{
public:
    PictureServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* const socket = m_server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                const QByteArray request = socket->readAll();
                const QByteArray path = request.split(' ').value(1);
                if (path.startsWith("/redirect?to="))
                    socket->write("HTTP/1.1 302 Found\r\nLocation: " + path.mid(13) +
                                  "\r\nContent-Length: 0\r\n\r\n");
                else
                    socket->write("HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\nJPEG");
            });
        });
    }
    quint16 port() const { return m_server.serverPort(); }

private:
    QTcpServer m_server;
};

// A proxy that answers every request itself, with its request line as the page.
class EchoProxy final : public QObject
{
public:
    EchoProxy()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* const socket = m_server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                const QByteArray line = socket->readAll().split('\r').value(0);
                socket->write("HTTP/1.1 200 OK\r\nContent-Length: " +
                              QByteArray::number(line.size()) + "\r\n\r\n" + line);
            });
        });
    }
    QByteArray url() const
    {
        return "http://127.0.0.1:" + QByteArray::number(m_server.serverPort());
    }

private:
    QTcpServer m_server;
};

PageResponse Fetch(PageLoader& loader, const QUrl& url)
{
    QtEventLoop loop;
    const auto page = loader.start(PageRequest{url, {}, 3});
    while (!page->isComplete())
        loop.waitForEvents();
    return page->response();
}
} // namespace

class TestLoopbackGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data();
    // ---- Only public hosts for addresses from answers ----
    void addressScope_ofEveryKind_data();
    void addressScope_ofEveryKind();
    void answerAddress_judgedWithoutALookup_data();
    void answerAddress_judgedWithoutALookup();
    void pictureFromAnAnswer_refusedOnceLookedUpAndRedirected_data();
    void pictureFromAnAnswer_refusedOnceLookedUpAndRedirected();
    // ---- Only this machine ----
    void loopbackHosts_areWrittenOutAddressesOnly_data();
    void loopbackHosts_areWrittenOutAddressesOnly();
    void pinnedResolve_namesEveryJudgedAddressAndNoOther_data();
    void pinnedResolve_namesEveryJudgedAddressAndNoOther();
    void otherHosts_failAtOnceWithoutAName_data();
    void otherHosts_failAtOnceWithoutAName();
    void theVariableAlone_guardsEveryLoader();
    void redirectionElsewhere_isRefused();
    void proxyFromTheEnvironment_carriesRequestsElsewhere();
    void openDatabaseElsewhere_failsItsRow();
    void startUp_pingsAndOpensNothingElsewhere();
};

void TestLoopbackGuard::initTestCase_data()
{
    AddPageLoaderRows();
}

void TestLoopbackGuard::addressScope_ofEveryKind_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<AddressScope>("scope");
    const std::pair<const char*, AddressScope> rows[] = {
        {"8.8.8.8", AddressScope::Public},
        {"172.32.0.1", AddressScope::Public},
        {"2a00:1450:4001::1", AddressScope::Public},
        {"::ffff:8.8.8.8", AddressScope::Public},
        {"127.0.0.1", AddressScope::Loopback},
        {"127.45.6.7", AddressScope::Loopback},
        {"::1", AddressScope::Loopback},
        {"::ffff:127.0.0.1", AddressScope::Loopback},
        {"10.1.2.3", AddressScope::Private},
        {"172.16.0.1", AddressScope::Private},
        {"172.31.255.255", AddressScope::Private},
        {"192.168.0.1", AddressScope::Private},
        {"100.64.0.1", AddressScope::Private},
        {"fc00::1", AddressScope::Private},
        {"fdff:1234::1", AddressScope::Private},
        {"::ffff:192.168.1.1", AddressScope::Private},
        {"169.254.169.254", AddressScope::LinkLocal},
        {"fe80::1", AddressScope::LinkLocal},
        {"febf::1", AddressScope::LinkLocal},
        {"0.0.0.0", AddressScope::Unspecified},
        {"0.1.2.3", AddressScope::Unspecified},
        {"::", AddressScope::Unspecified},
        {"224.0.0.1", AddressScope::Other},
        {"255.255.255.255", AddressScope::Other},
        {"ff02::1", AddressScope::Other},
    };
    for (const auto& [address, scope] : rows)
        QTest::newRow(address) << QString::fromLatin1(address) << scope;
}

void TestLoopbackGuard::addressScope_ofEveryKind()
{
    QFETCH(QString, address);
    QFETCH(AddressScope, scope);
    QCOMPARE(ScopeOfAddress(QHostAddress(address)), scope);
}

void TestLoopbackGuard::answerAddress_judgedWithoutALookup_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QStringList>("ownHosts");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("private") << "http://10.0.0.1/a.jpg" << QStringList()
                             << "not a public address: 10.0.0.1 (a private address)";
    QTest::newRow("private, the source's own host")
        << "http://10.0.0.1/a.jpg" << QStringList{"10.0.0.1:80"} << "";
    QTest::newRow("own host in another case")
        << "http://NAS.lan/a.jpg" << QStringList{"nas.lan:80"} << "";
    QTest::newRow("own host, another port")
        << "http://10.0.0.1:8080/a.jpg" << QStringList{"10.0.0.1:80"}
        << "not a public address: 10.0.0.1 (a private address)";
    QTest::newRow("link-local IPv6") << "http://[fe80::1]/" << QStringList()
                                     << "not a public address: fe80::1 (a link-local address)";
    QTest::newRow("a name: for the lookup to judge")
        << "https://images.example.org/a.jpg" << QStringList() << "";
    QTest::newRow("ftp") << "ftp://images.example.org/a.jpg" << QStringList()
                         << "not a web address";
    QTest::newRow("script") << "javascript:alert(1)" << QStringList() << "not a web address";
    QTest::newRow("no host") << "http:///a.jpg" << QStringList() << "not a web address";
}

void TestLoopbackGuard::answerAddress_judgedWithoutALookup()
{
    QFETCH(QString, url);
    QFETCH(QStringList, ownHosts);
    QFETCH(QString, refusal);
    QCOMPARE(AnswerAddressRefusal(QUrl(url), ownHosts), refusal);
}

void TestLoopbackGuard::pictureFromAnAnswer_refusedOnceLookedUpAndRedirected_data()
{
    // %1 is the server's port.
    QTest::addColumn<QString>("url");
    QTest::addColumn<QStringList>("ownHosts");
    QTest::addColumn<QString>("failure");
    const QString there = QStringLiteral("http://127.0.0.1:%1");
    const QStringList own{QStringLiteral("127.0.0.1:%1")};
    QTest::newRow("loopback, the source elsewhere")
        << there + "/picture" << QStringList()
        << "not a public address: 127.0.0.1 (a loopback address)";
    QTest::newRow("the source's own host") << there + "/picture" << own << "";
    QTest::newRow("a name that gives loopback")
        << "http://localhost:%1/picture" << QStringList()
        << "not a public address: localhost (a loopback address)";
    QTest::newRow("the source's own host, another port")
        << there + "/picture" << QStringList{"127.0.0.1:9"}
        << "not a public address: 127.0.0.1 (a loopback address)";
    QTest::newRow("redirected within the source's host")
        << there + "/redirect?to=http://127.0.0.1:%1/picture" << own << "";
    QTest::newRow("redirected to a private address")
        << there + "/redirect?to=http://10.1.2.3/picture" << own
        << "not a public address: 10.1.2.3 (a private address)";
    QTest::newRow("redirected to a name that gives loopback")
        << there + "/redirect?to=http://localhost:%1/picture" << own
        << "not a public address: localhost (a loopback address)";
}

void TestLoopbackGuard::pictureFromAnAnswer_refusedOnceLookedUpAndRedirected()
{
    QFETCH(QString, url);
    QFETCH(QStringList, ownHosts);
    QFETCH(QString, failure);
    // Names are looked up here: the loopback guard would refuse them before that. Only loopback
    // exists in this namespace, whatever the loader does.
    const QByteArray guard = qgetenv("QUILLFEN_LOOPBACK_ONLY");
    qunsetenv("QUILLFEN_LOOPBACK_ONLY");
    PictureServer server;
    const auto loader = MakeGlobalPageLoader();
    QtEventLoop loop;
    for (QString& own : ownHosts)
        own = own.arg(server.port());
    PageRequest request{QUrl(url.arg(server.port())), {}, 3, true, ownHosts};
    const auto page = loader->start(request);
    while (!page->isComplete())
        loop.waitForEvents();
    qputenv("QUILLFEN_LOOPBACK_ONLY", guard);
    QCOMPARE(page->response().failure, failure);
    QCOMPARE(page->response().body, failure.isEmpty() ? QByteArray("JPEG") : QByteArray());
}

void TestLoopbackGuard::loopbackHosts_areWrittenOutAddressesOnly_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<bool>("loopback");
    QTest::newRow("127.0.0.1") << "127.0.0.1" << true;
    QTest::newRow("anywhere in 127/8") << "127.45.6.7" << true;
    QTest::newRow("IPv6") << "::1" << true;
    QTest::newRow("IPv6 in brackets") << "[::1]" << true;
    QTest::newRow("a name, even this one") << "localhost" << false;
    QTest::newRow("a private address") << "10.0.0.1" << false;
    QTest::newRow("a public name") << "world.openfoodfacts.org" << false;
    QTest::newRow("nothing") << "" << false;
}

void TestLoopbackGuard::loopbackHosts_areWrittenOutAddressesOnly()
{
    QFETCH(QString, host);
    QFETCH(bool, loopback);
    QCOMPARE(IsLoopbackHost(host), loopback);
}

void TestLoopbackGuard::otherHosts_failAtOnceWithoutAName_data()
{
    QTest::addColumn<QString>("url");
    QTest::newRow("a name") << "https://world.openfoodfacts.org/api/v2/product/1";
    QTest::newRow("an address") << "http://192.0.2.1/";
    QTest::newRow("localhost") << "http://localhost:9/";
}

void TestLoopbackGuard::otherHosts_failAtOnceWithoutAName()
{
    QFETCH(QString, url);
    const auto loader = MakeGlobalPageLoader({.loopbackOnly = true});
    const auto page = loader->start(PageRequest{QUrl(url), {}, 3});
    QVERIFY(page->isComplete()); // refused before anything was sent
    QCOMPARE(page->response().failure, QStringLiteral("not a loopback address: ") +
                                           QUrl(url).host() +
                                           QStringLiteral(" (QUILLFEN_LOOPBACK_ONLY is set)"));
    QCOMPARE(loader->refusal(QUrl(url)), page->response().failure);
}

void TestLoopbackGuard::theVariableAlone_guardsEveryLoader()
{
    qputenv("QUILLFEN_LOOPBACK_ONLY", "1");
    const auto loader = MakeGlobalPageLoader(); // made without the setting
    QCOMPARE(Fetch(*loader, QUrl(QStringLiteral("http://192.0.2.1/"))).failure,
             QStringLiteral("not a loopback address: 192.0.2.1 (QUILLFEN_LOOPBACK_ONLY is set)"));
}

void TestLoopbackGuard::redirectionElsewhere_isRefused()
{
    Redirector redirector("http://192.0.2.1/elsewhere");
    const auto loader = MakeGlobalPageLoader({.loopbackOnly = true});
    QCOMPARE(Fetch(*loader, redirector.url()).failure,
             QStringLiteral("not a loopback address: 192.0.2.1 (QUILLFEN_LOOPBACK_ONLY is set)"));
}

// Without the guard, a page goes through the proxy Qt finds, whichever loader carries it; with
// it, nothing does. Only loopback exists in this namespace: elsewhere is reached through the
// proxy or not at all.
void TestLoopbackGuard::proxyFromTheEnvironment_carriesRequestsElsewhere()
{
    EchoProxy proxy;
    const QByteArray guard = qgetenv("QUILLFEN_LOOPBACK_ONLY");
    qunsetenv("QUILLFEN_LOOPBACK_ONLY");
#ifdef Q_OS_WIN
    // Windows takes its proxy from Internet Settings, never from http_proxy: Qt's application
    // proxy stands in for what it would find there.
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::HttpProxy,
                                                     QStringLiteral("127.0.0.1"),
                                                     QUrl::fromEncoded(proxy.url()).port()));
#else
    qputenv("http_proxy", proxy.url());
    QNetworkProxyFactory::setUseSystemConfiguration(true);
#endif
    const QUrl elsewhere(QStringLiteral("http://192.0.2.1/elsewhere"));
    const PageResponse proxied = Fetch(*MakeGlobalPageLoader(), elsewhere);
    const PageResponse guarded = Fetch(*MakeGlobalPageLoader({.loopbackOnly = true}),
                                       QUrl::fromEncoded(proxy.url() + "/direct"));
#ifdef Q_OS_WIN
    QNetworkProxy::setApplicationProxy(QNetworkProxy());
#else
    QNetworkProxyFactory::setUseSystemConfiguration(false);
    qunsetenv("http_proxy");
#endif
    qputenv("QUILLFEN_LOOPBACK_ONLY", guard);
    QCOMPARE(proxied.failure, QString());
    QCOMPARE(proxied.body, QByteArray("GET http://192.0.2.1/elsewhere HTTP/1.1"));
    QCOMPARE(guarded.body, QByteArray("GET /direct HTTP/1.1"));
}

void TestLoopbackGuard::openDatabaseElsewhere_failsItsRow()
{
    AppConfig config; // the built-in public addresses
    QtEventLoop loop;
    QtClock clock;
    const auto loader = MakeGlobalPageLoader({.loopbackOnly = true});
    LookupChain chain(LookupServices{*loader, loop, clock, nullptr, nullptr},
                      MakeSources({QStringLiteral("openfoodfacts")}, config, {}, nullptr, {}), {});
    chain.startRun();
    QCOMPARE(chain.lookUp(QStringLiteral("4006381333931"))->rowText,
             QStringLiteral("4006381333931 - lookup failed: Open Food Facts: not a loopback "
                            "address: world.openfoodfacts.org (QUILLFEN_LOOPBACK_ONLY is set)"));
}

void TestLoopbackGuard::startUp_pingsAndOpensNothingElsewhere()
{
    AppConfig config;
    config.loopbackOnly = true;      // the ping host and the web site are the public ones
    Form1OnFakes fake(config, 0.06); // the draw on which the web site would open
    fake.form.Form_Load();
    QVERIFY(fake.capture.started.isEmpty());
    QVERIFY(fake.browser.opened.isEmpty());
    // Offline is what was asked for: no box holds the start-up (under a virtual X server, nobody
    // would see it to close it).
    QVERIFY(fake.messageBox.texts().isEmpty());
}

void TestLoopbackGuard::pinnedResolve_namesEveryJudgedAddressAndNoOther_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QStringList>("addresses");
    QTest::addColumn<QByteArray>("entry");
    QTest::newRow("one address") << "images.example.org" << 443 << QStringList{"93.184.216.34"}
                                 << QByteArray("+images.example.org:443:93.184.216.34");
    QTest::newRow("IPv6 in brackets, every address in order")
        << "cdn.example.net" << 80 << QStringList{"2606:2800:220:1::1", "93.184.216.34"}
        << QByteArray("+cdn.example.net:80:[2606:2800:220:1::1],93.184.216.34");
}

void TestLoopbackGuard::pinnedResolve_namesEveryJudgedAddressAndNoOther()
{
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(QStringList, addresses);
    QFETCH(QByteArray, entry);
    QList<QHostAddress> judged;
    for (const QString& address : addresses)
        judged.append(QHostAddress(address));
    QCOMPARE(PinnedResolveEntry(host, port, judged), entry);
}

QTEST_GUILESS_MAIN(TestLoopbackGuard)
#include "tst_loopbackguard.moc"
