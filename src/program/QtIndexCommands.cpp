#include "program/QtIndexCommands.h"

#include "app/index/IndexCommands.h"
#include "desktop/files/QtDownloadStore.h"
#include "desktop/files/QtInputFiles.h"
#include "desktop/network/QtHttpFetcher.h"
#include "desktop/storage/SqliteProductIndex.h"
#include "desktop/system/ConsoleSetup.h"
#include "desktop/system/InterruptFlags.h"

#include <QFileInfo>
#include <QThread>

#include <cstdio>

namespace {
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
                               .interrupted = InterruptFlags::interrupted(),
                               .options = ImportOptions{QString(), languages},
                               .terminated = [] { return InterruptFlags::terminated().load(); }};
}
} // namespace

int ImportIndexCommand(const QStringList& files, const QStringList& languages)
{
    IgnoreFileSizeLimit();
    // Ctrl+C and SIGTERM stop the import and the download between pieces the way a cancel does:
    // the new index's files are removed, a download's part is kept.
    const InterruptFlags interrupt;
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
    const InterruptFlags interrupt;
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
    const InterruptFlags interrupt;
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
        for (int i = 0; i < 10 && !InterruptFlags::interrupted().load(); ++i)
            QThread::msleep(100);
    };
    IndexCommandContext context = CommandContext(inputs, index, languages);
    return RunUpdateIndex(context, fetcher, store, options);
}
