#pragma once

#include "app/AppConfig.h"
#include "index/IndexDownloadJob.h"
#include "index/IndexImportJob.h"
#include "index/IndexUpdateJob.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

inline constexpr QLatin1StringView kImportDatabaseTitle{
    QT_TRANSLATE_NOOP("ProductDatabaseMenu", "Import Product Database")};
inline constexpr QLatin1StringView kDownloadDatabaseTitle{
    QT_TRANSLATE_NOOP("ProductDatabaseMenu", "Download Product Database")};
inline constexpr QLatin1StringView kUpdateIndexTitle{
    QT_TRANSLATE_NOOP("ProductDatabaseMenu", "Update the Index")};
// The exports the import reads, by name: the dialog offers them first, then anything. A new kind
// of export joins here.
inline const QStringList kImportableExportPatterns{
    QStringLiteral("*.csv.gz"), QStringLiteral("*.csv"), QStringLiteral("*.jsonl.gz"),
    QStringLiteral("*.jsonl")};
QString ImportDatabaseFilter();

// "Import Product Database..." and "Download Product Database": the download and the import go
// on in threads of their own under a progress dialog that can cancel them, while the window stays
// usable and lookups go on against the index in use until the new one is in place. One task at
// a time; the end (a summary, or what went wrong) is told in a message.
class ProductDatabaseMenu final
{
    Q_DECLARE_TR_FUNCTIONS(ProductDatabaseMenu)

public:
    // Runs a body the way Form1 runs its handlers, so that nothing escapes into the event loop
    // when a task ends.
    using Dispatch = std::function<void(QStringView procedure, const std::function<void()>& body)>;

    ProductDatabaseMenu(const Platform& platform, const AppConfig& config, Dispatch dispatch,
                        std::function<void()> indexReplaced);
    // A task still under way is cancelled (the old index stays, a download's part is kept).
    ~ProductDatabaseMenu();
    ProductDatabaseMenu(const ProductDatabaseMenu&) = delete;
    ProductDatabaseMenu& operator=(const ProductDatabaseMenu&) = delete;

    void ImportProductDatabase();
    void DownloadProductDatabase();
    // Applies the daily change files published since the index's data; when the index is too
    // old for them, offers the full download.
    void UpdateTheIndex();
    // Tells the window what the index holds and how recent it is.
    void showIndexSummary();

    bool isBusy() const;

private:
    bool refuseWhileBusy();
    void startImport(const QStringList& paths, const QString& downloaded);
    void importFinished(const ImportSummary& summary, const QString& downloaded);
    void downloadFinished(const DownloadResult& result);
    void updateFinished(const ChangesResult& result);
    void cancel();
    void forgetEndedJobs();

    Platform m_platform;
    const AppConfig& m_config;
    Dispatch m_dispatch;
    std::function<void()> m_indexReplaced;
    QString m_title;
    std::unique_ptr<IndexImportJob> m_import;
    std::unique_ptr<IndexDownloadJob> m_download;
    std::unique_ptr<IndexUpdateJob> m_update;
    // A job is never deleted inside its own signal: it waits here until a later task starts
    // with no message about an ended one still open, or until the end.
    std::vector<std::unique_ptr<QObject>> m_ended;
    int m_endingDepth = 0;
};

// "Importing 2/3 en.openfoodfacts.org.products.csv.gz: 412.3 of 950.1 MB read (43%), ..." and
// how far the whole import has come, in thousandths.
QString ImportProgressLine(const ImportProgress& progress);
int ImportProgressPermille(const ImportProgress& progress);
// "Index of 2026-12-08, 3,214,554 products", "No product index".
QString IndexSummaryText(const IndexInfo& info);
// The paths the shared file dialog gave: one path, or a folder and names separated by NULs.
QStringList ChosenFiles(const QString& fileName);
