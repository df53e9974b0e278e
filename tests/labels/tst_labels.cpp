// Labels on fakes: layout files read and refused, the barcode each code gets, the size of a
// label's barcode and its lines, the labels placed on pages, --labels and its options, and Print
// Labels in the window.
#include "app/AppConfig.h"
#include "app/labels/LabelsCommand.h"
#include "fakes/FakeBatchConsole.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeLabelPrinter.h"
#include "fakes/FakeZipArchives.h"
#include "labels/LabelDesigner.h"
#include "labels/LabelJob.h"
#include "labels/LabelLayouts.h"
#include "labels/LabelSymbols.h"
#include "support/Form1OnFakes.h"
#include "support/LoopbackConfig.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcessEnvironment>
#include <QTest>

namespace {
const QString kTea = QStringLiteral("4006381333931");
const QString kBook = QStringLiteral("9783161484100");

QByteArray PresetFile(const QString& name)
{
    QFile file(QStringLiteral(QUILLFEN_LAYOUTS_DIR "/") + name + QStringLiteral(".json"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

LabelLayout Preset(const QString& name)
{
    const auto read = ReadLabelLayout(name + QStringLiteral(".json"), PresetFile(name));
    if (const auto* refused = std::get_if<QString>(&read))
        qFatal("%s", qPrintable(*refused));
    return std::get<LabelLayout>(read);
}

const QStringList kPresets{QStringLiteral("avery-l7160"),   QStringLiteral("avery-l7651"),
                           QStringLiteral("avery-l7163"),   QStringLiteral("avery-5160"),
                           QStringLiteral("thermal-57x32"), QStringLiteral("thermal-2.25x1.25")};

// Every preset, as main() reads them.
LayoutsRead PresetLayouts()
{
    LayoutsRead read;
    for (const QString& name : kPresets)
        read.entries.append(LayoutEntry{Preset(name), QStringLiteral("preset"), name});
    return read;
}

// A layout of its own: the field set to the value in an otherwise sound file.
QByteArray LayoutWith(const QString& field, const QJsonValue& value)
{
    QJsonObject object{{QStringLiteral("name"), QStringLiteral("mine")},
                       {QStringLiteral("page"), QStringLiteral("A4")},
                       {QStringLiteral("labelWidth"), 63.5},
                       {QStringLiteral("labelHeight"), 38.1},
                       {QStringLiteral("columns"), 3},
                       {QStringLiteral("rows"), 7},
                       {QStringLiteral("topMargin"), 15},
                       {QStringLiteral("leftMargin"), 7},
                       {QStringLiteral("horizontalPitch"), 66},
                       {QStringLiteral("verticalPitch"), 38.1}};
    if (value.isUndefined())
        object.remove(field);
    else
        object.insert(field, value);
    return QJsonDocument(object).toJson();
}

LabelLayout LayoutOf(const QByteArray& json)
{
    const auto read = ReadLabelLayout(QStringLiteral("mine.json"), json);
    if (const auto* refused = std::get_if<QString>(&read))
        qFatal("%s", qPrintable(*refused));
    return std::get<LabelLayout>(read);
}

LabelContent NameAndPrice()
{
    LabelContent content;
    content.price = true;
    return content;
}

bool Within(const QRectF& inner, const QRectF& outer)
{
    constexpr double slack = 1e-6;
    return inner.left() >= outer.left() - slack && inner.top() >= outer.top() - slack &&
           inner.right() <= outer.right() + slack && inner.bottom() <= outer.bottom() + slack;
}

std::vector<LabelItem> Codes(const QStringList& codes, int copies = 1)
{
    std::vector<LabelItem> items;
    for (const QString& code : codes)
        items.push_back(LabelItem{code, QStringLiteral("Tea"), QStringLiteral("1.99"), copies});
    return items;
}

CommandLineResult Parse(const QStringList& arguments)
{
    return ParseCommandLine(QStringList{QStringLiteral("quillfen")} + arguments,
                            QProcessEnvironment(), QString());
}

// --labels on fakes: files, the console and the printer in memory.
struct LabelsRun
{
    FakeFileSystem files;
    FakeBatchConsole console;
    FakeLabelPrinter printer;
    FakeZipArchives zips;

    int run(const QStringList& arguments)
    {
        CommandLineResult parsed = Parse(arguments);
        if (!parsed.config)
            qFatal("%s", qPrintable(parsed.message));
        parsed.config->layouts = PresetLayouts();
        return RunLabels(*parsed.config,
                         LabelServices{files, console, printer, zips, [](const QString& code) {
                                           return code == kBook ? QStringLiteral("A Book")
                                                                : QString();
                                       }});
    }
};
} // namespace

class TestLabels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // ---- Layouts ----
    void presets_readWithTheirSizes_data();
    void presets_readWithTheirSizes();
    void layout_refusedNamingTheField_data();
    void layout_refusedNamingTheField();
    void layouts_userFileReplacesPreset_namedFileRefusedIsFatal();

    // ---- The barcode of a code ----
    void chooseSymbol_data();
    void chooseSymbol();

    // ---- One label ----
    void design_everyPreset_barcodeWithinScaleAndLabel();
    void design_labelTooSmall_refusedWithTheSizes();
    void design_longName_elidedToTheLabelsWidth();
    void plainText_data();
    void plainText();
    void price_asTheSheetHoldsItWithCurrency();

    // ---- The job ----
    void job_startPositionMovesTheFirstLabel();
    void job_copiesFillPagesAndRefusedCodesAreNamed();
    void job_badStartAndTooManyLabels_refused();
    void preview_laysOutTheFirstPageOnly();

    // ---- --labels ----
    void options_readAndRefused_data();
    void options_readAndRefused();
    void labelsCommand_codesAndSheet_printedIntoThePdf();
    void labelsCommand_problems_data();
    void labelsCommand_problems();

    // ---- Print Labels in the window ----
    void printLabels_savePdf_fromTheCodeList();
    void printLabels_previewFollowsTheStartAndPrinterCancelPrintsNothing();
    void printLabels_labelsTooSmall_saidBeforePrinting();
};

void TestLabels::presets_readWithTheirSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QSizeF>("label");
    QTest::newRow("L7160") << "avery-l7160"
                           << "A4" << 3 << 7 << QSizeF(63.5, 38.1);
    QTest::newRow("L7651") << "avery-l7651"
                           << "A4" << 5 << 13 << QSizeF(38.1, 21.2);
    QTest::newRow("L7163") << "avery-l7163"
                           << "A4" << 2 << 7 << QSizeF(99.1, 38.1);
    QTest::newRow("5160") << "avery-5160"
                          << "Letter" << 3 << 10 << QSizeF(66.675, 25.4);
    QTest::newRow("57x32") << "thermal-57x32"
                           << "" << 1 << 1 << QSizeF(57, 32);
    QTest::newRow("2.25x1.25") << "thermal-2.25x1.25"
                               << "" << 1 << 1 << QSizeF(57.15, 31.75);
}

void TestLabels::presets_readWithTheirSizes()
{
    QFETCH(QString, name);
    QFETCH(QString, page);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QSizeF, label);
    const LabelLayout layout = Preset(name);
    QCOMPARE(layout.name, name);
    QCOMPARE(layout.pageName, page);
    QCOMPARE(layout.columns, columns);
    QCOMPARE(layout.rows, rows);
    QVERIFY(qAbs(layout.label.width() - label.width()) < 1e-9);
    QVERIFY(qAbs(layout.label.height() - label.height()) < 1e-9);
    // The last label lies on the page, and a single label is the page.
    const QRectF last = layout.cell(rows - 1, columns - 1);
    QVERIFY(Within(last, QRectF(QPointF(0, 0), layout.page)));
    QCOMPARE(layout.paper().cells.size(), rows * columns);
}

void TestLabels::layout_refusedNamingTheField_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("no columns") << LayoutWith(QStringLiteral("columns"), 0)
                                << "mine.json: columns: 0 is not a whole number from 1 to 100";
    QTest::newRow("half a row") << LayoutWith(QStringLiteral("rows"), 2.5)
                                << "mine.json: rows: 2.5 is not a whole number from 1 to 100";
    QTest::newRow("label wider than page")
        << LayoutWith(QStringLiteral("labelWidth"), 300)
        << "mine.json: labelWidth: 300 mm is wider than the page (210 mm)";
    QTest::newRow("overlapping")
        << LayoutWith(QStringLiteral("horizontalPitch"), 50)
        << "mine.json: horizontalPitch: 50 mm is less than the label's width (63.5 mm): the "
           "labels would overlap";
    QTest::newRow("past the page")
        << LayoutWith(QStringLiteral("rows"), 8)
        << "mine.json: rows: 8 labels down reach 319.8 mm from the page's top edge, past its "
           "height of 297 mm";
    QTest::newRow("unknown field")
        << LayoutWith(QStringLiteral("colums"), 3) << "mine.json: colums: unknown field";
    QTest::newRow("no name") << LayoutWith(QStringLiteral("name"), QJsonValue::Undefined)
                             << "mine.json: name: missing";
    QTest::newRow("unknown page") << LayoutWith(QStringLiteral("page"), QStringLiteral("B5"))
                                  << "mine.json: page: not a page size Quillfen knows; choose "
                                     "from A4, A5, A6, Letter, Legal, or give pageWidth and "
                                     "pageHeight";
    QTest::newRow("negative margin")
        << LayoutWith(QStringLiteral("topMargin"), -1) << "mine.json: topMargin: must be 0 or more";
    QTest::newRow("not JSON") << QByteArray("{\"name\": ")
                              << "mine.json: not JSON (unterminated object at byte 9)";
    QTest::newRow("too large") << QByteArray(kLargestLayoutFile + 1, ' ')
                               << "mine.json: larger than 64 KB";
}

void TestLabels::layout_refusedNamingTheField()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, refusal);
    const auto read = ReadLabelLayout(QStringLiteral("mine.json"), json);
    QVERIFY(std::holds_alternative<QString>(read));
    QCOMPARE(std::get<QString>(read), refusal);
}

void TestLabels::layouts_userFileReplacesPreset_namedFileRefusedIsFatal()
{
    FakeFileSystem files;
    files.contents.insert(QStringLiteral("/presets/avery-l7160.json"),
                          PresetFile(QStringLiteral("avery-l7160")));
    files.contents.insert(QStringLiteral("/presets/thermal-57x32.json"),
                          PresetFile(QStringLiteral("thermal-57x32")));
    QJsonObject mine = QJsonDocument::fromJson(PresetFile(QStringLiteral("avery-l7160"))).object();
    mine.insert(QStringLiteral("description"), QStringLiteral("my own"));
    files.contents.insert(QStringLiteral("/user/l7160.json"), QJsonDocument(mine).toJson());
    files.contents.insert(QStringLiteral("/user/broken.json"), QByteArray("[]"));
    files.contents.insert(QStringLiteral("/tmp/bad.json"), LayoutWith(QStringLiteral("rows"), 0));
    const LayoutFolders folders{{QStringLiteral("/presets")}, QStringLiteral("/user")};

    const LayoutsRead read = ReadLabelLayouts(files, folders, {});
    QCOMPARE(read.entries.size(), 2);
    QCOMPARE(read.find(QStringLiteral("avery-l7160"))->layout.description,
             QStringLiteral("my own"));
    QCOMPARE(read.find(QStringLiteral("avery-l7160"))->origin, QStringLiteral("your folder"));
    QCOMPARE(read.problems, QStringList{QStringLiteral("broken.json: not a JSON object")});
    QVERIFY(read.fatal.isEmpty());
    QVERIFY(LayoutListing(read).contains(
        QStringLiteral("avery-l7160    A4, 3 × 7 labels of 63.5 × 38.1 mm (your folder) my own")));

    const LayoutsRead named = ReadLabelLayouts(files, folders, QStringLiteral("/tmp/bad.json"));
    QCOMPARE(named.fatal, QStringLiteral("bad.json: rows: 0 is not a whole number from 1 to 100"));
}

void TestLabels::chooseSymbol_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("symbology"); // -1: refused
    QTest::addColumn<QString>("data");  // or the refusal
    const auto row = [](const char* name, const QString& typed, int symbology,
                        const QString& data) { QTest::newRow(name) << typed << symbology << data; };
    row("EAN-13", kTea, int(LabelSymbology::Ean13), kTea);
    row("EAN-13 typed with spaces", QStringLiteral("4 006381 333931"), int(LabelSymbology::Ean13),
        kTea);
    row("ISBN", kBook, int(LabelSymbology::Isbn), kBook);
    row("ISBN-10", QStringLiteral("3-16-148410-X"), int(LabelSymbology::Isbn),
        QStringLiteral("9783161484100"));
    row("ISMN is no book", QStringLiteral("9790060115615"), int(LabelSymbology::Ean13),
        QStringLiteral("9790060115615"));
    row("EAN-8", QStringLiteral("40063812"), int(LabelSymbology::Ean8), QStringLiteral("40063812"));
    row("UPC-E", QStringLiteral("01234565"), int(LabelSymbology::UpcE), QStringLiteral("01234565"));
    row("UPC-A", QStringLiteral("036000291452"), int(LabelSymbology::UpcA),
        QStringLiteral("036000291452"));
    row("case code", QStringLiteral("04006381333931"), int(LabelSymbology::Itf14),
        QStringLiteral("04006381333931"));
    row("shelf text", QStringLiteral(" Shelf B-12 "), int(LabelSymbology::Code128),
        QStringLiteral("Shelf B-12"));
    row("short digits", QStringLiteral("12345"), int(LabelSymbology::Code128),
        QStringLiteral("12345"));
    row("wrong check digit", QStringLiteral("4006381333932"), -1,
        QStringLiteral("check digit should be 1"));
    row("lost digits", QStringLiteral("4.00638E+12"), -1,
        QStringLiteral("the spreadsheet turned this code into the number 4.00638E+12 and lost "
                       "its digits; format the column as text"));
    row("beyond Latin-1", QStringLiteral("Tee \u2615"), -1,
        QStringLiteral("Code 128 holds letters, digits and signs of Western European languages "
                       "only"));
    row("too long", QString(49, u'A'), -1,
        QStringLiteral("longer than the 48 characters a label's Code 128 holds"));
}

void TestLabels::chooseSymbol()
{
    QFETCH(QString, typed);
    QFETCH(int, symbology);
    QFETCH(QString, data);
    const SymbolChoice choice = ChooseSymbol(typed);
    if (symbology < 0) {
        QVERIFY(!choice.symbology);
        QCOMPARE(choice.refusal, data);
        return;
    }
    QVERIFY2(choice.symbology, qPrintable(choice.refusal));
    QCOMPARE(int(*choice.symbology), symbology);
    QCOMPARE(choice.data, data);
}

void TestLabels::design_everyPreset_barcodeWithinScaleAndLabel()
{
    FakeLabelPrinter printer;
    const LabelContent content = NameAndPrice();
    for (const QString& name : kPresets) {
        const LabelLayout layout = Preset(name);
        LabelDesigner designer(layout, content, printer);
        for (const QString& code : {kTea, kBook, QStringLiteral("40063812")}) {
            const DesignedLabel designed = designer.design(LabelItem{
                code, QStringLiteral("Darjeeling First Flush"), QStringLiteral("4.99"), 1});
            QVERIFY2(designed.label, qPrintable(name + u": " + designed.refusal));
            QVERIFY2(designed.scale >= kSmallestScale && designed.scale <= kLargestScale,
                     qPrintable(name));
            QVERIFY(designed.barHeight >= kShortestBars && designed.barHeight <= 1);
            const QRectF cell(QPointF(0, 0), layout.label);
            const LabelSymbol& symbol = *designed.label->symbol;
            const SymbolMetrics metrics = printer.measureSymbol(symbol.symbology, code, true);
            const QRectF box(
                symbol.origin,
                QSizeF(metrics.widthModules * symbol.moduleMm,
                       (symbol.barModules + metrics.addedHeightModules) * symbol.moduleMm));
            QVERIFY2(Within(box, cell), qPrintable(name));
            QCOMPARE(symbol.moduleMm, designed.scale * kNominalModuleMm);
            for (const LabelTextLine& line : designed.label->lines) {
                QVERIFY2(Within(line.box, cell), qPrintable(name + u": " + line.text));
                // Lines stay clear of the bars: above or below the symbol's box.
                QVERIFY2(line.box.bottom() <= box.top() + 1e-6 ||
                             line.box.top() >= box.bottom() - 1e-6,
                         qPrintable(name + u": " + line.text));
            }
        }
    }
    // The ISBN's line above the bars, hyphenated where the ranges know its group and publisher;
    // the prefix alone set apart where they do not (978-6-... has no group yet).
    LabelDesigner designer(Preset(QStringLiteral("avery-l7160")), content, printer);
    const DesignedLabel book = designer.design(LabelItem{kBook, {}, {}, 1});
    QCOMPARE(book.label->lines.constFirst().text, QStringLiteral("ISBN 978-3-16-148410-0"));
    const DesignedLabel unknown =
        designer.design(LabelItem{QStringLiteral("9786999999990"), {}, {}, 1});
    QCOMPARE(unknown.label->lines.constFirst().text, QStringLiteral("ISBN 978-6999999990"));
    // Too many lines for a small label's barcode: refused, not squeezed.
    LabelContent crowded = content;
    crowded.ownText = true;
    crowded.text = QStringLiteral("Shelf 3");
    const DesignedLabel squeezed =
        LabelDesigner(Preset(QStringLiteral("avery-l7651")), crowded, printer)
            .design(LabelItem{kBook, QStringLiteral("A Book"), QStringLiteral("9.99"), 1});
    QCOMPARE(squeezed.refusal, QStringLiteral("the label is too small for its ISBN at 80%: it "
                                              "needs 29.8 × 11.3 mm, the label leaves 38.1 × "
                                              "10.3 mm"));
}

void TestLabels::design_labelTooSmall_refusedWithTheSizes()
{
    FakeLabelPrinter printer;
    QJsonObject tiny{{QStringLiteral("name"), QStringLiteral("tiny")},
                     {QStringLiteral("pageWidth"), 20},
                     {QStringLiteral("pageHeight"), 12},
                     {QStringLiteral("labelWidth"), 20},
                     {QStringLiteral("labelHeight"), 12},
                     {QStringLiteral("columns"), 1},
                     {QStringLiteral("rows"), 1}};
    const LabelLayout layout = LayoutOf(QJsonDocument(tiny).toJson());
    LabelDesigner designer(layout, NameAndPrice(), printer);
    const DesignedLabel designed = designer.design(LabelItem{kTea, {}, {}, 1});
    QVERIFY(!designed.label);
    QCOMPARE(designed.refusal,
             QStringLiteral("the label is too small for its EAN-13 at 80%: it needs 29.8 × "
                            "11.3 mm, the label leaves 20.0 × 10.4 mm"));
    QCOMPARE(LayoutSizeProblem(layout, NameAndPrice(), printer),
             QStringLiteral("The labels of tiny are too small: the label is too small for its "
                            "EAN-13 at 80%: it needs 29.8 × 11.3 mm, the label leaves 20.0 × 5.5 "
                            "mm."));
    QVERIFY(LayoutSizeProblem(Preset(QStringLiteral("avery-l7651")), NameAndPrice(), printer)
                .isEmpty());
    // Text alone fits where a barcode does not.
    LabelContent words;
    words.barcode = false;
    QVERIFY(LabelDesigner(layout, words, printer).design(LabelItem{kTea, {}, {}, 1}).label);
}

void TestLabels::design_longName_elidedToTheLabelsWidth()
{
    FakeLabelPrinter printer;
    const LabelLayout layout = Preset(QStringLiteral("avery-l7651"));
    LabelDesigner designer(layout, NameAndPrice(), printer);
    // Letters with combining accents: a cut never parts one from its accent.
    const QString name = QString(QStringLiteral("Te\u0301 ")).repeated(1250);
    const DesignedLabel designed = designer.design(LabelItem{kTea, name, {}, 1});
    QVERIFY(designed.label);
    const LabelTextLine& line = designed.label->lines.constFirst();
    QVERIFY(line.text.endsWith(QChar(0x2026)));
    QVERIFY(!line.text.chopped(1).endsWith(u'e'));
    const double room = layout.label.width() - 2 * designer.padding();
    QVERIFY(printer.textWidthMm(line.text, line.sizeMm, line.bold) <= room);
    // As long as fits: within a letter, its accent and a space of the room.
    QVERIFY(printer.textWidthMm(line.text, line.sizeMm, line.bold) >
            room - printer.textWidthMm(QStringLiteral("e\u0301 "), line.sizeMm, line.bold));
    // Measured a few times, not five thousand.
    QVERIFY(printer.hook.calls(u"textWidthMm") < 40);
}

void TestLabels::plainText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("plain");
    QTest::newRow("line breaks") << "Earl\nGrey\r\n100 g"
                                 << "Earl Grey 100 g";
    QTest::newRow("tabs and runs") << "\t Tea \t\t bags  "
                                   << "Tea bags";
    QTest::newRow("control characters") << QStringLiteral("Tea\x1b]0;x\x07") << "Tea ]0;x";
    QTest::newRow("direction override") << QStringLiteral("Tea\u202Egnp.exe") << "Teagnp.exe";
    QTest::newRow("long") << QString(5000, u'a') << QString(300, u'a');
}

void TestLabels::plainText()
{
    QFETCH(QString, text);
    QFETCH(QString, plain);
    QCOMPARE(PlainLabelText(text), plain);
}

void TestLabels::price_asTheSheetHoldsItWithCurrency()
{
    SheetCell number;
    number.kind = SheetCell::Kind::Number;
    number.text = QStringLiteral("12.5");
    number.number = 12.5;
    number.format = QStringLiteral("#,##0.00");
    QCOMPARE(PriceText(number), QStringLiteral("12.50"));
    number.format.clear();
    QCOMPARE(PriceText(number), QStringLiteral("12.5"));
    SheetCell text;
    text.kind = SheetCell::Kind::Text;
    text.text = QStringLiteral(" 3,99\n€ ");
    QCOMPARE(PriceText(text), QStringLiteral("3,99 €"));
    // Where the user's language writes the symbol.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(PriceWithCurrency(QStringLiteral("12.50"), QStringLiteral("€")),
             QStringLiteral("€12.50"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(PriceWithCurrency(QStringLiteral("12,50"), QStringLiteral("€")),
             QStringLiteral("12,50\u00A0€"));
    QLocale::setDefault(QLocale::c());
    QCOMPARE(PriceWithCurrency(QStringLiteral("3,99 €"), QStringLiteral("€")),
             QStringLiteral("3,99 €"));
    QCOMPARE(PriceWithCurrency(QStringLiteral("12.50"), QString()), QStringLiteral("12.50"));
}

void TestLabels::job_startPositionMovesTheFirstLabel()
{
    FakeLabelPrinter printer;
    const LabelLayout layout = Preset(QStringLiteral("avery-l7160"));
    LabelJob job(layout, NameAndPrice(), LabelStart{3, 2}, printer);
    const LabelJobPlan plan = job.plan(Codes({kTea}, 21));
    QCOMPARE(plan.labelCount, 21);
    QCOMPARE(plan.pageCount, 2); // 7 places were used before
    const LabelPage first = job.firstPage(plan);
    QCOMPARE(first.labels.size(), 21 - 7);
    QCOMPARE(first.labels.constFirst().cell, layout.cell(2, 1));
    QCOMPARE(first.labels.constLast().cell, layout.cell(6, 2));
    job.print(plan, *printer.openPdf(QStringLiteral("/tmp/a.pdf"), layout.paper()));
    QCOMPARE(printer.jobs.constFirst().pages.size(), 2);
    QCOMPARE(printer.jobs.constFirst().pages.at(1).labels.size(), 7);
    QCOMPARE(printer.jobs.constFirst().pages.at(1).labels.constFirst().cell, layout.cell(0, 0));
    QVERIFY(printer.jobs.constFirst().finished);
}

void TestLabels::job_copiesFillPagesAndRefusedCodesAreNamed()
{
    FakeLabelPrinter printer;
    const LabelLayout layout = Preset(QStringLiteral("avery-l7651"));
    LabelJob job(layout, NameAndPrice(), LabelStart{}, printer);
    std::vector<LabelItem> items = Codes({kTea, QStringLiteral("4006381333932"), kBook}, 40);
    items.push_back(LabelItem{QStringLiteral("40063812"), {}, {}, 0});
    const LabelJobPlan plan = job.plan(items);
    QCOMPARE(plan.labelCount, 80);
    QCOMPARE(plan.pageCount, 2);
    QCOMPARE(plan.refused, QStringList{QStringLiteral("4006381333932: check digit should be 1")});
    // Each code laid out once, however many copies.
    QCOMPARE(plan.labels.size(), std::size_t(2));
    QVERIFY(plan.smallestScale >= kSmallestScale);
    const LabelPage first = job.firstPage(plan);
    QCOMPARE(first.labels.size(), 65);
    QCOMPARE(first.labels.at(39).code, kTea);
    QCOMPARE(first.labels.at(40).code, kBook);
}

void TestLabels::job_badStartAndTooManyLabels_refused()
{
    FakeLabelPrinter printer;
    const LabelLayout layout = Preset(QStringLiteral("avery-l7160"));
    QCOMPARE(
        LabelJob(layout, NameAndPrice(), LabelStart{8, 1}, printer).plan(Codes({kTea})).problem,
        QStringLiteral("The first label cannot go to row 8, column 1: avery-l7160 has 7 rows "
                       "of 3."));
    std::vector<LabelItem> many;
    for (int i = 0; i < 11; ++i)
        many.push_back(LabelItem{kTea, {}, {}, kMostCopies});
    const LabelJobPlan plan = LabelJob(layout, NameAndPrice(), LabelStart{}, printer).plan(many);
    QCOMPARE(plan.problem, QStringLiteral("More than 100000 labels: print them in several jobs."));
    QVERIFY(plan.labels.empty());
}

void TestLabels::preview_laysOutTheFirstPageOnly()
{
    FakeLabelPrinter printer;
    const LabelLayout layout = Preset(QStringLiteral("avery-l7160"));
    LabelJob job(layout, NameAndPrice(), LabelStart{1, 3}, printer);
    std::vector<LabelItem> items = Codes(QStringList(10'000, kTea));
    items.push_back(LabelItem{QStringLiteral("4006381333932"), {}, {}, 1});
    const LabelJobPlan plan = job.preview(items);
    QCOMPARE(plan.labelCount, 10'000);
    QCOMPARE(plan.pageCount, 477); // 2 places used, 21 a page
    QCOMPARE(plan.refused.size(), 1);
    QCOMPARE(job.firstPage(plan).labels.size(), 19);
    QVERIFY(printer.hook.calls(u"measureSymbol") <= 19);
}

void TestLabels::options_readAndRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("refusal"); // empty: read
    const QStringList base{QStringLiteral("--labels"), QStringLiteral("avery-l7160"),
                           QStringLiteral("--output"), QStringLiteral("a.pdf")};
    QTest::newRow("read") << base + QStringList{QStringLiteral("--label-fields"),
                                                QStringLiteral("barcode,text"),
                                                QStringLiteral("--label-start"),
                                                QStringLiteral("2,3"),
                                                QStringLiteral("--label-copies"),
                                                QStringLiteral("4"),
                                                QStringLiteral("--label-text"),
                                                QStringLiteral("Shelf 3"),
                                                QStringLiteral("--currency"),
                                                QStringLiteral("€"),
                                                kTea}
                          << "";
    QTest::newRow("no codes") << base
                              << "--labels needs codes, or files of codes or a spreadsheet.\n";
    QTest::newRow("no output") << QStringList{QStringLiteral("--labels"), QStringLiteral("x"), kTea}
                               << "--labels needs --output and the PDF file to write.\n";
    QTest::newRow("unknown field")
        << base +
               QStringList{QStringLiteral("--label-fields"), QStringLiteral("barcode,logo"), kTea}
        << "Unknown field \"logo\" in --label-fields: choose from barcode, digits, name, price, "
           "text.\n";
    QTest::newRow("no copies") << base + QStringList{QStringLiteral("--label-copies"),
                                                     QStringLiteral("0"), kTea}
                               << "--label-copies wants a whole number from 1 to 10000, not "
                                  "\"0\".\n";
    QTest::newRow("bad start") << base + QStringList{QStringLiteral("--label-start"),
                                                     QStringLiteral("0,1"), kTea}
                               << "--label-start wants ROW,COL, whole numbers from 1, as in 3,2; "
                                  "not \"0,1\".\n";
    QTest::newRow("label option alone")
        << QStringList{QStringLiteral("--label-text"), QStringLiteral("Shelf 4")}
        << "--label-text goes with --labels.\n";
    QTest::newRow("with another mode")
        << QStringList{QStringLiteral("--labels"), QStringLiteral("x"), QStringLiteral("--batch")}
        << "--labels and --list-layouts go alone.\n";
}

void TestLabels::options_readAndRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, refusal);
    const CommandLineResult parsed = Parse(arguments);
    if (!refusal.isEmpty()) {
        QVERIFY(!parsed.config);
        QCOMPARE(parsed.message, refusal);
        QCOMPARE(parsed.exitCode, 2);
        return;
    }
    QVERIFY2(parsed.config, qPrintable(parsed.message));
    const LabelOptions& options = parsed.config->labels;
    QCOMPARE(parsed.config->mode, RunMode::Labels);
    QCOMPARE(options.layout, QStringLiteral("avery-l7160"));
    QCOMPARE(options.output, QStringLiteral("a.pdf"));
    QCOMPARE(options.inputs, QStringList{kTea});
    QVERIFY(options.content.barcode && options.content.ownText);
    QVERIFY(!options.content.name && !options.content.price && !options.content.digits);
    QCOMPARE(options.start.row, 2);
    QCOMPARE(options.start.column, 3);
    QCOMPARE(options.copies, 4);
    QCOMPARE(options.content.text, QStringLiteral("Shelf 3"));
    QCOMPARE(options.content.currency, QStringLiteral("€"));
}

void TestLabels::labelsCommand_codesAndSheet_printedIntoThePdf()
{
    LabelsRun run;
    run.files.contents.insert(QStringLiteral("/in/prices.csv"), "EAN,Product name,Price,Count\n"
                                                                "4006381333931,Green Tea,1.99,3\n"
                                                                "40063812,Black Tea,2.49,lots\n"
                                                                "036000291452,Cocoa,3.10,1\n");
    const int status =
        run.run({QStringLiteral("--labels"), QStringLiteral("avery-l7163"),
                 QStringLiteral("--output"), QStringLiteral("/out/labels.pdf"),
                 QStringLiteral("--label-copies-column"), QStringLiteral("Count"),
                 QStringLiteral("/in/prices.csv"), kBook, QStringLiteral("4006381333932")});
    QCOMPARE(status, kLabelsSomeRefused);
    QCOMPARE(run.console.errors,
             QStringLiteral("quillfen: not printed: prices.csv, row 3: copies \"lots\" is not a "
                            "whole number from 0 to 10000\n"
                            "quillfen: not printed: 4006381333932: check digit should be 1\n"
                            "quillfen: 5 labels on 1 page: /out/labels.pdf\n"));
    QCOMPARE(run.printer.jobs.size(), 1);
    const FakeLabelPrinter::Job& job = run.printer.jobs.constFirst();
    QCOMPARE(job.path, QStringLiteral("/out/labels.pdf"));
    QVERIFY(job.finished);
    const QList<DrawnLabel>& labels = job.pages.constFirst().labels;
    QCOMPARE(labels.size(), 5);
    // The sheet's name and price, with --copies-column's count; a code given alone gets the
    // name this machine knows, and the column's default count of one.
    QCOMPARE(labels.at(0).lines.at(0).text, QStringLiteral("Green Tea"));
    QCOMPARE(labels.at(0).lines.at(1).text, QStringLiteral("1.99"));
    QCOMPARE(labels.at(2).code, kTea);
    QCOMPARE(labels.at(3).code, QStringLiteral("036000291452"));
    QCOMPARE(labels.at(4).lines.at(1).text, QStringLiteral("A Book"));
}

void TestLabels::labelsCommand_problems_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("errors");
    const QStringList base{QStringLiteral("--output"), QStringLiteral("/out/l.pdf")};
    QTest::newRow("unknown layout")
        << base + QStringList{QStringLiteral("--labels"), QStringLiteral("l7160"), kTea}
        << kLabelsBadUsage
        << "quillfen: No label layout \"l7160\": choose from avery-l7160, avery-l7651, "
           "avery-l7163, avery-5160, thermal-57x32, thermal-2.25x1.25 (--list-layouts), or give "
           "your own with --layout-file.\n";
    QTest::newRow("missing file") << base + QStringList{QStringLiteral("--labels"),
                                                        QStringLiteral("avery-l7160"),
                                                        QStringLiteral("codes.txt")}
                                  << kLabelsBadUsage << "quillfen: codes.txt: no such file\n";
    QTest::newRow("nothing printable")
        << base + QStringList{QStringLiteral("--labels"), QStringLiteral("avery-l7160"),
                              QStringLiteral("4006381333932")}
        << kLabelsSomeRefused
        << "quillfen: not printed: 4006381333932: check digit should be 1\n"
           "quillfen: no label to print; /out/l.pdf was not written.\n";
    QTest::newRow("copies column without a sheet")
        << base + QStringList{QStringLiteral("--labels"), QStringLiteral("avery-l7160"),
                              QStringLiteral("--label-copies-column"), QStringLiteral("C"), kTea}
        << kLabelsBadUsage
        << "quillfen: --label-copies-column needs a spreadsheet among the inputs.\n";
}

void TestLabels::labelsCommand_problems()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, errors);
    LabelsRun run;
    QCOMPARE(run.run(arguments), status);
    QCOMPARE(run.console.errors, errors);
    QVERIFY(run.printer.jobs.isEmpty());
}

void TestLabels::printLabels_savePdf_fromTheCodeList()
{
    AppConfig config = LoopbackConfig();
    config.layouts = PresetLayouts();
    Form1OnFakes fake(config);
    fake.listView1.add(kTea);
    fake.listView1.add(QStringLiteral("4006381333932"));
    fake.listView1.add(kBook);
    fake.commonDialog1.choices.append(QStringLiteral("/out/shelf"));
    fake.labelsDialog.answer = [](LabelsDialogState& state) {
        state.layout = QStringLiteral("avery-l7651");
        state.price = false;
        return LabelsAction::SavePdf;
    };
    fake.form.PrintLabels();

    QCOMPARE(fake.labelsDialog.offer.codeListCount, 3);
    QCOMPARE(fake.labelsDialog.offer.scanCount, 0);
    QCOMPARE(fake.labelsDialog.offer.layouts.size(), kPresets.size());
    const LabelsPreview& shown = fake.labelsDialog.previews.constLast();
    QCOMPARE(shown.summary, QStringLiteral("2 labels on 1 page, barcodes at 80% of their size or "
                                           "more."));
    QCOMPARE(shown.problems,
             QStringLiteral("Not printed:\n4006381333932: check digit should be 1"));
    QVERIFY(shown.printable);
    QCOMPARE(fake.labelPrinter.jobs.size(), 1);
    QCOMPARE(fake.labelPrinter.jobs.constFirst().path, QStringLiteral("/out/shelf.pdf"));
    QCOMPARE(fake.labelPrinter.jobs.constFirst().pages.constFirst().labels.size(), 2);
    QCOMPARE(fake.messageBox.texts(),
             QStringList{QStringLiteral("Saved in shelf.pdf: 2 labels on 1 page.\n\nThese "
                                        "codes were not printed:\n4006381333932: check digit "
                                        "should be 1")});
    // The choice is kept for next time.
    fake.labelsDialog.answer = nullptr;
    fake.form.PrintLabels();
    QCOMPARE(fake.labelsDialog.first.layout, QStringLiteral("avery-l7651"));
    QVERIFY(!fake.labelsDialog.first.price);
}

void TestLabels::printLabels_previewFollowsTheStartAndPrinterCancelPrintsNothing()
{
    AppConfig config = LoopbackConfig();
    config.layouts = PresetLayouts();
    Form1OnFakes fake(config);
    fake.listView1.add(kTea);
    fake.labelsDialog.answer = [](LabelsDialogState& state) {
        state.startRow = 2;
        state.startColumn = 3;
        return LabelsAction::Print;
    };
    fake.labelPrinter.printerCancelled = true;
    fake.form.PrintLabels();

    const LabelLayout layout = Preset(QStringLiteral("avery-l7160"));
    QCOMPARE(fake.labelsDialog.previews.at(0).firstPage.labels.constFirst().cell,
             layout.cell(0, 0));
    QCOMPARE(fake.labelsDialog.previews.at(1).firstPage.labels.constFirst().cell,
             layout.cell(1, 2));
    QCOMPARE(fake.labelPrinter.hook.calls(u"openPrinter"), 1);
    QVERIFY(fake.labelPrinter.jobs.isEmpty());
    QVERIFY(fake.messageBox.texts().isEmpty());
}

// A layout of the user's whose labels cannot hold an EAN-13 at 80%: the dialog says so while the
// layout is chosen, and offers nothing to print.
void TestLabels::printLabels_labelsTooSmall_saidBeforePrinting()
{
    AppConfig config = LoopbackConfig();
    config.layouts = PresetLayouts();
    const QJsonObject tiny{{QStringLiteral("name"), QStringLiteral("tiny")},
                           {QStringLiteral("pageWidth"), 20},
                           {QStringLiteral("pageHeight"), 12},
                           {QStringLiteral("labelWidth"), 20},
                           {QStringLiteral("labelHeight"), 12},
                           {QStringLiteral("columns"), 1},
                           {QStringLiteral("rows"), 1}};
    config.layouts.entries.append(
        LayoutEntry{LayoutOf(QJsonDocument(tiny).toJson()), QStringLiteral("your folder"), {}});
    Form1OnFakes fake(config);
    fake.listView1.add(kTea);
    fake.labelsDialog.answer = [](LabelsDialogState& state) {
        state.layout = QStringLiteral("tiny");
        return LabelsAction::SavePdf;
    };
    fake.form.PrintLabels();

    const LabelsPreview& shown = fake.labelsDialog.previews.constLast();
    QVERIFY(!shown.printable);
    QCOMPARE(shown.summary, QStringLiteral("No label to print."));
    QVERIFY2(shown.problems.startsWith(
                 QStringLiteral("The labels of tiny are too small: the label is too small for "
                                "its EAN-13 at 80%: it needs 29.8 × ")),
             qPrintable(shown.problems));
    // Asked anyway (a dialog that let it through): said again, nothing written.
    QCOMPARE(fake.messageBox.texts(), QStringList{QStringLiteral("No label to print.")});
    QVERIFY(fake.labelPrinter.jobs.isEmpty());
}

QTEST_GUILESS_MAIN(TestLabels)
#include "tst_labels.moc"
