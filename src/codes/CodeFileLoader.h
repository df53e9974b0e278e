#pragma once

#include "platform/FileDialog.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>

class ListControl;

inline constexpr char kLoadListsTitle[] =
    QT_TRANSLATE_NOOP("CodeFileLoader", "Load List(s) - Hold Ctrl to select multiple list files");
// The filter of Load EAN Numbers From File: code lists, spreadsheets, and the pictures this
// machine can read (their extensions, lower case, as the picture files say) with PDFs.
QString LoadListsFilter(const QStringList& pictureExtensions);
// Long names, Explorer style, several files at once, the read-only box shown and ticked: 2621953.
inline constexpr int kLoadListsFlags = FileDialogFlag::LongNames | FileDialogFlag::Explorer |
                                       FileDialogFlag::AllowMultiSelect | FileDialogFlag::ReadOnly;
inline constexpr char kFileNotFound[] = QT_TRANSLATE_NOOP("CodeFileLoader", "File not found");

// A code file larger than this is refused rather than read into memory.
inline constexpr qint64 kMaxCodeFileBytes = qint64(100) * 1024 * 1024;
// A NUL byte this near the start marks a file that is not text.
inline constexpr qsizetype kTextSniffBytes = 8 * 1024;

// Repairs a path joined from a folder, a backslash and a name: every pair of backslashes becomes
// one, scanning from the left, except that a leading run of backslashes becomes exactly two, so
// "C:\" and "a.txt" give "C:\a.txt" and a network path keeps its two leading backslashes.
QString CollapseDoubleBackslashes(const QString& path);

// The path of one file of a multiple selection. With the backslash as separator the joined path
// goes through CollapseDoubleBackslashes; elsewhere a backslash is an ordinary character of a
// file name, so the path is left as joined, without doubling the separator of the root folder.
QString JoinSelectedFile(const QString& folder, const QString& name, QChar separator);

// The text of a code file. A UTF-8 or UTF-16 byte-order mark says how the file is encoded and is
// not part of the text; without one the file is in the system's encoding (UTF-8 on Linux). Empty
// when the file is not text: a NUL byte (a NUL character after a UTF-16 mark) near the start.
std::optional<QString> CodeFileText(const QByteArray& bytes);

// The bytes of a code file whose text is UTF-8, its mark dropped, so that its rows can be read one
// at a time (Utf8CodeFileRowReader, CodeFileUtf8Row) rather than as a whole text twice the
// size: a file with a UTF-8 mark, or one without a mark where the system's encoding is UTF-8.
// Nothing for any other file, which CodeFileText() reads, and says whether it is text at all.
std::optional<QByteArray> Utf8CodeFileBytes(const QByteArray& bytes);
// A row of those bytes as CodeFileText() would have read it within the whole text.
QString CodeFileUtf8Row(QByteArrayView row);

// The rows of a code file's text: carriage return, carriage return and line feed, and a lone
// line feed each end a row. A break at the very end adds no empty row, whichever it is. Nothing
// is trimmed.
QStringList CodeFileRows(QStringView text);

QString NotATextFileMessage(const QString& path);
QString FileTooLargeMessage(const QString& path);
QString FileNotFoundMessage(const QString& path);
QString FileUnreadableMessage(const QString& path, const QString& reason);
// "2 of the 3 files named on the command line were not loaded:" and a line for each.
QString NamedFilesNotLoadedMessage(const QStringList& problems, int named);

// Loading codes from text files picked in the shared file dialog.
class CodeFileLoader final
{
public:
    explicit CodeFileLoader(const Platform& platform)
        : m_platform(platform)
    {}

    void PushButton3_Click();

    // Appends every row of the file to the list. A missing file, a file that is not text and one
    // that is too large are each reported in a message box and add nothing; a file that cannot
    // be read throws OperationFailed. A file the other-files loader takes is its alone.
    void LoadListFile(ListControl& list, const QString& path);
    // The files named on the command line, at start-up: each loaded as LoadListFile would,
    // pictures and PDFs together, and those that could not be loaded listed in one message at
    // the end rather than a box each, which would hold the window back box after box.
    void LoadNamedFiles(ListControl& list, const QStringList& paths);

    // Loads a file of another kind than a text file of codes (a spreadsheet) into the list, and
    // says whether it took the file; set by the window, as the code files know nothing of them.
    // Its problems go to `tell`.
    using OtherFiles =
        std::function<bool(ListControl& list, const QString& path, MessageBox& tell)>;
    void loadOtherFilesWith(OtherFiles loader) { m_otherFiles = std::move(loader); }

    // Files read together, all those of one selection in one go with one message at the end
    // (pictures and PDFs, whose barcodes are read); set by the window like the other files.
    struct GroupedFiles
    {
        std::function<bool(const QString& path)> takes;
        std::function<void(ListControl& list, const QStringList& paths)> load;
    };
    void loadGroupedFilesWith(GroupedFiles loader) { m_groupedFiles = std::move(loader); }

private:
    bool grouped(const QString& path) const;
    // LoadListFile, telling its problems to `tell`.
    void loadListFile(ListControl& list, const QString& path, MessageBox& tell);

    Platform m_platform;
    OtherFiles m_otherFiles;
    GroupedFiles m_groupedFiles;
};
