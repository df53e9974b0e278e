#pragma once

#include "common/OperationFailed.h"
#include "platform/ProductIndex.h"

#include <QHash>
#include <QMutex>

#include <functional>

// The product index in memory. A build fills a new table that takes the old one's place on
// commit, as the real one does; hooks let a test fail or watch a build at any row.
class FakeProductIndex final : public ProductIndex
{
public:
    ~FakeProductIndex() override;
    struct Table
    {
        QHash<QString, IndexedProduct> products; // by key
        QList<IndexedExport> exports;
    };

    std::optional<IndexedProduct> find(QStringView code) override
    {
        ++finds;
        const QByteArray utf8 = code.toUtf8();
        const auto found = m_reading.products.constFind(QString::fromUtf8(IndexKey(utf8)));
        if (found == m_reading.products.cend())
            return std::nullopt;
        return *found;
    }

    void findAhead(const QStringList& codes) override { foundAhead.append(codes); }

    IndexInfo info() override
    {
        reopenIfReplaced();
        IndexInfo info;
        {
            const QMutexLocker locker(&m_mutex);
            info.exists = m_exists;
        }
        info.path = QStringLiteral("/fake/index.sqlite");
        info.problem = problem;
        info.exports = m_reading.exports;
        for (const IndexedExport& file : m_reading.exports)
            info.products += file.products;
        // As the real one dates an index no change file has touched: by its first export.
        if (!m_reading.exports.isEmpty())
            info.dataDate = m_reading.exports.front().exportDate;
        return info;
    }

    bool reopenIfReplaced() override
    {
        const QMutexLocker locker(&m_mutex);
        if (m_placedGeneration == m_readGeneration)
            return false;
        m_reading = m_placed;
        m_readGeneration = m_placedGeneration;
        return true;
    }

    std::unique_ptr<ProductIndexBuilder> startBuilding() override
    {
        if (!failStart.isEmpty())
            throw OperationFailed(failStart);
        return std::make_unique<Builder>(*this);
    }

    // Updates are tried on the real index (tst_indexcommands): the fake has none.
    std::unique_ptr<ProductIndexUpdater> startUpdating(const QString&) override
    {
        throw OperationFailed(QStringLiteral("the fake index cannot be updated"));
    }

    // Puts a table in place at once, as a finished build would.
    void place(Table table)
    {
        const QMutexLocker locker(&m_mutex);
        m_placed = std::move(table);
        m_exists = true;
        ++m_placedGeneration;
    }

    // Called before each row is added (from the building thread); may throw.
    std::function<void(const ExportRow&)> beforeAdd;
    QString problem;    // non-empty: the index is there but cannot be read, for this reason
    QString failStart;  // non-empty: startBuilding() throws this
    QString failCommit; // non-empty: commit() throws this
    // Called as commit() begins (from the building thread), before it looks at the give-up flag.
    std::function<void()> duringCommit;
    int commits = 0;
    int abandonedBuilds = 0;
    int finds = 0;
    QList<QStringList> foundAhead; // each findAhead() call's codes

private:
    class Builder final : public ProductIndexBuilder
    {
    public:
        explicit Builder(FakeProductIndex& index)
            : m_index(index)
        {}
        ~Builder() override
        {
            if (!m_committed)
                ++m_index.abandonedBuilds;
        }
        void beginExport(const IndexedExport& file) override
        {
            m_table.exports.append(file);
            m_table.exports.back().products = 0;
        }
        void add(const ExportRow& row) override
        {
            if (m_index.beforeAdd)
                m_index.beforeAdd(row);
            const IndexedExport& file = m_table.exports.back();
            const QString key = QString::fromUtf8(row.key);
            if (!m_table.products.contains(key)) {
                m_table.products.insert(
                    key,
                    IndexedProduct{
                        QString::fromUtf8(row.code),
                        ProductFields{
                            QString::fromUtf8(row.productName), QString::fromUtf8(row.localName),
                            QString::fromUtf8(row.englishName), QString::fromUtf8(row.genericName),
                            QString::fromUtf8(row.brands), QString::fromUtf8(row.quantity)},
                        file.database, file.exportDate, QString::fromUtf8(row.mainCategory),
                        QString::fromUtf8(row.countries), QString::fromUtf8(row.image)});
            }
            ++m_table.exports.back().products;
        }
        void setLanguages(const QStringList&) override {}
        void giveUpWhen(const std::atomic<bool>& flag) override { m_giveUp = &flag; }
        void commit() override
        {
            if (m_index.duringCommit)
                m_index.duringCommit();
            if (m_giveUp && m_giveUp->load())
                throw OperationFailed(QStringLiteral("cancelled while completing"));
            if (!m_index.failCommit.isEmpty())
                throw OperationFailed(m_index.failCommit);
            m_committed = true;
            ++m_index.commits;
            m_index.place(std::move(m_table));
        }

    private:
        FakeProductIndex& m_index;
        Table m_table;
        const std::atomic<bool>* m_giveUp = nullptr;
        bool m_committed = false;
    };

    QMutex m_mutex; // builds may run in another thread
    Table m_placed;
    Table m_reading;
    bool m_exists = false;
    int m_placedGeneration = 0;
    int m_readGeneration = 0;
};
