#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QString>
#include <QStringView>

// The save prompt of the text export: read-only box ticked, multiple selection, Explorer style,
// long names. The overwrite prompt is not among them: saving over a file replaces it.
inline constexpr int kSaveDialogFlags = 0x280201;
inline constexpr char kSaveDialogTitle[] = QT_TRANSLATE_NOOP("SortBy", "Save");
inline constexpr QStringView kSaveDialogFilter = u"Text Files (*.txt)|*.txt|All Files (*.*)|*.*|";
// The same filter for translating where it is shown:
// QCoreApplication::translate("SortBy", kSaveDialogFilterText).
//: Pairs of a description and its pattern, each followed by "|": translate the descriptions only.
inline constexpr char kSaveDialogFilterText[] =
    QT_TRANSLATE_NOOP("SortBy", "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|");

// What the progress bar says while the text export runs and when it ends.
//: %1 is the name of the file being written.
inline constexpr char kSaveProgressWriting[] = QT_TRANSLATE_NOOP("SortBy", "Writing file: %1");
inline constexpr char kSaveProgressDone[] = QT_TRANSLATE_NOOP("SortBy", "Done.");

// The file's own name, as the progress bar shows it. Paths come from the save dialog in the
// system's own form: a backslash ends the folder part on Windows, a slash everywhere else, where
// a backslash is an ordinary character of a name.
QString ProgressFileName(const QString& path);

// The progress position after writing row `row` of `rows`. It runs ahead by rows / 2000 (whole
// rows) and so passes 100 a little on tables of 2000 rows and more.
double WritingProgress(int rows, int row);

// Module SortBy: the column-aligned text export and the button that asks where to save it.
class SortBy final
{
public:
    explicit SortBy(const Platform& platform)
        : m_platform(platform)
    {}

    // "Save Results As Text File": asks for a file name, then writes the results table there
    // (".txt" added to a name typed without an extension).
    void PushButton4_Click();

    // Writes the header line and every ticked row of the list to the file, each cell padded with
    // spaces to its column's widest text (header and all rows) and followed by a TAB, CR LF after
    // every line. Drives the progress display when one is given. The file is written whole or
    // not at all: a file that cannot be created or written costs one report and leaves any
    // existing file of that name as it was.
    void SaveListviewProperlySpaced(const ListControl& list, const QString& fileName,
                                    ProgressDisplay* progress);

private:
    Platform m_platform;
};
