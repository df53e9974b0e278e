#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>
#include <QUrl>

#include <functional>

// The index commands with the real services: files on disk, the index in the user's data
// folder, standard error, Ctrl+C and SIGTERM. For main(): these need a QCoreApplication, no
// display.

// quillfen --import-index FILE...; languages: whose product names to keep beside the others
// ("de"), as the window's import does.
int ImportIndexCommand(const QStringList& files, const QStringList& languages);

// quillfen --download-index: the export from QUILLFEN_INDEX_URL, or the Open Food Facts one.
// userAgent: "Quillfen/<version> (<contact>)"; allowed: whether an address may be asked (the
// loopback-only setting), checked before any name lookup.
int DownloadIndexCommand(const QStringList& languages, const QByteArray& userAgent,
                         const std::function<bool(const QUrl&)>& allowed,
                         const QProcessEnvironment& environment);

// quillfen --update-index: the daily change files listed at QUILLFEN_INDEX_DELTAS_URL, or at Open
// Food Facts' list. The same agent and address check as the download.
int UpdateIndexCommand(const QStringList& languages, const QByteArray& userAgent,
                       const std::function<bool(const QUrl&)>& allowed,
                       const QProcessEnvironment& environment);
