#pragma once

#include "common/WorkerThread.h"
#include "index/IndexDownload.h"

#include <QObject>

#include <atomic>

// The export's download in a thread of its own, so that the window stays responsive. Progress
// and the result arrive as signals in the thread that owns the job (at most about ten progress
// signals a second).
class IndexDownloadJob final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IndexDownloadJob)
public:
    // The fetcher and the store must outlive the job; both are used from its thread only.
    IndexDownloadJob(DownloadOptions options, HttpFetcher& fetcher, DownloadStore& store,
                     QObject* parent = nullptr);
    // Cancels a running download (its part is kept) and waits for its thread.
    ~IndexDownloadJob() override;

    void start();
    // Asks the download to stop; finished() follows, cancelled unless it had just ended.
    void cancel();
    bool isRunning() const;

Q_SIGNALS:
    void progressed(const DownloadProgress& progress);
    void finished(const DownloadResult& result);

private:
    DownloadOptions m_options;
    HttpFetcher& m_fetcher;
    DownloadStore& m_store;
    std::atomic<bool> m_cancel{false};
    // Last: it waits for the task, which uses everything above.
    WorkerThread m_worker;
};
