#pragma once

#include "common/OperationFailed.h"
#include "fakes/FakeHook.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringList>

class FakeFileSystem final : public FileSystem
{
public:
    ~FakeFileSystem() override;
    bool modificationTimeReadable(const QString& path) const override
    {
        hook(u"modificationTimeReadable");
        return existing.contains(path) || contents.contains(path);
    }
    bool fileFound(const QString& path) const override
    {
        hook(u"fileFound");
        return existing.contains(path) || contents.contains(path);
    }
    Contents readFile(const QString& path, qint64 limit) const override
    {
        hook(u"readFile");
        reads.append(path);
        if (!contents.contains(path))
            throw OperationFailed(QStringLiteral("Permission denied"));
        const QByteArray& bytes = contents[path];
        if (bytes.size() > limit || oversized.contains(path))
            return Contents{{}, true};
        return Contents{bytes, false};
    }

    bool sameFile(const QString& first, const QString& second) const override
    {
        hook(u"sameFile");
        const QString path = QDir::cleanPath(first);
        return path == QDir::cleanPath(second) &&
               (existing.contains(path) || contents.contains(path));
    }

    QStringList filesIn(const QString& folder, const QString& suffix) const override
    {
        hook(u"filesIn");
        QStringList paths;
        for (auto it = contents.constBegin(); it != contents.constEnd(); ++it) {
            if (QFileInfo(it.key()).path() == QDir::cleanPath(folder) && it.key().endsWith(suffix))
                paths.append(it.key());
        }
        paths.sort();
        return paths;
    }
    bool readableByOthers(const QString& path) const override
    {
        hook(u"readableByOthers");
        return sharedFiles.contains(path);
    }
    void writeWholeFile(const QString& path, const QByteArray& bytes) override
    {
        hook(u"writeWholeFile");
        contents.insert(path, bytes);
    }

    // Paths whose date can be read; a path here but not in contents cannot be opened.
    QSet<QString> existing;
    // Readable files and their bytes.
    QHash<QString, QByteArray> contents;
    // Readable files that report a size over any limit.
    QSet<QString> oversized;
    // Files their owner's group or everyone may read.
    QSet<QString> sharedFiles;
    mutable QStringList reads;
    FakeHook hook{"FakeFileSystem",
                  {u"modificationTimeReadable", u"fileFound", u"readFile", u"sameFile", u"filesIn",
                   u"readableByOthers", u"writeWholeFile"}};
};
