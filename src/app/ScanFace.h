#pragma once

#include "platform/PhoneScanReceiver.h"

#include <QString>

#include <memory>

struct AppConfig;
struct Platform;
struct SourceChoice;

// What the main window asks of the scan window's side: the window's menu opens it, the window
// routes the scan window's events to it, and the window's closing ends its session. The window
// knows it by this alone; app/scan gives the one there is (MakeWindowScanning).
class ScanFace
{
public:
    virtual ~ScanFace() = default;

    virtual void OpenScanWindow() = 0;
    // Start-up: a session file left by a crash is offered back; restored, the window opens.
    virtual void OfferLeftSession() = 0;
    virtual void ScanLine_KeyText(const QString& keys) = 0;
    virtual void Undo() = 0;
    virtual void SendToCodeList() = 0;
    virtual void SaveScansAs() = 0;
    virtual void MuteChanged(bool muted) = 0;
    virtual void PhoneReceivingChanged(bool on, const QString& address, quint16 port) = 0;
    virtual void NewPhoneLink() = 0;
    // A scan a phone sent; never throws.
    virtual PhoneScanAnswer TakePhoneScan(const QString& text) = 0;
    virtual void AnswerQueued() = 0;
    virtual void ScanWindow_Unload() = 0;
    // The program is closing: the session is over, and the next start does not offer it back.
    virtual void EndSession() = 0;
    // The sources the window's runs ask, for the scans too; those the queue is asking now stay
    // until it is done with them.
    virtual void useSources(const AppConfig& config, const SourceChoice& choice,
                            const QString& serviceUrl, bool fillGaps) = 0;
};

// The scan window's side on the platform's services, its chains made as the window's runs'.
std::unique_ptr<ScanFace> MakeWindowScanning(const Platform& platform, const AppConfig& config);
