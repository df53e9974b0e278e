#include "desktop/files/QtOutputFiles.h"

#include "desktop/files/BlockSaveFile.h"

namespace {
class QtOutputFile final : public OutputFile
{
public:
    explicit QtOutputFile(const QString& path)
        : m_file(path)
    {}

    void write(QByteArrayView bytes) override { m_file.append(bytes); }
    void commit() override { m_file.commit(); }

private:
    BlockSaveFile m_file;
};
} // namespace

std::unique_ptr<OutputFile> QtOutputFiles::createText(const QString& path)
{
    return std::make_unique<QtOutputFile>(path);
}

QtOutputFiles::QtOutputFiles(WorkbookMaker workbooks)
    : m_workbooks(std::move(workbooks))
{}

std::unique_ptr<WorkbookFile> QtOutputFiles::createWorkbook(const QString& path,
                                                            WorkbookFormat format)
{
    return m_workbooks(path, format);
}
