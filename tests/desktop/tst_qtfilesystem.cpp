#include "common/OperationFailed.h"
#include "desktop/files/QtFileSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestQtFileSystem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readFile_givesTheWholeFile();
    void readFile_atTheLimitIsReadPastItIsNot();
    void readFile_hugeFileIsRefusedWithoutReadingIt();
    void readFile_pipeOrDeviceIsRefusedWithoutBlocking();
    void readFile_folderOrMissingFileThrows();
    void fileFound_onlyForFiles();
    void writeWholeFile_makesItsFolderReplacesOrThrowsLeavingTheOld();

private:
    QTemporaryDir m_folder;

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_folder.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
};

void TestQtFileSystem::readFile_givesTheWholeFile()
{
    QByteArray bytes;
    for (int i = 0; i < 300'000; ++i)
        bytes += QByteArray::number(i) + "\r\n"; // a few megabytes
    const QString path = write(QStringLiteral("codes.txt"), bytes);
    const FileSystem::Contents contents = QtFileSystem().readFile(path, 100 << 20);
    QVERIFY(!contents.overLimit);
    QCOMPARE(contents.bytes, bytes);
}

void TestQtFileSystem::readFile_atTheLimitIsReadPastItIsNot()
{
    const QString path = write(QStringLiteral("ten.txt"), "0123456789");
    QCOMPARE(QtFileSystem().readFile(path, 10).bytes, QByteArray("0123456789"));
    const FileSystem::Contents over = QtFileSystem().readFile(path, 9);
    QVERIFY(over.overLimit);
    QVERIFY(over.bytes.isEmpty());
}

void TestQtFileSystem::readFile_hugeFileIsRefusedWithoutReadingIt()
{
    const QString path = m_folder.filePath(QStringLiteral("huge.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize((qint64(100) << 20) + 1)); // sparse: costs no disk
    file.close();
    QVERIFY(QtFileSystem().readFile(path, qint64(100) << 20).overLimit);
}

void TestQtFileSystem::readFile_pipeOrDeviceIsRefusedWithoutBlocking()
{
    // Opening a pipe that nobody writes to would block for ever.
    const QString pipe = m_folder.filePath(QStringLiteral("codes.fifo"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY_THROWS_EXCEPTION(OperationFailed, QtFileSystem().readFile(pipe, 100));
    if (QFile::exists(QStringLiteral("/dev/zero")))
        QVERIFY_THROWS_EXCEPTION(OperationFailed,
                                 QtFileSystem().readFile(QStringLiteral("/dev/zero"), 100));
}

void TestQtFileSystem::readFile_folderOrMissingFileThrows()
{
    QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("lists.txt")));
    QVERIFY_THROWS_EXCEPTION(
        OperationFailed,
        QtFileSystem().readFile(m_folder.filePath(QStringLiteral("lists.txt")), 100));
    QVERIFY_THROWS_EXCEPTION(
        OperationFailed, QtFileSystem().readFile(m_folder.filePath(QStringLiteral("none")), 100));
}

void TestQtFileSystem::fileFound_onlyForFiles()
{
    const QString path = write(QStringLiteral("o.cjs"), "x");
    QVERIFY(QtFileSystem().fileFound(path));
    QVERIFY(!QtFileSystem().fileFound(m_folder.path()));
    QVERIFY(!QtFileSystem().fileFound(m_folder.filePath(QStringLiteral("none"))));
    QVERIFY(!QtFileSystem().fileFound(QString()));
    // A folder still has a date: it "exists" for the loader, which then cannot read it.
    QVERIFY(QtFileSystem().modificationTimeReadable(m_folder.path()));
}

void TestQtFileSystem::writeWholeFile_makesItsFolderReplacesOrThrowsLeavingTheOld()
{
    QtFileSystem files;
    const QString path = m_folder.filePath(QStringLiteral("new/sources/mine.json"));
    files.writeWholeFile(path, "first");
    files.writeWholeFile(path, "second");
    QCOMPARE(files.readFile(path, 100).bytes, QByteArray("second"));
    // No place for the file beside it: nothing written, the old one untouched.
    const QString blocked = write(QStringLiteral("blocked.json"), "old");
    QVERIFY(QFile::setPermissions(blocked, QFileDevice::ReadOwner));
    QVERIFY_THROWS_EXCEPTION(OperationFailed,
                             files.writeWholeFile(blocked + QStringLiteral("/x.json"), "new"));
    QCOMPARE(files.readFile(blocked, 100).bytes, QByteArray("old"));
    QCOMPARE(QDir(m_folder.filePath(QStringLiteral("new/sources"))).entryList(QDir::Files),
             QStringList{"mine.json"});
}

QTEST_GUILESS_MAIN(TestQtFileSystem)
#include "tst_qtfilesystem.moc"
