#include "SqliteProductIndex.h"

#include "common/OperationFailed.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QStandardPaths>
#include <QUrl>

#include <atomic>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {
const QString kDriver = QStringLiteral("QSQLITE");
// Written into every index; a file of another format is not read.
const QString kFormat = QStringLiteral("quillfen-product-index-1");
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

class SqliteIndexBuilder final : public ProductIndexBuilder
{
public:
    explicit SqliteIndexBuilder(const QString& target)
        : m_target(target)
        , m_buildPath(target + QStringLiteral(".building"))
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
        // The key's index comes at the end, built in one sort rather than row by row.
        Exec(db, QStringLiteral("CREATE TABLE products(key TEXT, fields TEXT, export INTEGER)"));
        Exec(db, QStringLiteral("BEGIN"));
        m_insert.emplace(db);
        if (!m_insert->prepare(
                QStringLiteral("INSERT INTO products(key, fields, export) VALUES (?, ?, ?)")))
            throw OperationFailed(QStringLiteral("Could not write the product index: ") +
                                  SqlProblem(m_insert->lastError()));
    }

    ~SqliteIndexBuilder() override
    {
        closeConnection();
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
        Exec(db, QStringLiteral("CREATE INDEX products_by_key ON products(key)"));
        Exec(db, QStringLiteral("COMMIT"));
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
    m_findQuery.reset();
    m_exports.clear();
    m_info = IndexInfo{};
    if (!m_connection.isEmpty()) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
        m_connection.clear();
    }
}

bool SqliteProductIndex::ensureOpen()
{
    if (m_findQuery)
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
    if (!QSqlDatabase::isDriverAvailable(kDriver)) {
        m_info.problem = QStringLiteral("Qt's SQLite driver is not installed");
        return false;
    }
    m_connection = NewConnectionName(u"read");
    QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, m_connection);
    // Never written after it is built: immutable spares every read the file locks, and the
    // file a reader opened stays its own even after a new one is renamed over its name.
    db.setDatabaseName(QUrl::fromLocalFile(m_path).toString(QUrl::FullyEncoded) +
                       QStringLiteral("?mode=ro&immutable=1"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
    const auto fail = [&](const QString& problem) {
        db = QSqlDatabase();
        close();
        m_info.path = m_path;
        m_info.exists = true;
        m_info.fileBytes = m_openedStamp.size;
        m_info.problem = problem;
        return false;
    };
    if (!db.open())
        return fail(SqlProblem(db.lastError()));
    QSqlQuery meta(db);
    QString format;
    if (meta.exec(QStringLiteral("SELECT name, value FROM meta"))) {
        while (meta.next()) {
            const QString name = meta.value(0).toString();
            if (name == u"format")
                format = meta.value(1).toString();
            else if (name == u"built")
                m_info.builtAt = QDateTime::fromString(meta.value(1).toString(), Qt::ISODateWithMs);
        }
    }
    if (format != kFormat)
        return fail(QStringLiteral("not a product index of this version of Quillfen"));
    QSqlQuery exports(db);
    if (!exports.exec(QStringLiteral(
            "SELECT id, database, file, export_date, products FROM exports ORDER BY id")))
        return fail(SqlProblem(exports.lastError()));
    while (exports.next()) {
        IndexedExport file{exports.value(1).toString(), exports.value(2).toString(),
                           QDateTime::fromString(exports.value(3).toString(), Qt::ISODateWithMs),
                           exports.value(4).toLongLong()};
        m_exports.insert(exports.value(0).toLongLong(), file);
        m_info.exports.append(file);
        m_info.products += file.products;
    }
    // Lookups touch pages all over the file; mapped, they are read without a copy each.
    QSqlQuery(db).exec(QStringLiteral("PRAGMA mmap_size = 1073741824"));
    m_findQuery.emplace(db);
    m_findQuery->setForwardOnly(true);
    // Among rows of one key the index keeps rowid order, so the first one added comes first
    // without a sort.
    if (!m_findQuery->prepare(QStringLiteral(
            "SELECT fields, export FROM products WHERE key = ? ORDER BY rowid LIMIT 1")))
        return fail(SqlProblem(m_findQuery->lastError()));
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
    QSqlQuery& query = *m_findQuery;
    query.bindValue(0, QString::fromUtf8(key));
    if (!query.exec() || !query.next()) {
        query.finish();
        return std::nullopt;
    }
    const QString packed = query.value(0).toString();
    IndexedProduct product;
    QString* const fields[] = {&product.code,
                               &product.fields.productName,
                               &product.fields.localName,
                               &product.fields.englishName,
                               &product.fields.genericName,
                               &product.fields.brands,
                               &product.fields.quantity};
    qsizetype field = 0;
    for (const QStringView piece : QStringView(packed).split(QChar(kFieldSeparator))) {
        if (field < qsizetype(std::size(fields)))
            *fields[field++] = piece.toString();
    }
    const IndexedExport file = m_exports.value(query.value(1).toLongLong());
    product.database = file.database;
    product.exportDate = file.exportDate;
    query.finish();
    return product;
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
