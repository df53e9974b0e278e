#pragma once

// Scanning's face: the scan window's presenter (ScanMode), how the main window reaches it
// (WindowScanning), and --scan (ScanCommand).

#include "app/SettingsNames.h"
#include "platform/PhoneScanReceiver.h"
#include "platform/Platform.h"
#include "scanning/LocalAnswersOnly.h"
#include "scanning/ScanSession.h"

#include <QCoreApplication>
#include <QStringView>

#include <memory>

struct AppConfig;

inline constexpr quint16 kDefaultPhonePort = 8765;
// Shown through QCoreApplication::translate("ScanMode", ...). %1: why.
inline constexpr char kPhoneNotStartedMessage[] = QT_TRANSLATE_NOOP(
    "ScanMode", "Quillfen could not receive scans from a phone at that address and port: %1");
inline constexpr char kRestoreScanSessionQuestion[] = QT_TRANSLATE_NOOP(
    "ScanMode", "A scan session did not end the last time Quillfen ran. Restore its scans?");
inline constexpr char kSaveScansTitle[] = QT_TRANSLATE_NOOP("ScanMode", "Save Scans As");
inline constexpr char kNoScansMessage[] = QT_TRANSLATE_NOOP("ScanMode", "There are no scans yet.");
inline constexpr char kScanNotTakenMessage[] = QT_TRANSLATE_NOOP(
    "ScanMode", "The scan could not be written to the session file, so it was not taken: %1");
//: %1: how many of the session's codes were added to the code list; %2: how many it held already.
inline constexpr char kSentToCodeListMessage[] =
    QT_TRANSLATE_NOOP("ScanMode", "Codes sent to the code list: %1. Already in it: %2.");

// Every status word the scan window's table may show, in the user's language.
QStringList ScanStatusWords();

// The scan window's behaviour: "Lookup -> Scan..." opens it; each scan the line ends is counted,
// shown, sounded and answered (ScanSession); Ctrl+Z takes the last back; "Send to Code List"
// appends the session's codes to the code list, once each; "Save As..." writes the session as a
// results file with a count column.
class ScanMode final
{
    Q_DECLARE_TR_FUNCTIONS(ScanMode)

public:
    // The chains are made by the caller from the sources the window asks: `online` is the main
    // window's own; `local` the same sources on a loader that sends nothing.
    ScanMode(const Platform& platform, LookupChain& local, LookupChain& online);
    ScanMode(const ScanMode&) = delete;
    ScanMode& operator=(const ScanMode&) = delete;

    void OpenScanWindow();
    // Start-up: a session file left by a crash is offered back; restored, the window opens.
    void OfferLeftSession();
    // Keys typed or pasted into the line; the scans they end are taken, then the queue is asked
    // about (which returns at once when it is being asked about already).
    void ScanLine_KeyText(const QString& keys);
    void Undo();
    void SendToCodeList();
    void SaveScansAs();
    void MuteChanged(bool muted);
    // "Receive Scans From a Phone" turned on (at the address and port chosen) or off.
    void PhoneReceivingChanged(bool on, const QString& address, quint16 port);
    // "New Link": a new token, and the old link refused from now on.
    void NewPhoneLink();
    // A scan a phone sent (see PhoneScanReceiver::onScan); never throws.
    PhoneScanAnswer TakePhoneScan(const QString& text);
    // The queue, asked about after a phone's scan, outside the request's handling.
    void AnswerQueued();
    // The window closed: the queue stops after the request under way; the session stays, in its
    // file, for the next opening.
    void ScanWindow_Unload();
    // The program is closing (its window, or a quit signal as if the window were closed): the
    // session is over, and the next start does not offer it back. A session file that cannot be
    // removed stays, and is offered then.
    void EndSession();

    const ScanSession& session() const { return m_session; }

private:
    void showAll();
    QString setting(QStringView name) const;
    void saveSetting(QStringView name, const QString& value);
    void startPhoneReceiving(const QString& address, quint16 port);
    void tell(const ScanRow& row);
    void showTop();

    Platform m_platform;
    ScanSession m_session;
    ScanInput m_input;
    bool m_closed = false;
};
