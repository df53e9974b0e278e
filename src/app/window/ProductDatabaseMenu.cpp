#include "app/window/ProductDatabaseMenu.h"

#include "app/LookupSetup.h"
#include "common/Loopback.h"
#include "common/NumberText.h"
#include "index/ImportText.h"
#include "platform/Clock.h"
#include "platform/DownloadStore.h"
#include "platform/FileDialog.h"
#include "platform/Form1Window.h"
#include "platform/MessageBox.h"
#include "platform/ProgressDialog.h"
#include "platform/QuestionBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QThread>

#include <algorithm>

namespace {
constexpr int kImportFileFlags = FileDialogFlag::AllowMultiSelect | FileDialogFlag::ReadOnly |
                                 FileDialogFlag::Explorer | FileDialogFlag::LongNames;

// Counts the ends being told, for as long as a message about one may be open.
struct EndingJob
{
    explicit EndingJob(int& depth)
        : m_depth(depth)
    {
        ++m_depth;
    }
    ~EndingJob() { --m_depth; }
    EndingJob(const EndingJob&) = delete;
    EndingJob& operator=(const EndingJob&) = delete;

private:
    int& m_depth;
};

int Permille(qint64 part, qint64 whole)
{
    return whole > 0 ? int(std::clamp<qint64>(part * 1000 / whole, 0, 1000)) : -1;
}
} // namespace

QString ImportProgressLine(const ImportProgress& progress)
{
    if (progress.fileCount > 1)
        //: %1 is the file's number, %2 how many files, %3 its name; then how far it has come.
        return QCoreApplication::translate("ProductDatabaseMenu", "Importing %1/%2 %3:\n%4")
            .arg(QString::number(progress.fileNumber), QString::number(progress.fileCount),
                 progress.fileName, ProgressText(progress));
    //: %1 is the file's name; then how far it has come.
    return QCoreApplication::translate("ProductDatabaseMenu", "Importing %1:\n%2")
        .arg(progress.fileName, ProgressText(progress));
}

int ImportProgressPermille(const ImportProgress& progress)
{
    // Sorting the rows in has no measure of its own: the bar shows the task busy instead.
    if (progress.fileCount <= 0 || progress.totalBytes <= 0 || progress.completing)
        return -1;
    // Each file counts alike: their sizes are not all known before they are opened.
    const int perFile = 1000 / progress.fileCount;
    return (progress.fileNumber - 1) * perFile +
           Permille(progress.bytesRead, progress.totalBytes) * perFile / 1000;
}

QString IndexSummaryText(const IndexInfo& info)
{
    if (!info.exists)
        return QCoreApplication::translate("ProductDatabaseMenu", "No product index");
    if (!info.problem.isEmpty())
        return QCoreApplication::translate("ProductDatabaseMenu",
                                           "The product index cannot be read");
    const int n = PluralCount(info.products);
    const bool one = info.products == 1;
    const QString products = GroupedNumber(info.products);
    if (!info.dataDate.isValid())
        //: %1 is how many products the index holds.
        return (one ? QCoreApplication::translate("ProductDatabaseMenu", "Index, %1 product",
                                                  nullptr, n)
                    : QCoreApplication::translate("ProductDatabaseMenu", "Index, %1 products",
                                                  nullptr, n))
            .arg(products);
    //: %1 is the date of the index's data (2026-12-08), %2 how many products it holds.
    return (one ? QCoreApplication::translate("ProductDatabaseMenu", "Index of %1, %2 product",
                                              nullptr, n)
                : QCoreApplication::translate("ProductDatabaseMenu", "Index of %1, %2 products",
                                              nullptr, n))
        .arg(info.dataDate.toUTC().toString(QStringLiteral("yyyy-MM-dd")), products);
}

QStringList ChosenFiles(const QString& fileName)
{
    QStringList parts = fileName.split(QChar(u'\0'), Qt::SkipEmptyParts);
    if (parts.size() <= 1)
        return parts;
    const QDir folder(parts.takeFirst());
    for (QString& name : parts)
        name = folder.filePath(name);
    return parts;
}

QString ImportDatabaseFilter()
{
    //: A file dialog's choice; %1 is the names it shows (*.csv.gz *.csv ...).
    return QCoreApplication::translate("ProductDatabaseMenu", "Product database exports (%1)")
               .arg(kImportableExportPatterns.join(u' ')) +
           u'|' + kImportableExportPatterns.join(u';') + u'|' +
           QCoreApplication::translate("ProductDatabaseMenu", "All Files (*.*)") +
           QStringLiteral("|*.*|");
}

ProductDatabaseMenu::ProductDatabaseMenu(const Platform& platform, const AppConfig& config,
                                         Dispatch dispatch, std::function<void()> indexReplaced)
    : m_platform(platform)
    , m_config(config)
    , m_dispatch(std::move(dispatch))
    , m_indexReplaced(std::move(indexReplaced))
{}

ProductDatabaseMenu::~ProductDatabaseMenu()
{
    cancel();
}

bool ProductDatabaseMenu::isBusy() const
{
    return m_import || m_download || m_update;
}

bool ProductDatabaseMenu::refuseWhileBusy()
{
    if (!isBusy())
        return false;
    m_platform.messageBox.show(
        m_download ? tr("The product database is being downloaded; wait for it to end, or cancel "
                        "it.")
        : m_update ? tr("The product database is being updated; wait for it to end, or cancel it.")
                   : tr("The product database is being imported; wait for it to end, or cancel "
                        "it."));
    return true;
}

void ProductDatabaseMenu::ImportProductDatabase()
{
    if (refuseWhileBusy())
        return;
    FileDialog& dialog = m_platform.commonDialog1;
    dialog.setFolderKind(FolderKind::Exports);
    dialog.setFileName(QString());
    dialog.setFlags(kImportFileFlags);
    dialog.setDialogTitle(tr(kImportDatabaseTitle.data()));
    dialog.setFilter(ImportDatabaseFilter());
    dialog.showOpen();
    const QStringList files = ChosenFiles(dialog.fileName());
    if (files.isEmpty())
        return;
    forgetEndedJobs();
    m_title = tr(kImportDatabaseTitle.data());
    //: %1 is the export's path.
    m_platform.progressDialog.open(m_title, tr("Opening %1").arg(files.constFirst()),
                                   [this] { cancel(); });
    startImport(files, {});
}

void ProductDatabaseMenu::DownloadProductDatabase()
{
    if (refuseWhileBusy())
        return;
    DownloadOptions options;
    options.url = m_config.indexUrl;
    options.userAgent = OpenDatabaseAgent(m_config.contact);
    options.allowed = [loopbackOnly = m_config.loopbackOnly](const QUrl& url) {
        return !loopbackOnly || IsLoopbackUrl(url);
    };
    const QString url = options.url;
    m_title = tr(kDownloadDatabaseTitle.data());
    //: %1 is the address downloaded from.
    m_platform.progressDialog.open(m_title, tr("Downloading %1").arg(url), [this] { cancel(); });
    forgetEndedJobs();
    m_download = std::make_unique<IndexDownloadJob>(std::move(options), m_platform.httpFetcher,
                                                    m_platform.downloadStore);
    QObject::connect(m_download.get(), &IndexDownloadJob::progressed, m_download.get(),
                     [this, url](const DownloadProgress& at) {
                         //: %1 is the address downloaded from; how far it has come follows.
                         QString text = tr("Downloading %1:").arg(url) + u'\n';
                         if (!at.notice.isEmpty())
                             text += at.notice + u'\n';
                         m_platform.progressDialog.setProgress(text + DownloadProgressText(at),
                                                               Permille(at.bytes, at.totalBytes));
                     });
    QObject::connect(m_download.get(), &IndexDownloadJob::finished, m_download.get(),
                     [this](const DownloadResult& result) { downloadFinished(result); });
    m_download->start();
}

void ProductDatabaseMenu::UpdateTheIndex()
{
    if (refuseWhileBusy())
        return;
    ChangesOptions options;
    options.listUrl = m_config.indexChangesUrl;
    options.userAgent = OpenDatabaseAgent(m_config.contact);
    options.allowed = [loopbackOnly = m_config.loopbackOnly](const QUrl& url) {
        return !loopbackOnly || IsLoopbackUrl(url);
    };
    // A second between two files, as the command line keeps: a cancel waits that long at most.
    options.pause = [] { QThread::msleep(1000); };
    options.now = QDateTime::fromSecsSinceEpoch(m_platform.clock.unixSeconds(), Qt::UTC);
    m_platform.productIndex.reopenIfReplaced();
    const IndexInfo info = m_platform.productIndex.info();
    m_title = tr(kUpdateIndexTitle.data());
    m_platform.progressDialog.open(
        m_title, tr("Reading the list of daily change files at %1").arg(options.listUrl),
        [this] { cancel(); });
    forgetEndedJobs();
    m_update = std::make_unique<IndexUpdateJob>(std::move(options), info, m_platform.httpFetcher,
                                                m_platform.downloadStore, m_platform.inputFiles,
                                                m_platform.productIndex);
    QObject::connect(
        m_update.get(), &IndexUpdateJob::progressed, m_update.get(),
        [this](const ChangesProgress& at) {
            //: %1 is the file's number, %2 how many files, %3 its name; how far it has come
            //: follows.
            QString text = tr("Updating %1/%2 %3:")
                               .arg(QString::number(at.fileNumber), QString::number(at.fileCount),
                                    at.fileName) +
                           u'\n';
            text += at.applying ? tr("%1 products applied", nullptr, PluralCount(at.products))
                                      .arg(GroupedNumber(at.products))
                                : DownloadProgressText(at.download);
            m_platform.progressDialog.setProgress(
                text, at.fileCount > 0 ? (at.fileNumber - 1) * 1000 / at.fileCount : -1);
        });
    QObject::connect(m_update.get(), &IndexUpdateJob::finished, m_update.get(),
                     [this](const ChangesResult& result) { updateFinished(result); });
    m_update->start();
}

void ProductDatabaseMenu::showIndexSummary()
{
    m_platform.window.setIndexSummary(IndexSummaryText(m_platform.productIndex.info()));
}

void ProductDatabaseMenu::updateFinished(const ChangesResult& result)
{
    m_ended.push_back(std::move(m_update));
    const EndingJob ending(m_endingDepth);
    m_dispatch(u"UpdateTheIndex", [&] {
        m_platform.progressDialog.close();
        if (result.filesApplied > 0) {
            if (m_indexReplaced)
                m_indexReplaced();
            m_platform.productIndex.reopenIfReplaced();
        }
        showIndexSummary();
        const QString told = ChangesLines(result).join(u'\n');
        const bool tooOld = result.outcome == ChangesResult::Outcome::TooOld ||
                            result.outcome == ChangesResult::Outcome::Gap;
        if (tooOld) {
            // The full download is the only way forward; it is offered rather than started, as
            // it is a gigabyte and more.
            if (m_platform.questionBox.ask(
                    told + u"\n\n" + tr("Download the whole product database now?"), m_title))
                DownloadProductDatabase();
            return;
        }
        const bool wentWrong = result.outcome == ChangesResult::Outcome::Failed;
        m_platform.messageBox.show(told, wentWrong ? MessageIcon::Warning : MessageIcon::None,
                                   m_title);
    });
}

void ProductDatabaseMenu::startImport(const QStringList& paths, const QString& downloaded)
{
    m_import =
        std::make_unique<IndexImportJob>(paths, m_platform.inputFiles, m_platform.productIndex,
                                         ImportOptions{QString(), IndexLanguagesFor(m_config)});
    QObject::connect(m_import.get(), &IndexImportJob::progressed, m_import.get(),
                     [this](const ImportProgress& at) {
                         m_platform.progressDialog.setProgress(ImportProgressLine(at),
                                                               ImportProgressPermille(at));
                     });
    QObject::connect(
        m_import.get(), &IndexImportJob::finished, m_import.get(),
        [this, downloaded](const ImportSummary& summary) { importFinished(summary, downloaded); });
    m_import->start();
}

void ProductDatabaseMenu::forgetEndedJobs()
{
    // A message about an ended job may still be open, shown from inside the job's signal: the
    // job is deleted only once nothing of it is on the stack.
    if (m_endingDepth == 0)
        m_ended.clear();
}

void ProductDatabaseMenu::cancel()
{
    // The jobs see the request between pieces; their finished signal tells how it ended.
    if (m_import)
        m_import->cancel();
    if (m_download)
        m_download->cancel();
    if (m_update)
        m_update->cancel();
    if (isBusy())
        m_platform.progressDialog.setProgress(tr("Cancelling\u2026"), -1);
}

void ProductDatabaseMenu::downloadFinished(const DownloadResult& result)
{
    m_ended.push_back(std::move(m_download));
    const EndingJob ending(m_endingDepth);
    m_dispatch(u"DownloadProductDatabase", [&] {
        if (!result.path.isEmpty()) {
            startImport({result.path}, result.path);
            return;
        }
        m_platform.progressDialog.close();
        if (result.cancelled)
            m_platform.messageBox.show(tr("Download cancelled. What has arrived is kept, and the "
                                          "next download goes on from there. The product index "
                                          "is as it was."),
                                       MessageIcon::None, m_title);
        else
            //: %1 says what went wrong.
            m_platform.messageBox.show(
                tr("The download failed: %1.\nThe product index is as it was.").arg(result.failure),
                MessageIcon::Warning, m_title);
    });
}

void ProductDatabaseMenu::importFinished(const ImportSummary& summary, const QString& downloaded)
{
    m_ended.push_back(std::move(m_import));
    const EndingJob ending(m_endingDepth);
    m_dispatch(downloaded.isEmpty() ? u"ImportProductDatabase" : u"DownloadProductDatabase", [&] {
        m_platform.progressDialog.close();
        const bool imported = summary.outcome == ImportSummary::Outcome::Imported;
        if (imported) {
            if (m_indexReplaced)
                m_indexReplaced();
            showIndexSummary();
            // Once imported, the downloaded export only takes space; a failed import keeps it.
            if (!downloaded.isEmpty())
                m_platform.downloadStore.removeCompleted(downloaded);
        }
        const bool wentWrong = summary.outcome == ImportSummary::Outcome::Failed ||
                               summary.outcome == ImportSummary::Outcome::CannotOpen;
        m_platform.messageBox.show(SummaryLines(summary).join(u'\n'),
                                   wentWrong ? MessageIcon::Warning : MessageIcon::None, m_title);
    });
}
