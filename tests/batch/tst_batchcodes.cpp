// Reading the codes of a batch run: files and standard input in the order named, the code files'
// decoding and line rules, refusals, and walking the codes with a look ahead.
#include "app/batch/BatchCodes.h"
#include "codes/CodeFileLoader.h"
#include "fakes/FakeBatchConsole.h"
#include "fakes/FakeFileSystem.h"
#include "support/CodeFileEndings.h"
#include "support/Utf16Bytes.h"

#include <QTest>

class TestBatchCodes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // ---- Reading ----
    void codes_byTheCodeFileRules_data();
    void codes_byTheCodeFileRules();
    void inputs_readInTheOrderNamedWithStandardInputForDash();
    void noInput_readsStandardInput();
    void refusedInput_namesItAndReadsNothingAfter_data();
    void refusedInput_namesItAndReadsNothingAfter();

    // ---- Walking ----
    void cursor_looksAheadWithoutMovingOnAndAcrossFiles();
    void cursor_ofNoCodesEndsAtOnce();

private:
    // The inputs on fakes: files by path, and standard input.
    struct Reading
    {
        FakeFileSystem files;
        FakeBatchConsole console;
        QString problem;

        BatchCodes read(const QStringList& inputs)
        {
            problem.clear();
            return BatchCodes::read(inputs, files, console, problem);
        }
    };

    static QStringList all(const BatchCodes& codes)
    {
        QStringList walked;
        BatchCodes::Cursor cursor = codes.cursor();
        while (const std::optional<QString> code = cursor.next())
            walked.append(*code);
        return walked;
    }
};

// ---- Reading ----

void TestBatchCodes::codes_byTheCodeFileRules_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("codes");
    // The window's rows for the same file, less those that hold no code.
    for (const CodeFileEnding& ending : CodeFileEndings()) {
        QStringList codes = ending.rows;
        codes.removeIf([](const QString& row) { return row.trimmed().isEmpty(); });
        QTest::newRow(ending.name) << ending.bytes << codes;
    }
    QTest::newRow("blank lines hold no code")
        << QByteArray("\n111\n\n \t\n222\n\n") << QStringList{"111", "222"};
    QTest::newRow("spaces around a code are kept")
        << QByteArray(" 111 \n978-3-16-148410-0") << QStringList{" 111 ", "978-3-16-148410-0"};
    QTest::newRow("UTF-8 mark dropped") << QByteArray("\xEF\xBB\xBF"
                                                      "4006381333931\n")
                                        << QStringList{"4006381333931"};
    QTest::newRow("UTF-16 LE with its mark")
        << Utf16Bytes(QStringLiteral("111\r\n222"), true, true) << QStringList{"111", "222"};
    QTest::newRow("UTF-16 BE with its mark")
        << Utf16Bytes(QStringLiteral("111\n"), false, true) << QStringList{"111"};
    if (SystemCodePageIsUtf8()) {
        QTest::newRow("bytes that are not UTF-8") << QByteArray("11\xFF"
                                                                "1\n")
                                                  << QStringList{QStringLiteral("11\uFFFD1")};
        // Each row of a UTF-8 file is decoded on its own, as it is reached.
        QTest::newRow("a character cut short at a line's end")
            << QByteArray("11\xC3\n\xC3\xA9") << QStringList{QStringLiteral("11\uFFFD"), "é"};
        QTest::newRow("a line of no-break spaces holds no code")
            << QByteArray("111\n\xC2\xA0\xC2\xA0\n222") << QStringList{"111", "222"};
    }
    QTest::newRow("empty") << QByteArray() << QStringList{};
}

void TestBatchCodes::codes_byTheCodeFileRules()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, codes);
    Reading fake;
    fake.files.contents.insert(QStringLiteral("codes.txt"), bytes);
    const BatchCodes read = fake.read({QStringLiteral("codes.txt")});
    QCOMPARE(fake.problem, QString());
    QCOMPARE(all(read), codes);
    QCOMPARE(read.count(), codes.size());
}

void TestBatchCodes::inputs_readInTheOrderNamedWithStandardInputForDash()
{
    Reading fake;
    fake.files.contents.insert(QStringLiteral("a.txt"), "1\n2\n");
    fake.files.contents.insert(QStringLiteral("b.txt"), "5");
    fake.console.input = "3\r\n4\r\n";
    const BatchCodes read = fake.read({"a.txt", "-", "b.txt"});
    QCOMPARE(all(read), (QStringList{"1", "2", "3", "4", "5"}));
    QCOMPARE(read.count(), 5);
    QCOMPARE(fake.files.reads, (QStringList{"a.txt", "b.txt"}));
    QCOMPARE(fake.console.inputReads, 1);
}

void TestBatchCodes::noInput_readsStandardInput()
{
    Reading fake;
    fake.console.input = "\xFF\xFE" + Utf16Bytes(QStringLiteral("4006381333931\n"), true, false);
    const BatchCodes read = fake.read({});
    QCOMPARE(all(read), QStringList{"4006381333931"});
    QVERIFY(fake.files.reads.isEmpty());
}

void TestBatchCodes::refusedInput_namesItAndReadsNothingAfter_data()
{
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("problem");
    QTest::newRow("missing file") << QStringList{"good.txt", "missing.txt", "later.txt"}
                                  << "Permission denied";
    QTest::newRow("binary file") << QStringList{"good.txt", "binary.dat", "later.txt"}
                                 << "binary.dat: not a text file";
    QTest::newRow("UTF-16 without a mark")
        << QStringList{"utf16.txt", "later.txt"} << "utf16.txt: not a text file";
    QTest::newRow("over 100 MB") << QStringList{"huge.txt", "later.txt"}
                                 << "huge.txt: larger than 100 MB, too large for a code file";
    QTest::newRow("standard input not text")
        << QStringList{"-", "later.txt"} << "standard input: not a text file";
}

void TestBatchCodes::refusedInput_namesItAndReadsNothingAfter()
{
    QFETCH(QStringList, inputs);
    QFETCH(QString, problem);
    Reading fake;
    fake.files.contents.insert(QStringLiteral("good.txt"), "1\n");
    fake.files.contents.insert(QStringLiteral("later.txt"), "2\n");
    fake.files.contents.insert(QStringLiteral("binary.dat"), QByteArray("PK\x03\x04\0\0", 6));
    fake.files.contents.insert(QStringLiteral("utf16.txt"),
                               Utf16Bytes(QStringLiteral("111\n"), true, false));
    fake.files.contents.insert(QStringLiteral("huge.txt"), "1\n");
    fake.files.oversized.insert(QStringLiteral("huge.txt"));
    fake.console.input = QByteArray("1\n\0", 3);
    const BatchCodes read = fake.read(inputs);
    QCOMPARE(fake.problem, problem);
    QCOMPARE(read.count(), 0);
    QVERIFY(all(read).isEmpty());
    QVERIFY(!fake.files.reads.contains(QStringLiteral("later.txt")));
}

// ---- Walking ----

void TestBatchCodes::cursor_looksAheadWithoutMovingOnAndAcrossFiles()
{
    Reading fake;
    fake.files.contents.insert(QStringLiteral("a.txt"), "1\n\n2\n");
    fake.files.contents.insert(QStringLiteral("b.txt"), "\n3\n4");
    const BatchCodes read = fake.read({"a.txt", "b.txt"});
    BatchCodes::Cursor cursor = read.cursor();
    QCOMPARE(cursor.ahead(1), QStringLiteral("1")); // before the first: the first is next
    QCOMPARE(cursor.next(), QStringView(u"1"));
    QCOMPARE(cursor.ahead(1), QStringLiteral("2"));
    QCOMPARE(cursor.ahead(2), QStringLiteral("3"));
    QCOMPARE(cursor.ahead(3), QStringLiteral("4"));
    QCOMPARE(cursor.ahead(4), std::nullopt);
    QCOMPARE(cursor.next(), QStringView(u"2"));
    // Looked ahead from where it stood before, and back to a nearer code; a copy looks alike.
    QCOMPARE(cursor.ahead(2), QStringLiteral("4"));
    QCOMPARE(cursor.ahead(1), QStringLiteral("3"));
    const BatchCodes::Cursor copy = cursor;
    QCOMPARE(copy.ahead(2), QStringLiteral("4"));
    QCOMPARE(cursor.next(), QStringView(u"3"));
    QCOMPARE(cursor.next(), QStringView(u"4"));
    QCOMPARE(cursor.ahead(1), std::nullopt);
    QVERIFY(!cursor.next());
    QVERIFY(!cursor.next());
}

void TestBatchCodes::cursor_ofNoCodesEndsAtOnce()
{
    Reading fake;
    fake.files.contents.insert(QStringLiteral("blank.txt"), "\n \n");
    const BatchCodes read = fake.read({"blank.txt", "blank.txt"});
    QCOMPARE(read.count(), 0);
    QVERIFY(!read.cursor().next());
    QVERIFY(!BatchCodes().cursor().next());
}

QTEST_GUILESS_MAIN(TestBatchCodes)
#include "tst_batchcodes.moc"
