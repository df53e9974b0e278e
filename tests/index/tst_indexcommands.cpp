#include "ExportMaker.h"
#include "app/index/IndexCommands.h"
#include "desktop/files/QtDownloadStore.h"
#include "desktop/files/QtInputFiles.h"
#include "desktop/network/QtHttpFetcher.h"
#include "desktop/storage/SqliteProductIndex.h"
#include "fakes/FakeDownloadStore.h"
#include "index/IndexSource.h"
#include "lookup/ProductCode.h"
#include "program/QtIndexCommands.h"
#include "support/GzipBytes.h"
#include "support/RangeFileServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
// The rows of a made-up export, gzip-compressed.
QByteArray MadeUpExport(qint64 rows, std::uint64_t seed)
{
    ExportShape shape;
    shape.rows = rows;
    shape.seed = seed;
    shape.shuffleColumns = true;
    shape.badLineShare = 0.01;
    shape.emptyCodeShare = 0.01;
    shape.crlf = true;
    QByteArray text;
    ExportMaker(shape).write([&](QByteArrayView piece) { text += piece; });
    return GzipBytes(text);
}

bool IsLoopback(const QUrl& url)
{
    const QHostAddress address(url.host());
    return url.host() == u"localhost" || (!address.isNull() && address.isLoopback());
}

struct Commands
{
    QTemporaryDir dir;
    QtInputFiles files;
    SqliteProductIndex index{dir.filePath(QStringLiteral("data/index.sqlite"))};
    QtDownloadStore store{dir.filePath(QStringLiteral("data"))};
    QtHttpFetcher fetcher;
    std::atomic<bool> interrupted{false};
    QString errors;
    IndexCommandContext context{files, index, [this](const QString& text) { errors += text; },
                                false, interrupted};

    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(bytes);
        return file.fileName();
    }

    int download(const QString& url) { return download(url, fetcher, store); }
    int download(const QString& url, HttpFetcher& through, DownloadStore& into)
    {
        DownloadOptions options;
        options.url = url;
        options.userAgent = "Quillfen/test (tests@example.invalid)";
        options.allowed = IsLoopback;
        return RunDownloadIndex(context, through, into, options);
    }

    QString nameOf(std::uint64_t seed, qint64 row)
    {
        index.reopenIfReplaced();
        const auto product = index.find(QString::fromLatin1(ExportMaker::productCode(seed, row)));
        return product ? product->fields.productName : QStringLiteral("(none)");
    }
};
} // namespace

class TestIndexCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        // A warning is a fault here: Qt's about an exception crossing its event loop, or a
        // flush of a file that is not open.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    }

    void importIndex_exitStatuses()
    {
        Commands commands;
        QCOMPARE(RunImportIndex({}, commands.context), kIndexCommandBadUsage);
        QCOMPARE(RunImportIndex({commands.dir.filePath("missing.csv.gz")}, commands.context),
                 kIndexCommandBadUsage);
        QVERIFY(commands.errors.contains(u"Cannot open "));

        const QByteArray gz = MadeUpExport(3000, 5);
        const QString good = commands.write("en.openfoodfacts.org.products.csv.gz", gz);
        commands.errors.clear();
        QCOMPARE(RunImportIndex({good}, commands.context), kIndexCommandOk);
        QVERIFY2(commands.errors.contains(u"Imported "), qPrintable(commands.errors));
        QVERIFY(commands.errors.contains(u" with an empty code."));
        const ExportShape shape{3000, 5};
        const ExportMaker maker(shape);
        qint64 row = 0;
        while (maker.kindOf(row) != ExportMaker::LineKind::Product)
            ++row;
        QCOMPARE(commands.nameOf(5, row), QString::fromUtf8(maker.productName(row)));

        const QString cut = commands.write("cut.csv.gz", gz.first(gz.size() / 2));
        QCOMPARE(RunImportIndex({good, cut}, commands.context), kIndexCommandFailed);
        QVERIFY(commands.errors.contains(u"cut.csv.gz: the compressed file ends early, after "));
        QVERIFY(!commands.index.reopenIfReplaced());
    }

    void interruptedImport_exits130_andLeavesTheIndexAsItWas()
    {
        Commands commands;
        const QString first = commands.write("first.csv.gz", MadeUpExport(500, 1));
        QCOMPARE(RunImportIndex({first}, commands.context), kIndexCommandOk);
        const QString second = commands.write("second.csv.gz", MadeUpExport(20000, 2));
        // Ctrl+C as soon as progress shows.
        commands.context.errorIsTerminal = true;
        commands.context.writeError = [&](const QString& text) {
            commands.errors += text;
            if (text.startsWith(u'\r'))
                commands.interrupted = true;
        };
        QCOMPARE(RunImportIndex({second}, commands.context), kIndexCommandInterrupted);
        QVERIFY(commands.errors.contains(u"Import cancelled after "));
        QVERIFY(!commands.index.reopenIfReplaced());
        QCOMPARE(commands.index.info().exports.value(0).fileName, QStringLiteral("first.csv.gz"));
        QVERIFY(!QFile::exists(commands.index.path() + ".building"));
    }

    void interruptedDownload_resumesWithARangeRequest()
    {
        const QByteArray gz = MadeUpExport(4000, 7);
        RangeFileServer server(gz);
        server.dropAfter(gz.size() / 3);
        Commands commands;
        QCOMPARE(commands.download(server.url()), kIndexCommandFailed);
        QVERIFY2(commands.errors.contains(u"the download broke off after "),
                 qPrintable(commands.errors));
        QCOMPARE(QFileInfo(commands.store.partPath()).size(), gz.size() / 3);
        QVERIFY(!commands.index.info().exists);

        // The next run is another process, with a store that has written nothing yet.
        QtDownloadStore nextRun(commands.dir.filePath(QStringLiteral("data")));
        QCOMPARE(commands.download(server.url(), commands.fetcher, nextRun), kIndexCommandOk);
        // Qt's HTTP client may send the first request again by itself when the connection
        // drops; the last request is the resumed one.
        QVERIFY(!server.requests().front().headers.contains("range"));
        const RangeFileServer::Request& resumed = server.requests().back();
        QCOMPARE(resumed.headers.value("range"),
                 "bytes=" + QByteArray::number(gz.size() / 3) + '-');
        QCOMPARE(resumed.headers.value("if-range"), QByteArray("\"v1\""));
        QCOMPARE(resumed.headers.value("user-agent"),
                 QByteArray("Quillfen/test (tests@example.invalid)"));
        QCOMPARE(commands.nameOf(7, 1),
                 QString::fromUtf8(ExportMaker(ExportShape{4000, 7}).productName(1)));
        QCOMPARE(commands.index.info().exports.value(0).database,
                 QStringLiteral("Open Food Facts"));
        // Nothing is left behind but the index.
        QVERIFY(!QFile::exists(commands.store.partPath()));
        QVERIFY(!QFile::exists(commands.dir.filePath("data/en.openfoodfacts.org.products.csv.gz")));
    }

    void fileChangedOnTheServer_downloadStartsOver_data()
    {
        QTest::addColumn<bool>("ignoreRanges");
        QTest::newRow("new ETag") << false;
        QTest::newRow("server without ranges") << true;
    }
    void fileChangedOnTheServer_downloadStartsOver()
    {
        QFETCH(bool, ignoreRanges);
        const QByteArray old = MadeUpExport(3000, 8);
        RangeFileServer server(old);
        server.dropAfter(old.size() / 2);
        Commands commands;
        QCOMPARE(commands.download(server.url()), kIndexCommandFailed);
        const QByteArray fresh = MadeUpExport(3000, 9);
        if (ignoreRanges)
            server.replace(fresh, "\"v1\"");
        else
            server.replace(fresh, "\"v2\"");
        if (ignoreRanges)
            server.ignoreRanges();
        QCOMPARE(commands.download(server.url()), kIndexCommandOk);
        QVERIFY(server.requests().back().headers.contains("range"));
        QCOMPARE(commands.nameOf(9, 1),
                 QString::fromUtf8(ExportMaker(ExportShape{3000, 9}).productName(1)));
        QCOMPARE(commands.nameOf(8, 1), QStringLiteral("(none)"));
    }

    void sigterm_stopsTheImportAsCtrlCDoes_andRemovesItsFiles()
    {
        // The export comes through a pipe, so that the signal surely arrives while the import
        // is under way: the rest is written only after it.
        QTemporaryDir dir;
        const QString pipePath =
            dir.filePath(QStringLiteral("en.openfoodfacts.org.products.csv.gz"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipePath).constData(), 0600), 0);
        const QByteArray gz = MadeUpExport(20000, 4);
        const QString index = DefaultProductIndexPath();
        // Once the import has stopped reading, the rest of the export has nowhere to go.
        std::signal(SIGPIPE, SIG_IGN);
        std::thread writer([&] {
            QFile pipe(pipePath);
            if (!pipe.open(QIODevice::WriteOnly))
                return;
            pipe.write(gz.first(gz.size() / 2));
            pipe.flush();
            QDeadlineTimer patience(std::chrono::seconds(60));
            while (!QFile::exists(index + QStringLiteral(".staging")) && !patience.hasExpired())
                QThread::msleep(10);
            ::kill(::getpid(), SIGTERM);
            pipe.write(gz.sliced(gz.size() / 2));
        });
        const int status = ImportIndexCommand({pipePath}, {});
        writer.join();
        QCOMPARE(status, kIndexCommandTerminated);
        for (const char* left : {".staging", ".building", ".lock", ""})
            QVERIFY2(!QFile::exists(index + QLatin1StringView(left)), left);
    }

    void storeFailureDuringTheTransfer_isTheDownloadsFailure()
    {
        const QByteArray gz = MadeUpExport(2000, 6);
        RangeFileServer server(gz);
        Commands commands;
        FakeInputFiles files;
        FakeDownloadStore full(files);
        full.hook.fail(u"append", QStringLiteral("No space left on device"));
        QCOMPARE(commands.download(server.url(), commands.fetcher, full), kIndexCommandFailed);
        QVERIFY2(commands.errors.contains(u"Download failed: No space left on device\n"),
                 qPrintable(commands.errors));
    }

    void stalledConnection_saysNothingArrived()
    {
        const QByteArray gz = MadeUpExport(2000, 6);
        RangeFileServer server(gz);
        server.stallAfter(gz.size() / 2);
        Commands commands;
        QtHttpFetcher impatient(std::chrono::milliseconds(300));
        QCOMPARE(commands.download(server.url(), impatient, commands.store), kIndexCommandFailed);
        QVERIFY2(commands.errors.contains(u" (no data for 0.3 s); run again to go on from there"),
                 qPrintable(commands.errors));
    }

    void redirectFromHttpsToHttp_isRefused()
    {
        // A certificate for 127.0.0.1 of this run's own, trusted by this process alone.
        QTemporaryDir dir;
        const QString cert = dir.filePath(QStringLiteral("cert.pem"));
        const QString key = dir.filePath(QStringLiteral("key.pem"));
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj",
                       "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1", "-keyout", key,
                       "-out", cert});
        if (!openssl.waitForFinished() || openssl.exitCode() != 0)
            QSKIP("openssl cannot make a certificate here");
        const QList<QSslCertificate> certificates = QSslCertificate::fromPath(cert);
        QFile keyFile(key);
        QVERIFY(!certificates.isEmpty() && keyFile.open(QIODevice::ReadOnly));
        const QSslConfiguration before = QSslConfiguration::defaultConfiguration();
        const auto restore =
            qScopeGuard([&] { QSslConfiguration::setDefaultConfiguration(before); });
        QSslConfiguration trusting = before;
        trusting.addCaCertificate(certificates.front());
        QSslConfiguration::setDefaultConfiguration(trusting);

        // It answers every request with a redirection to the same place in plain http.
        QSslServer server;
        QSslConfiguration serving = QSslConfiguration::defaultConfiguration();
        serving.setLocalCertificate(certificates.front());
        serving.setPrivateKey(QSslKey(&keyFile, QSsl::Rsa));
        server.setSslConfiguration(serving);
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        const QByteArray plain = "http://127.0.0.1:" + QByteArray::number(server.serverPort());
        QObject::connect(&server, &QTcpServer::pendingConnectionAvailable, &server, [&] {
            while (QTcpSocket* socket = server.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, plain] {
                    if (socket->readAll().contains("\r\n\r\n"))
                        socket->write("HTTP/1.1 302 Found\r\nLocation: " + plain +
                                      "/x.csv.gz\r\nContent-Length: 0\r\n\r\n");
                });
        });
        QtHttpFetcher fetcher;
        const QUrl secure(QStringLiteral("https://127.0.0.1:%1/x.csv.gz").arg(server.serverPort()));
        QCOMPARE(fetcher.fetch(secure, {}, {}), QStringLiteral("insecure redirect"));
    }

    void damagedDownload_failsAndIsNotKept()
    {
        QByteArray gz = MadeUpExport(2000, 3);
        for (qsizetype i = gz.size() / 2; i < gz.size() / 2 + 32; ++i)
            gz[i] = char(gz[i] ^ 0x33);
        RangeFileServer server(gz);
        Commands commands;
        QCOMPARE(commands.download(server.url()), kIndexCommandFailed);
        QVERIFY2(commands.errors.contains(u"the downloaded file is damaged: "),
                 qPrintable(commands.errors));
        QVERIFY(!QFile::exists(commands.store.partPath()));
        QVERIFY(!commands.index.info().exists);
    }

    void emptyAnswer_importsNothing()
    {
        RangeFileServer server("");
        Commands commands;
        // 200 with no body at all: no gzip stream, so nothing is imported.
        QCOMPARE(commands.download(server.url()), kIndexCommandFailed);
        QVERIFY(!commands.index.info().exists);
    }

    void madeUpCodes_spreadTheMissingOnesEvenly_data()
    {
        QTest::addColumn<qint64>("count");
        QTest::addColumn<double>("share");
        QTest::addColumn<qint64>("missing");
        QTest::newRow("a hundred") << qint64(100) << 0.1 << qint64(10);
        QTest::newRow("ten") << qint64(10) << 0.1 << qint64(1);
        QTest::newRow("a quarter of 1,000") << qint64(1000) << 0.25 << qint64(250);
        QTest::newRow("none") << qint64(50) << 0.0 << qint64(0);
    }
    void madeUpCodes_spreadTheMissingOnesEvenly()
    {
        QFETCH(qint64, count);
        QFETCH(double, share);
        QFETCH(qint64, missing);
        const ExportShape shape{3000, 5};
        QSet<QByteArray> inExport;
        for (qint64 row = 0; row < shape.rows; ++row)
            inExport.insert(ExportMaker::productCode(shape.seed, row));
        qint64 notFound = 0;
        for (qint64 i = 0; i < count; ++i)
            notFound += !inExport.contains(ExportMaker::codeToLookUp(shape, i, share));
        QCOMPARE(notFound, missing);
    }

    // Runs only inside a network namespace of its own (see CMakeLists.txt), where nothing could
    // leave the machine even if the check failed.
    // The published list and its files, made here: an export of two products dated by its file,
    // then daily change files around that date, listed newest first as the database lists them.
    void dailyChanges_appliedOldestFirst_eachWholeOrNotAtAll_data()
    {
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<int>("runs");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("products"); // codes 1 to 4; "-": there, with no name
        QTest::addColumn<QString>("lastFile");
        QTest::addColumn<QString>("told");
        const QString both = QStringLiteral("Newest one|New two|Three|-");
        const QString firstOnly = QStringLiteral("New one|Old two|Three|(none)");
        QTest::newRow("in order, though listed newest first")
            << QStringList{"b", "a"} << 1 << kIndexCommandOk << both << "b"
            << "Applied 2 daily change files (5 products)";
        QTest::newRow("twice: the second run finds nothing newer")
            << QStringList{"b", "a"} << 2 << kIndexCommandOk << both << "b"
            << "is up to date";
        QTest::newRow("across a gap: up to it and no further")
            << QStringList{"c", "a"} << 1 << kIndexCommandFailed << firstOnly << "a"
            << "have a gap from";
        QTest::newRow("a truncated file leaves the index as it was before it")
            << QStringList{"b-cut", "a"} << 1 << kIndexCommandFailed << firstOnly << "a"
            << "Update failed: ";
        QTest::newRow("a file that holds no products fails, and the index stays before it")
            << QStringList{"b-not-products", "a"} << 1 << kIndexCommandFailed << firstOnly << "a"
            << "names no \"code\" column";
        QTest::newRow("a first line over 16 MB is skipped and counted, the rest applied")
            << QStringList{"b-long", "a"} << 1 << kIndexCommandOk << both << "b-long"
            << "Skipped 1 lines: 0 with a wrong number of fields, 0 with an empty code, 1 longer "
               "than 16,777,216 bytes.";
        QTest::newRow("older than the oldest file kept: nothing applied")
            << QStringList{"b"} << 1 << kIndexCommandFailed << "Old one|Old two|(none)|(none)"
            << ""
            << "older than the oldest daily change file kept";
    }
    void dailyChanges_appliedOldestFirst_eachWholeOrNotAtAll()
    {
        QFETCH(QStringList, listed);
        QFETCH(int, runs);
        QFETCH(int, status);
        QFETCH(QString, products);
        QFETCH(QString, lastFile);
        QFETCH(QString, told);
        const qint64 day = 86400;
        const QDateTime exported = QDateTime::fromSecsSinceEpoch(1765152000, Qt::UTC);
        const qint64 t0 = exported.toSecsSinceEpoch();
        const auto name = [&](qint64 from, qint64 to) -> QByteArray {
            return "openfoodfacts_products_" + QByteArray::number(t0 + from) + '_' +
                   QByteArray::number(t0 + to) + ".json.gz";
        };
        const QByteArray bText = "{\"code\":\"1\",\"product_name\":\"Newest one\"}\n"
                                 "{\"code\":\"2\",\"product_name\":\"New two\"}\n"
                                 "{\"code\":\"4\",\"product_name\":{\"en\":\"Four\"},"
                                 "\"brands\":[\"x\"],\"added_in_v9\":true}\n";
        const QByteArray b = GzipBytes(bText);
        const QHash<QString, std::pair<QByteArray, QByteArray>> made{
            {"a",
             {name(-3600, day), GzipBytes("{\"code\":\"1\",\"product_name\":\"New one\"}\n"
                                          "{\"code\":\"0003\",\"product_name\":\"Three\"}\n")}},
            {"b", {name(day, 2 * day), b}},
            {"b-cut", {name(day, 2 * day), b.first(b.size() / 2)}},
            {"b-long",
             {name(day, 2 * day),
              GzipBytes(QByteArray("{\"code\":\"5\",\"product_name\":\"" +
                                   QByteArray(kLongestExportLine, 'x') + "\"}\n" + bText))}},
            {"b-not-products", {name(day, 2 * day), GzipBytes("name\tsize\nx\t1\n")}},
            {"c", {name(2 * day, 3 * day), GzipBytes("{\"code\":\"2\",\"product_name\":\"C\"}\n")}},
        };

        Commands commands;
        const QString csv = commands.write("en.openfoodfacts.org.products.csv",
                                           "code\tproduct_name\n1\tOld one\n2\tOld two\n");
        {
            QFile file(csv);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(exported, QFileDevice::FileModificationTime));
        }
        QCOMPARE(RunImportIndex({csv}, commands.context), kIndexCommandOk);
        QCOMPARE(commands.index.info().dataDate, exported);

        RangeFileServer server("");
        QByteArray list;
        for (const QString& key : listed) {
            list += made[key].first + '\n';
            server.serve("/data/delta/" + made[key].first, made[key].second);
        }
        server.serve("/data/delta/index.txt", list);
        ChangesOptions options;
        options.listUrl = server.url(QStringLiteral("/data/delta/index.txt"));
        options.userAgent = "Quillfen/test (tests@example.invalid)";
        options.allowed = IsLoopback;
        options.now = QDateTime::currentDateTimeUtc();
        for (int run = 0; run < runs; ++run) {
            commands.errors.clear();
            QCOMPARE(RunUpdateIndex(commands.context, commands.fetcher, commands.store, options),
                     status);
        }
        QVERIFY2(commands.errors.contains(told), qPrintable(commands.errors));

        commands.index.reopenIfReplaced();
        QStringList found;
        for (const char* code : {"1", "2", "3", "4"}) {
            const auto product = commands.index.find(QString::fromLatin1(code));
            found.append(!product                                ? QStringLiteral("(none)")
                         : product->fields.productName.isEmpty() ? QStringLiteral("-")
                                                                 : product->fields.productName);
        }
        QCOMPARE(found.join(u'|'), products);
        const IndexInfo info = commands.index.info();
        QCOMPARE(info.lastChangeFile,
                 lastFile.isEmpty() ? QString() : QString::fromLatin1(made[lastFile].first));
        QCOMPARE(info.products, qint64(found.size() - found.count(QStringLiteral("(none)"))));
        for (const RangeFileServer::Request& request : server.requests())
            QCOMPARE(request.headers.value("user-agent"), options.userAgent);
        // No change file nor an update's copy is left beside the index (a broken-off download
        // keeps its part, to go on from).
        const QDir data(commands.dir.filePath(QStringLiteral("data")));
        QCOMPARE(data.entryList({QStringLiteral("*.json.gz"), QStringLiteral("*.updating")},
                                QDir::Files),
                 QStringList());
    }

    // The JSON Lines export goes in beside the CSV one, told by what it holds, not its name.
    void jsonLinesExport_importsBesideTheCsv_toldByContent()
    {
        Commands commands;
        const QString json =
            commands.write("en.openfoodfacts.org.products.csv.gz",
                           GzipBytes("{\"code\":\"4006381333931\",\"product_name\":\"Point 88\"}\n"
                                     "not a product\n"));
        const QString csv = commands.write("b.csv", "code\tproduct_name\n3017620422003\tNutella\n");
        QCOMPARE(RunImportIndex({json, csv}, commands.context), kIndexCommandOk);
        QVERIFY2(commands.errors.contains(u"1 that are not a JSON object"),
                 qPrintable(commands.errors));
        commands.index.reopenIfReplaced();
        QCOMPARE(commands.index.find(u"4006381333931")->fields.productName,
                 QStringLiteral("Point 88"));
        QCOMPARE(commands.index.find(u"3017620422003")->fields.productName,
                 QStringLiteral("Nutella"));
    }

    // The names of the languages named at import are kept, in the index's order, by the import
    // and by a change file alike; the index answers in the user's language, else with the main
    // name, never with another language's.
    void indexLanguages_userLanguageFirst_neverAnothers_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("first language") << "de"
                                        << "Milch"
                                        << "Frische Milch";
        QTest::newRow("second language") << "fr"
                                         << "Lait"
                                         << "Lait frais";
        QTest::newRow("a language not kept: the main name") << "it"
                                                            << "Milk"
                                                            << "Milk";
        QTest::newRow("English") << ""
                                 << "Milk"
                                 << "Milk";
    }
    void indexLanguages_userLanguageFirst_neverAnothers()
    {
        QFETCH(QString, language);
        QFETCH(QString, before);
        QFETCH(QString, after);
        Commands commands;
        commands.context.options.languages = {"DE", "en", "fr"};
        const QString csv = commands.write(
            "x.csv", "code\tproduct_name_fr\tproduct_name\tproduct_name_it\tproduct_name_de\n"
                     "4006381333931\tLait\tMilk\t\tMilch\n");
        QCOMPARE(RunImportIndex({csv}, commands.context), kIndexCommandOk);
        QCOMPARE(commands.index.info().languages, (QStringList{"de", "fr"}));
        IndexSource source(commands.index, {}, {}, language);
        const auto nameNow = [&] {
            source.prepareRun();
            const std::optional<SourceAnswer> answer =
                source.answerLocally(CheckCode(u"4006381333931"));
            return answer ? answer->product.name : QStringLiteral("(none)");
        };
        QCOMPARE(nameNow(), before);

        const QString changes = commands.write(
            "c.json", "{\"code\":\"4006381333931\",\"product_name\":\"Milk\",\"product_name_de\":"
                      "\"Frische Milch\",\"product_name_fr\":\"Lait frais\"}\n");
        ChangesOptions options;
        options.languages = commands.index.info().languages;
        const std::atomic<bool> cancel{false};
        QCOMPARE(ApplyChangeFile(changes,
                                 {"c.json", QDateTime::currentDateTimeUtc().addDays(-1),
                                  QDateTime::currentDateTimeUtc()},
                                 options, commands.files, commands.index, cancel)
                     .products,
                 qint64(1));
        QCOMPARE(nameNow(), after);
    }

    void nonLoopbackAddress_isRefusedBeforeAnyLookup()
    {
        if (qEnvironmentVariable("QUILLFEN_TEST_NET_NAMESPACE") != u"1")
            QSKIP("runs in a network namespace only (tst_indexcommands_netns)");
        Commands commands;
        QCOMPARE(commands.download(kIndexExportUrl.toString()), kIndexCommandFailed);
        QVERIFY2(commands.errors.contains(u"not a loopback address"), qPrintable(commands.errors));
        QVERIFY(!QFile::exists(commands.store.partPath()));
    }
};

QTEST_GUILESS_MAIN(TestIndexCommands)
#include "tst_indexcommands.moc"
