#include "common/Loopback.h"

#include <QHostAddress>
#include <QUrl>

bool IsLoopbackHost(const QString& host)
{
    QString address = host;
    // QUrl gives IPv6 hosts without their brackets, people write them with.
    if (address.startsWith(u'[') && address.endsWith(u']'))
        address = address.mid(1, address.size() - 2);
    QHostAddress parsed;
    return parsed.setAddress(address) && parsed.isLoopback();
}

bool IsLoopbackUrl(const QUrl& url)
{
    return IsLoopbackHost(url.host());
}

QString NotLoopbackFailure(const QString& host)
{
    return kNotLoopbackFailure + QStringLiteral(": ") + host +
           QStringLiteral(" (QUILLFEN_LOOPBACK_ONLY is set)");
}
