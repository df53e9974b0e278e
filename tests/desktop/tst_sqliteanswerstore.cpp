// The SQLite file of remembered answers, in a temporary folder: answers kept across stores and
// copies of the program, damaged files moved aside, and a file that cannot be written.
#include "desktop/storage/QtSqlTrouble.h"
#include "desktop/storage/SqliteAnswerStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <unistd.h>

namespace {
const QString kAddress = QStringLiteral("https://world.openfoodfacts.org");

StoredAnswer Found(const QString& name, qint64 storedAt = QDateTime::currentSecsSinceEpoch())
{
    return StoredAnswer{true, name, QStringLiteral("Brand"), QStringLiteral("400 g"), {}, storedAt};
}

QString Code(int i)
{
    return QString::number(4000000000000LL + i);
}

// Another copy of the program: remembers `count` answers under its own source name while the
// test does the same, reading each back at once.
int RunWriter(const QString& path, const QString& source, int count)
{
    SqliteAnswerStore store(path);
    for (int i = 0; i < count; ++i) {
        store.store(source, kAddress, Code(i), Found(source + QString::number(i)));
        const auto back = store.find(source, kAddress, Code(i));
        if (!back || back->name != source + QString::number(i)) {
            std::fprintf(stderr, "%s: answer %d not read back\n", qPrintable(source), i);
            return 1;
        }
    }
    if (const QString problem = store.takeProblem(); !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 1;
    }
    return 0;
}
// A copy of the program that cannot write the file: reports the store's first problem on stdout,
// and fails when the store keeps an answer anyway or reports twice.
int RunProbe(const QString& path)
{
    SqliteAnswerStore store(path);
    store.find(QStringLiteral("openfoodfacts"), kAddress, Code(1));
    const QString problem = store.takeProblem();
    store.store(QStringLiteral("openfoodfacts"), kAddress, Code(1), Found(QStringLiteral("x")));
    const bool kept = store.find(QStringLiteral("openfoodfacts"), kAddress, Code(1)).has_value();
    std::printf("%s", qPrintable(problem));
    return kept || !store.takeProblem().isEmpty() ? 1 : 0;
}
} // namespace

class TestSqliteAnswerStore : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString path() const { return m_folder.filePath(QStringLiteral("cache/lookups.sqlite")); }

    // A real file of answers, closed.
    void writeAnswers(int count)
    {
        SqliteAnswerStore store(path());
        for (int i = 0; i < count; ++i)
            store.store(QStringLiteral("openfoodfacts"), kAddress, Code(i),
                        Found(QStringLiteral("x")));
        QCOMPARE(store.count(), count);
    }

    // A file as an earlier Quillfen left it, made by these statements.
    void writeOldFile(const QStringList& statements)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path()).absolutePath()));
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("maker"));
            db.setDatabaseName(path());
            QVERIFY(db.open());
            QSqlQuery query(db);
            for (const QString& sql : statements)
                QVERIFY2(query.exec(sql), qPrintable(query.lastError().text()));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("maker"));
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_folder.isValid());
        QDir(m_folder.filePath(QStringLiteral("cache"))).removeRecursively();
    }

    void defaultPath_isInTheUsersCacheFolder()
    {
        QCOMPARE(SqliteAnswerStore::defaultPath(),
                 qEnvironmentVariable("XDG_CACHE_HOME") +
                     QStringLiteral("/Zandrik/Quillfen/lookups.sqlite"));
    }

    void fileIsMadeAtFirstUse_notBefore()
    {
        SqliteAnswerStore store(path());
        QVERIFY(!QFile::exists(path()));
        QVERIFY(!store.find(QStringLiteral("openfoodfacts"), kAddress, Code(1)));
        QVERIFY(QFile::exists(path()));
        QCOMPARE(store.takeProblem(), QString());
    }

    void answers_keptAcrossStoresBySourceAndCode()
    {
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        {
            SqliteAnswerStore store(path());
            store.store(QStringLiteral("openfoodfacts"), kAddress, Code(1),
                        Found(QStringLiteral("old")));
            store.store(QStringLiteral("openfoodfacts"), kAddress, Code(1),
                        StoredAnswer{true,
                                     QStringLiteral("Crème brûlée 🍮"),
                                     {},
                                     QStringLiteral("2 × 100 g"),
                                     QStringLiteral("Open Beauty Facts"),
                                     now - 5,
                                     ProductDetails{.description = QStringLiteral("Vanilla\n")}});
            store.store(QStringLiteral("upcitemdb"), kAddress, Code(1),
                        StoredAnswer{false, {}, {}, {}, {}, now});
        }
        SqliteAnswerStore store(path());
        const auto found = store.find(QStringLiteral("openfoodfacts"), kAddress, Code(1));
        QVERIFY(found);
        QVERIFY(found->found);
        QCOMPARE(found->name, QStringLiteral("Crème brûlée 🍮"));
        QCOMPARE(found->brand, QString());
        QCOMPARE(found->quantity, QStringLiteral("2 × 100 g"));
        QCOMPARE(found->database, QStringLiteral("Open Beauty Facts"));
        QCOMPARE(found->storedAt, now - 5);
        QCOMPARE(found->details.description, QStringLiteral("Vanilla\n"));
        const auto notFound = store.find(QStringLiteral("upcitemdb"), kAddress, Code(1));
        QVERIFY(notFound && !notFound->found);
        QVERIFY(!store.find(QStringLiteral("openlibrary"), kAddress, Code(1)));
        QVERIFY(!store.find(QStringLiteral("openfoodfacts"), kAddress, Code(2)));
        QCOMPARE(store.count(), 2);

        store.forgetAll();
        QCOMPARE(store.count(), 0);
        QVERIFY(!store.find(QStringLiteral("openfoodfacts"), kAddress, Code(1)));
    }

    void answersOlderThanAnyLifetime_droppedOnOpening()
    {
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        {
            SqliteAnswerStore store(path());
            store.store(QStringLiteral("a"), kAddress, Code(1),
                        Found(QStringLiteral("29 days"), now - 29 * 86'400));
            store.store(QStringLiteral("a"), kAddress, Code(2),
                        Found(QStringLiteral("31 days"), now - 31 * 86'400));
            // A source that keeps its answers 90 days, and one that keeps them for a day.
            StoredAnswer longLived = Found(QStringLiteral("60 days"), now - 60 * 86'400);
            longLived.lifetime = 90 * 86'400;
            store.store(QStringLiteral("a"), kAddress, Code(3), longLived);
            longLived.storedAt = now - 91 * 86'400;
            store.store(QStringLiteral("a"), kAddress, Code(4), longLived);
            StoredAnswer shortLived = Found(QStringLiteral("2 days"), now - 2 * 86'400);
            shortLived.lifetime = 86'400;
            store.store(QStringLiteral("a"), kAddress, Code(5), shortLived);
        }
        SqliteAnswerStore store(path());
        QVERIFY(store.find(QStringLiteral("a"), kAddress, Code(1)));
        QVERIFY(!store.find(QStringLiteral("a"), kAddress, Code(2)));
        QVERIFY(store.find(QStringLiteral("a"), kAddress, Code(3)));
        QVERIFY(!store.find(QStringLiteral("a"), kAddress, Code(4)));
        // Never dropped sooner than it always was: whether it is used is the chain's to judge.
        QVERIFY(store.find(QStringLiteral("a"), kAddress, Code(5)));
    }

    void twoStoresOnOneFile_eachHaveAConnectionRemovedAfterwards()
    {
        const QStringList before = QSqlDatabase::connectionNames();
        {
            SqliteAnswerStore first(path());
            SqliteAnswerStore second(path());
            first.store(QStringLiteral("a"), kAddress, Code(1), Found(QStringLiteral("one")));
            QCOMPARE(second.find(QStringLiteral("a"), kAddress, Code(1))->name,
                     QStringLiteral("one"));
            QCOMPARE(QSqlDatabase::connectionNames().size(), before.size() + 2);
        }
        QCOMPARE(QSqlDatabase::connectionNames(), before);
    }

    // Finds read together see the answers as they stood at the first; a store among them ends
    // that and lands even though another copy wrote meanwhile, which a write inside the reading
    // would not.
    void findsTogether_readOneMoment_andAStoreAmongThemLands()
    {
        const QString source = QStringLiteral("a");
        SqliteAnswerStore reader(path());
        SqliteAnswerStore other(path());
        reader.store(source, kAddress, Code(1), Found(QStringLiteral("one")));
        {
            const AnswerFindsTogether together(&reader);
            QCOMPARE(reader.find(source, kAddress, Code(1))->name, QStringLiteral("one"));
            other.store(source, kAddress, Code(2), Found(QStringLiteral("two")));
            QVERIFY(!reader.find(source, kAddress, Code(2)));
            reader.store(source, kAddress, Code(3), Found(QStringLiteral("three")));
            QCOMPARE(reader.find(source, kAddress, Code(2))->name, QStringLiteral("two"));
        }
        QCOMPARE(other.find(source, kAddress, Code(3))->name, QStringLiteral("three"));
        QCOMPARE(reader.takeProblem(), QString());
    }

    // Two more copies of the program write and read the same file while this one does.
    void threeProcessesAtOnce_loseNoAnswer()
    {
        writeAnswers(0); // the file exists, so no copy waits for another to make it
        const int count = 1500;
        QList<QProcess*> writers;
        for (const QString& source : {QStringLiteral("first"), QStringLiteral("second")}) {
            auto* writer = new QProcess(this);
            writer->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            writer->start(QCoreApplication::applicationFilePath(),
                          {QStringLiteral("--writer"), path(), source, QString::number(count)});
            QVERIFY(writer->waitForStarted());
            writers.append(writer);
        }
        QCOMPARE(RunWriter(path(), QStringLiteral("third"), count), 0);
        for (QProcess* writer : writers) {
            QVERIFY(writer->waitForFinished(60'000));
            QCOMPARE(writer->exitStatus(), QProcess::NormalExit);
            QCOMPARE(writer->exitCode(), 0);
            delete writer;
        }
        SqliteAnswerStore store(path());
        QCOMPARE(store.count(), 3 * count);
        // Kept in WAL mode (file format bytes 18 and 19), so a reader never waits for a writer.
        QFile file(path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(20).mid(18), QByteArray("\x02\x02"));
    }

    void lockedFile_givesUpOnThatAnswerQuietly_thenOnTheFileAfterThreeInARow()
    {
        writeAnswers(0);
        QSqlDatabase other =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(path());
        QVERIFY(other.open());
        QSqlQuery hold(other);
        QVERIFY(hold.exec(QStringLiteral("BEGIN IMMEDIATE")));

        SqliteAnswerStore store(path(), std::chrono::milliseconds(50));
        store.store(QStringLiteral("a"), kAddress, Code(1), Found(QStringLiteral("one")));
        QCOMPARE(store.takeProblem(), QString());
        QVERIFY(hold.exec(QStringLiteral("COMMIT")));
        store.store(QStringLiteral("a"), kAddress, Code(1), Found(QStringLiteral("one")));
        QVERIFY(store.find(QStringLiteral("a"), kAddress, Code(1)));

        QVERIFY(hold.exec(QStringLiteral("BEGIN IMMEDIATE")));
        for (int i = 2; i < 6; ++i)
            store.store(QStringLiteral("a"), kAddress, Code(i), Found(QStringLiteral("more")));
        QVERIFY(store.takeProblem().contains(path()));
        QCOMPARE(store.takeProblem(), QString());
        QVERIFY(hold.exec(QStringLiteral("COMMIT")));
        QVERIFY(!store.find(QStringLiteral("a"), kAddress, Code(1))); // silent from now on

        hold = QSqlQuery();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
    }

    void damagedFile_movedAsideAndStartedAfresh_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("garbage") << "garbage";
        QTest::newRow("truncated to half") << "half";
        QTest::newRow("truncated inside the header") << "header";
    }
    void damagedFile_movedAsideAndStartedAfresh()
    {
        QFETCH(QString, damage);
        const QString aside = path() + QStringLiteral(".damaged");
        QVERIFY(QDir().mkpath(QFileInfo(path()).absolutePath()));
        QFile older(aside);
        QVERIFY(older.open(QIODevice::WriteOnly) && older.write("an older damaged file") > 0);
        older.close();

        if (damage == u"garbage") {
            QFile file(path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            for (int i = 0; i < 1000; ++i)
                file.write("not a database, only words; ");
        } else if (damage == u"half" || damage == u"header") {
            writeAnswers(3000);
            QFile file(path());
            QVERIFY(file.size() > 100'000);
            QVERIFY(file.resize(damage == u"half" ? file.size() / 2 : 60));
        }
        QFile original(path());
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray damagedBytes = original.readAll();
        original.close();

        SqliteAnswerStore store(path());
        QVERIFY(!store.find(QStringLiteral("openfoodfacts"), kAddress, Code(1)));
        const QString problem = store.takeProblem();
        QVERIFY2(problem.contains(path()) && problem.contains(aside), qPrintable(problem));
        QCOMPARE(store.takeProblem(), QString());
        QFile moved(aside);
        QVERIFY(moved.open(QIODevice::ReadOnly));
        QCOMPARE(moved.readAll(), damagedBytes);

        store.store(QStringLiteral("openfoodfacts"), kAddress, Code(1),
                    Found(QStringLiteral("new")));
        QCOMPARE(store.count(), 1);
        QCOMPARE(store.takeProblem(), QString());
    }

    // Only what SQLite calls damage is moved aside: a newer Quillfen's file, one whose tables this
    // version does not know, or one another program keeps locked stays as it is, journal and all.
    void notDamage_leftAsItIsAndNotUsed_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("written by a newer version") << "newer";
        QTest::newRow("table of another layout") << "columns";
        QTest::newRow("locked by another program") << "locked";
    }
    void notDamage_leftAsItIsAndNotUsed()
    {
        QFETCH(QString, kind);
        writeAnswers(1);
        QSqlDatabase other =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(path());
        QVERIFY(other.open());
        {
            QSqlQuery query(other);
            QVERIFY(query.exec(kind == u"newer"     ? QStringLiteral("PRAGMA user_version = 5")
                               : kind == u"columns" ? QStringLiteral("ALTER TABLE answers "
                                                                     "RENAME COLUMN found TO hit")
                                                    : QStringLiteral("BEGIN IMMEDIATE")));
            QVERIFY(QFile::exists(path() + QStringLiteral("-wal")));
            QFile file(path());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray before = file.readAll();

            SqliteAnswerStore store(path(), std::chrono::milliseconds(50));
            for (int i = 0; i < 3; ++i)
                QVERIFY(!store.find(QStringLiteral("openfoodfacts"), kAddress, Code(0)));
            const QString problem = store.takeProblem();
            if (kind == u"newer")
                QCOMPARE(problem, kNewerStoreMessage.toString());
            else
                QVERIFY2(problem.contains(path()), qPrintable(problem));
            QCOMPARE(store.takeProblem(), QString());
            QVERIFY(!QFile::exists(path() + QStringLiteral(".damaged")));
            QVERIFY(QFile::exists(path() + QStringLiteral("-wal")));
            QVERIFY(file.seek(0));
            QCOMPARE(file.readAll(), before);
            query.exec(QStringLiteral("ROLLBACK"));
        }
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
    }

    // Both stores tell failures apart by SQLite's primary code, which an extended code (as the
    // driver reports some) carries in its low byte.
    void sqlTrouble_toldByThePrimaryCode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<SqlTrouble>("trouble");
        QTest::newRow("busy") << "5" << SqlTrouble::Busy;
        QTest::newRow("locked") << "6" << SqlTrouble::Busy;
        QTest::newRow("busy, snapshot (extended)") << "517" << SqlTrouble::Busy;
        QTest::newRow("corrupt") << "11" << SqlTrouble::Damaged;
        QTest::newRow("corrupt index (extended)") << "779" << SqlTrouble::Damaged;
        QTest::newRow("not a database") << "26" << SqlTrouble::Damaged;
        QTest::newRow("error") << "1" << SqlTrouble::Other;
        QTest::newRow("short read (extended I/O error)") << "522" << SqlTrouble::Other;
        QTest::newRow("no code") << "" << SqlTrouble::Other;
    }
    void sqlTrouble_toldByThePrimaryCode()
    {
        QFETCH(QString, code);
        QFETCH(SqlTrouble, trouble);
        const QSqlError error(QStringLiteral("driver"), QString(), QSqlError::StatementError, code);
        QCOMPARE(SqlTroubleOf(error), trouble);
        QCOMPARE(SqlTroubleText(error), QStringLiteral("driver"));
    }

    void fileWithoutAddresses_answersKeptUnderTheBuiltInAddresses()
    {
        const QString now = QString::number(QDateTime::currentSecsSinceEpoch());
        writeOldFile({QStringLiteral("CREATE TABLE answers (source TEXT NOT NULL, code TEXT NOT "
                                     "NULL, found INTEGER NOT NULL, name TEXT, brand TEXT, "
                                     "quantity TEXT, database_name TEXT, stored_at INTEGER NOT "
                                     "NULL, PRIMARY KEY (source, code)) WITHOUT ROWID"),
                      "INSERT INTO answers VALUES ('openfoodfacts', '" + Code(1) +
                          "', 1, 'Spread', '', '', '', " + now + ")",
                      "INSERT INTO answers VALUES ('openlibrary', '" + Code(2) +
                          "', 0, '', '', '', '', " + now + ")",
                      QStringLiteral("PRAGMA user_version = 1")});
        if (QTest::currentTestFailed())
            return;

        SqliteAnswerStore store(path());
        QCOMPARE(store.find(QStringLiteral("openfoodfacts"), kAddress, Code(1))->name,
                 QStringLiteral("Spread"));
        QVERIFY(store.find(QStringLiteral("openlibrary"), QStringLiteral("https://openlibrary.org"),
                           Code(2)));
        // A stand-in's answers are its own.
        QVERIFY(!store.find(QStringLiteral("openfoodfacts"), QStringLiteral("http://127.0.0.1:9"),
                            Code(1)));
        QCOMPARE(store.takeProblem(), QString());
    }

    // A file of the version before details: its answers stay, without details, and new ones
    // keep theirs.
    void fileWithoutDetails_answersKept_newOnesWithDetails()
    {
        const QString now = QString::number(QDateTime::currentSecsSinceEpoch());
        writeOldFile({QStringLiteral("CREATE TABLE answers (source TEXT NOT NULL, address TEXT NOT "
                                     "NULL, code TEXT NOT NULL, found INTEGER NOT NULL, name TEXT, "
                                     "brand TEXT, quantity TEXT, database_name TEXT, stored_at "
                                     "INTEGER NOT NULL, PRIMARY KEY (source, address, code)) "
                                     "WITHOUT ROWID"),
                      "INSERT INTO answers VALUES ('openfoodfacts', '" + kAddress + "', '" +
                          Code(1) + "', 1, 'Spread', '', '', '', " + now + ")",
                      "INSERT INTO answers VALUES ('openfoodfacts', '" + kAddress + "', '" +
                          Code(3) + "', 1, 'Stale', '', '', '', " +
                          QString::number(QDateTime::currentSecsSinceEpoch() - 31 * 86'400) + ")",
                      QStringLiteral("PRAGMA user_version = 2")});
        if (QTest::currentTestFailed())
            return;

        StoredAnswer book = Found(QStringLiteral("Book"), QDateTime::currentSecsSinceEpoch());
        book.details = {QStringLiteral("Novels"),
                        {},
                        QStringLiteral("http://127.0.0.1:9/b.jpg"),
                        {},
                        QStringLiteral("http://127.0.0.1:9/books/OL1M"),
                        QStringLiteral("Puffin"),
                        QStringLiteral("2016")};
        {
            SqliteAnswerStore store(path());
            const auto old = store.find(QStringLiteral("openfoodfacts"), kAddress, Code(1));
            QVERIFY(old);
            QCOMPARE(old->name, QStringLiteral("Spread"));
            QVERIFY(old->details.isEmpty());
            // Kept as long as such a file always kept its answers, and no longer.
            QVERIFY(!store.find(QStringLiteral("openfoodfacts"), kAddress, Code(3)));
            store.store(QStringLiteral("openlibrary"), kAddress, Code(2), book);
            QCOMPARE(store.takeProblem(), QString());
        }
        SqliteAnswerStore again(path());
        QCOMPARE(again.find(QStringLiteral("openlibrary"), kAddress, Code(2))->details,
                 book.details);
    }

    void unwritableFile_oneMessageThenNothingFoundOrKept_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("folder under a plain file") << "under a file";
        QTest::newRow("under /dev/null") << "/dev/null/x/lookups.sqlite";
        QTest::newRow("the file is a folder") << "a folder";
    }
    void unwritableFile_oneMessageThenNothingFoundOrKept()
    {
        QFETCH(QString, where);
        QString file = where;
        const QString folder = m_folder.filePath(QStringLiteral("cache"));
        QVERIFY(QDir().mkpath(folder));
        if (where == u"under a file") {
            QFile plain(folder + QStringLiteral("/plain"));
            QVERIFY(plain.open(QIODevice::WriteOnly));
            file = plain.fileName() + QStringLiteral("/Quillfen/lookups.sqlite");
        } else if (where == u"a folder") {
            QVERIFY(QDir().mkpath(path()));
            file = path();
        }

        SqliteAnswerStore store(file);
        QVERIFY(!store.find(QStringLiteral("openfoodfacts"), kAddress, Code(1)));
        const QString problem = store.takeProblem();
        QVERIFY2(problem.contains(file), qPrintable(problem));
        QCOMPARE(store.takeProblem(), QString());
        store.store(QStringLiteral("openfoodfacts"), kAddress, Code(1), Found(QStringLiteral("x")));
        QVERIFY(!store.find(QStringLiteral("openfoodfacts"), kAddress, Code(1)));
        QCOMPARE(store.count(), 0);
        QCOMPARE(store.takeProblem(), QString());
    }

    // Permissions do not hold for root, so as root the store runs in a child process that has
    // dropped to the user "nobody", for whom the folder and the file are root's and read-only.
    void readOnlyFileOrFolder_oneMessageThenNothingKept_data()
    {
        QTest::addColumn<bool>("folderWritable");
        QTest::newRow("read-only folder") << false;
        QTest::newRow("read-only file in a writable folder") << true;
    }
    void readOnlyFileOrFolder_oneMessageThenNothingKept()
    {
        QFETCH(bool, folderWritable);
        writeAnswers(10);
        const QString folder = QFileInfo(path()).absolutePath();
        const auto readAndEnter = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                  QFileDevice::ReadOther | QFileDevice::ExeOther;
        QVERIFY(QFile::setPermissions(m_folder.path(), readAndEnter | QFileDevice::WriteOwner));
        QVERIFY(QFile::setPermissions(folder, folderWritable
                                                  ? readAndEnter | QFileDevice::WriteOwner |
                                                        QFileDevice::WriteOther
                                                  : readAndEnter));
        QVERIFY(QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::ReadOther));

        QProcess probe;
        probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QStringList arguments{QStringLiteral("--probe"), path()};
        QString program = QCoreApplication::applicationFilePath();
        if (::geteuid() == 0) {
            arguments.prepend(program);
            arguments =
                QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                            QStringLiteral("--clear-groups")} +
                arguments;
            program = QStringLiteral("setpriv");
        }
        probe.start(program, arguments);
        QVERIFY(probe.waitForFinished(30'000));
        const QString problem = QString::fromLocal8Bit(probe.readAllStandardOutput());
        QFile::setPermissions(folder, readAndEnter | QFileDevice::WriteOwner);
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 0);
        QVERIFY2(problem.contains(path()), qPrintable(problem));
        QCOMPARE(SqliteAnswerStore(path()).count(), 10); // untouched
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--probe") == 0)
        return RunProbe(QString::fromLocal8Bit(argv[2]));
    if (argc == 5 && qstrcmp(argv[1], "--writer") == 0)
        return RunWriter(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                         QByteArray(argv[4]).toInt());
    TestSqliteAnswerStore test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sqliteanswerstore.moc"
