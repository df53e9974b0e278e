// The product details window on the fakes: what it shows of a found row and of a row that found
// nothing, its picture whatever comes back, its keys, and its closing while a picture loads.
#include "support/Form1OnFakes.h"

#include <QTest>

namespace {
const QString kBase = QStringLiteral("http://127.0.0.1:9");
const QString kPicture = QStringLiteral("http://127.0.0.1:9/images/front.400.jpg");

AppConfig OpenFoodFactsOnly()
{
    AppConfig config;
    config.sources = QStringList{QStringLiteral("openfoodfacts")};
    config.openFoodFactsUrl = kBase;
    return config;
}

// Form1 on the fakes after a run over a found code, a code no database holds and a coupon.
struct Details : Form1OnFakes
{
    // rememberedPage: the found code's answer comes from the store, naming this page; `image` is
    // the picture's address a fresh answer gives.
    explicit Details(const QString& rememberedPage = {}, const QString& image = kPicture)
        : Form1OnFakes(OpenFoodFactsOnly())
    {
        if (!rememberedPage.isEmpty()) {
            StoredAnswer answer{true, QStringLiteral("Spread"), {}, {}, {}, clock.unixSeconds()};
            answer.details.pageUrl = rememberedPage;
            answer.details.description = QStringLiteral("<b>Hazelnuts</b>, sugar");
            answers.answers.insert(
                {QStringLiteral("openfoodfacts"), kBase, QStringLiteral("3800123400018")}, answer);
        }
        pageLoader.respond = [image](const QUrl& url) {
            if (!url.path().endsWith(u"3800123400018"))
                return FakeResponse(QStringLiteral("{\"status\":0}"));
            return FakeResponse(
                QString::fromLatin1(
                    "{\"status\":1,\"product\":{\"product_name\":\"Spread\",\"brands\":\"Hazel "
                    "Grove\","
                    "\"categories\":\"Spreads, Sweet spreads, Hazelnut spreads\",\"countries\":"
                    "\"France\",\"image_front_url\":\"") +
                image + QStringLiteral("\"}}"));
        };
        pictureLoader.respond = [this](const QUrl&) { return picture; };
        for (const char* code : {"3800123400018", "0823564706221", "9812345678902"})
            listView1.add(QString::fromLatin1(code));
        form.PushButton17_Click();
        messageBox.forget();
    }
    void open(int row)
    {
        listView2.select(row);
        form.ShowProductDetails();
    }

    FakeResponse picture{{}, {}, 1};
};
} // namespace

class TestProductDetails : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachRow_showsWhatIsKnownAndWhatTheCodeSays_data();
    void eachRow_showsWhatIsKnownAndWhatTheCodeSays();
    void picture_onlyAPictureIsShownAndRemembered_data();
    void picture_onlyAPictureIsShownAndRemembered();
    void keys_moveAndClose_theListKeepsItsOwn();
    void closedWhileThePictureLoads_itIsDropped();
    void pictureFromTheAnswer_onlyPublicHostsOrTheSourcesOwn_data();
    void pictureFromTheAnswer_onlyPublicHostsOrTheSourcesOwn();
    void pageLinkFromTheAnswer_openedOnlyOnThePublicWeb_data();
    void pageLinkFromTheAnswer_openedOnlyOnThePublicWeb();
    void retriedRow_showsItsNewAnswer();
    void fillGaps_savedInTheDialog_eachCompletedFieldNamesItsSource_data();
    void fillGaps_savedInTheDialog_eachCompletedFieldNamesItsSource();
    void filledPicture_onlyTheHostAndPortOfTheSourceThatGaveIt_data();
    void filledPicture_onlyTheHostAndPortOfTheSourceThatGaveIt();
};

void TestProductDetails::eachRow_showsWhatIsKnownAndWhatTheCodeSays_data()
{
    QTest::addColumn<QString>("rememberedPage");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("picture");
    QTest::newRow("found") << "" << 1
                           << "Spread | Brand: Hazel Grove | Categories: Sweet spreads, Hazelnut "
                              "spreads | Countries: France | Code: 3800123400018 | Kind of code: "
                              "EAN-13 | GS1 office: GS1 Bulgaria | Source: Open Food Facts, Open "
                              "Database License (ODbL) | http://127.0.0.1:9/product/3800123400018"
                           << "PNG";
    // The browser would open whatever the answer named: only a web page gets a link.
    for (const char* page : {"file:///etc/passwd", "javascript:alert(1)", "http://"})
        QTest::newRow(page)
            << page << 1
            << "Spread | Description: <b>Hazelnuts</b>, sugar | Code: 3800123400018 | Kind of "
               "code: EAN-13 | GS1 office: "
               "GS1 Bulgaria | Source: Open Food Facts, Open Database License (ODbL)"
            << "no picture";
    QTest::newRow("no record: what the code says")
        << "" << 2
        << "0823564706221 - no record found | Code: 0823564706221 | UPC: 823564706221 | Kind of "
           "code: EAN-13 | "
           "GS1 office: GS1 US"
        << "no picture";
    QTest::newRow("coupon, never looked up")
        << "" << 3
        << "9812345678902 - not looked up: a coupon code, not a product | Code: 9812345678902 | "
           "Kind of code: coupon"
        << "no picture";
}

void TestProductDetails::eachRow_showsWhatIsKnownAndWhatTheCodeSays()
{
    QFETCH(QString, rememberedPage);
    QFETCH(int, row);
    QFETCH(QString, shown);
    QFETCH(QString, picture);
    Details fake(rememberedPage);
    fake.picture.body = "PNG";
    fake.open(row);
    QVERIFY(fake.detailsWindow.isOpen());
    QCOMPARE(fake.detailsWindow.text(), shown);
    QCOMPARE(fake.detailsWindow.picture, picture);
    QCOMPARE(fake.pictureLoader.requested.size(), row == 1 && rememberedPage.isEmpty() ? 1 : 0);
}

void TestProductDetails::picture_onlyAPictureIsShownAndRemembered_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a picture") << 200 << QByteArray("JPEG") << ""
                               << "JPEG";
    QTest::newRow("not a picture") << 200 << QByteArray("<html>") << ""
                                   << "no picture";
    QTest::newRow("missing cover") << 404 << QByteArray("JPEG") << ""
                                   << "no picture";
    QTest::newRow("too large") << 0 << QByteArray() << "page too large"
                               << "no picture";
}

void TestProductDetails::picture_onlyAPictureIsShownAndRemembered()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, failure);
    QFETCH(QString, shown);
    Details fake;
    fake.picture = FakeResponse({}, failure, 1);
    fake.picture.status = status;
    fake.picture.body = body;
    fake.open(1);
    QCOMPARE(fake.detailsWindow.picture, shown);
    QCOMPARE(fake.messageBox.texts(), QStringList());
    const bool kept = shown != u"no picture";
    QCOMPARE(fake.pictures.kept.contains(kPicture), kept);
    // Opened again: a remembered picture is not fetched again, any other is.
    fake.open(1);
    QCOMPARE(fake.detailsWindow.picture, shown);
    QCOMPARE(fake.pictureLoader.requested.size(), kept ? 1 : 2);
}

void TestProductDetails::keys_moveAndClose_theListKeepsItsOwn()
{
    Details fake;
    fake.listView2.select(1);
    fake.form.ListView2_KeyDown(kKeyCodeEnter, 0);
    QCOMPARE(fake.detailsWindow.sheet.title, QStringLiteral("Spread"));
    fake.form.DetailsWindow_KeyDown(kKeyCodeUp); // the first row stays
    QCOMPARE(fake.detailsWindow.showings, 1);
    fake.form.DetailsWindow_KeyDown(kKeyCodeDown);
    fake.form.DetailsWindow_KeyDown(kKeyCodeDown);
    fake.form.DetailsWindow_KeyDown(kKeyCodeDown); // the last row stays
    QCOMPARE(fake.detailsWindow.showings, 3);
    QVERIFY(fake.detailsWindow.sheet.title.startsWith(u"9812345678902"));
    fake.form.DetailsWindow_LinkClick(); // no page for a coupon
    fake.form.DetailsWindow_KeyDown(kKeyCodeUp);
    fake.form.DetailsWindow_KeyDown(kKeyCodeUp);
    fake.form.DetailsWindow_LinkClick();
    QCOMPARE(fake.browser.opened, QStringList{"http://127.0.0.1:9/product/3800123400018"});
    // A browser that cannot be started says so.
    fake.browser.hook.failOnCall(u"open", 1, QStringLiteral("No browser"));
    fake.form.DetailsWindow_LinkClick();
    QCOMPARE(fake.messageBox.texts(), QStringList{"No browser"});
    fake.form.DetailsWindow_KeyDown(kKeyCodeEscape);
    QVERIFY(!fake.detailsWindow.isOpen());
    // Delete and double-click still remove rows.
    fake.form.ListView2_KeyDown(46, 0);
    fake.form.ListView2_DblClick();
    QCOMPARE(fake.listView2.count(), 1);
    QCOMPARE(fake.detailsWindow.showings, 5);
}

void TestProductDetails::closedWhileThePictureLoads_itIsDropped()
{
    Details fake;
    fake.picture = FakeResponse({}, {}, 3);
    fake.picture.body = "PNG";
    fake.eventLoop.onWait = [&fake] { fake.form.DetailsWindow_KeyDown(kKeyCodeEscape); };
    fake.open(1);
    fake.eventLoop.onWait = nullptr;
    QVERIFY(!fake.detailsWindow.isOpen());
    QCOMPARE(fake.detailsWindow.picture, QStringLiteral("loading"));
    QVERIFY(fake.pictures.kept.isEmpty());
}

void TestProductDetails::pictureFromTheAnswer_onlyPublicHostsOrTheSourcesOwn_data()
{
    QTest::addColumn<QString>("image");
    QTest::addColumn<bool>("asked");
    QTest::newRow("the source's own host, on loopback") << kPicture << true;
    QTest::newRow("a name: judged by the loader once looked up")
        << "https://images.example.org/front.jpg" << true;
    QTest::newRow("loopback, another host") << "http://127.0.0.2:9/front.jpg" << false;
    QTest::newRow("private") << "http://192.168.1.1/front.jpg" << false;
    QTest::newRow("private IPv6") << "http://[fd12::1]/front.jpg" << false;
    QTest::newRow("private inside IPv6") << "http://[::ffff:10.0.0.1]/front.jpg" << false;
    QTest::newRow("link-local") << "http://169.254.169.254/latest/meta-data" << false;
    QTest::newRow("unspecified") << "http://0.0.0.0:9/front.jpg" << false;
    QTest::newRow("not the web") << "file:///etc/passwd" << false;
}

void TestProductDetails::pictureFromTheAnswer_onlyPublicHostsOrTheSourcesOwn()
{
    QFETCH(QString, image);
    QFETCH(bool, asked);
    Details fake({}, image);
    fake.picture.body = "PNG";
    fake.open(1);
    QCOMPARE(fake.pictureLoader.requests.size(), asked ? 1 : 0);
    QCOMPARE(fake.detailsWindow.picture,
             asked ? QStringLiteral("PNG") : QStringLiteral("no picture"));
    if (asked) {
        // The loader is told the address came in an answer, and which hosts are the source's.
        QVERIFY(fake.pictureLoader.requests.constFirst().publicOnly);
        QCOMPARE(fake.pictureLoader.requests.constFirst().ownHosts, QStringList{"127.0.0.1:9"});
    }
}

void TestProductDetails::pageLinkFromTheAnswer_openedOnlyOnThePublicWeb_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("message"); // empty: the browser opens it
    QTest::newRow("the source's own host") << kBase + "/product/3800123400018"
                                           << "";
    QTest::newRow("a public name") << "https://world.openbeautyfacts.org/product/1"
                                   << "";
    QTest::newRow("private") << "http://192.168.1.1/admin"
                             << "http://192.168.1.1/admin was not opened: not a public address: "
                                "192.168.1.1 (a private address).";
    QTest::newRow("link-local") << "http://[fe80::1]/"
                                << "http://[fe80::1]/ was not opened: not a public address: "
                                   "fe80::1 (a link-local address).";
}

// The link comes from a remembered answer here (whatever a database once said, or whatever the
// file now holds).
void TestProductDetails::pageLinkFromTheAnswer_openedOnlyOnThePublicWeb()
{
    QFETCH(QString, page);
    QFETCH(QString, message);
    Details fake(page);
    fake.open(1);
    fake.form.DetailsWindow_LinkClick();
    QCOMPARE(fake.messageBox.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(fake.browser.opened, message.isEmpty() ? QStringList{page} : QStringList());
}

// The details window reads the run's own outcomes: a failed row it has shown, once retried and
// found, shows the product.
void TestProductDetails::retriedRow_showsItsNewAnswer()
{
    Form1OnFakes fake(OpenFoodFactsOnly());
    int calls = 0;
    fake.pageLoader.respond = [&](const QUrl&) {
        if (++calls == 1)
            return FakeResponse({}, QStringLiteral("connection refused"));
        return FakeResponse(QStringLiteral(
            "{\"status\":1,\"product\":{\"product_name\":\"Spread\",\"brands\":\"Grove\"}}"));
    };
    fake.listView1.add(QStringLiteral("3800123400018"));
    const auto shown = [&] {
        fake.listView2.select(1);
        fake.form.ShowProductDetails();
        return fake.detailsWindow.text().section(QStringLiteral(" | "), 0, 1);
    };
    fake.form.PushButton17_Click();
    const QString failedRow = fake.listView2.text(1);
    QCOMPARE(shown(), failedRow + QStringLiteral(" | Code: 3800123400018"));
    fake.form.RetryFailedRows();
    QCOMPARE(shown(), QStringLiteral("Spread | Brand: Grove"));
}

void TestProductDetails::fillGaps_savedInTheDialog_eachCompletedFieldNamesItsSource_data()
{
    QTest::addColumn<bool>("fill");
    QTest::addColumn<QString>("shown");
    QTest::newRow("off") << false << "Spread | Quantity: 400 g | Code: 3800123400018";
    QTest::newRow("on") << true
                        << "Spread | Brand: Hazel Grove (UPCitemdb) | Quantity: 400 g | Picture: "
                           "UPCitemdb | Code: 3800123400018";
}

void TestProductDetails::fillGaps_savedInTheDialog_eachCompletedFieldNamesItsSource()
{
    QFETCH(bool, fill);
    QFETCH(QString, shown);
    AppConfig config = OpenFoodFactsOnly();
    config.sources.append(QStringLiteral("upcitemdb"));
    config.upcItemDbUrl = QStringLiteral("http://127.0.0.1:8");
    Form1OnFakes fake(config);
    // What the Sources dialog saved, unticked or ticked.
    fake.sourcesDialog.tries = {[fill](SourcesDialogState& state) { state.fillGaps = fill; }};
    fake.settings.values.insert(QStringLiteral("Zandrik/Quillfen/Fill Gaps"),
                                fill ? QStringLiteral("0") : QStringLiteral("1"));
    fake.form.EditSources();
    fake.pageLoader.respond = [](const QUrl& url) {
        if (url.port() == 8)
            return FakeResponse(QStringLiteral(
                R"({"code": "OK", "items": [{"title": "Nut spread", "brand": "Hazel Grove",
                    "images": ["http://127.0.0.1:8/p.jpg"]}]})"));
        return FakeResponse(QStringLiteral(
            R"({"status": 1, "product": {"product_name": "Spread", "quantity": "400 g"}})"));
    };
    fake.listView1.add(QStringLiteral("3800123400018"));
    fake.form.PushButton17_Click();
    fake.listView2.select(1);
    fake.form.ShowProductDetails();
    const QString text = fake.detailsWindow.text();
    QVERIFY2(text.startsWith(shown), qPrintable(text));
    QVERIFY2(
        text.contains(fill ? u"Source: Open Food Facts + UPCitemdb" : u"Source: Open Food Facts,"),
        qPrintable(text));
}

void TestProductDetails::filledPicture_onlyTheHostAndPortOfTheSourceThatGaveIt_data()
{
    // Open Food Facts finds the product at 127.0.0.1:9 without a picture; UPCitemdb, at
    // 127.0.0.2:8, fills the picture in.
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("asked");
    QTest::newRow("the giver's own host and port") << "http://127.0.0.2:8/p.jpg" << true;
    QTest::newRow("the giver's host, another port") << "http://127.0.0.2:7/p.jpg" << false;
    QTest::newRow("the finder's host, a third port") << "http://127.0.0.1:7/p.jpg" << false;
    QTest::newRow("the finder's own host and port") << "http://127.0.0.1:9/p.jpg" << false;
}

void TestProductDetails::filledPicture_onlyTheHostAndPortOfTheSourceThatGaveIt()
{
    QFETCH(QString, picture);
    QFETCH(bool, asked);
    AppConfig config = OpenFoodFactsOnly();
    config.sources.append(QStringLiteral("upcitemdb"));
    config.upcItemDbUrl = QStringLiteral("http://127.0.0.2:8");
    config.fillGaps = true;
    Form1OnFakes fake(config);
    fake.pageLoader.respond = [picture](const QUrl& url) {
        if (url.host() == u"127.0.0.2")
            return FakeResponse(QStringLiteral(R"({"code": "OK", "items": [{"title": "Nut spread",
                "brand": "Hazel Grove", "images": [")") +
                                picture + QStringLiteral(R"("]}]})"));
        return FakeResponse(QStringLiteral(
            R"({"status": 1, "product": {"product_name": "Spread", "quantity": "400 g"}})"));
    };
    fake.pictureLoader.respond = [](const QUrl&) { return FakeResponse{{}, {}, 1}; };
    fake.listView1.add(QStringLiteral("3800123400018"));
    fake.form.PushButton17_Click();
    fake.listView2.select(1);
    fake.form.ShowProductDetails();
    QVERIFY2(fake.detailsWindow.text().contains(u"Picture: UPCitemdb"),
             qPrintable(fake.detailsWindow.text()));
    QCOMPARE(fake.pictureLoader.requests.size(), asked ? 1 : 0);
    if (asked)
        QCOMPARE(fake.pictureLoader.requests.constFirst().ownHosts, QStringList{"127.0.0.2:8"});
}

QTEST_GUILESS_MAIN(TestProductDetails)
#include "tst_productdetails.moc"
