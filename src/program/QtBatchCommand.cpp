#include "program/QtBatchCommand.h"

#include "app/batch/BatchCommand.h"
#include "app/labels/LabelsCommand.h"
#include "app/scan/ScanCommand.h"
#include "barcodes/BarcodeReader.h"
#include "desktop/files/QtFileSystem.h"
#include "desktop/files/QtFolderFiles.h"
#include "desktop/files/QtOutputFiles.h"
#include "desktop/storage/QtPictureStore.h"
#include "desktop/storage/QtScanJournal.h"
#include "desktop/storage/QtSettingsStore.h"
#include "desktop/storage/SqliteAnswerStore.h"
#include "desktop/storage/SqlitePacingStore.h"
#include "desktop/storage/SqliteProductIndex.h"
#include "desktop/system/ConsoleSetup.h"
#include "desktop/system/QtBatchConsole.h"
#include "desktop/system/QtClock.h"
#include "desktop/system/QtEventLoop.h"
#include "desktop/system/QtStandardInputLines.h"
#include "desktop/system/QtStopSignals.h"
#include "listings/PictureFetch.h"
#include "program/ConnectionsModule.h"
#include "program/PageLoaders.h"
#include "program/PictureModule.h"

int BatchCommand(const AppConfig& config, const PictureModule& pictureModule,
                 const ConnectionsModule& connections)
{
    // Past the file size limit (ulimit -f) the system would end the run without a word; ignored,
    // the write fails instead and is reported like a full disk.
    IgnoreFileSizeLimit();
    QtStopSignals stopSignals;
    QtFileSystem files;
    QtBatchConsole console(stopSignals);
    QtOutputFiles outputs(connections.workbooks());
    QtSettingsStore settings;
    const auto pages =
        MakePageLoader(PageLoaderLimits{.loopbackOnly = config.loopbackOnly}, connections);
    QtEventLoop eventLoop;
    QtClock clock;
    SqliteAnswerStore answers;
    SqlitePacingStore pacing;
    SqliteProductIndex index;
    const auto zips = connections.zipArchives();
    const auto pictures = pictureModule.pictureFiles();
    const auto pdf = pictureModule.pdfDocument();
    const auto secondPdf = pictureModule.pdfDocument();
    const auto scanner = pictureModule.barcodeScanner();
    const BarcodeServices barcodes{*pictures, *pdf, *scanner, BarcodeFilesAtOnceOnThisMachine(),
                                   secondPdf.get()};
    const auto pictureLoader = MakePageLoader(
        PageLoaderLimits{.maxPageBytes = kLargestPictureBytes, .loopbackOnly = config.loopbackOnly},
        connections);
    QtFolderFiles folderFiles;
    QtPictureStore remembered(QtPictureStore::defaultFolder(), QtPictureStore::kDefaultCapBytes,
                              kLargestPictureBytes);
    const BatchPictureServices pictureServices{*pictureLoader, folderFiles, remembered, *pictures};
    const auto catalogue = connections.catalogueConnection(config.loopbackOnly);
    return RunBatch(config, BatchServices{
                                .files = files,
                                .console = console,
                                .outputs = outputs,
                                .stopSignals = stopSignals,
                                .settings = settings,
                                .pages = *pages,
                                .eventLoop = eventLoop,
                                .clock = clock,
                                .answers = answers,
                                .index = index,
                                .pacing = &pacing,
                                .zips = zips.get(),
                                .barcodes = &barcodes,
                                .pictures = &pictureServices,
                                .catalogue = catalogue.get(),
                            });
}

int ScanCommand(const AppConfig& config, const ConnectionsModule& connections)
{
    IgnoreFileSizeLimit();
    QtStopSignals stopSignals;
    QtStandardInputLines lines;
    QtBatchConsole console(stopSignals);
    QtSettingsStore settings;
    const auto pages =
        MakePageLoader(PageLoaderLimits{.loopbackOnly = config.loopbackOnly}, connections);
    QtEventLoop eventLoop;
    QtClock clock;
    SqliteAnswerStore answers;
    SqlitePacingStore pacing;
    SqliteProductIndex index;
    // A file of its own: the window's session, open meanwhile, is never replayed or removed here.
    QtScanJournal journal(QtScanJournal::inDataFolder(u"scan-session-console.txt"));
    const auto catalogue = connections.catalogueConnection(config.loopbackOnly);
    return RunScan(config, ScanServices{
                               .lines = lines,
                               .console = console,
                               .stopSignals = stopSignals,
                               .settings = settings,
                               .pages = *pages,
                               .eventLoop = eventLoop,
                               .clock = clock,
                               .answers = answers,
                               .index = index,
                               .journal = journal,
                               .pacing = &pacing,
                               .catalogue = catalogue.get(),
                           });
}

int ListLayoutsCommand(const AppConfig& config)
{
    QtStopSignals stopSignals;
    QtBatchConsole console(stopSignals);
    return ListLayouts(config, console);
}
