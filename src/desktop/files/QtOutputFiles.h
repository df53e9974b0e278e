#pragma once

#include "platform/OutputFiles.h"

// Result files on disk: text through QSaveFile, workbooks through XlsxWorkbook or OdsWorkbook,
// each written beside its path under a temporary name and renamed over it when complete.
class QtOutputFiles final : public OutputFiles
{
public:
    std::unique_ptr<OutputFile> createText(const QString& path) override;
    std::unique_ptr<WorkbookFile> createWorkbook(const QString& path,
                                                 WorkbookFormat format) override;
};
