#pragma once

#include "fakes/FakeHook.h"
#include "platform/ProcessCapture.h"
#include "platform/SystemPing.h"

#include <QList>
#include <QStringList>

// A process that prints the chunks in turn, one per read, then ends. By default it prints a ping
// reply as this system's ping words it, so a start-up against fakes counts as online.
class FakeProcessCapture final : public ProcessCapture
{
public:
    ~FakeProcessCapture() override;
    struct Started
    {
        QString commandLine;
        bool standardOutput;
        bool standardError;
        bool fromConsoleCodePage;
    };

    bool start(const QString& commandLine, bool standardOutput, bool standardError,
               bool fromConsoleCodePage) override
    {
        hook(u"start");
        started.append(Started{commandLine, standardOutput, standardError, fromConsoleCodePage});
        m_running = !startFails;
        m_pending = chunks;
        return !startFails;
    }
    QString read(int waitMs) override
    {
        hook(u"read");
        ++reads;
        lastWaitMs = waitMs;
        if (!m_running || m_pending.isEmpty())
            return {};
        return m_pending.takeFirst();
    }
    bool atEnd() const override { return !m_running || (m_pending.isEmpty() && !endless); }
    void kill() noexcept override
    {
        ++kills;
        m_running = false;
        m_pending.clear();
    }

    QStringList chunks{QStringLiteral("64 ") + kPingReplyMarker + QStringLiteral(" 127.0.0.1\n")};
    bool startFails = false;
    // Keeps running after its chunks, printing nothing, until killed.
    bool endless = false;

    QList<Started> started;
    int reads = 0;
    int kills = 0;
    int lastWaitMs = -1;
    FakeHook hook{"FakeProcessCapture", {u"start", u"read"}};

private:
    bool m_running = false;
    QStringList m_pending;
};
