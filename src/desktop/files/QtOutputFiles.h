#pragma once

#include "platform/OutputFiles.h"

#include <functional>

// Result files on disk: text through QSaveFile, written beside its path under a temporary name and
// renamed over it when complete; workbooks through the maker given (MakeQtWorkbookFile, which
// brings libxlsxwriter and libzip, or a stand-in that loads them when a run writes a workbook).
class QtOutputFiles final : public OutputFiles
{
public:
    using WorkbookMaker =
        std::function<std::unique_ptr<WorkbookFile>(const QString& path, WorkbookFormat format)>;
    explicit QtOutputFiles(WorkbookMaker workbooks);

    std::unique_ptr<OutputFile> createText(const QString& path) override;
    std::unique_ptr<WorkbookFile> createWorkbook(const QString& path,
                                                 WorkbookFormat format) override;

private:
    WorkbookMaker m_workbooks;
};
