// The scan window's sounds on Windows: each shipped sound made quieter sample by sample for
// PlaySoundW, anything but a well-formed 16-bit PCM sound refused, and silence without a sound
// output.
#include "desktop/window/ScanSounds.h"
#include "desktop/window/WaveSound.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

#include <cmath>
// windows.h first: mmsystem.h uses its types without including it.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

namespace {
QByteArray Resource(const char* name)
{
    QFile file(QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A sound of the given format tag and sample size holding the samples, its chunks as given.
QByteArray MakeWave(quint16 encoding, quint16 bits, const QList<qint16>& samples)
{
    QByteArray data;
    for (const qint16 sample : samples) {
        char bytes[2];
        qToLittleEndian(sample, bytes);
        data.append(bytes, 2);
    }
    auto u32 = [](quint32 value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        return QByteArray(bytes, 4);
    };
    auto u16 = [](quint16 value) {
        char bytes[2];
        qToLittleEndian(value, bytes);
        return QByteArray(bytes, 2);
    };
    const QByteArray format = u16(encoding) + u16(1) + u32(8000) + u32(16000) + u16(2) + u16(bits);
    const QByteArray body = "WAVE" + QByteArray("fmt ") + u32(quint32(format.size())) + format +
                            "data" + u32(quint32(data.size())) + data;
    return "RIFF" + u32(quint32(body.size())) + body;
}
} // namespace

class TestScanSounds : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shippedSound_everySampleAtTheVolume_data();
    void shippedSound_everySampleAtTheVolume();
    void notAWellFormedPcmSound_refused_data();
    void notAWellFormedPcmSound_refused();
    void play_startsOnlyWhereThereIsASoundOutput();
};

void TestScanSounds::shippedSound_everySampleAtTheVolume_data()
{
    QTest::addColumn<QString>("resource");
    QTest::newRow("found") << QStringLiteral(":/quillfen/sounds/found.wav");
    QTest::newRow("not found") << QStringLiteral(":/quillfen/sounds/not-found.wav");
    QTest::newRow("invalid") << QStringLiteral(":/quillfen/sounds/invalid.wav");
}

void TestScanSounds::shippedSound_everySampleAtTheVolume()
{
    QFETCH(QString, resource);
    const QByteArray original = Resource(resource.toLatin1().constData());
    QVERIFY(original.size() > 44);
    const QByteArray quieter = WaveAtVolume(original, ScanSounds::kVolume);
    QCOMPARE(quieter.size(), original.size());
    // The shipped sounds are plain 44-byte-header PCM files (tools/make-sounds).
    QCOMPARE(quieter.first(44), original.first(44));
    int louder = 0;
    for (qsizetype i = 44; i + 1 < original.size(); i += 2) {
        const auto before = qFromLittleEndian<qint16>(original.constData() + i);
        const auto after = qFromLittleEndian<qint16>(quieter.constData() + i);
        QCOMPARE(after, qint16(std::lround(before * ScanSounds::kVolume)));
        louder += std::abs(before) > std::abs(after);
    }
    QVERIFY(louder > 0);
}

void TestScanSounds::notAWellFormedPcmSound_refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = MakeWave(1, 16, {1000, -1000, 32767, -32768});
    QVERIFY(!WaveAtVolume(good, 0.5f).isEmpty());
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not RIFF") << QByteArray("RIFX") + good.mid(4);
    QTest::newRow("not WAVE") << good.first(8) + "AVI " + good.mid(12);
    QTest::newRow("8-bit samples") << MakeWave(1, 8, {1000, -1000});
    QTest::newRow("compressed (ADPCM)") << MakeWave(2, 16, {1000, -1000});
    QTest::newRow("cut inside the data") << good.first(good.size() - 3);
    QTest::newRow("no data chunk") << good.first(good.indexOf("data"));
}

void TestScanSounds::notAWellFormedPcmSound_refused()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(WaveAtVolume(bytes, ScanSounds::kVolume), QByteArray());
}

void TestScanSounds::play_startsOnlyWhereThereIsASoundOutput()
{
    ScanSounds sounds;
    const bool output = waveOutGetNumDevs() > 0;
    QCOMPARE(sounds.play(ScanSignal::Found), output);
    QCOMPARE(sounds.play(ScanSignal::Invalid), output);
}

QTEST_GUILESS_MAIN(TestScanSounds)
#include "tst_scansounds.moc"
