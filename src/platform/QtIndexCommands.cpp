#include "QtIndexCommands.h"

#include "QtDownloadStore.h"
#include "QtHttpFetcher.h"
#include "QtInputFiles.h"
#include "SqliteProductIndex.h"
#include "app/IndexCommands.h"

#include <QFileInfo>

#include <atomic>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

namespace {
std::atomic<bool> gInterrupted{false};

// Ctrl+C sets a flag the import checks between pieces; the previous handler comes back after.
class InterruptFlag
{
public:
    InterruptFlag()
    {
        gInterrupted = false;
#ifdef Q_OS_UNIX
        struct sigaction action = {};
        action.sa_handler = [](int) { gInterrupted = true; };
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_previous);
#endif
    }
    ~InterruptFlag()
    {
#ifdef Q_OS_UNIX
        sigaction(SIGINT, &m_previous, nullptr);
#endif
    }
    InterruptFlag(const InterruptFlag&) = delete;
    InterruptFlag& operator=(const InterruptFlag&) = delete;

private:
#ifdef Q_OS_UNIX
    struct sigaction m_previous = {};
#endif
};

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
                                   const QString& localLanguage)
{
    return IndexCommandContext{.files = inputs,
                               .index = index,
                               .writeError = WriteError,
                               .errorIsTerminal = StandardErrorIsTerminal(),
                               .interrupted = gInterrupted,
                               .options = ImportOptions{localLanguage}};
}
} // namespace

int ImportIndexCommand(const QStringList& files, const QString& localLanguage)
{
    const InterruptFlag interrupt;
    QtInputFiles inputs;
    SqliteProductIndex index;
    IndexCommandContext context = CommandContext(inputs, index, localLanguage);
    return RunImportIndex(files, context);
}

int DownloadIndexCommand(const QString& localLanguage, const QByteArray& userAgent,
                         const std::function<bool(const QUrl&)>& allowed,
                         const QProcessEnvironment& environment)
{
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
    IndexCommandContext context = CommandContext(inputs, index, localLanguage);
    return RunDownloadIndex(context, fetcher, store, options);
}
