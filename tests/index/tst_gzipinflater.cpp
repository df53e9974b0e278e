#include "index/GzipInflater.h"
#include "support/GzipBytes.h"

#include <QRandomGenerator>
#include <QTest>

namespace {
// Feeds the bytes in pieces of the given size and gathers the text.
QByteArray Inflate(GzipInflater& inflater, QByteArrayView bytes, qsizetype piece)
{
    QByteArray text;
    for (qsizetype at = 0; at < bytes.size(); at += piece)
        inflater.feed(bytes.sliced(at, std::min(piece, bytes.size() - at)),
                      [&](QByteArrayView chunk) { text.append(chunk); });
    return text;
}

QByteArray SampleText(qsizetype lines)
{
    QByteArray text = "code\tproduct_name\n";
    QRandomGenerator random(7);
    for (qsizetype i = 0; i < lines; ++i)
        text += QByteArray::number(random.generate64()) + "\tProduit n°" + QByteArray::number(i) +
                " – Смесь 混合\n";
    return text;
}
} // namespace

class TestGzipInflater : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeStream_givesTextAndEndsComplete_data()
    {
        QTest::addColumn<qsizetype>("piece");
        QTest::newRow("all at once") << qsizetype(1 << 30);
        QTest::newRow("4 KB pieces") << qsizetype(4096);
        QTest::newRow("byte by byte") << qsizetype(1);
    }
    void wholeStream_givesTextAndEndsComplete()
    {
        QFETCH(qsizetype, piece);
        const QByteArray text = SampleText(3000);
        const QByteArray gz = GzipBytes(text);
        GzipInflater inflater;
        QCOMPARE(Inflate(inflater, gz, piece), text);
        QVERIFY(inflater.complete());
        QVERIFY(!inflater.truncated());
        QCOMPARE(inflater.compressedBytes(), gz.size());
        QCOMPARE(inflater.uncompressedBytes(), text.size());
        QCOMPARE(inflater.problem(), QString());
    }

    void highlyCompressedStream_allOfItComesOut()
    {
        // A few kilobytes that inflate to many output buffers: none may stay behind in zlib.
        const QByteArray text(20 * 1024 * 1024, 'x');
        const QByteArray gz = GzipBytes(text, 9);
        GzipInflater inflater;
        qint64 total = 0;
        inflater.feed(gz, [&](QByteArrayView chunk) { total += chunk.size(); });
        QCOMPARE(total, text.size());
        QVERIFY(inflater.complete());
    }

    void concatenatedMembers_readAsOneStream()
    {
        const QByteArray first = SampleText(100);
        const QByteArray second = "more\tlines\n";
        GzipInflater inflater;
        const QByteArray both = GzipBytes(first) + GzipBytes(second);
        QCOMPARE(Inflate(inflater, both, 17), QByteArray(first + second));
        QVERIFY(inflater.complete());
    }

    void cutShort_isTruncatedAndSaysHowFar_data()
    {
        QTest::addColumn<int>("keepPercent");
        QTest::newRow("header only") << 1;
        QTest::newRow("half") << 50;
        QTest::newRow("all but the trailer's last byte") << 100;
    }
    void cutShort_isTruncatedAndSaysHowFar()
    {
        QFETCH(int, keepPercent);
        const QByteArray gz = GzipBytes(SampleText(2000));
        const qsizetype kept = keepPercent == 100
                                   ? gz.size() - 1
                                   : std::max<qsizetype>(5, gz.size() * keepPercent / 100);
        GzipInflater inflater;
        const QByteArray text = Inflate(inflater, gz.first(kept), 1000);
        QVERIFY(inflater.truncated());
        QVERIFY(!inflater.complete());
        QCOMPARE(inflater.compressedBytes(), kept);
        QCOMPARE(inflater.uncompressedBytes(), text.size());
        QVERIFY2(inflater.problem().startsWith(u"the compressed file ends early, after "),
                 qPrintable(inflater.problem()));
    }

    void damaged_isCorruptAndSaysWhereItStopped_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray gz = GzipBytes(SampleText(2000));
        QByteArray flipped = gz;
        for (qsizetype i = gz.size() / 2; i < gz.size() / 2 + 64; ++i)
            flipped[i] = char(flipped[i] ^ 0x5A);
        QByteArray badCheck = gz;
        badCheck[badCheck.size() - 6] = char(badCheck[badCheck.size() - 6] ^ 1); // CRC-32
        QTest::newRow("damaged middle") << flipped;
        QTest::newRow("wrong check value") << badCheck;
        QTest::newRow("plain text") << SampleText(10);
        QTest::newRow("garbage after a member") << QByteArray(gz + "garbage");
    }
    void damaged_isCorruptAndSaysWhereItStopped()
    {
        QFETCH(QByteArray, bytes);
        GzipInflater inflater;
        Inflate(inflater, bytes, 4096);
        QCOMPARE(inflater.state(), GzipInflater::State::Corrupt);
        QVERIFY(inflater.compressedBytes() <= bytes.size());
        QVERIFY2(inflater.problem().startsWith(u"the compressed file is damaged ("),
                 qPrintable(inflater.problem()));
        QVERIFY(inflater.problem().contains(u" compressed bytes ("));
        // Once damaged, more bytes change nothing.
        const qint64 consumed = inflater.compressedBytes();
        Inflate(inflater, GzipBytes("x"), 100);
        QCOMPARE(inflater.compressedBytes(), consumed);
    }

    void nothingAtAll_isTruncated()
    {
        GzipInflater inflater;
        QVERIFY(inflater.truncated());
        QCOMPARE(inflater.problem(), QStringLiteral("the compressed file is empty"));
    }
};

QTEST_GUILESS_MAIN(TestGzipInflater)
#include "tst_gzipinflater.moc"
