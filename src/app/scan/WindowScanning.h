#pragma once

#include "app/ScanFace.h"
#include "app/scan/ScanMode.h"
#include "lookup/LookupChain.h"
#include "platform/Platform.h"
#include "scanning/LocalAnswersOnly.h"

// The scan window's side as the main window knows it: the scan window's presenter (ScanMode)
// with its two chains, the same sources as the window's runs, one asking nothing over the
// network, one of its own for the queue, so that a scan session and a run never share one.
class WindowScanning final : public ScanFace
{
public:
    WindowScanning(const Platform& platform, const AppConfig& config);
    WindowScanning(const WindowScanning&) = delete;
    WindowScanning& operator=(const WindowScanning&) = delete;

    void OpenScanWindow() override { m_scan.OpenScanWindow(); }
    void OfferLeftSession() override { m_scan.OfferLeftSession(); }
    void ScanLine_KeyText(const QString& keys) override { m_scan.ScanLine_KeyText(keys); }
    void Undo() override { m_scan.Undo(); }
    void SendToCodeList() override { m_scan.SendToCodeList(); }
    void SaveScansAs() override { m_scan.SaveScansAs(); }
    void MuteChanged(bool muted) override { m_scan.MuteChanged(muted); }
    void PhoneReceivingChanged(bool on, const QString& address, quint16 port) override
    {
        m_scan.PhoneReceivingChanged(on, address, port);
    }
    void NewPhoneLink() override { m_scan.NewPhoneLink(); }
    PhoneScanAnswer TakePhoneScan(const QString& text) override
    {
        return m_scan.TakePhoneScan(text);
    }
    void AnswerQueued() override { m_scan.AnswerQueued(); }
    void ScanWindow_Unload() override { m_scan.ScanWindow_Unload(); }
    void EndSession() override { m_scan.EndSession(); }
    void useSources(const AppConfig& config, const SourceChoice& choice, const QString& serviceUrl,
                    bool fillGaps) override;

private:
    Platform m_platform;
    LocalAnswersOnly m_nothingSent;
    LookupChain m_local;
    LookupChain m_online;
    ScanMode m_scan;
};
