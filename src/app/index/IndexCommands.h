#pragma once

// The index commands' face: --import-index, --download-index and --update-index.

#include "index/IndexChanges.h"
#include "index/IndexDownload.h"
#include "index/IndexImport.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

class DownloadStore;
class HttpFetcher;
class InputFiles;
class ProductIndex;

// What the index commands of the command line work with; main() fills it with the real
// services (see platform/QtIndexCommands.h), the tests with fakes.
struct IndexCommandContext
{
    InputFiles& files;
    ProductIndex& index;
    // Writes text to the standard error stream as it is.
    std::function<void(const QString& text)> writeError;
    // On a terminal progress is one line that keeps being rewritten; elsewhere (a log file) a
    // line every ten seconds.
    bool errorIsTerminal = false;
    // Set by Ctrl+C (SIGINT) or SIGTERM.
    const std::atomic<bool>& interrupted;
    ImportOptions options = {};
    // Once `interrupted` is set: whether SIGTERM set it, which ends with a status of its own.
    std::function<bool()> terminated = {};
};

// Exit statuses of the index commands.
inline constexpr int kIndexCommandOk = 0;
inline constexpr int kIndexCommandFailed = 1;
inline constexpr int kIndexCommandBadUsage = 2;
inline constexpr int kIndexCommandInterrupted = 130; // as shells report an end by SIGINT
inline constexpr int kIndexCommandTerminated = 143;  // SIGTERM

// quillfen --import-index FILE...: imports the exports into a new index with progress on
// standard error and a summary at the end. 0 on success, 1 when the import failed, 2 for no
// file or a file that cannot be opened, 130 when interrupted (143 for SIGTERM; the index is then
// as it was).
int RunImportIndex(const QStringList& files, IndexCommandContext& context);

// quillfen --download-index: fetches the export (resuming a kept part), checks it, imports it
// and removes the downloaded file. 0 on success, 1 when the download or the import failed,
// 130 when interrupted, 143 for SIGTERM (the part is kept for the next run).
int RunDownloadIndex(IndexCommandContext& context, HttpFetcher& fetcher, DownloadStore& store,
                     const DownloadOptions& options);

// quillfen --update-index: applies the daily change files published since the index's data,
// oldest first, each whole or not at all. 0 when the index is up to date or was brought up to
// date, 1 when a file failed, when there is a gap or the index is older than the files kept (a
// full download is needed), 130 when interrupted, 143 for SIGTERM.
int RunUpdateIndex(IndexCommandContext& context, HttpFetcher& fetcher, DownloadStore& store,
                   const ChangesOptions& options);
