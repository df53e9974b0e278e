#pragma once

#include "platform/FileSystem.h"

#include <QCoreApplication>

// The local file system, through QFile and QFileInfo.
class QtFileSystem final : public FileSystem
{
    Q_DECLARE_TR_FUNCTIONS(QtFileSystem)
public:
    bool modificationTimeReadable(const QString& path) const override;
    bool fileFound(const QString& path) const override;
    Contents readFile(const QString& path, qint64 limit) const override;
    bool sameFile(const QString& first, const QString& second) const override;
    QStringList filesIn(const QString& folder, const QString& suffix) const override;
    bool readableByOthers(const QString& path) const override;
    void writeWholeFile(const QString& path, const QByteArray& bytes) override;
};
