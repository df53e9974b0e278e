#pragma once

#include "common/WorkerThread.h"
#include "index/IndexChanges.h"

#include <QObject>

#include <atomic>

// The daily change files applied in a thread of its own, so that the window stays responsive
// and lookups go on against the index in use until each changed one is in place. Progress and
// the result arrive as signals in the thread that owns the job.
class IndexUpdateJob final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IndexUpdateJob)
public:
    // The services must outlive the job; all are used from its thread, the index only to start
    // updates. `info` is the index's, taken in the thread that reads it.
    IndexUpdateJob(ChangesOptions options, IndexInfo info, HttpFetcher& fetcher,
                   DownloadStore& store, InputFiles& files, ProductIndex& index,
                   QObject* parent = nullptr);
    // Cancels a running update (the file under way is not applied) and waits for its thread.
    ~IndexUpdateJob() override;

    void start();
    // Asks the update to stop; finished() follows.
    void cancel();

Q_SIGNALS:
    void progressed(const ChangesProgress& progress);
    void finished(const ChangesResult& result);

private:
    ChangesOptions m_options;
    IndexInfo m_info;
    HttpFetcher& m_fetcher;
    DownloadStore& m_store;
    InputFiles& m_files;
    ProductIndex& m_index;
    std::atomic<bool> m_cancel{false};
    // Last: it waits for the task, which uses everything above.
    WorkerThread m_worker;
};
