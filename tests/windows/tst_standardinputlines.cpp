// Standard input read line by line on Windows, by a thread of its own that hands each block to
// the event loop: the suite runs a copy of itself as the reader and writes into its input.
#include "desktop/system/QtStandardInputLines.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include <cstdio>

namespace {
// The copy: prints each line as "line:<text>", then "end", then quits.
int PrintLines(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QtStandardInputLines lines;
    lines.watch(
        8,
        [](const QList<QByteArray>& arrived) {
            for (const QByteArray& line : arrived)
                std::printf("line:%s\n", line.constData());
        },
        [] {
            std::printf("end\n");
            QCoreApplication::quit();
        });
    return QCoreApplication::exec();
}
} // namespace

class TestStandardInputLines : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void input_arrivesLineByLineAndEnds_data();
    void input_arrivesLineByLineAndEnds();
};

void TestStandardInputLines::input_arrivesLineByLineAndEnds_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("printed");
    QTest::newRow("line ends of both kinds")
        << QByteArray("40063813\r\nabc\n") << QByteArray("line:40063813\nline:abc\nend\n");
    QTest::newRow("last line without an end")
        << QByteArray("a\nlast") << QByteArray("line:a\nline:last\nend\n");
    QTest::newRow("a line past the longest is cut")
        << QByteArray("0123456789012\nb\n") << QByteArray("line:01234567\nline:b\nend\n");
    QTest::newRow("nothing") << QByteArray() << QByteArray("end\n");
}

void TestStandardInputLines::input_arrivesLineByLineAndEnds()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, printed);
    QProcess reader;
    reader.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--print-lines")});
    QVERIFY2(reader.waitForStarted(), qPrintable(reader.errorString()));
    reader.write(input);
    reader.closeWriteChannel();
    QVERIFY(reader.waitForFinished(30'000));
    QCOMPARE(reader.exitCode(), 0);
    // The C library writes \n as CR LF on Windows.
    QCOMPARE(reader.readAllStandardOutput().replace("\r\n", "\n"), printed);
}

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--print-lines") == 0)
        return PrintLines(argc, argv);
    QCoreApplication application(argc, argv);
    TestStandardInputLines suite;
    return QTest::qExec(&suite, argc, argv);
}

#include "tst_standardinputlines.moc"
