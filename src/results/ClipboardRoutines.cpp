#include "results/ClipboardRoutines.h"

#include "common/ProgramEnding.h"
#include "platform/Clipboard.h"
#include "platform/EventLoop.h"
#include "platform/ListControl.h"
#include "results/AlignedCells.h"

#include <QList>

#include <algorithm>

namespace {
// Runs one clipboard attempt; true when it went through. A closing program still unwinds.
template <typename Attempt>
bool Succeeds(Attempt&& attempt)
{
    try {
        return attempt();
    } catch (const ProgramEnding&) {
        throw;
    } catch (...) {
        return false;
    }
}

// The text the copy puts on the clipboard.
QString BuildClipboardText(const ListControl& list, EventLoop& loop)
{
    // Width pass: each column's widest text over every row, ticked or not. The row count is read
    // again after every yield, since the user may remove rows meanwhile.
    QList<qsizetype> widths;
    const int columns = list.columnCount();
    for (int c = 1; c <= columns; ++c) {
        qsizetype width = 0;
        const int rows = list.count();
        for (int r = 1; r <= rows; ++r) {
            loop.yield();
            if (r > list.count())
                break;
            width = std::max(width, CellText(list, r, c).size());
        }
        widths.append(width);
    }

    QString text;
    const int rows = list.count();
    for (int r = 1; r <= rows; ++r) {
        loop.yield();
        if (r > list.count())
            break;
        if (!list.isChecked(r))
            continue;
        const qsizetype lineStart = text.size();
        const int lineColumns = list.columnCount();
        bool rowGone = false;
        for (int c = 1; c <= lineColumns; ++c) {
            loop.yield();
            if (r > list.count()) {
                rowGone = true;
                break;
            }
            AppendPaddedCell(text, CellText(list, r, c), MeasuredWidth(widths, c));
        }
        if (rowGone) {
            // Half a line of a row that is no longer there would be worse than none.
            text.truncate(lineStart);
            break;
        }
        // The TAB after the last cell goes, then the padding before it; never into the line
        // before.
        if (text.size() > lineStart)
            text.chop(1);
        qsizetype end = text.size();
        while (end > lineStart && text[end - 1] == u' ')
            --end;
        text.truncate(end);
        text += QStringLiteral("\r\n");
    }
    return text;
}
} // namespace

void CopyListviewToClipboard(const ListControl& list, Clipboard& clipboard, EventLoop& loop)
{
    if (list.count() == 0)
        return;
    const QString text = BuildClipboardText(list, loop);
    ClearClipboard(clipboard);
    SetClipboardText(clipboard, text, 0);
}

void ClearClipboard(Clipboard& clipboard)
{
    for (int attempt = 1; attempt <= kClipboardAttempts; ++attempt) {
        if (Succeeds([&] {
                clipboard.clear();
                return true;
            }))
            return;
    }
}

bool SetClipboardText(Clipboard& clipboard, const QString& text, int format)
{
    for (int attempt = 1; attempt <= kClipboardAttempts; ++attempt) {
        if (Succeeds([&] {
                clipboard.setText(text, format);
                return clipboard.text() == text;
            }))
            return true;
    }
    return false;
}
