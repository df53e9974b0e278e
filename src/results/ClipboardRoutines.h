#pragma once

#include <QString>

class Clipboard;
class EventLoop;
class ListControl;

// How often a busy clipboard is tried before the routines give up, silently.
inline constexpr int kClipboardAttempts = 1000;

// Copies the ticked rows of the list to the clipboard as aligned text: per row, the cells of
// every column padded with spaces to the column's widest text (over all rows, ticked or not) and
// separated by a TAB, trailing spaces removed, CR LF after every line. Lets window events run
// before every cell and row; rows that disappear meanwhile are simply no longer copied. An empty
// list leaves the clipboard alone. Failures of the list pass to the caller.
void CopyListviewToClipboard(const ListControl& list, Clipboard& clipboard, EventLoop& loop);

// Empties the clipboard, trying again while it is busy. Never fails.
void ClearClipboard(Clipboard& clipboard);

// Puts the text on the clipboard in the format (0: plain text), trying again while it is busy.
// True when the clipboard then reads back the text. Never fails.
bool SetClipboardText(Clipboard& clipboard, const QString& text, int format);
