#pragma once

#include "common/OperationFailed.h"
#include "fakes/FakeHook.h"
#include "fakes/FakeInputFiles.h"
#include "platform/DownloadStore.h"

#include <QStringList>

// The part in memory; a completed file becomes one of the fake input files, so that it can be
// imported.
class FakeDownloadStore final : public DownloadStore
{
public:
    ~FakeDownloadStore() override;
    explicit FakeDownloadStore(FakeInputFiles& files)
        : m_files(files)
    {}

    std::optional<PartialDownload> part() override
    {
        hook(u"part");
        return kept;
    }
    void startPart(const PartialDownload& download) override
    {
        hook(u"startPart");
        kept = download;
        bytes.clear();
    }
    void append(QByteArrayView piece) override
    {
        // A part the store could not add to is removed, as a real disk's that filled.
        try {
            hook(u"append");
        } catch (...) {
            kept.reset();
            bytes.clear();
            throw;
        }
        bytes.append(piece);
        if (kept)
            kept->bytes = bytes.size();
    }
    void readPart(const std::function<void(QByteArrayView)>& sink) override
    {
        hook(u"readPart");
        sink(bytes);
    }
    QString complete(const QString& fileName) override
    {
        hook(u"complete");
        const QString path = QStringLiteral("/fake/index/") + fileName;
        m_files.files.insert(path, bytes);
        kept.reset();
        bytes.clear();
        return path;
    }
    void discard() override
    {
        hook(u"discard");
        kept.reset();
        bytes.clear();
    }
    void removeCompleted(const QString& path) override
    {
        hook(u"removeCompleted");
        m_files.files.remove(path);
        removed.append(path);
    }

    std::optional<PartialDownload> kept;
    QByteArray bytes;
    QStringList removed;
    FakeHook hook{"FakeDownloadStore",
                  {u"part", u"startPart", u"append", u"readPart", u"complete", u"discard",
                   u"removeCompleted"}};

private:
    FakeInputFiles& m_files;
};
