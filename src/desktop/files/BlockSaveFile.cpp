#include "desktop/files/BlockSaveFile.h"

#include "common/OperationFailed.h"

#include <QDir>
#include <QFile>
#include <QThreadPool>

#include <cerrno>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <system_error>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// The file is synced to disk before it is put in place, and for a file of megabytes that wait
// was a quarter of a large export's time: the disk is handed all of it at the end. This thread
// syncs what has been written so far, every megabyte or so, while the rest is still being made,
// and leaves the commit's own sync only the last part. A sync asked for while one runs is
// dropped: the next one covers it.
class BlockSaveFile::SyncAhead final
{
public:
    // Throws std::system_error when no thread is to be had.
    explicit SyncAhead(int handle)
        : m_handle(handle)
        , m_thread([this] { run(); })
    {}
    // Waits for a sync under way; one only asked for is dropped.
    ~SyncAhead()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }
    SyncAhead(const SyncAhead&) = delete;
    SyncAhead& operator=(const SyncAhead&) = delete;

    void request()
    {
        {
            const std::lock_guard lock(m_mutex);
            if (m_asked || m_syncing)
                return;
            m_asked = true;
        }
        m_changed.notify_all();
    }

private:
    void run()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [this] { return m_asked || m_stopping; });
            if (m_stopping)
                return;
            m_asked = false;
            m_syncing = true;
            lock.unlock();
#ifdef Q_OS_LINUX
            // Its failure is the commit's to find: that sync covers everything again.
            ::fdatasync(m_handle);
#endif
            lock.lock();
            m_syncing = false;
        }
    }

    const int m_handle;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_asked = false;
    bool m_syncing = false;
    bool m_stopping = false;
    std::thread m_thread; // last: it starts using the members above at once
};

namespace {
// Putting a file in place drops the one it replaces, and the system frees the old file's blocks
// and cached pages within the call that drops it: a few milliseconds for every few megabytes, on
// the thread that saves, which is the window's. Held open across the rename, the old file is
// freed only when it is closed, and that is left to a pool thread. Small files are not worth it.
constexpr qint64 kWorthHoldingBytes = 1024 * 1024;

int HoldReplacedFile(const QString& path)
{
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat status = {};
    // Regular files only: opening a device or a pipe, even to read, can do something of its own.
    if (::stat(name.constData(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size < kWorthHoldingBytes)
        return -1;
    return ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
#else
    Q_UNUSED(path);
    return -1;
#endif
}

void ReleaseReplacedFile(int held, bool inBackground)
{
#ifdef Q_OS_UNIX
    if (held < 0)
        return;
    if (inBackground)
        QThreadPool::globalInstance()->start([held] { ::close(held); });
    else
        ::close(held);
#else
    Q_UNUSED(held);
    Q_UNUSED(inBackground);
#endif
}
} // namespace

BlockSaveFile::BlockSaveFile(const QString& path)
    : m_file(path)
{
    // Unbuffered: the blocks are gathered here already, and a block that the system refuses (a
    // full disk) must fail its own write. Left in the device's buffer it would fail only when the
    // file is made whole, where QSaveFile misses the error and puts the short file in place of
    // the old one.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw OperationFailed(tr("Cannot create the file %1: %2")
                                  .arg(QDir::toNativeSeparators(path), m_file.errorString()));
    m_block.reserve(2 * kBlockBytes);
}

BlockSaveFile::~BlockSaveFile() = default;

void BlockSaveFile::commit()
{
    flush();
    m_syncAhead.reset();
    const int replaced = HoldReplacedFile(m_file.fileName());
    const bool committed = m_file.commit();
    ReleaseReplacedFile(replaced, committed);
    if (!committed)
        fail();
}

void BlockSaveFile::flush()
{
    if (m_block.isEmpty())
        return;
    errno = 0;
    if (m_file.write(m_block) != m_block.size())
        fail(errno);
    m_written += m_block.size();
    m_block.resize(0); // keeps the block's memory for the next one
    syncAhead();
}

void BlockSaveFile::syncAhead()
{
#ifdef Q_OS_LINUX
    if (m_written - m_syncAheadFrom < kSyncAheadBytes)
        return;
    m_syncAheadFrom = m_written;
    if (!m_syncAhead) {
        try {
            m_syncAhead = std::make_unique<SyncAhead>(m_file.handle());
        } catch (const std::system_error&) {
            // No thread to be had: the commit syncs all of it, as it always may.
            m_syncAheadFrom = std::numeric_limits<qint64>::max();
            return;
        }
    }
    m_syncAhead->request();
#endif
}

// A write cut short by the system (disk full, file too large) may leave the device without an
// error of its own; the system's reason is then the one to give.
void BlockSaveFile::fail(int systemError)
{
    const QString reason = m_file.error() == QFileDevice::NoError && systemError != 0
                               ? qt_error_string(systemError)
                               : m_file.errorString();
    m_syncAhead.reset(); // before the file it syncs is closed
    m_file.cancelWriting();
    throw OperationFailed(tr("Cannot write the file %1: %2")
                              .arg(QDir::toNativeSeparators(m_file.fileName()), reason));
}
