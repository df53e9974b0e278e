#pragma once

#include "platform/Platform.h"
#include "scanning/LocalAnswersOnly.h"
#include "scanning/ScanSession.h"

#include <QStringView>

#include <memory>

struct AppConfig;

inline constexpr QStringView kScanMuteValueName = u"Scan Mute";
inline constexpr QStringView kRestoreScanSessionQuestion =
    u"A scan session did not end the last time Quillfen ran. Restore its scans?";
inline constexpr QStringView kSaveScansTitle = u"Save Scans As";
inline constexpr QStringView kNoScansMessage = u"There are no scans yet.";
inline constexpr QStringView kScanNotTakenMessage =
    u"The scan could not be written to the session file, so it was not taken: ";

// The scan window's behaviour: "Lookup -> Scan..." opens it; each scan the line ends is counted,
// shown, sounded and answered (ScanSession); Ctrl+Z takes the last back; "Send to Code List"
// appends the session's codes to the code list, once each; "Save As..." writes the session as a
// results file with a count column.
class ScanMode final
{
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
    // The window closed: the queue stops after the request under way; the session stays, in its
    // file, for the next opening.
    void ScanWindow_Unload();

    const ScanSession& session() const { return m_session; }

private:
    void showAll();
    void tell(const ScanRow& row);

    Platform m_platform;
    ScanSession m_session;
    ScanInput m_input;
    bool m_closed = false;
};
