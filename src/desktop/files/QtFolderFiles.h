#pragma once

#include "platform/FolderFiles.h"

#include <QCoreApplication>
#include <QStringList>

// A folder's files on disk: each written to a hidden part beside its path (PartFiles) and renamed
// over it, a file that must not be replaced renamed so that it cannot be (renameat2's
// RENAME_NOREPLACE on Linux). sync() syncs the folder's file system once on Linux (syncfs), and
// each file written since the last sync elsewhere.
class QtFolderFiles final : public FolderFiles
{
    Q_DECLARE_TR_FUNCTIONS(QtFolderFiles)

public:
    Entry entryAt(const QString& path) const override;
    void makeFolder(const QString& path) override;
    bool write(const QString& path, const QByteArray& bytes, bool replace) override;
    void sync() override;
    void remove(const QString& path) override;

private:
    QStringList m_unsynced;
};
