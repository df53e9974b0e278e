#pragma once

#include <QString>
#include <QStringView>

class QUrl;

// What a request to anywhere else fails with while only this machine may be reached
// (QUILLFEN_LOOPBACK_ONLY=1, as every test, benchmark and the demo run).
inline constexpr QStringView kNotLoopbackFailure = u"not a loopback address";

// Whether a host is a loopback address written out (127.0.0.0/8, ::1, or IPv4's loopback inside
// IPv6). Names are never looked up to decide, so "localhost" is not one: the point is that
// nothing, not even a name lookup, leaves the machine.
bool IsLoopbackHost(const QString& host);
// The failure of a request refused for that reason, naming the host and why:
// "not a loopback address: world.openfoodfacts.org (QUILLFEN_LOOPBACK_ONLY is set)".
QString NotLoopbackFailure(const QString& host);
bool IsLoopbackUrl(const QUrl& url);
