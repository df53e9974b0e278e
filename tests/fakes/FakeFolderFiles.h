#pragma once

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeHook.h"
#include "platform/FolderFiles.h"

#include <QSet>
#include <QStringList>

// A folder's files in the fake file system's contents, so that what is written reads back
// through it; `others` are paths where something not a file stands (a link, a folder).
class FakeFolderFiles final : public FolderFiles
{
public:
    explicit FakeFolderFiles(FakeFileSystem& files)
        : m_files(files)
    {}
    ~FakeFolderFiles() override;

    Entry entryAt(const QString& path) const override
    {
        hook(u"entryAt");
        if (others.contains(path))
            return Entry::Other;
        return m_files.contents.contains(path) ? Entry::File : Entry::Nothing;
    }
    void makeFolder(const QString& path) override
    {
        hook(u"makeFolder");
        folders.insert(path);
    }
    bool write(const QString& path, const QByteArray& bytes, bool replace) override
    {
        hook(u"write");
        if (!replace && entryAt(path) != Entry::Nothing)
            return false;
        m_files.contents.insert(path, bytes);
        written.append(path);
        unsynced.insert(path);
        return true;
    }
    void sync() override
    {
        hook(u"sync");
        unsynced.clear();
    }
    void remove(const QString& path) override
    {
        hook(u"remove");
        m_files.contents.remove(path);
        removed.append(path);
    }

    QSet<QString> others;
    QSet<QString> folders;
    QStringList written;
    QStringList removed;
    QSet<QString> unsynced;
    FakeHook hook{"FakeFolderFiles", {u"entryAt", u"makeFolder", u"write", u"sync", u"remove"}};

private:
    FakeFileSystem& m_files;
};
