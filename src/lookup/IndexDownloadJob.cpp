#include "IndexDownloadJob.h"

#include <QElapsedTimer>
#include <QMetaObject>

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
    if (m_thread)
        m_thread->wait();
}

void IndexDownloadJob::start()
{
    if (m_thread)
        return;
    m_cancel = false;
    m_thread.reset(QThread::create([this] {
        QElapsedTimer sinceLast;
        sinceLast.start();
        const auto progress = [this, &sinceLast](const DownloadProgress& at) {
            if (sinceLast.elapsed() < 100)
                return;
            sinceLast.restart();
            QMetaObject::invokeMethod(
                this, [this, at] { Q_EMIT progressed(at); }, Qt::QueuedConnection);
        };
        const DownloadResult result =
            DownloadExport(m_options, m_fetcher, m_store, m_cancel, progress);
        QMetaObject::invokeMethod(
            this,
            [this, result] {
                // As in IndexImportJob: the thread has ended before anyone hears the result.
                if (m_thread) {
                    m_thread->wait();
                    m_thread.reset();
                }
                Q_EMIT finished(result);
            },
            Qt::QueuedConnection);
    }));
    m_thread->start();
}

void IndexDownloadJob::cancel()
{
    m_cancel = true;
}

bool IndexDownloadJob::isRunning() const
{
    return m_thread && m_thread->isRunning();
}
