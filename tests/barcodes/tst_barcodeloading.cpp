// Load EAN Numbers From File on pictures and PDFs, and batch mode's detail column for them, on
// fakes: the symbols "in" each fake picture are what the fake scanner is told.
#include "app/batch/BatchCommand.h"
#include "barcodes/BarcodeCodeLoader.h"
#include "barcodes/BarcodeReader.h"
#include "fakes/FakeBatchConsole.h"
#include "fakes/FakeOutputFiles.h"
#include "fakes/FakeStopSignals.h"
#include "lookup/ProductCode.h"
#include "support/Form1OnFakes.h"
#include "support/LoopbackConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QSemaphore>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace {
// A one-pixel picture told apart from the others by its one grey level.
GreyImage Picture(char level)
{
    return GreyImage{1, 1, QByteArray(1, level)};
}

ScannedSymbol Ean(const char* digits, int left, int top)
{
    return ScannedSymbol{SymbolKind::Ean13, digits, false, QRect(left, top, 100, 60)};
}

// A GS1-128 standing on end, read by `lines` scan lines.
ScannedSymbol Gs1(const char* gtin14, int lines, int left = 500)
{
    return ScannedSymbol{SymbolKind::Code128, QByteArray("01") + gtin14, true,
                         QRect(left, 0, 40, 300), lines};
}

// An EAN-13 of its own for each page.
QString PageCode(int page)
{
    const QString body = QStringLiteral("400638100%1").arg(page, 3, 10, QLatin1Char('0'));
    return body + CheckCode(QString(body + u'0')).expectedCheckDigit;
}

// A folder and the selected files, as the dialog gives a multiple selection.
QString Selection(const QStringList& names)
{
    return QStringLiteral("/scans") + QChar(u'\0') + names.join(QChar(u'\0'));
}

// Where the dialog's selection puts a file: its folder and name joined by the system's
// separator, a backslash on Windows.
QString Scanned(const char* name)
{
    return QStringLiteral("/scans") + QDir::separator() + QLatin1StringView(name);
}

// The real event loop lets the worker's queued calls in. Under wine a wait for events may miss
// them, as it misses precise timers; the program's own loop has a coarse beat beside each wait
// for that (QtEventLoop), and so has this one.
void WaitForTheWorker()
{
    QTimer beat;
    beat.setTimerType(Qt::CoarseTimer);
    beat.start(25);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// The fakes' pictures: shelf.jpg shows two codes in one row, drawn right one first and higher;
// note.pdf one code a page, the first one also on the shelf; empty.png none.
struct Pictures : Form1OnFakes
{
    Pictures()
    {
        for (const char* name : {"shelf.jpg", "note.pdf", "empty.png"})
            files.existing.insert(Scanned(name));
        pictureFiles.images.insert(Scanned("shelf.jpg"), Picture('a'));
        pictureFiles.images.insert(Scanned("empty.png"), Picture('e'));
        pdfDocument.documents.insert(Scanned("note.pdf"), {Picture('1'), Picture('2')});
        barcodeScanner.symbols.insert(
            "a", {Ean("8712345678906", 300, 10), Ean("5901234123457", 10, 40)});
        barcodeScanner.symbols.insert("1", {Ean("5901234123457", 0, 0)});
        barcodeScanner.symbols.insert("2", {Ean("4006381333931", 0, 0)});
        eventLoop.onWait = WaitForTheWorker;
    }
};
} // namespace

class TestBarcodeLoading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pictureSelection_addsCodesInReadingOrderThenOneMessage();
    void cancel_addsNothing();
    void batch_detailNamesWhereEachCodeCameFrom();
    void symbolReadOnce_keptOnlyWhenReadAgain_data();
    void symbolReadOnce_keptOnlyWhenReadAgain();
    void pdfPages_inOrderAndADamagedOneLeavesTheOthers_data();
    void pdfPages_inOrderAndADamagedOneLeavesTheOthers();
    void batch_damagedPage_saidOnStandardErrorAndFails();
    void cropped_givesThePartInsideThePicture();
};

void TestBarcodeLoading::pictureSelection_addsCodesInReadingOrderThenOneMessage()
{
    Pictures fake;
    fake.commonDialog1.choices = {Selection({"shelf.jpg", "note.pdf", "empty.png"})};
    // Long enough on page 1 that page 2's progress gets past the worker's ten a second.
    fake.pdfDocument.hook.onCall(u"renderPage", [](int call) {
        if (call == 1)
            QThread::msleep(150);
    });

    fake.form.PushButton3_Click();

    QCOMPARE(fake.listView1.texts(),
             QStringList({"5901234123457", "8712345678906", "5901234123457", "4006381333931"}));
    QVERIFY(fake.progressDialog.texts.contains(u"Reading barcodes: note.pdf (page 2 of 2)"));
    QVERIFY(!fake.progressDialog.isOpen);
    QCOMPARE(fake.messageBox.texts(),
             QStringList{"Found 4 codes in 2 files.\nNo barcodes found in empty.png."});
}

void TestBarcodeLoading::cancel_addsNothing()
{
    Pictures fake;
    fake.commonDialog1.choices = {Selection({"note.pdf", "shelf.jpg"})};
    // The user presses Esc while the worker is on page 1, which waits for it.
    QSemaphore onPage;
    QSemaphore cancelled;
    fake.pdfDocument.hook.onCall(u"renderPage", [&](int) {
        onPage.release();
        cancelled.acquire();
    });
    bool pressed = false;
    fake.eventLoop.onWait = [&] {
        if (!pressed) {
            onPage.acquire();
            fake.progressDialog.pressCancel();
            cancelled.release();
            pressed = true;
        }
        WaitForTheWorker();
    };

    fake.form.PushButton3_Click();

    QCOMPARE(fake.listView1.texts(), QStringList());
    QCOMPARE(fake.pdfDocument.hook.calls(u"renderPage"), 1);
    QCOMPARE(fake.pictureFiles.hook.calls(u"readGrey"), 0);
    QCOMPARE(fake.messageBox.texts(), QStringList());
    QVERIFY(!fake.progressDialog.isOpen);
}

void TestBarcodeLoading::batch_detailNamesWhereEachCodeCameFrom()
{
    Pictures fake;
    fake.eventLoop.onWait = nullptr; // the page loader's answers come from the fakes alone
    AppConfig config = LoopbackConfig();
    config.mode = RunMode::Batch;
    config.batch.quiet = true;
    config.batch.columns = QStringLiteral("detail");
    config.serviceUrlNamed = true;
    config.batch.inputs = {Scanned("shelf.jpg"), Scanned("note.pdf")};
    FakeBatchConsole console;
    FakeOutputFiles outputs;
    FakeStopSignals stopSignals;
    const BarcodeServices barcodes{fake.pictureFiles, fake.pdfDocument, fake.barcodeScanner};

    RunBatch(config, BatchServices{.files = fake.files,
                                   .console = console,
                                   .outputs = outputs,
                                   .stopSignals = stopSignals,
                                   .settings = fake.settings,
                                   .pages = fake.pageLoader,
                                   .eventLoop = fake.eventLoop,
                                   .clock = fake.clock,
                                   .answers = fake.answers,
                                   .index = fake.productIndex,
                                   .barcodes = &barcodes});

    QStringList details;
    const QList<QByteArray> lines = console.output.trimmed().split('\n');
    for (const QByteArray& line : lines.mid(1))
        details.append(QString::fromUtf8(line.trimmed()));
    QCOMPARE(details, QStringList({"shelf.jpg", "shelf.jpg", "\"note.pdf, page 1\"",
                                   "\"note.pdf, page 2\""}));
}

void TestBarcodeLoading::symbolReadOnce_keptOnlyWhenReadAgain_data()
{
    QTest::addColumn<QList<ScannedSymbol>>("symbols");
    // What the look along every line finds; empty: the same as the first look.
    QTest::addColumn<QList<ScannedSymbol>>("everyLine");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<int>("closerLooks");

    const ScannedSymbol label = Ean("5901234123457", 0, 0);
    // Noise across a photo whose check digit happens to pass.
    QTest::newRow("phantom, read once in both looks")
        << QList{label, Gs1("04006381333931", 1)} << QList{label, Gs1("04006381333931", 1)}
        << QStringList{"5901234123457"} << 1;
    QTest::newRow("phantom, gone in the closer look")
        << QList{Gs1("04006381333931", 1), label} << QList{label} << QStringList{"5901234123457"}
        << 1;
    QTest::newRow("read once, then by several lines")
        << QList{Gs1("04006381333931", 1), label} << QList{label, Gs1("04006381333931", 4)}
        << QStringList{"5901234123457", "4006381333931"} << 1;
    QTest::newRow("read once in two places")
        << QList{Gs1("04006381333931", 1, 10), Gs1("04006381333931", 1, 900)}
        << QList<ScannedSymbol>{} << QStringList{"4006381333931"} << 0;
    QTest::newRow("read by several lines")
        << QList{Gs1("04006381333931", 3)} << QList<ScannedSymbol>{} << QStringList{"4006381333931"}
        << 0;
}

void TestBarcodeLoading::symbolReadOnce_keptOnlyWhenReadAgain()
{
    QFETCH(QList<ScannedSymbol>, symbols);
    QFETCH(QList<ScannedSymbol>, everyLine);
    Pictures fake;
    // Large enough to hold the symbols, so that the part around each can be cut out.
    fake.pictureFiles.images.insert(QStringLiteral("/scans/photo.jpg"),
                                    GreyImage{1200, 400, QByteArray(1200 * 400, 'p')});
    fake.barcodeScanner.symbols.insert("p", symbols);
    if (!everyLine.isEmpty())
        fake.barcodeScanner.everyLine.insert("p", everyLine);
    BarcodeReader reader(BarcodeServices{fake.pictureFiles, fake.pdfDocument, fake.barcodeScanner});

    const std::atomic<bool> never{false};
    const BarcodeFileResult read = reader.read(QStringLiteral("/scans/photo.jpg"), never, {});

    QStringList codes;
    for (const FoundCode& code : read.codes)
        codes.append(code.code);
    QTEST(codes, "codes");
    QTEST(fake.barcodeScanner.hook.calls(u"scanEveryLine"), "closerLooks");
}

void TestBarcodeLoading::pdfPages_inOrderAndADamagedOneLeavesTheOthers_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<QList<int>>("damaged"); // from 1
    QTest::addColumn<bool>("twoDrawers");
    // "digits@page" for each code found, or "problem: why"; then the window's message.
    QTest::addColumn<QStringList>("found");
    QTest::addColumn<QString>("message");

    const auto codes = [](int pages, const QList<int>& damaged) {
        QStringList found;
        for (int page = 1; page <= pages; ++page) {
            if (!damaged.contains(page))
                found.append(PageCode(page) + u'@' + QString::number(page));
        }
        return found;
    };
    const QString damaged5 =
        QStringLiteral("Found 8 codes in 1 file.\nnote.pdf: page 5 of the PDF is "
                       "damaged. The codes of its other pages were loaded.");
    QTest::newRow("two drawers") << 9 << QList<int>{} << true << codes(9, {})
                                 << QStringLiteral("Found 9 codes in 1 file.");
    QTest::newRow("one drawer") << 9 << QList<int>{} << false << codes(9, {})
                                << QStringLiteral("Found 9 codes in 1 file.");
    QTest::newRow("damaged in the middle, two drawers")
        << 9 << QList<int>{5} << true << codes(9, {5}) << damaged5;
    QTest::newRow("damaged in the middle, one drawer")
        << 9 << QList<int>{5} << false << codes(9, {5}) << damaged5;
    QTest::newRow("first and last damaged")
        << 4 << QList<int>{1, 4} << true << codes(4, {1, 4})
        << QStringLiteral("Found 2 codes in 1 file.\nnote.pdf: page 1 of "
                          "the PDF is damaged. The codes of its other "
                          "pages were loaded.\nnote.pdf: page 4 of the "
                          "PDF is damaged. The codes of its other pages "
                          "were loaded.");
    QTest::newRow("every page damaged")
        << 2 << QList<int>{1, 2} << true << QStringList{"problem: page 1 of the PDF is damaged"}
        << QStringLiteral("The file /scans/note.pdf cannot be read: page 1 of the PDF is damaged. "
                          "No codes were loaded from it.");
}

void TestBarcodeLoading::pdfPages_inOrderAndADamagedOneLeavesTheOthers()
{
    QFETCH(int, pages);
    QFETCH(QList<int>, damaged);
    QFETCH(bool, twoDrawers);
    Pictures fake;
    FakePdfDocument second;
    QList<GreyImage> pictures;
    for (int page = 1; page <= pages; ++page) {
        // An empty picture is a page the fake cannot draw.
        pictures.append(damaged.contains(page) ? GreyImage{} : Picture(char('a' + page)));
        fake.barcodeScanner.symbols.insert(QByteArray(1, char('a' + page)),
                                           {Ean(qPrintable(PageCode(page)), 0, 0)});
    }
    fake.pdfDocument.documents.insert(QStringLiteral("/scans/note.pdf"), pictures);
    second.documents = fake.pdfDocument.documents;
    // The first document's pages take longer: the later page of each pair is ready first.
    fake.pdfDocument.hook.onCall(u"renderPage", [](int) { QThread::msleep(3); });
    BarcodeReader reader(BarcodeServices{fake.pictureFiles, fake.pdfDocument, fake.barcodeScanner,
                                         1, twoDrawers ? &second : nullptr});

    const std::atomic<bool> never{false};
    QList<int> reported;
    const BarcodeFileResult read =
        reader.read(QStringLiteral("/scans/note.pdf"), never, [&](const BarcodeProgress& at) {
            QCOMPARE(at.pageCount, pages);
            reported.append(at.page);
        });

    QStringList found;
    if (!read.problem.isEmpty())
        found.append(QStringLiteral("problem: ") + read.problem);
    for (const FoundCode& code : read.codes)
        found.append(code.code + u'@' + QString::number(code.page));
    QTEST(found, "found");
    QTEST(BarcodeSummaryMessage({read}), "message");
    QCOMPARE(reported.size(), pages);
    QVERIFY(std::is_sorted(reported.cbegin(), reported.cend()));
    QCOMPARE(fake.pdfDocument.hook.calls(u"renderPage") + second.hook.calls(u"renderPage"), pages);
    QCOMPARE(second.hook.calls(u"renderPage") > 0, twoDrawers);
    // Neither holds the file open afterwards.
    QCOMPARE(fake.pdfDocument.hook.calls(u"close"), 1);
    QCOMPARE(second.hook.calls(u"close"), twoDrawers ? 1 : 0);
}

void TestBarcodeLoading::batch_damagedPage_saidOnStandardErrorAndFails()
{
    // Every code answered "not found" by an empty index: only the page can make the run fail.
    const auto run = [](const QList<GreyImage>& pages, FakeBatchConsole& console) {
        Pictures fake;
        fake.eventLoop.onWait = nullptr;
        fake.productIndex.place({});
        fake.pdfDocument.documents.insert(Scanned("note.pdf"), pages);
        AppConfig config = LoopbackConfig();
        config.mode = RunMode::Batch;
        config.batch.quiet = true;
        config.batch.columns = QStringLiteral("code,detail");
        config.sources = QStringList{QStringLiteral("index")};
        config.batch.inputs = {Scanned("note.pdf")};
        FakeOutputFiles outputs;
        FakeStopSignals stopSignals;
        const BarcodeServices barcodes{fake.pictureFiles, fake.pdfDocument, fake.barcodeScanner};
        return RunBatch(config, BatchServices{.files = fake.files,
                                              .console = console,
                                              .outputs = outputs,
                                              .stopSignals = stopSignals,
                                              .settings = fake.settings,
                                              .pages = fake.pageLoader,
                                              .eventLoop = fake.eventLoop,
                                              .clock = fake.clock,
                                              .answers = fake.answers,
                                              .index = fake.productIndex,
                                              .barcodes = &barcodes});
    };
    FakeBatchConsole whole;
    QCOMPARE(run({Picture('1'), Picture('2')}, whole), kBatchAnswered);

    FakeBatchConsole console;
    QCOMPARE(run({Picture('1'), GreyImage{}, Picture('2')}, console), kBatchFailed);
    QVERIFY2(console.errors.contains(u"quillfen: " + Scanned("note.pdf") +
                                     u": page 2 of the PDF is damaged; the codes of its other "
                                     u"pages are looked up\n"),
             qPrintable(console.errors));
    QCOMPARE(console.output.trimmed().split('\n').mid(1),
             QList<QByteArray>(
                 {"5901234123457,\"note.pdf, page 1\"\r", "4006381333931,\"note.pdf, page 3\""}));
}

void TestBarcodeLoading::cropped_givesThePartInsideThePicture()
{
    // 4 x 3 pixels numbered row after row.
    const GreyImage picture{4, 3,
                            QByteArray("\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b", 12)};

    const GreyImage part = Cropped(picture, QRect(2, 1, 5, 5));

    QCOMPARE(part.width, 2);
    QCOMPARE(part.height, 2);
    QCOMPARE(part.pixels, QByteArray("\x06\x07\x0a\x0b", 4));
    QVERIFY(Cropped(picture, QRect(10, 10, 5, 5)).pixels.isEmpty());
}

QTEST_GUILESS_MAIN(TestBarcodeLoading)
#include "tst_barcodeloading.moc"
