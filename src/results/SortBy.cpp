#include "results/SortBy.h"

#include "common/ErrorTrap.h"
#include "common/Locations.h"
#include "common/MainRoutines.h"
#include "common/PointerCode.h"
#include "platform/EventLoop.h"
#include "platform/FileDialog.h"
#include "platform/Form1Window.h"
#include "platform/ListControl.h"
#include "platform/MessageBox.h"
#include "platform/ProgressDisplay.h"
#include "platform/TextFileWriter.h"
#include "results/AlignedCells.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <memory>

namespace {
// Writes the line; a file that fails once is thrown away, so that the rest of the export does
// not pile one report per line onto the first and no half-written file is left behind.
void WriteOrDiscard(std::unique_ptr<TextFile>& file, const QString& line)
{
    try {
        file->writeLine(line);
    } catch (...) {
        file.reset();
        throw;
    }
}
} // namespace

QString ProgressFileName(const QString& path)
{
    const QChar separator = QDir::separator();
    if (separator == u'\\')
        return FileNameFromPath(path);
    return path.mid(path.lastIndexOf(separator) + 1);
}

double WritingProgress(int rows, int row)
{
    return (double(rows / 2000) + row) / rows * 100.0;
}

void SortBy::PushButton4_Click()
{
    ErrorTrap trap(m_platform.messageBox, Location::PushButton4_Click);
    FileDialog& dialog = m_platform.commonDialog1;
    QString fileName;
    // The file name is left as the dialog's last use left it, so the prompt offers that name.
    trap(100, [&] {
        dialog.setFolderKind(FolderKind::Results);
        dialog.setFlags(kSaveDialogFlags);
    });
    trap(102,
         [&] { dialog.setDialogTitle(QCoreApplication::translate("SortBy", kSaveDialogTitle)); });
    trap(104,
         [&] { dialog.setFilter(QCoreApplication::translate("SortBy", kSaveDialogFilterText)); });
    // Read back only from a dialog that was shown: a failed one still holds the name of its last
    // use, and saving there would overwrite a file the user never chose.
    trap(106, [&] {
        dialog.showSave();
        // A name typed without an extension would leave a file that nothing opens as text.
        fileName = WithDefaultExtension(dialog.fileName(), u"txt");
    });
    if (trap.holdsOrFails(108, [&] { return fileName.isEmpty(); }))
        return;
    trap(110, [&] { m_platform.window.setMousePointer(PointerCode::Hourglass); });
    trap(112, [&] {
        SaveListviewProperlySpaced(m_platform.listView2, fileName, &m_platform.progressBar1);
    });
    trap(114, [&] { m_platform.window.setMousePointer(PointerCode::Default); });
}

void SortBy::SaveListviewProperlySpaced(const ListControl& list, const QString& fileName,
                                        ProgressDisplay* progress)
{
    ErrorTrap trap(m_platform.messageBox, Location::SaveListviewProperlySpaced);
    EventLoop& loop = m_platform.eventLoop;
    QString writing;
    QList<qsizetype> widths;
    QString line;
    std::unique_ptr<TextFile> file;
    int columns = 0;
    int rows = 0;

    trap(100, [&] {
        writing = QCoreApplication::translate("SortBy", kSaveProgressWriting)
                      .arg(ProgressFileName(fileName));
    });
    if (progress) {
        trap(102, [&] { loop.yield(); });
        trap(104, [&] { progress->setPosition(1); });
        trap(106, [&] { progress->setText(writing); });
        trap(108, [&] { loop.yield(); });
    }

    // Every column's widest text, header and all rows, ticked or not. The table may shrink while
    // the export yields; only the rows still there are measured and written.
    trap(110, [&] { columns = list.columnCount(); });
    for (int k = 1; k <= columns; ++k) {
        qsizetype width = 0;
        trap(112, [&] { width = list.columnHeader(k).size(); });
        trap(114, [&] { rows = list.count(); });
        for (int r = 1; r <= rows; ++r) {
            trap(116, [&] { loop.yield(); });
            if (trap.holdsOrFails(118, [&] { return r > list.count(); }))
                break;
            trap(120, [&] { width = std::max(width, CellText(list, r, k).size()); });
        }
        widths.append(width);
    }

    if (progress) {
        trap(122, [&] { loop.yield(); });
        trap(124, [&] { progress->setPosition(10); });
        trap(126, [&] { progress->setText(writing); });
        trap(128, [&] { loop.yield(); });
    }

    // Without a file there is nothing more to write: the export ends after the one report.
    trap(130, [&] { file = m_platform.textFiles.create(fileName); });

    if (file) {
        trap(132, [&] { columns = list.columnCount(); });
        for (int k = 1; k <= columns; ++k) {
            trap(134, [&] { loop.yield(); });
            trap(136,
                 [&] { AppendPaddedCell(line, list.columnHeader(k), MeasuredWidth(widths, k)); });
        }
        trap(138, [&] { WriteOrDiscard(file, line); });
    }

    if (progress && file) {
        trap(140, [&] { loop.yield(); });
        trap(142, [&] { progress->setPosition(20); });
        trap(144, [&] { progress->setText(writing); });
        trap(146, [&] { loop.yield(); });
    }

    if (file)
        trap(148, [&] { rows = list.count(); });
    for (int r = 1; file && r <= rows; ++r) {
        trap(150, [&] { loop.yield(); });
        if (trap.holdsOrFails(152, [&] { return r > list.count(); }))
            break;
        line.truncate(0); // keeps its memory for the next row
        if (trap.holdsOrFails(154, [&] { return list.isChecked(r); })) {
            bool rowGone = false;
            trap(156, [&] { columns = list.columnCount(); });
            for (int k = 1; k <= columns; ++k) {
                trap(158, [&] { loop.yield(); });
                if (trap.holdsOrFails(160, [&] { return r > list.count(); })) {
                    rowGone = true;
                    break;
                }
                trap(162, [&] {
                    AppendPaddedCell(line, CellText(list, r, k), MeasuredWidth(widths, k));
                });
            }
            if (rowGone)
                break;
            if (progress) {
                trap(164, [&] { loop.yield(); });
                trap(166, [&] { progress->setPosition(WritingProgress(rows, r)); });
                if (r % 1000 == 0)
                    trap(168,
                         [&] { progress->setText(writing + u" (" + QString::number(r) + u')'); });
                trap(170, [&] { loop.yield(); });
            }
            trap(172, [&] { WriteOrDiscard(file, line); });
        }
    }

    // The file is made whole first, so that "Done." never shows for a file that is not there.
    bool written = false;
    if (file) {
        trap(174, [&] {
            file->close();
            written = true;
        });
        file.reset();
    }
    if (progress && written) {
        trap(176, [&] { progress->setPosition(100); });
        trap(178,
             [&] { progress->setText(QCoreApplication::translate("SortBy", kSaveProgressDone)); });
    }
    if (progress) {
        trap(180, [&] { progress->setPosition(0); });
        trap(182, [&] {
            progress->setText(
                QCoreApplication::translate("ProgressDisplay", kIdleProgressCaptionText));
        });
    }
}
