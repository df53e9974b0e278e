#include "index/IndexDownloadJob.h"

IndexDownloadJob::IndexDownloadJob(DownloadOptions options, HttpFetcher& fetcher,
                                   DownloadStore& store, QObject* parent)
    : QObject(parent)
    , m_options(std::move(options))
    , m_fetcher(fetcher)
    , m_store(store)
{}

IndexDownloadJob::~IndexDownloadJob()
{
    cancel();
    m_worker.wait();
}

void IndexDownloadJob::start()
{
    if (m_worker.hasTask())
        return;
    m_cancel = false;
    m_worker.start<DownloadProgress, DownloadResult>(
        this,
        [this](const std::function<void(const DownloadProgress&)>& report) {
            return DownloadExport(m_options, m_fetcher, m_store, m_cancel, report);
        },
        [this](const DownloadProgress& at) { Q_EMIT progressed(at); },
        [this](const DownloadResult& result) { Q_EMIT finished(result); });
}

void IndexDownloadJob::cancel()
{
    m_cancel = true;
}

bool IndexDownloadJob::isRunning() const
{
    return m_worker.isRunning();
}
