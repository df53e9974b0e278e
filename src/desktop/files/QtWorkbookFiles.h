#pragma once

#include "platform/OutputFiles.h"

// A workbook file through XlsxWorkbook or OdsWorkbook, written beside its path under a temporary
// name and renamed over it when complete. QtOutputFiles' workbooks in the programs that link them.
std::unique_ptr<WorkbookFile> MakeQtWorkbookFile(const QString& path, WorkbookFormat format);
