#pragma once

#include "lookup/JsonFileSource.h"

#include <QHash>
#include <QProcessEnvironment>
#include <QString>

#include <optional>

class FileSystem;
class KeyStore;

// Where a source's key comes from, first found first: QUILLFEN_KEY_<NAME>, the file named with
// --key-file NAME=PATH (readable by its owner alone), then the keyring when there is one. Each
// is asked when a request needs the key, so that no copy is kept here.
class SourceKeys final
{
public:
    SourceKeys(const QProcessEnvironment& environment, QHash<QString, QString> keyFiles,
               const FileSystem& files, KeyStore* keyring);

    // The key, or nothing when none is given. A key file that others may read, or a keyring that
    // does not answer, gives nothing, and says why.
    SourceKey key(const QString& source) const;
    // Where the key comes from, for --list-sources: QUILLFEN_KEY_ACME, --key-file or keyring;
    // empty when there is none. Reads the key to know, but never shows it.
    QString origin(const QString& source) const;
    static QString variableFor(const QString& source);

private:
    QProcessEnvironment m_environment;
    QHash<QString, QString> m_keyFiles;
    const FileSystem& m_files;
    KeyStore* m_keyring;
};
