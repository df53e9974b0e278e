#include "desktop/storage/SqliteAnswerStore.h"

#include "desktop/storage/QtSqlTrouble.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <system_error>
#include <utility>

namespace {
// Stored in the file's user_version. 1 kept answers by source and code; 2 by source, address and
// code; 3 added the details; 4 when each answer may be dropped. Files of 1 to 3 are brought up to
// it on opening, their answers without details, dropped when older than the built-in lifetimes. A
// higher number was written by a newer Quillfen, whose tables this one leaves alone.
constexpr int kSchemaVersion = 4;
constexpr int kSchemaWithoutAddress = 1;
constexpr int kSchemaWithoutDetails = 2;
constexpr int kSchemaWithoutKeptUntil = 3;
// The columns of an answer as the first two versions made them.
constexpr QStringView kOldColumns = u"found, name, brand, quantity, database_name, stored_at";
// The columns of an answer, in the order find() reads them.
constexpr QStringView kColumns =
    u"found, name, brand, quantity, database_name, stored_at, details, kept_until";
// An answer is kept for the longer of the built-in lifetimes (what every file before 4 kept it
// for) and its source's own, so that a source's longer lifetime is not cut short.
constexpr qint64 kBuiltInKeep = std::max(kFoundAnswerLifetime, kNotFoundAnswerLifetime);

// The details as one JSON object of their non-empty fields, so that a field added later needs no
// change of the table; NULL when there are none.
const struct
{
    QLatin1StringView key;
    QString ProductDetails::*field;
} kDetailKeys[] = {{QLatin1StringView("categories"), &ProductDetails::categories},
                   {QLatin1StringView("countries"), &ProductDetails::countries},
                   {QLatin1StringView("image"), &ProductDetails::imageUrl},
                   {QLatin1StringView("thumbnail"), &ProductDetails::thumbnailUrl},
                   {QLatin1StringView("page"), &ProductDetails::pageUrl},
                   {QLatin1StringView("publishers"), &ProductDetails::publishers},
                   {QLatin1StringView("published"), &ProductDetails::published},
                   {QLatin1StringView("description"), &ProductDetails::description},
                   {QLatin1StringView("author"), &ProductDetails::author},
                   {QLatin1StringView("controlNumber"), &ProductDetails::controlNumber},
                   {QLatin1StringView("subjects"), &ProductDetails::subjects},
                   {QLatin1StringView("record"), &ProductDetails::record}};

QVariant DetailsColumn(const ProductDetails& details)
{
    if (details.isEmpty())
        return QVariant(QMetaType::fromType<QString>());
    QJsonObject object;
    for (const auto& key : kDetailKeys)
        if (!(details.*key.field).isEmpty())
            object.insert(key.key, details.*key.field);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

ProductDetails DetailsFromColumn(const QVariant& column)
{
    ProductDetails details;
    if (column.isNull())
        return details;
    const QJsonObject object = QJsonDocument::fromJson(column.toString().toUtf8()).object();
    for (const auto& key : kDetailKeys)
        details.*key.field = object.value(key.key).toString();
    return details;
}

// After this many lookups in a row that found the file locked for the whole busy timeout, another
// program is holding it for good, and waiting once more per code would stall the run.
constexpr int kBusyLimit = 3;

std::atomic<int> g_nextConnection{0};

// The answers of files from before they were kept by address were all the real databases': each
// is given the address its source had then. These are facts about files already written, so they
// stay as they are here whatever the program's own defaults become.
struct OldAddress
{
    QStringView source, base;
};
constexpr OldAddress kOldAddresses[] = {
    {u"openfoodfacts", u"https://world.openfoodfacts.org"},
    {u"openlibrary", u"https://openlibrary.org"},
    {u"upcitemdb", u"https://api.upcitemdb.com"},
};

QString AddressesOfOldAnswers()
{
    QString cases;
    for (const OldAddress& old : kOldAddresses)
        cases += QStringLiteral(" WHEN '%1' THEN '%2'")
                     .arg(old.source, AnswerAddressOf(QUrl(old.base.toString())));
    return QStringLiteral("CASE source") + cases + QStringLiteral(" ELSE '' END");
}

// Qt binds a null QString as SQL NULL; a key must be text even when empty.
QString Text(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}
} // namespace

struct SqliteAnswerStore::Statements
{
    explicit Statements(const QSqlDatabase& db)
        : find(db)
        , store(db)
    {
        find.setForwardOnly(true);
    }

    QSqlQuery find;
    QSqlQuery store;
};

QString SqliteAnswerStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/Zandrik/Quillfen/lookups.sqlite");
}

SqliteAnswerStore::SqliteAnswerStore(QString path, std::chrono::milliseconds busyTimeout)
    : m_path(std::move(path))
    , m_connection(QStringLiteral("quillfen-answers-") + QString::number(g_nextConnection++))
    , m_busyTimeout(busyTimeout)
{}

SqliteAnswerStore::~SqliteAnswerStore()
{
    close();
    // No handle on the connection may outlive its removal.
    m_db = QSqlDatabase();
    if (m_added)
        QSqlDatabase::removeDatabase(m_connection);
}

std::optional<StoredAnswer> SqliteAnswerStore::find(const QString& source, const QString& address,
                                                    const QString& gtin)
{
    for (int attempt = 0; attempt < 2 && ensureOpen(); ++attempt) {
        // Each find alone takes and gives back a read lock on the file's shared memory: a pair
        // of system calls and more, which was a third of a scan session's read-back. Finds
        // asked to read together take it once, in one transaction, from the first on.
        if (m_findsTogether && !m_reading)
            m_reading = m_db.transaction();
        QSqlQuery& query = m_statements->find;
        query.bindValue(0, Text(source));
        query.bindValue(1, Text(address));
        query.bindValue(2, Text(gtin));
        if (!query.exec()) {
            if (handle(query.lastError()))
                continue;
            return std::nullopt;
        }
        m_busyInARow = 0;
        std::optional<StoredAnswer> answer;
        if (query.next()) {
            answer.emplace();
            answer->found = query.value(0).toBool();
            answer->name = query.value(1).toString();
            answer->brand = query.value(2).toString();
            answer->quantity = query.value(3).toString();
            answer->database = query.value(4).toString();
            answer->storedAt = query.value(5).toLongLong();
            answer->details = DetailsFromColumn(query.value(6));
        }
        // Ends the statement's read of the file; a read left open would keep every other copy's
        // changes from being folded back into the file.
        query.finish();
        return answer;
    }
    return std::nullopt;
}

void SqliteAnswerStore::beginFinds()
{
    m_findsTogether = true;
}

void SqliteAnswerStore::endFinds()
{
    m_findsTogether = false;
    endReading();
}

void SqliteAnswerStore::endReading()
{
    if (!std::exchange(m_reading, false))
        return;
    if (!m_db.commit())
        m_db.rollback();
}

void SqliteAnswerStore::store(const QString& source, const QString& address, const QString& gtin,
                              const StoredAnswer& answer)
{
    // A write inside the reading transaction would fail at once had another copy of the program
    // written since it began: it goes on its own, and the finds after it read together anew.
    endReading();
    for (int attempt = 0; attempt < 2 && ensureOpen(); ++attempt) {
        QSqlQuery& query = m_statements->store;
        query.bindValue(0, Text(source));
        query.bindValue(1, Text(address));
        query.bindValue(2, Text(gtin));
        query.bindValue(3, answer.found ? 1 : 0);
        query.bindValue(4, Text(answer.name));
        query.bindValue(5, Text(answer.brand));
        query.bindValue(6, Text(answer.quantity));
        query.bindValue(7, Text(answer.database));
        query.bindValue(8, answer.storedAt);
        query.bindValue(9, DetailsColumn(answer.details));
        query.bindValue(10, answer.storedAt + std::max(answer.lifetime, kBuiltInKeep));
        if (query.exec()) {
            m_busyInARow = 0;
            return;
        }
        if (!handle(query.lastError()))
            return;
    }
}

void SqliteAnswerStore::forgetAll()
{
    endReading();
    for (int attempt = 0; attempt < 2 && ensureOpen(); ++attempt) {
        QSqlQuery query(m_db);
        if (query.exec(QStringLiteral("DELETE FROM answers")))
            return;
        if (!handle(query.lastError()))
            return;
    }
}

qint64 SqliteAnswerStore::count()
{
    for (int attempt = 0; attempt < 2 && ensureOpen(); ++attempt) {
        QSqlQuery query(m_db);
        if (query.exec(QStringLiteral("SELECT COUNT(*) FROM answers")) && query.next())
            return query.value(0).toLongLong();
        if (!handle(query.lastError()))
            return 0;
    }
    return 0;
}

QString SqliteAnswerStore::takeProblem()
{
    return m_problems.isEmpty() ? QString() : m_problems.takeFirst();
}

bool SqliteAnswerStore::ensureOpen()
{
    if (m_state == State::Open)
        return true;
    if (m_state == State::Silent)
        return false;
    Trouble trouble = Trouble::Unusable;
    QString reason;
    if (openChecked(trouble, reason)) {
        m_state = State::Open;
        return true;
    }
    close();
    switch (trouble) {
    case Trouble::Busy:
        // Tried again at the next use.
        if (++m_busyInARow >= kBusyLimit)
            fallSilent(reason);
        return false;
    case Trouble::Damaged:
        startAfresh(reason);
        return m_state == State::Open;
    case Trouble::Newer:
        m_state = State::Silent;
        // kNewerStoreMessage, in the user's language.
        m_problems.append(tr("the remembered answers were written by a newer Quillfen; this run "
                             "does not use them"));
        return false;
    case Trouble::Unusable:
        fallSilent(reason);
        return false;
    }
    return false;
}

bool SqliteAnswerStore::openChecked(Trouble& trouble, QString& reason)
{
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        trouble = Trouble::Unusable;
        reason = tr("its folder cannot be made");
        return false;
    }
    if (!m_added) {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        m_added = true;
    }
    if (!m_db.isValid()) {
        trouble = Trouble::Unusable;
        reason = tr("Qt's SQLite driver is not installed");
        return false;
    }
    m_db.setDatabaseName(m_path);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=") +
                           QString::number(m_busyTimeout.count()));
    if (!m_db.open()) {
        trouble = classify(m_db.lastError());
        reason = SqlTroubleText(m_db.lastError());
        return false;
    }

    QSqlQuery query(m_db);
    const auto run = [&](const QString& sql) {
        if (query.exec(sql))
            return true;
        trouble = classify(query.lastError());
        reason = SqlTroubleText(query.lastError());
        return false;
    };
    const auto fail = [&](Trouble kind, QString why) {
        trouble = kind;
        reason = std::move(why);
        return false;
    };

    // Everything that can show damage is read before anything is written, so a file moved aside
    // is exactly the file that was found. The quick check reads every page, which also catches a
    // file cut short: SQLite reads the missing pages as zeros and finds them malformed.
    if (!run(QStringLiteral("PRAGMA quick_check")))
        return false;
    QStringList findings;
    while (query.next())
        findings.append(query.value(0).toString());
    query.finish();
    if (findings != QStringList{QStringLiteral("ok")})
        return fail(Trouble::Damaged, findings.value(0, tr("the check found nothing")));
    const auto readVersion = [&](int& version) {
        if (!run(QStringLiteral("PRAGMA user_version")))
            return false;
        version = query.next() ? query.value(0).toInt() : -1;
        query.finish();
        if (version > kSchemaVersion)
            return fail(Trouble::Newer, QString());
        return true;
    };
    // A newer Quillfen's file is read no further, and nothing is written to it.
    int version = 0;
    if (!readVersion(version))
        return false;

    // WAL lets other copies read while one writes. A file that cannot be written stays in its
    // old journal mode, which is how a read-only file shows up here.
    if (!run(QStringLiteral("PRAGMA journal_mode=WAL")))
        return false;
    const QString mode = query.next() ? query.value(0).toString() : QString();
    query.finish();
    if (mode.compare(u"wal", Qt::CaseInsensitive) != 0)
        return fail(Trouble::Unusable, tr("it cannot be opened for writing"));
    // In WAL mode this keeps every commit whole; only the last few before a power cut can be
    // lost, which costs a remembered answer at most.
    if (!run(QStringLiteral("PRAGMA synchronous=NORMAL")))
        return false;

    // IMMEDIATE: two copies starting at once take turns here instead of both finding no table and
    // both making one. The write also shows at once whether the file can be written.
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    if (!run(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    const auto inTransaction = [&] {
        // Read again now that no other copy can change it: one may have brought the file up to
        // date, or a newer Quillfen may have, since the first look.
        if (!readVersion(version) ||
            !run(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = 'answers'")))
            return false;
        const bool existing = query.next() && query.value(0).toInt() > 0;
        query.finish();
        if (existing && version <= kSchemaWithoutAddress &&
            (!run(QStringLiteral("CREATE TABLE answers_by_address AS SELECT source, ") +
                  AddressesOfOldAnswers() + QStringLiteral(" AS address, code, ") + kOldColumns +
                  QStringLiteral(" FROM answers")) ||
             !run(QStringLiteral("DROP TABLE answers"))))
            return false;
        if (!run(QStringLiteral(
                "CREATE TABLE IF NOT EXISTS answers ("
                "source TEXT NOT NULL, address TEXT NOT NULL, code TEXT NOT NULL, "
                "found INTEGER NOT NULL, name TEXT, brand TEXT, quantity TEXT, "
                "database_name TEXT, stored_at INTEGER NOT NULL, details TEXT, "
                "kept_until INTEGER, PRIMARY KEY (source, address, code)) WITHOUT ROWID")))
            return false;
        if (existing && version <= kSchemaWithoutAddress &&
            (!run(QStringLiteral("INSERT OR REPLACE INTO answers (source, address, code, ") +
                  kOldColumns + QStringLiteral(") SELECT * FROM answers_by_address")) ||
             !run(QStringLiteral("DROP TABLE answers_by_address"))))
            return false;
        if (existing && version == kSchemaWithoutDetails &&
            !run(QStringLiteral("ALTER TABLE answers ADD COLUMN details TEXT")))
            return false;
        if (existing && version >= kSchemaWithoutDetails && version <= kSchemaWithoutKeptUntil &&
            !run(QStringLiteral("ALTER TABLE answers ADD COLUMN kept_until INTEGER")))
            return false;
        // The table is there, but perhaps not as this version makes it.
        if (!run(QStringLiteral("SELECT address, ") + kColumns +
                 QStringLiteral(" FROM answers LIMIT 0")))
            return false;
        query.finish();
        return run(QStringLiteral("PRAGMA user_version = ") + QString::number(kSchemaVersion)) &&
               run(QStringLiteral("DELETE FROM answers WHERE COALESCE(kept_until, stored_at + ") +
                   QString::number(kBuiltInKeep) + QStringLiteral(") < ") + QString::number(now)) &&
               run(QStringLiteral("COMMIT"));
    };
    if (!inTransaction()) {
        QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
        return false;
    }

    m_statements = std::make_unique<Statements>(m_db);
    if (!m_statements->find.prepare(
            QStringLiteral("SELECT ") + kColumns +
            QStringLiteral(" FROM answers WHERE source = ? AND address = ? AND code = ?")) ||
        !m_statements->store.prepare(
            QStringLiteral("INSERT OR REPLACE INTO answers (source, address, code, ") + kColumns +
            QStringLiteral(") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"))) {
        // Checked above; another copy would have to have changed the table since.
        const QSqlError error = m_statements->find.lastError().isValid()
                                    ? m_statements->find.lastError()
                                    : m_statements->store.lastError();
        return fail(Trouble::Damaged, SqlTroubleText(error));
    }
    return true;
}

void SqliteAnswerStore::close()
{
    // Closing the file ends a transaction left open.
    m_reading = false;
    m_statements.reset();
    if (m_db.isOpen())
        m_db.close();
    if (m_state == State::Open)
        m_state = State::Closed;
}

void SqliteAnswerStore::startAfresh(const QString& reason)
{
    close();
    const QString damaged = m_path + QStringLiteral(".damaged");
    // The journal beside a damaged file is no better than the file, and must not be played into
    // the new one.
    QFile::remove(m_path + QStringLiteral("-wal"));
    QFile::remove(m_path + QStringLiteral("-shm"));
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(m_path).toStdString(),
                            QFile::encodeName(damaged).toStdString(), error);
    if (error) {
        fallSilent(tr("%1; it cannot be moved aside: %2")
                       .arg(reason, QString::fromStdString(error.message())));
        return;
    }
    Trouble trouble = Trouble::Unusable;
    QString again;
    if (!openChecked(trouble, again)) {
        close();
        fallSilent(again);
        return;
    }
    m_state = State::Open;
    m_problems.append(
        tr("The file of remembered answers %1 was damaged (%2). It was "
           "moved aside as %3, and a new one was started.")
            .arg(QDir::toNativeSeparators(m_path), reason, QDir::toNativeSeparators(damaged)));
}

void SqliteAnswerStore::fallSilent(const QString& reason)
{
    close();
    m_state = State::Silent;
    m_problems.append(tr("Answers cannot be remembered in %1 (%2). Lookups go on "
                         "without remembering them.")
                          .arg(QDir::toNativeSeparators(m_path), reason));
}

bool SqliteAnswerStore::handle(const QSqlError& error)
{
    switch (classify(error)) {
    case Trouble::Busy:
        if (++m_busyInARow >= kBusyLimit)
            fallSilent(SqlTroubleText(error));
        return false;
    case Trouble::Damaged:
        startAfresh(SqlTroubleText(error));
        return m_state == State::Open;
    case Trouble::Newer: // only found on opening
    case Trouble::Unusable:
        fallSilent(SqlTroubleText(error));
        return false;
    }
    return false;
}

SqliteAnswerStore::Trouble SqliteAnswerStore::classify(const QSqlError& error)
{
    switch (SqlTroubleOf(error)) {
    case SqlTrouble::Busy:
        return Trouble::Busy;
    // Only what SQLite itself calls damage is moved aside. A plain error means the tables are not
    // what this version makes, which is as likely a newer Quillfen's doing as damage: left alone.
    case SqlTrouble::Damaged:
        return Trouble::Damaged;
    case SqlTrouble::Other:
        break;
    }
    return Trouble::Unusable;
}
