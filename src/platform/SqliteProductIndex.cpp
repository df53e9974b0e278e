#include "SqliteProductIndex.h"

#include "common/OperationFailed.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrl>

#include <atomic>
#include <cstdio>
#include <optional>
#include <sqlite3.h>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {
const QString kDriver = QStringLiteral("QSQLITE");
// Written into every index; a file of another format is not read.
// Format 2 keeps one row per key in a table ordered by the key itself, so a code is found in one
// search of one tree; format 1 searched an index of keys and then the table of rows.
const QString kFormat = QStringLiteral("quillfen-product-index-2");
// A row's text fields share one column, in the order of IndexedProduct (the code first), joined by
// the ASCII unit separator. Qt's SQLite driver spends about a microsecond on every value bound to a
// statement, far more than SQLite itself: nine columns a row held an import to about 60 MB/s of
// export text, three take it past 100 MB/s.
constexpr char kFieldSeparator = '\x1F';

QString NewConnectionName(QStringView purpose)
{
    static std::atomic<int> counter{0};
    return QStringLiteral("quillfen-index-") + purpose + u'-' + QString::number(++counter);
}

QString SqlProblem(const QSqlError& error)
{
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("unknown database error") : text;
}

void Exec(QSqlDatabase& db, const QString& statement)
{
    QSqlQuery query(db);
    if (!query.exec(statement))
        throw OperationFailed(QStringLiteral("Could not write the product index: ") +
                              SqlProblem(query.lastError()));
}

void SyncToDisk(const QString& path)
{
#ifdef Q_OS_UNIX
    // Journaling is off while building, so the pages must be on the disk before the new file
    // takes the old one's name: a crash right after the rename must not leave a broken index.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(path);
#endif
}

QString Text(QByteArrayView utf8)
{
    return QString::fromUtf8(utf8);
}

// A statement for one query, finalised when it goes; false when it could not be prepared.
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
            throw OperationFailed(QStringLiteral("Could not make the folder ") + folder);
        // A lock left by a process that died is taken over; one held by a live one is not.
        m_lock.setStaleLockTime(0);
        if (!m_lock.tryLock(0))
            throw OperationFailed(
                QStringLiteral("Another import of the product index is under way (") +
                m_lock.fileName() + u')');
        // What a build that was stopped short left behind.
        QFile::remove(m_buildPath);
        QFile::remove(m_stagingPath);
        if (!QSqlDatabase::isDriverAvailable(kDriver))
            throw OperationFailed(QStringLiteral("Qt's SQLite driver is not installed"));
        m_connection = NewConnectionName(u"build");
        QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, m_connection);
        db.setDatabaseName(m_buildPath);
        if (!db.open())
            throw OperationFailed(QStringLiteral("Could not write the product index: ") +
                                  SqlProblem(db.lastError()));
        // A throw-away file until it is complete: no journal, no syncing, one writer, and a
        // page cache big enough that the rows go out in large writes.
        for (const char* pragma :
             {"PRAGMA page_size = 16384", "PRAGMA journal_mode = OFF", "PRAGMA synchronous = OFF",
              "PRAGMA locking_mode = EXCLUSIVE", "PRAGMA cache_size = -65536"})
            Exec(db, QString::fromLatin1(pragma));
        Exec(db, QStringLiteral("CREATE TABLE meta(name TEXT PRIMARY KEY, value TEXT)"));
        Exec(db, QStringLiteral("CREATE TABLE exports(id INTEGER PRIMARY KEY, database TEXT, "
                                "file TEXT, export_date TEXT, products INTEGER)"));
        Exec(db, QStringLiteral("CREATE TABLE products(key TEXT PRIMARY KEY, fields TEXT, "
                                "export INTEGER) WITHOUT ROWID"));
        // Rows arrive in the export's order; they wait in a file of their own and go into the
        // table sorted by key at the end, so that the table is written front to back, full pages
        // and all, instead of being split at random places row after row.
        {
            QSqlQuery attach(db);
            attach.prepare(QStringLiteral("ATTACH DATABASE ? AS staging"));
            attach.addBindValue(m_stagingPath);
            if (!attach.exec())
                throw OperationFailed(QStringLiteral("Could not write the product index: ") +
                                      SqlProblem(attach.lastError()));
        }
        for (const char* pragma :
             {"PRAGMA staging.page_size = 16384", "PRAGMA staging.journal_mode = OFF",
              "PRAGMA staging.synchronous = OFF"})
            Exec(db, QString::fromLatin1(pragma));
        Exec(db, QStringLiteral("CREATE TABLE staging.arrived(key TEXT, fields TEXT, "
                                "export INTEGER)"));
        Exec(db, QStringLiteral("BEGIN"));
        m_insert.emplace(db);
        if (!m_insert->prepare(QStringLiteral(
                "INSERT INTO staging.arrived(key, fields, export) VALUES (?, ?, ?)")))
            throw OperationFailed(QStringLiteral("Could not write the product index: ") +
                                  SqlProblem(m_insert->lastError()));
    }

    ~SqliteIndexBuilder() override
    {
        closeConnection();
        QFile::remove(m_stagingPath);
        if (!m_committed)
            QFile::remove(m_buildPath);
    }

    void beginExport(const IndexedExport& file) override
    {
        m_exports.append(file);
        m_exports.back().products = 0;
        m_exportId = m_exports.size();
    }

    void add(const ExportRow& row) override
    {
        if (m_exportId == 0)
            throw OperationFailed(QStringLiteral("A row came before its export"));
        m_packed.resize(0);
        bool first = true;
        for (const QByteArrayView field :
             {row.code, row.productName, row.localName, row.englishName, row.genericName,
              row.brands, row.quantity}) {
            if (!first)
                m_packed += kFieldSeparator;
            first = false;
            const qsizetype start = m_packed.size();
            m_packed += field;
            // The separator cannot be part of a field; a stray one becomes a space.
            if (field.contains(kFieldSeparator))
                m_packed.replace(start, field.size(),
                                 field.toByteArray().replace(kFieldSeparator, ' '));
        }
        QSqlQuery& insert = *m_insert;
        insert.bindValue(0, Text(row.key));
        insert.bindValue(1, Text(m_packed));
        insert.bindValue(2, m_exportId);
        if (!insert.exec())
            throw OperationFailed(QStringLiteral("Could not write the product index: ") +
                                  SqlProblem(insert.lastError()));
        ++m_exports.back().products;
    }

    void commit() override
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        m_insert.reset();
        {
            QSqlQuery query(db);
            query.prepare(QStringLiteral("INSERT INTO exports(id, database, file, export_date, "
                                         "products) VALUES (?, ?, ?, ?, ?)"));
            for (qsizetype i = 0; i < m_exports.size(); ++i) {
                const IndexedExport& file = m_exports[i];
                query.bindValue(0, i + 1);
                query.bindValue(1, file.database);
                query.bindValue(2, file.fileName);
                query.bindValue(3, file.exportDate.toUTC().toString(Qt::ISODateWithMs));
                query.bindValue(4, file.products);
                if (!query.exec())
                    throw OperationFailed(QStringLiteral("Could not write the product index: ") +
                                          SqlProblem(query.lastError()));
            }
            query.prepare(QStringLiteral("INSERT INTO meta(name, value) VALUES (?, ?)"));
            for (const auto& [name, value] :
                 {std::pair{QStringLiteral("format"), kFormat},
                  std::pair{QStringLiteral("built"),
                            QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)}}) {
                query.bindValue(0, name);
                query.bindValue(1, value);
                if (!query.exec())
                    throw OperationFailed(QStringLiteral("Could not write the product index: ") +
                                          SqlProblem(query.lastError()));
            }
        }
        // In key order, and among rows of one key in the order they came: the first one added
        // is the one kept.
        Exec(db, QStringLiteral("INSERT OR IGNORE INTO products(key, fields, export) "
                                "SELECT key, fields, export FROM staging.arrived "
                                "ORDER BY key, rowid"));
        Exec(db, QStringLiteral("COMMIT"));
        Exec(db, QStringLiteral("DETACH DATABASE staging"));
        QFile::remove(m_stagingPath);
        db = QSqlDatabase();
        closeConnection();
        SyncToDisk(m_buildPath);
#ifdef Q_OS_WIN
        // Windows renames over an existing file only when nobody has it open.
        QFile::remove(m_target);
        const bool renamed = QFile::rename(m_buildPath, m_target);
#else
        const bool renamed = std::rename(QFile::encodeName(m_buildPath).constData(),
                                         QFile::encodeName(m_target).constData()) == 0;
#endif
        if (!renamed)
            throw OperationFailed(
                QStringLiteral("Could not put the new product index in place at ") + m_target);
        m_committed = true;
        SyncToDisk(QFileInfo(m_target).absolutePath());
    }

private:
    void closeConnection()
    {
        if (m_connection.isEmpty())
            return;
        m_insert.reset();
        {
            QSqlDatabase db = QSqlDatabase::database(m_connection, false);
            if (db.isOpen()) {
                if (!m_committed)
                    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
                db.close();
            }
        }
        QSqlDatabase::removeDatabase(m_connection);
        m_connection.clear();
    }

    QString m_target;
    QString m_buildPath;
    QString m_stagingPath;
    QLockFile m_lock;
    QString m_connection;
    std::optional<QSqlQuery> m_insert;
    QList<IndexedExport> m_exports;
    qint64 m_exportId = 0; // 0 until the first export begins
    QByteArray m_packed;
    bool m_committed = false;
};
} // namespace

QString DefaultProductIndexPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Zandrik/Quillfen/index.sqlite");
}

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
        m_info.problem = problem.trimmed().isEmpty() ? QStringLiteral("unknown database error")
                                                     : problem.trimmed();
        return false;
    };
    const auto problem = [this] { return QString::fromUtf8(sqlite3_errmsg(m_db)); };
    // Never written after it is built: immutable spares every read the file locks, and the
    // file a reader opened stays its own even after a new one is renamed over its name.
    const QByteArray uri = QUrl::fromLocalFile(m_path).toEncoded(QUrl::FullyEncoded) +
                           QByteArrayLiteral("?mode=ro&immutable=1");
    // The index is read only from the thread that opened it.
    if (sqlite3_open_v2(uri.constData(), &m_db,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK)
        return fail(m_db ? problem() : QStringLiteral("out of memory"));
    QString format;
    if (Statement meta(m_db, "SELECT name, value FROM meta"); meta) {
        while (sqlite3_step(meta) == SQLITE_ROW) {
            const QString name = ColumnText(meta, 0);
            if (name == u"format")
                format = ColumnText(meta, 1);
            else if (name == u"built")
                m_info.builtAt = QDateTime::fromString(ColumnText(meta, 1), Qt::ISODateWithMs);
        }
    }
    if (format != kFormat) {
        return fail(format.startsWith(QStringLiteral("quillfen-product-index-"))
                        ? QStringLiteral("it was made by another version of Quillfen; import "
                                         "the database again")
                        : QStringLiteral("not a product index of this version of Quillfen"));
    }
    Statement exports(m_db, "SELECT id, database, file, export_date, products FROM exports "
                            "ORDER BY id");
    if (!exports)
        return fail(problem());
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
        return fail(problem());
    // Lookups touch pages all over the file; mapped, they are read without a copy each.
    sqlite3_exec(m_db, "PRAGMA mmap_size = 1073741824", nullptr, nullptr, nullptr);
    if (sqlite3_prepare_v3(m_db, "SELECT fields, export FROM products WHERE key = ?1", -1,
                           SQLITE_PREPARE_PERSISTENT, &m_find, nullptr) != SQLITE_OK)
        return fail(problem());
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
    // Taken straight from SQLite: through Qt's driver, binding the key and reading the row back
    // as variants cost more than the search itself.
    sqlite3_bind_text(m_find, 1, key.data(), int(key.size()), SQLITE_STATIC);
    std::optional<IndexedProduct> found;
    if (sqlite3_step(m_find) == SQLITE_ROW) {
        const auto* const data = reinterpret_cast<const char*>(sqlite3_column_text(m_find, 0));
        const QByteArrayView packed(data, sqlite3_column_bytes(m_find, 0));
        IndexedProduct& product = found.emplace();
        QString* const fields[] = {&product.code,
                                   &product.fields.productName,
                                   &product.fields.localName,
                                   &product.fields.englishName,
                                   &product.fields.genericName,
                                   &product.fields.brands,
                                   &product.fields.quantity};
        qsizetype field = 0;
        qsizetype start = 0;
        while (field < qsizetype(std::size(fields)) && start <= packed.size()) {
            qsizetype end = packed.indexOf(kFieldSeparator, start);
            if (end < 0)
                end = packed.size();
            *fields[field++] = Text(packed.sliced(start, end - start));
            start = end + 1;
        }
        const IndexedExport file = m_exports.value(sqlite3_column_int64(m_find, 1));
        product.database = file.database;
        product.exportDate = file.exportDate;
    }
    sqlite3_reset(m_find);
    return found;
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
