#pragma once

// Batch mode: codes in from files or standard input, one row of answers out for each.

#include "app/AppConfig.h"
#include "app/BatchServices.h"

// quillfen --batch: looks up the codes of the inputs with the window's sources, checks, pacing
// and remembered answers, one after another, and writes a row for each, with progress on
// standard error. A stop signal ends the run after the request under way; the rows done so far
// are written, whole. One that comes while the codes are still being read ends it with nothing
// looked up, as does an --output that names one of the inputs (exit status 2).
int RunBatch(const AppConfig& config, const BatchServices& services);
