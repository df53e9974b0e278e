#pragma once

#include <QElapsedTimer>
#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

// One task at a time in a thread of its own, for an object that lives in another thread (the
// window's): the task's progress, at most about ten times a second, and its result reach that
// object's thread as queued calls, dropped if the object is gone by then. Destroying the worker
// waits for the task, so the owner declares it after everything the task uses, and asks the
// task to stop first.
class WorkerThread final
{
public:
    WorkerThread() = default;
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;
    ~WorkerThread() { wait(); }

    // Runs task(report) in the thread unless a task is under way; report(progress) may be
    // called as often as the task likes. onProgress and onEnd run in owner's thread; by the time
    // onEnd runs, the thread has ended, so isRunning() is false and another task may start.
    template <typename Progress, typename Result>
    void start(QObject* owner,
               std::function<Result(const std::function<void(const Progress&)>& report)> task,
               std::function<void(const Progress&)> onProgress,
               std::function<void(const Result&)> onEnd)
    {
        if (m_thread)
            return;
        m_thread.reset(
            QThread::create([this, owner, task = std::move(task),
                             onProgress = std::move(onProgress), onEnd = std::move(onEnd)] {
                QElapsedTimer sinceLast;
                sinceLast.start();
                const std::function<void(const Progress&)> report = [&](const Progress& at) {
                    if (sinceLast.elapsed() < 100)
                        return;
                    sinceLast.restart();
                    QMetaObject::invokeMethod(
                        owner, [onProgress, at] { onProgress(at); }, Qt::QueuedConnection);
                };
                const Result result = task(report);
                QMetaObject::invokeMethod(
                    owner,
                    [this, onEnd, result] {
                        if (m_thread) {
                            m_thread->wait();
                            m_thread.reset();
                        }
                        onEnd(result);
                    },
                    Qt::QueuedConnection);
            }));
        m_thread->start();
    }

    // From start() until onEnd has been called.
    bool hasTask() const { return m_thread != nullptr; }
    bool isRunning() const { return m_thread && m_thread->isRunning(); }
    // Blocks until the task's thread has ended.
    void wait()
    {
        if (m_thread)
            m_thread->wait();
    }

private:
    std::unique_ptr<QThread> m_thread;
};
