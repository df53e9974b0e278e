// Result files on disk: whole or not at all, nothing left behind, refusals before any write, and
// a workbook of rows in order read back by another reader; and the workbooks and MARC records of
// the program a user starts, through the connections module it loads when a run first needs it.
#include "common/OperationFailed.h"
#include "desktop/files/QtOutputFiles.h"
#include "desktop/files/QtWorkbookFiles.h"
#include "program/ConnectionsModule.h"
#include "support/MarcTestRecords.h"
#include "support/WorkbookCells.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestQtOutputFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void text_replacesTheFileOnlyOnCommit();
    void text_notCommittedLeavesTheOldFileAndNothingElse();
    void workbook_rowsInOrderReadBackAsTextWithFittedColumns();
    void workbook_notCommittedLeavesTheOldFileAndNothingElse();
    void creation_refusedWhereNothingCanBeWritten();
    void connectionsModule_missing_failsEachUseUntilItIsThere();

private:
    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    static QStringList entries(const QTemporaryDir& dir)
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    static void put(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

void TestQtOutputFiles::text_replacesTheFileOnlyOnCommit()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    put(path, "old");
    QtOutputFiles files(&MakeQtWorkbookFile);
    const std::unique_ptr<OutputFile> file = files.createText(path);
    // More than one block, so that blocks reach the disk before the commit.
    const QByteArray row = QByteArray(999, 'x') + '\n';
    for (int i = 0; i < 200; ++i)
        file->write(row);
    QCOMPARE(contents(path), QByteArray("old"));
    file->commit();
    QCOMPARE(contents(path), row.repeated(200));
    QCOMPARE(entries(dir), QStringList{"out.csv"});
}

void TestQtOutputFiles::text_notCommittedLeavesTheOldFileAndNothingElse()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    put(path, "old");
    {
        QtOutputFiles files(&MakeQtWorkbookFile);
        const std::unique_ptr<OutputFile> file = files.createText(path);
        file->write(QByteArray(200'000, 'y'));
    }
    QCOMPARE(contents(path), QByteArray("old"));
    QCOMPARE(entries(dir), QStringList{"out.csv"});
}

void TestQtOutputFiles::workbook_rowsInOrderReadBackAsTextWithFittedColumns()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.xlsx"));
    put(path, "old");
    QtOutputFiles files(&MakeQtWorkbookFile);
    const std::unique_ptr<WorkbookFile> workbook = files.createWorkbook(path, WorkbookFormat::Xlsx);
    workbook->setCellText(1, 1, QStringLiteral("code"));
    workbook->setCellText(1, 2, QStringLiteral("name"));
    workbook->setCellText(2, 1, QStringLiteral("0012345678905"));
    workbook->setCellText(2, 2, QStringLiteral("Pâte à tartiner, 400 g"));
    workbook->setCellText(3, 1, QStringLiteral("=1+1"));
    // In order means in order: a row already written out cannot change any more.
    QVERIFY_THROWS_EXCEPTION(OperationFailed, workbook->setCellText(2, 3, QStringLiteral("x")));
    QCOMPARE(contents(path), QByteArray("old"));
    workbook->commit();
    QCOMPARE(entries(dir), QStringList{"out.xlsx"});

#ifdef Q_OS_WIN
    QSKIP("openpyxl, the independent reader, is a Linux program; the same writer is read back "
          "by it in the Linux suites");
#endif
    const QJsonObject read = WorkbookCells(path);
    QCOMPARE(read.value(u"rows").toArray(),
             (QJsonArray{QJsonArray{"code", "name"},
                         QJsonArray{"0012345678905", "Pâte à tartiner, 400 g"},
                         QJsonArray{"=1+1", QJsonValue::Null}}));
    QCOMPARE(read.value(u"types").toArray(), QJsonArray{"s"});
    QCOMPARE(read.value(u"widths").toObject().value(u"B").toDouble(), 23.0 + 0.7109375);
}

void TestQtOutputFiles::workbook_notCommittedLeavesTheOldFileAndNothingElse()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.xlsx"));
    put(path, "old");
    {
        QtOutputFiles files(&MakeQtWorkbookFile);
        const std::unique_ptr<WorkbookFile> workbook =
            files.createWorkbook(path, WorkbookFormat::Xlsx);
        for (int row = 1; row <= 100; ++row)
            workbook->setCellText(row, 1, QString::number(row));
    }
    QCOMPARE(contents(path), QByteArray("old"));
    QCOMPARE(entries(dir), QStringList{"out.xlsx"});
}

void TestQtOutputFiles::creation_refusedWhereNothingCanBeWritten()
{
    QTemporaryDir dir;
    QtOutputFiles files(&MakeQtWorkbookFile);
    const QString missing = dir.filePath(QStringLiteral("no-such-folder/out"));
    QVERIFY_THROWS_EXCEPTION(OperationFailed, files.createText(missing + u".csv"));
    QVERIFY_THROWS_EXCEPTION(OperationFailed,
                             files.createWorkbook(missing + u".xlsx", WorkbookFormat::Xlsx));
    QVERIFY_THROWS_EXCEPTION(OperationFailed, files.createText(dir.path()));
    QVERIFY_THROWS_EXCEPTION(OperationFailed,
                             files.createWorkbook(dir.path(), WorkbookFormat::Xlsx));
    QVERIFY(entries(dir).isEmpty());
}

void TestQtOutputFiles::connectionsModule_missing_failsEachUseUntilItIsThere()
{
#ifndef QUILLFEN_CONNECTIONS_MODULE
    QSKIP("one executable carries the connections here");
#else
    QTemporaryDir dir;
    const QString module = dir.filePath(QStringLiteral("quillfen-connections.so"));
    const ConnectionsModule connections(nullptr, [module] { return module; });
    QtOutputFiles files(connections.workbooks());
    const QString path = dir.filePath(QStringLiteral("out.xlsx"));
    // Made before the module is there, and used after: each use finds it then.
    MarcCodec& codec = connections.marcCodec();
    const auto zips = connections.zipArchives();
    const QByteArray record = MarcTest::StandInRecord(QStringLiteral("9783999000015"));
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            files.createWorkbook(path, WorkbookFormat::Xlsx);
            QFAIL("a workbook written without its module");
        } catch (const OperationFailed& failure) {
            QVERIFY2(failure.description().contains(module), qPrintable(failure.description()));
        }
        // A record is refused with the reason, as one that cannot be read is.
        const auto read = codec.written(record);
        QCOMPARE(read.index(), 1u);
        QVERIFY2(std::get<1>(read).contains(module), qPrintable(std::get<1>(read)));
    }
    QVERIFY(QFile::copy(QStringLiteral(QUILLFEN_CONNECTIONS_MODULE), module));
    const std::unique_ptr<WorkbookFile> workbook = files.createWorkbook(path, WorkbookFormat::Xlsx);
    workbook->setCellText(1, 1, QStringLiteral("4006381333931"));
    workbook->commit();
    QVERIFY(zips->open(path)->entryNames().contains(QStringLiteral("xl/workbook.xml")));
    QCOMPARE(codec.written(record).index(), 0u);
#endif
}

QTEST_GUILESS_MAIN(TestQtOutputFiles)
#include "tst_qtoutputfiles.moc"
