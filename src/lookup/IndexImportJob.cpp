#include "IndexImportJob.h"

#include <QElapsedTimer>
#include <QMetaObject>

IndexImportJob::IndexImportJob(QStringList paths, InputFiles& files, ProductIndex& index,
                               ImportOptions options, QObject* parent)
    : QObject(parent)
    , m_paths(std::move(paths))
    , m_files(files)
    , m_index(index)
    , m_options(std::move(options))
{}

IndexImportJob::~IndexImportJob()
{
    cancel();
    wait();
}

void IndexImportJob::start()
{
    if (m_thread)
        return;
    m_cancel = false;
    m_thread.reset(QThread::create([this] {
        QElapsedTimer sinceLast;
        sinceLast.start();
        const auto progress = [this, &sinceLast](const ImportProgress& at) {
            if (sinceLast.elapsed() < 100)
                return;
            sinceLast.restart();
            QMetaObject::invokeMethod(
                this, [this, at] { Q_EMIT progressed(at); }, Qt::QueuedConnection);
        };
        const ImportSummary summary =
            ImportExports(m_paths, m_files, m_index, m_cancel, progress, m_options);
        QMetaObject::invokeMethod(
            this,
            [this, summary] {
                // The thread is past its last statement: once it has ended, the job can be
                // started again and isRunning() is false for whoever hears the signal.
                if (m_thread) {
                    m_thread->wait();
                    m_thread.reset();
                }
                Q_EMIT finished(summary);
            },
            Qt::QueuedConnection);
    }));
    m_thread->start();
}

void IndexImportJob::cancel()
{
    m_cancel = true;
}

bool IndexImportJob::isRunning() const
{
    return m_thread && m_thread->isRunning();
}

void IndexImportJob::wait()
{
    if (m_thread)
        m_thread->wait();
}
