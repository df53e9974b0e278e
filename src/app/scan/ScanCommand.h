#pragma once

#include "app/AppConfig.h"

class AnswerStore;
class BatchConsole;
class CatalogueConnection;
class Clock;
class EventLoop;
class LineInput;
class PacingStore;
class PageLoader;
class ProductIndex;
class ScanJournal;
class SettingsStore;
class StopSignals;

// What a headless scan session works with; main() fills it with the real services (see
// program/QtBatchCommand.h), the tests with fakes.
struct ScanServices
{
    LineInput& lines;
    BatchConsole& console;
    StopSignals& stopSignals;
    const SettingsStore& settings;
    PageLoader& pages;
    EventLoop& eventLoop;
    Clock& clock;
    AnswerStore& answers;
    ProductIndex& index;
    ScanJournal& journal;
    // Shared with every other Quillfen of the user; null: the session keeps its own pace alone.
    PacingStore* pacing = nullptr;
    // Searches library catalogues; null: the catalogue sources fail every code.
    CatalogueConnection* catalogue = nullptr;
};

// quillfen --scan: reads scans from standard input, one a line, and writes a row for each to
// standard output once its code is answered, in batch mode's formats and columns with a count
// column after the code; a repeat writes the code's row again with its new count. Answers from
// this machine come at once, the others as the online sources give them, while more lines come
// in. A session file left by a session that did not end is read back first. At the end of the
// input, once every scan is answered, the session file goes; a stop signal keeps it, and the
// scans not yet answered with it, for the next session.
int RunScan(const AppConfig& config, const ScanServices& services);
