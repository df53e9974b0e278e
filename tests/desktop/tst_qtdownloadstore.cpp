// The part a download keeps beside the index: what describes it comes from a server, and is
// believed only within reason; a disk that fills says so, and keeps no part.
#include "desktop/files/QtDownloadStore.h"
#include "fakes/FakeHttpFetcher.h"
#include "index/IndexDownload.h"
#include "support/GzipBytes.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

class TestQtDownloadStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keptDescription_believedWithinReason_data();
    void keptDescription_believedWithinReason();
    void fullDisk_saysSoAndKeepsNoPart();
};

// A part kept from an earlier run, described as a server described it: its size is unknown
// when no file could be that large (the sanitizer suites run these rows too), and the file is
// dated by the server's Last-Modified unless that is yet to come.
void TestQtDownloadStore::keptDescription_believedWithinReason_data()
{
    QTest::addColumn<QByteArray>("totalBytes"); // as the description's JSON holds it
    QTest::addColumn<QByteArray>("lastModified");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QDateTime>("dated"); // invalid: about now
    const QDateTime june = QDateTime(QDate(2024, 6, 1), QTime(2, 30), Qt::UTC);
    QTest::newRow("as a server says it")
        << QByteArray("12345") << QByteArray("Sat, 01 Jun 2024 02:30:00 GMT") << qint64(12345)
        << june;
    QTest::newRow("Content-Length: 9223372036854775807")
        << QByteArray("9223372036854775807") << QByteArray() << qint64(-1) << QDateTime();
    QTest::newRow("a Last-Modified yet to come")
        << QByteArray("12345") << QByteArray("Fri, 01 Jan 2100 00:00:00 GMT") << qint64(12345)
        << QDateTime();
}

void TestQtDownloadStore::keptDescription_believedWithinReason()
{
    QFETCH(QByteArray, totalBytes);
    QFETCH(QByteArray, lastModified);
    QFETCH(qint64, total);
    QFETCH(QDateTime, dated);
    QTemporaryDir folder;
    QtDownloadStore store(folder.path());
    const QByteArray gz = GzipBytes("code\n1\n");
    QFile part(store.partPath());
    QVERIFY(part.open(QIODevice::WriteOnly) && part.write(gz) == gz.size());
    part.close();
    QFile about(store.partPath() + QStringLiteral(".json"));
    QVERIFY(about.open(QIODevice::WriteOnly));
    about.write(R"({"url":"http://127.0.0.1:1/x.gz","etag":"","lastModified":")" + lastModified +
                R"(","totalBytes":)" + totalBytes + '}');
    about.close();

    const std::optional<PartialDownload> kept = store.part();
    QVERIFY(kept);
    QCOMPARE(kept->bytes, gz.size());
    QCOMPARE(kept->totalBytes, total);
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QString path = store.complete(QStringLiteral("x.gz"));
    const QDateTime modified = QFileInfo(path).lastModified().toUTC();
    if (dated.isValid())
        QCOMPARE(modified, dated);
    else
        QVERIFY2(modified >= before && modified <= before.addSecs(120),
                 qPrintable(modified.toString(Qt::ISODate)));
}

// Runs only on a small disk of its own (tst_qtdownloadstore_fulldisk in CMakeLists.txt: a tmpfs
// of 64 KiB, mounted in a mount namespace), which a download of a megabyte fills.
void TestQtDownloadStore::fullDisk_saysSoAndKeepsNoPart()
{
    const QString disk = qEnvironmentVariable("QUILLFEN_TEST_FULL_DISK");
    if (disk.isEmpty())
        QSKIP("runs on a full disk only (tst_qtdownloadstore_fulldisk)");
    QtDownloadStore store(disk);
    FakeHttpFetcher fetcher;
    QByteArray noise(1024 * 1024, Qt::Uninitialized);
    QRandomGenerator random(38);
    random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    fetcher.body = GzipBytes(noise); // as large as the noise: it does not pack
    fetcher.piece = 64 * 1024;
    DownloadOptions options;
    options.url = QStringLiteral("http://127.0.0.1:1/openfoodfacts_products_1_2.json.gz");
    const std::atomic<bool> cancel{false};
    const DownloadResult result = DownloadExport(options, fetcher, store, cancel, {});
    QCOMPARE(result.failure, store.partPath() + QStringLiteral(": disk full"));
    QVERIFY(result.path.isEmpty());
    QVERIFY(!QFile::exists(store.partPath()));
    QVERIFY(!QFile::exists(store.partPath() + QStringLiteral(".json")));
    QVERIFY(!store.part());
}

QTEST_GUILESS_MAIN(TestQtDownloadStore)
#include "tst_qtdownloadstore.moc"
