#pragma once

#include <QString>
#include <QStringView>

// This system's ping command asked for a single echo request, %1 standing for the host, and the
// text found only in the line that reports a reply. Each system's ping words its reply line its
// own way.
#if defined(Q_OS_WIN)
inline constexpr QStringView kPingCommandLine = u"ping %1 -n 1";
inline constexpr QStringView kPingReplyMarker = u"bytes=";
#elif defined(Q_OS_MACOS)
// -t: give up after 2 seconds instead of waiting for ever for an unreachable host.
inline constexpr QStringView kPingCommandLine = u"ping -c 1 -t 2 %1";
inline constexpr QStringView kPingReplyMarker = u"bytes from";
#else
// -W: wait at most 2 seconds for the reply.
inline constexpr QStringView kPingCommandLine = u"ping -c 1 -W 2 %1";
inline constexpr QStringView kPingReplyMarker = u"bytes from";
#endif

inline QString PingCommandLine(const QString& host)
{
    return kPingCommandLine.toString().arg(host);
}
