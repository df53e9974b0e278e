#include "program/QtIndexCommands.h"

#include "app/index/IndexCommands.h"
#include "desktop/files/QtDownloadStore.h"
#include "desktop/files/QtInputFiles.h"
#include "desktop/network/QtHttpFetcher.h"
#include "desktop/storage/SqliteProductIndex.h"

#include <QFileInfo>
#include <QThread>

#include <atomic>
#include <cstdio>
#include <iterator>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

namespace {
std::atomic<bool> gInterrupted{false};
std::atomic<bool> gTerminated{false};
static_assert(std::atomic<bool>::is_always_lock_free);

// Ctrl+C and SIGTERM set a flag the import and the download check between pieces, so that they
// stop the way a cancel does: the new index's files are removed, a download's part is kept.
// The previous handlers come back after.
class InterruptFlag
{
public:
    InterruptFlag()
    {
        gInterrupted = false;
        gTerminated = false;
#ifdef Q_OS_UNIX
        struct sigaction action = {};
        action.sa_handler = [](int signal) {
            if (signal == SIGTERM)
                gTerminated = true;
            gInterrupted = true;
        };
        sigemptyset(&action.sa_mask);
        // The reading thread may be inside a read when the signal comes.
        action.sa_flags = SA_RESTART;
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            sigaction(kSignals[i], &action, &m_previous[i]);
#endif
    }
    ~InterruptFlag()
    {
#ifdef Q_OS_UNIX
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            sigaction(kSignals[i], &m_previous[i], nullptr);
#endif
    }
    InterruptFlag(const InterruptFlag&) = delete;
    InterruptFlag& operator=(const InterruptFlag&) = delete;

private:
#ifdef Q_OS_UNIX
    static constexpr int kSignals[] = {SIGINT, SIGTERM};
    struct sigaction m_previous[std::size(kSignals)] = {};
#endif
};

void IgnoreFileSizeLimit()
{
#ifdef Q_OS_UNIX
    // Past the file size limit (ulimit -f) the system would end the program and leave the new
    // index's files behind; ignored, the write fails and the import says so like a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

bool StandardErrorIsTerminal()
{
#ifdef Q_OS_UNIX
    return ::isatty(STDERR_FILENO) == 1;
#else
    return false;
#endif
}

void WriteError(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}
// Both commands read files and write the index alike, and report to the standard error stream.
IndexCommandContext CommandContext(InputFiles& inputs, ProductIndex& index,
                                   const QStringList& languages)
{
    return IndexCommandContext{.files = inputs,
                               .index = index,
                               .writeError = WriteError,
                               .errorIsTerminal = StandardErrorIsTerminal(),
                               .interrupted = gInterrupted,
                               .options = ImportOptions{QString(), languages},
                               .terminated = [] { return gTerminated.load(); }};
}
} // namespace

int ImportIndexCommand(const QStringList& files, const QStringList& languages)
{
    IgnoreFileSizeLimit();
    const InterruptFlag interrupt;
    QtInputFiles inputs;
    SqliteProductIndex index;
    IndexCommandContext context = CommandContext(inputs, index, languages);
    return RunImportIndex(files, context);
}

int DownloadIndexCommand(const QStringList& languages, const QByteArray& userAgent,
                         const std::function<bool(const QUrl&)>& allowed,
                         const QProcessEnvironment& environment)
{
    IgnoreFileSizeLimit();
    const InterruptFlag interrupt;
    QtInputFiles inputs;
    SqliteProductIndex index;
    QtDownloadStore store(QFileInfo(index.path()).absolutePath());
    QtHttpFetcher fetcher;
    DownloadOptions options;
    const QString url = environment.value(QStringLiteral("QUILLFEN_INDEX_URL"));
    if (!url.isEmpty())
        options.url = url;
    options.userAgent = userAgent;
    options.allowed = allowed;
    IndexCommandContext context = CommandContext(inputs, index, languages);
    return RunDownloadIndex(context, fetcher, store, options);
}

int UpdateIndexCommand(const QStringList& languages, const QByteArray& userAgent,
                       const std::function<bool(const QUrl&)>& allowed,
                       const QProcessEnvironment& environment)
{
    IgnoreFileSizeLimit();
    const InterruptFlag interrupt;
    QtInputFiles inputs;
    SqliteProductIndex index;
    QtDownloadStore store(QFileInfo(index.path()).absolutePath());
    QtHttpFetcher fetcher;
    ChangesOptions options;
    const QString url = environment.value(QStringLiteral("QUILLFEN_INDEX_DELTAS_URL"));
    if (!url.isEmpty())
        options.listUrl = url;
    options.userAgent = userAgent;
    options.allowed = allowed;
    options.now = QDateTime::currentDateTimeUtc();
    // A second between two files, as a polite client of a shared static host; Ctrl+C still
    // stops at once.
    options.pause = [] {
        for (int i = 0; i < 10 && !gInterrupted.load(); ++i)
            QThread::msleep(100);
    };
    IndexCommandContext context = CommandContext(inputs, index, languages);
    return RunUpdateIndex(context, fetcher, store, options);
}
