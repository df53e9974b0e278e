// Syncs and replacing renames in their Windows forms: FlushFileBuffers through the C library's
// descriptors and by path, and MoveFileExW replacing in one step; while the old file is open,
// replacing it if its reader shares its deletion and otherwise leaving both files as they were.
#include "desktop/files/FileSync.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

namespace {
QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

class TestFileSync : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void descriptor_syncedOnlyWhenOpenForWriting_data();
    void descriptor_syncedOnlyWhenOpenForWriting();
    void path_fileAndFolderSyncedMissingOneNot();
    void replace_takesTheOldOnesPlaceInOneStep_data();
    void replace_takesTheOldOnesPlaceInOneStep();
    void replace_whileTheOldOneIsOpen_data();
    void replace_whileTheOldOneIsOpen();

private:
    QTemporaryDir m_folder;
    QString path(const char* name) const { return m_folder.filePath(QString::fromLatin1(name)); }
};

void TestFileSync::descriptor_syncedOnlyWhenOpenForWriting_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("synced");
    QTest::newRow("written") << int(QIODevice::WriteOnly) << true;
    QTest::newRow("read and written") << int(QIODevice::ReadWrite) << true;
    // FlushFileBuffers needs a handle that may write.
    QTest::newRow("read only") << int(QIODevice::ReadOnly) << false;
}

void TestFileSync::descriptor_syncedOnlyWhenOpenForWriting()
{
    QFETCH(int, mode);
    QFETCH(bool, synced);
    QVERIFY(Write(path("a.txt"), "scan 1\n"));
    QFile file(path("a.txt"));
    const auto openMode = QIODevice::OpenMode(mode);
    const bool writing = openMode != QIODevice::ReadOnly;
    QVERIFY(file.open(writing ? openMode | QIODevice::Append : openMode));
    if (writing) {
        QVERIFY(file.write("scan 2\n") == 7);
        QVERIFY(file.flush());
    }
    QCOMPARE(SyncDescriptor(file.handle()), synced);
}

void TestFileSync::path_fileAndFolderSyncedMissingOneNot()
{
    QVERIFY(Write(path("index.sqlite"), "pages"));
    QVERIFY(SyncPath(path("index.sqlite")));
    QVERIFY(SyncPath(m_folder.path()));
    QVERIFY(!SyncPath(path("none-such.sqlite")));
}

void TestFileSync::replace_takesTheOldOnesPlaceInOneStep_data()
{
    QTest::addColumn<bool>("oldExists");
    QTest::newRow("over an old file") << true;
    QTest::newRow("where none was") << false;
}

void TestFileSync::replace_takesTheOldOnesPlaceInOneStep()
{
    QFETCH(bool, oldExists);
    QFile::remove(path("index.sqlite"));
    if (oldExists)
        QVERIFY(Write(path("index.sqlite"), "old"));
    QVERIFY(Write(path("index.sqlite.new"), "new"));
    QCOMPARE(MoveIntoPlace(path("index.sqlite.new"), path("index.sqlite")), std::nullopt);
    QCOMPARE(Contents(path("index.sqlite")), QByteArray("new"));
    QVERIFY(!QFile::exists(path("index.sqlite.new")));
}

void TestFileSync::replace_whileTheOldOneIsOpen_data()
{
    QTest::addColumn<DWORD>("sharing");
    QTest::addColumn<bool>("replaced");
    // As SQLite opens its files on Windows: reading and writing shared, deleting not.
    QTest::newRow("deletion not shared: refused, both stay")
        << DWORD(FILE_SHARE_READ | FILE_SHARE_WRITE) << false;
    // As the product index's readers open it: the old file steps aside and goes when closed.
    QTest::newRow("deletion shared: replaced, the reader keeps the old")
        << DWORD(FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE) << true;
}

void TestFileSync::replace_whileTheOldOneIsOpen()
{
    QFETCH(DWORD, sharing);
    QFETCH(bool, replaced);
    QVERIFY(Write(path("held.sqlite"), "old"));
    QVERIFY(Write(path("held.sqlite.new"), "new"));
    // Left by a replacement that was cut short: it goes whenever one is needed again.
    QVERIFY(Write(path("held.sqlite.replaced-cut"), "older"));
    const std::wstring held = QDir::toNativeSeparators(path("held.sqlite")).toStdWString();
    const HANDLE reader = CreateFileW(held.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    QVERIFY(reader != INVALID_HANDLE_VALUE);
    const std::optional<QString> refused =
        MoveIntoPlace(path("held.sqlite.new"), path("held.sqlite"));
    char kept[4] = {};
    DWORD read = 0;
    const bool readOld = ReadFile(reader, kept, 3, &read, nullptr) && QByteArray(kept) == "old";
    CloseHandle(reader);
    QVERIFY(readOld);
    QCOMPARE(!refused.has_value(), replaced);
    QCOMPARE(Contents(path("held.sqlite")), QByteArray(replaced ? "new" : "old"));
    QCOMPARE(QFile::exists(path("held.sqlite.new")), !replaced);
    // Nothing left beside it once the reader is gone, the one cut short included: it goes
    // whenever a replacement finds the old file open.
    QCOMPARE(QDir(m_folder.path()).entryList({QStringLiteral("held.sqlite.replaced-*")}),
             QStringList());
    QFile::remove(path("held.sqlite"));
    QFile::remove(path("held.sqlite.new"));
}

QTEST_GUILESS_MAIN(TestFileSync)
#include "tst_filesync.moc"
