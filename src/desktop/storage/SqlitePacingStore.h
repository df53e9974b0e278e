#pragma once

#include "platform/PacingStore.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QStringList>

#include <chrono>

class QSqlError;

// The pacing of every Quillfen of the user in a small SQLite file, by default pacing.sqlite beside
// the remembered answers. It is a file of its own so that it works whether answers are remembered
// or not (--no-cache), and whatever state their file is in.
//
// Every turn is one IMMEDIATE transaction that reads the host's row and writes the next start, so
// two processes asking at once take turns rather than both going. What the file holds is worth a
// few minutes at most: a damaged file is simply started again, and one that cannot be written is
// reported once, after which the store answers nothing and each process keeps its own pace.
class SqlitePacingStore final : public PacingStore
{
    Q_DECLARE_TR_FUNCTIONS(SqlitePacingStore)
public:
    static constexpr std::chrono::milliseconds kBusyTimeout = std::chrono::seconds(2);

    // ~/.cache/Zandrik/Quillfen/pacing.sqlite (honours XDG_CACHE_HOME).
    static QString defaultPath();

    explicit SqlitePacingStore(QString path = defaultPath(),
                               std::chrono::milliseconds busyTimeout = kBusyTimeout);
    SqlitePacingStore(const SqlitePacingStore&) = delete;
    SqlitePacingStore& operator=(const SqlitePacingStore&) = delete;
    ~SqlitePacingStore() override;

    std::optional<qint64> takeTurn(const QString& host, qint64 nowMs, qint64 intervalMs) override;
    void holdUntil(const QString& host, qint64 untilMs) override;
    std::optional<bool> takeFromAllowance(const QString& name, qint64 nowMs, int perDay) override;
    QString location() const override { return m_path; }
    QString takeProblem() override;

private:
    enum class State { Closed, Open, Silent };

    bool ensureOpen();
    bool open(QSqlError& error);
    // Runs the body in one IMMEDIATE transaction, starting a damaged file again once; false when
    // it could not run (the problem is then dealt with).
    template <typename Body>
    bool transaction(Body&& body);
    // A failed statement: a file locked for the whole busy timeout costs this one turn, a damaged
    // one is started again (true: try once more), anything else silences the store.
    bool handle(const QSqlError& error);
    void fallSilent(const QString& reason);

    QString m_path;
    QString m_connection;
    std::chrono::milliseconds m_busyTimeout;
    State m_state = State::Closed;
    bool m_added = false;
    bool m_restarted = false;
    QSqlDatabase m_db;
    QStringList m_problems;
};
