// The column-aligned text export: the file's bytes, the progress it shows, the save prompt, and
// what happens when the file cannot be written or the table changes under the export.
#include "common/ErrorReport.h"
#include "common/Locations.h"
#include "common/PointerCode.h"
#include "desktop/files/QtTextFileWriter.h"
#include "fakes/FakePlatform.h"
#include "results/ResultsTable.h"
#include "results/SortBy.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

#include <csignal>
#include <sys/resource.h>

namespace {
QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList TextsShown(const FakeProgressDisplay& progress)
{
    QStringList texts;
    for (const QString& entry : progress.history)
        if (entry.startsWith(u"text "))
            texts.append(entry.mid(5));
    return texts;
}

QString Spaces(int n)
{
    return QString(n, u' ');
}

// Keeps the process's file size limit low while it lives, so that writing fails part-way the
// same way for every user, root included.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool active() const { return m_active; }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_active = false;
};
} // namespace

class TestTextExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void twoColumns_byteForByte();
    void twoColumns_secondRowUntickedKeepsTheWidths();
    void resultsTableOfOneColumn_byteForByte();
    void emptyTable_writesTheHeaderLineAlone();
    void allRowsUnticked_headerLineStillPaddedOverEveryRow();
    void nonAscii_widthsInCharactersBytesInUtf8WithoutMark();
    void existingFile_isReplacedWithoutAQuestion_data();
    void existingFile_isReplacedWithoutAQuestion();
    void progress_threeRows();
    void progress_2500RowsRunsAheadTo100Point04();
    void progress_rowNumberTextOnlyWhenThatRowIsTicked();
    void noProgressDisplay_writesTheSameFileAndLeavesTheBarAlone();
    void progressFileName_data();
    void progressFileName();
    void saveButton_setsUpTheSharedDialogAndWritesTheChosenFile();
    void saveButton_cancelWritesNothingAndLeavesThePointer();
    void saveButton_dialogThatFailsSavesNothingOverTheLastName();
    void fileThatCannotBeCreated_oneReportNoFileBarBackToRest();
    void writeFailingPartWay_oneReportAndTheExistingFileIntact_data();
    void writeFailingPartWay_oneReportAndTheExistingFileIntact();
    void failingWrite_stopsTheExportAfterOneReport();
    void failingClose_isReportedOnceAndDoneNeverShows();
    void failingCellRead_isReportedAndTheLineGoesOnWithoutIt();
    void textGrownAfterMeasuring_isWrittenWholeWithItsTab();
    void rowsRemovedWhileMeasuring_writesTheRowsThatAreLeft();
    void tableClearedWhileWriting_keepsTheRowsWrittenWithoutReports();
    void lastRowRemovedAtEveryYield_neverReadsPastTheEnd();

private:
    // The fakes, with the export writing to the in-memory files; "r.txt" unless named.
    struct Exporting : FakePlatform
    {
        SortBy sortBy{services()};

        void save(const QString& path = QStringLiteral("r.txt"))
        {
            sortBy.SaveListviewProperlySpaced(listView2, path, &progressBar1);
        }
        void saveWithoutProgress(const QString& path = QStringLiteral("r.txt"))
        {
            sortBy.SaveListviewProperlySpaced(listView2, path, nullptr);
        }
    };

    // A fake platform whose text files are real files in a folder of their own.
    struct Setup
    {
        FakePlatform fake;
        QtTextFileWriter realFiles;
        QTemporaryDir folder;
        SortBy sortBy{fake.services()};

        Setup() { fake.textFiles.passThrough = &realFiles; }
        QString path(const QString& name = QStringLiteral("results.txt")) const
        {
            return folder.filePath(name);
        }
        void save(const QString& path)
        {
            sortBy.SaveListviewProperlySpaced(fake.listView2, path, &fake.progressBar1);
        }
        QStringList filesInFolder() const
        {
            return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        }
    };
};

void TestTextExport::twoColumns_byteForByte()
{
    Setup s;
    FillTable(s.fake.listView2, {"EAN", "Product"},
              {"4988112412613|Pen", "123|Blue ink cartridge"});
    s.save(s.path());
    QCOMPARE(ReadAll(s.path()), QByteArray("EAN          \tProduct           \t\r\n"
                                           "4988112412613\tPen               \t\r\n"
                                           "123          \tBlue ink cartridge\t\r\n"));
    QVERIFY(s.fake.messageBox.shown().isEmpty());
}

void TestTextExport::twoColumns_secondRowUntickedKeepsTheWidths()
{
    Setup s;
    FillTable(s.fake.listView2, {"EAN", "Product"},
              {"4988112412613|Pen", "-123|Blue ink cartridge"});
    s.save(s.path());
    QCOMPARE(ReadAll(s.path()), QByteArray("EAN          \tProduct           \t\r\n"
                                           "4988112412613\tPen               \t\r\n"));
}

void TestTextExport::resultsTableOfOneColumn_byteForByte()
{
    Setup s;
    FillTable(s.fake.listView2, {"Description"}, {"Pen", "4988112412613 - no record found"});
    s.save(s.path());
    const QByteArray expected = (QStringLiteral("Description") + Spaces(20) + u"\t\r\n" + u"Pen" +
                                 Spaces(28) + u"\t\r\n" + u"4988112412613 - no record found\t\r\n")
                                    .toUtf8();
    QCOMPARE(ReadAll(s.path()), expected);
    for (const QByteArray& line : ReadAll(s.path()).split('\n').mid(0, 3))
        QCOMPARE(line.size(), 32 + 1); // 32 characters, then the CR before the split LF
}

void TestTextExport::emptyTable_writesTheHeaderLineAlone()
{
    Setup s;
    FillTable(s.fake.listView2, {"EAN", "Product"}, {});
    s.save(s.path());
    QCOMPARE(ReadAll(s.path()), QByteArray("EAN\tProduct\t\r\n"));
}

void TestTextExport::allRowsUnticked_headerLineStillPaddedOverEveryRow()
{
    Setup s;
    FillTable(s.fake.listView2, {"Description"}, {"-Blue ink cartridge", "-Pen"});
    s.save(s.path());
    QCOMPARE(ReadAll(s.path()), QByteArray("Description       \t\r\n"));
}

void TestTextExport::nonAscii_widthsInCharactersBytesInUtf8WithoutMark()
{
    Setup s;
    FillTable(s.fake.listView2, {"Description"}, {"Käse", "Crème brûlée", "日本茶"});
    s.save(s.path());
    const QByteArray bytes = ReadAll(s.path());
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(bytes, QByteArray("Description \t\r\n"
                               "K\xC3\xA4se        \t\r\n"
                               "Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9\x65\t\r\n"
                               "\xE6\x97\xA5\xE6\x9C\xAC\xE8\x8C\xB6         \t\r\n"));
}

void TestTextExport::existingFile_isReplacedWithoutAQuestion_data()
{
    QTest::addColumn<int>("oldBytes");
    QTest::newRow("small") << 10'000;
    QTest::newRow("large, let go of off the saving thread") << 2 * 1024 * 1024;
}

void TestTextExport::existingFile_isReplacedWithoutAQuestion()
{
    QFETCH(int, oldBytes);
    Setup s;
    QVERIFY(WriteFile(s.path(), QByteArray(oldBytes, 'x')));
    const auto openFiles = [] { return QDir(QStringLiteral("/proc/self/fd")).count(); };
    const uint openBefore = openFiles();
    FillTable(s.fake.listView2, {"A"}, {"new"});
    s.save(s.path());
    QCOMPARE(ReadAll(s.path()), QByteArray("A  \t\r\nnew\t\r\n"));
    QVERIFY(s.fake.messageBox.shown().isEmpty());
    QCOMPARE(s.filesInFolder(), QStringList{"results.txt"});
    QThreadPool::globalInstance()->waitForDone();
    QCOMPARE(openFiles(), openBefore); // the old file is let go of, not kept open
}

void TestTextExport::progress_threeRows()
{
    Setup s;
    FillTable(s.fake.listView2, {"Description"}, {"a", "b", "c"});
    s.save(s.path());
    const QList<double> expected{1, 10, 20, 1.0 / 3 * 100, 2.0 / 3 * 100, 100, 100, 0};
    QCOMPARE(s.fake.progressBar1.positions, expected);
    const QString writing = QStringLiteral("Writing file: results.txt");
    QCOMPARE(TextsShown(s.fake.progressBar1),
             (QStringList{writing, writing, writing, "Done.", "Progress Bar"}));
}

void TestTextExport::progress_2500RowsRunsAheadTo100Point04()
{
    Exporting fake;
    QStringList rows;
    for (int r = 1; r <= 2500; ++r)
        rows.append(QString::number(r));
    FillTable(fake.listView2, {"Description"}, rows);
    fake.save(QStringLiteral("/tmp/out/r.txt"));
    const QList<double>& positions = fake.progressBar1.positions;
    QCOMPARE(positions.size(), 3 + 2500 + 2);
    for (int r = 1; r <= 2500; ++r)
        QCOMPARE(positions[2 + r], (1.0 + r) / 2500 * 100);
    QCOMPARE(positions[2 + 2500], 100.04);
    QCOMPARE(positions.constLast(), 0.0);

    const QStringList& history = fake.progressBar1.history;
    const qsizetype at1000 = history.indexOf(QStringLiteral("text Writing file: r.txt (1000)"));
    const qsizetype at2000 = history.indexOf(QStringLiteral("text Writing file: r.txt (2000)"));
    QVERIFY(at1000 > 0 && at2000 > at1000);
    QCOMPARE(history[at1000 - 1], QStringLiteral("position %1").arg(1001.0 / 2500 * 100));
    QCOMPARE(history[at2000 - 1], QStringLiteral("position %1").arg(2001.0 / 2500 * 100));
    QCOMPARE(TextsShown(fake.progressBar1).size(), 3 + 2 + 2);
    QCOMPARE(fake.textFiles.files.value(QStringLiteral("/tmp/out/r.txt")).count(u'\n'), 2501);
}

void TestTextExport::progress_rowNumberTextOnlyWhenThatRowIsTicked()
{
    Exporting fake;
    QStringList rows;
    for (int r = 1; r <= 2100; ++r)
        rows.append((r == 1000 ? QStringLiteral("-") : QString()) + QString::number(r));
    FillTable(fake.listView2, {"Description"}, rows);
    fake.save();
    QCOMPARE(TextsShown(fake.progressBar1),
             (QStringList{"Writing file: r.txt", "Writing file: r.txt", "Writing file: r.txt",
                          "Writing file: r.txt (2000)", "Done.", "Progress Bar"}));
    QCOMPARE(fake.progressBar1.positions.size(), 3 + 2099 + 2);
}

void TestTextExport::noProgressDisplay_writesTheSameFileAndLeavesTheBarAlone()
{
    Setup s;
    FillTable(s.fake.listView2, {"A"}, {"x"});
    s.sortBy.SaveListviewProperlySpaced(s.fake.listView2, s.path(), nullptr);
    QCOMPARE(ReadAll(s.path()), QByteArray("A\t\r\nx\t\r\n"));
    QVERIFY(s.fake.progressBar1.history.isEmpty());
}

void TestTextExport::progressFileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("full path") << "/home/ann/results.txt"
                               << "results.txt";
    QTest::newRow("no folder") << "results"
                               << "results";
    QTest::newRow("backslash is part of a name here") << "/tmp/a\\b.txt"
                                                      << "a\\b.txt";
    QTest::newRow("folder only") << "/tmp/"
                                 << "";
    QTest::newRow("non-ASCII name") << "/tmp/Käse.txt"
                                    << "Käse.txt";
}

void TestTextExport::progressFileName()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(ProgressFileName(path), name);
}

void TestTextExport::saveButton_setsUpTheSharedDialogAndWritesTheChosenFile()
{
    Exporting fake;
    FillTable(fake.listView2, {"Description"}, {"Pen"});
    fake.commonDialog1.setFileName(QStringLiteral("/home/ann/codes.txt")); // a loaded list
    fake.commonDialog1.choices << QStringLiteral("/home/ann/results");
    int pointerDuringSave = -1;
    fake.eventLoop.onYield = [&] { pointerDuringSave = fake.window.pointer; };
    fake.sortBy.PushButton4_Click();

    QCOMPARE(fake.commonDialog1.showings().size(), 1);
    const FakeFileDialog::Showing& shown = fake.commonDialog1.showings().constFirst();
    QVERIFY(shown.save);
    QCOMPARE(shown.flags, 2621953);
    QCOMPARE(shown.title, QStringLiteral("Save"));
    QCOMPARE(shown.filter, QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"));
    QCOMPARE(shown.fileNameShown, QStringLiteral("/home/ann/codes.txt"));
    // A name typed without an extension gets ".txt".
    QCOMPARE(fake.textFiles.files.keys(), QStringList{"/home/ann/results.txt"});
    QCOMPARE(fake.textFiles.files.value(QStringLiteral("/home/ann/results.txt")),
             QStringLiteral("Description\t\r\nPen        \t\r\n"));
    QCOMPARE(pointerDuringSave, PointerCode::Hourglass);
    QCOMPARE(fake.window.pointerHistory, (QList<int>{PointerCode::Hourglass, 0}));
    QCOMPARE(TextsShown(fake.progressBar1).constFirst(),
             QStringLiteral("Writing file: results.txt"));
}

void TestTextExport::saveButton_cancelWritesNothingAndLeavesThePointer()
{
    Exporting fake;
    FillTable(fake.listView2, {"Description"}, {"Pen"});
    fake.commonDialog1.setFileName(QStringLiteral("/home/ann/earlier.txt"));
    fake.sortBy.PushButton4_Click(); // no choice queued: cancelled
    QCOMPARE(fake.commonDialog1.showings().constFirst().fileNameShown,
             QStringLiteral("/home/ann/earlier.txt"));
    QCOMPARE(fake.textFiles.created, 0);
    QVERIFY(fake.window.pointerHistory.isEmpty());
    QVERIFY(fake.progressBar1.history.isEmpty());
    QVERIFY(fake.messageBox.shown().isEmpty());
}

void TestTextExport::saveButton_dialogThatFailsSavesNothingOverTheLastName()
{
    Exporting fake;
    FillTable(fake.listView2, {"Description"}, {"Pen"});
    fake.commonDialog1.setFileName(QStringLiteral("/home/ann/codes.txt"));
    fake.commonDialog1.hook.failAll(QStringLiteral("Dialog failed"));
    fake.sortBy.PushButton4_Click();
    QCOMPARE(fake.messageBox.texts(),
             QStringList{BuildErrorReportText(QStringLiteral("Dialog failed"),
                                              Location::PushButton4_Click, 106)});
    QCOMPARE(fake.textFiles.created, 0);
    QVERIFY(fake.window.pointerHistory.isEmpty());
}

void TestTextExport::fileThatCannotBeCreated_oneReportNoFileBarBackToRest()
{
    Setup s;
    QVERIFY(WriteFile(s.path(QStringLiteral("blocker")), "a file, not a folder"));
    const QString target = s.path(QStringLiteral("blocker/results.txt"));
    FillTable(s.fake.listView2, {"Description"}, {"a", "b", "c"});
    s.save(target);

    QCOMPARE(s.fake.messageBox.shown().size(), 1);
    const QString report = s.fake.messageBox.shown().constFirst().text;
    QVERIFY2(report.startsWith(QStringLiteral("Cannot create the file ")), qPrintable(report));
    QVERIFY(report.contains(Location::SaveListviewProperlySpaced.toString() +
                            QStringLiteral("at line 130\r\r")));
    QVERIFY(!QFile::exists(target));
    QCOMPARE(s.filesInFolder(), QStringList{"blocker"});
    QVERIFY(!TextsShown(s.fake.progressBar1).contains(QStringLiteral("Done.")));
    QCOMPARE(s.fake.progressBar1.position(), 0.0);
    QCOMPARE(s.fake.progressBar1.text(), QStringLiteral("Progress Bar"));
}

void TestTextExport::writeFailingPartWay_oneReportAndTheExistingFileIntact_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("limit");
    QTest::newRow("in the first block") << 5'000 << 16 * 1024;
    // Past the first megabyte, which is synced to disk on a thread of its own meanwhile.
    QTest::newRow("past the first megabyte") << 40'000 << 1536 * 1024;
}

void TestTextExport::writeFailingPartWay_oneReportAndTheExistingFileIntact()
{
    QFETCH(int, rows);
    QFETCH(int, limit);
    Setup s;
    const QByteArray precious("the user's earlier results\r\n");
    QVERIFY(WriteFile(s.path(), precious));
    QStringList texts;
    for (int r = 0; r < rows; ++r)
        texts.append(QStringLiteral("A product name of some length, row %1").arg(r));
    FillTable(s.fake.listView2, {"Description"}, texts);
    {
        FileSizeLimit limited{rlim_t(limit)};
        QVERIFY(limited.active());
        s.save(s.path());
    }
    QCOMPARE(s.fake.messageBox.shown().size(), 1);
    const QString report = s.fake.messageBox.shown().constFirst().text;
    QVERIFY2(report.startsWith(QStringLiteral("Cannot write the file ")), qPrintable(report));
    QVERIFY(!report.contains(QStringLiteral("Unknown error"))); // the system's own reason
    QVERIFY(report.contains(Location::SaveListviewProperlySpaced.toString() +
                            QStringLiteral("at line 172\r\r")));
    QCOMPARE(ReadAll(s.path()), precious);
    QCOMPARE(s.filesInFolder(), QStringList{"results.txt"}); // no temporary file left
    QVERIFY(!TextsShown(s.fake.progressBar1).contains(QStringLiteral("Done.")));
    QCOMPARE(s.fake.progressBar1.text(), QStringLiteral("Progress Bar"));
}

void TestTextExport::failingWrite_stopsTheExportAfterOneReport()
{
    Exporting fake;
    FillTable(fake.listView2, {"Description"}, {"a", "b", "c", "d"});
    fake.textFiles.hook.failOnCall(u"writeLine", 2, QStringLiteral("Disk full"));
    fake.save();
    QCOMPARE(fake.messageBox.texts(),
             QStringList{BuildErrorReportText(QStringLiteral("Disk full"),
                                              Location::SaveListviewProperlySpaced, 172)});
    QCOMPARE(fake.textFiles.hook.calls(u"writeLine"), 2); // none after the failing one
    QVERIFY(fake.textFiles.files.isEmpty());
    QCOMPARE(fake.textFiles.discarded, 1);
    QCOMPARE(fake.progressBar1.text(), QStringLiteral("Progress Bar"));
}

void TestTextExport::failingClose_isReportedOnceAndDoneNeverShows()
{
    Exporting fake;
    FillTable(fake.listView2, {"Description"}, {"a"});
    fake.textFiles.hook.fail(u"close", QStringLiteral("Disk full"));
    fake.save();
    QCOMPARE(fake.messageBox.texts(),
             QStringList{BuildErrorReportText(QStringLiteral("Disk full"),
                                              Location::SaveListviewProperlySpaced, 174)});
    QVERIFY(fake.textFiles.files.isEmpty());
    QVERIFY(!TextsShown(fake.progressBar1).contains(QStringLiteral("Done.")));
}

void TestTextExport::failingCellRead_isReportedAndTheLineGoesOnWithoutIt()
{
    Exporting fake;
    FillTable(fake.listView2, {"A", "B"}, {"a|1", "b|2"});
    // Two reads while measuring, then the first row's sub-item while writing.
    fake.listView2.hook.failOnCall(u"subItem", 3, QStringLiteral("Control failed"));
    fake.saveWithoutProgress();
    QCOMPARE(fake.messageBox.texts(),
             QStringList{BuildErrorReportText(QStringLiteral("Control failed"),
                                              Location::SaveListviewProperlySpaced, 162)});
    QCOMPARE(fake.textFiles.files.value(QStringLiteral("r.txt")),
             QStringLiteral("A\tB\t\r\na\t\r\nb\t2\t\r\n"));
}

void TestTextExport::textGrownAfterMeasuring_isWrittenWholeWithItsTab()
{
    Exporting fake;
    FillTable(fake.listView2, {"A", "B"}, {"a|1", "b|2"});
    fake.eventLoop.onYield = [&] {
        if (fake.eventLoop.yields == 5) // measuring is done (4 cells), the header starts
            fake.listView2.setSubItem(2, 1, QStringLiteral("2222"));
    };
    fake.saveWithoutProgress();
    QCOMPARE(fake.textFiles.files.value(QStringLiteral("r.txt")),
             QStringLiteral("A\tB\t\r\na\t1\t\r\nb\t2222\t\r\n"));
}

void TestTextExport::rowsRemovedWhileMeasuring_writesTheRowsThatAreLeft()
{
    Exporting fake;
    FillTable(fake.listView2, {"A"}, {"a", "b", "a long row that goes"});
    fake.eventLoop.onYield = [&] {
        if (fake.eventLoop.yields == 3) // the first measured cell; two went before it
            fake.listView2.remove(3);
    };
    fake.save();
    QVERIFY(fake.messageBox.shown().isEmpty());
    QCOMPARE(fake.textFiles.files.value(QStringLiteral("r.txt")),
             QStringLiteral("A\t\r\na\t\r\nb\t\r\n"));
    QCOMPARE(fake.progressBar1.text(), QStringLiteral("Progress Bar"));
}

void TestTextExport::tableClearedWhileWriting_keepsTheRowsWrittenWithoutReports()
{
    Exporting fake;
    FillTable(fake.listView2, {"A"}, {"a", "b", "c", "d"});
    fake.textFiles.hook.onCall(u"writeLine", [&](int call) {
        if (call == 3) // header and two rows
            fake.listView2.clear();
    });
    fake.save();
    QVERIFY(fake.messageBox.shown().isEmpty());
    QCOMPARE(fake.textFiles.files.value(QStringLiteral("r.txt")),
             QStringLiteral("A\t\r\na\t\r\nb\t\r\n"));
    QVERIFY(TextsShown(fake.progressBar1).contains(QStringLiteral("Done.")));
}

void TestTextExport::lastRowRemovedAtEveryYield_neverReadsPastTheEnd()
{
    Exporting fake;
    FillTable(fake.listView2, {"A", "B"}, {"a|1", "b|2", "c|3", "d|4", "e|5", "f|6"});
    fake.eventLoop.onYield = [&] {
        if (fake.eventLoop.yields % 3 == 0 && fake.listView2.count() > 0)
            fake.listView2.remove(fake.listView2.count());
    };
    fake.save();
    QVERIFY(fake.messageBox.shown().isEmpty());
    QVERIFY(fake.textFiles.files.contains(QStringLiteral("r.txt")));
}

QTEST_GUILESS_MAIN(TestTextExport)
#include "tst_textexport.moc"
