#pragma once

#include <QString>
#include <QStringList>

class QHostAddress;
class QUrl;

// What kind of place an address is. Only a public one may be reached at an address that came in
// an answer (a product's picture or page): the rest are this machine, the user's own network or
// no place at all, where a hostile answer could make the program ask what it should not.
enum class AddressScope {
    Public,
    Loopback,    // 127/8, ::1
    Private,     // 10/8, 172.16/12, 192.168/16, 100.64/10, fc00::/7
    LinkLocal,   // 169.254/16, fe80::/10
    Unspecified, // 0/8, ::
    Other,       // multicast, broadcast, reserved: no host to ask
};

// The scope of an address; an IPv4 address inside IPv6 (::ffff:10.0.0.1) is judged as itself.
AddressScope ScopeOfAddress(const QHostAddress& address);
// "a private address", "a loopback address", ... ; empty for a public one.
QString AddressScopeText(AddressScope scope);

// Why an address that came in an answer is not fetched or opened, without looking its name up:
// "not a web address" for anything but http(s) with a host, "not a public address: 10.0.0.1 (a
// private address)" for a written-out address that is not public. Empty when it may go on to
// the name lookup. An address whose host and port are among `ownHosts` (those the user configured
// the answering source on) passes whatever it is.
QString AnswerAddressRefusal(const QUrl& url, const QStringList& ownHosts);
// The refusal of a host whose name gave that address.
QString NotPublicFailure(const QString& host, AddressScope scope);
// "host:port", the host in lower case and the port the scheme's own when none is written
// ("images.example.org:443"); empty without a host. A source's own hosts are kept in this form:
// the exemption covers the server the user named, not every port of its machine.
QString HostAndPort(const QUrl& url);
// Whether the address's host and port are among `ownHosts` (HostAndPort's form).
bool IsOwnHost(const QUrl& url, const QStringList& ownHosts);
