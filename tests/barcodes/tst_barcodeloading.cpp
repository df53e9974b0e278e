// Load EAN Numbers From File on pictures and PDFs, and batch mode's detail column for them, on
// fakes: the symbols "in" each fake picture are what the fake scanner is told.
#include "app/BatchCommand.h"
#include "fakes/FakeBatchConsole.h"
#include "fakes/FakeOutputFiles.h"
#include "fakes/FakeStopSignals.h"
#include "support/Form1OnFakes.h"
#include "support/LoopbackConfig.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QTest>
#include <QThread>

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

// A folder and the selected files, as the dialog gives a multiple selection.
QString Selection(const QStringList& names)
{
    return QStringLiteral("/scans") + QChar(u'\0') + names.join(QChar(u'\0'));
}

// The fakes' pictures: shelf.jpg shows two codes in one row, drawn right one first and higher;
// note.pdf one code a page, the first one also on the shelf; empty.png none.
struct Pictures : Form1OnFakes
{
    Pictures()
    {
        for (const char* name : {"/scans/shelf.jpg", "/scans/note.pdf", "/scans/empty.png"})
            files.existing.insert(QString::fromLatin1(name));
        pictureFiles.images.insert(QStringLiteral("/scans/shelf.jpg"), Picture('a'));
        pictureFiles.images.insert(QStringLiteral("/scans/empty.png"), Picture('e'));
        pdfDocument.documents.insert(QStringLiteral("/scans/note.pdf"),
                                     {Picture('1'), Picture('2')});
        barcodeScanner.symbols.insert(
            "a", {Ean("8712345678906", 300, 10), Ean("5901234123457", 10, 40)});
        barcodeScanner.symbols.insert("1", {Ean("5901234123457", 0, 0)});
        barcodeScanner.symbols.insert("2", {Ean("4006381333931", 0, 0)});
        // The real event loop lets the worker's queued calls in.
        eventLoop.onWait = [] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); };
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
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
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
    config.batch.inputs = {QStringLiteral("/scans/shelf.jpg"), QStringLiteral("/scans/note.pdf")};
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

QTEST_GUILESS_MAIN(TestBarcodeLoading)
#include "tst_barcodeloading.moc"
