// Listings on fakes: a shop's file made from the answers and the user's own columns (its handles,
// its prices, its columns, its cells), and the pictures saved to a folder by their rules, from
// batch mode and from the window.
#include "app/batch/BatchCommand.h"
#include "fakes/FakeBatchConsole.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeStopSignals.h"
#include "listings/PictureFetch.h"
#include "listings/PictureFolder.h"
#include "listings/PictureKind.h"
#include "listings/PictureManifest.h"
#include "listings/ShopFile.h"
#include "lookup/LookupChain.h"
#include "support/Form1OnFakes.h"
#include "support/LoopbackConfig.h"

#include <QCryptographicHash>
#include <QTest>

namespace {
const QByteArray kJpeg = "\xFF\xD8\xFF\xE0 a JPEG";
const QByteArray kPng = "\x89PNG\r\n\x1A\n a PNG";

// A product as Open Food Facts' stand-in gives it, with a picture on a host of its own.
FakeResponse FoodProduct(const QString& name, const QString& picture = {})
{
    return FakeResponse{QStringLiteral(R"({"status":1,"product":{"product_name":"%1",)"
                                       R"("brands":"Morrow","image_front_url":"%2"}})")
                            .arg(name, picture)};
}

// A found outcome of that name, GTIN and picture.
CodeOutcome Found(const QString& name, const QString& gtin = QStringLiteral("4006381333931"),
                  const QString& picture = {})
{
    CodeOutcome outcome;
    outcome.status = CodeOutcome::Status::Found;
    outcome.code = gtin;
    outcome.gtin = gtin;
    outcome.source = QStringLiteral("Open Food Facts");
    outcome.product.name = name;
    outcome.product.details.imageUrl = picture;
    return outcome;
}

// One workbook of one sheet, its rows given as the sheet's XML.
FakeZipArchives::Entries Workbook(const QByteArray& rows)
{
    const QByteArray ns = " xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\""
                          " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                          "relationships\"";
    FakeZipArchives::Entries parts;
    parts["xl/workbook.xml"].bytes =
        "<workbook" + ns +
        "><sheets><sheet name=\"List\" sheetId=\"1\" r:id=\"rId1\"/></sheets>"
        "</workbook>";
    parts["xl/_rels/workbook.xml.rels"].bytes =
        "<Relationships><Relationship Id=\"rId1\" Target=\"worksheets/sheet1.xml\"/>"
        "</Relationships>";
    parts["xl/worksheets/sheet1.xml"].bytes =
        "<worksheet" + ns + "><sheetData>" + rows + "</sheetData></worksheet>";
    return parts;
}

// A row of inline text cells, from column A; an empty text leaves its cell out.
QByteArray TextRow(int row, const QStringList& cells)
{
    QByteArray xml = "<row r=\"" + QByteArray::number(row) + "\">";
    for (qsizetype c = 0; c < cells.size(); ++c) {
        if (cells[c].isEmpty())
            continue;
        const QByteArray at = QByteArray(1, char('A' + c)) + QByteArray::number(row);
        xml += cells[c].startsWith(u'<') ? cells[c].toUtf8().replace("@", at)
                                         : "<c r=\"" + at + "\" t=\"inlineStr\"><is><t>" +
                                               cells[c].toUtf8() + "</t></is></c>";
    }
    return xml + "</row>";
}

QString Sha256(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// The cells of a CSV line that holds no quoted comma.
QStringList Cells(const QByteArray& line, char separator = ',')
{
    QStringList cells;
    for (const QByteArray& cell : line.trimmed().split(separator))
        cells.append(QString::fromUtf8(cell));
    return cells;
}
} // namespace

class TestListings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // ---- A shop's file ----
    void handles_asciiWordsUniqueInTheFile_data();
    void handles_asciiWordsUniqueInTheFile();
    void headers_eachShopsOwnInItsOrder_data();
    void headers_eachShopsOwnInItsOrder();
    void cells_plainTextHtmlEscapedNeverAFormula();
    void gtin_canonicalInBarcodeAndFileOneProductForEveryForm();
    void prices_asTheCellHoldsThemElseEmptyAndCounted();
    void columns_twoThatCouldBeThePriceAreNamedOrAsked();

    // ---- Pictures in a folder ----
    void kind_judgedFromTheBytes_data();
    void kind_judgedFromTheBytes();
    void folder_yourFilesStayItsOwnAreReplaced();
    void folder_aListThatIsNotOursIsLeftAlone();
    void pictureSize_largerOnesScaledToJpeg();
    void picturesOnly_remembersAndAsksNoSource();
    void window_savePicturesOfEveryFoundRowThenStop();

private:
    // A batch run on the fakes, its pictures through the fakes too.
    struct Batching : FakePlatform
    {
        Batching()
        {
            config.mode = RunMode::Batch;
            config.sources = QStringList{SourceName::OpenFoodFacts.toString()};
            config.perMinute.insert(QStringLiteral("pictures"), 60'000);
        }
        int run()
        {
            const BatchPictureServices picturesSaved{pictureLoader, folderFiles, pictures,
                                                     pictureFiles};
            return RunBatch(config, BatchServices{
                                        .files = files,
                                        .console = console,
                                        .outputs = outputFiles,
                                        .stopSignals = stopSignals,
                                        .settings = settings,
                                        .pages = pageLoader,
                                        .eventLoop = eventLoop,
                                        .clock = clock,
                                        .answers = answers,
                                        .index = productIndex,
                                        .zips = &zips,
                                        .pictures = &picturesSaved,
                                    });
        }
        // Open Food Facts answering these products by code; any other is not found.
        void products(const QHash<QString, FakeResponse>& known)
        {
            pageLoader.respond = [known](const QUrl& address) {
                return known.value(address.path().section(u'/', -1),
                                   FakeResponse{QStringLiteral(R"({"status":0})")});
            };
        }
        void sheet(const QByteArray& rows)
        {
            zips.archives.insert(QStringLiteral("list.xlsx"), Workbook(rows));
            files.contents.insert(QStringLiteral("list.xlsx"), "PK\x03\x04");
            config.batch.inputs = QStringList{QStringLiteral("list.xlsx")};
        }

        AppConfig config = LoopbackConfig();
        FakeBatchConsole console;
        FakeStopSignals stopSignals;
    };

    // A picture folder on the fakes.
    struct Folder : FakePlatform
    {
        PictureFolder open(int size = 0)
        {
            return PictureFolder(QStringLiteral("/p"),
                                 PictureFolderServices{files, folderFiles, fetch, &pictureFiles},
                                 size);
        }
        PictureFetch fetch{PictureFetchServices{pictureLoader, eventLoop, clock, nullptr}, 0};
    };
};

// ---- A shop's file ----

void TestListings::handles_asciiWordsUniqueInTheFile_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("handles");
    QTest::newRow("accents") << QStringList{"Crème Brûlée à l'Ancienne", "Straße Æble Ørn"}
                             << QStringList{"creme-brulee-a-l-ancienne", "strasse-aeble-orn"};
    QTest::newRow("emoji") << QStringList{"Tea 🍵 Time ☕", "🍵🍵", "緑茶 Green"}
                           << QStringList{"tea-time", "4006381333931", "green"};
    const QString word = QStringLiteral("Hazelnut ");
    QString longName;
    while (longName.size() < 300)
        longName += word;
    QString cut = longName.toLower().trimmed().replace(u' ', u'-').left(kLongestHandle);
    cut.truncate(cut.lastIndexOf(u'-'));
    QTest::newRow("300 characters") << QStringList{longName.trimmed()} << QStringList{cut};
    QTest::newRow("the same name") << QStringList{"Mint Drops", "Mint  drops!", "Mint Drops 2"}
                                   << QStringList{"mint-drops", "mint-drops-2", "mint-drops-2-2"};
}

void TestListings::handles_asciiWordsUniqueInTheFile()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, handles);
    ShopFileWriter writer(OutcomeFormat::Shopify, {});
    QStringList made;
    for (const QString& name : names)
        made.append(Cells(writer.row(Found(name), {}, {})).constFirst());
    QCOMPARE(made, handles);
}

void TestListings::headers_eachShopsOwnInItsOrder_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QByteArray>("product");
    QTest::newRow("shopify")
        << "shopify"
        << QByteArray("Handle,Title,Body (HTML),Vendor,Product Category,Type,Tags,Published,"
                      "Variant SKU,Variant Price,Variant Inventory Qty,Variant Barcode,Image Src,"
                      "Image Alt Text,Status\r\n")
        << QByteArray("mint-drops,Mint Drops,,Morrow,,,,FALSE,,,,40084060,"
                      "http://img.example/m.jpg,Mint Drops,draft\r\n");
    QTest::newRow("woocommerce")
        << "woocommerce"
        << QByteArray("Type,SKU,\"GTIN, UPC, EAN, or ISBN\",Name,Published,Short description,"
                      "Regular price,Stock,Categories,Images,Brands\r\n")
        << QByteArray("simple,,40084060,Mint Drops,0,,,,,http://img.example/m.jpg,Morrow\r\n");
    QTest::newRow("merchant")
        << "merchant"
        << QByteArray("id\ttitle\tdescription\tlink\timage_link\tavailability\tprice\tbrand\tgtin\t"
                      "condition\n")
        << QByteArray("40084060\tMint Drops\tMint Drops\t\thttp://img.example/m.jpg\tout_of_stock\t"
                      "\tMorrow\t40084060\tnew\n");
}

void TestListings::headers_eachShopsOwnInItsOrder()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, header);
    QFETCH(QByteArray, product);
    Batching fake;
    fake.files.contents.insert(QStringLiteral("codes.txt"), "40084060\n0823564706221\n");
    fake.config.batch.inputs = QStringList{QStringLiteral("codes.txt")};
    fake.config.batch.format = format;
    fake.products(
        {{QStringLiteral("40084060"),
          FoodProduct(QStringLiteral("Mint Drops"), QStringLiteral("http://img.example/m.jpg"))}});
    QCOMPARE(fake.run(), kBatchAnswered);
    QCOMPARE(fake.console.output, header + product);
    QVERIFY2(fake.console.errors.contains(u"Shop file: 1 products. Left out: 1 not found, 0 "
                                          u"failed, 0 not looked up, 0 without a name."),
             qPrintable(fake.console.errors));
}

void TestListings::cells_plainTextHtmlEscapedNeverAFormula()
{
    CodeOutcome product = Found(QStringLiteral("=HYPERLINK(\"http://x\")"));
    product.product.brand = QStringLiteral("+Brand");
    product.product.details.description = QStringLiteral("<b>Nuts</b> & more\r\n\tSecond line");
    product.product.details.categories = QStringLiteral("Spreads, @Cocoa spreads");
    product.product.details.imageUrl = QStringLiteral("javascript:alert(1)");
    ShopFileWriter shopify(OutcomeFormat::Shopify, {});
    QCOMPARE(
        shopify.row(product, {}, {}),
        QByteArray("hyperlink-http-x,\"'=HYPERLINK(\"\"http://x\"\")\",&lt;b&gt;Nuts&lt;/b&gt; "
                   "&amp; more<br>\tSecond line,'+Brand,,'@Cocoa spreads,"
                   "\"Spreads, @Cocoa spreads\",FALSE,,,,4006381333931,,"
                   "\"'=HYPERLINK(\"\"http://x\"\")\",draft\r\n"));
    // A feed holds no tab or line break inside a value, and quotes nothing.
    ShopFileWriter merchant(OutcomeFormat::Merchant, {{}, QStringLiteral("EUR")});
    QCOMPARE(
        merchant.row(product, ShopUserValues{QStringLiteral("12.50"), {}, {}, false, false}, {}),
        QByteArray("4006381333931\t'=HYPERLINK(\"http://x\")\t<b>Nuts</b> & more   Second "
                   "line\t\t\tout_of_stock\t12.50 EUR\t'+Brand\t4006381333931\tnew\n"));
}

void TestListings::gtin_canonicalInBarcodeAndFileOneProductForEveryForm()
{
    Batching fake;
    // One product typed as its UPC-A, as its GTIN-14 and as its EAN-13.
    fake.files.contents.insert(QStringLiteral("codes.txt"),
                               "012345678905\n00012345678905\n0012345678905\n");
    fake.config.batch.inputs = QStringList{QStringLiteral("codes.txt")};
    fake.config.batch.format = QStringLiteral("shopify");
    fake.config.batch.listing.picturesDir = QStringLiteral("/shop");
    fake.config.batch.listing.picturesBaseUrl = QStringLiteral("https://cdn.example/p");
    fake.pageLoader.respond = [](const QUrl&) {
        return FoodProduct(QStringLiteral("Mint"), QStringLiteral("http://img.example/m"));
    };
    fake.pictureLoader.respond = [](const QUrl&) {
        FakeResponse response;
        response.body = kPng;
        return response;
    };
    QCOMPARE(fake.run(), kBatchAnswered);
    const QList<QByteArray> lines = fake.console.output.split('\n');
    QCOMPARE(lines.size(), 3); // the header, one product, the end
    QCOMPARE(Cells(lines[1]).mid(11, 2),
             (QStringList{"0012345678905", "https://cdn.example/p/0012345678905.png"}));
    QCOMPARE(fake.files.contents.value(QStringLiteral("/shop/0012345678905.png")), kPng);
    QCOMPARE(fake.pictureLoader.requested.size(), 1);
    QVERIFY2(fake.console.errors.contains(u"Shop file: 1 products. Left out: 0 not found, 0 "
                                          u"failed, 0 not looked up, 0 without a name. Rows of a "
                                          u"product already in the file, left out: 2."),
             qPrintable(fake.console.errors));
}

void TestListings::prices_asTheCellHoldsThemElseEmptyAndCounted()
{
    Batching fake;
    // Header words in German; a price in each way a sheet holds one.
    fake.sheet(TextRow(1, {"EAN", "Bezeichnung", "Preis", "Art.-Nr.", "Lagerbestand"}) +
               TextRow(2, {"40084060", "Minze", "1.234,50", "A-1", "3"}) +
               TextRow(3, {"96385074", "Tee", "1,234.50", "A-2", "0"}) +
               TextRow(4, {"4006381333931", "Stift", "<c r=\"@\"><v>12</v></c>", "A-3", "1.200"}) +
               TextRow(5, {"5000112637922", "Kekse", "ab", "A-4", "2,5"}) +
               TextRow(6, {"3800123400018", "Creme", "<c r=\"@\"><f>C4*2+0.5</f><v>24.5</v></c>",
                           "<c r=\"@\"><v>1001</v></c>", "7"}) +
               TextRow(7, {"0823564706221", "Unbekannt", "9,99", "A-6", "1"}) +
               TextRow(8, {"4088600101002", "Mehrdeutig", "1,234", "A-7", ""}));
    fake.config.batch.format = QStringLiteral("shopify");
    QHash<QString, FakeResponse> known;
    for (const QString& code : {"40084060", "96385074", "4006381333931", "5000112637922",
                                "3800123400018", "4088600101002"})
        known.insert(code, FoodProduct(QStringLiteral("P") + code));
    fake.products(known);
    QCOMPARE(fake.run(), kBatchAnswered);
    QList<QStringList> rows;
    for (const QByteArray& line : fake.console.output.split('\n').mid(1)) {
        if (!line.isEmpty())
            rows.append(Cells(line).mid(8, 4)); // SKU, price, stock, barcode
    }
    QCOMPARE(rows, (QList<QStringList>{{"A-1", "1234.50", "3", "40084060"},
                                       {"A-2", "1234.50", "0", "96385074"},
                                       {"A-3", "12", "1200", "4006381333931"},
                                       {"A-4", "", "", "5000112637922"},
                                       {"1001", "24.5", "7", "3800123400018"},
                                       {"A-7", "", "", "4088600101002"}}));
    QVERIFY2(fake.console.errors.contains(
                 u"Shop file: 6 products. Left out: 1 not found, 0 failed, 0 not looked up, 0 "
                 u"without a name. Cells of your price column that held no price, left empty: 2. "
                 u"Cells of your stock column that held no whole number, left empty: 1."),
             qPrintable(fake.console.errors));
}

void TestListings::columns_twoThatCouldBeThePriceAreNamedOrAsked()
{
    const QByteArray rows =
        TextRow(1, {"EAN", "EK-Preis", "VK-Preis"}) + TextRow(2, {"40084060", "0,80", "1,50"});
    Batching fake;
    fake.sheet(rows);
    fake.config.batch.format = QStringLiteral("woocommerce");
    fake.products({{QStringLiteral("40084060"), FoodProduct(QStringLiteral("Mint"))}});
    QCOMPARE(fake.run(), kBatchBadUsage);
    QVERIFY2(fake.console.errors.contains(u"more than one of your columns could be the price: B "
                                          u"(EK-Preis), C (VK-Preis). Name one with "
                                          u"--price-column"),
             qPrintable(fake.console.errors));
    QVERIFY(fake.pageLoader.requested.isEmpty());
    fake.config.batch.listing.priceColumn = QStringLiteral("vk-preis");
    QCOMPARE(fake.run(), kBatchAnswered);
    QVERIFY2(fake.console.output.endsWith("simple,,40084060,Mint,0,,1.50,,,,Morrow\r\n"),
             fake.console.output.constData());

    // The window asks, the headers' first guesses offered; the answer is taken.
    Form1OnFakes window(LoopbackConfig());
    window.zips.archives.insert(QStringLiteral("/d/list.xlsx"), Workbook(rows));
    window.files.contents.insert(QStringLiteral("/d/list.xlsx"), "PK\x03\x04");
    window.commonDialog1.choices = {QStringLiteral("/d/list.xlsx"), QStringLiteral("/d/shop")};
    window.form.PushButton3_Click();
    window.shopColumns.answers = {ShopColumnChoice{1, -1, -1}};
    window.pageLoader.respond = fake.pageLoader.respond;
    window.form.PushButton17_Click();
    window.commonDialog1.filterChoices = {kWooCommerceFilterIndex};
    window.form.SaveResultsAs();
    QCOMPARE(window.shopColumns.asked.size(), 1);
    QCOMPARE(window.shopColumns.asked.constFirst().fileName, QStringLiteral("list.xlsx"));
    QCOMPARE(window.shopColumns.asked.constFirst().suggested, (ShopColumnChoice{1, -1, -1}));
    QCOMPARE(window.outputFiles.texts.value(QStringLiteral("/d/shop.csv")).split('\n').value(1),
             QByteArray("simple,,40084060,Mint,0,,0.80,,,,Morrow\r"));
    QVERIFY(window.columnChoice.askedSeveral.isEmpty()); // a shop's columns are its own
}

// ---- Pictures in a folder ----

void TestListings::kind_judgedFromTheBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("extension");
    QTest::newRow("JPEG") << kJpeg << "jpg";
    QTest::newRow("PNG") << kPng << "png";
    QTest::newRow("WebP") << QByteArray("RIFF\x10\0\0\0WEBPVP8 ", 16) << "webp";
    QTest::newRow("GIF") << QByteArray("GIF89a\x01\0") << "gif";
    QTest::newRow("RIFF of sound") << QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16) << "";
    QTest::newRow("web page") << QByteArray("<!DOCTYPE html><html>") << "";
    QTest::newRow("empty") << QByteArray() << "";
}

void TestListings::kind_judgedFromTheBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, extension);
    QCOMPARE(PictureExtension(KindOfPicture(bytes)), extension);
}

void TestListings::folder_yourFilesStayItsOwnAreReplaced()
{
    Folder fake;
    const QString address = QStringLiteral("http://img.example/");
    fake.pictureLoader.respond = [](const QUrl& url) {
        FakeResponse response;
        response.body = url.path().endsWith(u"png") ? kPng : kJpeg;
        return response;
    };
    // Yours: the same bytes, other bytes, a link; an empty file a power cut may have left.
    fake.files.contents.insert(QStringLiteral("/p/40000001.jpg"), kJpeg);
    fake.files.contents.insert(QStringLiteral("/p/40000002.jpg"), "my own");
    fake.folderFiles.others.insert(QStringLiteral("/p/40000003.jpg"));
    fake.files.contents.insert(QStringLiteral("/p/40000004.jpg"), {});
    {
        PictureFolder folder = fake.open();
        for (int n = 1; n <= 5; ++n)
            folder.save(Found(QStringLiteral("P"), QStringLiteral("4000000%1").arg(n),
                              address + QString::number(n) + QStringLiteral(".jpg")));
        QCOMPARE(folder.tally().saved, 2);
        QCOMPARE(folder.tally().alreadyThere, 1);
        QCOMPARE(folder.tally().keptYours, 2);
        QCOMPARE(folder.fileOf(QStringLiteral("40000002")), QString());
        folder.finish();
    }
    QCOMPARE(fake.files.contents.value(QStringLiteral("/p/40000002.jpg")), QByteArray("my own"));
    QCOMPARE(fake.folderFiles.written,
             (QStringList{"/p/40000004.jpg", "/p/40000005.jpg", "/p/pictures.csv"}));
    QVERIFY(fake.folderFiles.unsynced.isEmpty());
    const std::optional<QList<PictureManifestRow>> listed =
        ReadPictureManifest(fake.files.contents.value(QStringLiteral("/p/pictures.csv")));
    QVERIFY(listed);
    QCOMPARE(listed->size(), 3);
    QCOMPARE(listed->constFirst(),
             (PictureManifestRow{"40000001", "40000001.jpg", "Open Food Facts", address + "1.jpg",
                                 kJpeg.size(), Sha256(kJpeg)}));

    // A second run asks nothing of what it saved; a picture now a PNG replaces its JPEG.
    const qsizetype asked = fake.pictureLoader.requested.size();
    fake.folderFiles.written.clear();
    PictureFolder again = fake.open();
    again.save(Found(QStringLiteral("P"), QStringLiteral("40000005"), address + "5.jpg"));
    again.save(Found(QStringLiteral("P"), QStringLiteral("40000004"), address + "4.png"));
    again.finish();
    QCOMPARE(fake.pictureLoader.requested.size(), asked + 1);
    QCOMPARE(again.tally().alreadyThere, 1);
    QCOMPARE(fake.folderFiles.removed, QStringList{"/p/40000004.jpg"});
    QCOMPARE(fake.files.contents.value(QStringLiteral("/p/40000004.png")), kPng);
    QVERIFY(fake.files.contents.value(QStringLiteral("/p/pictures.csv")).contains("40000004.png"));
}

void TestListings::folder_aListThatIsNotOursIsLeftAlone()
{
    Folder fake;
    fake.files.contents.insert(QStringLiteral("/p/pictures.csv"), "name,price\r\nTea,2\r\n");
    fake.pictureLoader.respond = [](const QUrl&) {
        FakeResponse response;
        response.body = kJpeg;
        return response;
    };
    PictureFolder folder = fake.open();
    folder.save(Found(QStringLiteral("P"), QStringLiteral("40000001"), "http://img.example/1"));
    folder.finish();
    QCOMPARE(fake.files.contents.value(QStringLiteral("/p/pictures.csv")),
             QByteArray("name,price\r\nTea,2\r\n"));
    QVERIFY2(folder.summary().endsWith(u"The pictures.csv there is not Quillfen's: it was left "
                                       u"as it is, and no list was written."),
             qPrintable(folder.summary()));
}

void TestListings::pictureSize_largerOnesScaledToJpeg()
{
    Folder fake;
    fake.pictureLoader.respond = [](const QUrl& url) {
        FakeResponse response;
        response.body = url.path() == u"/large" ? kPng + "large" : kPng;
        return response;
    };
    fake.pictureFiles.longestSides.insert(kPng + "large", 3000);
    PictureFolder folder = fake.open(1200);
    folder.save(Found(QStringLiteral("P"), QStringLiteral("40000001"), "http://img.example/large"));
    folder.save(Found(QStringLiteral("P"), QStringLiteral("40000002"), "http://img.example/small"));
    QCOMPARE(fake.files.contents.value(QStringLiteral("/p/40000001.jpg")),
             "\xFF\xD8\xFF scaled to 1200: " + kPng + "large");
    QCOMPARE(fake.files.contents.value(QStringLiteral("/p/40000002.png")), kPng);
}

void TestListings::picturesOnly_remembersAndAsksNoSource()
{
    Batching fake;
    fake.files.contents.insert(QStringLiteral("codes.txt"), "40084060\n96385074\n");
    fake.config.batch.inputs = QStringList{QStringLiteral("codes.txt")};
    fake.config.batch.quiet = true;
    fake.products({{QStringLiteral("40084060"),
                    FoodProduct(QStringLiteral("Mint"), QStringLiteral("http://img.example/m"))}});
    fake.pictureLoader.respond = [](const QUrl&) {
        FakeResponse response;
        response.body = kJpeg;
        return response;
    };
    QCOMPARE(fake.run(), kBatchAnswered); // the answers are remembered
    const qsizetype asked = fake.pageLoader.requested.size();
    fake.console.output.clear();
    fake.config.batch.listing.picturesDir = QStringLiteral("/shop");
    fake.config.batch.listing.picturesOnly = true;
    QCOMPARE(fake.run(), kBatchAnswered);
    QCOMPARE(fake.pageLoader.requested.size(), asked);
    QCOMPARE(fake.files.contents.value(QStringLiteral("/shop/40084060.jpg")), kJpeg);
    // A code with no answer remembered is one not looked up.
    fake.files.contents.insert(QStringLiteral("codes.txt"), "4006381333931\n");
    QCOMPARE(fake.run(), kBatchAnswered);
    QCOMPARE(fake.pageLoader.requested.size(), asked);
    QVERIFY(fake.console.output.isEmpty());
    QCOMPARE(fake.pictureLoader.requested, QList<QUrl>{QUrl("http://img.example/m")});
}

void TestListings::window_savePicturesOfEveryFoundRowThenStop()
{
    Form1OnFakes fake(LoopbackConfig());
    fake.pageLoader.respond = [](const QUrl& address) {
        const QString code = address.path().section(u'/', -1);
        return code == u"0823564706221"
                   ? FakeResponse{QStringLiteral(R"({"status":0})")}
                   : FoodProduct(QStringLiteral("P") + code, "http://img.example/" + code);
    };
    fake.pictureLoader.respond = [](const QUrl&) {
        FakeResponse response;
        response.body = kJpeg;
        return response;
    };
    for (const QString& code : {"40084060", "0823564706221", "96385074", "4006381333931"})
        fake.listView1.add(code);
    fake.form.PushButton17_Click();
    fake.commonDialog1.choices = {QStringLiteral("/shop")};
    // Stop Looking Up while the second picture is on its way.
    fake.pictureLoader.hook.onCall(u"start", [&](int call) {
        if (call == 2)
            fake.form.StopLookingUp();
    });
    fake.form.SavePictures();
    QCOMPARE(fake.commonDialog1.showings().last().folderKind, FolderKind::Pictures.toString());
    QVERIFY(fake.commonDialog1.showings().last().folder);
    QVERIFY(fake.files.contents.contains(QStringLiteral("/shop/40084060.jpg")));
    QVERIFY(!fake.files.contents.contains(QStringLiteral("/shop/96385074.jpg")));
    QVERIFY(fake.files.contents.contains(QStringLiteral("/shop/pictures.csv")));
    QVERIFY(fake.progressBar1.history.contains(u"text Saving pictures: 2 of 3"));
    QVERIFY2(fake.messageBox.texts().last().startsWith(u"Stopped. Pictures in /shop: 1 saved"),
             qPrintable(fake.messageBox.texts().last()));
    QCOMPARE(fake.progressBar1.text(), QStringLiteral("Progress Bar"));

    // Again: the one saved is there, the rest are fetched.
    fake.pictureLoader.hook.disarm();
    fake.commonDialog1.choices = {QStringLiteral("/shop")};
    fake.form.SavePictures();
    QVERIFY2(
        fake.messageBox.texts().last().startsWith(u"Pictures in /shop: 2 saved, 1 already there"),
        qPrintable(fake.messageBox.texts().last()));
}

QTEST_GUILESS_MAIN(TestListings)
#include "tst_listings.moc"
