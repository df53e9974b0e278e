#pragma once

#include "app/window/CmdOutput.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QString>
#include <QStringView>

inline constexpr QLatin1StringView kOfflineWarning{
    QT_TRANSLATE_NOOP("ConnectivityCheck", "You must be online to use this software accurately.")};

// Whether a ping's output holds a reply line: the marker, in any letter case.
bool HasPingReply(const QString& output, QStringView replyMarker);

// The start-up check: one hidden ping, and a warning when no reply came back.
class ConnectivityCheck final
{
    Q_DECLARE_TR_FUNCTIONS(ConnectivityCheck)

public:
    ConnectivityCheck(const Platform& platform, QString pingCommandLine,
                      std::chrono::milliseconds giveUpAfter = kCaptureGiveUpAfter)
        : m_platform(platform)
        , m_pingCommandLine(std::move(pingCommandLine))
        , m_giveUpAfter(giveUpAfter)
    {}

    // Runs the ping and shows the warning, with the application title, when the output holds no
    // reply: offline, an unknown host, a ping that cannot start or prints nothing.
    void CheckOnline();

private:
    Platform m_platform;
    QString m_pingCommandLine;
    std::chrono::milliseconds m_giveUpAfter;
};
