#pragma once

#include "platform/DownloadStore.h"

#include <QCoreApplication>
#include <QFile>

// The part as index-download.csv.gz.part in the index's folder, described by a small JSON file
// beside it (index-download.csv.gz.part.json).
class QtDownloadStore final : public DownloadStore
{
    Q_DECLARE_TR_FUNCTIONS(QtDownloadStore)
public:
    explicit QtDownloadStore(QString folder);

    std::optional<PartialDownload> part() override;
    void startPart(const PartialDownload& download) override;
    void append(QByteArrayView bytes) override;
    void readPart(const std::function<void(QByteArrayView)>& sink) override;
    QString complete(const QString& fileName) override;
    void discard() override;
    void removeCompleted(const QString& path) override;

    QString partPath() const;

private:
    QString m_folder;
    QFile m_writing;
};
