#pragma once

#include "platform/ProductIndex.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>

#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// Where the index lives unless told otherwise: index.sqlite under the user's data folder
// (~/.local/share/Zandrik/Quillfen/, or $XDG_DATA_HOME/Zandrik/Quillfen/).
QString DefaultProductIndexPath();

// The product index in an SQLite file, through SQLite's own interface rather than Qt's driver,
// whose variants cost more than a lookup's search or an imported row's insert. The file is never
// changed once built: a new index is written to a file of its own beside it and renamed over it
// when complete, so a reader that still has the old file open keeps reading the old one, whole.
// An update does the same with a copy of the index that it changes.
class SqliteProductIndex final : public ProductIndex
{
    Q_DECLARE_TR_FUNCTIONS(SqliteProductIndex)
    Q_DISABLE_COPY_MOVE(SqliteProductIndex)
public:
    explicit SqliteProductIndex(QString path = DefaultProductIndexPath());
    ~SqliteProductIndex() override;

    std::optional<IndexedProduct> find(QStringView code) override;
    void findAhead(const QStringList& codes) override;
    IndexInfo info() override;
    bool reopenIfReplaced() override;
    std::unique_ptr<ProductIndexBuilder> startBuilding() override;
    std::unique_ptr<ProductIndexUpdater> startUpdating(const QString& database) override;

    QString path() const { return m_path; }

private:
    // What tells one file at the path from the next one put there.
    struct FileStamp
    {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;
        QDateTime changed;
        bool operator==(const FileStamp&) const = default;
    };
    static FileStamp stampOf(const QString& path);
    bool ensureOpen();
    void close();

    class ReadAhead;

    QString m_path;
    sqlite3* m_db = nullptr; // null while closed
    FileStamp m_openedStamp;
    bool m_triedOpening = false;
    sqlite3_stmt* m_find = nullptr;
    std::unique_ptr<ReadAhead> m_readAhead; // from the first findAhead() until the file closes
    QHash<qint64, IndexedExport> m_exports; // by their id in the file
    IndexInfo m_info;
};
