#include "common/PublicAddress.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QUrl>

#include <utility>

namespace {
bool within(const QHostAddress& address, const char* subnet)
{
    return address.isInSubnet(QHostAddress::parseSubnet(QString::fromLatin1(subnet)));
}
} // namespace

AddressScope ScopeOfAddress(const QHostAddress& given)
{
    QHostAddress address = given;
    bool isV4 = false;
    const quint32 v4 = given.toIPv4Address(&isV4); // also the IPv4 inside ::ffff:a.b.c.d
    if (isV4)
        address = QHostAddress(v4);
    if (address.isNull())
        return AddressScope::Other;
    if (address.isLoopback())
        return AddressScope::Loopback;
    if (address.protocol() == QAbstractSocket::IPv4Protocol) {
        if (within(address, "0.0.0.0/8"))
            return AddressScope::Unspecified;
        if (within(address, "10.0.0.0/8") || within(address, "172.16.0.0/12") ||
            within(address, "192.168.0.0/16") || within(address, "100.64.0.0/10"))
            return AddressScope::Private;
        if (within(address, "169.254.0.0/16"))
            return AddressScope::LinkLocal;
        if (within(address, "224.0.0.0/3")) // multicast, reserved and broadcast
            return AddressScope::Other;
        return AddressScope::Public;
    }
    if (address == QHostAddress(QHostAddress::AnyIPv6))
        return AddressScope::Unspecified;
    if (within(address, "fc00::/7"))
        return AddressScope::Private;
    if (within(address, "fe80::/10"))
        return AddressScope::LinkLocal;
    if (within(address, "ff00::/8"))
        return AddressScope::Other;
    return AddressScope::Public;
}

QString AddressScopeText(AddressScope scope)
{
    switch (scope) {
    case AddressScope::Public:
        return {};
    case AddressScope::Loopback:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("PublicAddress", "a loopback address"));
    case AddressScope::Private:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("PublicAddress", "a private address"));
    case AddressScope::LinkLocal:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("PublicAddress", "a link-local address"));
    case AddressScope::Unspecified:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("PublicAddress", "an unspecified address"));
    case AddressScope::Other:
        break;
    }
    return QString::fromUtf8(QT_TRANSLATE_NOOP("PublicAddress", "no host's address"));
}

QString NotPublicFailure(const QString& host, AddressScope scope)
{
    return QStringLiteral("not a public address: ") + host + QStringLiteral(" (") +
           AddressScopeText(scope) + u')';
}

QString HostAndPort(const QUrl& url)
{
    const QString host = url.host().toLower();
    if (host.isEmpty())
        return {};
    const int port = url.port(url.scheme() == u"https" ? 443 : 80);
    return host + u':' + QString::number(port);
}

bool IsOwnHost(const QUrl& url, const QStringList& ownHosts)
{
    if (ownHosts.isEmpty())
        return false;
    const QString own = HostAndPort(url);
    return !own.isEmpty() && ownHosts.contains(own);
}

QString AnswerAddressRefusal(const QUrl& url, const QStringList& ownHosts)
{
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"http" && scheme != u"https"))
        return QCoreApplication::translate("PublicAddress", "not a web address");
    const QString host = url.host();
    if (IsOwnHost(url, ownHosts))
        return {};
    QHostAddress written;
    if (written.setAddress(host)) {
        const AddressScope scope = ScopeOfAddress(written);
        // Shown in the details window only, so in the user's language; the page loaders'
        // NotPublicFailure stays English, as batch mode writes it among the results.
        if (scope != AddressScope::Public)
            return QCoreApplication::translate("PublicAddress", "not a public address: %1 (%2)")
                .arg(host, QCoreApplication::translate(
                               "PublicAddress", AddressScopeText(scope).toUtf8().constData()));
    }
    return {};
}
