#pragma once

#include "common/WorkerThread.h"
#include "index/IndexImport.h"

#include <QObject>

#include <atomic>

// An import in a thread of its own, so that the window stays responsive and lookups go on
// against the index in use while the new one is built. Progress and the summary arrive as
// signals in the thread that owns the job (at most about ten progress signals a second).
class IndexImportJob final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IndexImportJob)
public:
    // The files and the index must outlive the job; both are used from its thread.
    IndexImportJob(QStringList paths, InputFiles& files, ProductIndex& index,
                   ImportOptions options = {}, QObject* parent = nullptr);
    // Cancels a running import and waits for its thread.
    ~IndexImportJob() override;

    void start();
    // Asks the import to stop; finished() follows (Cancelled, unless it had just completed).
    void cancel();
    bool isRunning() const;
    // Blocks until the import's thread has ended (for the command line and tests).
    void wait();

Q_SIGNALS:
    void progressed(const ImportProgress& progress);
    void finished(const ImportSummary& summary);

private:
    QStringList m_paths;
    InputFiles& m_files;
    ProductIndex& m_index;
    ImportOptions m_options;
    std::atomic<bool> m_cancel{false};
    // Last: it waits for the task, which uses everything above.
    WorkerThread m_worker;
};
