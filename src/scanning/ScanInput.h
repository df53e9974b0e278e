#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// One code as a scanner (or a person) gave it, made into what the code list takes.
struct Scan
{
    // The code to look up: the 13 digits of a book's or a magazine's code without its add-on, the
    // GTIN of a GS1 element string, else the text as read, cleaned of what scanners add.
    QString code;
    // The 2 or 5 digits of an add-on after a 13-digit code; empty when there was none.
    QString addOn;
    // True when the code passes the checks and can be looked up.
    bool valid = false;

    bool operator==(const Scan&) const = default;
};

// The longest text taken as one scan; a scanner gives far less, and anything longer is no code.
inline constexpr qsizetype kLongestScan = 200;

// Reads a scan's raw text: the digit row of an AZERTY keyboard (&é"'(-è_çà) back to digits, a
// symbology identifier (]E0, ]E4, ]C1: "]", a letter, a digit) dropped, an EAN-13 with a 2- or
// 5-digit add-on split into the two, and a GS1 element string with Application Identifier (01)
// given as its GTIN, as the barcode reader reads a GS1 symbol.
Scan ReadScan(QStringView raw);

// Turns the text of key presses, as a scanner types them into the window, into scans: Enter, Tab,
// CR and LF end one. A paste of several lines is several scans. What follows the last end waits
// for the next keys.
class ScanInput final
{
public:
    // The scans the keys complete, in order; empty scans (two ends in a row) are none.
    QList<Scan> take(QStringView keys);
    // What was typed since the last end.
    const QString& pending() const { return m_pending; }
    void clear() { m_pending.clear(); }

private:
    QString m_pending;
};
