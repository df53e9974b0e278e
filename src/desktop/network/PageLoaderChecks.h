#pragma once

#include "desktop/network/PageLoaderLimits.h"
#include "platform/PendingPage.h"

#include <QHostInfo>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>

// What every page loader checks of a request before anything is sent, in the same words, so that
// a row reads alike whichever HTTP client carried its request.

// The page for a request: a refused one, complete from the start, when the loader's limits keep
// the address from being asked; nothing when it may be sent. Throws OperationFailed for an
// address that is not http or https with a host.
std::unique_ptr<PendingPage> RefusedBeforeSending(const PageLoaderLimits& limits, const QUrl& url);

// Why a request to the address fails without leaving the machine; empty when it would be sent.
QString LoopbackRefusal(const PageLoaderLimits& limits, const QUrl& url);

// For a request that may ask only public hosts: why a host written as an address may not be
// asked (empty: it may), or nothing when the host is a name, judged once looked up.
std::optional<QString> WrittenAddressRefusal(const QString& host);
// Why the host may not be asked by what a lookup of its name gave: no address, or any address
// that is not public; empty when every one is.
QString LookedUpRefusal(const QString& host, const QHostInfo& found);
// The entry that pins a name to the addresses its lookup gave and the loader judged, for curl's
// CURLOPT_RESOLVE: "+host:port:addr,[v6addr]". Without it curl would look the name up again, and
// a name that changes its answer between the two lookups (DNS rebinding) would reach a place
// that was never judged. The "+" lets the entry age out of curl's cache like any other.
QByteArray PinnedResolveEntry(const QString& host, int port, const QList<QHostAddress>& addresses);
