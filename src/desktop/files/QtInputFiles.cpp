#include "desktop/files/QtInputFiles.h"

#include "common/OperationFailed.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {
class QtInputFile final : public InputFile
{
public:
    explicit QtInputFile(const QString& path)
        : m_file(path)
    {
        const QFileInfo info(path);
        if (info.isDir())
            throw OperationFailed(
                QCoreApplication::translate("QtInputFiles", "Cannot open %1: it is a folder")
                    .arg(path));
        if (!m_file.open(QIODevice::ReadOnly))
            throw OperationFailed(QCoreApplication::translate("QtInputFiles", "Cannot open %1: %2")
                                      .arg(path, m_file.errorString()));
        m_modified = info.lastModified();
    }

    qint64 size() const override { return m_file.size(); }
    QDateTime modified() const override { return m_modified; }

    qint64 read(char* buffer, qint64 max) override
    {
        const qint64 got = m_file.read(buffer, max);
        if (got < 0)
            throw OperationFailed(QCoreApplication::translate("QtInputFiles", "Cannot read %1: %2")
                                      .arg(m_file.fileName(), m_file.errorString()));
        return got;
    }

private:
    QFile m_file;
    QDateTime m_modified;
};
} // namespace

std::unique_ptr<InputFile> QtInputFiles::open(const QString& path)
{
    return std::make_unique<QtInputFile>(path);
}
