// Labels on paper: every symbology on every preset printed into a PDF by libzint and QPainter,
// rendered by Poppler and read back by ZBar at the place the layout gives it; the bars' module
// and quiet zones measured from the PDF's own vector paths; --labels through the real printer;
// and the Print Labels dialog driven through its widgets.
#include "app/labels/LabelsCommand.h"
#include "common/OperationFailed.h"
#include "desktop/barcodes/PopplerPdfDocument.h"
#include "desktop/barcodes/ZbarBarcodeScanner.h"
#include "desktop/files/QtFileSystem.h"
#include "desktop/labels/QtLabelPrinter.h"
#include "fakes/FakeBatchConsole.h"
#include "fakes/FakeZipArchives.h"
#include "gs1/CodeFacts.h"
#include "labels/LabelJob.h"
#include "labels/LabelSymbols.h"
#include "support/ModalDialogs.h"
#include "support/RealWindow.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <zlib.h>

namespace {
constexpr double kMmPerInch = 25.4;

LabelLayout Preset(const QString& name)
{
    QFile file(QStringLiteral(QUILLFEN_LAYOUTS_DIR "/") + name + QStringLiteral(".json"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no preset %s", qPrintable(name));
    const auto read = ReadLabelLayout(name, file.readAll());
    return std::get<LabelLayout>(read);
}

QString WithCheck(const QString& body)
{
    return body + Gs1CheckDigit(body);
}

// The n-th made-up code of each symbology; every one different.
QString CodeOf(LabelSymbology symbology, int n)
{
    const QString three = QStringLiteral("%1").arg(n, 3, 10, QChar(u'0'));
    switch (symbology) {
    case LabelSymbology::Ean13:
        return WithCheck(QStringLiteral("400638133") + three);
    case LabelSymbology::Isbn:
        return WithCheck(QStringLiteral("978316148") + three);
    case LabelSymbology::Ean8:
        return WithCheck(QStringLiteral("4001") + three);
    case LabelSymbology::UpcA:
        return WithCheck(QStringLiteral("03600029") + three);
    case LabelSymbology::UpcE: {
        // Ending in 5 after a digit that is not 0: a short form every UPC-E symbol can carry.
        const QString seven = QStringLiteral("00") + three + QStringLiteral("15");
        return seven + Gs1CheckDigit(UpcEExpanded(QString(seven + u'0')));
    }
    case LabelSymbology::Itf14:
        return WithCheck(QStringLiteral("1400638133") + three);
    case LabelSymbology::Code128:
        return QStringLiteral("B-") + three;
    }
    return {};
}

const LabelSymbology kSymbologies[] = {
    LabelSymbology::Ean13, LabelSymbology::Isbn,  LabelSymbology::Ean8,   LabelSymbology::UpcA,
    LabelSymbology::UpcE,  LabelSymbology::Itf14, LabelSymbology::Code128};

// A symbol as ZBar found it, its text as a label's code reads: the digits, or Code 128's text.
struct Found
{
    QString code;
    QPointF centre; // mm from the page's top-left corner
};

// The symbols ZBar finds on each page of a PDF rendered by Poppler, the document opened once.
QList<QList<Found>> ReadPages(const QString& pdf, double dpi)
{
    PopplerPdfDocument document;
    const int pages = document.open(pdf);
    ZbarBarcodeScanner scanner;
    GreyImage image;
    QList<QList<Found>> read;
    for (int page = 0; page < pages; ++page) {
        document.renderPage(page, dpi, image);
        QList<Found>& found = read.emplaceBack();
        for (const ScannedSymbol& symbol : scanner.scan(image)) {
            const QPointF centre = QRectF(symbol.bounds).center() * (kMmPerInch / dpi);
            found.append(Found{QString::fromUtf8(symbol.data), centre});
        }
    }
    return read;
}

// Filled rectangles of a PDF's pages, in mm from the page's top-left corner, as Qt's PDF writer
// puts them: "x y w h re" and "f", under the page's "cm" matrices. Enough of PDF for this test:
// the content streams inflated with zlib, and the operators read as they come.
QList<QList<QRectF>> FilledRectangles(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray pdf = file.readAll();
    QList<QList<QRectF>> pages;
    for (qsizetype at = pdf.indexOf("stream"); at >= 0; at = pdf.indexOf("stream", at + 6)) {
        if (at > 3 && pdf.mid(at - 3, 3) == "end")
            continue;
        qsizetype start = at + 6;
        while (start < pdf.size() && (pdf[start] == '\r' || pdf[start] == '\n'))
            ++start;
        const qsizetype end = pdf.indexOf("endstream", start);
        QByteArray content(64 * 1024 * 1024, Qt::Uninitialized);
        uLongf size = uLongf(content.size());
        if (uncompress(reinterpret_cast<Bytef*>(content.data()), &size,
                       reinterpret_cast<const Bytef*>(pdf.constData() + start),
                       uLong(end - start)) != Z_OK)
            continue;
        content.truncate(qsizetype(size));
        if (!content.contains(" cm"))
            continue; // a font, not a page
        QList<QRectF> rectangles;
        QTransform matrix;
        QList<QTransform> saved;
        QList<double> numbers;
        QRectF pending;
        for (const QByteArray& token : content.simplified().split(' ')) {
            bool number = false;
            const double value = token.toDouble(&number);
            if (number) {
                numbers.append(value);
                continue;
            }
            if (token == "cm" && numbers.size() >= 6) {
                const qsizetype n = numbers.size();
                matrix = QTransform(numbers[n - 6], numbers[n - 5], numbers[n - 4], numbers[n - 3],
                                    numbers[n - 2], numbers[n - 1]) *
                         matrix;
            } else if (token == "q") {
                saved.append(matrix);
            } else if (token == "Q" && !saved.isEmpty()) {
                matrix = saved.takeLast();
            } else if (token == "re" && numbers.size() >= 4) {
                const qsizetype n = numbers.size();
                pending = matrix.mapRect(
                    QRectF(numbers[n - 4], numbers[n - 3], numbers[n - 2], numbers[n - 1]));
            } else if (token == "f" && !pending.isNull()) {
                rectangles.append(pending);
                pending = QRectF();
            }
            numbers.clear();
        }
        pages.append(rectangles);
    }
    // From points, y up from the bottom, to mm from the top: the page's height is the writer's
    // first matrix's flip.
    return pages;
}

QRectF ToMm(const QRectF& points, double pageHeightPoints)
{
    const double mm = kMmPerInch / 72;
    return QRectF(points.left() * mm, (pageHeightPoints - points.bottom()) * mm,
                  points.width() * mm, points.height() * mm);
}

LabelContent Bars()
{
    LabelContent content;
    content.name = false;
    return content;
}

// The job's PDF in the folder.
QString PrintJob(QtLabelPrinter& printer, const QString& path, const LabelLayout& layout,
                 const LabelContent& content, const std::vector<LabelItem>& items,
                 LabelJobPlan& plan)
{
    LabelJob job(layout, content, LabelStart{}, printer);
    plan = job.plan(items);
    const std::unique_ptr<LabelPages> pages = printer.openPdf(path, layout.paper());
    job.print(plan, *pages);
    return path;
}
} // namespace

class TestLabelPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everySymbologyOnEveryPreset_readBackInPlace_data();
    void everySymbologyOnEveryPreset_readBackInPlace();
    void ean13At80Percent_readBackAt200Dpi();
    void pdfPaths_moduleWithinOnePercentAndQuietZonesHold();
    void labelsCommand_realPrinter_writesThePdfOnlyWhenDone();
    void dialog_previewFollowsTheStartAndSavePdfWritesTheFile();
};

void TestLabelPrinting::everySymbologyOnEveryPreset_readBackInPlace_data()
{
    QTest::addColumn<QString>("preset");
    for (const char* preset : {"avery-l7160", "avery-l7651", "avery-l7163", "avery-5160",
                               "thermal-57x32", "thermal-2.25x1.25"})
        QTest::newRow(preset) << QString::fromLatin1(preset);
}

// Every symbology at every place of the preset, each code different: the first sheet filled with
// them in turn (a thermal printer's seven labels, one a page), every page rendered once at 300
// dpi and read. A sheet is all the places there are; more sheets would only repeat them, at a
// cost the sanitizer builds cannot bear (the job's pages are what takes the time there).
void TestLabelPrinting::everySymbologyOnEveryPreset_readBackInPlace()
{
    QFETCH(QString, preset);
    const LabelLayout layout = Preset(preset);
    const int count = std::max(layout.perPage(), int(std::size(kSymbologies)));
    std::vector<LabelItem> items;
    for (int i = 0; i < count; ++i)
        items.push_back(LabelItem{
            CodeOf(kSymbologies[i % std::size(kSymbologies)], i), QStringLiteral("Tea"), {}, 1});
    QTemporaryDir folder;
    QtLabelPrinter printer;
    LabelJobPlan plan;
    const QString pdf = PrintJob(printer, folder.filePath(QStringLiteral("labels.pdf")), layout,
                                 Bars(), items, plan);
    // ITF-14 is wider than L7651's labels at 80%: refused with the reason, never shrunk.
    const auto itf14s = std::count_if(items.begin(), items.end(), [](const LabelItem& item) {
        return ChooseSymbol(item.code).symbology == LabelSymbology::Itf14;
    });
    QCOMPARE(plan.refused.size(), preset == u"avery-l7651" ? itf14s : 0);
    for (const QString& refused : plan.refused)
        QVERIFY2(refused.contains(u"too small for its ITF-14 at 80%"), qPrintable(refused));

    LabelJob job(layout, Bars(), LabelStart{}, printer);
    std::map<qsizetype, QList<std::pair<QString, QRectF>>> expected; // by page
    qsizetype index = 0;
    for (const LabelJobPlan::Planned& planned : plan.labels) {
        const LabelJob::Place place = job.place(index++);
        expected[place.page].append({planned.label.code, place.cell});
    }
    QCOMPARE(qsizetype(index), qsizetype(items.size()) - plan.refused.size());
    const QList<QList<Found>> read = ReadPages(pdf, 300);
    QCOMPARE(read.size(), qsizetype(expected.size()));
    for (const auto& [page, labels] : expected) {
        const QList<Found>& found = read.at(page);
        QCOMPARE(found.size(), labels.size());
        for (const auto& label : labels) {
            const qsizetype matches =
                std::count_if(found.begin(), found.end(), [&](const Found& f) {
                    return f.code == label.first && label.second.contains(f.centre);
                });
            QVERIFY2(matches == 1, qPrintable(preset + u": " + label.first));
        }
    }
}

void TestLabelPrinting::ean13At80Percent_readBackAt200Dpi()
{
    // Labels low enough that the barcode takes its smallest size, its bars shortened: 30 of them
    // down one page.
    constexpr int kCodes = 30;
    const QJsonObject low{{QStringLiteral("name"), QStringLiteral("low")},
                          {QStringLiteral("pageWidth"), 40},
                          {QStringLiteral("pageHeight"), 14 * kCodes},
                          {QStringLiteral("labelWidth"), 40},
                          {QStringLiteral("labelHeight"), 14},
                          {QStringLiteral("columns"), 1},
                          {QStringLiteral("rows"), kCodes},
                          {QStringLiteral("verticalPitch"), 14}};
    const LabelLayout layout = std::get<LabelLayout>(
        ReadLabelLayout(QStringLiteral("low.json"), QJsonDocument(low).toJson()));
    QTemporaryDir folder;
    QtLabelPrinter printer;
    LabelJobPlan plan;
    std::vector<LabelItem> items;
    for (int i = 0; i < kCodes; ++i)
        items.push_back(LabelItem{CodeOf(LabelSymbology::Ean13, 500 + i), {}, {}, 1});
    const QString pdf =
        PrintJob(printer, folder.filePath(QStringLiteral("low.pdf")), layout, Bars(), items, plan);
    QCOMPARE(plan.smallestScale, kSmallestScale);
    QCOMPARE(plan.labels.front().label.symbol->moduleMm, 0.264);
    const QList<QList<Found>> read = ReadPages(pdf, 200);
    QCOMPARE(read.size(), 1);
    const QList<Found>& found = read.constFirst();
    QCOMPARE(found.size(), kCodes);
    for (int i = 0; i < kCodes; ++i) {
        const qsizetype matches = std::count_if(found.begin(), found.end(), [&](const Found& f) {
            return f.code == items[size_t(i)].code && layout.cell(i, 0).contains(f.centre);
        });
        QVERIFY2(matches == 1, qPrintable(items[size_t(i)].code));
    }
}

void TestLabelPrinting::pdfPaths_moduleWithinOnePercentAndQuietZonesHold()
{
    const LabelLayout layout = Preset(QStringLiteral("avery-l7160"));
    std::vector<LabelItem> items;
    for (int i = 0; i < layout.perPage(); ++i)
        items.push_back(LabelItem{CodeOf(LabelSymbology::Ean13, i), QStringLiteral("Tea"),
                                  QStringLiteral("1.99"), 1});
    QTemporaryDir folder;
    QtLabelPrinter printer;
    LabelJobPlan plan;
    LabelContent content = Bars();
    content.name = content.price = true;
    const QString pdf = PrintJob(printer, folder.filePath(QStringLiteral("geometry.pdf")), layout,
                                 content, items, plan);
    const QList<QList<QRectF>> pages = FilledRectangles(pdf);
    QCOMPARE(pages.size(), 1);
    const double pageHeight = layout.page.height() * 72 / kMmPerInch;
    QList<QRectF> bars;
    for (const QRectF& points : pages.constFirst())
        bars.append(ToMm(points, pageHeight));
    const LabelSymbol& symbol = *plan.labels.front().label.symbol;
    const double module = symbol.moduleMm;

    LabelJob job(layout, content, LabelStart{}, printer);
    for (int i = 0; i < layout.perPage(); ++i) {
        const QRectF cell = job.place(i).cell;
        QList<QRectF> mine;
        for (const QRectF& bar : bars) {
            if (cell.contains(bar.center()))
                mine.append(bar);
        }
        QCOMPARE(mine.size(), 30); // 3 guards of 2 bars, 12 digits of 2
        double narrowest = mine.constFirst().width(), left = mine.constFirst().left(),
               right = mine.constFirst().right(), top = mine.constFirst().top(),
               bottom = mine.constFirst().bottom();
        for (const QRectF& bar : mine) {
            narrowest = std::min(narrowest, bar.width());
            left = std::min(left, bar.left());
            right = std::max(right, bar.right());
            top = std::min(top, bar.top());
            bottom = std::max(bottom, bar.bottom());
            // Every bar one to four modules wide.
            const double modules = bar.width() / module;
            QVERIFY2(qAbs(modules - qRound(modules)) < 0.01 * modules && modules < 4.05,
                     qPrintable(QString::number(modules)));
        }
        QVERIFY2(qAbs(narrowest - module) <= 0.01 * module,
                 qPrintable(QString::number(narrowest / module)));
        QVERIFY(qAbs((right - left) / module - 95) < 0.95); // 95 modules from guard to guard
        // 11 modules before the bars and 7 after, inside the label, and no other ink in them.
        const QRectF leftZone(left - 11 * module, top, 11 * module, bottom - top);
        const QRectF rightZone(right, top, 7 * module, bottom - top);
        QVERIFY(cell.contains(leftZone) && cell.contains(rightZone));
        for (const QRectF& other : bars)
            QVERIFY(!other.intersects(leftZone) && !other.intersects(rightZone));
    }
}

void TestLabelPrinting::labelsCommand_realPrinter_writesThePdfOnlyWhenDone()
{
    QTemporaryDir folder;
    const QString output = folder.filePath(QStringLiteral("shelf.pdf"));
    const QString codes = folder.filePath(QStringLiteral("codes.txt"));
    QFile file(codes);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(CodeOf(LabelSymbology::Ean13, 1).toUtf8() + "\n" +
               CodeOf(LabelSymbology::Code128, 2).toUtf8() + "\n");
    file.close();
    CommandLineResult parsed = ParseCommandLine(
        {QStringLiteral("quillfen"), QStringLiteral("--labels"), QStringLiteral("thermal-57x32"),
         QStringLiteral("--output"), output, codes},
        QProcessEnvironment(), QString());
    QVERIFY(parsed.config);
    parsed.config->layouts.entries.append(
        LayoutEntry{Preset(QStringLiteral("thermal-57x32")), QStringLiteral("preset"), {}});
    QtFileSystem files;
    FakeBatchConsole console;
    QtLabelPrinter printer;
    FakeZipArchives zips;
    QCOMPARE(RunLabels(*parsed.config, LabelServices{files, console, printer, zips, {}}),
             kLabelsPrinted);
    QCOMPARE(console.errors, QStringLiteral("quillfen: 2 labels on 2 pages: ") + output + u'\n');
    PopplerPdfDocument document;
    QCOMPARE(document.open(output), 2);
    QCOMPARE(QSizeF(document.pageSize(0) * kMmPerInch / 72).toSize(), QSize(57, 32));

    // A job that never finishes leaves the file as it was.
    const LabelLayout layout = Preset(QStringLiteral("thermal-57x32"));
    {
        const std::unique_ptr<LabelPages> pages = printer.openPdf(output, layout.paper());
        pages->add(LabelPage{});
    }
    QCOMPARE(document.open(output), 2);
    QVERIFY_THROWS_EXCEPTION(
        OperationFailed,
        printer.openPdf(folder.filePath(QStringLiteral("no/such/folder.pdf")), layout.paper()));
}

void TestLabelPrinting::dialog_previewFollowsTheStartAndSavePdfWritesTheFile()
{
    QTemporaryDir folder;
    AppConfig config = LoopbackConfig();
    config.layouts.entries.append(
        LayoutEntry{Preset(QStringLiteral("avery-l7160")), QStringLiteral("preset"), {}});
    RealWindow app(config);
    app.platform.services().listView1.add(CodeOf(LabelSymbology::Ean13, 7));
    const LabelLayout layout = config.layouts.entries.constFirst().layout;

    // The ink in a place of the preview, as a share of its pixels.
    const auto inkIn = [&](const QLabel* preview, int row, int column) {
        const QImage image = preview->pixmap().toImage();
        const double scale = image.width() / layout.page.width();
        const QRect place = QRectF(layout.cell(row, column).topLeft() * scale,
                                   layout.cell(row, column).size() * scale)
                                .toRect()
                                .adjusted(2, 2, -2, -2);
        int dark = 0;
        for (int y = place.top(); y <= place.bottom(); ++y) {
            for (int x = place.left(); x <= place.right(); ++x)
                dark += qGray(image.pixel(x, y)) < 96;
        }
        return double(dark) / (place.width() * place.height());
    };
    QString saved;
    whenDialogOpens([&](QWidget* dialog) {
        auto* const preview = dialog->findChild<QLabel*>(QStringLiteral("Preview"));
        QVERIFY(preview && !preview->pixmap().isNull());
        QVERIFY(inkIn(preview, 0, 0) > 0.1);
        QVERIFY(inkIn(preview, 1, 1) == 0);
        dialog->findChild<QSpinBox*>(QStringLiteral("StartRow"))->setValue(2);
        dialog->findChild<QSpinBox*>(QStringLiteral("StartColumn"))->setValue(2);
        QVERIFY(inkIn(preview, 0, 0) == 0);
        QVERIFY(inkIn(preview, 1, 1) > 0.1);
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("Summary"))->text(),
                 QStringLiteral("1 label on 1 page, barcodes at 134% of their size or more."));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("SavePdf")),
                          Qt::LeftButton);
        whenDialogOpens([&](QWidget* files) {
            auto* const fileDialog = qobject_cast<QFileDialog*>(files);
            QVERIFY(fileDialog);
            fileDialog->setDirectory(folder.path());
            fileDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(QStringLiteral("shelf"));
            static_cast<QDialog*>(fileDialog)->accept();
            whenDialogOpens([&](QWidget* box) { saved = qobject_cast<QMessageBox*>(box)->text(); });
        });
    });
    app.window().printLabelsAction()->trigger();
    QCOMPARE(saved, QStringLiteral("Saved in shelf.pdf: 1 label on 1 page."));
    PopplerPdfDocument document;
    QCOMPARE(document.open(folder.filePath(QStringLiteral("shelf.pdf"))), 1);
    const QList<QList<Found>> read = ReadPages(folder.filePath(QStringLiteral("shelf.pdf")), 300);
    QCOMPARE(read.size(), 1);
    const QList<Found>& found = read.constFirst();
    QCOMPARE(found.size(), 1);
    QVERIFY(layout.cell(1, 1).contains(found.constFirst().centre));
}

QTEST_MAIN(TestLabelPrinting)
#include "tst_labelprinting.moc"
