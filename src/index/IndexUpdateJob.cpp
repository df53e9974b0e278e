#include "index/IndexUpdateJob.h"

IndexUpdateJob::IndexUpdateJob(ChangesOptions options, IndexInfo info, HttpFetcher& fetcher,
                               DownloadStore& store, InputFiles& files, ProductIndex& index,
                               QObject* parent)
    : QObject(parent)
    , m_options(std::move(options))
    , m_info(std::move(info))
    , m_fetcher(fetcher)
    , m_store(store)
    , m_files(files)
    , m_index(index)
{}

IndexUpdateJob::~IndexUpdateJob()
{
    cancel();
    m_worker.wait();
}

void IndexUpdateJob::start()
{
    if (m_worker.hasTask())
        return;
    m_cancel = false;
    m_worker.start<ChangesProgress, ChangesResult>(
        this,
        [this](const std::function<void(const ChangesProgress&)>& report) {
            return UpdateIndexFromChanges(m_options, m_fetcher, m_store, m_files, m_index, m_info,
                                          m_cancel, report);
        },
        [this](const ChangesProgress& at) { Q_EMIT progressed(at); },
        [this](const ChangesResult& result) { Q_EMIT finished(result); });
}

void IndexUpdateJob::cancel()
{
    m_cancel = true;
}
