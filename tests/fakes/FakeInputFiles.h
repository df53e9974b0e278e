#pragma once

#include "common/OperationFailed.h"
#include "platform/InputFiles.h"

#include <QHash>

#include <cstring>
#include <functional>

// Files held in memory. A test may fail a read part-way, or act on every read.
class FakeInputFiles final : public InputFiles
{
public:
    ~FakeInputFiles() override;
    std::unique_ptr<InputFile> open(const QString& path) override
    {
        const auto found = files.constFind(path);
        if (found == files.cend())
            throw OperationFailed(QStringLiteral("Cannot open ") + path +
                                  QStringLiteral(": No such file or directory"));
        return std::make_unique<File>(*this, path, *found);
    }

    QHash<QString, QByteArray> files;
    QDateTime modified = QDateTime(QDate(2024, 6, 1), QTime(2, 30), Qt::UTC);
    // Largest piece one read hands over; small values exercise chunk boundaries.
    qint64 readPiece = 64 * 1024;
    // Called before every read with the path and the offset; may throw or cancel.
    std::function<void(const QString& path, qint64 offset)> beforeRead;

private:
    class File final : public InputFile
    {
    public:
        ~File() override;
        File(FakeInputFiles& owner, QString path, QByteArray bytes)
            : m_owner(owner)
            , m_path(std::move(path))
            , m_bytes(std::move(bytes))
        {}
        qint64 size() const override { return m_bytes.size(); }
        QDateTime modified() const override { return m_owner.modified; }
        qint64 read(char* buffer, qint64 max) override
        {
            if (m_owner.beforeRead)
                m_owner.beforeRead(m_path, m_offset);
            const qint64 n = std::min({max, m_owner.readPiece, m_bytes.size() - m_offset});
            std::memcpy(buffer, m_bytes.constData() + m_offset, std::size_t(n));
            m_offset += n;
            return n;
        }

    private:
        FakeInputFiles& m_owner;
        QString m_path;
        QByteArray m_bytes;
        qint64 m_offset = 0;
    };
};
