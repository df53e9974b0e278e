#pragma once

#include "platform/ExportRow.h"
#include "platform/ProductFields.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <atomic>
#include <memory>
#include <optional>

// One export file that went into the index.
struct IndexedExport
{
    QString database;     // "Open Food Facts"
    QString fileName;     // "en.openfoodfacts.org.products.csv.gz"
    QDateTime exportDate; // when the file was made (its modification time)
    qint64 products = 0;  // rows taken from it
};

// A product as the index holds it.
struct IndexedProduct
{
    QString code; // as the export wrote it
    ProductFields fields;
    QString database;
    QDateTime exportDate;
    QString mainCategory = {}; // "Hazelnut spreads"
    QString countries = {};    // as the export lists them: "France,Germany"
    QString image = {};        // the front picture, in the short form of OpenFoodFactsImageName
    // The product's names in the languages the index keeps ("de" -> "Haselnusscreme"), those it
    // has a name in; empty for an index that keeps none.
    QHash<QString, QString> namesByLanguage = {};
};

// What there is to say about the index without reading it all.
struct IndexInfo
{
    bool exists = false;
    QString path;
    qint64 products = 0;
    qint64 fileBytes = 0;
    QDateTime builtAt;
    QList<IndexedExport> exports;
    // How recent the products are: the export's own date for an index just imported (of the
    // Open Food Facts export when there are several), then the end of the last daily change file
    // applied. Invalid when there is no index.
    QDateTime dataDate;
    QString lastChangeFile; // the daily change file applied last; empty when none was
    // The languages whose product names the index keeps besides the main one, in the order the
    // rows carry them (ExportRow::localName, then moreNames).
    QStringList languages;
    // Why an index that exists cannot be read ("not an index file"); empty when it can.
    QString problem;

    QStringList databases() const
    {
        QStringList names;
        for (const IndexedExport& file : exports)
            if (!names.contains(file.database))
                names.append(file.database);
        return names;
    }
};

// Writes a new index beside the one in use. Nothing changes for readers until commit() puts the
// new one in place; a builder destroyed without commit() leaves the index as it was and removes
// what it wrote. A builder belongs to the thread that started it.
class ProductIndexBuilder
{
public:
    virtual ~ProductIndexBuilder() = default;

    // The rows added from now on come from this export (its products count is filled in by the
    // builder). Throws OperationFailed.
    virtual void beginExport(const IndexedExport& file) = 0;
    // The languages of the rows' local names, in their order (as IndexLanguages gives them).
    virtual void setLanguages(const QStringList& languages) = 0;
    // Several rows of one key: the first one added is the one found.
    virtual void add(const ExportRow& row) = 0;
    // Completes the new index and puts it in place of the old one. Throws OperationFailed, and
    // then the old index stays in use.
    virtual void commit() = 0;
    // Once the flag is raised, a commit() still under way stops as soon as it can and throws
    // OperationFailed, leaving the old index in use: completing a large index takes a while.
    // The flag must outlive the builder.
    virtual void giveUpWhen(const std::atomic<bool>& flag) = 0;
};

// Changes an index in place of a copy: products added or replaced by key, from one daily change
// file. Nothing changes for readers until commit(); an updater destroyed without commit()
// leaves the index as it was.
class ProductIndexUpdater
{
public:
    virtual ~ProductIndexUpdater() = default;

    // The product of the row's key becomes this one, whether the index had it or not.
    // Throws OperationFailed.
    virtual void put(const ExportRow& row) = 0;
    // Puts the changed index in place, recording the file the rows came from and the date its
    // data is of. Throws OperationFailed, and then the old index stays in use.
    virtual void commit(const QString& changeFile, const QDateTime& dataDate) = 0;
};

// The local product index, built from the open databases' exports and read without the network.
// Reading happens in the thread that made the index object; building may go on in another
// thread at the same time, and the index in use keeps answering until the new one is in place.
class ProductIndex
{
public:
    virtual ~ProductIndex() = default;

    // The product of that code (any form of it: with or without leading zeros), or none. An
    // index that does not exist (or cannot be read) finds nothing.
    virtual std::optional<IndexedProduct> find(QStringView code) = 0;
    // The codes a run is about to ask find() for, in order: an index may find them ahead, on
    // another thread. A hint only; find() answers the same either way.
    virtual void findAhead(const QStringList& /*codes*/) {}
    virtual IndexInfo info() = 0;
    // Opens the index again when a new one has been put in place since it was opened (by this
    // process or another). A lookup run calls it once at its start. True when it did.
    virtual bool reopenIfReplaced() = 0;
    // Starts a new index. Throws OperationFailed when no index can be built there (the folder
    // cannot be made, another import is under way). May be called from any thread.
    virtual std::unique_ptr<ProductIndexBuilder> startBuilding() = 0;
    // Starts changing the index that exists with products of that database ("Open Food Facts").
    // Throws OperationFailed when there is none, when it is of another format, or when an import
    // or another update is under way.
    virtual std::unique_ptr<ProductIndexUpdater> startUpdating(const QString& database) = 0;
};
