#pragma once

#include "labels/LabelLayout.h"

#include <QList>
#include <QString>
#include <QStringList>

class FileSystem;

// Where layout files are looked for: the program's presets (the package's data folder, or the
// source tree in a build) and the user's own folder.
struct LayoutFolders
{
    QStringList presets;
    QString user;
};

// One layout, and where it came from.
struct LayoutEntry
{
    LabelLayout layout;
    QString origin; // "preset", "your folder", "--layout-file"
    QString path;
};

// Every layout known, as read.
struct LayoutsRead
{
    // By name, each name once: a later file's layout replaces an earlier one of the same name
    // (the user's own file a preset).
    QList<LayoutEntry> entries;
    // Each file refused, with its reason. A preset or a file of the user's folder that is refused
    // is left out, and the others are used.
    QStringList problems;
    // The file named for this run, refused: the run does not start. Empty otherwise.
    QString fatal;

    // The layout of that name; null when none is known.
    const LayoutEntry* find(const QString& name) const;
};

// Reads the presets, then the user's folder, then the file named for this run (empty: none).
LayoutsRead ReadLabelLayouts(const FileSystem& files, const LayoutFolders& folders,
                             const QString& named);

// What --list-layouts prints: one line a layout, its name, its sizes and where it comes from.
QString LayoutListing(const LayoutsRead& read);
