#pragma once

#include "fakes/FakeHook.h"
#include "platform/PhoneScanReceiver.h"

#include <QList>

// The phone server as what it was told: listening or not, where, its token, the answers given.
// Make an operation fail through the hook ("start").
class FakePhoneScanReceiver final : public PhoneScanReceiver
{
public:
    ~FakePhoneScanReceiver() override;
    void start(const QString& address, quint16 port) override
    {
        hook(u"start");
        listening = true;
        listenAddress = address;
        listenPort = port == 0 ? 40000 : port;
    }
    void stop() override { listening = false; }
    bool isListening() const override { return listening; }
    quint16 port() const override { return listenPort; }
    void setToken(const QString& given) override { token = given; }
    void answered(const PhoneScanAnswer& answer) override { answers.append(answer); }

    bool listening = false;
    QString listenAddress;
    quint16 listenPort = 0;
    QString token;
    QList<PhoneScanAnswer> answers;
    FakeHook hook{"FakePhoneScanReceiver", {u"start"}};
};
