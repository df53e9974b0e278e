#pragma once

#include "fakes/FakeHook.h"
#include "platform/ScanWindow.h"

// The scan window as what it was last told: its rows, its answer, the signals given in order.
// Make an operation fail through the hook ("open", "showRows", "showAnswer", "showNotice",
// "signal").
class FakeScanWindow final : public ScanWindow
{
public:
    ~FakeScanWindow() override;
    void open() override
    {
        hook(u"open");
        opened = true;
    }
    bool isOpen() const override { return opened; }
    void showRows(const QList<ScanTableRow>& shown) override
    {
        hook(u"showRows");
        rows = shown;
    }
    void showAnswer(const QString& text) override
    {
        hook(u"showAnswer");
        answer = text;
    }
    void showNotice(const QString& text) override
    {
        hook(u"showNotice");
        notice = text;
    }
    void setStatusWords(const QStringList& words) override { statusWords = words; }
    void signal(ScanSignal given) override
    {
        hook(u"signal");
        signalsGiven.append(given);
    }
    void setPhoneChoice(bool on, const QString& address, quint16 port) override
    {
        phoneOn = on;
        phoneAddress = address;
        phonePort = port;
    }
    void showPhoneLink(const QString& url) override { phoneLink = url; }
    bool muted() const override { return mute; }
    void setMuted(bool muted) override { mute = muted; }

    bool phoneOn = false;
    QString phoneAddress;
    quint16 phonePort = 0;
    QString phoneLink;
    bool opened = false;
    bool mute = false;
    QList<ScanTableRow> rows;
    QString answer;
    QString notice;
    QStringList statusWords;
    QList<ScanSignal> signalsGiven;
    FakeHook hook{"FakeScanWindow",
                  {u"open", u"showRows", u"showAnswer", u"showNotice", u"signal"}};
};
