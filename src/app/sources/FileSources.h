#pragma once

#include "app/AppConfig.h"
#include "app/LookupSetup.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>

class FileSystem;

// Where the sources described in files are looked for: the program's presets (the package's
// data folder, or the source tree in a build) and the user's own folder.
struct SourceFolders
{
    QStringList presets;
    QString user;
};

// The sources described in files, as read at start-up.
struct FileSourcesRead
{
    QList<FileSourceEntry> entries;
    // Each file refused, with its reason: "acme.json: answer.name: not a JSON pointer". A preset
    // or a file of the user's folder that is refused is left out; the run goes on without it.
    QStringList problems;
    // A file named for this run that is refused, or a QUILLFEN_<NAME>_URL that is no address:
    // the program does not start. Empty otherwise.
    QString fatal;
};

// Reads the presets, then the user's folder, then the files named for this run; a file whose
// source has a name already read replaces that one (the user's own file a preset). A file may not
// take a built-in source's name.
FileSourcesRead ReadFileSources(const FileSystem& files, const SourceFolders& folders,
                                const QStringList& named, const QProcessEnvironment& environment);

// Once the files are read: an error message when the sources chosen on the command line or in
// the environment name one that is not known; empty otherwise.
QString CheckChosenSources(const AppConfig& config);

// What --list-sources prints: one line a source, its name, where it comes from, whether it has
// its key, whether the run would ask it. `keyOrigin` says where a source's key comes from, or
// nothing.
QString SourceListing(const AppConfig& config, const SourceChoice& choice,
                      const std::function<QString(const QString&)>& keyOrigin);
