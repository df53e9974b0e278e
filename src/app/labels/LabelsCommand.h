#pragma once

#include "app/AppConfig.h"

#include <QString>

#include <functional>

class BatchConsole;
class FileSystem;
class LabelPrinter;
class ZipArchives;

// What a label job without a window works with; main() fills it with the real services (see
// program/QtBatchCommand.h), the tests with fakes.
struct LabelServices
{
    FileSystem& files;
    BatchConsole& console;
    LabelPrinter& printer;
    // Opens the containers of .xlsx and .ods inputs.
    ZipArchives& zips;
    // The name this machine knows for a code (see LocalNames); unset: none.
    std::function<QString(const QString& code)> nameOf;
};

// quillfen --labels LAYOUT --output FILE [codes or files]: the codes given, and those of code
// files and spreadsheets (with their names, prices and copies), printed on the layout's labels
// into a PDF file. A code that cannot be printed (a wrong check digit, a barcode too large for
// the label) is named on standard error with the reason and the others are printed; the exit
// status then says so. Nothing is asked online.
int RunLabels(const AppConfig& config, const LabelServices& services);

// quillfen --list-layouts: every layout known, and the layout files refused.
int ListLayouts(const AppConfig& config, BatchConsole& console);

// Exit statuses of --labels, as --batch's.
inline constexpr int kLabelsPrinted = 0;
inline constexpr int kLabelsSomeRefused = 1; // some codes not printed, or the file not written
inline constexpr int kLabelsBadUsage = 2;
