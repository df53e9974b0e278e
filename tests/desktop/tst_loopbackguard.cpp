// Only this machine: with QUILLFEN_LOOPBACK_ONLY every request to another host, the first one or
// one a redirection points to, fails before its name is looked up, and the start-up neither pings
// nor opens anything elsewhere. The suite runs in a network namespace of its own with loopback
// alone, so that nothing could leave even if the guard failed.
#include "app/LookupSetup.h"
#include "common/Loopback.h"
#include "desktop/network/QtPageLoader.h"
#include "desktop/system/QtClock.h"
#include "desktop/system/QtEventLoop.h"
#include "lookup/LookupChain.h"
#include "support/Form1OnFakes.h"

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

PageResponse Fetch(QtPageLoader& loader, const QUrl& url)
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
    void loopbackHosts_areWrittenOutAddressesOnly_data();
    void loopbackHosts_areWrittenOutAddressesOnly();
    void otherHosts_failAtOnceWithoutAName_data();
    void otherHosts_failAtOnceWithoutAName();
    void theVariableAlone_guardsEveryLoader();
    void redirectionElsewhere_isRefused();
    void openDatabaseElsewhere_failsItsRow();
    void startUp_pingsAndOpensNothingElsewhere();
};

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
    QtPageLoader loader(QtPageLoader::Limits{.loopbackOnly = true});
    const auto page = loader.start(PageRequest{QUrl(url), {}, 3});
    QVERIFY(page->isComplete()); // refused before anything was sent
    QCOMPARE(page->response().failure, QStringLiteral("not a loopback address: ") +
                                           QUrl(url).host() +
                                           QStringLiteral(" (QUILLFEN_LOOPBACK_ONLY is set)"));
    QCOMPARE(loader.refusal(QUrl(url)), page->response().failure);
}

void TestLoopbackGuard::theVariableAlone_guardsEveryLoader()
{
    qputenv("QUILLFEN_LOOPBACK_ONLY", "1");
    QtPageLoader loader; // made without the setting
    QCOMPARE(Fetch(loader, QUrl(QStringLiteral("http://192.0.2.1/"))).failure,
             QStringLiteral("not a loopback address: 192.0.2.1 (QUILLFEN_LOOPBACK_ONLY is set)"));
}

void TestLoopbackGuard::redirectionElsewhere_isRefused()
{
    Redirector redirector("http://192.0.2.1/elsewhere");
    QtPageLoader loader(QtPageLoader::Limits{.loopbackOnly = true});
    QCOMPARE(Fetch(loader, redirector.url()).failure,
             QStringLiteral("not a loopback address: 192.0.2.1 (QUILLFEN_LOOPBACK_ONLY is set)"));
}

void TestLoopbackGuard::openDatabaseElsewhere_failsItsRow()
{
    AppConfig config; // the built-in public addresses
    QtEventLoop loop;
    QtClock clock;
    QtPageLoader loader(QtPageLoader::Limits{.loopbackOnly = true});
    LookupChain chain(LookupServices{loader, loop, clock, nullptr, nullptr},
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

QTEST_GUILESS_MAIN(TestLoopbackGuard)
#include "tst_loopbackguard.moc"
