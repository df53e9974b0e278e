#pragma once

#include <QString>
#include <QStringView>

// The window's one shared file dialog. Like the control it stands for, it keeps its settings and
// its last file name between showings: the open and the save prompt share them.
class FileDialog
{
public:
    virtual ~FileDialog() = default;

    // The chosen file, or after a multiple selection the folder followed by the chosen names,
    // all separated by NUL characters. Empty after a cancel.
    virtual QString fileName() const = 0;
    virtual void setFileName(const QString& fileName) = 0;

    virtual void setFlags(int flags) = 0;
    // The kind of file the next showings are for (FolderKind). When the name to show names no
    // folder, the dialog opens in the folder last chosen for that kind, kept across starts, and
    // the first time in the user's documents folder; never in the program's working folder.
    virtual void setFolderKind(QStringView kind) = 0;
    virtual void setDialogTitle(const QString& title) = 0;
    // Pairs of description and pattern, each followed by "|": "Text Files (*.txt)|*.txt|".
    virtual void setFilter(const QString& filter) = 0;

    // Show the dialog and return when it closes; the choice is then in fileName().
    virtual void showOpen() = 0;
    virtual void showSave() = 0;
};

// The kinds of file the dialog remembers a folder for, by the settings value that keeps it.
namespace FolderKind {
inline constexpr QStringView Codes = u"Codes Folder";
inline constexpr QStringView Results = u"Results Folder";
inline constexpr QStringView Workbooks = u"Workbooks Folder";
inline constexpr QStringView Exports = u"Exports Folder";
inline constexpr QStringView Pictures = u"Pictures Folder";
} // namespace FolderKind

namespace FileDialogFlag {
inline constexpr int ReadOnly = 0x1;
inline constexpr int AllowMultiSelect = 0x200;
inline constexpr int Explorer = 0x80000;
inline constexpr int LongNames = 0x200000;
} // namespace FileDialogFlag
