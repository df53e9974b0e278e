#include "common/MainRoutines.h"
#include "fakes/FakePlatform.h"

#include <QTest>

class TestMainRoutines : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileNameFromPath_data();
    void fileNameFromPath();
    void withDefaultExtension_data();
    void withDefaultExtension();
    void trimSpaces_data();
    void trimSpaces();
    void fileExists_isFalseOnAnyFailure();
};

void TestMainRoutines::fileNameFromPath_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("code") << "4988112412613"
                          << "4988112412613";
    QTest::newRow("windows path") << R"(C:\lists\out.txt)"
                                  << "out.txt";
    QTest::newRow("trailing backslash") << R"(C:\lists\)"
                                        << "";
    QTest::newRow("forward slashes stay") << "a/b/c"
                                          << "a/b/c";
    QTest::newRow("empty") << ""
                           << "";
}

void TestMainRoutines::fileNameFromPath()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(FileNameFromPath(text), expected);
}

void TestMainRoutines::withDefaultExtension_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("used");
    QTest::newRow("none") << "/home/ann/results"
                          << "/home/ann/results.txt";
    QTest::newRow("dot in a folder only") << "/home/ann.b/results"
                                          << "/home/ann.b/results.txt";
    QTest::newRow("trailing dot") << "results."
                                  << "results.txt";
    QTest::newRow("its own") << "/home/ann/results.txt"
                             << "/home/ann/results.txt";
    QTest::newRow("another kept") << "/home/ann/results.log"
                                  << "/home/ann/results.log";
    QTest::newRow("cancel") << ""
                            << "";
}

void TestMainRoutines::withDefaultExtension()
{
    QFETCH(QString, typed);
    QFETCH(QString, used);
    QCOMPARE(WithDefaultExtension(typed, u"txt"), used);
}

void TestMainRoutines::trimSpaces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("both ends") << "  123  "
                               << "123";
    QTest::newRow("inner kept") << " a b "
                                << "a b";
    QTest::newRow("tabs stay") << "\t123\t"
                               << "\t123\t";
    QTest::newRow("all spaces") << "   "
                                << "";
    QTest::newRow("line breaks stay") << "\n x \r"
                                      << "\n x \r";
}

void TestMainRoutines::trimSpaces()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(TrimSpaces(text), expected);
}

void TestMainRoutines::fileExists_isFalseOnAnyFailure()
{
    FakeFileSystem files;
    files.existing.insert(QStringLiteral("/here"));
    QVERIFY(FileExists(files, QStringLiteral("/here")));
    QVERIFY(!FileExists(files, QStringLiteral("/there")));
    files.hook.failAll(QStringLiteral("Bad file name"));
    QVERIFY(!FileExists(files, QStringLiteral("/here")));
}

QTEST_GUILESS_MAIN(TestMainRoutines)
#include "tst_mainroutines.moc"
