#include "codes/CodeFileLoader.h"
#include "codes/CodeFileRowReader.h"
#include "common/ErrorReport.h"
#include "common/Locations.h"
#include "common/OperationFailed.h"
#include "common/PointerCode.h"
#include "common/ProgramEnding.h"
#include "fakes/FakePlatform.h"
#include "support/CodeFileEndings.h"
#include "support/Utf16Bytes.h"

#include <QTest>

namespace {
QString nul()
{
    return QString(QChar(u'\0'));
}
} // namespace

class TestCodeFileLoader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rows_data();
    void rows();
    void rowReader_copyGoesOnFromWhereItStood();
    void collapse_data();
    void collapse();
    void join_data();
    void join();
    void text_data();
    void text();
    void loadListFile_linesEndingsGiveTheSameRowsAsBatchMode_data();
    void loadListFile_linesEndingsGiveTheSameRowsAsBatchMode();
    void loadListFile_appendsAfterExistingRowsAndYieldsPerRow();
    void loadListFile_missingFileSaysFileNotFound();
    void loadListFile_binaryAndOversizedFilesAreRefusedByName();
    void loadListFile_unreadableFileThrows();
    void click_setsUpTheDialogAndEmptiesItsFileName();
    void click_cancelChangesNothing();
    void click_oneFileLoadsItsPathAsGiven();
    void click_twoFilesAppendInOrderUnderTheHourglass();
    void click_missingFileAmongSeveralIsReportedAndTheRestLoad();
    void click_unreadableFileIsReportedByTheTrapAndTheNextLoads();
    void click_failingSingleFileIsReportedAtItsLineAndThePointerComesBack();
    void click_closingTheWindowDuringALoadStopsIt();

private:
    // The fakes with the loader working on them.
    struct Loading : FakePlatform
    {
        CodeFileLoader loader{services()};
    };
};

void TestCodeFileLoader::rows_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("CR LF lines, no extra row at the end") << "111\r\n222\r\n"
                                                          << QStringList{"111", "222"};
    QTest::newRow("CR lines, no extra row at the end") << "111\r222\r" << QStringList{"111", "222"};
    QTest::newRow("empty file adds nothing") << "" << QStringList{};
    QTest::newRow("one line without a break") << "4988112412613" << QStringList{"4988112412613"};
    QTest::newRow("blank line in the middle is an empty row")
        << "111\r\n\r\n222" << QStringList{"111", "", "222"};
    QTest::newRow("spaces and tabs are kept")
        << "  111 \r\n\t222\t" << QStringList{"  111 ", "\t222\t"};
    QTest::newRow("mixed breaks") << "a\rb\nc\r\nd" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("LF then CR: the LF's empty row, then the line ends")
        << "a\n\r" << QStringList{"a", ""};
    QTest::newRow("CR LF LF") << "a\r\n\n" << QStringList{"a", ""};
    QTest::newRow("a lone CR is one empty row") << "\r" << QStringList{""};
    QTest::newRow("CR CR") << "a\r\r" << QStringList{"a", ""};
    QTest::newRow("LF CR LF") << "a\n\r\nb" << QStringList{"a", "", "b"};
    QTest::newRow("final line without a break after CR LF lines")
        << "111\r\n222" << QStringList{"111", "222"};
}

void TestCodeFileLoader::rows()
{
    QFETCH(QString, text);
    QFETCH(QStringList, rows);
    QCOMPARE(CodeFileRows(text), rows);
    // Stepping through them one at a time gives the same rows.
    QStringList stepped;
    CodeFileRowReader reader(text);
    while (const std::optional<QStringView> row = reader.next())
        stepped.append(row->toString());
    QCOMPARE(stepped, rows);
    QVERIFY(!reader.next());
}

void TestCodeFileLoader::rowReader_copyGoesOnFromWhereItStood()
{
    const QString text = QStringLiteral("111\r\n222\n333\n");
    CodeFileRowReader reader(text);
    QCOMPARE(reader.next(), QStringView(u"111"));
    CodeFileRowReader ahead = reader;
    QCOMPARE(ahead.next(), QStringView(u"222"));
    QCOMPARE(ahead.next(), QStringView(u"333"));
    QVERIFY(!ahead.next());
    QCOMPARE(reader.next(), QStringView(u"222"));
}

void TestCodeFileLoader::collapse_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("repaired");
    QTest::newRow("root folder") << R"(C:\\a.txt)"
                                 << R"(C:\a.txt)";
    QTest::newRow("ordinary folder unchanged") << R"(C:\lists\a.txt)"
                                               << R"(C:\lists\a.txt)";
    QTest::newRow("network path keeps two leading backslashes") << R"(\\server\share\a.txt)"
                                                                << R"(\\server\share\a.txt)";
    QTest::newRow("network root joined") << R"(\\server\share\\a.txt)"
                                         << R"(\\server\share\a.txt)";
    QTest::newRow("three backslashes become two") << R"(C:\\\a.txt)"
                                                  << R"(C:\\a.txt)";
    QTest::newRow("four backslashes become two") << R"(C:\\\\a.txt)"
                                                 << R"(C:\\a.txt)";
    QTest::newRow("one leading backslash becomes two") << R"(\a.txt)"
                                                       << R"(\\a.txt)";
    QTest::newRow("a leading run of four becomes two") << R"(\\\\srv\a)"
                                                       << R"(\\srv\a)";
    QTest::newRow("only backslashes") << R"(\\\)"
                                      << R"(\\)";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("no backslash at all") << "a.txt"
                                         << "a.txt";
}

void TestCodeFileLoader::collapse()
{
    QFETCH(QString, path);
    QFETCH(QString, repaired);
    QCOMPARE(CollapseDoubleBackslashes(path), repaired);
}

void TestCodeFileLoader::join_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("path");
    QTest::newRow("windows folder") << R"(C:\lists)"
                                    << "a.txt" << QChar(u'\\') << R"(C:\lists\a.txt)";
    QTest::newRow("windows drive root") << R"(C:\)"
                                        << "a.txt" << QChar(u'\\') << R"(C:\a.txt)";
    QTest::newRow("windows network folder") << R"(\\server\share)"
                                            << "a.txt" << QChar(u'\\') << R"(\\server\share\a.txt)";
    QTest::newRow("linux folder") << "/home/me/lists"
                                  << "a.txt" << QChar(u'/') << "/home/me/lists/a.txt";
    QTest::newRow("linux root folder") << "/"
                                       << "a.txt" << QChar(u'/') << "/a.txt";
    QTest::newRow("linux keeps backslashes, ordinary characters there")
        << R"(/tmp/odd\\dir)"
        << R"(a\\b.txt)" << QChar(u'/') << R"(/tmp/odd\\dir/a\\b.txt)";
}

void TestCodeFileLoader::join()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QChar, separator);
    QFETCH(QString, path);
    QCOMPARE(JoinSelectedFile(folder, name, separator), path);
}

void TestCodeFileLoader::text_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("isText");
    QTest::addColumn<QString>("text");
    if (SystemCodePageIsUtf8())
        QTest::newRow("plain UTF-8")
            << QByteArray("caf\xC3\xA9\r\n1") << true << QStringLiteral("café\r\n1");
    QTest::newRow("UTF-8 mark is not part of the first code") << QByteArray("\xEF\xBB\xBF"
                                                                            "111\r\n")
                                                              << true << "111\r\n";
    QTest::newRow("only the first mark is a mark") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                                                                 "1")
                                                   << true << QStringLiteral("\uFEFF1");
    QTest::newRow("UTF-16 little-endian with mark")
        << Utf16Bytes(QStringLiteral("111\r\n€2"), true, true) << true
        << QStringLiteral("111\r\n€2");
    QTest::newRow("UTF-16 big-endian with mark")
        << Utf16Bytes(QStringLiteral("111\r\n€2"), false, true) << true
        << QStringLiteral("111\r\n€2");
    QTest::newRow("NUL byte near the start is not text")
        << QByteArray("111\r\n\0\x01\x02", 8) << false << "";
    QTest::newRow("NUL after a UTF-8 mark is not text")
        << QByteArray("\xEF\xBB\xBF\0", 4) << false << "";
    QTest::newRow("NUL character in UTF-16 is not text")
        << Utf16Bytes(QStringLiteral("1") + nul() + u"2", true, true) << false << "";
    QTest::newRow("NUL past the first 8 KiB does not count")
        << (QByteArray(8192, 'a') + QByteArray(1, '\0') + 'b') << true
        << (QString(8192, u'a') + nul() + u'b');
    if (SystemCodePageIsUtf8()) {
        QTest::newRow("invalid UTF-8 byte becomes a replacement character")
            << QByteArray("a\xFF") << true << QStringLiteral("a\uFFFD");
        QTest::newRow("UTF-8 sequence cut short by the end of the file is not dropped")
            << QByteArray("1\r\n4\xE2\x82") << true << QStringLiteral("1\r\n4\uFFFD\uFFFD");
        QTest::newRow("character cut short at the end becomes a replacement character")
            << QByteArray("111\r\n\xC3") << true << QStringLiteral("111\r\n\uFFFD");
        QTest::newRow("a cut-short character alone is still a row")
            << QByteArray("\xC3") << true << QStringLiteral("\uFFFD");
    } else {
        // One character a byte: nothing is cut short and nothing replaced.
        QTest::newRow("a byte above 127 is one character of the code page")
            << QByteArray("caf\xE9\r\n\xC3") << true
            << (QStringLiteral("caf") + QString::fromLocal8Bit("\xE9") + u"\r\n" +
                QString::fromLocal8Bit("\xC3"));
    }
    QTest::newRow("UTF-16 with an odd last byte ends in a replacement character")
        << (Utf16Bytes(QStringLiteral("12"), true, true) + '3') << true
        << QStringLiteral("12\uFFFD");
    QTest::newRow("empty file") << QByteArray() << true << "";
}

void TestCodeFileLoader::text()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, isText);
    QFETCH(QString, text);
    const std::optional<QString> decoded = CodeFileText(bytes);
    QCOMPARE(decoded.has_value(), isText);
    if (isText)
        QCOMPARE(*decoded, text);
}

void TestCodeFileLoader::loadListFile_linesEndingsGiveTheSameRowsAsBatchMode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("rows");
    for (const CodeFileEnding& ending : CodeFileEndings())
        QTest::newRow(ending.name) << ending.bytes << ending.rows;
}

void TestCodeFileLoader::loadListFile_linesEndingsGiveTheSameRowsAsBatchMode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, rows);
    Loading fake;
    fake.files.contents.insert(QStringLiteral("/l/a.txt"), bytes);
    fake.loader.LoadListFile(fake.listView1, QStringLiteral("/l/a.txt"));
    QCOMPARE(fake.listView1.texts(), rows);
}

void TestCodeFileLoader::loadListFile_appendsAfterExistingRowsAndYieldsPerRow()
{
    Loading fake;
    fake.listView1.add(QStringLiteral("existing"));
    fake.files.contents.insert(QStringLiteral("/l/a.txt"), "111\r\n222\r\n");
    fake.loader.LoadListFile(fake.listView1, QStringLiteral("/l/a.txt"));
    QCOMPARE(fake.listView1.texts(), (QStringList{"existing", "111", "222"}));
    QCOMPARE(fake.eventLoop.yields, 2);
    QVERIFY(fake.messageBox.shown().isEmpty());
}

void TestCodeFileLoader::loadListFile_missingFileSaysFileNotFound()
{
    Loading fake;
    fake.loader.LoadListFile(fake.listView1, QStringLiteral("/l/gone.txt"));
    QCOMPARE(fake.messageBox.shown().size(), 1);
    QCOMPARE(fake.messageBox.shown()[0].text, QStringLiteral("File not found"));
    QCOMPARE(fake.messageBox.shown()[0].title, QStringLiteral("Quillfen"));
    QCOMPARE(fake.listView1.count(), 0);
    QVERIFY(fake.files.reads.isEmpty());
}

void TestCodeFileLoader::loadListFile_binaryAndOversizedFilesAreRefusedByName()
{
    Loading fake;
    fake.files.contents.insert(QStringLiteral("/l/photo.jpg"), QByteArray("\xFF\xD8\0\0", 4));
    fake.files.contents.insert(QStringLiteral("/l/huge.txt"), "111");
    fake.files.oversized.insert(QStringLiteral("/l/huge.txt"));
    fake.loader.LoadListFile(fake.listView1, QStringLiteral("/l/photo.jpg"));
    fake.loader.LoadListFile(fake.listView1, QStringLiteral("/l/huge.txt"));
    QCOMPARE(fake.messageBox.texts(),
             (QStringList{NotATextFileMessage(QStringLiteral("/l/photo.jpg")),
                          FileTooLargeMessage(QStringLiteral("/l/huge.txt"))}));
    QVERIFY(fake.messageBox.texts()[0].contains(QStringLiteral("/l/photo.jpg")));
    QVERIFY(fake.messageBox.texts()[1].contains(QStringLiteral("100 MB")));
    QCOMPARE(fake.listView1.count(), 0);
}

void TestCodeFileLoader::loadListFile_unreadableFileThrows()
{
    Loading fake;
    fake.files.existing.insert(QStringLiteral("/l/locked.txt"));
    QVERIFY_THROWS_EXCEPTION(
        OperationFailed, fake.loader.LoadListFile(fake.listView1, QStringLiteral("/l/locked.txt")));
}

void TestCodeFileLoader::click_setsUpTheDialogAndEmptiesItsFileName()
{
    Loading fake;
    fake.commonDialog1.setFileName(QStringLiteral("/l/last-export.txt"));
    fake.loader.PushButton3_Click();
    QCOMPARE(fake.commonDialog1.showings().size(), 1);
    const FakeFileDialog::Showing& shown = fake.commonDialog1.showings()[0];
    QVERIFY(!shown.save);
    QCOMPARE(shown.flags, 2621953);
    QCOMPARE(shown.title, QStringLiteral("Load List(s) - Hold Ctrl to select multiple list files"));
    QCOMPARE(
        shown.filter,
        QStringLiteral("Code Lists, Spreadsheets, Pictures and PDFs (*.txt *.xlsx *.ods *.csv "
                       "*.tsv *.png *.jpg *.jpeg *.bmp *.gif *.tif *.tiff *.webp *.pdf)|*.txt;"
                       "*.xlsx;*.ods;*.csv;*.tsv;*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.tif;*.tiff;"
                       "*.webp;*.pdf|Text Files (*.txt)|*.txt|Spreadsheets (*.xlsx *.ods *.csv "
                       "*.tsv)|*.xlsx;*.ods;*.csv;*.tsv|Pictures and PDFs (*.png *.jpg *.jpeg "
                       "*.bmp *.gif *.tif *.tiff *.webp *.pdf)|*.png;*.jpg;*.jpeg;*.bmp;*.gif;"
                       "*.tif;*.tiff;*.webp;*.pdf|All Files (*.*)|*.*|"));
    QCOMPARE(shown.fileNameShown, QString());
}

void TestCodeFileLoader::click_cancelChangesNothing()
{
    Loading fake;
    fake.loader.PushButton3_Click();
    QCOMPARE(fake.listView1.count(), 0);
    QVERIFY(fake.window.pointerHistory.isEmpty());
    QVERIFY(fake.messageBox.shown().isEmpty());
}

void TestCodeFileLoader::click_oneFileLoadsItsPathAsGiven()
{
    Loading fake;
    // A single path is used as it is, doubled backslashes and all.
    const QString path = QStringLiteral(R"(C:\\odd\a.txt)");
    fake.files.contents.insert(path, "1\r\n2");
    fake.commonDialog1.choices = {path};
    fake.loader.PushButton3_Click();
    QCOMPARE(fake.listView1.texts(), (QStringList{"1", "2"}));
    QCOMPARE(fake.files.reads, QStringList{path});
}

void TestCodeFileLoader::click_twoFilesAppendInOrderUnderTheHourglass()
{
    Loading fake;
    const QString sep = QDir::separator();
    fake.listView1.add(QStringLiteral("0"));
    fake.files.contents.insert(u"/l" + sep + u"a.txt", "1\r\n2\r\n");
    fake.files.contents.insert(u"/l" + sep + u"b.txt", "3\r\n4\r\n");
    fake.commonDialog1.choices = {u"/l" + nul() + u"a.txt" + nul() + u"b.txt"};
    QList<int> pointerWhileAdding;
    fake.listView1.hook.onCall(u"add",
                               [&](int) { pointerWhileAdding.append(fake.window.pointer); });
    fake.loader.PushButton3_Click();
    QCOMPARE(fake.listView1.texts(), (QStringList{"0", "1", "2", "3", "4"}));
    QCOMPARE(pointerWhileAdding, QList<int>(4, PointerCode::Hourglass));
    QCOMPARE(fake.window.pointerHistory,
             (QList<int>{PointerCode::Hourglass, PointerCode::Default}));
}

void TestCodeFileLoader::click_missingFileAmongSeveralIsReportedAndTheRestLoad()
{
    Loading fake;
    const QString sep = QDir::separator();
    fake.files.contents.insert(u"/l" + sep + u"a.txt", "1");
    fake.files.contents.insert(u"/l" + sep + u"c.txt", "3");
    fake.files.contents.insert(u"/l" + sep + u"d.bin", QByteArray("\0\0", 2));
    fake.files.contents.insert(u"/l" + sep + u"e.txt", "5");
    fake.commonDialog1.choices = {u"/l" + nul() + u"a.txt" + nul() + u"b.txt" + nul() + u"c.txt" +
                                  nul() + u"d.bin" + nul() + u"e.txt"};
    fake.loader.PushButton3_Click();
    QCOMPARE(fake.listView1.texts(), (QStringList{"1", "3", "5"}));
    QCOMPARE(fake.messageBox.texts(),
             (QStringList{"File not found", NotATextFileMessage(u"/l" + sep + u"d.bin")}));
    QCOMPARE(fake.window.pointer, PointerCode::Default);
}

void TestCodeFileLoader::click_unreadableFileIsReportedByTheTrapAndTheNextLoads()
{
    Loading fake;
    const QString sep = QDir::separator();
    fake.files.existing.insert(u"/l" + sep + u"folder.txt"); // exists, cannot be read
    fake.files.contents.insert(u"/l" + sep + u"b.txt", "2");
    fake.commonDialog1.choices = {u"/l" + nul() + u"folder.txt" + nul() + u"b.txt"};
    fake.loader.PushButton3_Click();
    QCOMPARE(fake.messageBox.texts(),
             QStringList{BuildErrorReportText(QStringLiteral("Permission denied"),
                                              Location::PushButton3_Click, 120)});
    QCOMPARE(fake.listView1.texts(), QStringList{"2"});
    QCOMPARE(fake.window.pointer, PointerCode::Default);
}

void TestCodeFileLoader::click_failingSingleFileIsReportedAtItsLineAndThePointerComesBack()
{
    Loading fake;
    fake.files.contents.insert(QStringLiteral("/l/a.txt"), "1\r\n2");
    fake.commonDialog1.choices = {QStringLiteral("/l/a.txt")};
    fake.listView1.hook.fail(u"add", QStringLiteral("Out of memory"));
    fake.loader.PushButton3_Click();
    QCOMPARE(fake.messageBox.texts(),
             QStringList{BuildErrorReportText(QStringLiteral("Out of memory"),
                                              Location::PushButton3_Click, 118)});
    QCOMPARE(fake.window.pointerHistory,
             (QList<int>{PointerCode::Hourglass, PointerCode::Default}));
}

void TestCodeFileLoader::click_closingTheWindowDuringALoadStopsIt()
{
    Loading fake;
    fake.files.contents.insert(QStringLiteral("/l/a.txt"), "1\r\n2\r\n3\r\n");
    fake.commonDialog1.choices = {QStringLiteral("/l/a.txt")};
    fake.eventLoop.onYield = [&] { fake.eventLoop.endProgram(); };
    QVERIFY_THROWS_EXCEPTION(ProgramEnding, fake.loader.PushButton3_Click());
    QCOMPARE(fake.listView1.texts(), QStringList{"1"});
}

QTEST_GUILESS_MAIN(TestCodeFileLoader)
#include "tst_codefileloader.moc"
