#pragma once

#include "platform/AnswerStore.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QStringList>
#include <QStringView>

#include <chrono>
#include <memory>

class QSqlError;

// Said once when the file was written by a newer Quillfen: it is left as it is.
inline constexpr QStringView kNewerStoreMessage =
    u"the remembered answers were written by a newer Quillfen; this run does not use them";

// Remembered answers in an SQLite file, by default lookups.sqlite in the user's cache folder.
//
// Several copies of Quillfen may use one file at once: it is kept in WAL mode (readers never wait
// for a writer), every change is its own short transaction, and a connection that finds the file
// locked waits up to the busy timeout before it gives up on that one answer.
//
// The file is opened at the first find, store, count or forgetAll, not when the store is made:
// most runs never reach it. Opening checks it; a file SQLite reports as damaged (not a database,
// or failing its quick check) is moved aside as "<file>.damaged" and a new one started. A file of
// a newer Quillfen, one locked by another program for good, one whose tables this version cannot
// read, and one that cannot be opened or written (no permission, a full disk) are left exactly as
// they are: the problem is reported once, and the store falls silent for the rest of its life:
// finds find nothing, stores keep nothing. A file from before answers were kept by address is
// brought up to date on opening, its answers keyed to their databases' built-in addresses.
// Answers older than the longest time any answer stays fresh are dropped on opening, so
// the file does not grow without end.
class SqliteAnswerStore final : public AnswerStore
{
    Q_DECLARE_TR_FUNCTIONS(SqliteAnswerStore)
public:
    static constexpr std::chrono::milliseconds kBusyTimeout = std::chrono::seconds(5);

    // ~/.cache/Zandrik/Quillfen/lookups.sqlite (honours XDG_CACHE_HOME).
    static QString defaultPath();

    explicit SqliteAnswerStore(QString path = defaultPath(),
                               std::chrono::milliseconds busyTimeout = kBusyTimeout);
    SqliteAnswerStore(const SqliteAnswerStore&) = delete;
    SqliteAnswerStore& operator=(const SqliteAnswerStore&) = delete;
    ~SqliteAnswerStore() override;

    std::optional<StoredAnswer> find(const QString& source, const QString& address,
                                     const QString& gtin) override;
    void store(const QString& source, const QString& address, const QString& gtin,
               const StoredAnswer& answer) override;
    void forgetAll() override;
    qint64 count() override;
    QString location() const override { return m_path; }
    QString takeProblem() override;
    void beginFinds() override;
    void endFinds() override;

    const QString& path() const { return m_path; }

private:
    enum class State { Closed, Open, Silent };
    // What a failed statement means for the store.
    enum class Trouble { Busy, Damaged, Newer, Unusable };
    struct Statements;

    bool ensureOpen();
    // Opens and checks the file; on failure says why through `trouble` and `reason`.
    bool openChecked(Trouble& trouble, QString& reason);
    void close();
    void startAfresh(const QString& reason);
    void fallSilent(const QString& reason);
    // Deals with a failed statement: gives up on one answer when the file stayed locked, starts a
    // damaged file afresh, silences an unusable one. True when the file was started afresh and the
    // operation may be tried again.
    bool handle(const QSqlError& error);
    // Ends the transaction finds read together in, if one is open.
    void endReading();

    static Trouble classify(const QSqlError& error);

    QString m_path;
    QString m_connection;
    std::chrono::milliseconds m_busyTimeout;
    State m_state = State::Closed;
    bool m_added = false;
    int m_busyInARow = 0;
    // Asked to read finds together (beginFinds), and inside the transaction that does.
    bool m_findsTogether = false;
    bool m_reading = false;
    QSqlDatabase m_db;
    std::unique_ptr<Statements> m_statements;
    QStringList m_problems;
};
