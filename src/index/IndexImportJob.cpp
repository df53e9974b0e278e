#include "index/IndexImportJob.h"

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
    if (m_worker.hasTask())
        return;
    m_cancel = false;
    m_worker.start<ImportProgress, ImportSummary>(
        this,
        [this](const ImportProgressSink& report) {
            return ImportExports(m_paths, m_files, m_index, m_cancel, report, m_options);
        },
        [this](const ImportProgress& at) { Q_EMIT progressed(at); },
        [this](const ImportSummary& summary) { Q_EMIT finished(summary); });
}

void IndexImportJob::cancel()
{
    m_cancel = true;
}

bool IndexImportJob::isRunning() const
{
    return m_worker.isRunning();
}

void IndexImportJob::wait()
{
    m_worker.wait();
}
