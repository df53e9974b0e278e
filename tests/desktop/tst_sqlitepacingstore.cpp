// The pacing every Quillfen of the user shares, in an SQLite file in a temporary folder: each
// store stands for another copy of the program.
#include "desktop/storage/SqlitePacingStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kHost = QStringLiteral("world.openfoodfacts.org:443");
} // namespace

class TestSqlitePacingStore : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString path() const { return m_folder.filePath(QStringLiteral("cache/pacing.sqlite")); }

private Q_SLOTS:
    void init() { QFile::remove(path()); }

    void twoCopies_takeTurnsAndShareHolds()
    {
        SqlitePacingStore window(path());
        SqlitePacingStore batch(path());
        QCOMPARE(window.takeTurn(kHost, 100'000, 4'000), 0);
        // The other copy finds the turn taken, and takes nothing while it waits.
        QCOMPARE(batch.takeTurn(kHost, 100'500, 4'000), 3'500);
        QCOMPARE(batch.takeTurn(kHost.toUpper(), 103'000, 4'000), 1'000);
        QCOMPARE(batch.takeTurn(QStringLiteral("openlibrary.org:443"), 103'000, 1'000), 0);
        QCOMPARE(batch.takeTurn(kHost, 104'000, 4'000), 0);
        QCOMPARE(window.takeTurn(kHost, 104'000, 4'000), 4'000);

        // A busy answer's deadline holds for every copy, and a shorter one does not cut it.
        batch.holdUntil(kHost, 160'000);
        window.holdUntil(kHost, 120'000);
        QCOMPARE(window.takeTurn(kHost, 110'000, 4'000), 50'000);
        QCOMPARE(SqlitePacingStore(path()).takeTurn(kHost, 160'000, 4'000), 0);
        QCOMPARE(window.takeProblem(), QString());
        QCOMPARE(batch.takeProblem(), QString());
    }

    void twoCopies_shareADailyAllowanceThatStartsAgainNextDay()
    {
        constexpr qint64 kDay = 24 * 60 * 60 * 1000;
        const qint64 noon = 20'000 * kDay + kDay / 2;
        const QString name = QStringLiteral("acme");
        SqlitePacingStore window(path());
        SqlitePacingStore batch(path());
        QCOMPARE(window.takeFromAllowance(name, noon, 2), std::optional(true));
        QCOMPARE(batch.takeFromAllowance(name, noon + 1, 2), std::optional(true));
        QCOMPARE(window.takeFromAllowance(name, noon + 2, 2), std::optional(false));
        QCOMPARE(batch.takeFromAllowance(QStringLiteral("other"), noon, 2), std::optional(true));
        QCOMPARE(batch.takeFromAllowance(name, noon + kDay / 2, 2), std::optional(true));
    }

    void clockSetBack_farTurnIsNotWaitedFor()
    {
        SqlitePacingStore store(path());
        QCOMPARE(store.takeTurn(kHost, 10'000'000, 4'000), 0);
        // An hour earlier: the stored turn lies further ahead than any turn or hold could.
        QCOMPARE(store.takeTurn(kHost, 6'400'000, 4'000), 0);
        QCOMPARE(store.takeTurn(kHost, 6'401'000, 4'000), 3'000);
    }

    void damagedFile_startedAgainQuietly()
    {
        QVERIFY(QDir().mkpath(QFileInfo(path()).absolutePath()));
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, 'x'));
        file.close();
        SqlitePacingStore store(path());
        QCOMPARE(store.takeTurn(kHost, 1'000, 4'000), 0);
        QCOMPARE(store.takeTurn(kHost, 2'000, 4'000), 3'000);
        QCOMPARE(store.takeProblem(), QString());
    }

    void unusableFile_oneMessageThenNothing()
    {
        QVERIFY(QDir().mkpath(path())); // a folder where the file should be
        SqlitePacingStore store(path());
        QCOMPARE(store.takeTurn(kHost, 1'000, 4'000), std::nullopt);
        store.holdUntil(kHost, 9'000);
        QCOMPARE(store.takeTurn(kHost, 1'000, 4'000), std::nullopt);
        // Named as the system names files (backslashes on Windows).
        QVERIFY(store.takeProblem().contains(QDir::toNativeSeparators(path())));
        QCOMPARE(store.takeProblem(), QString());
        QDir(path()).removeRecursively();
    }
};

QTEST_GUILESS_MAIN(TestSqlitePacingStore)
#include "tst_sqlitepacingstore.moc"
