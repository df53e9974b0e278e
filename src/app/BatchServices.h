#pragma once

// What the two runs without a window share: what a batch run works with, and the exit statuses
// with which batch mode and scan mode end.

class AnswerStore;
struct BarcodeServices;
class BatchConsole;
class CatalogueConnection;
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

// What a batch or scan run works with; main() fills it with the real services (see
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
    // Searches library catalogues; null: the catalogue sources fail every code.
    CatalogueConnection* catalogue = nullptr;
};

// Exit statuses of a batch run.
inline constexpr int kBatchAnswered = 0; // every code found, not found, or not looked up
inline constexpr int kBatchFailed = 1;   // a lookup failed, or the results could not be written
inline constexpr int kBatchBadUsage = 2; // options that do not go together, an unusable input
inline constexpr int kBatchInterrupted = 130; // SIGINT, as shells report an end by it
inline constexpr int kBatchTerminated = 143;  // SIGTERM
