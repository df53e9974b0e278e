#pragma once

#include "app/AppConfig.h"
#include "app/BatchServices.h"
#include "results/OutcomeWriter.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class BatchCodes;
struct SheetAndColumn;
class BatchOutput;
class LocalAnswersOnly;
class PictureFetch;
class PictureFolder;
class ShopFileWriter;
class UserShopColumns;
struct CodeOutcome;

// What --pictures-dir, --pictures-only and a shop's --format add to a batch run: the pictures of
// the products found, saved to a folder as each is found; a shop's file, with the user's own
// columns of the spreadsheet the codes came from; a run that asks no source at all.
class BatchListing final
{
    Q_DECLARE_TR_FUNCTIONS(BatchListing)

public:
    // Settles the user's columns and opens the pictures' folder. Throws OperationFailed saying
    // why either cannot be had; the run then looks nothing up.
    BatchListing(const AppConfig& config, const BatchServices& services, const BatchCodes& codes,
                 OutcomeFormat format);
    ~BatchListing();
    BatchListing(const BatchListing&) = delete;
    BatchListing& operator=(const BatchListing&) = delete;

    bool picturesOnly() const { return m_options.picturesOnly; }
    // The loader the lookups go through: one that sends nothing with --pictures-only.
    PageLoader& lookupPages(PageLoader& pages);
    // The run's output when it is not the usual one: a shop's file, or none with
    // --pictures-only; null otherwise. Throws OperationFailed when the file cannot be created.
    std::unique_ptr<BatchOutput> openOutput(const BatchServices& services, BatchConsole& console,
                                            const BatchOptions& options);

    // Saves the outcome's picture; with --pictures-only, a code no answer is remembered for
    // becomes one not looked up. A folder that cannot be written to is told through `note`, once,
    // and no picture is saved after it.
    void add(CodeOutcome& outcome, const std::function<bool()>& stop,
             const std::function<void(const QString&)>& note);
    // What the progress line shows of the pictures: "12 pictures saved"; empty without a folder.
    QString progressText() const;
    // Writes the folder's list. The summaries of the pictures and of the shop's file, one a line.
    QStringList finish(const std::function<void(const QString&)>& note);

private:
    ListingOptions m_options;
    OutcomeFormat m_format;
    QString m_currency;
    const SheetAndColumn* m_sheet = nullptr;
    std::unique_ptr<UserShopColumns> m_userColumns;
    std::unique_ptr<LocalAnswersOnly> m_nothingSent;
    std::unique_ptr<PictureFetch> m_fetch;
    std::unique_ptr<PictureFolder> m_folder;
    bool m_folderWritable = true;
    // The shop's file, owned by the run's output.
    ShopFileWriter* m_shop = nullptr;
};
