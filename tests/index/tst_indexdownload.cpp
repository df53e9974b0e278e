#include "fakes/FakeDownloadStore.h"
#include "fakes/FakeHttpFetcher.h"
#include "index/IndexChanges.h"
#include "index/IndexDownload.h"
#include "support/GzipBytes.h"

#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(DownloadAnswer)

namespace {
const QString kUrl = QStringLiteral("http://127.0.0.1:1/en.openfoodfacts.org.products.csv.gz");

struct Downloading
{
    FakeInputFiles files;
    FakeDownloadStore store{files};
    FakeHttpFetcher fetcher;
    std::atomic<bool> cancel{false};
    QStringList notices;

    // A part of the export kept from an earlier run, under the ETag "v1".
    void keepPart(const QByteArray& bytes)
    {
        store.startPart(PartialDownload{kUrl, "\"v1\"", {}, -1, 0});
        store.append(bytes);
    }

    DownloadResult run()
    {
        DownloadOptions options;
        options.url = kUrl;
        return DownloadExport(options, fetcher, store, cancel, [&](const DownloadProgress& at) {
            if (!at.notice.isEmpty() && !notices.contains(at.notice))
                notices.append(at.notice);
            totalBytes = at.totalBytes;
        });
    }

    qint64 totalBytes = 0; // as the last progress told it
};
} // namespace

class TestIndexDownload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The download runs in a worker thread: a failure thrown out of it would end the program.
    void failures_areReportedSayingWhatHappened_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("failure");
        QTest::newRow("nothing arrived: nowhere to go on from")
            << "refused" << kUrl + QStringLiteral(": connection refused");
        QTest::newRow("the kept part cannot be read") << "unreadable part"
                                                      << "Cannot read the part";
        QTest::newRow("the part is the file, and cannot be put in place") << "range gone"
                                                                          << "Cannot rename";
    }
    void failures_areReportedSayingWhatHappened()
    {
        QFETCH(QString, situation);
        QFETCH(QString, failure);
        Downloading fake;
        const QByteArray gz = GzipBytes("code\tproduct_name\n1\tA\n");
        fake.fetcher.body = gz;
        if (situation == u"refused") {
            fake.fetcher.failure = QStringLiteral("connection refused");
        } else if (situation == u"unreadable part") {
            fake.keepPart(gz.first(10));
            fake.store.hook.fail(u"readPart", QStringLiteral("Cannot read the part"));
        } else {
            fake.keepPart(gz);
            fake.fetcher.head = HttpHead{416, {{"Content-Range", "bytes */20"}}};
            fake.store.hook.fail(u"complete", QStringLiteral("Cannot rename"));
        }
        const DownloadResult result = fake.run();
        QCOMPARE(result.failure, failure);
        QVERIFY(result.path.isEmpty());
        QVERIFY(!result.cancelled);
    }

    void wholeFileInsteadOfTheRest_saysWhyItStartsOver_data()
    {
        QTest::addColumn<QByteArray>("etag");
        QTest::addColumn<QString>("notice");
        QTest::newRow("same file") << QByteArray("\"v1\"") << kCannotResumeNotice.toString();
        QTest::newRow("changed file")
            << QByteArray("\"v2\"")
            << "the file changed on the server; starting again from the beginning";
    }
    void wholeFileInsteadOfTheRest_saysWhyItStartsOver()
    {
        QFETCH(QByteArray, etag);
        QFETCH(QString, notice);
        Downloading fake;
        const QByteArray gz = GzipBytes("code\tproduct_name\n1\tA\n");
        fake.keepPart(gz.first(10));
        fake.fetcher.head = HttpHead{200, {{"ETag", etag}}};
        fake.fetcher.body = gz;
        const DownloadResult result = fake.run();
        QCOMPARE(result.failure, QString());
        QCOMPARE(fake.notices, QStringList{notice});
        QCOMPARE(fake.files.files.value(result.path), gz);
    }

    // A size a server states is an outside number: one no file has is an unknown size, never a
    // count that overflows (the sanitizer suites run these rows too).
    void hostileSize_isAnUnknownSize_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("contentRange");
        QTest::addColumn<QByteArray>("contentLength");
        QTest::addColumn<qint64>("total");
        const QByteArray most = QByteArray::number(std::numeric_limits<qint64>::max());
        QTest::newRow("an honest length") << 200 << QByteArray() << QByteArray("42") << qint64(42);
        QTest::newRow("a length past any file") << 200 << QByteArray() << most << qint64(-1);
        QTest::newRow("the rest's length past any file, after a kept part")
            << 206 << QByteArray("bytes 10-41/*") << most << qint64(-1);
    }
    void hostileSize_isAnUnknownSize()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, contentRange);
        QFETCH(QByteArray, contentLength);
        QFETCH(qint64, total);
        Downloading fake;
        const QByteArray gz = GzipBytes("code\tproduct_name\n1\tA\n");
        QCOMPARE(gz.size(), 42);
        fake.fetcher.body = gz;
        if (status == 206) {
            fake.keepPart(gz.first(10));
            fake.fetcher.body = gz.sliced(10);
        }
        fake.fetcher.head = HttpHead{status, {{"Content-Length", contentLength}}};
        if (!contentRange.isEmpty())
            fake.fetcher.head.headers.append({"Content-Range", contentRange});
        QCOMPARE(fake.run().failure, QString());
        QCOMPARE(fake.totalBytes, total);
    }

    void resumeHeaders_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QByteArray>("etag");
        QTest::addColumn<QByteArray>("lastModified");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QByteArray>("range");
        QTest::addColumn<QByteArray>("ifRange");
        const QString url = QStringLiteral("http://127.0.0.1:1/a.csv.gz");
        QTest::newRow("ETag first")
            << qint64(1000) << QByteArray("\"e\"") << QByteArray("Sat, 01 Jun 2024 02:30:00 GMT")
            << url << QByteArray("bytes=1000-") << QByteArray("\"e\"");
        QTest::newRow("Last-Modified alone")
            << qint64(5) << QByteArray() << QByteArray("Sat, 01 Jun 2024 02:30:00 GMT") << url
            << QByteArray("bytes=5-") << QByteArray("Sat, 01 Jun 2024 02:30:00 GMT");
        QTest::newRow("no validator: start over")
            << qint64(1000) << QByteArray() << QByteArray() << url << QByteArray() << QByteArray();
        QTest::newRow("another address: start over")
            << qint64(1000) << QByteArray("\"e\"") << QByteArray()
            << QStringLiteral("http://127.0.0.1:2/a.csv.gz") << QByteArray() << QByteArray();
        QTest::newRow("empty part") << qint64(0) << QByteArray("\"e\"") << QByteArray() << url
                                    << QByteArray() << QByteArray();
    }
    void resumeHeaders()
    {
        QFETCH(qint64, bytes);
        QFETCH(QByteArray, etag);
        QFETCH(QByteArray, lastModified);
        QFETCH(QString, url);
        QFETCH(QByteArray, range);
        QFETCH(QByteArray, ifRange);
        const PartialDownload part{QStringLiteral("http://127.0.0.1:1/a.csv.gz"), etag,
                                   lastModified, 2000, bytes};
        HttpHead asSent;
        asSent.headers = ResumeHeaders(part, url);
        QCOMPARE(asSent.header("Range"), range);
        QCOMPARE(asSent.header("If-Range"), ifRange);
        QVERIFY(ResumeHeaders(std::nullopt, url).isEmpty());
    }

    void readDownloadAnswer_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("contentRange");
        QTest::addColumn<DownloadAnswer>("answer");
        QTest::newRow("the rest") << 206 << QByteArray("bytes 1000-1999/2000")
                                  << DownloadAnswer::Append;
        QTest::newRow("another piece")
            << 206 << QByteArray("bytes 0-1999/2000") << DownloadAnswer::Fail;
        QTest::newRow("no range given") << 206 << QByteArray() << DownloadAnswer::Fail;
        QTest::newRow("whole file") << 200 << QByteArray() << DownloadAnswer::StartOver;
        QTest::newRow("nothing past the end")
            << 416 << QByteArray("bytes */1000") << DownloadAnswer::RangeGone;
        QTest::newRow("gone") << 404 << QByteArray() << DownloadAnswer::Fail;
    }
    void readDownloadAnswer()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, contentRange);
        QFETCH(DownloadAnswer, answer);
        HttpHead head;
        head.status = status;
        if (!contentRange.isEmpty())
            head.headers.append({"content-range", contentRange});
        QCOMPARE(ReadDownloadAnswer(head, 1000), answer);
    }

    void progressText_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("size unknown")
            << qint64(2'500'000) << qint64(-1) << 0.5 << "2.5 MB downloaded";
        QTest::newRow("under way")
            << qint64(120'000'000) << qint64(950'000'000) << 10.0
            << "120.0 of 950.0 MB downloaded (12%), 10.0 MB/s, about 1 min 23 s left";
    }
    void progressText()
    {
        QFETCH(qint64, bytes);
        QFETCH(qint64, total);
        QFETCH(double, seconds);
        QFETCH(QString, text);
        // A resumed download: the rate counts this run's bytes only.
        DownloadProgress at{bytes, total, seconds, bytes - 20'000'000, {}};
        if (bytes < 20'000'000)
            at.bytesThisRun = bytes;
        QCOMPARE(DownloadProgressText(at), text);
    }

    // The list of daily change files comes from outside: only names of the published shape are
    // taken, none that would reach past the list's folder, none dated in the future or ending
    // before they start, and they come out oldest first.
    void changesList_takesOnlyPlainNames_oldestFirst_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QStringList>("names");
        const QByteArray a = "openfoodfacts_products_1765065600_1765152000.json.gz";
        const QByteArray b = "openfoodfacts_products_1765152000_1765238400.json.gz";
        // `now` is b's end: a day later is a clock's error, more is no file's date yet.
        QTest::newRow("ends up to a day from now are taken, later ones and backward ones not")
            << QByteArray("openfoodfacts_products_1796079600_99999999999.json.gz\n"
                          "openfoodfacts_products_1765238400_1765324801.json.gz\n"
                          "openfoodfacts_products_1765238400_1765324800.json.gz\n"
                          "openfoodfacts_products_1765238400_1765152000.json.gz\n" +
                          b + "\n")
            << QStringList{QString::fromLatin1(b),
                           "openfoodfacts_products_1765238400_1765324800.json.gz"};
        QTest::newRow("newest first, CR LF, blank lines, a repeat")
            << QByteArray(b + "\r\n\n" + a + "\n" + b + "\n")
            << QStringList{QString::fromLatin1(a), QString::fromLatin1(b)};
        QTest::newRow("paths, addresses, queries and wrong shapes are left out")
            << QByteArray("../openfoodfacts_products_1765065600_1765152000.json.gz\n"
                          "x/openfoodfacts_products_1765065600_1765152000.json.gz\n"
                          "http://h/openfoodfacts_products_1765065600_1765152000.json.gz\n"
                          "openfoodfacts_products_1765065600_1765152000.json.gz?x=1\n"
                          "openfoodfacts_products_1765152000_1765065600.json.gz\n"
                          "openfoodfacts_products.json.gz\n<html>\n" +
                          a + "\n")
            << QStringList{QString::fromLatin1(a)};
    }
    void changesList_takesOnlyPlainNames_oldestFirst()
    {
        QFETCH(QByteArray, list);
        QFETCH(QStringList, names);
        QStringList read;
        for (const ChangeFile& file :
             ReadChangesList(list, QDateTime::fromSecsSinceEpoch(1765238400, Qt::UTC)))
            read.append(file.name);
        QCOMPARE(read, names);
    }
};

QTEST_GUILESS_MAIN(TestIndexDownload)
#include "tst_indexdownload.moc"
