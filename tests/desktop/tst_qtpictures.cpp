// The details window's pictures as the program has them: the stand-ins' pictures through the
// pictures' own loader into the real window, and the store on disk with its cap.
#include "SampleServiceProcess.h"
#include "app/window/ProductDetailsView.h"
#include "desktop/network/QtPageLoader.h"
#include "desktop/storage/QtPictureStore.h"
#include "desktop/system/QtEventLoop.h"
#include "desktop/window/QtDetailsWindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

class TestQtPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void standInPictures_onlyRealOnesShown_data();
    void standInPictures_onlyRealOnesShown();
    void store_overItsCap_leastRecentlyUsedGoFirst();
};

void TestQtPictures::standInPictures_onlyRealOnesShown_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("shown");
    QTest::newRow("JPEG") << "/images/products/380/012/340/0018/front_en.3.400.jpg"
                          << "" << 200 << true;
    QTest::newRow("PNG") << "/images/products/405/271/893/3107/front_de.5.400.png"
                         << "" << 200 << true;
    QTest::newRow("broken") << "/images/products/501/234/987/6500/broken.400.jpg"
                            << "" << 200 << false;
    QTest::newRow("over 10 MB") << "/images/products/006/275/103/8817/huge.400.jpg"
                                << "page too large" << 0 << false;
    QTest::newRow("missing cover") << "/b/id/1002-M.jpg"
                                   << "" << 404 << false;
}

void TestQtPictures::standInPictures_onlyRealOnesShown()
{
    QFETCH(QString, path);
    QFETCH(QString, failure);
    QFETCH(int, status);
    QFETCH(bool, shown);
    SampleServiceProcess service;
    QVERIFY2(service.start(), qPrintable(service.errorString()));
    QtPageLoader loader(
        QtPageLoader::Limits{.maxPageBytes = kLargestPictureBytes, .loopbackOnly = true});
    QtEventLoop loop;
    const auto page = loader.start(PageRequest{QUrl(service.baseUrl() + path), {}, 5});
    while (!page->isComplete())
        loop.waitForEvents();
    const PageResponse response = page->response();
    QCOMPARE(response.failure, failure);
    QCOMPARE(response.status, status);
    QtDetailsWindow window(nullptr);
    window.show(ProductSheet{QStringLiteral("Spread"), {}, {}});
    QCOMPARE(window.picture()->text(), QStringLiteral("Loading picture\u2026"));
    QCOMPARE(window.showPicture(response.body), shown);
    QCOMPARE(window.picture()->text(), shown ? QString() : QStringLiteral("no picture"));
    // A screen reader hears whether there is a picture, and of what.
    QCOMPARE(window.picture()->accessibleName(),
             shown ? QStringLiteral("Picture of Spread") : QStringLiteral("no picture"));
}

void TestQtPictures::store_overItsCap_leastRecentlyUsedGoFirst()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("pictures"));
    QtPictureStore store(folder, 2500, 2000);
    const QByteArray kilobyte(1000, 'x');
    QVERIFY(!store.find(QStringLiteral("http://127.0.0.1:9/a")));
    store.store(QStringLiteral("http://127.0.0.1:9/a"), kilobyte);
    QTest::qWait(20); // file times are what orders them
    store.store(QStringLiteral("http://127.0.0.1:9/b"), kilobyte);
    QTest::qWait(20);
    QCOMPARE(store.find(QStringLiteral("http://127.0.0.1:9/a")), kilobyte); // a used after b
    QTest::qWait(20);
    store.store(QStringLiteral("http://127.0.0.1:9/c"), kilobyte);
    QVERIFY(store.find(QStringLiteral("http://127.0.0.1:9/a")));
    QVERIFY(!store.find(QStringLiteral("http://127.0.0.1:9/b")));
    QVERIFY(store.find(QStringLiteral("http://127.0.0.1:9/c")));
    store.store(QStringLiteral("http://127.0.0.1:9/d"), QByteArray(2001, 'y')); // over a picture
    QVERIFY(!store.find(QStringLiteral("http://127.0.0.1:9/d")));
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);
    // One put there by other means, past the largest picture, is not read back.
    QtPictureStore roomier(folder, 5000, 5000);
    roomier.store(QStringLiteral("http://127.0.0.1:9/e"), QByteArray(2001, 'z'));
    QVERIFY(roomier.find(QStringLiteral("http://127.0.0.1:9/e")));
    QVERIFY(!store.find(QStringLiteral("http://127.0.0.1:9/e")));
}

QTEST_MAIN(TestQtPictures)
#include "tst_qtpictures.moc"
