#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One row of the scan window's table, as it reads.
struct ScanTableRow
{
    QString count;
    QString code;
    QString name;
    QString brand;
    QString status;

    bool operator==(const ScanTableRow&) const = default;
};

// What a scan sounds and flashes like: a product found (green), none found or not known yet
// (grey), not a valid code (red).
enum class ScanSignal { Found, NotFound, Invalid };

// The scan window beside the main window: one input line that keeps the focus while the window is
// active, the answer in large type, and the session's table. Every text it shows from outside
// (products' names) is shown as plain text.
class ScanWindow
{
public:
    virtual ~ScanWindow() = default;

    // Shows the window beside the main window, or brings it forward, with the focus in its line.
    virtual void open() = 0;
    virtual bool isOpen() const = 0;
    // The table's rows, the last scanned first.
    virtual void showRows(const QList<ScanTableRow>& rows) = 0;
    // The answer to the last scan, in large type; empty shows nothing.
    virtual void showAnswer(const QString& text) = 0;
    // A line under the table that says what the window just did or could not do (codes sent to
    // the code list, a port that is taken, a problem of the remembered answers), without waiting
    // for anyone; empty hides it.
    virtual void showNotice(const QString& text) = 0;
    // Every text the Status column may show, in the user's language: the column is made wide
    // enough for the longest.
    virtual void setStatusWords(const QStringList& words) = 0;
    // Flashes the line and, unless muted, plays the signal's sound; a machine without sound stays
    // silent without a word.
    virtual void signal(ScanSignal signal) = 0;
    // The "mute" box.
    virtual bool muted() const = 0;
    virtual void setMuted(bool muted) = 0;
    // "Receive Scans From a Phone": the box, the address and the port as the user last chose
    // them (an empty address: the window's first choice).
    virtual void setPhoneChoice(bool on, const QString& address, quint16 port) = 0;
    // The address to enter in the phone's app, shown as text and as a QR code; empty hides it.
    virtual void showPhoneLink(const QString& url) = 0;
};
