#pragma once

#include "app/AppConfig.h"

#include <memory>
#include <vector>

class AnswerStore;
struct BarcodeServices;
class BatchConsole;
class Clock;
class EventLoop;
class FileSystem;
class LookupSource;
class OutputFiles;
class PacingStore;
class PageLoader;
class ProductIndex;
class SettingsStore;
class StopSignals;
class ZipArchives;

// What a batch run works with; main() fills it with the real services (see
// platform/QtBatchCommand.h), the tests with fakes.
struct BatchServices
{
    FileSystem& files;
    BatchConsole& console;
    OutputFiles& outputs;
    StopSignals& stopSignals;
    const SettingsStore& settings;
    PageLoader& pages;
    EventLoop& eventLoop;
    Clock& clock;
    AnswerStore& answers;
    ProductIndex& index;
    // Shared with every other Quillfen of the user; null: the run keeps its own pace alone.
    PacingStore* pacing = nullptr;
    // Opens the containers of .xlsx and .ods inputs; null: every input is a text file of codes.
    ZipArchives* zips = nullptr;
    // Reads the barcodes of picture and PDF inputs; null: they are text files of codes.
    const BarcodeServices* barcodes = nullptr;
};

// Exit statuses of a batch run.
inline constexpr int kBatchAnswered = 0; // every code found, not found, or not looked up
inline constexpr int kBatchFailed = 1;   // a lookup failed, or the results could not be written
inline constexpr int kBatchBadUsage = 2; // options that do not go together, an unusable input
inline constexpr int kBatchInterrupted = 130; // SIGINT, as shells report an end by it
inline constexpr int kBatchTerminated = 143;  // SIGTERM

// quillfen --batch: looks up the codes of the inputs with the window's sources, checks, pacing
// and remembered answers, one after another, and writes a row for each, with progress on
// standard error. A stop signal ends the run after the request under way; the rows done so far
// are written, whole. One that comes while the codes are still being read ends it with nothing
// looked up, as does an --output that names one of the inputs (exit status 2).
int RunBatch(const AppConfig& config, const BatchServices& services);

// The sources as the window would ask them: the command line and the environment, then what the
// Sources dialog saved, then the default order with the index first when one was imported.
std::vector<std::unique_ptr<LookupSource>> ChooseBatchSources(const AppConfig& config,
                                                              const SettingsStore& settings,
                                                              ProductIndex& index,
                                                              bool& defaultOrder);
