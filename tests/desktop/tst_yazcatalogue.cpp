// The catalogue connection through YAZ's ZOOM, against real servers on 127.0.0.1: yaz-ztest (YAZ's
// own Z39.50 and SRU test server) and the sample service's SRU stand-in for what yaz-ztest cannot
// do over HTTP (keep an SRU answer back, close it halfway). Connect, search, present, close; a
// refused connection, a time limit, a server that closes mid-answer, an answer past its size
// limit, and a host that is no loopback address refused before YAZ is given it. The suite runs in
// a network namespace of its own.
#include "SampleServiceProcess.h"
#include "common/Loopback.h"
#include "desktop/network/YazCatalogueConnection.h"
#include "desktop/network/YazMarcCodec.h"
#include "desktop/system/QtEventLoop.h"
#include "lookup/MarcRecord.h"
#include "support/ZtestProcess.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

class TestYazCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void search_presentsTheFirstRecords_data();
    void search_presentsTheFirstRecords();
    void serverDiagnostic_isTheFailure();
    void refusedConnection_failsBothProtocols();
    void slowServer_timesOutAtTheLimit_data();
    void slowServer_timesOutAtTheLimit();
    void serverClosingMidAnswer_failsBothProtocols();
    void answerPastTheLimit_isRefused();
    void notLoopback_refusedBeforeYazSeesTheHost();

private:
    CatalogueAnswer run(YazCatalogueConnection& connection, const CatalogueSearch& search);
    CatalogueSearch z3950(const QString& database, const QString& query) const;
    CatalogueSearch sru(quint16 port, const QString& path, const QString& query) const;

    ZtestProcess m_ztest;
    SampleServiceProcess m_standIn;
    QtEventLoop m_loop;
    YazMarcCodec m_codec;
};

void TestYazCatalogue::initTestCase()
{
    UseMarcCodec(&m_codec);
    QVERIFY2(m_ztest.start(), qPrintable(m_ztest.errorString()));
    QVERIFY2(m_standIn.start(
                 {QStringLiteral("--fault"), QStringLiteral("sru:9783999000046=no-answer"),
                  QStringLiteral("--fault"), QStringLiteral("sru:9783999000053=close-mid-body")}),
             qPrintable(m_standIn.errorString()));
}

CatalogueAnswer TestYazCatalogue::run(YazCatalogueConnection& connection,
                                      const CatalogueSearch& search)
{
    const std::unique_ptr<PendingCatalogueAnswer> pending = connection.search(search);
    QElapsedTimer clock;
    clock.start();
    while (!pending->isComplete() && clock.elapsed() < 10'000)
        m_loop.waitForEvents(std::chrono::milliseconds(100));
    return pending->answer();
}

CatalogueSearch TestYazCatalogue::z3950(const QString& database, const QString& query) const
{
    CatalogueSearch search;
    search.host = QStringLiteral("127.0.0.1");
    search.port = m_ztest.port();
    search.database = database;
    search.query = query;
    search.recordSyntax = QStringLiteral("usmarc");
    search.maxRecords = 3;
    search.timeLimit = std::chrono::milliseconds(5000);
    return search;
}

CatalogueSearch TestYazCatalogue::sru(quint16 port, const QString& path, const QString& query) const
{
    CatalogueSearch search = z3950(path, query);
    search.protocol = CatalogueSearch::Protocol::Sru;
    search.port = port;
    search.recordSyntax = QStringLiteral("marcxml");
    return search;
}

void TestYazCatalogue::search_presentsTheFirstRecords_data()
{
    QTest::addColumn<bool>("overSru");
    QTest::addColumn<QString>("term"); // yaz-ztest finds as many records as it says
    QTest::addColumn<int>("hits");     // -1: any (over SRU it finds a number of its own choosing)
    QTest::newRow("Z39.50, many") << false << "12" << 12;
    QTest::newRow("Z39.50, one") << false << "1" << 1;
    QTest::newRow("Z39.50, none") << false << "0" << 0;
    QTest::newRow("SRU") << true << "12" << -1;
}

void TestYazCatalogue::search_presentsTheFirstRecords()
{
    QFETCH(bool, overSru);
    QFETCH(QString, term);
    QFETCH(int, hits);
    YazCatalogueConnection connection(true);
    const CatalogueAnswer answer = run(
        connection,
        overSru ? sru(m_ztest.port(), QStringLiteral("/Default"), QStringLiteral("isbn=") + term)
                : z3950(QStringLiteral("Default"), QStringLiteral("@attr 1=7 ") + term));
    QCOMPARE(answer.failure, QString());
    if (hits >= 0)
        QCOMPARE(answer.hits, hits);
    // The first three, as the search asked.
    QCOMPARE(answer.records.size(), std::min<qint64>(answer.hits, 3));
    for (const CatalogueRecord& record : answer.records) {
        QCOMPARE(record.xml, overSru);
        // yaz-ztest's records are MARC-8 in ISO 2709, MARCXML over SRU: YAZ reads both.
        const auto read = record.xml ? MarcRecord::fromMarcXml(record.bytes)
                                     : MarcRecord::fromIso2709(record.bytes);
        QVERIFY(std::holds_alternative<MarcRecord>(read));
        QCOMPARE(std::get<MarcRecord>(read).contents().leader.at(9), u'a');
    }
}

void TestYazCatalogue::serverDiagnostic_isTheFailure()
{
    YazCatalogueConnection connection(true);
    const CatalogueAnswer answer =
        run(connection, z3950(QStringLiteral("Nowhere"), QStringLiteral("@attr 1=7 1")));
    QCOMPARE(answer.failure, QStringLiteral("Database unavailable (109): Nowhere"));
}

void TestYazCatalogue::refusedConnection_failsBothProtocols()
{
    // A port nothing listens on, found as one that was free a moment ago.
    quint16 port = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    YazCatalogueConnection connection(true);
    CatalogueSearch search = z3950(QStringLiteral("Default"), QStringLiteral("@attr 1=7 1"));
    search.port = port;
    QCOMPARE(run(connection, search).failure, QStringLiteral("could not connect"));
    QCOMPARE(
        run(connection, sru(port, QStringLiteral("/Default"), QStringLiteral("isbn=1"))).failure,
        QStringLiteral("could not connect"));
}

void TestYazCatalogue::slowServer_timesOutAtTheLimit_data()
{
    QTest::addColumn<bool>("overSru");
    QTest::newRow("Z39.50") << false;
    QTest::newRow("SRU") << true;
}

void TestYazCatalogue::slowServer_timesOutAtTheLimit()
{
    QFETCH(bool, overSru);
    YazCatalogueConnection connection(true);
    // yaz-ztest keeps a Z39.50 search back as its database asks; the stand-in never answers this
    // SRU search.
    CatalogueSearch search =
        overSru
            ? sru(m_standIn.port(), QStringLiteral("/sru/dnb"), QStringLiteral("num=9783999000046"))
            : z3950(QStringLiteral("Default?search-delay=3"), QStringLiteral("@attr 1=7 1"));
    search.timeLimit = std::chrono::milliseconds(400);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(run(connection, search).failure, QStringLiteral("timed out"));
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
}

void TestYazCatalogue::serverClosingMidAnswer_failsBothProtocols()
{
    YazCatalogueConnection connection(true);
    // The stand-in sends half its SRU answer, then closes: YAZ takes what came for the answer,
    // which is then no SRU answer.
    QCOMPARE(run(connection, sru(m_standIn.port(), QStringLiteral("/sru/dnb"),
                                 QStringLiteral("num=9783999000053")))
                 .failure,
             QStringLiteral("malformed answer"));
    // A yaz-ztest of its own is killed while it searches.
    ZtestProcess dying;
    QVERIFY2(dying.start(), qPrintable(dying.errorString()));
    CatalogueSearch search =
        z3950(QStringLiteral("Default?search-delay=2"), QStringLiteral("@attr 1=7 1"));
    search.port = dying.port();
    QTimer::singleShot(300, [&dying] { dying.kill(); });
    QCOMPARE(run(connection, search).failure, QStringLiteral("connection closed"));
}

void TestYazCatalogue::answerPastTheLimit_isRefused()
{
    // yaz-ztest keeps to the size a Z39.50 client asks for; an SRU answer is as long as the
    // server makes it, and this one is longer than the search takes.
    YazCatalogueConnection connection(true);
    CatalogueSearch search =
        sru(m_standIn.port(), QStringLiteral("/sru/dnb"), QStringLiteral("num=9783999000015"));
    search.maxBytes = 1000;
    QCOMPARE(run(connection, search).failure, QStringLiteral("answer too large"));
    search.maxBytes = 100'000;
    QCOMPARE(run(connection, search).records.size(), 1);
}

void TestYazCatalogue::notLoopback_refusedBeforeYazSeesTheHost()
{
    YazCatalogueConnection connection(true);
    CatalogueSearch search = z3950(QStringLiteral("Voyager"), QStringLiteral("@attr 1=7 1"));
    search.host = QStringLiteral("z3950.loc.gov");
    QCOMPARE(connection.refusal(search), NotLoopbackFailure(search.host));
    // Refused at once, with nothing sent and no name looked up.
    const std::unique_ptr<PendingCatalogueAnswer> pending = connection.search(search);
    QVERIFY(pending->isComplete());
    QCOMPARE(
        pending->answer().failure,
        QStringLiteral("not a loopback address: z3950.loc.gov (QUILLFEN_LOOPBACK_ONLY is set)"));
    search.host = QStringLiteral("localhost");
    QVERIFY(!connection.refusal(search).isEmpty());
}

QTEST_GUILESS_MAIN(TestYazCatalogue)
#include "tst_yazcatalogue.moc"
