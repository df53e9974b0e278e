#pragma once

#include "platform/OutputFile.h"
#include "platform/WorkbookFile.h"

#include <QString>

#include <memory>

// Makes the files a batch run writes its results to.
class OutputFiles
{
public:
    virtual ~OutputFiles() = default;

    // Both throw OperationFailed when nothing can be written there (no such folder, no
    // permission), before anything is written.
    virtual std::unique_ptr<OutputFile> createText(const QString& path) = 0;
    virtual std::unique_ptr<WorkbookFile> createWorkbook(const QString& path,
                                                         WorkbookFormat format) = 0;
};
