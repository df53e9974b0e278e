#include "desktop/storage/SqliteProductIndex.h"

#include "common/OperationFailed.h"
#include "desktop/files/FileSync.h"
#include "desktop/storage/SqliteFileSharing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QUrl>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <sqlite3.h>
#include <thread>
#include <utility>

namespace {
// Written into every index; a file of another format is not read.
// Format 2 keeps one row per key in a table ordered by the key itself, so a code is found in one
// search of one tree; format 1 searched an index of keys and then the table of rows. Format 3
// added the main category, the countries and the front picture. Format 4 keeps the names of up to
// four languages named at import (meta "languages"), where format 3 kept one of a language it
// did not record.
constexpr char kFormat[] = "quillfen-product-index-4";
// A row's text fields share one column, in the order of IndexedProduct (the code first), joined by
// the ASCII unit separator: nothing searches them, and one value a row is the least there is to
// write and to read back.
constexpr char kFieldSeparator = '\x1F';
// How many of SQLite's steps go by between two looks at whether the import was cancelled: a few
// milliseconds' worth.
constexpr int kStepsBetweenCancelChecks = 100'000;
// How much of an index file lookups read through a memory map (see open()).
constexpr qint64 kMappedIndexBytes = 96 * 1024 * 1024;

QString Text(QByteArrayView utf8)
{
    return QString::fromUtf8(utf8);
}

// A row of the products table as it is kept: its fields packed in one text, and the export it
// came from.
// `packed`: the row's text, in UTF-16.
IndexedProduct UnpackedRow(QStringView packed, qint64 exportId, const QStringList& languages,
                           const QHash<qint64, IndexedExport>& exports)
{
    IndexedProduct product;
    QString more[kMostIndexLanguages - 1];
    QString* const fields[] = {&product.code,
                               &product.fields.productName,
                               &product.fields.localName,
                               &product.fields.englishName,
                               &product.fields.genericName,
                               &product.fields.brands,
                               &product.fields.quantity,
                               &product.mainCategory,
                               &product.countries,
                               &product.image,
                               &more[0],
                               &more[1],
                               &more[2]};
    qsizetype field = 0;
    qsizetype start = 0;
    while (field < qsizetype(std::size(fields)) && start <= packed.size()) {
        qsizetype end = packed.indexOf(QLatin1Char(kFieldSeparator), start);
        if (end < 0)
            end = packed.size();
        *fields[field++] = packed.sliced(start, end - start).toString();
        start = end + 1;
    }
    for (qsizetype i = 0; i < languages.size() && i < kMostIndexLanguages; ++i) {
        const QString& name = i == 0 ? product.fields.localName : more[i - 1];
        if (!name.isEmpty())
            product.namesByLanguage.insert(languages[i], name);
    }
    const IndexedExport file = exports.value(exportId);
    product.database = file.database;
    product.exportDate = file.exportDate;
    return product;
}

// Searches a prepared "SELECT fields, export ... WHERE key = ?1" for the key and hands the row,
// while it is current, to `row` (packed fields, export); false when there is none.
template <typename Row>
bool FindRow(sqlite3_stmt* find, QByteArrayView key, const Row& row)
{
    // Taken straight from SQLite: through Qt's driver, binding the key and reading the row back
    // as variants cost more than the search itself.
    sqlite3_bind_text(find, 1, key.data(), int(key.size()), SQLITE_STATIC);
    const bool found = sqlite3_step(find) == SQLITE_ROW;
    if (found)
        row(QByteArrayView(reinterpret_cast<const char*>(sqlite3_column_text(find, 0)),
                           sqlite3_column_bytes(find, 0)),
            sqlite3_column_int64(find, 1));
    sqlite3_reset(find);
    return found;
}

// Opens the index file for reading. Never written after it is built: immutable spares every read
// the file locks, and the file a reader opened stays its own even after a new one is renamed over
// its name. Each connection is used by one thread at a time.
int OpenForReading(const QString& path, sqlite3** db)
{
    const QByteArray uri = QUrl::fromLocalFile(path).toEncoded(QUrl::FullyEncoded) +
                           QByteArrayLiteral("?mode=ro&immutable=1");
    return sqlite3_open_v2(uri.constData(), db,
                           SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
}

// Readies a connection for lookups: the statement FindRow() steps, null when it failed.
sqlite3_stmt* PreparedFind(sqlite3* db)
{
    // Lookups touch pages all over the file; mapped, they are read without a copy each. But
    // every mapped page a lookup touched stays in the program's resident memory until the file
    // is closed, so that a long run held the whole index there (114 MB of an index of a
    // million products, the greater part of the window's memory). Only the file's first part
    // is mapped, which bounds that whatever the index's size; pages past it are read by copy,
    // at about twice the time of a mapped one.
    const QByteArray mapping = "PRAGMA mmap_size = " + QByteArray::number(kMappedIndexBytes);
    sqlite3_exec(db, mapping.constData(), nullptr, nullptr, nullptr);
    sqlite3_stmt* find = nullptr;
    sqlite3_prepare_v3(db, "SELECT fields, export FROM products WHERE key = ?1", -1,
                       SQLITE_PREPARE_PERSISTENT, &find, nullptr);
    // One read transaction for every lookup to come, rather than one begun and ended by each:
    // the file never changes under the connection (see OpenForReading), and each lookup's own
    // took a tenth of its time.
    if (find)
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    return find;
}

// What tells one index file from another once opened: its meta rows (when it was built, the
// change files applied), read the same way by every connection to it.
QByteArray MetaSignature(sqlite3* db)
{
    QByteArray signature;
    sqlite3_stmt* meta = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT name, value FROM meta ORDER BY name", -1, &meta, nullptr) !=
        SQLITE_OK)
        return {};
    while (sqlite3_step(meta) == SQLITE_ROW) {
        signature += reinterpret_cast<const char*>(sqlite3_column_text(meta, 0));
        signature += '\x1F';
        signature += reinterpret_cast<const char*>(sqlite3_column_text(meta, 1));
        signature += '\x1E';
    }
    sqlite3_finalize(meta);
    return signature;
}

QString Problem(sqlite3* db)
{
    const QString text = db ? QString::fromUtf8(sqlite3_errmsg(db)).trimmed() : QString();
    return text.isEmpty()
               ? QCoreApplication::translate("SqliteProductIndex", "unknown database error")
               : text;
}

[[noreturn]] void WriteFailed(sqlite3* db)
{
    throw OperationFailed(
        QCoreApplication::translate("SqliteProductIndex", "Could not write the product index: %1")
            .arg(Problem(db)));
}

void Exec(sqlite3* db, const char* statement)
{
    if (sqlite3_exec(db, statement, nullptr, nullptr, nullptr) != SQLITE_OK)
        WriteFailed(db);
}

void SyncToDisk(const QString& path)
{
    // Journaling is off while building, so the pages must be on the disk before the new file
    // takes the old one's name: a crash right after the rename must not leave a broken index.
    SyncPath(path);
}

// A statement, finalised when it goes; false when it could not be prepared.
class Statement
{
    Q_DISABLE_COPY_MOVE(Statement)
public:
    Statement(sqlite3* db, const char* sql)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr) != SQLITE_OK) {
            sqlite3_finalize(m_statement);
            m_statement = nullptr;
        }
    }
    ~Statement() { sqlite3_finalize(m_statement); }
    explicit operator bool() const { return m_statement != nullptr; }
    operator sqlite3_stmt*() const { return m_statement; }

private:
    sqlite3_stmt* m_statement = nullptr;
};

QString ColumnText(sqlite3_stmt* statement, int column)
{
    return Text(
        QByteArrayView(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                       sqlite3_column_bytes(statement, column)));
}

// Binds UTF-8 text that outlives the statement's next step.
void BindText(sqlite3_stmt* statement, int parameter, QByteArrayView utf8)
{
    sqlite3_bind_text(statement, parameter, utf8.data(), int(utf8.size()), SQLITE_STATIC);
}

// Runs a statement that returns no rows, then makes it ready for the next values.
void Run(sqlite3* db, sqlite3_stmt* statement)
{
    const int step = sqlite3_step(statement);
    sqlite3_reset(statement);
    if (step != SQLITE_DONE)
        WriteFailed(db);
}

// A row's text fields as the products table keeps them.
void PackFields(const ExportRow& row, QByteArray& packed)
{
    packed.resize(0);
    bool first = true;
    for (const QByteArrayView field :
         {row.code, row.productName, row.localName, row.englishName, row.genericName, row.brands,
          row.quantity, row.mainCategory, row.countries, row.image, row.moreNames[0],
          row.moreNames[1], row.moreNames[2]}) {
        if (!first)
            packed += kFieldSeparator;
        first = false;
        const qsizetype start = packed.size();
        packed += field;
        // The separator cannot be part of a field; a stray one becomes a space.
        if (field.contains(kFieldSeparator))
            packed.replace(start, field.size(), field.toByteArray().replace(kFieldSeparator, ' '));
    }
    // Most products lack the last fields: their separators are left off, and read as empty.
    while (packed.endsWith(kFieldSeparator))
        packed.chop(1);
}

// Puts a finished file in place of the index: on the disk first, so that a crash right after the
// rename cannot leave a broken index, then renamed over it.
void PutInPlace(const QString& finished, const QString& target)
{
    SyncToDisk(finished);
    // Our own readers share the old file's deletion, so it may go while they read; another
    // program holding it without that makes Windows refuse, and both files stay as they were.
    if (MoveIntoPlace(finished, target))
        throw OperationFailed(
            QCoreApplication::translate("SqliteProductIndex",
                                        "Could not put the new product index in place at %1")
                .arg(target));
    SyncToDisk(QFileInfo(target).absolutePath());
}

QString FormatProblem(const QString& format)
{
    return format.startsWith(QStringLiteral("quillfen-product-index-"))
               ? QCoreApplication::translate(
                     "SqliteProductIndex", "it was made by another version of Quillfen; import the "
                                           "database again")
               : QCoreApplication::translate("SqliteProductIndex",
                                             "not a product index of this version of Quillfen");
}

// What the daily change files brought is kept as one export of its database under this name.
constexpr char kChangesFileName[] = "daily change files";

class SqliteIndexUpdater final : public ProductIndexUpdater
{
public:
    SqliteIndexUpdater(const QString& target, const QString& database)
        : m_target(target)
        , m_updatePath(target + QStringLiteral(".updating"))
        , m_lock(target + QStringLiteral(".lock"))
    {
        if (!QFileInfo::exists(target))
            throw OperationFailed(
                QCoreApplication::translate("SqliteProductIndex",
                                            "There is no product index to update at %1")
                    .arg(target));
        m_lock.setStaleLockTime(0);
        if (!m_lock.tryLock(0))
            throw OperationFailed(
                QCoreApplication::translate(
                    "SqliteProductIndex",
                    "Another import or update of the product index is under way (%1)")
                    .arg(m_lock.fileName()));
        // Readers keep the file they opened, unchanged to the end: the update changes a copy
        // and renames it over the index, as a new build does.
        QFile::remove(m_updatePath);
        if (!QFile::copy(target, m_updatePath))
            throw OperationFailed(
                QCoreApplication::translate("SqliteProductIndex",
                                            "Could not copy the product index to %1")
                    .arg(m_updatePath));
        if (sqlite3_open_v2(QFile::encodeName(m_updatePath).constData(), &m_db,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK)
            WriteFailed(m_db);
        // The copy is thrown away unless the whole file went in: no journal is needed.
        Exec(m_db, "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; "
                   "PRAGMA locking_mode = EXCLUSIVE; PRAGMA cache_size = -65536");
        QString format;
        if (const Statement meta(m_db, "SELECT value FROM meta WHERE name = 'format'"); meta)
            if (sqlite3_step(meta) == SQLITE_ROW)
                format = ColumnText(meta, 0);
        if (format != QLatin1StringView(kFormat))
            throw OperationFailed(
                QCoreApplication::translate("SqliteProductIndex",
                                            "The product index cannot be updated: %1")
                    .arg(FormatProblem(format)));
        Exec(m_db, "BEGIN");
        m_exportId = changesExport(database);
        if (sqlite3_prepare_v3(m_db,
                               "INSERT INTO products(key, fields, export) VALUES (?1, ?2, ?3) "
                               "ON CONFLICT(key) DO UPDATE SET fields = excluded.fields, "
                               "export = excluded.export",
                               -1, SQLITE_PREPARE_PERSISTENT, &m_upsert, nullptr) != SQLITE_OK)
            WriteFailed(m_db);
    }

    ~SqliteIndexUpdater() override
    {
        sqlite3_finalize(std::exchange(m_upsert, nullptr));
        sqlite3_close_v2(std::exchange(m_db, nullptr));
        if (!m_committed)
            QFile::remove(m_updatePath);
    }

    void put(const ExportRow& row) override
    {
        PackFields(row, m_packed);
        BindText(m_upsert, 1, row.key);
        BindText(m_upsert, 2, m_packed);
        sqlite3_bind_int64(m_upsert, 3, m_exportId);
        Run(m_db, m_upsert);
    }

    void commit(const QString& changeFile, const QDateTime& dataDate) override
    {
        sqlite3_finalize(std::exchange(m_upsert, nullptr));
        const QByteArray date = dataDate.toUTC().toString(Qt::ISODateWithMs).toUtf8();
        {
            const Statement dated(m_db, "UPDATE exports SET export_date = ?1 WHERE id = ?2");
            if (!dated)
                WriteFailed(m_db);
            BindText(dated, 1, date);
            sqlite3_bind_int64(dated, 2, m_exportId);
            Run(m_db, dated);
        }
        // A product a change file replaced now counts for the changes, not for its export: the
        // counts are taken again, in one pass over the products.
        {
            const Statement counts(m_db, "SELECT export, count(*) FROM products GROUP BY export");
            const Statement update(m_db, "UPDATE exports SET products = ?1 WHERE id = ?2");
            if (!counts || !update)
                WriteFailed(m_db);
            Exec(m_db, "UPDATE exports SET products = 0");
            int step;
            while ((step = sqlite3_step(counts)) == SQLITE_ROW) {
                sqlite3_bind_int64(update, 1, sqlite3_column_int64(counts, 1));
                sqlite3_bind_int64(update, 2, sqlite3_column_int64(counts, 0));
                Run(m_db, update);
            }
            if (step != SQLITE_DONE)
                WriteFailed(m_db);
        }
        {
            const Statement meta(m_db, "INSERT OR REPLACE INTO meta(name, value) VALUES (?1, ?2)");
            if (!meta)
                WriteFailed(m_db);
            const QByteArray file = changeFile.toUtf8();
            for (const auto& [name, value] :
                 {std::pair{QByteArrayView("data_date"), QByteArrayView(date)},
                  std::pair{QByteArrayView("last_change_file"), QByteArrayView(file)}}) {
                BindText(meta, 1, name);
                BindText(meta, 2, value);
                Run(m_db, meta);
            }
        }
        Exec(m_db, "COMMIT");
        if (sqlite3_close(m_db) != SQLITE_OK)
            WriteFailed(m_db);
        m_db = nullptr;
        PutInPlace(m_updatePath, m_target);
        m_committed = true;
    }

private:
    // The export row that the changes of this database count for; made on the first update.
    qint64 changesExport(const QString& database)
    {
        const QByteArray name = database.toUtf8();
        {
            const Statement find(m_db, "SELECT id FROM exports WHERE database = ?1 AND file = ?2");
            if (!find)
                WriteFailed(m_db);
            BindText(find, 1, name);
            BindText(find, 2, kChangesFileName);
            if (sqlite3_step(find) == SQLITE_ROW)
                return sqlite3_column_int64(find, 0);
        }
        const Statement add(m_db, "INSERT INTO exports(id, database, file, export_date, products) "
                                  "VALUES ((SELECT coalesce(max(id), 0) + 1 FROM exports), ?1, "
                                  "?2, '', 0)");
        if (!add)
            WriteFailed(m_db);
        BindText(add, 1, name);
        BindText(add, 2, kChangesFileName);
        Run(m_db, add);
        return sqlite3_last_insert_rowid(m_db);
    }

    QString m_target;
    QString m_updatePath;
    QLockFile m_lock;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_upsert = nullptr;
    qint64 m_exportId = 0;
    QByteArray m_packed;
    bool m_committed = false;
};

class SqliteIndexBuilder final : public ProductIndexBuilder
{
public:
    explicit SqliteIndexBuilder(const QString& target)
        : m_target(target)
        , m_buildPath(target + QStringLiteral(".building"))
        , m_stagingPath(target + QStringLiteral(".staging"))
        , m_lock(target + QStringLiteral(".lock"))
    {
        const QString folder = QFileInfo(target).absolutePath();
        if (!QDir().mkpath(folder))
            throw OperationFailed(
                QCoreApplication::translate("SqliteProductIndex", "Could not make the folder %1")
                    .arg(folder));
        // A lock left by a process that died is taken over; one held by a live one is not.
        m_lock.setStaleLockTime(0);
        if (!m_lock.tryLock(0))
            throw OperationFailed(
                QCoreApplication::translate("SqliteProductIndex",
                                            "Another import of the product index is under way (%1)")
                    .arg(m_lock.fileName()));
        // What a build that was stopped short left behind.
        QFile::remove(m_buildPath);
        QFile::remove(m_stagingPath);
        // The builder belongs to one thread: no locking inside SQLite.
        if (sqlite3_open_v2(QFile::encodeName(m_buildPath).constData(), &m_db,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                            nullptr) != SQLITE_OK)
            WriteFailed(m_db);
        // A throw-away file until it is complete: no journal, no syncing, one writer, and a
        // page cache big enough that the rows go out in large writes.
        Exec(m_db, "PRAGMA page_size = 16384; PRAGMA journal_mode = OFF; "
                   "PRAGMA synchronous = OFF; PRAGMA locking_mode = EXCLUSIVE; "
                   "PRAGMA cache_size = -65536");
        Exec(m_db, "CREATE TABLE meta(name TEXT PRIMARY KEY, value TEXT); "
                   "CREATE TABLE exports(id INTEGER PRIMARY KEY, database TEXT, file TEXT, "
                   "export_date TEXT, products INTEGER); "
                   "CREATE TABLE products(key TEXT PRIMARY KEY, fields TEXT, export INTEGER) "
                   "WITHOUT ROWID");
        // Rows arrive in the export's order; they wait in a file of their own and go into the
        // table sorted by key at the end, so that the table is written front to back, full pages
        // and all, instead of being split at random places row after row.
        {
            const Statement attach(m_db, "ATTACH DATABASE ?1 AS staging");
            if (!attach)
                WriteFailed(m_db);
            const QByteArray staging = m_stagingPath.toUtf8();
            BindText(attach, 1, staging);
            Run(m_db, attach);
        }
        Exec(m_db, "PRAGMA staging.page_size = 16384; PRAGMA staging.journal_mode = OFF; "
                   "PRAGMA staging.synchronous = OFF; "
                   "CREATE TABLE staging.arrived(key TEXT, fields TEXT, export INTEGER); "
                   "BEGIN");
        if (sqlite3_prepare_v3(m_db,
                               "INSERT INTO staging.arrived(key, fields, export) "
                               "VALUES (?1, ?2, ?3)",
                               -1, SQLITE_PREPARE_PERSISTENT, &m_insert, nullptr) != SQLITE_OK)
            WriteFailed(m_db);
    }

    ~SqliteIndexBuilder() override
    {
        closeDatabase();
        QFile::remove(m_stagingPath);
        if (!m_committed)
            QFile::remove(m_buildPath);
    }

    void setLanguages(const QStringList& languages) override { m_languages = languages; }

    void beginExport(const IndexedExport& file) override
    {
        m_exports.append(file);
        m_exports.back().products = 0;
        m_exportId = m_exports.size();
    }

    void add(const ExportRow& row) override
    {
        if (m_exportId == 0)
            throw OperationFailed(
                QCoreApplication::translate("SqliteProductIndex", "A row came before its export"));
        PackFields(row, m_packed);
        // Text as the export gave it: a byte that is not UTF-8 reads back as U+FFFD, as
        // QString::fromUtf8 makes of it anywhere else.
        BindText(m_insert, 1, row.key);
        BindText(m_insert, 2, m_packed);
        sqlite3_bind_int64(m_insert, 3, m_exportId);
        Run(m_db, m_insert);
        ++m_exports.back().products;
    }

    void giveUpWhen(const std::atomic<bool>& flag) override { m_giveUp = &flag; }

    void commit() override
    {
        sqlite3_finalize(std::exchange(m_insert, nullptr));
        {
            const Statement insert(m_db, "INSERT INTO exports(id, database, file, export_date, "
                                         "products) VALUES (?1, ?2, ?3, ?4, ?5)");
            if (!insert)
                WriteFailed(m_db);
            for (qsizetype i = 0; i < m_exports.size(); ++i) {
                const IndexedExport& file = m_exports[i];
                const QByteArray database = file.database.toUtf8();
                const QByteArray fileName = file.fileName.toUtf8();
                const QByteArray date =
                    file.exportDate.toUTC().toString(Qt::ISODateWithMs).toUtf8();
                sqlite3_bind_int64(insert, 1, i + 1);
                BindText(insert, 2, database);
                BindText(insert, 3, fileName);
                BindText(insert, 4, date);
                sqlite3_bind_int64(insert, 5, file.products);
                Run(m_db, insert);
            }
        }
        {
            const Statement insert(m_db, "INSERT INTO meta(name, value) VALUES (?1, ?2)");
            if (!insert)
                WriteFailed(m_db);
            const QByteArray built =
                QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toUtf8();
            const QByteArray languages = m_languages.join(u',').toUtf8();
            for (const auto& [name, value] :
                 {std::pair{QByteArrayView("format"), QByteArrayView(kFormat)},
                  std::pair{QByteArrayView("built"), QByteArrayView(built)},
                  std::pair{QByteArrayView("languages"), QByteArrayView(languages)}}) {
                BindText(insert, 1, name);
                BindText(insert, 2, value);
                Run(m_db, insert);
            }
        }
        // The sort goes over every row of every export in one statement; a cancel meanwhile
        // interrupts it, and the build is given up as if it had failed. One too short to be
        // interrupted is given up right after.
        if (m_giveUp)
            sqlite3_progress_handler(
                m_db, kStepsBetweenCancelChecks,
                [](void* flag) {
                    return static_cast<const std::atomic<bool>*>(flag)->load() ? 1 : 0;
                },
                const_cast<std::atomic<bool>*>(m_giveUp));
        // In key order, and among rows of one key in the order they came: the first one added
        // is the one kept.
        const int sorted = sqlite3_exec(m_db,
                                        "INSERT OR IGNORE INTO products(key, fields, export) "
                                        "SELECT key, fields, export FROM staging.arrived "
                                        "ORDER BY key, rowid",
                                        nullptr, nullptr, nullptr);
        sqlite3_progress_handler(m_db, 0, nullptr, nullptr);
        checkGivenUp();
        if (sorted != SQLITE_OK)
            WriteFailed(m_db);
        Exec(m_db, "COMMIT");
        Exec(m_db, "DETACH DATABASE staging");
        QFile::remove(m_stagingPath);
        if (sqlite3_close(m_db) != SQLITE_OK)
            WriteFailed(m_db);
        m_db = nullptr;
        PutInPlace(m_buildPath, m_target);
        m_committed = true;
    }

private:
    void checkGivenUp() const
    {
        if (m_giveUp && m_giveUp->load())
            throw OperationFailed(QCoreApplication::translate(
                "SqliteProductIndex", "The product index was not finished: cancelled"));
    }

    void closeDatabase()
    {
        sqlite3_finalize(std::exchange(m_insert, nullptr));
        // Whatever is left unwritten goes with the file.
        sqlite3_close_v2(std::exchange(m_db, nullptr));
    }

    QString m_target;
    QString m_buildPath;
    QString m_stagingPath;
    QLockFile m_lock;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_insert = nullptr;
    const std::atomic<bool>* m_giveUp = nullptr;
    QList<IndexedExport> m_exports;
    qint64 m_exportId = 0; // 0 until the first export begins
    QByteArray m_packed;
    QStringList m_languages;
    bool m_committed = false;
};
} // namespace

QString DefaultProductIndexPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Zandrik/Quillfen/index.sqlite");
}

// Finds the codes a run is about to ask on a thread of its own, through a connection of its own,
// while the run's thread answers and writes the codes before them: a run of lookups from the
// index then uses both cores, where the search took a fifth of one. The rows come back packed,
// as the file keeps them, and are read into products by the run's thread: strings made on one
// thread and freed on the other made both wait on the allocator's lock.
//
// The keys are found in the order they were handed, and their rows taken in that order: the run
// asks in order, so the key it asks is nearly always the first of those waiting, and is told
// from a key never handed by a look along them, without a set of them all to keep (which took
// a tenth of the run's thread).
class SqliteProductIndex::ReadAhead
{
public:
    // `signature`: the meta rows of the file the index has open.
    ReadAhead(const QString& path, const QByteArray& signature)
    {
        // Opened here rather than on the thread, so that the thread has a connection or none;
        // and only onto the file the index has open: one put in its place since then is not
        // read ahead for the old one.
        if (OpenForReading(path, &m_db) == SQLITE_OK && !signature.isEmpty() &&
            MetaSignature(m_db) == signature)
            m_find = PreparedFind(m_db);
        if (m_find)
            m_thread = std::thread([this] { run(); });
    }
    ~ReadAhead()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        if (m_thread.joinable())
            m_thread.join();
        sqlite3_finalize(m_find);
        sqlite3_close(m_db);
    }
    Q_DISABLE_COPY_MOVE(ReadAhead)

    // The codes to find next, in the order they will be asked. Of the run's thread, as are the
    // others.
    void add(const QStringList& codes)
    {
        if (!m_find)
            return;
        Keys keys;
        keys.bytes.reserve(codes.size() * 16);
        keys.ends.reserve(std::size_t(codes.size()));
        for (const QString& code : codes) {
            const QByteArray utf8 = code.toUtf8();
            if (const QByteArrayView key = IndexKey(utf8); !key.isEmpty()) {
                keys.bytes.append(key);
                keys.ends.push_back(keys.bytes.size());
            }
        }
        if (keys.ends.empty())
            return;
        m_pending.push_back(keys);
        bool idle = false;
        {
            const std::lock_guard lock(m_mutex);
            m_waiting.push_back(std::move(keys));
            idle = m_finderIdle;
        }
        if (idle)
            m_changed.notify_all();
    }

    // Hands the row of a key handed to add() and not yet taken to `row` (nothing when the file
    // has none), waiting while it is being found; false when the key is not among them. The
    // keys handed before it and not taken are passed over: the run asks in order, and went past
    // them.
    template <typename Row>
    bool take(QByteArrayView key, const Row& row)
    {
        const std::optional<std::size_t> place = placeOf(key);
        if (!place)
            return false;
        for (std::size_t passed = 0; passed < *place; ++passed) {
            dropFirstPending();
            nextFound();
        }
        dropFirstPending();
        const Found found = nextFound();
        if (found.exportId >= 0)
            row(QStringView(m_current.rows).sliced(found.start, found.size), found.exportId);
        return true;
    }

private:
    // Keys found between two hand-overs: waking the other thread for every one cost more than
    // the search.
    static constexpr std::size_t kKeysTogether = 64;

    // Keys one after another, each ending where `ends` says.
    struct Keys
    {
        QByteArray bytes;
        std::vector<qsizetype> ends;

        QByteArrayView at(std::size_t i) const
        {
            const qsizetype start = i == 0 ? 0 : ends[i - 1];
            return QByteArrayView(bytes).sliced(start, ends[i] - start);
        }
    };
    struct Found
    {
        qsizetype start = 0, size = 0;
        qint64 exportId = -1; // -1: no such row
    };
    // The rows of keys found together, in the order they were handed. Their text is turned into
    // UTF-16 here, on the finder's thread, which had time to spare, in one string for them all.
    struct Batch
    {
        QString rows; // the packed rows one after another
        std::vector<Found> found;
    };

    // How many keys waiting to be taken come before this one.
    std::optional<std::size_t> placeOf(QByteArrayView key) const
    {
        std::size_t place = 0;
        std::size_t from = m_pendingNext;
        for (const Keys& keys : m_pending) {
            for (std::size_t i = from; i < keys.ends.size(); ++i, ++place) {
                if (keys.at(i) == key)
                    return place;
            }
            from = 0;
        }
        return std::nullopt;
    }

    void dropFirstPending()
    {
        if (++m_pendingNext == m_pending.front().ends.size()) {
            m_pending.pop_front();
            m_pendingNext = 0;
        }
    }

    // The next key's row, in the order they were handed: each key handed has one.
    Found nextFound()
    {
        while (m_next == m_current.found.size()) {
            std::unique_lock lock(m_mutex);
            m_takerWaiting = true;
            m_changed.wait(lock, [this] { return m_stop || !m_ready.empty(); });
            m_takerWaiting = false;
            if (m_ready.empty())
                return {};
            m_current = std::move(m_ready.front());
            m_ready.pop_front();
            m_next = 0;
        }
        return m_current.found[m_next++];
    }

    void run()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_finderIdle = true;
            m_changed.wait(lock, [this] { return m_stop || !m_waiting.empty(); });
            m_finderIdle = false;
            if (m_stop)
                return;
            const Keys keys = std::move(m_waiting.front());
            m_waiting.pop_front();
            for (std::size_t from = 0; from < keys.ends.size() && !m_stop; from += kKeysTogether) {
                lock.unlock();
                Batch batch;
                // Each row on its own: a character cut short ends with its row.
                QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
                const std::size_t to = std::min(keys.ends.size(), from + kKeysTogether);
                batch.found.reserve(to - from);
                for (std::size_t i = from; i < to; ++i) {
                    Found& found = batch.found.emplace_back();
                    FindRow(m_find, keys.at(i), [&](QByteArrayView packed, qint64 exportId) {
                        // At most one UTF-16 unit for each byte of UTF-8.
                        const qsizetype start = batch.rows.size();
                        batch.rows.resize(start + packed.size());
                        QChar* const end =
                            decoder.appendToBuffer(batch.rows.data() + start, packed);
                        batch.rows.truncate(end - batch.rows.constData());
                        found = Found{start, batch.rows.size() - start, exportId};
                    });
                }
                lock.lock();
                m_ready.push_back(std::move(batch));
                if (m_takerWaiting)
                    m_changed.notify_all();
            }
        }
    }

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_find = nullptr;
    // The run's thread's alone: the keys handed and not yet taken, the first being the
    // m_pendingNext-th of the first Keys; and the rows found being taken.
    std::deque<Keys> m_pending;
    std::size_t m_pendingNext = 0;
    Batch m_current;
    std::size_t m_next = 0;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Keys> m_waiting;
    std::deque<Batch> m_ready;
    bool m_stop = false;
    bool m_finderIdle = false;
    bool m_takerWaiting = false;
    std::thread m_thread;
};

SqliteProductIndex::SqliteProductIndex(QString path)
    : m_path(std::move(path))
{}

SqliteProductIndex::~SqliteProductIndex()
{
    close();
}

SqliteProductIndex::FileStamp SqliteProductIndex::stampOf(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return {};
    return FileStamp{true, file.size(), file.lastModified(), file.metadataChangeTime()};
}

void SqliteProductIndex::close()
{
    m_readAhead.reset();
    sqlite3_finalize(std::exchange(m_find, nullptr));
    sqlite3_close(std::exchange(m_db, nullptr));
    m_exports.clear();
    m_info = IndexInfo{};
}

bool SqliteProductIndex::ensureOpen()
{
    if (m_find)
        return true;
    if (m_triedOpening)
        return false; // until reopenIfReplaced() sees another file
    m_triedOpening = true;
    m_openedStamp = stampOf(m_path);
    m_info = IndexInfo{};
    m_info.path = m_path;
    m_info.exists = m_openedStamp.exists;
    m_info.fileBytes = m_openedStamp.size;
    if (!m_openedStamp.exists)
        return false;
    const auto fail = [&](const QString& problem) {
        close();
        m_info.path = m_path;
        m_info.exists = true;
        m_info.fileBytes = m_openedStamp.size;
        m_info.problem = problem;
        return false;
    };
    ShareSqliteFilesForReplacing();
    // The index is read only from the thread that opened it.
    if (OpenForReading(m_path, &m_db) != SQLITE_OK)
        return fail(m_db ? Problem(m_db) : tr("out of memory"));
    QString format;
    if (Statement meta(m_db, "SELECT name, value FROM meta"); meta) {
        while (sqlite3_step(meta) == SQLITE_ROW) {
            const QString name = ColumnText(meta, 0);
            if (name == u"format")
                format = ColumnText(meta, 1);
            else if (name == u"built")
                m_info.builtAt = QDateTime::fromString(ColumnText(meta, 1), Qt::ISODateWithMs);
            else if (name == u"data_date")
                m_info.dataDate = QDateTime::fromString(ColumnText(meta, 1), Qt::ISODateWithMs);
            else if (name == u"last_change_file")
                m_info.lastChangeFile = ColumnText(meta, 1);
            else if (name == u"languages")
                m_info.languages = ColumnText(meta, 1).split(u',', Qt::SkipEmptyParts);
        }
    }
    if (format != QLatin1StringView(kFormat)) {
        return fail(FormatProblem(format));
    }
    Statement exports(m_db, "SELECT id, database, file, export_date, products FROM exports "
                            "ORDER BY id");
    if (!exports)
        return fail(Problem(m_db));
    int step;
    while ((step = sqlite3_step(exports)) == SQLITE_ROW) {
        IndexedExport file{ColumnText(exports, 1), ColumnText(exports, 2),
                           QDateTime::fromString(ColumnText(exports, 3), Qt::ISODateWithMs),
                           sqlite3_column_int64(exports, 4)};
        m_exports.insert(sqlite3_column_int64(exports, 0), file);
        m_info.exports.append(file);
        m_info.products += file.products;
    }
    if (step != SQLITE_DONE)
        return fail(Problem(m_db));
    // An index no change file has touched is as recent as its export; of several, the one the
    // change files are published for.
    for (const IndexedExport& file : std::as_const(m_info.exports)) {
        if (m_info.dataDate.isValid() && !m_info.lastChangeFile.isEmpty())
            break;
        if (file.database == u"Open Food Facts") {
            m_info.dataDate = file.exportDate;
            break;
        }
        if (!m_info.dataDate.isValid() || file.exportDate < m_info.dataDate)
            m_info.dataDate = file.exportDate;
    }
    m_find = PreparedFind(m_db);
    if (!m_find)
        return fail(Problem(m_db));
    return true;
}

std::optional<IndexedProduct> SqliteProductIndex::find(QStringView code)
{
    if (!ensureOpen())
        return std::nullopt;
    const QByteArray utf8 = code.toUtf8();
    const QByteArrayView key = IndexKey(utf8);
    if (key.isEmpty())
        return std::nullopt;
    std::optional<IndexedProduct> product;
    const auto unpacked = [&](QStringView packed, qint64 exportId) {
        product = UnpackedRow(packed, exportId, m_info.languages, m_exports);
    };
    if (!m_readAhead || !m_readAhead->take(key, unpacked))
        FindRow(m_find, key,
                [&](QByteArrayView packed, qint64 exportId) { unpacked(Text(packed), exportId); });
    return product;
}

void SqliteProductIndex::findAhead(const QStringList& codes)
{
    if (codes.isEmpty() || !ensureOpen())
        return;
    if (!m_readAhead)
        m_readAhead = std::make_unique<ReadAhead>(m_path, MetaSignature(m_db));
    m_readAhead->add(codes);
}

IndexInfo SqliteProductIndex::info()
{
    reopenIfReplaced();
    ensureOpen();
    return m_info;
}

bool SqliteProductIndex::reopenIfReplaced()
{
    if (!m_triedOpening) {
        ensureOpen();
        return false;
    }
    if (stampOf(m_path) == m_openedStamp)
        return false;
    close();
    m_triedOpening = false;
    ensureOpen();
    return true;
}

std::unique_ptr<ProductIndexBuilder> SqliteProductIndex::startBuilding()
{
    return std::make_unique<SqliteIndexBuilder>(m_path);
}

std::unique_ptr<ProductIndexUpdater> SqliteProductIndex::startUpdating(const QString& database)
{
    return std::make_unique<SqliteIndexUpdater>(m_path, database);
}
