// Pictures saved to a folder as the program saves them: from the stand-in's pictures, through the
// pictures' own loader (libcurl's), into a folder on disk, read back from there.
#include "SampleServiceProcess.h"
#include "common/OperationFailed.h"
#include "common/PublicAddress.h"
#include "desktop/barcodes/QtPictureFiles.h"
#include "desktop/files/QtFileSystem.h"
#include "desktop/files/QtFolderFiles.h"
#include "desktop/network/CurlPageLoader.h"
#include "desktop/system/QtClock.h"
#include "desktop/system/QtEventLoop.h"
#include "listings/PictureFetch.h"
#include "listings/PictureFolder.h"
#include "listings/PictureManifest.h"
#include "lookup/LookupChain.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The loader with every address it was asked for.
class CountingLoader final : public PageLoader
{
public:
    explicit CountingLoader(PageLoader& loader)
        : m_loader(loader)
    {}
    std::unique_ptr<PendingPage> start(const PageRequest& request) override
    {
        asked.append(request.url.path().section(u'/', -1));
        return m_loader.start(request);
    }
    QString refusal(const QUrl& url) const override { return m_loader.refusal(url); }

    QStringList asked;

private:
    PageLoader& m_loader;
};

struct Picture
{
    const char* file; // what the stand-in serves, by its name
    const char* gtin;
    bool ownHostByName; // the source lives at "localhost", not at 127.0.0.1
    PictureFolder::Saving saving;
    const char* saved; // the file in the folder, or the reason it failed
};

// The table: what each picture is, and what becomes of it.
const Picture kPictures[] = {
    {"front.400.jpg", "4006381333931", false, PictureFolder::Saving::Saved, "4006381333931.jpg"},
    {"png-as-jpeg.400.jpg", "40084060", false, PictureFolder::Saving::Saved, "40084060.png"},
    {"front.400.webp", "96385074", false, PictureFolder::Saving::Saved, "96385074.webp"},
    {"page.400.jpg", "5000112637922", false, PictureFolder::Saving::Failed, "not a picture"},
    {"missing.400.jpg", "3800123400018", false, PictureFolder::Saving::Failed, "HTTP 404"},
    {"endless.400.jpg", "5900308246283", false, PictureFolder::Saving::Failed, "page too large"},
    {"to-loopback.400.jpg", "4088600101002", true, PictureFolder::Saving::Failed,
     "not a public address: 127.0.0.1 (a loopback address)"},
    // A link of the user's stands under this one's name, leading out of the folder.
    {"front.401.jpg", "0823564706221", false, PictureFolder::Saving::KeptYours, ""},
};

// A picture of that size in that format, transparent but for a red square in the middle.
QByteArray PictureOf(QSize size, const char* format)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = size.height() / 4; y < size.height() * 3 / 4; ++y) {
        for (int x = size.width() / 4; x < size.width() * 3 / 4; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A PNG whose header claims 60,000 x 60,000 pixels: some 14 GB to decode. Its header is read up
// to the first pixels' chunk, which need not hold any.
QByteArray HugePng()
{
    const auto big = [](quint32 value) {
        QByteArray bytes(4, '\0');
        for (int i = 0; i < 4; ++i)
            bytes[i] = char((value >> (24 - 8 * i)) & 0xFF);
        return bytes;
    };
    const auto chunk = [&big](const QByteArray& typeAndData) -> QByteArray {
        quint32 crc = 0xFFFFFFFF;
        for (const char byte : typeAndData) {
            crc ^= quint8(byte);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
        }
        return big(quint32(typeAndData.size() - 4)) + typeAndData + big(~crc);
    };
    return QByteArray("\x89PNG\r\n\x1A\n") +
           chunk("IHDR" + big(60'000) + big(60'000) + QByteArray("\x08\x06\0\0\0", 5)) +
           chunk("IDAT") + chunk("IEND");
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestPictureSaving : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void standIn_rightFilesListedByTheirBytesAndASecondRunAsksNothing();
    void scaledDown_longestSideKeptInProportionAsJpeg_data();
    void scaledDown_longestSideKeptInProportionAsJpeg();
};

void TestPictureSaving::standIn_rightFilesListedByTheirBytesAndASecondRunAsksNothing()
{
    SampleServiceProcess service;
    QVERIFY2(service.start(), qPrintable(service.errorString()));
    const QUrl base(service.baseUrl());
    // "localhost" is a name, which the loopback guard would refuse before looking it up; only
    // loopback exists in this namespace, whatever the loader does.
    struct Unguarded
    {
        QByteArray guard = qgetenv("QUILLFEN_LOOPBACK_ONLY");
        Unguarded() { qunsetenv("QUILLFEN_LOOPBACK_ONLY"); }
        ~Unguarded() { qputenv("QUILLFEN_LOOPBACK_ONLY", guard); }
    } unguarded;
    QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral("shop"));
    const QString outside = home.filePath(QStringLiteral("outside.jpg"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::link(outside, folder + QStringLiteral("/0823564706221.jpg")));

    CurlPageLoader curl(CurlPageLoader::Limits{.maxPageBytes = kLargestPictureBytes});
    CountingLoader loader(curl);
    QtEventLoop loop;
    QtClock clock;
    QtFileSystem files;
    QtFolderFiles folderFiles;
    QtPictureFiles pictureFiles;
    std::vector<CodeOutcome> outcomes;
    for (const Picture& picture : kPictures) {
        CodeOutcome outcome;
        outcome.status = CodeOutcome::Status::Found;
        outcome.gtin = QString::fromLatin1(picture.gtin);
        outcome.source = QStringLiteral("Open Food Facts");
        QUrl address = base;
        if (picture.ownHostByName)
            address.setHost(QStringLiteral("localhost"));
        address.setPath(QStringLiteral("/images/products/") + outcome.gtin + u'/' +
                        QString::fromLatin1(picture.file));
        outcome.product.details.imageUrl = address.toString();
        outcome.pictureHosts = QStringList{HostAndPort(address)};
        outcomes.push_back(outcome);
    }

    const auto run = [&] {
        PictureFetch fetch(PictureFetchServices{loader, loop, clock, nullptr}, 0);
        PictureFolder saving(folder,
                             PictureFolderServices{files, folderFiles, fetch, &pictureFiles, true});
        std::vector<PictureFolder::Saving> savings;
        for (const CodeOutcome& outcome : outcomes)
            savings.push_back(saving.save(outcome));
        saving.finish();
        return std::pair(savings, saving.tally());
    };
    const auto [savings, tally] = run();
    for (std::size_t i = 0; i < std::size(kPictures); ++i) {
        const Picture& picture = kPictures[i];
        QVERIFY2(savings[i] == picture.saving, picture.file);
        if (picture.saving == PictureFolder::Saving::Failed)
            QVERIFY2(tally.failures.contains(QString::fromLatin1(picture.saved)),
                     qPrintable(QStringList(tally.failures.keys()).join(u'|')));
    }
    QCOMPARE(tally.failures.size(), 4);
    // Nothing was written through the link.
    QVERIFY(!QFileInfo::exists(outside));

    // The folder holds the pictures and their list, the list their names, sizes and SHA-256.
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden);
    names.sort();
    QCOMPARE(names, (QStringList{"0823564706221.jpg", "4006381333931.jpg", "40084060.png",
                                 "96385074.webp", "pictures.csv"}));
    const std::optional<QList<PictureManifestRow>> listed =
        ReadPictureManifest(Read(folder + QStringLiteral("/pictures.csv")));
    QVERIFY(listed);
    QStringList files_;
    for (const PictureManifestRow& row : *listed) {
        const QByteArray bytes = Read(folder + u'/' + row.file);
        QCOMPARE(row.bytes, bytes.size());
        QCOMPARE(row.sha256,
                 QString::fromLatin1(
                     QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex()));
        QCOMPARE(row.source, QStringLiteral("Open Food Facts"));
        files_.append(row.file);
    }
    QCOMPARE(files_, (QStringList{"4006381333931.jpg", "40084060.png", "96385074.webp"}));
    QCOMPARE(Read(folder + QStringLiteral("/40084060.png")).left(4), QByteArray("\x89PNG"));

    // A second run asks again only for what it could not save.
    loader.asked.clear();
    const QByteArray list = Read(folder + QStringLiteral("/pictures.csv"));
    const auto [again, secondTally] = run();
    QCOMPARE(secondTally.alreadyThere, 3);
    QCOMPARE(loader.asked, (QStringList{"page.400.jpg", "missing.400.jpg", "endless.400.jpg",
                                        "to-loopback.400.jpg", "front.401.jpg"}));
    QCOMPARE(Read(folder + QStringLiteral("/pictures.csv")), list);
}

void TestPictureSaving::scaledDown_longestSideKeptInProportionAsJpeg_data()
{
    QTest::addColumn<QByteArray>("picture");
    QTest::addColumn<QSize>("scaled"); // invalid: left as it is
    QTest::addColumn<QString>("failure");
    QTest::newRow("PNG, wide, transparent")
        << PictureOf({3000, 1500}, "PNG") << QSize(1200, 600) << QString();
    QTest::newRow("JPEG, tall") << PictureOf({900, 1800}, "JPEG") << QSize(600, 1200) << QString();
    QTest::newRow("small enough") << PictureOf({1200, 800}, "PNG") << QSize() << QString();
    QTest::newRow("too large to decode")
        << HugePng() << QSize() << QStringLiteral("the picture is too large to decode");
}

void TestPictureSaving::scaledDown_longestSideKeptInProportionAsJpeg()
{
    QFETCH(QByteArray, picture);
    QFETCH(QSize, scaled);
    QFETCH(QString, failure);
    QtPictureFiles pictures;
    std::optional<QByteArray> smaller;
    try {
        smaller = pictures.scaledDown(picture, 1200);
        QVERIFY(failure.isEmpty());
    } catch (const OperationFailed& refused) {
        QCOMPARE(refused.description(), failure);
        return;
    }
    QCOMPARE(smaller.has_value(), scaled.isValid());
    if (!smaller)
        return;
    QVERIFY(smaller->startsWith("\xFF\xD8\xFF"));
    const QImage image = QImage::fromData(*smaller, "JPEG");
    QCOMPARE(image.size(), scaled);
    // What was transparent is white; the middle keeps its colour.
    if (QImage::fromData(picture).hasAlphaChannel())
        QVERIFY(qRed(image.pixel(2, 2)) > 240 && qGreen(image.pixel(2, 2)) > 240);
    const QRgb middle = image.pixel(scaled.width() / 2, scaled.height() / 2);
    QVERIFY(qRed(middle) > 200 && qGreen(middle) < 60);
}

QTEST_GUILESS_MAIN(TestPictureSaving)
#include "tst_picturesaving.moc"
