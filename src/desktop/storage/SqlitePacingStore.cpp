#include "desktop/storage/SqlitePacingStore.h"

#include "desktop/storage/QtSqlTrouble.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <algorithm>
#include <atomic>

namespace {
std::atomic<int> g_nextPacingConnection{0};
} // namespace

QString SqlitePacingStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/Zandrik/Quillfen/pacing.sqlite");
}

SqlitePacingStore::SqlitePacingStore(QString path, std::chrono::milliseconds busyTimeout)
    : m_path(std::move(path))
    , m_connection(QStringLiteral("quillfen-pacing-") + QString::number(g_nextPacingConnection++))
    , m_busyTimeout(busyTimeout)
{}

SqlitePacingStore::~SqlitePacingStore()
{
    if (m_db.isOpen())
        m_db.close();
    // No handle on the connection may outlive its removal.
    m_db = QSqlDatabase();
    if (m_added)
        QSqlDatabase::removeDatabase(m_connection);
}

std::optional<qint64> SqlitePacingStore::takeTurn(const QString& host, qint64 nowMs,
                                                  qint64 intervalMs)
{
    // A time further ahead than any turn or hold could reach was written under a clock that has
    // since gone back; trusting it could stall every run for as long.
    const qint64 latest =
        nowMs + intervalMs + std::chrono::milliseconds(kLongestRetryAfter).count();
    qint64 wait = 0;
    const bool done = transaction([&](QSqlQuery& query) {
        query.prepare(QStringLiteral("SELECT next_start, held_until FROM hosts WHERE host = ?"));
        query.addBindValue(host.toLower());
        if (!query.exec())
            return false;
        qint64 held = 0;
        wait = 0;
        if (query.next()) {
            held = query.value(1).toLongLong();
            for (const qint64 earliest : {query.value(0).toLongLong(), held}) {
                if (earliest <= latest)
                    wait = std::max(wait, earliest - nowMs);
            }
        }
        query.finish();
        if (wait > 0)
            return true;
        query.prepare(QStringLiteral("INSERT INTO hosts (host, next_start, held_until) "
                                     "VALUES (?, ?, ?) ON CONFLICT (host) DO UPDATE SET "
                                     "next_start = excluded.next_start, "
                                     "held_until = excluded.held_until"));
        query.addBindValue(host.toLower());
        query.addBindValue(nowMs + intervalMs);
        query.addBindValue(held <= latest ? held : 0);
        return query.exec();
    });
    if (!done)
        return std::nullopt;
    return wait;
}

void SqlitePacingStore::holdUntil(const QString& host, qint64 untilMs)
{
    transaction([&](QSqlQuery& query) {
        query.prepare(QStringLiteral("INSERT INTO hosts (host, next_start, held_until) "
                                     "VALUES (?, 0, ?) ON CONFLICT (host) DO UPDATE SET "
                                     "held_until = max(held_until, excluded.held_until)"));
        query.addBindValue(host.toLower());
        query.addBindValue(untilMs);
        return query.exec();
    });
}

std::optional<bool> SqlitePacingStore::takeFromAllowance(const QString& name, qint64 nowMs,
                                                         int perDay)
{
    const qint64 today = nowMs / (24 * 60 * 60 * 1000);
    bool taken = false;
    const bool done = transaction([&](QSqlQuery& query) {
        query.prepare(QStringLiteral("SELECT day, used FROM allowances WHERE name = ?"));
        query.addBindValue(name);
        if (!query.exec())
            return false;
        qint64 used = 0;
        // Another day's count, or one from a clock that has since gone back, starts afresh.
        if (query.next() && query.value(0).toLongLong() == today)
            used = query.value(1).toLongLong();
        query.finish();
        taken = used < perDay;
        if (!taken)
            return true;
        query.prepare(QStringLiteral("INSERT INTO allowances (name, day, used) VALUES (?, ?, ?) "
                                     "ON CONFLICT (name) DO UPDATE SET day = excluded.day, "
                                     "used = excluded.used"));
        query.addBindValue(name);
        query.addBindValue(today);
        query.addBindValue(used + 1);
        return query.exec();
    });
    if (!done)
        return std::nullopt;
    return taken;
}

QString SqlitePacingStore::takeProblem()
{
    return m_problems.isEmpty() ? QString() : m_problems.takeFirst();
}

template <typename Body>
bool SqlitePacingStore::transaction(Body&& body)
{
    for (int attempt = 0; attempt < 2 && ensureOpen(); ++attempt) {
        QSqlQuery query(m_db);
        if (query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            if (body(query) && query.exec(QStringLiteral("COMMIT")))
                return true;
            const QSqlError error = query.lastError();
            QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
            if (!handle(error))
                return false;
        } else if (!handle(query.lastError())) {
            return false;
        }
    }
    return false;
}

bool SqlitePacingStore::ensureOpen()
{
    if (m_state == State::Open)
        return true;
    if (m_state == State::Silent)
        return false;
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        fallSilent(tr("its folder cannot be made"));
        return false;
    }
    // A damaged file is started again once, then opened afresh.
    for (int attempt = 0; attempt < 2; ++attempt) {
        QSqlError error;
        if (open(error)) {
            m_state = State::Open;
            return true;
        }
        if (m_db.isOpen())
            m_db.close();
        if (m_state == State::Silent || !handle(error))
            return false;
    }
    return false;
}

bool SqlitePacingStore::open(QSqlError& error)
{
    if (!m_added) {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        m_added = true;
    }
    if (!m_db.isValid()) {
        fallSilent(tr("Qt's SQLite driver is not installed"));
        return false;
    }
    m_db.setDatabaseName(m_path);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=") +
                           QString::number(m_busyTimeout.count()));
    if (!m_db.open()) {
        error = m_db.lastError();
        return false;
    }
    QSqlQuery query(m_db);
    // Losing the last few turns to a power cut costs nothing, so no write waits for the disk.
    for (const QString& sql :
         {QStringLiteral("PRAGMA journal_mode=WAL"), QStringLiteral("PRAGMA synchronous=OFF"),
          QStringLiteral("CREATE TABLE IF NOT EXISTS hosts (host TEXT PRIMARY KEY, "
                         "next_start INTEGER NOT NULL, held_until INTEGER NOT NULL) "
                         "WITHOUT ROWID"),
          QStringLiteral("CREATE TABLE IF NOT EXISTS allowances (name TEXT PRIMARY KEY, "
                         "day INTEGER NOT NULL, used INTEGER NOT NULL) WITHOUT ROWID")}) {
        if (!query.exec(sql)) {
            error = query.lastError();
            return false;
        }
    }
    return true;
}

bool SqlitePacingStore::handle(const QSqlError& error)
{
    if (m_state == State::Silent)
        return false;
    switch (SqlTroubleOf(error)) {
    case SqlTrouble::Busy:
        // Another process held the file for the whole timeout: this turn is kept by this
        // process alone.
        return false;
    case SqlTrouble::Damaged:
        if (!m_restarted) {
            m_restarted = true;
            if (m_db.isOpen())
                m_db.close();
            m_state = State::Closed;
            // Nothing in it is worth keeping: the next starts of a few hosts.
            for (const char* suffix : {"", "-wal", "-shm"})
                QFile::remove(m_path + QLatin1String(suffix));
            return true;
        }
        break;
    case SqlTrouble::Other:
        break;
    }
    fallSilent(SqlTroubleText(error));
    return false;
}

void SqlitePacingStore::fallSilent(const QString& reason)
{
    if (m_db.isOpen())
        m_db.close();
    m_state = State::Silent;
    m_problems.append(tr("Pacing cannot be shared with other Quillfen runs through %1 "
                         "(%2). This run keeps its own pace.")
                          .arg(QDir::toNativeSeparators(m_path), reason));
}
