#include "program/QtLabelsCommand.h"

#include "app/LocalNames.h"
#include "app/labels/LabelsCommand.h"
#include "desktop/files/LibzipArchives.h"
#include "desktop/files/QtFileSystem.h"
#include "desktop/labels/QtLabelPrinter.h"
#include "desktop/storage/QtSettingsStore.h"
#include "desktop/storage/SqliteAnswerStore.h"
#include "desktop/storage/SqliteProductIndex.h"
#include "desktop/system/QtBatchConsole.h"
#include "desktop/system/QtClock.h"
#include "desktop/system/QtEventLoop.h"
#include "desktop/system/QtStopSignals.h"

#ifdef Q_OS_UNIX
#include <csignal>
#endif

int LabelsCommand(const AppConfig& config)
{
#ifdef Q_OS_UNIX
    // Past the file size limit the PDF's write fails and is reported, instead of ending the run.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QtStopSignals stopSignals;
    QtBatchConsole console(stopSignals);
    QtFileSystem files;
    LibzipArchives zips;
    QtLabelPrinter printer;
    QtSettingsStore settings;
    SqliteProductIndex index;
    SqliteAnswerStore answers;
    QtEventLoop eventLoop;
    QtClock clock;
    LocalNames names(config, settings, index, &answers, eventLoop, clock);
    return RunLabels(config,
                     LabelServices{
                         .files = files,
                         .console = console,
                         .printer = printer,
                         .zips = zips,
                         .nameOf = [&names](const QString& code) { return names.nameOf(code); },
                     });
}
